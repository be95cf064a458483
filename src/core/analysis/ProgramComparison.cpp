#include "analysis/ProgramComparison.h"

#include <utility>

namespace rungpad {

ProgramComparison::ProgramComparison(LadProgram other) : m_other(std::move(other)) {}

const DiffMarks& ProgramComparison::Marks(const LadProgram& current) {
    if (!m_fresh || !(m_compared == current)) {
        const LadHeaderTexts noHeader;  // the margin shows lines only
        m_marks = DiffMarks(ProgramDiff::Compare({m_other, noHeader}, {current, noHeader}),
                            current.LineCount());
        m_compared = current;
        m_fresh = true;
    }
    return m_marks;
}

int ProgramComparison::Difference(const LadProgram& current, int line, bool forward) {
    const DiffMarks& marks = Marks(current);
    return forward ? marks.Next(line) : marks.Previous(line);
}

}  // namespace rungpad
