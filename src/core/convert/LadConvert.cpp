// The converter's driver: pre-check, number pools and the scan that cuts the program into
// networks.
#include "convert/LadConvert.h"

#include <algorithm>

#include "model/LadProgram.h"
#include "model/PlcAddress.h"

namespace rungpad {

namespace {

constexpr std::uint16_t KindCode(std::uint16_t code) {
    return code & 0xFF00;
}

struct PoolErrors {
    ErrorCode outOfRange;
    ErrorCode inUse;
};

PoolErrors ErrorsOf(NumberPool pool) {
    switch (pool) {
        case NumberPool::kCounter:
            return {ErrorCode::kIllegalNumber, ErrorCode::kCounterInUse};
        case NumberPool::kTimer:
        case NumberPool::kTmrbTimer:
            return {ErrorCode::kIllegalNumber, ErrorCode::kTimerInUse};
        case NumberPool::kLabel:
            return {ErrorCode::kIllegalNumber, ErrorCode::kJumpLabel};
        case NumberPool::kSubprogram:
            return {ErrorCode::kIllegalNumber, ErrorCode::kSubprogramMisuse};
        default:
            return {ErrorCode::kEdgeMisuse, ErrorCode::kEdgeMisuse};
    }
}

// The number parameters of boxes with an output, which the pre-check claims when it meets their
// coil; LBL and SP are claimed through their header in column 4.
bool IsClaimedWithOutput(std::uint16_t code) {
    return FuncInstrTable::IsNumberParameter(code) && FuncInstrTable::DrivesOutput(code);
}

}  // namespace

CLadConvert::CLadConvert(LadProgram* program) : m_grid(program) {}

// --- driver -------------------------------------------------------------------------------------

CLadConvert::Result CLadConvert::Convert() {
    m_stepList.Reset();
    if (!PreCheck()) {
        return kPreCheckFailed;
    }
    ClearTexts();
    int line = 0;
    bool failed = false;
    while (!failed && line <= LastLine() && m_errors.Empty()) {
        if (IsBlankLine(line, 0, 7)) {
            if (LastVerticalLink(line, 0, 7) != 0) {
                AddError(ConvertError::kConversion, ErrorCode::kBadVerticalLine, line);
                failed = true;
            }
            ++line;
            continue;
        }
        int last = line;
        const int column = FindNetwork(line, last);
        if (column == -2) {
            failed = true;
        } else if (m_translator.MisplacedBox() >= 0) {
            // A box must head its network; one further down cannot be translated.
            AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork,
                     m_translator.MisplacedBox());
            failed = true;
        } else if (column == -1) {
            failed = !m_translator.TranslateCoilNetwork(line, last);
        } else if (CellAt(line, 0).code == Element::kCodt) {
            failed = !m_translator.TranslateCodtLines(line, last);
        } else {
            failed = !m_translator.TranslateFunctionNetwork(line, last, column);
        }
        line = last + 1;
    }
    if (m_errors.Empty()) {
        BuildSteps();
    }
    if (!m_errors.Empty()) {
        return kConvertFailed;
    }
    Program()->stepCountWord = static_cast<std::int16_t>(m_stepList.StepCount() - 1);
    return kConvertSucceeded;
}

// --- pre-check and number pools -----------------------------------------------------------------

bool CLadConvert::PreCheck() {
    ClearNumbers();
    std::vector<bool> coils(PlcAddress::kCoilFlagCount, false);
    bool end1 = false;
    bool end2 = false;
    for (int line = 0; line <= LastLine(); ++line) {
        if (!PreCheckLine(line, coils, end1, end2)) {
            return false;
        }
    }
    if (end1 && end2) {
        return true;
    }
    AddError(ConvertError::kConversion, ErrorCode::kEndMisuse, LastLine());
    return false;
}

bool CLadConvert::PreCheckLine(int line, std::vector<bool>& coils, bool& end1, bool& end2) {
    const LadCell& output = CellAt(line, LadLine::kOutputColumn);
    if (KindCode(CellAt(line, 0).code) == Element::kCodt || output.code == Element::kEmpty) {
        return true;
    }
    if (output.code == Element::kHLine) {
        // A box without output; END1, END2, LBL and SP stand in column 4.
        LadCell& header = Program()->Cell(4, line);
        switch (KindCode(header.code)) {
            case 0x3400:
            case 0x1500:
                return !CheckNumber(header, CellAt(line, 5).number, line, true);
            case 0x7100:
                end1 = true;
                break;
            case 0x7200:
                end2 = true;
                break;
            default:
                break;
        }
        return true;
    }
    for (int c = 1; c <= LadLine::kOutputColumn; ++c) {
        LadCell& cell = Program()->Cell(c, line);
        if (IsClaimedWithOutput(cell.code)) {
            if (CheckNumber(cell, cell.number, line, true)) {
                return false;
            }
            break;
        }
    }
    return CheckCoilAtConversion(line, coils);
}

bool CLadConvert::CheckCoilAtConversion(int line, std::vector<bool>& coils) {
    const std::string_view text = CellAt(line, LadLine::kOutputColumn).Text();
    const int flag = PlcAddress::CoilFlagIndex(text);
    // Not a coil letter, an address outside its range, or a coil the controller reserves.
    if (flag < 0 || PlcAddress::IsReservedCoil(text)) {
        AddError(ConvertError::kConversion, ErrorCode::kIllegalOutput, line);
        return false;
    }
    if (coils[static_cast<std::size_t>(flag)]) {
        AddError(ConvertError::kConversion, ErrorCode::kOutputReused, line);
        return false;
    }
    coils[static_cast<std::size_t>(flag)] = true;
    return true;
}

bool CLadConvert::CheckNumber(LadCell& cell, int number, int line, bool keep) {
    const NumberPool pool = FuncInstrTable::PoolOf(cell.code);
    if (pool == NumberPool::kNone) {
        return false;
    }
    const int kind = keep ? ConvertError::kConversion : ConvertError::kEntry;
    const PoolErrors errors = ErrorsOf(pool);
    if (!m_numbers.InRange(cell.code, number)) {
        AddError(kind, errors.outOfRange, line);
        return true;
    }
    if (!keep && cell.number == number) {
        return false;
    }
    if (m_numbers.Take(cell.code, number) == NumberRegistry::Claim::kInUse) {
        AddError(kind, errors.inUse, line);
        return true;
    }
    if (!keep) {
        m_numbers.Release(cell.code, cell.number);
    }
    cell.number = static_cast<std::int16_t>(number);
    return false;
}

bool CLadConvert::CheckCoilAddress(std::string_view text, int line) {
    const ErrorCode error =
        Program() ? PlcAddress::CheckCoilAddress(*Program(), text, line) : ErrorCode::kNone;
    if (error != ErrorCode::kNone) {
        AddError(ConvertError::kEntry, error, line);
    }
    return error == ErrorCode::kNone;
}

}  // namespace rungpad
