#pragma once

// Invariant checks shared by the fuzz targets: a violation aborts, so libFuzzer reports it with
// the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <set>

#include "model/LadProgram.h"

namespace rungpad::fuzz {

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

// Line count within its limits and every slot owning its own line.
inline void CheckLineTable(const LadProgram& program) {
    Require(program.LineCount() >= 0 && program.LineCount() <= LadProgram::kMaxLines,
            "line count within 0..1600");
    std::set<const LadLine*> seen;
    for (int i = 0; i < program.LineCount(); ++i) {
        Require(seen.insert(&program.Line(i)).second, "no line slot shared");
    }
}

// Every cell of a run of CODT lines carries the run's length; other lines carry 0.
inline void CheckCodtCounts(const LadProgram& program) {
    int i = 0;
    while (i < program.LineCount()) {
        int run = 0;
        while (i + run < program.LineCount() && Element::IsCodt(program.Cell(0, i + run).code)) {
            ++run;
        }
        const int lines = run > 0 ? run : 1;
        for (int l = i; l < i + lines; ++l) {
            for (const LadCell& cell : program.Line(l).cells) {
                Require(cell.codtCount == run, "CODT line counts consistent");
            }
        }
        i += lines;
    }
}

}  // namespace rungpad::fuzz
