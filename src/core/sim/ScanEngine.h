#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SignalMemory.h"

namespace rungpad {

class CLadConvert;
struct StepRecord;

// Runs the step list of a successful conversion scan by scan against a simulated signal memory:
// exactly the records the binary image holds, not the diagram. One scan runs level 1 (up to END1)
// and level 2 (up to END2); subprograms run through CALL and CALLU. Time is simulated (the scan
// period per scan), so runs repeat exactly. docs/simulation.md defines every instruction.
class ScanEngine {
  public:
    static constexpr int kDefaultPeriodMs = 8;
    static constexpr int kTimerCount = 128;
    static constexpr int kCounterCount = 128;
    static constexpr int kEdgeCount = 256;
    static constexpr int kStackDepth = 64;
    static constexpr int kCallDepth = 32;

    // Loads the step list and data table of converter (which must hold a complete step list).
    // Refuses, with message naming the instruction and its ladder line, any instruction whose
    // effect the simulation does not define, and a coil written with nothing on the logic stack.
    // Clears memory, time and every timer and counter.
    bool Load(const CLadConvert& converter, std::string& message);

    // Runs one scan at the current time, then advances time by the period. False when the
    // engine is stopped (not loaded, or a scan failed: StopMessage says why).
    bool Scan();

    void SetPeriodMs(int periodMs) { m_periodMs = periodMs > 0 ? periodMs : kDefaultPeriodMs; }
    int PeriodMs() const { return m_periodMs; }
    // Simulated time at which the next scan runs (scans done x period).
    std::int64_t TimeMs() const { return m_timeMs; }
    std::int64_t ScanCount() const { return m_scanCount; }
    bool IsStopped() const { return m_stopped; }
    const std::string& StopMessage() const { return m_stopMessage; }

    SignalMemory& Memory() { return m_memory; }
    const SignalMemory& Memory() const { return m_memory; }

    // Elapsed milliseconds of TMRB timer number (its current value has no signal address).
    std::uint32_t TmrbElapsedMs(int number) const;
    // The current value and preset of a TMR, TMRC (header code 0x1900, 0x4200) or CTR (0x1000)
    // box with the given number, as the memory holds them; false for other boxes and numbers.
    static bool BoxValues(std::uint16_t headerCode, int number, const SignalMemory& memory,
                          std::uint32_t& current, std::uint32_t& preset);
    // The operand of word number of a data type ("DT", "T", "DC", "C"), as the image encodes it.
    static std::uint16_t DataWord(const char* letters, int number);

    // A timer or counter box of the loaded program with its values, for the signal table.
    struct TimerCounter {
        std::string instruction;  // TMR (also TMRC), TMRB, CTR
        int number = 0;
        int line = 0;             // 0-based ladder line
        std::string presetWord;   // "DT0001", "DC0002"; empty for TMRB, whose preset is a constant
        std::string currentWord;  // "T001", "C002"; empty for TMRB
        std::uint32_t current = 0;  // elapsed time or count, in the preset's unit
        std::uint32_t preset = 0;
        std::size_t index = 0;  // where the engine keeps it
    };
    // Every timer and counter of the loaded program in step order, values as they are now.
    std::vector<TimerCounter> TimersAndCounters() const;
    // Reads the values of boxes (from TimersAndCounters of the program loaded now) again; true
    // when any changed. Cheap enough for every display frame.
    bool ReadTimersAndCounters(std::vector<TimerCounter>& boxes) const;

    // Number of records in the loaded step list (for benchmarks and tests).
    int RecordCount() const { return m_recordCount; }

