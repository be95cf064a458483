// Translation of networks that hold a function box, and of the CODT lines of COD tables.
#include <algorithm>
#include <string>

#include "convert/NetworkTranslator.h"
#include "convert/OperandCheck.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

constexpr int kNameWidth = 9;
constexpr int kLastLogicColumn = 6;

void PadTo(std::string& text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
}

}  // namespace

bool NetworkTranslator::TranslateFunctionNetwork(int first, int last, int column) {
    const std::uint16_t code = CellAt(first, column).code;
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(code);
    if (instr == nullptr) {
        AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, first);
        return false;
    }
    if (code == 0x7100 && m_grid.Program() != nullptr) {
        m_grid.Program()->end1Line = static_cast<std::int16_t>(first + 1);
    }
    if (!CheckFunctionOutput(first, *instr)) {
        return false;
    }
    if (instr->takesInput && !EmitFunctionInputs(first, last, column, *instr)) {
        return false;
    }
    if (!EmitBoxText(first, column, *instr) || !CheckFunctionConnection(first, column, *instr)) {
        return false;
    }
    return !instr->drivesOutput || EmitOutputs(first, last, true);
}

bool NetworkTranslator::CheckFunctionOutput(int first, const FuncInstr& instr) {
    const std::uint16_t output = CellAt(first, LadLine::kOutputColumn).code;
    const bool correct = instr.drivesOutput ? Element::IsCoil(output) : output == Element::kHLine;
    if (!correct) {
        AddError(ConvertError::kConversion, ErrorCode::kFunctionOutput, first);
    }
    return correct;
}

bool NetworkTranslator::EmitFunctionInputs(int first, int last, int column,
                                           const FuncInstr& instr) {
    const std::uint16_t code = CellAt(first, column).code;
    if (instr.inputRows == 1 && first != last && LastVerticalLink(first, 0, column) != 0) {
        return ReduceBlock(first, last, 0, column);
    }
    // One series per input row, top row first; rows missing from the program are not read.
    const int lastRow = std::min(first + instr.inputRows - 1, LastLine());
    for (int i = first; i <= lastRow; ++i) {
        if (!EmitSeries(i, 0, column - 1, code)) {
            return false;
        }
    }
    return true;
}

bool NetworkTranslator::EmitBoxText(int first, int column, const FuncInstr& instr) {
    std::string text(CellAt(first, column).Text());
    for (int p = 1; p < instr.width; ++p) {
        const std::string_view parameter = CellAt(first, column + p).Text();
        if (parameter.empty()) {
            AddError(ConvertError::kConversion,
                     p == 1 ? ErrorCode::kMissingFunctionName : ErrorCode::kMissingParameter,
                     first);
            return false;
        }
        PadTo(text, kNameWidth);
        text.push_back(' ');
        text.append(parameter);
    }
    return CheckBoxParameters(first, column, instr) && AddText(text, first);
}

bool NetworkTranslator::CheckBoxParameters(int first, int column, const FuncInstr& instr) {
    for (int p = 1; p < instr.width; ++p) {
        // Judged as the box's own parameter p, whatever code a damaged file gave the cell.
        const auto code = static_cast<std::uint16_t>(instr.code + p);
        const std::string_view text = CellAt(first, column + p).Text();
        const ErrorCode error =
            OperandCheck::ParameterError(code, column + p, text, m_grid.GetLine(first));
        if (error != ErrorCode::kNone) {
            AddError(ConvertError::kConversion, error, first);
            return false;
        }
    }
    return true;
}

bool NetworkTranslator::CheckFunctionConnection(int first, int column, const FuncInstr& instr) {
    const int right = column + instr.width;
    for (int i = first; i < first + instr.inputRows && i <= LastLine(); ++i) {
        for (int c = right; c <= kLastLogicColumn; ++c) {
            const std::uint16_t code = CellAt(i, c).code;
            const bool correct = i == first ? code == Element::kHLine : code == Element::kEmpty;
            if (!correct) {
                AddError(ConvertError::kConversion, ErrorCode::kFunctionConnection, i);
                return false;
            }
        }
    }
    return true;
}

bool NetworkTranslator::TranslateCodtLines(int first, int last) {
    int n = 0;
    std::string text;
    for (int i = first; i <= last; ++i) {
        for (int j = 0; j < LadLine::kColumns; ++j) {
            if (n % 4 == 0) {
                // A line's second group is added when the next line's first entry is read.
                if (n > 0 && !AddText(text, i)) {
                    return false;
                }
                text = "CODT";
            }
            PadTo(text, kNameWidth);
            text.push_back(' ');
            text.append(CellAt(i, j).Text());
            ++n;
        }
    }
    return AddText(text, last);
}

}  // namespace rungpad
