#pragma once

#include <array>
#include <cstdint>

#include "convert/LadConvert.h"
#include "model/LadCell.h"
#include "model/LadProgram.h"

namespace rungpad {

// The box parameters that claim an instruction number in the converter's registries: CTR 1,
// TMR 1, TMRC 2, TMRB 2, LBL 1, SP 1, DIFU 1, DIFD 1.
inline constexpr std::array<std::uint16_t, 8> kNumberParameters = {0x1001, 0x1901, 0x4202, 0x4102,
                                                                   0x3401, 0x1501, 0x2701, 0x2801};

inline constexpr bool IsNumberParameter(std::uint16_t code) {
    for (const std::uint16_t p : kNumberParameters) {
        if (p == code) {
            return true;
        }
    }
    return false;
}

// How many numbers the registry of a number parameter holds: 128 counters and timers, 100
// labels and subprograms, 256 edges; 0 for any other code.
inline constexpr int NumberRegistrySize(std::uint16_t code) {
    switch (code) {
        case 0x1001:
        case 0x1901:
        case 0x4202:
        case 0x4102:
            return 128;
        case 0x3401:
        case 0x1501:
            return 100;
        case 0x2701:
        case 0x2801:
            return 256;
        default:
            return 0;
    }
}

// Whether two number parameters claim in the same registry (TMR and TMRC share one, DIFU and
// DIFD too).
inline constexpr bool SameRegistry(std::uint16_t a, std::uint16_t b) {
    const auto registry = [](std::uint16_t code) -> std::uint16_t {
        return code == 0x4202 ? 0x1901 : code == 0x2801 ? 0x2701 : code;
    };
    return registry(a) == registry(b);
}

// Whether a number parameter other than except holds number in the registry of code.
inline bool NumberHeldElsewhere(const LadProgram& program, std::uint16_t code, int number,
                                const LadCell* except) {
    for (int line = 0; line < program.LineCount(); ++line) {
        for (const LadCell& cell : program.Line(line).cells) {
            if (&cell != except && cell.number == number && IsNumberParameter(cell.code) &&
                SameRegistry(cell.code, code)) {
                return true;
            }
        }
    }
    return false;
}

// Gives back the number a number parameter holds, unless another box of the program holds it
// too (lines copied and pasted): the registry then stays right for that one.
inline void ReleaseNumberOf(CLadConvert& convert, const LadProgram& program, const LadCell& cell) {
    if (IsNumberParameter(cell.code) && cell.number >= 0 &&
        !NumberHeldElsewhere(program, cell.code, cell.number, &cell)) {
        convert.ReleaseNumber(cell.code, cell.number);
    }
}

// Marks the number a cell holds as in use, when it is a number parameter with a number inside
// its registry; adds no error, also when the number is in use already.
inline void ClaimNumberOf(CLadConvert& convert, const LadCell& cell, int line) {
    if (!IsNumberParameter(cell.code) || cell.number < 0 ||
        cell.number >= NumberRegistrySize(cell.code) ||
        convert.IsNumberInUse(cell.code, cell.number)) {
        return;
    }
    LadCell claim;
    claim.code = cell.code;
    convert.CheckNumber(claim, cell.number, line, true);
}

}  // namespace rungpad
