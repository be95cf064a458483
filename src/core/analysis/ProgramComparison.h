#pragma once

#include "analysis/DiffMarks.h"

namespace rungpad {

// A program being edited, compared with another one (Compare With): the marks follow the edits,
// recomputed whenever the edited program is no longer the one last compared.
class ProgramComparison {
  public:
    explicit ProgramComparison(LadProgram other);

    // The marks on the lines of current.
    const DiffMarks& Marks(const LadProgram& current);
    // The first line of the next (forward) or previous difference from line, or -1.
    int Difference(const LadProgram& current, int line, bool forward);

  private:
    LadProgram m_other;
    LadProgram m_compared;  // current as it was when m_marks were made
    DiffMarks m_marks;
    bool m_fresh = false;
};

}  // namespace rungpad
