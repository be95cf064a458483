#include "convert/LadderGrid.h"

#include "model/FuncInstrTable.h"

namespace rungpad {

std::uint16_t LadderGrid::FindFunction(int line, int& column) const {
    for (int c = 0; c < LadLine::kOutputColumn; ++c) {
        const FuncInstr* instr = FuncInstrTable::FindFunctionCode(CellAt(line, c).code);
        if (instr != nullptr) {
            column = c;
            return instr->code;
        }
    }
    return 0;
}

int LadderGrid::LastVerticalLink(int line, int from, int to) const {
    if (!IsLineInProgram(line)) {
        return 0;
    }
    for (int c = std::min(to, LadLine::kColumns) - 1; c >= std::max(from, 0); --c) {
        if (CellAt(line, c).HasLink()) {
            return c + 1;
        }
    }
    return 0;
}

bool LadderGrid::HasEmptyCell(int line, int from, int to) const {
    for (int c = std::max(from, 0); c <= std::min(to, LadLine::kOutputColumn); ++c) {
        if (CellAt(line, c).code == Element::kEmpty) {
            return true;
        }
    }
    return false;
}

bool LadderGrid::IsBlankLine(int line, int from, int to) const {
    if (!IsLineInProgram(line)) {
        return true;
    }
    for (int c = std::max(from, 0); c <= std::min(to, LadLine::kOutputColumn); ++c) {
        const std::uint16_t code = CellAt(line, c).code;
        if (code != Element::kEmpty && code != Element::kHLine) {
            return false;
        }
    }
    return true;
}

}  // namespace rungpad
