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

// The parameter cells whose numbers the pre-check claims, by exact code.
constexpr std::array<std::uint16_t, 6> kNumberedParameters{0x1001, 0x1901, 0x4202,
                                                           0x4102, 0x2701, 0x2801};

struct PoolErrors {
    int outOfRange;
    int inUse;
};

PoolErrors ErrorsOf(std::uint16_t code) {
    switch (KindCode(code)) {
        case 0x1000:
            return {1013, 1014};
        case 0x1900:
        case 0x4200:
        case 0x4100:
            return {1013, 1019};
        case 0x3400:
            return {1013, 1015};
        case 0x1500:
            return {1013, 1040};
        default:
            return {1034, 1034};
    }
}

}  // namespace

CLadConvert::CLadConvert(LadProgram* program)
    : m_program(program),
      m_texts(static_cast<std::size_t>(kMaxTexts)),
      m_steps(static_cast<std::size_t>(kMaxSteps)),
      m_stepLines(static_cast<std::size_t>(kMaxSteps)) {}

// --- clamped access ---------------------------------------------------------------------------

int CLadConvert::LastLine() const {
    return m_program ? m_program->LineCount() - 1 : -1;
}

bool CLadConvert::IsLineInProgram(int line) const {
    return line >= 0 && line <= LastLine();
}

const LadLine& CLadConvert::GetLine(int index) const {
    if (LastLine() < 0) {
        return m_emptyLine;
    }
    return m_program->Line(std::clamp(index, 0, LastLine()));
}

const LadCell& CLadConvert::CellAt(int line, int column) const {
    if (column < 0 || column >= LadLine::kColumns) {
        return m_emptyCell;
    }
    return GetLine(line).Cell(column);
}

bool CLadConvert::HasLinkAt(int line, int column) const {
    return IsLineInProgram(line) && CellAt(line, column).HasLink();
}

std::uint16_t CLadConvert::FindFunction(int line, int& column) const {
    for (int c = 0; c < LadLine::kOutputColumn; ++c) {
        const FuncInstr* instr = FuncInstrTable::FindFunctionCode(CellAt(line, c).code);
        if (instr != nullptr) {
            column = c;
            return instr->code;
        }
    }
    return 0;
}

