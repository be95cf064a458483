#pragma once

#include "model/FuncInstrTable.h"
#include "model/LadCell.h"
#include "model/LadProgram.h"
#include "model/NumberRegistry.h"

namespace rungpad {

// The box parameters that claim an instruction number (the catalogue names them).
inline bool IsNumberParameter(std::uint16_t code) {
    return FuncInstrTable::IsNumberParameter(code);
}

// Whether a number parameter other than except holds number in the pool of code.
inline bool NumberHeldElsewhere(const LadProgram& program, std::uint16_t code, int number,
                                const LadCell* except) {
    const NumberPool pool = FuncInstrTable::PoolOf(code);
    for (int line = 0; line < program.LineCount(); ++line) {
        for (const LadCell& cell : program.Line(line).cells) {
            if (&cell != except && cell.number == number && IsNumberParameter(cell.code) &&
                FuncInstrTable::PoolOf(cell.code) == pool) {
                return true;
            }
        }
    }
    return false;
}

// Gives back the number a number parameter holds, unless another box of the program holds it
// too (lines copied and pasted): the registry then stays right for that one.
inline void ReleaseNumberOf(NumberRegistry& numbers, const LadProgram& program,
                            const LadCell& cell) {
    if (IsNumberParameter(cell.code) && cell.number >= 0 &&
        !NumberHeldElsewhere(program, cell.code, cell.number, &cell)) {
        numbers.Release(cell.code, cell.number);
    }
}

// Marks the number a cell holds as in use, when it is a number parameter with a number inside
// its pool; also when the number is in use already nothing is reported.
inline void ClaimNumberOf(NumberRegistry& numbers, const LadCell& cell) {
    if (IsNumberParameter(cell.code)) {
        numbers.Take(cell.code, cell.number);
    }
}

}  // namespace rungpad
