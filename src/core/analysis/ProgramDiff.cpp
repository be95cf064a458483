#include "analysis/ProgramDiff.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace rungpad {

namespace {

// A line's contents as one key, so that the alignment compares numbers, not cells. A cell is its
// element, link and text: the number field is derived from the text and the file does not keep it
// for every text, so a program and the file it was saved to align line for line.
std::string LineKey(const LadProgram& program, int line) {
    std::string key;
    for (const LadCell& cell : program.Line(line).cells) {
        char fields[4];
        const std::uint16_t link = cell.HasLink() ? 1 : 0;
        std::memcpy(fields, &cell.code, 2);
        std::memcpy(fields + 2, &link, 2);
        key.append(fields, 4);
        key.append(cell.Text());
        key.push_back('\0');
    }
    key.append(program.Note(line).View());
    return key;
}

// Each line as a small number: equal numbers for equal lines of either program.
struct LineIds {
    std::vector<int> oldIds;
    std::vector<int> newIds;
};

LineIds NumberLines(const LadProgram& oldProgram, const LadProgram& newProgram) {
    std::unordered_map<std::string, int> ids;
    LineIds out;
    const auto number = [&ids](const LadProgram& program, std::vector<int>& into) {
        for (int i = 0; i < program.LineCount(); ++i) {
            into.push_back(
                ids.emplace(LineKey(program, i), static_cast<int>(ids.size())).first->second);
        }
    };
    number(oldProgram, out.oldIds);
    number(newProgram, out.newIds);
    return out;
}

enum class Step { kSame, kDelete, kInsert };

// The edit script of the longest common subsequence. Common head and tail are taken first; the
// table covers only the rest (at most 1600 x 1600 entries).
std::vector<Step> AlignLines(const std::vector<int>& a, const std::vector<int>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
        ++tail;
    }
    const std::size_t n = a.size() - head - tail;
    const std::size_t m = b.size() - head - tail;
    // lcs[i * (m + 1) + j]: length of the common subsequence of a[head + i ..] and b[head + j ..].
    std::vector<std::uint16_t> lcs((n + 1) * (m + 1), 0);
    const auto at = [m](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            lcs[at(i, j)] = a[head + i] == b[head + j]
                                ? static_cast<std::uint16_t>(lcs[at(i + 1, j + 1)] + 1)
                                : std::max(lcs[at(i + 1, j)], lcs[at(i, j + 1)]);
        }
    }
    std::vector<Step> steps(head, Step::kSame);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[head + i] == b[head + j]) {
            steps.push_back(Step::kSame);
            ++i;
            ++j;
        } else if (j == m || (i < n && lcs[at(i + 1, j)] >= lcs[at(i, j + 1)])) {
            steps.push_back(Step::kDelete);
            ++i;
        } else {
            steps.push_back(Step::kInsert);
            ++j;
        }
    }
    steps.insert(steps.end(), tail, Step::kSame);
    return steps;
}

LineDiff ChangedLine(const LadProgram& oldProgram, int oldLine, const LadProgram& newProgram,
                     int newLine) {
    LineDiff diff{LineDiffKind::kChanged, oldLine, newLine, {}, false};
    for (int c = 0; c < LadLine::kColumns; ++c) {
        const unsigned fields =
            ProgramDiff::CellFields(oldProgram.Cell(c, oldLine), newProgram.Cell(c, newLine));
        if (fields != 0) {
            diff.cells.push_back({c, fields});
        }
    }
    diff.noteChanged = oldProgram.Note(oldLine) != newProgram.Note(newLine);
    return diff;
}

