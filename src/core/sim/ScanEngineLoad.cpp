// Loading a step list into the scan engine: records folded into instructions, jump and call
// targets resolved, and every instruction whose effect is not defined refused before any scan.
#include <algorithm>
#include <array>

#include "convert/LadConvert.h"
#include "convert/StepOpcode.h"
#include "model/Messages.h"
#include "model/PlcAddress.h"
#include "sim/ScanEngine.h"
#include "sim/StackDepth.h"

namespace rungpad {

namespace {

namespace Op = StepOpcode;

// Which field of which record of an instruction gives one field of its decoded entry.
struct FieldSource {
    enum class Part : std::uint8_t { kNone, kKind, kA, kB, kBLow, kBHigh };
    int record = 0;
    Part part = Part::kNone;
};

constexpr FieldSource Kind(int record) {
    return {record, FieldSource::Part::kKind};
}
constexpr FieldSource A(int record) {
    return {record, FieldSource::Part::kA};
}
constexpr FieldSource B(int record) {
    return {record, FieldSource::Part::kB};
}

// The records the converter makes for one instruction and where each operand stands in them.
// Fields without a source keep the first record's kind, a and b (c, d and length stay 0).
struct OperandLayout {
    int opcode = 0;
    int records = 1;
    FieldSource length;
    FieldSource kind = Kind(0);
    FieldSource a = A(0);
    FieldSource b = B(0);
    FieldSource c;
    FieldSource d;
    std::uint8_t fixedLength = 0;  // the data length of an instruction without a format
};

// clang-format off
constexpr std::array<OperandLayout, 17> kLayouts{{
    // format and comparison address; input (constant or address)
    {Op::kComp, 2, Kind(0), Kind(1), A(0), A(1), {}, {}, 0},
    {Op::kCoin, 2, Kind(0), Kind(1), A(0), A(1), {}, {}, 0},
    // source; destination and byte count
    {Op::kMovn, 2, {}, Kind(0), A(1), A(0), B(1), {}, 0},
    {Op::kMovb, 1, {}, Kind(0), B(0), A(0), {}, {}, 1},
    {Op::kMovw, 1, {}, Kind(0), B(0), A(0), {}, {}, 2},
    // result; code (format); decode value
    {Op::kDec, 3, Kind(1), Kind(0), A(0), A(1), A(2), {}, 0},
    // table size and output; width, input and table address
    {Op::kCod, 2, Kind(1), Kind(0), A(0), A(1), Kind(0), B(1), 0},
    // format and first operand; second operand (constant or address); result
    {Op::kAdd, 3, Kind(0), Kind(1), A(2), A(1), A(0), {}, 0},
    {Op::kSub, 3, Kind(0), Kind(1), A(2), A(1), A(0), {}, 0},
    {Op::kAndf, 3, Kind(0), Kind(1), A(2), A(1), A(0), {}, 0},
    {Op::kOrf, 3, Kind(0), Kind(1), A(2), A(1), A(0), {}, 0},
    {Op::kEor, 3, Kind(0), Kind(1), A(2), A(1), A(0), {}, 0},
    // format and operand; result
    {Op::kNot, 2, Kind(0), Kind(0), A(1), B(0), A(0), {}, 0},
    // data address, format bytes; shift number and the format's first digit
    {Op::kSft, 1, Kind(0), Kind(0), A(0), B(0), {0, FieldSource::Part::kBLow},
     {0, FieldSource::Part::kBHigh}, 0},
    {Op::kRot, 4, {}, Kind(0), A(0), B(0), {}, {}, 0},
    {Op::kDsch, 4, {}, Kind(0), A(0), B(0), {}, {}, 0},
    {Op::kXmov, 4, {}, Kind(0), A(0), B(0), {}, {}, 0},
}};
// clang-format on

const OperandLayout& LayoutOf(int opcode) {
    static constexpr OperandLayout kSingleRecord{};
    const auto found =
        std::find_if(kLayouts.begin(), kLayouts.end(),
                     [opcode](const OperandLayout& l) { return l.opcode == opcode; });
    return found == kLayouts.end() ? kSingleRecord : *found;
}

std::uint16_t Read(const StepRecord* records, FieldSource source) {
    const StepRecord& r = records[source.record];
    switch (source.part) {
        case FieldSource::Part::kKind:
            return r.kind;
        case FieldSource::Part::kA:
            return r.a;
        case FieldSource::Part::kB:
            return r.b;
        case FieldSource::Part::kBLow:
            return static_cast<std::uint16_t>(r.b & 0xFF);
        case FieldSource::Part::kBHigh:
            return static_cast<std::uint16_t>(r.b >> 8);
        case FieldSource::Part::kNone:
            break;
    }
    return 0;
}

bool IsDataLength(int length) {
    return length == 1 || length == 2 || length == 4;
}

}  // namespace

std::uint16_t ScanEngine::DataWord(const char* letters, int number) {
    return PlcAddress::EncodeAddress(std::string(letters) + std::to_string(number)).operand;
}

bool ScanEngine::BoxValues(std::uint16_t headerCode, int number, const SignalMemory& memory,
                           std::uint32_t& current, std::uint32_t& preset) {
    const bool timer = headerCode == 0x1900 || headerCode == 0x4200;
    if ((!timer && headerCode != 0x1000) || number < 0 || number >= kTimerCount) {
        return false;
    }
    current = memory.Value(DataWord(timer ? "T" : "C", number), 2);
    preset = memory.Value(DataWord(timer ? "DT" : "DC", number), 2);
    return true;
}

bool ScanEngine::Load(const CLadConvert& converter, std::string& message) {
    m_program.clear();
    m_loaded = false;
    m_stopped = true;
    m_stopMessage = Messages::Text("no program loaded");
    m_memory.Clear();
    m_timeMs = 0;
    m_scanCount = 0;
    m_timers = {};
    m_tmrbTimers = {};
    m_counterAct = {};
    m_edges = {};
    m_shiftAct = {};
    m_recordCount = converter.StepCount();
    if (!converter.StepsComplete()) {
        message = Messages::Text("the program has no complete step list: convert it first");
        return false;
    }
    std::vector<int> stepToInstr(static_cast<std::size_t>(converter.StepCount()), -1);
    for (int step = 0; step < converter.StepCount();) {
        stepToInstr[static_cast<std::size_t>(step)] = static_cast<int>(m_program.size());
        if (!Decode(converter, step, message)) {
            m_program.clear();
            return false;
        }
    }
    if (!ResolveTargets(converter, stepToInstr, message) || !CheckStack(message)) {
        m_program.clear();
        return false;
    }
    // The COD tables sit in the user data area, where the COD records point.
    for (int i = 0; i < converter.DataWordCount(); ++i) {
        m_memory.WriteValue(static_cast<std::uint16_t>(CLadConvert::kDataTableAddress + 2 * i), 2,
                            converter.DataWordAt(i));
    }
    m_loaded = true;
    m_stopped = false;
    m_stopMessage.clear();
    return true;
}

bool ScanEngine::Decode(const CLadConvert& converter, int& step, std::string& message) {
    Instr instr;
    if (!DecodeGroup(converter, step, instr, message)) {
        return false;
    }
    if (!CheckDefined(instr, message)) {
        return false;
    }
    m_program.push_back(instr);
    return true;
}

// Field use: bit instructions a = operand, mask; data instructions a = destination, b = source
// or second operand (kind 1 a constant, 2 an address), c = first operand, length in bytes.
bool ScanEngine::DecodeGroup(const CLadConvert& converter, int& step, Instr& instr,
                             std::string& message) {
    const StepRecord& r0 = converter.StepAt(step);
    instr.op = r0.opcode;
    instr.line = converter.StepLine(step);
    const OperandLayout& layout = LayoutOf(r0.opcode);
    if (step + layout.records > converter.StepCount()) {
        return Refuse(instr, Messages::Text("its records are incomplete"), message);
    }
    std::array<StepRecord, 4> records{};
    for (int i = 0; i < layout.records; ++i) {
        records[static_cast<std::size_t>(i)] = converter.StepAt(step + i);
        if (records[static_cast<std::size_t>(i)].opcode != r0.opcode) {
            return Refuse(instr, Messages::Text("its records are incomplete"), message);
        }
    }
    step += layout.records;
    instr.mask = r0.Mask();
    instr.kind = static_cast<std::uint8_t>(Read(records.data(), layout.kind));
    instr.a = Read(records.data(), layout.a);
    instr.b = Read(records.data(), layout.b);
    instr.c = Read(records.data(), layout.c);
    instr.d = Read(records.data(), layout.d);
    instr.length = layout.length.part == FieldSource::Part::kNone
                       ? layout.fixedLength
                       : static_cast<std::uint8_t>(Read(records.data(), layout.length));
    if (r0.opcode == Op::kTmr || r0.opcode == Op::kCtr) {
        // Preset and current value are the data words of the box's number.
        const bool timer = r0.opcode == Op::kTmr;
        instr.b = DataWord(timer ? "DT" : "DC", r0.a);
        instr.c = DataWord(timer ? "T" : "C", r0.a);
    }
    return true;
}

bool ScanEngine::Refuse(const Instr& instr, const std::string_view why,
                        std::string& message) const {
    message = Messages::Format("%1 on ladder line %2 cannot be simulated: %3",
                               {Op::NameOf(instr.op), std::to_string(instr.line + 1), why});
    return false;
}

bool ScanEngine::CheckDefined(const Instr& instr, std::string& message) const {
    switch (instr.op) {
        case Op::kRd:
        case Op::kRdNot:
        case Op::kAnd:
        case Op::kAndNot:
        case Op::kOr:
        case Op::kOrNot:
        case Op::kRdStk:
        case Op::kRdNotStk:
        case Op::kWrt:
        case Op::kWrtNot:
        case Op::kSet:
        case Op::kRst:
        case Op::kAndStk:
        case Op::kOrStk:
        case Op::kEnd1:
        case Op::kEnd2:
        case Op::kSpe:
        case Op::kSp:
        case Op::kCom:
        case Op::kCome:
        case Op::kNetworkEnd:
        case Op::kJmpb:
        case Op::kLbl:
        case Op::kCall:
        case Op::kCallu:
        case Op::kMovn:
        case Op::kTrailer:
            return true;
        case Op::kTmr:
        case Op::kTmrb:
            if (instr.kind > 5) {
                return Refuse(instr,
                              Messages::Format("timer resolution %1 is not defined",
                                               {std::to_string(instr.kind)}),
                              message);
            }
            return instr.a < kTimerCount ||
                   Refuse(instr, Messages::Text("timer number out of range"), message);
        case Op::kCtr:
            return instr.a < kCounterCount ||
                   Refuse(instr, Messages::Text("counter number out of range"), message);
        case Op::kDifu:
        case Op::kDifd:
            return instr.a < kEdgeCount ||
                   Refuse(instr, Messages::Text("edge number out of range"), message);
        case Op::kMovb:
        case Op::kMovw:
            return instr.kind == 1 || instr.kind == 2 ||
                   Refuse(instr, Messages::Text("its source is neither a constant nor an address"),
                          message);
        case Op::kComp:
        case Op::kCoin:
        case Op::kAdd:
        case Op::kSub:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
            if (instr.kind != 1 && instr.kind != 2) {
                return Refuse(instr, Messages::Text("the first digit of its format must be 0 or 1"),
                              message);
            }
            [[fallthrough]];
        case Op::kNot:
            return IsDataLength(instr.length) ||
                   Refuse(instr,
                          Messages::Format("data length %1 in its format is not 1, 2 or 4 bytes",
                                           {std::to_string(instr.length)}),
                          message);
        case Op::kDec:
        case Op::kCod:
            return instr.length == 1 || instr.length == 2 ||
                   Refuse(instr, Messages::Text("its format must be 1 or 2 bytes"), message);
        case Op::kSft:
            if (instr.d != 0) {
                return Refuse(instr,
                              Messages::Text("a format of 1000 or more has no defined effect"),
                              message);
            }
            return (instr.length >= 1 && instr.length <= 8) ||
                   Refuse(instr, Messages::Text("its format must give 1 to 8 bytes"), message);
        default:
            return Refuse(instr, Messages::Text("its effect is not defined for simulation"),
                          message);
    }
}

bool ScanEngine::ResolveTargets(const CLadConvert& converter, const std::vector<int>& stepToInstr,
                                std::string& message) {
    for (Instr& instr : m_program) {
        if (instr.op != Op::kJmpb && instr.op != Op::kCall && instr.op != Op::kCallu) {
            continue;
        }
        const int step = instr.b;
        const int target =
            step < converter.StepCount() ? stepToInstr[static_cast<std::size_t>(step)] : -1;
        if (target < 0) {
            return Refuse(instr,
                          Messages::Text("its target is not an instruction of the step list"),
                          message);
        }
        instr.target = target;
    }
    return true;
}

// A coil written with nothing on the logic stack has no condition: the list does not mean a
// diagram, so it is refused rather than run.
bool ScanEngine::CheckStack(std::string& message) const {
    StackDepth depth;
    for (const Instr& instr : m_program) {
        if (!depth.Apply(instr.op)) {
            return Refuse(instr, Messages::Text("it writes a coil with nothing on the logic stack"),
                          message);
        }
    }
    return true;
}

}  // namespace rungpad
