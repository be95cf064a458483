// The step list and data table of the binary image, built from the instruction texts.
#include <algorithm>
#include <string>

#include "convert/LadConvert.h"
#include "convert/StepOpcode.h"
#include "model/LadProgram.h"
#include "model/PlcAddress.h"

namespace rungpad {

namespace {

namespace Op = StepOpcode;

constexpr int kMaxReferences = 100;
constexpr int kMaxCallees = 18;
constexpr int kEnd1StepLimit = 500;
constexpr int kMaxSft = 127;
constexpr int kComKind = 51;
constexpr int kJumpKind = 76;
constexpr int kCallKind = 50;

int OpcodeOf(std::string_view mnemonic) {
    for (int op = 0; op < Op::kStop; ++op) {
        if (Op::kNames[static_cast<std::size_t>(op)] == mnemonic) {
            return op;
        }
    }
    return 0;
}

int ValueOf(std::string_view text) {
    return PlcAddress::LeadingNumber(text);
}

int DigitAt(std::string_view text, std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0;
}

// The length code of a format parameter: its 4th digit, 3 read as 4.
int LengthCode(std::string_view format) {
    const int digit = DigitAt(format, 3);
    return digit == 3 ? 4 : digit;
}

bool IsAddress(std::string_view param) {
    return !param.empty() && param[0] >= 'A' && param[0] <= 'Y';
}

// Instructions that close their network with a network-end record.
bool EndsNetwork(int opcode) {
    switch (opcode) {
        case Op::kSet:
        case Op::kRst:
        case Op::kEnd1:
        case Op::kEnd2:
        case Op::kCom:
        case Op::kCome:
        case Op::kDec:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
        case Op::kNot:
        case Op::kJmpb:
        case Op::kLbl:
        case Op::kCall:
        case Op::kCallu:
        case Op::kSp:
        case Op::kSpe:
            return true;
        default:
            return false;
    }
}

// Boxes that take no input condition begin a network without reading a contact.
bool BeginsWithoutContact(int opcode) {
    switch (opcode) {
        case Op::kEnd1:
        case Op::kEnd2:
        case Op::kSp:
        case Op::kSpe:
        case Op::kLbl:
        case Op::kCome:
        case Op::kCallu:
            return true;
        default:
            return false;
    }
}

}  // namespace

// --- records ------------------------------------------------------------------------------------

bool CLadConvert::AppendStep(int opcode, int kind, int a, int b) {
    if (m_stepCount >= kMaxSteps) {
        AddError(ConvertError::kConversion, 1004, m_errorLine);
        return false;
    }
    StepRecord& record = m_steps[static_cast<std::size_t>(m_stepCount)];
    record.opcode = static_cast<std::uint8_t>(opcode);
    record.kind = static_cast<std::uint8_t>(kind);
    record.index = static_cast<std::uint16_t>(m_stepCount);
    record.a = static_cast<std::uint16_t>(a);
    record.b = static_cast<std::uint16_t>(b);
    m_stepLines[static_cast<std::size_t>(m_stepCount)] = m_errorLine;
    ++m_stepCount;
    return true;
}

bool CLadConvert::AppendBitStep(int opcode, int kind, std::string_view operand) {
    const EncodedAddress address = PlcAddress::EncodeAddress(operand);
    return AppendStep(opcode, kind, address.operand, address.type | (address.mask << 8));
}

// One record for a parameter that is an address (kind 2) or a constant (kind 1).
bool CLadConvert::AppendSourceStep(int opcode, std::string_view param, std::uint16_t b) {
    if (IsAddress(param)) {
        return AppendStep(opcode, 2, PlcAddress::EncodeAddress(param).operand, b);
    }
    return AppendStep(opcode, 1, ValueOf(param), b);
}

bool CLadConvert::CloseNetwork() {
    m_builder.pendingOutput = false;
    if (!AppendStep(Op::kNetworkEnd, 0, 0, 0)) {
        return false;
    }
    m_builder.networkStart = m_stepCount;
    return true;
}

// --- driver -------------------------------------------------------------------------------------

bool CLadConvert::BuildSteps() {
    m_builder = StepBuilder{};
    m_data = DataTable{};
    m_stepCount = 0;
    m_stepsComplete = false;
    m_errorLine = 0;
    for (int i = 0; i < m_textCount; ++i) {
        if (!BuildStepsOf(i)) {
            return false;
        }
    }
    if (!AppendStep(Op::kTrailer, Op::kTrailer, 0, 0)) {
        return false;
    }
    m_steps[static_cast<std::size_t>(m_stepCount - 1)].index =
        static_cast<std::uint16_t>(m_data.wordCount);
    if (!ResolveTargets()) {
        return false;
    }
    m_stepsComplete = true;
    return true;
}

bool CLadConvert::BuildStepsOf(int text) {
    const std::string_view entry = TextAt(text);
    if (entry.empty()) {
        return true;
    }
    // Runs of spaces become one, letters upper case; the last word is the 1-based line.
    std::array<char, 64> buffer;  // an entry holds at most 62 characters
    std::size_t length = 0;
    for (char c : entry) {
        if ((c == ' ' && (length == 0 || buffer[length - 1] == ' ')) || length >= buffer.size()) {
            continue;
        }
        buffer[length++] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (length > 0 && buffer[length - 1] == ' ') {
        --length;
    }
    const std::string_view normal(buffer.data(), length);
    const std::size_t lastSpace = normal.rfind(' ');
    const std::string_view words = normal;
    m_errorLine =
        lastSpace == std::string_view::npos ? -1 : ValueOf(words.substr(lastSpace + 1)) - 1;

    Tokens tokens;
    std::size_t at = 0;
    const std::size_t end = lastSpace == std::string_view::npos ? normal.size() : lastSpace;
    while (at < end && tokens.count < static_cast<int>(tokens.items.size())) {
        const std::size_t space = std::min(normal.find(' ', at), end);
        tokens.items[static_cast<std::size_t>(tokens.count++)] = words.substr(at, space - at);
        at = space + 1;
    }
    const int opcode = OpcodeOf(tokens[0]);

    const int errorsBefore = m_errorCount;
    if (m_builder.comOpen && opcode >= Op::kSet) {
        AddError(ConvertError::kConversion, 1003, m_errorLine);
    } else if (m_builder.afterEnd2 && opcode != Op::kSp) {
        AddError(ConvertError::kConversion, 1039, m_errorLine);
    } else {
        BuildRecords(opcode, tokens);
    }
    if (m_errorCount != errorsBefore) {
        m_errors[static_cast<std::size_t>(m_errorCount - 1)].line = m_errorLine;
        return false;
    }
    return m_errorCount == 0;
}

bool CLadConvert::BuildRecords(int opcode, const Tokens& tokens) {
    const bool opensWithContact = opcode == Op::kRd || opcode == Op::kRdNot;
    if ((opensWithContact || BeginsWithoutContact(opcode)) && m_builder.pendingOutput &&
        !CloseNetwork()) {
        return false;
    }
    bool built = true;
    switch (opcode) {
        case Op::kRd:
        case Op::kRdNot:
        case Op::kAnd:
        case Op::kAndNot:
        case Op::kOr:
        case Op::kOrNot:
        case Op::kRdStk:
        case Op::kRdNotStk:
        case Op::kSet:
        case Op::kRst:
            built = AppendBitStep(opcode, 2, tokens[1]);
            break;
        case Op::kWrt:
        case Op::kWrtNot:
            built = AppendBitStep(opcode, 2, tokens[1]);
            m_builder.pendingOutput = true;
            break;
        case Op::kAndStk:
        case Op::kOrStk:
            built = AppendStep(opcode, 0, 0, 0);
            break;
        case Op::kCodt:
            return AddTableEntries(tokens);
        case Op::kCall:
        case Op::kCallu:
            built = BuildCallRecords(opcode, tokens);
            break;
        case Op::kSp:
        case Op::kSpe:
            built = BuildSubprogramRecords(opcode, tokens);
            break;
        case 0:
        case 11:
        case 12:
        case 13:
        case 15:
        case Op::kNetworkEnd:
            return true;  // no record
        default:
            built = BuildFunctionRecords(opcode, tokens);
            break;
    }
    if (!built || m_errorCount != 0) {
        return false;
    }
    if (!EndsNetwork(opcode)) {
        return true;
    }
    if (!CloseNetwork()) {
        return false;
    }
    if (opcode == Op::kEnd1) {
        if (m_stepCount >= kEnd1StepLimit) {
            AddError(ConvertError::kConversion, 1032, m_errorLine);
            return false;
        }
        m_builder.end1Mark = m_stepCount - 1;
        if (m_program != nullptr) {
            m_program->end1Step = static_cast<std::int16_t>(m_stepCount - 1);
        }
    } else if (opcode == Op::kEnd2) {
        m_builder.end2Mark = m_stepCount - 1;
        m_builder.afterEnd2 = true;
    }
    return true;
}

bool CLadConvert::BuildFunctionRecords(int opcode, const Tokens& t) {
    auto bit = [this, opcode](int kind, std::string_view param) {
        return AppendBitStep(opcode, kind, param);
    };
    // Kind 1 + the format's first digit: a constant (kind 1) or an address with its type.
    auto formatted = [this, opcode, &t](std::string_view param) {
        const int kind = 1 + DigitAt(t[1], 0);
        return kind == 1 ? AppendStep(opcode, 1, ValueOf(param), 0)
                         : AppendBitStep(opcode, kind, param);
    };
    switch (opcode) {
        case Op::kEnd1:
        case Op::kEnd2:
            return AppendStep(opcode, 0, 0, 0);
        case Op::kCom:
            m_builder.comOpen = true;
            return AppendStep(opcode, kComKind, 0, 0);
        case Op::kCome:
            if (!m_builder.comOpen) {
                AddError(ConvertError::kConversion, 1003, m_errorLine);
                return false;
            }
            m_builder.comOpen = false;
            return AppendStep(opcode, kComKind, 0, 0);
        case Op::kTmr:
            return AppendStep(opcode, 5, ValueOf(t[1]), 0);
        case Op::kTmrc:  // TMRC shares TMR's opcode
            return AppendStep(Op::kTmr, ValueOf(t[1]), ValueOf(t[2]), 0);
        case Op::kTmrb:
            return AppendStep(opcode, ValueOf(t[1]), ValueOf(t[2]), ValueOf(t[3]));
        case Op::kCtr:
            return AppendStep(opcode, 0, ValueOf(t[1]), 0);
        case Op::kDifu:
        case Op::kDifd: {
            const int edge = ValueOf(t[1]);
            if (edge > 255 || m_builder.edges[static_cast<std::size_t>(edge)]) {
                AddError(ConvertError::kConversion, 1034, m_errorLine);
                return false;
            }
            m_builder.edges[static_cast<std::size_t>(edge)] = true;
            return AppendStep(opcode, 0, edge, m_builder.networkStart);
        }
        case Op::kComp:
        case Op::kCoin:
            return bit(LengthCode(t[1]), t[3]) && formatted(t[2]);
        case Op::kMovn:
            return AppendSourceStep(opcode, t[2], 0) &&
                   AppendStep(opcode, 0, PlcAddress::EncodeAddress(t[3]).operand, ValueOf(t[1])) &&
                   CheckMoveDestination(opcode, t);
        case Op::kMovb:
        case Op::kMovw:
            return AppendSourceStep(opcode, t[1], PlcAddress::EncodeAddress(t[2]).operand) &&
                   CheckMoveDestination(opcode, t);
        case Op::kDec:
            return bit(0, t[4]) && bit(ValueOf(t[1]), t[2]) &&
                   AppendStep(opcode, 0, ValueOf(t[3]), 0);
        case Op::kCod: {
            const int size = ValueOf(t[2]);
            const int width = ValueOf(t[1]) == 2 ? 2 : 1;
            if (!bit(size, t[4]) ||
                !AppendStep(opcode, ValueOf(t[1]), PlcAddress::EncodeAddress(t[3]).operand,
                            m_builder.nextTableAddress)) {
                return false;
            }
            m_builder.nextTableAddress += width * size;
            m_builder.codtExpected = size;
            m_builder.codtWidth = width;
            return true;
        }
        case Op::kRot:
            return bit(0, t[2]) && bit(0, t[3]) &&
                   (IsAddress(t[1]) ? bit(2, t[1]) : AppendStep(opcode, 1, ValueOf(t[1]), 0)) &&
                   bit(0, t[4]);
        case Op::kDsch:
        case Op::kXmov: {
            int kind = LengthCode(t[1]);
            if (opcode == Op::kDsch) {
                kind = ValueOf(t[1]) & 0xFF;
                kind = kind == 3 ? 4 : kind;
            }
            return bit(kind, t[2]) && bit(0, t[3]) && bit(0, t[4]) && bit(0, t[5]);
        }
        case Op::kAdd:
        case Op::kSub:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
            return bit(LengthCode(t[1]), t[2]) && formatted(t[3]) && bit(0, t[4]);
        case Op::kNot:
            return bit(LengthCode(t[1]), t[2]) && bit(0, t[3]);
        case Op::kSft: {
            if (m_builder.sftCount > kMaxSft) {
                AddError(ConvertError::kConversion, 1033, m_errorLine);
                return false;
            }
            const int b = m_builder.sftCount | (DigitAt(t[2], 0) << 8);
            ++m_builder.sftCount;
            return AppendStep(opcode, DigitAt(t[2], 3), PlcAddress::EncodeAddress(t[1]).operand, b);
        }
        case Op::kAxctl:
            return bit(ValueOf(t[1]) - 4, t[2]);
        case Op::kJmpb:
        case Op::kLbl: {
            std::vector<Reference>& list = opcode == Op::kJmpb ? m_builder.jumps : m_builder.labels;
            if (static_cast<int>(list.size()) >= kMaxReferences) {
                AddError(ConvertError::kConversion, 1015, m_errorLine);
                return false;
            }
            list.push_back({ValueOf(t[1]), m_stepCount, m_errorLine});
            return AppendStep(opcode, kJumpKind, ValueOf(t[1]),
                              opcode == Op::kJmpb ? m_stepCount : 0);
        }
        default:
            return true;
    }
}

// --- MOVN, MOVB, MOVW destinations --------------------------------------------------------------

bool CLadConvert::CheckMoveDestination(int opcode, const Tokens& t) {
    const std::string_view source = opcode == Op::kMovn ? t[2] : t[1];
    const std::string_view destination = opcode == Op::kMovn ? t[3] : t[2];
    const bool s = IsAddress(source);
    const int f = ValueOf(destination.substr(std::min<std::size_t>(1, destination.size())));
    const int n = ValueOf(t[1]);
    // The highest byte the move may reach for each instruction, or none (-1: never fails).
    auto exceeds = [&](int limit) {
        switch (opcode) {
            case Op::kMovn:
                return n + f > limit;
            case Op::kMovb:
                return f > limit;
            default:
                return f + 1 > limit;
        }
    };
    bool fails = false;
    switch (destination.empty() ? '\0' : destination[0]) {
        case 'A':
            fails = exceeds(32);
            break;
        case 'C':
        case 'T':
            fails = exceeds(s ? 256 : 128);
            break;
        case 'D':
            fails = opcode == Op::kMovb ? (!s && f > 256) : exceeds(s ? 512 : 256);
            break;
        case 'G':
            fails = exceeds(63);
            break;
        case 'K':
            fails = exceeds(64);
            break;
        case 'R':
            if (opcode == Op::kMovn) {
                fails = n + f > 512 || (f <= 255 && n + f >= 256);
            } else {
                fails = exceeds(510);
            }
            break;
        case 'Y':
            fails = exceeds(48);
            break;
        default:
            break;
    }
    if (fails) {
        AddError(ConvertError::kConversion, 1023, m_errorLine);
    }
    return !fails;
}

// --- COD tables ---------------------------------------------------------------------------------

bool CLadConvert::AddTableEntries(const Tokens& t) {
    if (m_builder.codtExpected <= 0) {
        // Text after the table is complete closes the COD network.
        return CloseNetwork();
    }
    for (int k = 1; k <= 4 && m_builder.codtExpected > 0; ++k) {
        const int width = m_builder.codtWidth;
        if (m_data.byteCount + width > 2 * kMaxDataWords) {
            AddError(ConvertError::kConversion, 1031, m_errorLine);
            return false;
        }
        if (t[k].size() != 5) {
            AddError(ConvertError::kConversion, 1011, m_errorLine);
            return false;
        }
        const int value = ValueOf(t[k]);
        for (int byte = 0; byte < width; ++byte) {
            const int at = m_data.byteCount++;
            const int part = (value >> (8 * byte)) & 0xFF;
            std::uint16_t& word = m_data.words[static_cast<std::size_t>(at / 2)];
            word = static_cast<std::uint16_t>(at % 2 == 0 ? (word & 0xFF00) | part
                                                          : (word & 0x00FF) | (part << 8));
        }
        m_data.wordCount = (m_data.byteCount + 1) / 2;
        --m_builder.codtExpected;
    }
    return true;
}

// --- subprograms, calls and jumps ---------------------------------------------------------------

bool CLadConvert::BuildCallRecords(int opcode, const Tokens& t) {
    StepBuilder& b = m_builder;
    const int number = ValueOf(t[1]);
    if (static_cast<int>(b.calls.size()) >= kMaxReferences) {
        AddError(ConvertError::kConversion, 1040, m_errorLine);
        return false;
    }
    if (b.currentSub >= 0) {
        Subprogram& sub = b.subprograms[static_cast<std::size_t>(b.currentSub)];
        const auto callees =
            std::span(sub.callees).first(static_cast<std::size_t>(sub.calleeCount));
        const bool listed = std::find(callees.begin(), callees.end(), number) != callees.end();
        // A full call list refuses any further CALL, even of a subprogram already listed.
        if (number == b.currentSub || sub.calleeCount >= kMaxCallees) {
            AddError(ConvertError::kConversion, 1040, m_errorLine);
            return false;
        }
        if (!listed) {
            sub.callees[static_cast<std::size_t>(sub.calleeCount++)] = number;
        }
    }
    b.calls.push_back({number, m_stepCount, m_errorLine});
    return AppendStep(opcode, kCallKind, number, m_stepCount);
}

bool CLadConvert::BuildSubprogramRecords(int opcode, const Tokens& t) {
    StepBuilder& b = m_builder;
    if (opcode == Op::kSp) {
        const int number = ValueOf(t[1]);
        const bool valid = number >= 0 && number < static_cast<int>(b.subprograms.size()) &&
                           !b.subprograms[static_cast<std::size_t>(number)].defined;
        if (b.end2Mark < 0 || b.currentSub >= 0 || b.spCount >= kMaxReferences || !valid) {
            AddError(ConvertError::kConversion, 1040, m_errorLine);
            return false;
        }
        Subprogram& sub = b.subprograms[static_cast<std::size_t>(number)];
        sub.defined = true;
        sub.spStep = m_stepCount;
        sub.line = m_errorLine;
        b.currentSub = number;
        ++b.spCount;
        b.afterEnd2 = false;
        return AppendStep(opcode, kCallKind, number, 0);
    }
    if (b.currentSub < 0 || static_cast<int>(b.spes.size()) >= kMaxReferences) {
        AddError(ConvertError::kConversion, 1040, m_errorLine);
        return false;
    }
    b.spes.push_back({b.currentSub, m_stepCount, m_errorLine});
    b.currentSub = -1;
    b.afterEnd2 = true;
    return AppendStep(opcode, 0, 0, 0);
}

bool CLadConvert::ResolveTargets() {
    const StepBuilder& b = m_builder;
    if (b.spCount != static_cast<int>(b.spes.size())) {
        const int open = b.currentSub >= 0
                             ? b.subprograms[static_cast<std::size_t>(b.currentSub)].line
                             : m_errorLine;
        AddError(ConvertError::kConversion, 1040, open);
        return false;
    }
    return CheckCallCycles() && ResolveCalls() && ResolveJumps();
}

bool CLadConvert::CheckCallCycles() {
    for (const Reference& spe : m_builder.spes) {
        std::vector<int> path{spe.number};
        std::vector<bool> done(m_builder.subprograms.size(), false);
        if (!WalkCalls(spe.number, spe.number, path, done)) {
            return false;
        }
    }
    return true;
}

// Depth first through the calls of sub; a callee already on the path is a call cycle, reported at
// the first call of it after the root subprogram. A chain deeper than the path holds is refused.
bool CLadConvert::WalkCalls(int root, int sub, std::vector<int>& path, std::vector<bool>& done) {
    const std::array<Subprogram, 100>& subs = m_builder.subprograms;
    const Subprogram& node = subs[static_cast<std::size_t>(sub)];
    const Subprogram& rootSub = subs[static_cast<std::size_t>(root)];
    for (int i = 0; i < node.calleeCount; ++i) {
        const int callee = node.callees[static_cast<std::size_t>(i)];
        if (std::find(path.begin(), path.end(), callee) != path.end()) {
            for (const Reference& call : m_builder.calls) {
                if (call.number == callee && call.line > rootSub.line) {
                    AddError(ConvertError::kConversion, 1040, call.line);
                    return false;
                }
            }
            continue;
        }
        if (callee < 0 || callee >= static_cast<int>(subs.size()) ||
            done[static_cast<std::size_t>(callee)]) {
            continue;
        }
        const Subprogram& next = subs[static_cast<std::size_t>(callee)];
        if (!next.defined || next.calleeCount == 0) {
            continue;
        }
        if (static_cast<int>(path.size()) >= kMaxCallees) {
            AddError(ConvertError::kConversion, 1040, rootSub.line);
            return false;
        }
        path.push_back(callee);
        if (!WalkCalls(root, callee, path, done)) {
            return false;
        }
        path.pop_back();
        done[static_cast<std::size_t>(callee)] = true;
    }
    return true;
}

bool CLadConvert::ResolveCalls() {
    for (const Reference& call : m_builder.calls) {
        const bool known = call.number >= 0 &&
                           call.number < static_cast<int>(m_builder.subprograms.size()) &&
                           m_builder.subprograms[static_cast<std::size_t>(call.number)].defined;
        if (!known) {
            AddError(ConvertError::kConversion, 1040, call.line);
            return false;
        }
        m_steps[static_cast<std::size_t>(call.step)].b = static_cast<std::uint16_t>(
            m_builder.subprograms[static_cast<std::size_t>(call.number)].spStep);
    }
    return true;
}

bool CLadConvert::ResolveJumps() {
    const StepBuilder& b = m_builder;
    auto between = [](int mark, int x, int y) {
        return mark > std::min(x, y) && mark < std::max(x, y);
    };
    for (const Reference& jump : b.jumps) {
        const auto label = std::find_if(b.labels.begin(), b.labels.end(), [&](const Reference& l) {
            return l.number == jump.number;
        });
        bool refused = label == b.labels.end();
        if (!refused) {
            refused = between(b.end1Mark, jump.step, label->step) ||
                      between(b.end2Mark, jump.step, label->step);
            if (jump.step > b.end2Mark && label->step > b.end2Mark) {
                for (const Reference& spe : b.spes) {
                    refused = refused || between(spe.step, jump.step, label->step);
                }
            }
        }
        if (refused) {
            AddError(ConvertError::kConversion, 1015, jump.line);
            return false;
        }
        m_steps[static_cast<std::size_t>(jump.step)].b = static_cast<std::uint16_t>(label->step);
    }
    return true;
}

// --- read access --------------------------------------------------------------------------------

const StepRecord& CLadConvert::StepAt(int i) const {
    static constexpr StepRecord kNone{};
    return i >= 0 && i < m_stepCount ? m_steps[static_cast<std::size_t>(i)] : kNone;
}

int CLadConvert::StepLine(int i) const {
    return i >= 0 && i < m_stepCount ? m_stepLines[static_cast<std::size_t>(i)] : -1;
}

std::uint16_t CLadConvert::DataWordAt(int i) const {
    return i >= 0 && i < m_data.wordCount ? m_data.words[static_cast<std::size_t>(i)] : 0;
}

bool CLadConvert::BinaryImage(std::vector<std::uint8_t>& image) const {
    image.clear();
    if (!m_stepsComplete) {
        return false;
    }
    image.reserve(static_cast<std::size_t>(m_stepCount) * StepRecord::kSize +
                  static_cast<std::size_t>(m_data.wordCount) * 2);
    for (int i = 0; i < m_stepCount; ++i) {
        const std::array<std::uint8_t, StepRecord::kSize> bytes = StepAt(i).Bytes();
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    const int words = std::min<int>(StepAt(m_stepCount - 1).index, m_data.wordCount);
    for (int i = 0; i < words; ++i) {
        image.push_back(static_cast<std::uint8_t>(DataWordAt(i) & 0xFF));
        image.push_back(static_cast<std::uint8_t>(DataWordAt(i) >> 8));
    }
    return true;
}

}  // namespace rungpad