int CLadConvert::LastVerticalLink(int line, int from, int to) const {
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

bool CLadConvert::HasEmptyCell(int line, int from, int to) const {
    for (int c = std::max(from, 0); c <= std::min(to, LadLine::kOutputColumn); ++c) {
        if (CellAt(line, c).code == Element::kEmpty) {
            return true;
        }
    }
    return false;
}

bool CLadConvert::IsBlankLine(int line, int from, int to) const {
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

bool CLadConvert::TakesInput(std::uint16_t code) {
    return FuncInstrTable::TakesInput(code);
}

bool CLadConvert::DrivesOutput(std::uint16_t code) {
    return FuncInstrTable::DrivesOutput(code);
}

// --- driver -------------------------------------------------------------------------------------

int CLadConvert::Convert() {
    m_stepsComplete = false;
    m_stepCount = 0;
    if (!PreCheck()) {
        return kPreCheckFailed;
    }
    ClearTexts();
    int line = 0;
    bool failed = false;
    while (!failed && line <= LastLine() && m_errorCount == 0) {
        if (IsBlankLine(line, 0, 7)) {
            if (LastVerticalLink(line, 0, 7) != 0) {
                AddError(ConvertError::kConversion, 1030, line);
                failed = true;
            }
            ++line;
            continue;
        }
        int last = line;
        const int column = FindNetwork(line, last);
        if (column == -2) {
            failed = true;
        } else if (m_misplacedBox >= 0) {
            // A box must head its network; one further down cannot be translated.
            AddError(ConvertError::kConversion, 1017, m_misplacedBox);
            failed = true;
        } else if (column == -1) {
            failed = !TranslateCoilNetwork(line, last);
        } else if (CellAt(line, 0).code == Element::kCodt) {
            failed = !TranslateCodtLines(line, last);
        } else {
            failed = !TranslateFunctionNetwork(line, last, column);
        }
        line = last + 1;
    }
    if (m_errorCount == 0) {
        BuildSteps();
    }
    if (m_errorCount != 0) {
        return kConvertFailed;
    }
    m_program->stepCountWord = static_cast<std::int16_t>(m_stepCount - 1);
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
    AddError(ConvertError::kConversion, 1005, LastLine());
    return false;
}

bool CLadConvert::PreCheckLine(int line, std::vector<bool>& coils, bool& end1, bool& end2) {
    const LadCell& output = CellAt(line, LadLine::kOutputColumn);
    if (KindCode(CellAt(line, 0).code) == Element::kCodt || output.code == Element::kEmpty) {
        return true;
    }
    if (output.code == Element::kHLine) {
        // A box without output; END1, END2, LBL and SP stand in column 4.
        LadCell& header = m_program->Cell(4, line);
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
        LadCell& cell = m_program->Cell(c, line);
        if (std::find(kNumberedParameters.begin(), kNumberedParameters.end(), cell.code) !=
            kNumberedParameters.end()) {
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
        AddError(ConvertError::kConversion, 1006, line);
        return false;
    }
    if (coils[static_cast<std::size_t>(flag)]) {
        AddError(ConvertError::kConversion, 1027, line);
        return false;
    }
    coils[static_cast<std::size_t>(flag)] = true;
    return true;
}

std::span<std::uint8_t> CLadConvert::PoolOf(std::uint16_t code) {
    switch (KindCode(code)) {
        case 0x1000:
            return m_counters;
        case 0x1900:
        case 0x4200:
            return m_timers;
        case 0x4100:
            return m_tmrbTimers;
        case 0x3400:
            return m_labels;
        case 0x1500:
            return m_subprograms;
        case 0x2700:
        case 0x2800:
            return m_edges;
        default:
            return {};
    }
}

std::span<const std::uint8_t> CLadConvert::PoolOf(std::uint16_t code) const {
    return const_cast<CLadConvert*>(this)->PoolOf(code);
}

bool CLadConvert::CheckNumber(LadCell& cell, int number, int line, bool keep) {
    const std::span<std::uint8_t> pool = PoolOf(cell.code);
    if (pool.empty()) {
        return false;
    }
    const int kind = keep ? ConvertError::kConversion : ConvertError::kEntry;
    const PoolErrors errors = ErrorsOf(cell.code);
    if (number < 0 || number >= static_cast<int>(pool.size())) {
        AddError(kind, errors.outOfRange, line);
        return true;
    }
    if (!keep && cell.number == number) {
        return false;
    }
    if (pool[static_cast<std::size_t>(number)] != 0) {
        AddError(kind, errors.inUse, line);
        return true;
    }
    pool[static_cast<std::size_t>(number)] = 1;
    if (!keep) {
        ReleaseNumber(cell.code, cell.number);
    }
    cell.number = static_cast<std::int16_t>(number);
    return false;
}

void CLadConvert::ReleaseNumber(std::uint16_t code, int number) {
    const std::span<std::uint8_t> pool = PoolOf(code);
    if (number >= 0 && number < static_cast<int>(pool.size())) {
        pool[static_cast<std::size_t>(number)] = 0;
    }
}

bool CLadConvert::IsNumberInUse(std::uint16_t code, int number) const {
    const std::span<const std::uint8_t> pool = PoolOf(code);
    return number >= 0 && number < static_cast<int>(pool.size()) &&
           pool[static_cast<std::size_t>(number)] != 0;
}

void CLadConvert::ClearNumbers() {
    m_counters.fill(0);
    m_timers.fill(0);
    m_tmrbTimers.fill(0);
    m_labels.fill(0);
    m_subprograms.fill(0);
    m_edges.fill(0);
}

bool CLadConvert::CheckCoilAddress(std::string_view text, int line) {
    const int error = m_program ? PlcAddress::CheckCoilAddress(*m_program, text, line) : 0;
    if (error != 0) {
        AddError(ConvertError::kEntry, error, line);
    }
    return error == 0;
}

// --- network scan -------------------------------------------------------------------------------

int CLadConvert::FindNetwork(int start, int& last) {
    last = start;
    m_misplacedBox = -1;
    bool found = false;
    int column = 0;
    while (last <= LastLine()) {
        int c = 0;
        const std::uint16_t code = FindFunction(last, c);
        if (code != 0) {
            found = true;
            column = c;
            if (last != start) {
                // Only the first line may hold the box: close the network at this line.
                m_misplacedBox = last;
                break;
            }
            const LadCell& first = CellAt(start, 0);
            int width = 0;
            int height = 0;
            FuncInstrTable::BoxSize(code, width, height);
            if (first.code == Element::kCodt) {
                height = first.codtCount;
            }
            height = std::clamp(height, 1, kMaxNetworkLines + 1);  // a height of 0 still moves on
            last = start + height - 1;
            if (height == 1 && LastVerticalLink(last, 0, c) != 0) {
                ++last;
                continue;
            }
            break;
        }
        if (LastVerticalLink(last, 0, 7) == 0) {
            break;
        }
        ++last;
    }
    last = std::min(last, LastLine());
    if (last - start >= kMaxNetworkLines) {
        AddError(ConvertError::kConversion, 1026, last);
        return -2;
    }
    return found ? column : -1;
}

}  // namespace rungpad
