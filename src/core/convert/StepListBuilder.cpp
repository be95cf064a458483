// The step list and data table of the binary image, built from the instruction list.
#include "convert/StepListBuilder.h"

#include <algorithm>
#include <cstdint>
#include <span>

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

// Mnemonics are a few characters: compared in place rather than through a library call.
bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

bool IsAddress(std::string_view param) {
    return !param.empty() && param[0] >= 'A' && param[0] <= 'Y';
}

}  // namespace

const std::array<StepListBuilder::Opcode, 55>& StepListBuilder::Opcodes() {
    using B = StepListBuilder;
    constexpr bool kEnds = true;
    constexpr bool kFree = true;  // begins its network without a contact
    // clang-format off
    static constexpr std::array<Opcode, 55> kTable{{
        {&B::NoRecord, false, false},          {&B::BitOperand, false, false},
        {&B::BitOperand, false, false},    {&B::BitOperand, false, false},
        {&B::BitOperand, false, false},   {&B::Output, false, false},
        {&B::Output, false, false},           {&B::BitOperand, false, false},
        {&B::BitOperand, false, false},    {&B::BitOperand, false, false},
        {&B::BitOperand, false, false}, {&B::NoRecord, false, false},
        {&B::NoRecord, false, false},         {&B::NoRecord, false, false},
        {&B::Stack, false, false},        {&B::NoRecord, false, false},
        {&B::Stack, false, false},         {&B::End, kEnds, kFree},
        {&B::End, kEnds, kFree},             {&B::SubprogramEnd, kEnds, kFree},
        {&B::Com, kEnds, false},              {&B::Come, kEnds, kFree},
        {&B::NoRecord, false, false},          {&B::Edge, false, false},
        {&B::Edge, false, false},            {&B::BitOperand, kEnds, false},
        {&B::BitOperand, kEnds, false},       {&B::JumpOrLabel, kEnds, false},
        {&B::Call, kEnds, false},            {&B::JumpOrLabel, kEnds, kFree},
        {&B::SubprogramStart, kEnds, kFree},   {&B::Compare, false, false},
        {&B::Compare, false, false},         {&B::Timer, false, false},
        {&B::Counter, false, false},          {&B::MoveN, false, false},
        {&B::Decode, kEnds, false},           {&B::CodeConvert, false, false},
        {&B::Rotate, false, false},           {&B::SearchTable, false, false},
        {&B::Arithmetic, false, false},       {&B::Arithmetic, false, false},
        {&B::SearchTable, false, false},     {&B::Arithmetic, kEnds, false},
        {&B::Arithmetic, kEnds, false},       {&B::Arithmetic, kEnds, false},
        {&B::Not, kEnds, false},              {&B::Shift, false, false},
        {&B::TableEntries, false, false},    {&B::TimerB, false, false},
        {&B::TimerC, false, false},          {&B::Call, kEnds, kFree},
        {&B::Move, false, false},            {&B::Move, false, false},
        {&B::AxisControl, false, false},
    }};
    // clang-format on
    return kTable;
}

// A mnemonic not found before "STOP" has opcode 0.
int StepListBuilder::OpcodeOf(std::string_view mnemonic) {
    // Opcodes by the first character of their mnemonic, in table order, so a look-up compares a
    // handful of names instead of the whole table.
    struct Bucket {
        std::array<std::int8_t, 12> opcodes{};
        int count = 0;
    };
    static constexpr std::array<Bucket, 128> kByFirst = [] {
        std::array<Bucket, 128> buckets{};
        for (int op = 0; op < Op::kStop; ++op) {
            Bucket& bucket = buckets[static_cast<unsigned char>(Op::kNames[op][0]) & 0x7F];
            bucket.opcodes[static_cast<std::size_t>(bucket.count++)] = static_cast<std::int8_t>(op);
        }
        return buckets;
    }();
    const unsigned char first = mnemonic.empty() ? 0 : static_cast<unsigned char>(mnemonic[0]);
    if (first >= kByFirst.size()) {
        return 0;
    }
    const Bucket& bucket = kByFirst[first];
    for (int i = 0; i < bucket.count; ++i) {
        const int op = bucket.opcodes[static_cast<std::size_t>(i)];
        if (SameWord(Op::kNames[static_cast<std::size_t>(op)], mnemonic)) {
            return op;
        }
    }
    return 0;
}

StepListBuilder::StepListBuilder() = default;

void StepListBuilder::Reset() {
    m_stepCount = 0;
    m_complete = false;
}

