#pragma once

// The benchmarks' maximum-size program: 1600 lines of contact networks, timers, additions, COD
// tables and word moves, END1 after the first block and END2 on the last line.

#include <cstdio>
#include <string>
#include <vector>

#include "model/LadProgram.h"

namespace rungpad::bench {

inline std::string Bit(char letter, int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%03d.%d", letter, (n / 8) % 512, n % 8);
    return text;
}

inline std::string Num(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", n);
    return text;
}

// One block of networks: contacts with parallel branches, a timer, an addition, a COD table with
// its CODT line and a word move. Every coil and box number is new.
inline void AppendBlock(std::vector<std::string>& grid, int b, int& coil) {
    auto out = [&coil] { return "(" + Bit('R', coil++) + ")"; };
    grid.push_back("X000.0| /X000.1 - - - - - " + out());
    grid.push_back(Bit('R', coil - 1));
    grid.push_back("X000.2 X000.3| - - - - - " + out());
    grid.push_back("X000.4 /X000.5");
    grid.push_back("X000.0| X000.1 X000.4| X000.5 - - - " + out());
    grid.push_back(". X000.2 X000.3");
    grid.push_back("X001.0 - - [TMR:" + Num(b) + "] - - " + out());
    grid.push_back(". . . # #");
    grid.push_back("X001.1 [ADD:0002:R100:0010:R102] - " + out());
    grid.push_back("X001.2 # # # # #");
    grid.push_back("X001.3 [COD:1:4:R010:R012] - " + out());
    grid.push_back("X001.4 # # # # #");
    grid.push_back("CODT 00001 00002 00003 00004");
    grid.push_back("X001.5 [MOVW:R012:D020] - - - " + out());
    grid.push_back(". # # #");
}

inline std::vector<std::string> MaximumProgram() {
    std::vector<std::string> grid;
    int coil = 0;
    int block = 0;
    AppendBlock(grid, block++, coil);
    grid.push_back("- - - - [END1] - - -");
    while (grid.size() + 15 < LadProgram::kMaxLines - 1) {
        AppendBlock(grid, block++, coil);
    }
    while (grid.size() < LadProgram::kMaxLines - 1) {
        grid.push_back("X002.0 X002.1 - - - - - (" + Bit('Y', coil++ % 384) + ")");
    }
    grid.push_back("- - - - [END2] - - -");
    return grid;
}

}  // namespace rungpad::bench
