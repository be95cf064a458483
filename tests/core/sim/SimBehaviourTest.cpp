// The simulation's behaviour where controllers differ or an engineer could be surprised: timers
// in skipped code and with changed presets, counters at the edges of their range, writes to
// timer and counter words, shared memory, repeated writes and levels. Each case is a small
// program with its exact trace, 8 ms a scan (docs/simulation.md explains each rule).
#include <gtest/gtest.h>

#include "SimFixture.h"

namespace rungpad::test {

namespace {

struct BehaviourCase {
    const char* name;
    std::vector<std::string> body;    // level 1
    std::vector<std::string> level2;  // between END1 and END2
    std::vector<std::string> after;   // after END2 (subprograms)
    const char* stimulus;
    const char* watch;
    int scans;
    const char* trace;
};

// CTR rows: initial value, down, reset, count.
const std::vector<std::string> kCounter = {"X000.2 [CTR:0002] - - - - (R100.1)", "X000.3 #",
                                           "X000.4 #", "X000.5 #"};

const std::vector<BehaviourCase> kBehaviour = {
    // One timing rule for all three timers: 20 ms from the first scan that sees the input is
    // three scans and a bit, so on in the fourth scan after it.
    {"timers_share_one_rule",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #", "X000.0 - - [TMRC:0:0002] - (R100.1)",
      ". . . # # #", "X000.0 - - [TMRB:0:0003:0020] (R100.2)", ". . . # # # #"},
     {},
     {},
     "0ms DT0001=20\n0ms DT0002=20\n8ms X000.0=1\n",
     "R100.0,R100.1,R100.2",
     5,
     "0ms R100.0=0\n0ms R100.1=0\n0ms R100.2=0\n32ms R100.0=1\n32ms R100.1=1\n32ms R100.2=1\n"},
    // A preset never set is 0: done in the first scan that sees the input.
    {"preset_zero_is_done_at_once",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"},
     {},
     {},
     "8ms X000.0=1\n",
     "R100.0",
     3,
     "0ms R100.0=0\n8ms R100.0=1\n"},
    // A subprogram called every other scan: its timer still measures simulated time.
    {"timer_in_subprogram_called_every_other_scan",
     {"/R100.0 - - - - - - (R100.0)", "R100.0 - - - [CALL:0001] - -"},
     {},
     {"- - - - [SP:0001] - -", "X000.0 - - [TMR:0001] - - (R101.0)", ". . . # #",
      "- - - - [SPE] - - -"},
     "0ms DT0001=40\n0ms X000.0=1\n",
     "R101.0,T001",
     8,
     "0ms R101.0=0\n0ms T001=0\n16ms T001=16\n32ms T001=32\n48ms R101.0=1\n48ms T001=40\n"},
    // A timer jumped over keeps time; its output and T change when it runs again.
    {"timer_in_jumped_range_keeps_time",
     {"X000.1 - - [JMPB:0001] - - -", "X000.0 - - [TMR:0001] - - (R101.0)", ". . . # #",
      "- - - - [LBL:0001] - -"},
     {},
     {},
     "0ms DT0001=40\n0ms X000.0=1\n8ms X000.1=1\n56ms X000.1=0\n",
     "R101.0,T001",
     8,
     "0ms R101.0=0\n0ms T001=0\n56ms R101.0=1\n56ms T001=40\n"},
    // The preset is read every scan against the time since the input came on: raised above
    // the elapsed time the output drops until the new preset is reached; lowered, T stops at it.
    {"preset_raised_after_done_then_lowered",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"},
     {},
     {},
     "0ms DT0001=20\n8ms X000.0=1\n40ms DT0001=48\n64ms DT0001=16\n",
     "R100.0,T001",
     10,
     "0ms R100.0=0\n0ms T001=0\n16ms T001=8\n24ms T001=16\n32ms R100.0=1\n32ms T001=20\n"
     "40ms R100.0=0\n40ms T001=32\n48ms T001=40\n56ms R100.0=1\n56ms T001=48\n64ms T001=16\n"},
    // The edge memory starts at 0: an input already on in the first scan counts.
    {"counter_input_on_in_first_scan_counts",
     kCounter,
     {},
     {},
     "0ms DC0002=5\n0ms X000.5=1\n",
     "C002",
     2,
     "0ms C002=1\n"},
    // An edge while RST is on is not counted once RST goes off.
    {"counter_edge_during_reset_is_lost",
     kCounter,
     {},
     {},
     "0ms DC0002=5\n8ms X000.4=1\n16ms X000.5=1\n24ms X000.4=0\n32ms X000.5=0\n40ms X000.5=1\n",
     "C002",
     7,
     "0ms C002=0\n40ms C002=1\n"},
    // A count above the preset: counting up goes round to the initial value ...
    {"counter_above_preset_counting_up",
     kCounter,
     {},
     {},
     "0ms DC0002=2\n0ms C002=7\n8ms X000.5=1\n",
     "C002",
     2,
     "0ms C002=7\n8ms C002=0\n"},
    // ... counting down just decrements.
    {"counter_above_preset_counting_down",
     kCounter,
     {},
     {},
     "0ms DC0002=2\n0ms C002=7\n0ms X000.3=1\n8ms X000.5=1\n",
     "C002",
     2,
     "0ms C002=7\n8ms C002=6\n"},
    // A down counter never reset starts at 0 = its initial value: on, and the first pulse
    // goes round to the preset.
    {"down_counter_never_reset",
     kCounter,
     {},
     {},
     "0ms DC0002=3\n0ms X000.3=1\n8ms X000.5=1\n16ms X000.5=0\n24ms X000.5=1\n",
     "R100.1,C002",
     4,
     "0ms R100.1=1\n0ms C002=0\n8ms R100.1=0\n8ms C002=3\n24ms C002=2\n"},
    // T is the timer's output: a written value is replaced when the TMR runs in that scan.
    {"t_written_is_replaced_by_its_timer",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"},
     {},
     {},
     "0ms DT0001=100\n8ms T001=5\n",
     "T001",
     3,
     "0ms T001=0\n"},
    // C is the counter's memory: a written count stays and counting goes on from it.
    {"c_written_is_kept_by_its_counter",
     kCounter,
     {},
     {},
     "0ms DC0002=5\n8ms C002=3\n16ms X000.5=1\n",
     "C002",
     3,
     "0ms C002=0\n8ms C002=3\n16ms C002=4\n"},
    // T128 and above are the bytes of C000 and above.
    {"t128_is_c000",
     {"X000.0 - - - - - - (Y000.0)"},
     {},
     {},
     "8ms T128=5\n",
     "C000",
     2,
     "0ms C000=0\n8ms C000=5\n"},
    // The same bit written twice in a scan (a coil, then RST): the later write wins.
    {"later_write_wins",
     {"X000.0 - - - - - - (R100.0)", "X000.1 - - [RST:R100.0] - - -"},
     {},
     {},
     "8ms X000.0=1\n16ms X000.1=1\n24ms X000.0=0\n",
     "R100.0",
     4,
     "0ms R100.0=0\n8ms R100.0=1\n16ms R100.0=0\n"},
    // ADD with ACT off leaves its result as it was and its output 0.
    {"add_with_act_off_keeps_its_result",
     {"X000.1 - [ADD:0002:R100:0010:R102] (R110.0)", "X000.0 - # # # # #"},
     {},
     {},
     "0ms R100=5\n8ms X000.0=1\n16ms X000.0=0\n16ms R100=7\n",
     "R102,R110.0",
     3,
     "0ms R102=0\n0ms R110.0=0\n8ms R102=15\n"},
    // Overlapping MOVN copies the source as it was before the first byte was written.
    {"overlapping_movn_copies_a_snapshot",
     {"X000.0 - - [MOVN:0003:R130:R131] (R110.2)", ". . . # # # #"},
     {},
     {},
     "0ms R130=1\n0ms R131=2\n0ms R132=3\n8ms X000.0=1\n",
     "R131,R132,R133",
     2,
     "0ms R131=2\n0ms R132=3\n0ms R133=0\n8ms R131=1\n8ms R132=2\n8ms R133=3\n"},
    // A format 3 held by a file (entry refuses it) reads four bytes.
    {"format_3_reads_four_bytes",
     {"X000.1 - [ADD:0003:R100:0001:R104] (R110.0)", "X000.0 - # # # # #"},
     {},
     {},
     "0ms R100=255\n0ms R101=255\n0ms R102=255\n8ms X000.0=1\n",
     "R106,R107",
     2,
     "0ms R106=0\n0ms R107=0\n8ms R107=1\n"},
    // A pulse that starts and ends between two scans is never seen by the program.
    {"pulse_between_scans_is_not_seen",
     {"X000.0 - - - - - - (Y000.0)"},
     {},
     {},
     "10ms X000.0=1\n12ms X000.0=0\n",
     "Y000.0",
     4,
     "0ms Y000.0=0\n"},
    // A constant above its data length is cut to it: COMP 0001 0300 compares with 44.
    {"wide_constant_is_cut",
     {"X000.0 - - [COMP:0001:0300:R120] (R110.0)", ". . . # # # #"},
     {},
     {},
     "0ms X000.0=1\n0ms R120=43\n8ms R120=44\n",
     "R110.0",
     2,
     "0ms R110.0=0\n8ms R110.0=1\n"},
    // A constant source of MOVN gives its two bytes, low first, then zeros.
    {"movn_of_a_constant",
     {"X000.0 - - [MOVN:0003:0258:R140] (R110.2)", ". . . # # # #"},
     {},
     {},
     "0ms R142=9\n8ms X000.0=1\n",
     "R140,R141,R142",
     2,
     "0ms R140=0\n0ms R141=0\n0ms R142=9\n8ms R140=2\n8ms R141=1\n8ms R142=0\n"},
    // Level 2 runs completely in every scan.
    {"level_2_runs_every_scan",
     {"X000.0 - - - - - - (Y000.0)"},
     {"X000.0 - - - - - - (Y000.1)"},
     {},
     "8ms X000.0=1\n16ms X000.0=0\n",
     "Y000.0,Y000.1",
     3,
     "0ms Y000.0=0\n0ms Y000.1=0\n8ms Y000.0=1\n8ms Y000.1=1\n16ms Y000.0=0\n16ms Y000.1=0\n"},
};

void PrintTo(const BehaviourCase& c, std::ostream* os) {
    *os << c.name;
}

class BehaviourTest : public ::testing::TestWithParam<BehaviourCase> {};

TEST_P(BehaviourTest, TraceMatches) {
    const BehaviourCase& c = GetParam();
    std::vector<std::string> lines = c.body;
    lines.push_back("- - - - [END1] - - -");
    lines.insert(lines.end(), c.level2.begin(), c.level2.end());
    lines.push_back("- - - - [END2] - - -");
    lines.insert(lines.end(), c.after.begin(), c.after.end());
    SimProgram sim;
    ASSERT_TRUE(sim.LoadLines(lines)) << sim.message;
    EXPECT_EQ(sim.Trace(c.stimulus, c.watch, c.scans), c.trace);
}

INSTANTIATE_TEST_SUITE_P(Simulation, BehaviourTest, ::testing::ValuesIn(kBehaviour),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace

}  // namespace rungpad::test
