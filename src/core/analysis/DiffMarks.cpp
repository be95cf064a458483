#include "analysis/DiffMarks.h"

namespace rungpad {

DiffMarks::DiffMarks(const ProgramDiff& diff, int lineCount)
    : m_marks(static_cast<std::size_t>(lineCount > 0 ? lineCount : 0), kNone) {
    int lastNewLine = -1;
    for (const LineDiff& line : diff.Lines()) {
        unsigned mark = kNone;
        int at = line.newLine;
        switch (line.kind) {
            case LineDiffKind::kSame:
                break;
            case LineDiffKind::kInserted:
                mark = kInserted;
                break;
            case LineDiffKind::kChanged:
                mark = kChanged;
                break;
            case LineDiffKind::kDeleted:
                mark = lastNewLine < 0 ? kDeletedBefore : kDeletedAfter;
                at = lastNewLine < 0 ? 0 : lastNewLine;
                break;
        }
        if (line.newLine >= 0) {
            lastNewLine = line.newLine;
        }
        if (mark != kNone && at >= 0 && at < lineCount) {
            m_marks[static_cast<std::size_t>(at)] |= mark;
        }
    }
    for (const unsigned mark : m_marks) {
        m_count += mark != kNone ? 1 : 0;
    }
}

unsigned DiffMarks::At(int line) const {
    return line >= 0 && line < static_cast<int>(m_marks.size())
               ? m_marks[static_cast<std::size_t>(line)]
               : kNone;
}

int DiffMarks::Next(int line) const {
    const int count = static_cast<int>(m_marks.size());
    int k = line < 0 ? 0 : line + 1;
    while (k < count && k > 0 && Marked(k) && Marked(k - 1)) {
        ++k;  // the rest of the difference the search starts in
    }
    while (k < count && !Marked(k)) {
        ++k;
    }
    return k < count ? k : -1;
}

int DiffMarks::Previous(int line) const {
    const int count = static_cast<int>(m_marks.size());
    int k = (line > count ? count : line) - 1;
    while (k >= 0 && !Marked(k)) {
        --k;
    }
    if (k < 0) {
        return -1;
    }
    while (k > 0 && Marked(k - 1)) {
        --k;
    }
    return k;
}

}  // namespace rungpad
