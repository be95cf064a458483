// One scan of the step list. Each instruction's effect is the one docs/simulation.md defines.
#include "sim/ScanEngine.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "convert/StepOpcode.h"
#include "model/Messages.h"

namespace rungpad {

namespace {

namespace Op = StepOpcode;

// Milliseconds per preset unit of a timer by its resolution code (TMR's own records carry 5).
constexpr std::array<std::uint32_t, 6> kTimerUnitMs{1, 10, 100, 1000, 60000, 1};

std::uint64_t MaskOf(int length) {
    return length >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * length)) - 1;
}

}  // namespace

std::uint32_t ScanEngine::TmrbElapsedMs(int number) const {
    return number >= 0 && number < kTimerCount
               ? m_tmrbTimers[static_cast<std::size_t>(number)].shownMs
               : 0;
}

std::vector<ScanEngine::TimerCounter> ScanEngine::TimersAndCounters() const {
    std::vector<TimerCounter> boxes;
    for (std::size_t i = 0; i < m_program.size(); ++i) {
        const Instr& instr = m_program[i];
        if (instr.op != Op::kTmr && instr.op != Op::kTmrb && instr.op != Op::kCtr) {
            continue;
        }
        TimerCounter box;
        box.instruction = Op::NameOf(instr.op);
        box.number = instr.a;
        box.line = instr.line;
        box.index = i;
        if (instr.op != Op::kTmrb) {
            const bool timer = instr.op == Op::kTmr;
            char word[16];
            std::snprintf(word, sizeof word, timer ? "DT%04d" : "DC%04d", instr.a);
            box.presetWord = word;
            std::snprintf(word, sizeof word, timer ? "T%03d" : "C%03d", instr.a);
            box.currentWord = word;
        }
        boxes.push_back(std::move(box));
    }
    ReadTimersAndCounters(boxes);
    return boxes;
}

bool ScanEngine::ReadTimersAndCounters(std::vector<TimerCounter>& boxes) const {
    bool changed = false;
    for (TimerCounter& box : boxes) {
        if (box.index >= m_program.size()) {
            continue;
        }
        const Instr& instr = m_program[box.index];
        const bool tmrb = instr.op == Op::kTmrb;
        const std::uint32_t current =
            tmrb ? TmrbElapsedMs(instr.a) / kTimerUnitMs[instr.kind] : m_memory.Value(instr.c, 2);
        const std::uint32_t preset = tmrb ? instr.b : m_memory.Value(instr.b, 2);
        changed = changed || current != box.current || preset != box.preset;
        box.current = current;
        box.preset = preset;
    }
    return changed;
}

bool ScanEngine::Scan() {
    if (m_stopped) {
        return false;
    }
    m_depth = 0;
    m_callDepth = 0;
    m_comOff = false;
    m_backJump = -1;
    const int size = static_cast<int>(m_program.size());
    // A scan that runs far longer than its program has met a jump or call loop.
    const std::int64_t budget = 64 * static_cast<std::int64_t>(size) + 1024;
    std::int64_t executed = 0;
    int pc = 0;
    while (pc >= 0 && pc < size) {
        if (++executed > budget) {
            StopLoop(pc);
            return false;
        }
        pc = Execute(pc);
    }
    if (pc == -2) {
        return false;
    }
    m_timeMs += m_periodMs;
    ++m_scanCount;
    return true;
}

bool ScanEngine::Stop(const Instr& instr, const std::string_view why) {
    m_stopped = true;
    m_stopMessage = Messages::Format("%1 on ladder line %2: %3",
                                     {Op::NameOf(instr.op), std::to_string(instr.line + 1), why});
    return false;
}

void ScanEngine::StopLoop(int pc) {
    if (m_backJump < 0) {
        Stop(m_program[static_cast<std::size_t>(pc)],
             Messages::Text("the scan does not reach END2 (a jump or call loop)"));
        return;
    }
    const Instr& jump = m_program[static_cast<std::size_t>(m_backJump)];
    char label[8];
    std::snprintf(label, sizeof label, "%04d", jump.a);
    Stop(jump, Messages::Format("it jumps back to LBL %1 on ladder line %2 every time, so the "
                                "scan does not reach END2 (a jump loop)",
                                {label, std::to_string(LabelLine(jump) + 1)}));
}

