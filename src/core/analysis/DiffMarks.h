#pragma once

#include <vector>

#include "analysis/ProgramDiff.h"

namespace rungpad {

// The differences of a comparison as marks on the lines of its newer program, for the editor's
// line-number margin, with the moves between differences. A run of marked lines is one
// difference.
class DiffMarks {
  public:
    enum Mark : unsigned {
        kNone = 0,
        kInserted = 1,       // the line is not in the other program
        kChanged = 2,        // the line differs from its counterpart
        kDeletedAfter = 4,   // lines of the other program are missing after this line
        kDeletedBefore = 8,  // lines of the other program are missing before the first line
    };

    DiffMarks() = default;
    DiffMarks(const ProgramDiff& diff, int lineCount);

    // The marks of a line; kNone outside the program.
    unsigned At(int line) const;
    bool Empty() const { return m_count == 0; }
    // The first line of the next difference after line, or -1 when there is none.
    int Next(int line) const;
    // The first line of the difference before line (or of the one line is inside), or -1.
    int Previous(int line) const;

  private:
    bool Marked(int line) const { return At(line) != kNone; }

    std::vector<unsigned> m_marks;
    int m_count = 0;  // marked lines
};

}  // namespace rungpad