std::vector<HeaderDiff> CompareHeaders(const ComparedProgram& a, const ComparedProgram& b) {
    const auto word = [](std::int16_t value) { return std::to_string(value); };
    const struct {
        std::string_view field;
        std::string oldText;
        std::string newText;
    } fields[] = {
        {"END1 line", word(a.program.end1Line), word(b.program.end1Line)},
        {"Step count", word(a.program.stepCountWord), word(b.program.stepCountWord)},
        {"END1 step", word(a.program.end1Step), word(b.program.end1Step)},
        {"Version", a.header.version.Str(), b.header.version.Str()},
        {"Machine tool", a.header.machine.Str(), b.header.machine.Str()},
        {"Last modifier", a.header.modifier.Str(), b.header.modifier.Str()},
        {"Save date", a.header.saveDate.Str(), b.header.saveDate.Str()},
    };
    std::vector<HeaderDiff> out;
    for (const auto& f : fields) {
        if (f.oldText != f.newText) {
            out.push_back({f.field, f.oldText, f.newText});
        }
    }
    return out;
}

}  // namespace

std::string ProgramDiff::Summary(const DiffCounts& n) {
    return std::to_string(n.changed) + " lines changed, " + std::to_string(n.inserted) +
           " inserted, " + std::to_string(n.deleted) + " deleted; " + std::to_string(n.cells) +
           " cells changed, " + std::to_string(n.notes) + " line notes changed, " +
           std::to_string(n.header) + " header fields changed";
}

unsigned ProgramDiff::CellFields(const LadCell& a, const LadCell& b) {
    unsigned fields = 0;
    if (a.code != b.code) {
        fields |= CellField::kElement;
    }
    // The text holds the cell's value (CellValue); the number field is not compared.
    if (a.Text() != b.Text()) {
        const bool address = Element::IsContact(a.code) || Element::IsCoil(a.code) ||
                             Element::IsContact(b.code) || Element::IsCoil(b.code);
        fields |= address ? CellField::kAddress : CellField::kParameter;
    }
    if (a.HasLink() != b.HasLink()) {
        fields |= CellField::kLink;
    }
    return fields;
}

ProgramDiff ProgramDiff::Compare(const ComparedProgram& oldProgram,
                                 const ComparedProgram& newProgram) {
    const LadProgram& a = oldProgram.program;
    const LadProgram& b = newProgram.program;
    const LineIds ids = NumberLines(a, b);
    const std::vector<Step> steps = AlignLines(ids.oldIds, ids.newIds);

    ProgramDiff diff;
    int i = 0;
    int j = 0;
    std::size_t s = 0;
    while (s < steps.size()) {
        if (steps[s] == Step::kSame) {
            diff.m_lines.push_back({LineDiffKind::kSame, i++, j++, {}, false});
            ++s;
            continue;
        }
        // A run of deletions and insertions: pair them in order, then the rest.
        std::vector<int> deleted;
        std::vector<int> inserted;
        for (; s < steps.size() && steps[s] != Step::kSame; ++s) {
            steps[s] == Step::kDelete ? deleted.push_back(i++) : inserted.push_back(j++);
        }
        const std::size_t pairs = std::min(deleted.size(), inserted.size());
        for (std::size_t k = 0; k < pairs; ++k) {
            LineDiff line = ChangedLine(a, deleted[k], b, inserted[k]);
            diff.m_counts.cells += static_cast<int>(line.cells.size());
            diff.m_counts.notes += line.noteChanged ? 1 : 0;
            diff.m_lines.push_back(std::move(line));
        }
        for (std::size_t k = pairs; k < deleted.size(); ++k) {
            diff.m_lines.push_back({LineDiffKind::kDeleted, deleted[k], -1, {}, false});
        }
        for (std::size_t k = pairs; k < inserted.size(); ++k) {
            diff.m_lines.push_back({LineDiffKind::kInserted, -1, inserted[k], {}, false});
        }
        diff.m_counts.changed += static_cast<int>(pairs);
        diff.m_counts.deleted += static_cast<int>(deleted.size() - pairs);
        diff.m_counts.inserted += static_cast<int>(inserted.size() - pairs);
    }
    diff.m_header = CompareHeaders(oldProgram, newProgram);
    diff.m_counts.header = static_cast<int>(diff.m_header.size());
    return diff;
}

}  // namespace rungpad
