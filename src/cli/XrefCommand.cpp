#include <cstdio>
#include <iostream>
#include <string>

#include "ArgParser.h"
#include "CliCommand.h"
#include "CliDocument.h"
#include "LadderInput.h"
#include "XrefHtml.h"
#include "analysis/CrossReference.h"
#include "analysis/DocumentationTables.h"
#include "model/FileIo.h"
#include "model/OutputGuard.h"
#include "model/TextCodec.h"

namespace rungpad::cli {

namespace {

struct XrefArgs {
    std::string input;
    std::string notes;
    std::string html;
    bool csv = false;
    bool findings = false;
};

bool ParseArgs(const std::vector<std::string>& args, XrefArgs& parsed, std::string& problem) {
    ArgParser parser;
    parser.AddSwitch("--csv", parsed.csv);
    parser.AddSwitch("--findings", parsed.findings);
    parser.AddValue("--notes", "a file name", parsed.notes);
    parser.AddValue("--html", "a file name", parsed.html);
    return parser.ParseFile(args, parsed.input, problem);
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

void PrintUses(const CrossReference& xref, bool csv) {
    if (csv) {
        std::cout << "address,line,column,use,access,note\r\n";
    }
    for (const XrefUse& use : xref.Uses()) {
        const std::string note = TextCodec::GbkToUtf8(use.note);
        if (csv) {
            std::cout << CsvField(use.address) << ',' << use.line + 1 << ',' << use.column + 1
                      << ',' << CsvField(use.Describe()) << ',' << use.AccessName() << ','
                      << CsvField(note) << "\r\n";
            continue;
        }
        char place[32];
        std::snprintf(place, sizeof place, "%04d  %d", use.line + 1, use.column + 1);
        std::string access(use.AccessName());
        access.resize(10, ' ');
        std::string address = use.address;
        address.resize(std::max<std::size_t>(address.size(), 7), ' ');
        std::cout << address << "  " << place << "  " << access << "  " << use.Describe();
        if (!note.empty()) {
            std::cout << "  ; " << note;
        }
        std::cout << '\n';
    }
}

void PrintFindings(const CrossReference& xref, bool csv) {
    if (csv) {
        std::cout << "subject,finding,places\r\n";
    }
    for (const ReviewFinding& finding : xref.Findings()) {
        if (!csv) {
            std::cout << finding.Format() << '\n';
            continue;
        }
        std::string places;
        for (const GridPos& place : finding.places) {
            places += (places.empty() ? "" : " ") + std::to_string(place.line + 1) + ':' +
                      std::to_string(place.column + 1);
        }
        std::cout << CsvField(finding.subject) << ',' << finding.What() << ',' << places << "\r\n";
    }
}

// The page must not land on a file it reads.
bool HtmlPathAccepted(const XrefArgs& parsed) {
    OutputGuard guard;
    guard.AddInput(parsed.input);
    guard.AddInput(parsed.notes.empty() ? DefaultNoteFile() : parsed.notes);
    guard.AddOutput(parsed.html);
    return OutputsAccepted(guard);
}

bool WriteHtml(const XrefArgs& parsed, const CrossReference& xref, const AddressNotes& notes) {
    const std::string page =
        XrefHtml::Page(FileIo::FileName(parsed.input), DocumentationTables::Build(xref, notes));
    return WriteTextOutput(parsed.html, page);
}

int RunXref(const std::vector<std::string>& args) {
    XrefArgs parsed;
    std::string problem;
    if (!ParseArgs(args, parsed, problem)) {
        return UsageError(kXrefCommand, problem);
    }
    if (!parsed.html.empty() && !HtmlPathAccepted(parsed)) {
        return kExitBadFile;
    }
    CliDocument document;
    if (!document.Open(parsed.input)) {
        return kExitBadFile;
    }
    if (!parsed.notes.empty() && !document.ReplaceNotes(parsed.notes)) {
        return kExitBadFile;
    }
    const CrossReference xref =
        CrossReference::Build(document.Doc().Program(), &document.Doc().Notes());
    if (!parsed.html.empty()) {
        if (!WriteHtml(parsed, xref, document.Doc().Notes())) {
            return kExitBadFile;
        }
        if (!parsed.findings) {
            return kExitOk;
        }
    }
    if (parsed.findings) {
        PrintFindings(xref, parsed.csv);
        if (document.HasUnreadPart()) {
            return kExitBadFile;  // lines the reader could not see were not reviewed
        }
        return xref.Findings().empty() ? kExitOk : kExitFailed;
    }
    PrintUses(xref, parsed.csv);
    return kExitOk;
}

}  // namespace

const CliCommand kXrefCommand{
    "xref", "xref FILE [--csv] [--findings] [--notes NOTEFILE] [--html OUT.html]",
    "Prints every address of FILE with each use: address, line, column, read or write, the use\n"
    "(NO contact, NC contact, coil, negated coil, or instruction, parameter number and label)\n"
    "and the address note, ordered by address, then line and column (both counted from 1).\n\n"
    "--csv       the same table as CSV with a header row (CR LF line ends), for spreadsheets.\n"
    "--findings  prints only the review findings and exits 1 when there are any: an address\n"
    "            written in more than one place (SET and RST of one address alone pass), an R\n"
    "            or K relay read but never written or written but never read, a timer or\n"
    "            counter number used twice, a constant too wide for its data length (\"constant\n"
    "            300  does not fit a 1-byte operand\"). Each line: subject, finding, places as\n"
    "            LINE:COLUMN.\n"
    "--html      writes the cross-reference, address notes and review findings tables into\n"
    "            OUT.html instead, one self-contained page whose columns sort with a click\n"
    "            (with --findings the findings are still printed and gate the exit status).\n"
    "--notes     reads the address notes from NOTEFILE instead of PBitCh01.MEA beside\n"
    "            rungpad-cli.\n\n"
    "Exit status: 0 success (no findings), 1 findings, 2 unreadable file or (--findings) a file\n"
    "holding more than its header's line count admits, 64 usage error.\n",
    RunXref};

}  // namespace rungpad::cli
