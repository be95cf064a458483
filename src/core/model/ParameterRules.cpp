#include "model/ParameterRules.h"

#include <cctype>

#include "model/CellValue.h"
#include "model/FuncInstrTable.h"
#include "model/PlcAddress.h"

namespace rungpad {

namespace {

enum class LetterClass { kNone, kOutput, kInput, kData };

LetterClass ClassOf(char c) {
    switch (c) {
        case 'R':
        case 'Y':
        case 'G':
        case 'K':
        case 'A':
            return LetterClass::kOutput;
        case 'X':
        case 'F':
            return LetterClass::kInput;
        case 'C':
        case 'D':
        case 'T':
            return LetterClass::kData;
        default:
            return LetterClass::kNone;
    }
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// How a parameter is checked (see RuleOf).
enum class RuleKind {
    kAddress,          // the letter decides the range
    kExplicit,         // a fixed range of plain numbers
    kFormat,           // 1, 2, 1001 or 1002; switches a dependent parameter
    kFromFormat,       // constant or address, as the format parameter says
    kCodCapacity,      // table entries 1 to 80; asks for table lines
    kShiftFormat,      // SFT 2
    kNumberOrAddress,  // a number when it starts with a digit, else an address
    kBitOutput,        // RST, SET: an output bit address
    kOutputOrData,     // a writable byte or data address
    kDataRegister,     // D and a digit
};

struct Rule {
    RuleKind kind = RuleKind::kAddress;
    int lo = 0;
    int hi = 0;
    int limit = 4;
    int offset = 0;  // the related parameter's column, relative to this one
};

Rule Explicit(int lo, int hi, int limit = 4) {
    return {RuleKind::kExplicit, lo, hi, limit, 0};
}
Rule Related(RuleKind kind, int offset) {
    return {kind, 0, 0, 4, offset};
}
Rule Of(RuleKind kind, int hi = 0) {
    return {kind, 0, hi, 4, 0};
}

Rule RuleOf(std::uint16_t code) {
    if (Element::IsCodt(code)) {
        return Explicit(0, 65535, 5);
    }
    // A box's number: any number of its pool.
    if (FuncInstrTable::IsNumberParameter(code)) {
        return Explicit(0, FuncInstrTable::PoolSize(FuncInstrTable::PoolOf(code)) - 1);
    }
    switch (code) {
        case 0x4101:  // TMRB 1
        case 0x4201:  // TMRC 1
            return Explicit(0, 5);
        case 0x4103:  // TMRB 3
            return Explicit(0, 65535);
        case 0x1401:  // CALL 1
        case 0x4301:  // CALLU 1
            return Explicit(0, FuncInstrTable::PoolSize(NumberPool::kSubprogram) - 1);
        case 0x3301:  // JMPB 1
            return Explicit(0, FuncInstrTable::PoolSize(NumberPool::kLabel) - 1);
        case 0x1301:  // MOVN 1
            return Explicit(1, 256);
        case 0x1701:  // DSCH 1
        case 0x2201:  // XMOV 1
        case 0x2501:  // DEC 1
        case 0x2601:  // COD 1
        case 0x3201:  // NOT 1
            return Explicit(1, 2);
        case 0x2001:  // ADD 1
        case 0x2101:  // SUB 1
        case 0x2901:  // EOR 1
        case 0x3001:  // ANDF 1
        case 0x3101:  // ORF 1
            return Related(RuleKind::kFormat, 2);
        case 0x1201:  // COMP 1
        case 0x1801:  // COIN 1
            return Related(RuleKind::kFormat, 1);
        case 0x1202:  // COMP 2
        case 0x1802:  // COIN 2
            return Related(RuleKind::kFromFormat, -1);
        case 0x2003:  // ADD 3
        case 0x2103:  // SUB 3
        case 0x2903:  // EOR 3
        case 0x3003:  // ANDF 3
        case 0x3103:  // ORF 3
            return Related(RuleKind::kFromFormat, -2);
        case 0x2602:  // COD 2
            return Of(RuleKind::kCodCapacity);
        case 0x2503:  // DEC 3
            return Explicit(0, 65528);
        case 0x4601:  // AXCTL 1
            return Explicit(5, 5);
        case 0x3702:  // SFT 2
            return Of(RuleKind::kShiftFormat);
        case 0x1302:  // MOVN 2
        case 0x4501:  // MOVW 1
            return Of(RuleKind::kNumberOrAddress, 65535);
        case 0x4401:  // MOVB 1
            return Of(RuleKind::kNumberOrAddress, 255);
        case 0x3501:  // RST 1
        case 0x3601:  // SET 1
            return Of(RuleKind::kBitOutput);
        case 0x1104:  // ROT 4
        case 0x1303:  // MOVN 3
        case 0x2004:  // ADD 4
        case 0x2104:  // SUB 4
        case 0x2504:  // DEC 4
        case 0x2604:  // COD 4
        case 0x2904:  // EOR 4
        case 0x3004:  // ANDF 4
        case 0x3104:  // ORF 4
        case 0x3203:  // NOT 3
        case 0x3701:  // SFT 1
        case 0x4402:  // MOVB 2
        case 0x4502:  // MOVW 2
            return Of(RuleKind::kOutputOrData);
        case 0x1101:  // ROT 1 to 3
        case 0x1102:
        case 0x1103:
        case 0x1702:  // DSCH 2 to 5
        case 0x1703:
        case 0x1704:
        case 0x1705:
        case 0x2202:  // XMOV 2 to 5
        case 0x2203:
        case 0x2204:
        case 0x2205:
        case 0x4602:  // AXCTL 2
            return Of(RuleKind::kDataRegister);
        default:
            return Of(RuleKind::kAddress);
    }
}

// The state of one check while the rule and the letter narrow it down.
struct Check {
    std::string text;
    int lo = 0;
    int hi = 0;
    bool explicitRange = false;
    int limit = 4;
    bool dotAllowed = false;
    bool outputCheck = false;
    int dependentColumn = -1;
    bool codCapacity = false;

    void SetRange(int low, int high) {
        lo = low;
        hi = high;
        explicitRange = true;
    }
};

// The value the text of the cell at column of line shows; -1 outside the line or for a text
// that is no number (the number field is not kept by the file for a format such as 1001).
int ValueAt(const LadLine& line, int column) {
    if (column < 0 || column >= LadLine::kColumns) {
        return -1;
    }
    return CellValue::Of(line.Cell(column)).value_or(-1);
}

// Applies the parameter's own rule; returns a refusal, or 0 to go on.
int ApplyRule(const Rule& rule, int column, int lead, const LadLine& line, Check& check) {
    const char letter = check.text[0];
    const LetterClass cls = ClassOf(letter);
    switch (rule.kind) {
        case RuleKind::kAddress:
            return 0;
        case RuleKind::kExplicit:
            check.SetRange(rule.lo, rule.hi);
            check.limit = rule.limit;
            return 0;
        case RuleKind::kFormat:
            if (lead > 2 && lead < 1001) {
                return ParameterVerdict::kMalformed;
            }
            check.SetRange(1, 1002);
            check.dependentColumn = column + rule.offset;
            return 0;
        case RuleKind::kFromFormat: {
            const int format = ValueAt(line, column + rule.offset);
            if (format < 1) {
                return ParameterVerdict::kMalformed;
            }
            if (format < 1000) {
                check.SetRange(0, 65535);
            }
            return 0;
        }
        case RuleKind::kCodCapacity:
            check.SetRange(1, 80);
            check.codCapacity = true;
            return 0;
        case RuleKind::kShiftFormat:
            if (cls != LetterClass::kNone || (lead > 8 && lead < 1000)) {
                return ParameterVerdict::kNotAllowed;
            }
            check.SetRange(0, 1008);
            return 0;
        case RuleKind::kNumberOrAddress:
            if (IsDigit(letter)) {
                check.SetRange(0, rule.hi);
            }
            return 0;
        case RuleKind::kBitOutput:
            if (cls != LetterClass::kOutput || PlcAddress::ParseBitAddress(check.text) < 0) {
                return ParameterVerdict::kMalformed;
            }
            check.dotAllowed = true;
            check.limit = 6;
            check.outputCheck = true;
            return 0;
        case RuleKind::kOutputOrData:
            if (cls != LetterClass::kOutput && cls != LetterClass::kData) {
                return ParameterVerdict::kMalformed;
            }
            check.outputCheck = true;
            return 0;
        case RuleKind::kDataRegister:
            if (letter != 'D' || check.text.size() < 2 || !IsDigit(check.text[1])) {
                return ParameterVerdict::kMalformed;
            }
            return 0;
    }
    return 0;
}

bool IsCounterOrTimerMark(char c) {
    return c == 'C' || c == 'T';
}

// The letter rule: the range by the address letter; the letters are read as '0'. Returns a
// refusal, or 0 with digits holding the text to read the number from.
int ApplyLetter(Check& check, std::string& digits) {
    const char letter = check.text[0];
    const bool secondMark = check.text.size() > 1 && IsCounterOrTimerMark(check.text[1]);
    switch (letter) {
        case 'A':
            check.hi = 31;
            break;
        case 'C':
        case 'T':
            check.hi = 127;
            break;
        case 'D':
            check.hi = secondMark ? 127 : 255;
            check.limit = secondMark ? 5 : check.limit;
            break;
        case 'F':
        case 'G':
        case 'K':
        case 'X':
            check.hi = 63;
            break;
        case 'R':
            check.hi = 511;
            break;
        case 'Y':
            check.hi = 47;
            break;
        default:
            return ParameterVerdict::kNotAllowed;
    }
    if (secondMark && letter != 'D') {
        return ParameterVerdict::kMalformed;
    }
    digits[0] = '0';
    if (secondMark) {
        digits[1] = '0';
    }
    return 0;
}

// Reads the digits before any '.'; returns a refusal for a character that is neither a digit
// nor an allowed '.', or 0 with value set.
int ReadValue(std::string_view digits, bool dotAllowed, int& value) {
    constexpr int kCeiling = 100000000;  // beyond every range; keeps the sum from overflowing
    value = 0;
    bool afterDot = false;
    for (const char c : digits) {
        if (c == '.') {
            if (!dotAllowed) {
                return ParameterVerdict::kMalformed;
            }
            afterDot = true;
        } else if (!IsDigit(c)) {
            return ParameterVerdict::kNotAllowed;
        } else if (!afterDot && value < kCeiling) {
            value = value * 10 + (c - '0');
        }
    }
    return 0;
}

bool FailsOutputCheck(std::string_view text, int value) {
    const bool dataMark = text.size() > 1 && text[0] == 'D' && IsCounterOrTimerMark(text[1]);
    return (text[0] == 'R' && value >= 510) || (text[0] == 'G' && value >= 63) || dataMark;
}

// Zeros before the first digit (at the end when there is none) up to the length limit.
void PadToLimit(std::string& text, int limit) {
    std::size_t at = 0;
    while (at < text.size() && !IsDigit(text[at])) {
        ++at;
    }
    while (static_cast<int>(text.size()) < limit) {
        text.insert(at, 1, '0');
    }
}

}  // namespace

ParameterVerdict ParameterRules::Validate(std::uint16_t code, int column, std::string_view text,
                                          const LadLine& line) {
    ParameterVerdict verdict;
    if (text.empty()) {
        return verdict;
    }
    Check check;
    check.text = std::string(text);
    const int lead = IsDigit(text[0]) ? PlcAddress::LeadingNumber(text, 6) : 65536;
    if (const int refusal = ApplyRule(RuleOf(code), column, lead, line, check)) {
        verdict.value = refusal;
        return verdict;
    }
    std::string digits = check.text;
    if (!check.explicitRange) {
        if (const int refusal = ApplyLetter(check, digits)) {
            verdict.value = refusal;
            return verdict;
        }
    }
    int value = 0;
    if (const int refusal = ReadValue(digits, check.dotAllowed, value)) {
        verdict.value = refusal;
        return verdict;
    }
    if (value < check.lo || value > check.hi ||
        (check.outputCheck && FailsOutputCheck(check.text, value))) {
        verdict.value = ParameterVerdict::kNotAllowed;
        return verdict;
    }
    if (check.dependentColumn >= 0 && check.dependentColumn < LadLine::kColumns) {
        // A format switching between constant and address makes the dependent entry meaningless.
        const int previous = CellValue::Of(line.Cell(column)).value_or(0);
        if ((value < 1000) != (previous < 1000)) {
            verdict.clearColumn = check.dependentColumn;
        }
    }
    if (check.codCapacity) {
        verdict.codTableLines = (value + 7) / 8;
    }
    if (static_cast<int>(check.text.size()) > check.limit) {
        verdict.value = ParameterVerdict::kNotAllowed;
        verdict.clearColumn = -1;
        verdict.codTableLines = 0;
        return verdict;
    }
    PadToLimit(check.text, check.limit);
    verdict.value = value;
    verdict.text = std::move(check.text);
    return verdict;
}

}  // namespace rungpad