bool StepListBuilder::Fail(ErrorCode code, int line) {
    m_errors->Add(ConvertError::kConversion, code, line);
    return false;
}

// --- records ------------------------------------------------------------------------------------

bool StepListBuilder::AppendStep(int opcode, int kind, int a, int b) {
    if (m_stepCount >= kMaxSteps) {
        return Fail(ErrorCode::kListFull);
    }
    const auto next = static_cast<std::size_t>(m_stepCount);
    if (next == m_steps.size()) {  // grown as first filled, kept for the next build
        m_steps.emplace_back();
        m_stepLines.emplace_back();
    }
    StepRecord& record = m_steps[next];
    record.opcode = static_cast<std::uint8_t>(opcode);
    record.kind = static_cast<std::uint8_t>(kind);
    record.index = static_cast<std::uint16_t>(m_stepCount);
    record.a = static_cast<std::uint16_t>(a);
    record.b = static_cast<std::uint16_t>(b);
    m_stepLines[next] = m_line;
    ++m_stepCount;
    return true;
}

bool StepListBuilder::AppendBitStep(int opcode, int kind, std::string_view operand) {
    const EncodedAddress address = PlcAddress::EncodeAddress(operand);
    return AppendStep(opcode, kind, address.operand, address.type | (address.mask << 8));
}

// One record for a parameter that is an address (kind 2) or a constant (kind 1).
bool StepListBuilder::AppendSourceStep(int opcode, std::string_view param, std::uint16_t b) {
    if (IsAddress(param)) {
        return AppendStep(opcode, 2, PlcAddress::EncodeAddress(param).operand, b);
    }
    return AppendStep(opcode, 1, ValueOf(param), b);
}

bool StepListBuilder::FormattedStep(int opcode, std::string_view format, std::string_view param) {
    const int kind = 1 + DigitAt(format, 0);
    return kind == 1 ? AppendStep(opcode, 1, ValueOf(param), 0)
                     : AppendBitStep(opcode, kind, param);
}

bool StepListBuilder::CloseNetwork() {
    m_state.pendingOutput = false;
    if (!AppendStep(Op::kNetworkEnd, 0, 0, 0)) {
        return false;
    }
    m_state.networkStart = m_stepCount;
    return true;
}

// --- driver -------------------------------------------------------------------------------------