int ScanEngine::LabelLine(const Instr& jump) const {
    const auto label = std::find_if(m_program.begin(), m_program.end(), [&jump](const Instr& i) {
        return i.op == Op::kLbl && i.a == jump.a;
    });
    return label == m_program.end() ? jump.line : label->line;
}

void ScanEngine::Write(const Instr& instr, bool value) {
    m_memory.WriteBit(instr.a, instr.mask, value && !m_comOff);
}

int ScanEngine::Execute(int pc) {
    const Instr& instr = m_program[static_cast<std::size_t>(pc)];
    switch (instr.op) {
        case Op::kRd:
        case Op::kRdStk:
            Push(m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kRdNot:
        case Op::kRdNotStk:
            Push(!m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kAnd:
            SetTop(TopValue() && m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kAndNot:
            SetTop(TopValue() && !m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kOr:
            SetTop(TopValue() || m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kOrNot:
            SetTop(TopValue() || !m_memory.Bit(instr.a, instr.mask));
            break;
        case Op::kAndStk: {
            const bool right = Pop();
            SetTop(TopValue() && right);
            break;
        }
        case Op::kOrStk: {
            const bool right = Pop();
            SetTop(TopValue() || right);
            break;
        }
        case Op::kWrt:
            Write(instr, TopValue());
            break;
        case Op::kWrtNot:
            Write(instr, !TopValue());
            break;
        case Op::kSet:
            if (TopValue()) {
                m_memory.WriteBit(instr.a, instr.mask, true);
            }
            break;
        case Op::kRst:
            if (TopValue()) {
                m_memory.WriteBit(instr.a, instr.mask, false);
            }
            break;
        case Op::kNetworkEnd:
            m_depth = 0;
            break;
        case Op::kTmr:
            ExecuteTimer(instr);
            break;
        case Op::kTmrb:
            ExecuteTmrb(instr);
            break;
        case Op::kCtr:
            ExecuteCounter(instr);
            break;
        case Op::kDifu:
        case Op::kDifd:
            ExecuteEdge(instr);
            break;
        case Op::kComp:
        case Op::kCoin:
            ExecuteCompare(instr);
            break;
        case Op::kMovn:
        case Op::kMovb:
        case Op::kMovw:
            ExecuteMove(instr);
            break;
        case Op::kAdd:
        case Op::kSub:
            ExecuteArithmetic(instr);
            break;
        case Op::kAndf:
        case Op::kOrf:
        case Op::kEor:
        case Op::kNot:
            ExecuteLogic(instr);
            break;
        case Op::kDec:
            ExecuteDecode(instr);
            break;
        case Op::kCod:
            ExecuteCode(instr);
            break;
        case Op::kSft:
            ExecuteShift(instr);
            break;
        default:
            return ExecuteControl(instr, pc);
    }
    return pc + 1;
}

int ScanEngine::ExecuteControl(const Instr& instr, int pc) {
    switch (instr.op) {
        case Op::kEnd2:
        case Op::kTrailer:
            return -1;
        case Op::kCom:
            m_comOff = !Pop();
            return pc + 1;
        case Op::kCome:
            m_comOff = false;
            return pc + 1;
        case Op::kJmpb:
            if (!Pop()) {
                return pc + 1;
            }
            if (instr.target <= pc) {
                m_backJump = pc;
            }
            return instr.target;
        case Op::kCall:
            if (!Pop()) {
                return pc + 1;
            }
            [[fallthrough]];
        case Op::kCallu:
            if (m_callDepth >= kCallDepth) {
                Stop(instr, Messages::Format("subprograms nested deeper than %1",
                                             {std::to_string(kCallDepth)}));
                return -2;
            }
            m_calls[static_cast<std::size_t>(m_callDepth++)] = pc + 1;
            return instr.target;
        case Op::kSpe:
            return m_callDepth > 0 ? m_calls[static_cast<std::size_t>(--m_callDepth)] : -1;
        default:  // END1, SP, LBL: markers only
            return pc + 1;
    }
}

bool ScanEngine::AdvanceTimer(TimerState& timer, bool act, std::uint64_t presetMs) {
    if (!act) {
        timer = TimerState{};
        return false;
    }
    if (!timer.running) {
        timer.running = true;
        timer.startMs = m_timeMs;
    }
    // Done is decided against the preset of this scan, so a changed preset takes effect at once.
    const auto elapsedMs = static_cast<std::uint64_t>(m_timeMs - timer.startMs);
    timer.shownMs = static_cast<std::uint32_t>(std::min<std::uint64_t>(
        std::min(elapsedMs, presetMs), std::numeric_limits<std::uint32_t>::max()));
    return elapsedMs >= presetMs;
}

void ScanEngine::ExecuteTimer(const Instr& instr) {
    const bool act = Pop();
    const std::uint32_t unit = kTimerUnitMs[instr.kind];
    const std::uint64_t presetMs = static_cast<std::uint64_t>(m_memory.Value(instr.b, 2)) * unit;
    TimerState& timer = m_timers[instr.a];
    const bool done = AdvanceTimer(timer, act, presetMs);
    m_memory.WriteValue(instr.c, 2, std::min<std::uint32_t>(timer.shownMs / unit, 0xFFFF));
    Push(done);
}

void ScanEngine::ExecuteTmrb(const Instr& instr) {
    const bool act = Pop();
    const std::uint64_t presetMs = static_cast<std::uint64_t>(instr.b) * kTimerUnitMs[instr.kind];
    Push(AdvanceTimer(m_tmrbTimers[instr.a], act, presetMs));
}

void ScanEngine::ExecuteCounter(const Instr& instr) {
    const bool act = Pop();
    const bool reset = Pop();
    const bool down = Pop();
    const std::uint32_t initial = Pop() ? 1 : 0;
    const std::uint16_t currentWord = instr.c;
    const std::uint32_t preset = m_memory.Value(instr.b, 2);
    std::uint32_t current = m_memory.Value(currentWord, 2);
    const bool rising = act && !m_counterAct[instr.a];
    m_counterAct[instr.a] = act;
    if (reset) {
        m_memory.WriteValue(currentWord, 2, down ? preset : initial);
        Push(false);
        return;
    }
    if (rising && !down) {
        current = current >= preset ? initial : current + 1;
    } else if (rising) {
        current = current <= initial ? preset : current - 1;
    }
    m_memory.WriteValue(currentWord, 2, current);
    Push(down ? current == initial : current == preset);
}

void ScanEngine::ExecuteEdge(const Instr& instr) {
    const bool in = Pop();
    const bool before = m_edges[instr.a];
    m_edges[instr.a] = in;
    Push(instr.op == Op::kDifu ? in && !before : !in && before);
}

std::uint32_t ScanEngine::Source(const Instr& instr) const {
    const std::uint32_t value = instr.kind == 1 ? instr.b : m_memory.Value(instr.b, instr.length);
    return static_cast<std::uint32_t>(value & MaskOf(instr.length));
}

void ScanEngine::ExecuteCompare(const Instr& instr) {
    const bool act = Pop();
    const std::uint32_t input = Source(instr);
    const std::uint32_t reference = m_memory.Value(instr.a, instr.length);
    Push(act && (instr.op == Op::kComp ? input <= reference : input == reference));
}

void ScanEngine::ExecuteMove(const Instr& instr) {
    const bool act = Pop();
    Push(act);
    if (!act) {
        return;
    }
    const int count = instr.op == Op::kMovn ? instr.c : instr.length;
    std::array<std::uint8_t, 256> bytes{};
    for (int i = 0; i < count && i < static_cast<int>(bytes.size()); ++i) {
        bytes[static_cast<std::size_t>(i)] =
            instr.kind == 1 ? static_cast<std::uint8_t>(i < 2 ? instr.b >> (8 * i) : 0)
                            : m_memory.Byte(static_cast<std::uint16_t>(instr.b + i));
    }
    for (int i = 0; i < count && i < static_cast<int>(bytes.size()); ++i) {
        m_memory.WriteByte(static_cast<std::uint16_t>(instr.a + i),
                           bytes[static_cast<std::size_t>(i)]);
    }
}

void ScanEngine::ExecuteArithmetic(const Instr& instr) {
    const bool act = Pop();
    const bool reset = Pop();
    bool overflow = false;
    if (act && !reset) {
        const std::uint64_t mask = MaskOf(instr.length);
        const std::uint64_t first = m_memory.Value(instr.c, instr.length);
        const std::uint64_t second = Source(instr);
        const std::uint64_t result = instr.op == Op::kAdd ? first + second : first - second;
        overflow = instr.op == Op::kAdd ? result > mask : first < second;
        m_memory.WriteValue(instr.a, instr.length, static_cast<std::uint32_t>(result & mask));
    }
    Push(overflow);
}

void ScanEngine::ExecuteLogic(const Instr& instr) {
    const bool act = Pop();
    Push(act);
    if (!act) {
        return;
    }
    const std::uint32_t first = m_memory.Value(instr.c, instr.length);
    std::uint32_t result = 0;
    switch (instr.op) {
        case Op::kAndf:
            result = first & Source(instr);
            break;
        case Op::kOrf:
            result = first | Source(instr);
            break;
        case Op::kEor:
            result = first ^ Source(instr);
            break;
        default:  // NOT
            result = ~first;
            break;
    }
    m_memory.WriteValue(instr.a, instr.length,
                        static_cast<std::uint32_t>(result & MaskOf(instr.length)));
}

void ScanEngine::ExecuteDecode(const Instr& instr) {
    const bool act = Pop();
    Push(act);
    std::uint8_t bits = 0;
    if (act) {
        const std::uint32_t code = m_memory.Value(instr.b, instr.length);
        for (std::uint32_t k = 0; k < 8; ++k) {
            if (code == instr.c + k) {
                bits = static_cast<std::uint8_t>(1u << k);
            }
        }
    }
    m_memory.WriteByte(instr.a, bits);
}

void ScanEngine::ExecuteCode(const Instr& instr) {
    const bool act = Pop();
    const bool reset = Pop();
    bool error = false;
    if (act && !reset) {
        const std::uint32_t index = m_memory.Byte(instr.b);
        if (index < instr.c) {
            const auto entry = static_cast<std::uint16_t>(instr.d + index * instr.length);
            m_memory.WriteValue(instr.a, instr.length, m_memory.Value(entry, instr.length));
        } else {
            error = true;
        }
    }
    Push(error);
}

void ScanEngine::ExecuteShift(const Instr& instr) {
    const bool act = Pop();
    const bool reset = Pop();
    const bool fill = Pop();
    const bool right = Pop();
    bool& before = m_shiftAct[instr.c & 0x7F];
    const bool rising = act && !before;
    before = act;
    const std::uint64_t mask = MaskOf(instr.length);
    const std::uint64_t value =
        m_memory.Value(instr.a, std::min<int>(instr.length, 4)) |
        (instr.length > 4 ? static_cast<std::uint64_t>(m_memory.Value(
                                static_cast<std::uint16_t>(instr.a + 4), instr.length - 4))
                                << 32
                          : 0);
    bool out = false;
    std::uint64_t result = value;
    if (reset) {
        result = 0;
    } else if (rising) {
        const std::uint64_t topBit = std::uint64_t{1} << (8 * instr.length - 1);
        out = right ? (value & 1) != 0 : (value & topBit) != 0;
        result = ((right ? value >> 1 : value << 1) | (fill ? value : 0)) & mask;
    }
    if (result != value) {
        m_memory.WriteValue(instr.a, std::min<int>(instr.length, 4),
                            static_cast<std::uint32_t>(result));
        if (instr.length > 4) {
            m_memory.WriteValue(static_cast<std::uint16_t>(instr.a + 4), instr.length - 4,
                                static_cast<std::uint32_t>(result >> 32));
        }
    }
    Push(out);
}

}  // namespace rungpad
