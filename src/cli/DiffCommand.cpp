#include <algorithm>
#include <iostream>

#include "ArgParser.h"
#include "CliCommand.h"
#include "CliDocument.h"
#include "GridText.h"
#include "analysis/ProgramDiff.h"
#include "model/Messages.h"
#include "model/TextCodec.h"

namespace rungpad::cli {

namespace {

constexpr std::size_t kContext = 2;  // common lines shown around a difference

struct Compared {
    const LadProgram& oldProgram;
    const LadProgram& newProgram;
};

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "(empty)" : text.substr(first);
}

std::string FieldNames(unsigned fields) {
    std::string out;
    for (const auto& [flag, name] : {std::pair{CellField::kElement, "element"},
                                     {CellField::kAddress, "address"},
                                     {CellField::kParameter, "parameter"},
                                     {CellField::kLink, "link"}}) {
        if (fields & flag) {
            out += (out.empty() ? "" : ", ") + std::string(name);
        }
    }
    return out;
}

// The cell-level summary of a changed line, one "#" line per changed cell and for the note.
void PrintChangedCells(const Compared& c, const LineDiff& line) {
    for (const CellDiff& cell : line.cells) {
        const LadCell& before = c.oldProgram.Cell(cell.column, line.oldLine);
        const LadCell& after = c.newProgram.Cell(cell.column, line.newLine);
        std::cout << "#   column " << cell.column << " (" << FieldNames(cell.fields)
                  << "): " << Trimmed(GridText::Cell(before)) << " -> "
                  << Trimmed(GridText::Cell(after));
        if (cell.fields & CellField::kLink) {
            std::cout << (after.HasLink() ? ", link set" : ", link cleared");
        }
        std::cout << '\n';
    }
    if (line.noteChanged) {
        std::cout << "#   note: \"" << TextCodec::GbkToUtf8(c.oldProgram.Note(line.oldLine).View())
                  << "\" -> \"" << TextCodec::GbkToUtf8(c.newProgram.Note(line.newLine).View())
                  << "\"\n";
    }
}

void PrintLine(const Compared& c, const LineDiff& line) {
    switch (line.kind) {
        case LineDiffKind::kSame:
            std::cout << ' ' << GridText::Line(c.newProgram, line.newLine) << '\n';
            break;
        case LineDiffKind::kDeleted:
            std::cout << '-' << GridText::Line(c.oldProgram, line.oldLine) << '\n';
            break;
        case LineDiffKind::kInserted:
            std::cout << '+' << GridText::Line(c.newProgram, line.newLine) << '\n';
            break;
        case LineDiffKind::kChanged:
            std::cout << '-' << GridText::Line(c.oldProgram, line.oldLine) << '\n'
                      << '+' << GridText::Line(c.newProgram, line.newLine) << '\n';
            PrintChangedCells(c, line);
            break;
    }
}

// "@@ -start,count +start,count @@" of the lines first .. last of the alignment.
void PrintHunkHeader(const std::vector<LineDiff>& lines, std::size_t first, std::size_t last) {
    int oldStart = -1;
    int newStart = -1;
    int oldCount = 0;
    int newCount = 0;
    int oldBefore = 0;  // lines of either program before the hunk, for an empty side
    int newBefore = 0;
    for (std::size_t k = 0; k < first; ++k) {
        oldBefore += lines[k].oldLine >= 0 ? 1 : 0;
        newBefore += lines[k].newLine >= 0 ? 1 : 0;
    }
    for (std::size_t k = first; k <= last; ++k) {
        if (lines[k].oldLine >= 0) {
            oldStart = oldStart < 0 ? lines[k].oldLine + 1 : oldStart;
            ++oldCount;
        }
        if (lines[k].newLine >= 0) {
            newStart = newStart < 0 ? lines[k].newLine + 1 : newStart;
            ++newCount;
        }
    }
    std::cout << "@@ -" << (oldCount ? oldStart : oldBefore) << ',' << oldCount << " +"
              << (newCount ? newStart : newBefore) << ',' << newCount << " @@\n";
}

void PrintHunks(const Compared& c, const std::vector<LineDiff>& lines) {
    std::size_t k = 0;
    while (k < lines.size()) {
        if (lines[k].kind == LineDiffKind::kSame) {
            ++k;
            continue;
        }
        const std::size_t first = k > kContext ? k - kContext : 0;
        std::size_t lastChange = k;
        // The hunk goes on while the next difference is within twice the context.
        for (std::size_t j = k + 1; j < lines.size() && j <= lastChange + 2 * kContext; ++j) {
            if (lines[j].kind != LineDiffKind::kSame) {
                lastChange = j;
            }
        }
        const std::size_t last = std::min(lastChange + kContext, lines.size() - 1);
        PrintHunkHeader(lines, first, last);
        for (std::size_t j = first; j <= last; ++j) {
            PrintLine(c, lines[j]);
        }
        k = last + 1;
    }
}

void PrintHeaderChanges(const ProgramDiff& diff) {
    if (diff.Header().empty()) {
        return;
    }
    std::cout << "@@ header @@\n";
    for (const HeaderDiff& field : diff.Header()) {
        std::cout << '-' << GridText::HeaderField(field.field, TextCodec::GbkToUtf8(field.oldText))
                  << "\n+"
                  << GridText::HeaderField(field.field, TextCodec::GbkToUtf8(field.newText))
                  << '\n';
    }
}

int RunDiff(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool stat = false;
    ArgParser parser;
    parser.AddSwitch("--stat", stat);
    std::string problem;
    if (!parser.ParseOperands(args, files, problem)) {
        return UsageError(kDiffCommand, problem);
    }
    if (files.size() != 2) {
        return UsageError(kDiffCommand, Messages::Text("expects OLD and NEW"));
    }
    CliDocument oldDoc;
    CliDocument newDoc;
    if (!oldDoc.Open(files[0]) || !newDoc.Open(files[1])) {
        return kExitBadFile;
    }
    const ProgramDiff diff = ProgramDiff::Compare({oldDoc.Doc().Program(), oldDoc.Doc().Header()},
                                                  {newDoc.Doc().Program(), newDoc.Doc().Header()});
    if (stat) {
        std::cout << ProgramDiff::Summary(diff.Counts()) << '\n';
    } else if (!diff.Equal()) {
        std::cout << "--- " << files[0] << "\n+++ " << files[1] << '\n';
        PrintHeaderChanges(diff);
        PrintHunks({oldDoc.Doc().Program(), newDoc.Doc().Program()}, diff.Lines());
    }
    return diff.Equal() ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kDiffCommand{
    "diff", "diff OLD NEW [--stat]",
    "Compares two ladder files as the editor opens them. Lines are aligned by the longest common\n"
    "subsequence of whole lines (cells and note), so an inserted network shows as inserted lines.\n"
    "Prints the differing header fields, then hunks of dump lines: ' ' common, '-' OLD, '+' NEW;\n"
    "a changed line is followed by '#' lines naming each changed cell (column 0-7; element,\n"
    "address, parameter, link) and a changed line note.\n\n"
    "  --stat   print only the counts of changed, inserted and deleted lines, changed cells,\n"
    "           line notes and header fields\n\n"
    "Exit status: 0 the programs are equal, 1 they differ, 2 a file cannot be read, 64 usage.\n",
    RunDiff};

}  // namespace rungpad::cli