bool StepListBuilder::Build(const InstructionList& list, ConvertErrorList& errors,
                            LadProgram* program) {
    m_errors = &errors;
    m_program = program;
    m_state = State{};
    m_data = DataTable{};
    m_stepCount = 0;
    m_complete = false;
    m_line = 0;
    for (int i = 0; i < list.Count(); ++i) {
        if (!BuildInstruction(list.TextAt(i), list.WordsAt(i), list.LineAt(i))) {
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
    m_complete = true;
    return true;
}

bool StepListBuilder::BuildInstruction(std::string_view text, const InstructionList::Words& words,
                                       int line) {
    // The words are read in upper case.
    std::array<char, InstructionList::kMaxTextLength> upper;
    if (words.lowerCase) {
        text = text.substr(0, upper.size());
        std::transform(text.begin(), text.end(), upper.begin(), [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        });
        text = std::string_view(upper.data(), text.size());
    }
    const Tokens tokens{text, &words};
    // A text of spaces only is reported without a line.
    m_line = tokens.Count() == 0 ? -1 : line;

    const int opcode = OpcodeOf(tokens[0]);

    const int errorsBefore = m_errors->Count();
    if (m_state.comOpen && opcode >= Op::kSet) {
        Fail(ErrorCode::kComMisuse);
    } else if (m_state.afterEnd2 && opcode != Op::kSp) {
        Fail(ErrorCode::kNotExecutable);
    } else {
        BuildRecords(opcode, tokens);
    }
    if (m_errors->Count() != errorsBefore) {
        m_errors->SetLastLine(m_line);
        return false;
    }
    return m_errors->Empty();
}

bool StepListBuilder::BuildRecords(int opcode, const Tokens& tokens) {
    const Opcode& op = Opcodes()[static_cast<std::size_t>(opcode)];
    const bool opensWithContact = opcode == Op::kRd || opcode == Op::kRdNot;
    if ((opensWithContact || op.beginsWithoutContact) && m_state.pendingOutput && !CloseNetwork()) {
        return false;
    }
    if (!(this->*op.build)(opcode, tokens) || !m_errors->Empty()) {
        return false;
    }
    if (!op.endsNetwork) {
        return true;
    }
    if (!CloseNetwork()) {
        return false;
    }
    if (opcode == Op::kEnd1) {
        if (m_stepCount >= kEnd1StepLimit) {
            return Fail(ErrorCode::kFirstLevelTooLarge);
        }
        m_state.end1Mark = m_stepCount - 1;
        if (m_program != nullptr) {
            m_program->end1Step = static_cast<std::int16_t>(m_stepCount - 1);
        }
    } else if (opcode == Op::kEnd2) {
        m_state.end2Mark = m_stepCount - 1;
        m_state.afterEnd2 = true;
    }
    return true;
}

// --- one function per instruction ---------------------------------------------------------------

bool StepListBuilder::NoRecord(int /*opcode*/, const Tokens& /*t*/) {
    return true;
}

bool StepListBuilder::BitOperand(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, 2, t[1]);
}

bool StepListBuilder::Output(int opcode, const Tokens& t) {
    const bool built = AppendBitStep(opcode, 2, t[1]);
    m_state.pendingOutput = true;
    return built;
}

bool StepListBuilder::Stack(int opcode, const Tokens& /*t*/) {
    return AppendStep(opcode, 0, 0, 0);
}

bool StepListBuilder::End(int opcode, const Tokens& /*t*/) {
    return AppendStep(opcode, 0, 0, 0);
}

bool StepListBuilder::Com(int opcode, const Tokens& /*t*/) {
    m_state.comOpen = true;
    return AppendStep(opcode, kComKind, 0, 0);
}

bool StepListBuilder::Come(int opcode, const Tokens& /*t*/) {
    if (!m_state.comOpen) {
        return Fail(ErrorCode::kComMisuse);
    }
    m_state.comOpen = false;
    return AppendStep(opcode, kComKind, 0, 0);
}

bool StepListBuilder::Timer(int opcode, const Tokens& t) {
    return AppendStep(opcode, 5, ValueOf(t[1]), 0);
}

// TMRC shares TMR's opcode.
bool StepListBuilder::TimerC(int /*opcode*/, const Tokens& t) {
    return AppendStep(Op::kTmr, ValueOf(t[1]), ValueOf(t[2]), 0);
}

bool StepListBuilder::TimerB(int opcode, const Tokens& t) {
    return AppendStep(opcode, ValueOf(t[1]), ValueOf(t[2]), ValueOf(t[3]));
}

bool StepListBuilder::Counter(int opcode, const Tokens& t) {
    return AppendStep(opcode, 0, ValueOf(t[1]), 0);
}

bool StepListBuilder::Edge(int opcode, const Tokens& t) {
    const int edge = ValueOf(t[1]);
    if (edge > 255 || m_state.edges[static_cast<std::size_t>(edge)]) {
        return Fail(ErrorCode::kEdgeMisuse);
    }
    m_state.edges[static_cast<std::size_t>(edge)] = true;
    return AppendStep(opcode, 0, edge, m_state.networkStart);
}

bool StepListBuilder::Compare(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, LengthCode(t[1]), t[3]) && FormattedStep(opcode, t[1], t[2]);
}

bool StepListBuilder::MoveN(int opcode, const Tokens& t) {
    return AppendSourceStep(opcode, t[2], 0) &&
           AppendStep(opcode, 0, PlcAddress::EncodeAddress(t[3]).operand, ValueOf(t[1])) &&
           CheckMoveDestination(opcode, t);
}

bool StepListBuilder::Move(int opcode, const Tokens& t) {
    return AppendSourceStep(opcode, t[1], PlcAddress::EncodeAddress(t[2]).operand) &&
           CheckMoveDestination(opcode, t);
}

bool StepListBuilder::Decode(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, 0, t[4]) && AppendBitStep(opcode, ValueOf(t[1]), t[2]) &&
           AppendStep(opcode, 0, ValueOf(t[3]), 0);
}

bool StepListBuilder::CodeConvert(int opcode, const Tokens& t) {
    const int size = ValueOf(t[2]);
    const int width = ValueOf(t[1]) == 2 ? 2 : 1;
    if (!AppendBitStep(opcode, size, t[4]) ||
        !AppendStep(opcode, ValueOf(t[1]), PlcAddress::EncodeAddress(t[3]).operand,
                    m_state.nextTableAddress)) {
        return false;
    }
    m_state.nextTableAddress += width * size;
    m_state.codtExpected = size;
    m_state.codtWidth = width;
    return true;
}

bool StepListBuilder::Rotate(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, 0, t[2]) && AppendBitStep(opcode, 0, t[3]) &&
           (IsAddress(t[1]) ? AppendBitStep(opcode, 2, t[1])
                            : AppendStep(opcode, 1, ValueOf(t[1]), 0)) &&
           AppendBitStep(opcode, 0, t[4]);
}

