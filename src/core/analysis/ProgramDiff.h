#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/LadFile.h"

namespace rungpad {

// What differs in one cell of a changed line; flags may combine.
namespace CellField {
inline constexpr unsigned kElement = 1;    // element code
inline constexpr unsigned kAddress = 2;    // text of a contact or coil
inline constexpr unsigned kParameter = 4;  // text of any other cell (box, table)
inline constexpr unsigned kLink = 8;       // vertical link
}  // namespace CellField

struct CellDiff {
    int column = 0;
    unsigned fields = 0;  // CellField flags
};

enum class LineDiffKind { kSame, kDeleted, kInserted, kChanged };

// One step of the alignment: a line of the old program, of the new one, or of both.
struct LineDiff {
    LineDiffKind kind = LineDiffKind::kSame;
    int oldLine = -1;             // -1 for an inserted line
    int newLine = -1;             // -1 for a deleted line
    std::vector<CellDiff> cells;  // changed lines only
    bool noteChanged = false;     // changed lines only
};

// A header field that differs; texts are the stored bytes (GBK), words as decimal text.
struct HeaderDiff {
    std::string_view field;  // "Version", "Machine tool", ... as rungpad-cli dump names them
    std::string oldText;
    std::string newText;
};

struct DiffCounts {
    int inserted = 0;
    int deleted = 0;
    int changed = 0;
    int cells = 0;  // changed cells over all changed lines
    int notes = 0;  // changed line notes
    int header = 0;
};

// A program as compared: its lines and its header.
struct ComparedProgram {
    const LadProgram& program;
    const LadHeaderTexts& header;
};

// The comparison of two ladder programs. Lines are aligned by the longest common subsequence of
// whole lines (cells and note), so an inserted network shows as inserted lines and not as every
// later line changed. In each run of deletions and insertions between common lines, deleted and
// inserted lines are paired in order as changed lines; the rest stay deleted or inserted.
class ProgramDiff {
  public:
    static ProgramDiff Compare(const ComparedProgram& oldProgram,
                               const ComparedProgram& newProgram);

    // Every line of both programs in order, common lines included.
    const std::vector<LineDiff>& Lines() const { return m_lines; }
    const std::vector<HeaderDiff>& Header() const { return m_header; }
    const DiffCounts& Counts() const { return m_counts; }
    bool Equal() const {
        return m_counts.inserted + m_counts.changed + m_counts.deleted == 0 && m_header.empty();
    }

    // "2 lines changed, 1 inserted, 0 deleted; 3 cells changed, 1 line notes changed, 0 header
    // fields changed"
    static std::string Summary(const DiffCounts& counts);
    // The fields in which two cells differ. The highlight and the table line count are not
    // stored and not compared.
    static unsigned CellFields(const LadCell& a, const LadCell& b);

  private:
    std::vector<LineDiff> m_lines;
    std::vector<HeaderDiff> m_header;
    DiffCounts m_counts;
};

}  // namespace rungpad
