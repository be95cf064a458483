// Loading a step list into the scan engine: records folded into instructions, jump and call
// targets resolved, and every instruction whose effect is not defined refused before any scan.
#include "convert/LadConvert.h"
#include "convert/StepOpcode.h"
#include "model/PlcAddress.h"
#include "sim/ScanEngine.h"
#include "sim/StackDepth.h"

namespace rungpad {

namespace {

namespace Op = StepOpcode;

// How many records the converter makes for one instruction.
int RecordsOf(int opcode) {
    switch (opcode) {
        case Op::kComp:
        case Op::kCoin:
        case Op::kMovn:
        case Op::kCod:
        case Op::kNot:
            return 2;
        case Op::kDec:
        case Op::kAdd:
        case Op::kSub:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
            return 3;
        case Op::kRot:
        case Op::kDsch:
        case Op::kXmov:
            return 4;
        default:
            return 1;
    }
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
    m_stopMessage = "no program loaded";
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
        message = "the program has no complete step list: convert it first";
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
    const int count = RecordsOf(r0.opcode);
    if (step + count > converter.StepCount()) {
        return Refuse(instr, "its records are incomplete", message);
    }
    for (int i = 1; i < count; ++i) {
        if (converter.StepAt(step + i).opcode != r0.opcode) {
            return Refuse(instr, "its records are incomplete", message);
        }
    }
    const StepRecord& r1 = converter.StepAt(step + (count > 1 ? 1 : 0));
    const StepRecord& r2 = converter.StepAt(step + (count > 2 ? 2 : 0));
    step += count;
    instr.kind = r0.kind;
    instr.a = r0.a;
    instr.b = r0.b;
    instr.mask = r0.Mask();
    switch (r0.opcode) {
        case Op::kComp:
        case Op::kCoin:
            instr.length = r0.kind;
            instr.kind = r1.kind;
            instr.b = r1.a;
            break;
        case Op::kMovn:
            instr.kind = r0.kind;
            instr.b = r0.a;
            instr.a = r1.a;
            instr.c = r1.b;
            break;
        case Op::kMovb:
        case Op::kMovw:
            instr.b = r0.a;
            instr.a = r0.b;
            instr.length = r0.opcode == Op::kMovb ? 1 : 2;
            break;
        case Op::kDec:
            instr.length = r1.kind;
            instr.b = r1.a;
            instr.c = r2.a;
            break;
        case Op::kCod:
            instr.c = r0.kind;
            instr.length = r1.kind;
            instr.b = r1.a;
            instr.d = r1.b;
            break;
        case Op::kAdd:
        case Op::kSub:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
            instr.length = r0.kind;
            instr.c = r0.a;
            instr.kind = r1.kind;
            instr.b = r1.a;
            instr.a = r2.a;
            break;
        case Op::kNot:
            instr.length = r0.kind;
            instr.c = r0.a;
            instr.a = r1.a;
            break;
        case Op::kTmr:  // preset in DT, current value in T
            instr.b = DataWord("DT", r0.a);
            instr.c = DataWord("T", r0.a);
            break;
        case Op::kCtr:  // preset in DC, current value in C
            instr.b = DataWord("DC", r0.a);
            instr.c = DataWord("C", r0.a);
            break;
        case Op::kSft:
            instr.length = r0.kind;
            instr.c = static_cast<std::uint16_t>(r0.b & 0xFF);
            instr.d = static_cast<std::uint16_t>(r0.b >> 8);
            break;
        default:
            break;
    }
    return true;
}

bool ScanEngine::Refuse(const Instr& instr, const std::string& why, std::string& message) const {
    message = std::string(Op::NameOf(instr.op)) + " on ladder line " +
              std::to_string(instr.line + 1) + " cannot be simulated: " + why;
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
                              "timer resolution " + std::to_string(instr.kind) + " is not defined",
                              message);
            }
            return instr.a < kTimerCount || Refuse(instr, "timer number out of range", message);
        case Op::kCtr:
            return instr.a < kCounterCount || Refuse(instr, "counter number out of range", message);
        case Op::kDifu:
        case Op::kDifd:
            return instr.a < kEdgeCount || Refuse(instr, "edge number out of range", message);
        case Op::kMovb:
        case Op::kMovw:
            return instr.kind == 1 || instr.kind == 2 ||
                   Refuse(instr, "its source is neither a constant nor an address", message);
        case Op::kComp:
        case Op::kCoin:
        case Op::kAdd:
        case Op::kSub:
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
            if (instr.kind != 1 && instr.kind != 2) {
                return Refuse(instr, "the first digit of its format must be 0 or 1", message);
            }
            [[fallthrough]];
        case Op::kNot:
            return IsDataLength(instr.length) ||
                   Refuse(instr,
                          "data length " + std::to_string(instr.length) +
                              " in its format is not 1, 2 or 4 bytes",
                          message);
        case Op::kDec:
        case Op::kCod:
            return instr.length == 1 || instr.length == 2 ||
                   Refuse(instr, "its format must be 1 or 2 bytes", message);
        case Op::kSft:
            if (instr.d != 0) {
                return Refuse(instr, "a format of 1000 or more has no defined effect", message);
            }
            return (instr.length >= 1 && instr.length <= 8) ||
                   Refuse(instr, "its format must give 1 to 8 bytes", message);
        default:
            return Refuse(instr, "its effect is not defined for simulation", message);
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
            return Refuse(instr, "its target is not an instruction of the step list", message);
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
            return Refuse(instr, "it writes a coil with nothing on the logic stack", message);
        }
    }
    return true;
}

}  // namespace rungpad