// DSCH reads its length from the whole format (3 read as 4), XMOV from its 4th digit.
bool StepListBuilder::SearchTable(int opcode, const Tokens& t) {
    int kind = LengthCode(t[1]);
    if (opcode == Op::kDsch) {
        kind = ValueOf(t[1]) & 0xFF;
        kind = kind == 3 ? 4 : kind;
    }
    return AppendBitStep(opcode, kind, t[2]) && AppendBitStep(opcode, 0, t[3]) &&
           AppendBitStep(opcode, 0, t[4]) && AppendBitStep(opcode, 0, t[5]);
}

bool StepListBuilder::Arithmetic(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, LengthCode(t[1]), t[2]) && FormattedStep(opcode, t[1], t[3]) &&
           AppendBitStep(opcode, 0, t[4]);
}

bool StepListBuilder::Not(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, LengthCode(t[1]), t[2]) && AppendBitStep(opcode, 0, t[3]);
}

bool StepListBuilder::Shift(int opcode, const Tokens& t) {
    if (m_state.sftCount > kMaxSft) {
        return Fail(ErrorCode::kTooManyShifts);
    }
    const int b = m_state.sftCount | (DigitAt(t[2], 0) << 8);
    ++m_state.sftCount;
    return AppendStep(opcode, DigitAt(t[2], 3), PlcAddress::EncodeAddress(t[1]).operand, b);
}

bool StepListBuilder::AxisControl(int opcode, const Tokens& t) {
    return AppendBitStep(opcode, ValueOf(t[1]) - 4, t[2]);
}

bool StepListBuilder::JumpOrLabel(int opcode, const Tokens& t) {
    std::vector<Reference>& list = opcode == Op::kJmpb ? m_state.jumps : m_state.labels;
    if (static_cast<int>(list.size()) >= kMaxReferences) {
        return Fail(ErrorCode::kJumpLabel);
    }
    list.push_back({ValueOf(t[1]), m_stepCount, m_line});
    return AppendStep(opcode, kJumpKind, ValueOf(t[1]), opcode == Op::kJmpb ? m_stepCount : 0);
}

// --- MOVN, MOVB, MOVW destinations --------------------------------------------------------------

bool StepListBuilder::CheckMoveDestination(int opcode, const Tokens& t) {
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
    return !fails || Fail(ErrorCode::kNeedlessOutput);
}

// --- COD tables ---------------------------------------------------------------------------------