  private:
    // One decoded instruction: its records folded into one entry. Field use per opcode is
    // documented at Decode.
    struct Instr {
        std::uint8_t op = 0;
        std::uint8_t kind = 0;    // resolution, length, source kind, table size ... by opcode
        std::uint8_t mask = 0;    // bit mask of a bit operand
        std::uint8_t length = 0;  // data length in bytes
        std::uint16_t a = 0;
        std::uint16_t b = 0;
        std::uint16_t c = 0;
        std::uint16_t d = 0;
        int target = -1;  // instruction index of a JMPB or CALL target
        int line = 0;     // 0-based ladder line
    };
    // A timer measures simulated time from the first execution that saw its input on, so it
    // keeps time while its code is skipped; shownMs is the elapsed time held at the preset.
    struct TimerState {
        bool running = false;
        std::int64_t startMs = 0;
        std::uint32_t shownMs = 0;
    };

    bool Decode(const CLadConvert& converter, int& step, std::string& message);
    bool DecodeGroup(const CLadConvert& converter, int& step, Instr& instr, std::string& message);
    bool ResolveTargets(const CLadConvert& converter, const std::vector<int>& stepToInstr,
                        std::string& message);
    bool Refuse(const Instr& instr, std::string_view why, std::string& message) const;
    bool CheckDefined(const Instr& instr, std::string& message) const;
    bool CheckStack(std::string& message) const;

    bool Stop(const Instr& instr, std::string_view why);
    // Stops a scan that ran out of its instruction budget at pc, naming the jump that loops.
    void StopLoop(int pc);
    // The ladder line of the LBL a JMPB goes to (its own line when none is found).
    int LabelLine(const Instr& jump) const;
    void Push(bool value) {
        if (m_depth < kStackDepth) {
            m_stack[static_cast<std::size_t>(m_depth)] = value;
        }
        ++m_depth;
    }
    bool Pop() {
        if (m_depth <= 0) {
            return false;
        }
        --m_depth;
        return m_depth < kStackDepth && m_stack[static_cast<std::size_t>(m_depth)];
    }
    bool TopValue() const {
        return m_depth > 0 && m_depth <= kStackDepth &&
               m_stack[static_cast<std::size_t>(m_depth - 1)];
    }
    void SetTop(bool value) {
        if (m_depth > 0 && m_depth <= kStackDepth) {
            m_stack[static_cast<std::size_t>(m_depth - 1)] = value;
        }
    }

    // Executes instr at pc; returns the next pc, or -1 at the end of the scan, -2 on a stop.
    int Execute(int pc);
    int ExecuteControl(const Instr& instr, int pc);
    void ExecuteTimer(const Instr& instr);
    void ExecuteTmrb(const Instr& instr);
    void ExecuteCounter(const Instr& instr);
    void ExecuteEdge(const Instr& instr);
    void ExecuteCompare(const Instr& instr);
    void ExecuteMove(const Instr& instr);
    void ExecuteArithmetic(const Instr& instr);
    void ExecuteLogic(const Instr& instr);
    void ExecuteDecode(const Instr& instr);
    void ExecuteCode(const Instr& instr);
    void ExecuteShift(const Instr& instr);
    std::uint32_t Source(const Instr& instr) const;
    void Write(const Instr& instr, bool value);
    bool AdvanceTimer(TimerState& timer, bool act, std::uint64_t presetMs);

    std::vector<Instr> m_program;
    int m_recordCount = 0;
    int m_periodMs = kDefaultPeriodMs;
    std::int64_t m_timeMs = 0;
    std::int64_t m_scanCount = 0;
    bool m_loaded = false;
    bool m_stopped = true;
    std::string m_stopMessage;
    SignalMemory m_memory;

    std::array<bool, kStackDepth> m_stack{};
    int m_depth = 0;
    std::array<int, kCallDepth> m_calls{};
    int m_callDepth = 0;
    bool m_comOff = false;
    int m_backJump = -1;  // the last JMPB of this scan that went back to an earlier label

    std::array<TimerState, kTimerCount> m_timers{};
    std::array<TimerState, kTimerCount> m_tmrbTimers{};
    std::array<bool, kCounterCount> m_counterAct{};
    std::array<bool, kEdgeCount> m_edges{};
    std::array<bool, 128> m_shiftAct{};
};

}  // namespace rungpad
