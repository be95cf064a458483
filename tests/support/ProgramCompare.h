#pragma once

// Compares two ladder programs the way an editing user sees them: the header words, every line's
// cells and every line's note. Highlight marks (display state) and note slots past the line count
// (not part of the program) are left out.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/LadProgram.h"
#include "model/SelectionState.h"

namespace rungpad {

// Lets test failures show grid positions as (column, line).
inline void PrintTo(const GridPos& pos, std::ostream* os) {
    *os << "(" << pos.column << ", " << pos.line << ")";
}

}  // namespace rungpad

namespace rungpad::test {

inline ::testing::AssertionResult SameProgram(const LadProgram& expected,
                                              const LadProgram& actual) {
    if (expected.LineCount() != actual.LineCount()) {
        return ::testing::AssertionFailure()
               << "line count " << actual.LineCount() << ", expected " << expected.LineCount();
    }
    if (expected.end1Line != actual.end1Line || expected.stepCountWord != actual.stepCountWord ||
        expected.end1Step != actual.end1Step) {
        return ::testing::AssertionFailure() << "header words differ";
    }
    for (int i = 0; i < expected.LineCount(); ++i) {
        if (!(expected.Note(i) == actual.Note(i))) {
            return ::testing::AssertionFailure()
                   << "note of line " << i << " is '" << actual.Note(i).Str() << "', expected '"
                   << expected.Note(i).Str() << "'";
        }
        for (int c = 0; c < LadLine::kColumns; ++c) {
            LadCell a = expected.Cell(c, i);
            LadCell b = actual.Cell(c, i);
            a.highlight = 0;
            b.highlight = 0;
            if (!(a == b)) {
                return ::testing::AssertionFailure()
                       << "cell (" << c << ", " << i << ") is code 0x" << std::hex << b.code << " '"
                       << b.Text() << "' number " << std::dec << b.number << " link " << b.vlink
                       << ", expected code 0x" << std::hex << a.code << " '" << a.Text()
                       << "' number " << std::dec << a.number << " link " << a.vlink;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace rungpad::test