bool StepListBuilder::TableEntries(int /*opcode*/, const Tokens& t) {
    if (m_state.codtExpected <= 0) {
        // Text after the table is complete closes the COD network.
        return CloseNetwork();
    }
    for (int k = 1; k <= 4 && m_state.codtExpected > 0; ++k) {
        const int width = m_state.codtWidth;
        if (m_data.byteCount + width > 2 * kMaxDataWords) {
            return Fail(ErrorCode::kDataTableFull);
        }
        if (t[k].size() != 5) {
            return Fail(ErrorCode::kAddressData);
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
        --m_state.codtExpected;
    }
    return true;
}

// --- subprograms, calls and jumps ---------------------------------------------------------------

bool StepListBuilder::Call(int opcode, const Tokens& t) {
    State& b = m_state;
    const int number = ValueOf(t[1]);
    if (static_cast<int>(b.calls.size()) >= kMaxReferences) {
        return Fail(ErrorCode::kSubprogramMisuse);
    }
    if (b.currentSub >= 0) {
        Subprogram& sub = b.subprograms[static_cast<std::size_t>(b.currentSub)];
        const auto callees =
            std::span(sub.callees).first(static_cast<std::size_t>(sub.calleeCount));
        const bool listed = std::find(callees.begin(), callees.end(), number) != callees.end();
        // A full call list refuses any further CALL, even of a subprogram already listed.
        if (number == b.currentSub || sub.calleeCount >= kMaxCallees) {
            return Fail(ErrorCode::kSubprogramMisuse);
        }
        if (!listed) {
            sub.callees[static_cast<std::size_t>(sub.calleeCount++)] = number;
        }
    }
    b.calls.push_back({number, m_stepCount, m_line});
    return AppendStep(opcode, kCallKind, number, m_stepCount);
}

bool StepListBuilder::SubprogramStart(int opcode, const Tokens& t) {
    State& b = m_state;
    const int number = ValueOf(t[1]);
    const bool valid = number >= 0 && number < static_cast<int>(b.subprograms.size()) &&
                       !b.subprograms[static_cast<std::size_t>(number)].defined;
    if (b.end2Mark < 0 || b.currentSub >= 0 || b.spCount >= kMaxReferences || !valid) {
        return Fail(ErrorCode::kSubprogramMisuse);
    }
    Subprogram& sub = b.subprograms[static_cast<std::size_t>(number)];
    sub.defined = true;
    sub.spStep = m_stepCount;
    sub.line = m_line;
    b.currentSub = number;
    ++b.spCount;
    b.afterEnd2 = false;
    return AppendStep(opcode, kCallKind, number, 0);
}

bool StepListBuilder::SubprogramEnd(int opcode, const Tokens& /*t*/) {
    State& b = m_state;
    if (b.currentSub < 0 || static_cast<int>(b.spes.size()) >= kMaxReferences) {
        return Fail(ErrorCode::kSubprogramMisuse);
    }
    b.spes.push_back({b.currentSub, m_stepCount, m_line});
    b.currentSub = -1;
    b.afterEnd2 = true;
    return AppendStep(opcode, 0, 0, 0);
}

bool StepListBuilder::ResolveTargets() {
    const State& b = m_state;
    if (b.spCount != static_cast<int>(b.spes.size())) {
        const int open =
            b.currentSub >= 0 ? b.subprograms[static_cast<std::size_t>(b.currentSub)].line : m_line;
        return Fail(ErrorCode::kSubprogramMisuse, open);
    }
    return CheckCallCycles() && ResolveCalls() && ResolveJumps();
}

bool StepListBuilder::CheckCallCycles() {
    for (const Reference& spe : m_state.spes) {
        std::vector<int> path{spe.number};
        std::vector<bool> done(m_state.subprograms.size(), false);
        if (!WalkCalls(spe.number, spe.number, path, done)) {
            return false;
        }
    }
    return true;
}

// Depth first through the calls of sub; a callee already on the path is a call cycle, reported at
// the first call of it after the root subprogram. A chain deeper than the path holds is refused.
bool StepListBuilder::WalkCalls(int root, int sub, std::vector<int>& path,
                                std::vector<bool>& done) {
    const std::array<Subprogram, 100>& subs = m_state.subprograms;
    const Subprogram& node = subs[static_cast<std::size_t>(sub)];
    const Subprogram& rootSub = subs[static_cast<std::size_t>(root)];
    for (int i = 0; i < node.calleeCount; ++i) {
        const int callee = node.callees[static_cast<std::size_t>(i)];
        if (std::find(path.begin(), path.end(), callee) != path.end()) {
            for (const Reference& call : m_state.calls) {
                if (call.number == callee && call.line > rootSub.line) {
                    return Fail(ErrorCode::kSubprogramMisuse, call.line);
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
            return Fail(ErrorCode::kSubprogramMisuse, rootSub.line);
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

bool StepListBuilder::ResolveCalls() {
    for (const Reference& call : m_state.calls) {
        const bool known = call.number >= 0 &&
                           call.number < static_cast<int>(m_state.subprograms.size()) &&
                           m_state.subprograms[static_cast<std::size_t>(call.number)].defined;
        if (!known) {
            return Fail(ErrorCode::kSubprogramMisuse, call.line);
        }
        m_steps[static_cast<std::size_t>(call.step)].b = static_cast<std::uint16_t>(
            m_state.subprograms[static_cast<std::size_t>(call.number)].spStep);
    }
    return true;
}

bool StepListBuilder::ResolveJumps() {
    const State& b = m_state;
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
            return Fail(ErrorCode::kJumpLabel, jump.line);
        }
        m_steps[static_cast<std::size_t>(jump.step)].b = static_cast<std::uint16_t>(label->step);
    }
    return true;
}

// --- read access --------------------------------------------------------------------------------

const StepRecord& StepListBuilder::StepAt(int i) const {
    static constexpr StepRecord kNone{};
    return i >= 0 && i < m_stepCount ? m_steps[static_cast<std::size_t>(i)] : kNone;
}

int StepListBuilder::StepLine(int i) const {
    return i >= 0 && i < m_stepCount ? m_stepLines[static_cast<std::size_t>(i)] : -1;
}

std::uint16_t StepListBuilder::DataWordAt(int i) const {
    return i >= 0 && i < m_data.wordCount ? m_data.words[static_cast<std::size_t>(i)] : 0;
}

bool StepListBuilder::BinaryImage(std::vector<std::uint8_t>& image) const {
    image.clear();
    if (!m_complete) {
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
