// What each instruction does when simulated: small programs driven by a stimulus, checked against
// the trace of their watched signals (docs/simulation.md defines the effects).
#include <gtest/gtest.h>

#include "SimFixture.h"

namespace rungpad::test {

namespace {

struct SemanticsCase {
    const char* name;
    std::vector<std::string> body;   // before END1
    std::vector<std::string> after;  // after END2 (subprograms)
    const char* stimulus;
    const char* watch;
    int scans;
    const char* trace;  // every watched value at 0 ms, then each change, 8 ms a scan
};

const std::vector<SemanticsCase> kSemantics = {
    // RD, OR, AND.NOT and WRT make a latch; WRT.NOT writes the inverse.
    {"latch_and_negated_coil",
     {"X000.0| /X000.1 - - - - - (Y000.0)", "Y000.0", "", "X000.2 - - - - - - (/Y000.1)"},
     {},
     "8ms X000.0=1\n16ms X000.0=0\n24ms X000.2=1\n32ms X000.1=1\n",
     "Y000.0,Y000.1",
     6,
     "0ms Y000.0=0\n0ms Y000.1=1\n8ms Y000.0=1\n24ms Y000.1=0\n32ms Y000.0=0\n"},
    // X0 & (X1 | X2) & X3 through AND.STK; X4 & X5 | X6 & X7 through OR.STK.
    {"logic_stack",
     {"X000.0| X000.1| X000.3 - - - - (Y000.0)", ". X000.2", "",
      "X000.4 X000.5| - - - - - (Y000.1)", "X000.6 X000.7"},
     {},
     "0ms X000.0=1\n0ms X000.3=1\n8ms X000.2=1\n16ms X000.0=0\n24ms X000.6=1\n32ms X000.7=1\n"
     "40ms X000.6=0\n",
     "Y000.0,Y000.1",
     6,
     "0ms Y000.0=0\n0ms Y000.1=0\n8ms Y000.0=1\n16ms Y000.0=0\n32ms Y000.1=1\n40ms Y000.1=0\n"},
    // SET and RST hold their bit after their input goes off.
    {"set_and_reset_hold",
     {"X000.0 - - [SET:R100.0] - - -", "X000.1 - - [RST:R100.0] - - -"},
     {},
     "8ms X000.0=1\n16ms X000.0=0\n32ms X000.1=1\n40ms X000.1=0\n",
     "R100.0",
     7,
     "0ms R100.0=0\n8ms R100.0=1\n32ms R100.0=0\n"},
    // DIFU is on for exactly the scan of the rising edge, DIFD for that of the falling edge.
    {"edges_last_one_scan",
     {"X000.0 [DIFU:0001] - - - - (R100.0)", "X000.0 [DIFD:0002] - - - - (R100.1)"},
     {},
     "8ms X000.0=1\n40ms X000.0=0\n",
     "R100.0,R100.1",
     8,
     "0ms R100.0=0\n0ms R100.1=0\n8ms R100.0=1\n16ms R100.0=0\n40ms R100.1=1\n48ms R100.1=0\n"},
    // TMR: preset in DT (ms), elapsed in T; on at the first scan 24 ms after its input came on.
    {"tmr_reaches_preset",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"},
     {},
     "0ms DT0001=24\n8ms X000.0=1\n64ms X000.0=0\n",
     "R100.0,T001",
     9,
     "0ms R100.0=0\n0ms T001=0\n16ms T001=8\n24ms T001=16\n32ms R100.0=1\n32ms T001=24\n"
     "64ms R100.0=0\n64ms T001=0\n"},
    // A preset lowered below the elapsed time: the timer is done and its value is the preset.
    {"tmr_preset_lowered_while_timing",
     {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"},
     {},
     "0ms DT0001=40\n0ms X000.0=1\n24ms DT0001=8\n",
     "R100.0,T001",
     5,
     "0ms R100.0=0\n0ms T001=0\n8ms T001=8\n16ms T001=16\n24ms R100.0=1\n24ms T001=8\n"},
    // TMRC resolution 1 counts in 10 ms units: preset 3 is 30 ms.
    {"tmrc_counts_in_its_resolution",
     {"X000.0 - - [TMRC:1:0002] - (R100.1)", ". . . # # #"},
     {},
     "0ms DT0002=3\n8ms X000.0=1\n",
     "R100.1,T002",
     6,
     "0ms R100.1=0\n0ms T002=0\n24ms T002=1\n32ms T002=2\n40ms R100.1=1\n40ms T002=3\n"},
    // TMRB carries its preset as a constant (resolution 0: ms).
    {"tmrb_constant_preset",
     {"X000.0 - - [TMRB:0:0003:0020] (R100.2)", ". . . # # # #"},
     {},
     "8ms X000.0=1\n",
     "R100.2",
     5,
     "0ms R100.2=0\n32ms R100.2=1\n"},
    // CTR rows: initial value, down, reset, count. Up to the preset in DC, then round to 0.
    {"ctr_counts_rising_edges_and_resets",
     {"X000.2 [CTR:0002] - - - - (R100.1)", "X000.3 #", "X000.4 #", "X000.5 #"},
     {},
     "0ms DC0002=2\n8ms X000.5=1\n16ms X000.5=0\n24ms X000.5=1\n32ms X000.5=0\n40ms X000.5=1\n"
     "48ms X000.5=0\n56ms X000.5=1\n64ms X000.4=1\n",
     "R100.1,C002",
     10,
     "0ms R100.1=0\n0ms C002=0\n8ms C002=1\n24ms R100.1=1\n24ms C002=2\n40ms R100.1=0\n"
     "40ms C002=0\n56ms C002=1\n64ms C002=0\n"},
    // Counting down from the preset to the initial value 1, then round to the preset.
    {"ctr_counts_down",
     {"X000.2 [CTR:0002] - - - - (R100.1)", "X000.3 #", "X000.4 #", "X000.5 #"},
     {},
     "0ms DC0002=2\n0ms X000.2=1\n0ms X000.3=1\n0ms X000.4=1\n8ms X000.4=0\n16ms X000.5=1\n"
     "24ms X000.5=0\n32ms X000.5=1\n",
     "R100.1,C002",
     5,
     "0ms R100.1=0\n0ms C002=2\n16ms R100.1=1\n16ms C002=1\n32ms R100.1=0\n32ms C002=2\n"},
    // COM off: the coils up to COME are written 0; the coil after COME is not affected.
    {"com_switches_coils_off",
     {"X000.0 - - - [COM] - - -", "X000.1 - - - - - - (Y000.1)", "- - - - [COME] - - -",
      "X000.1 - - - - - - (Y000.2)"},
     {},
     "0ms X000.1=1\n16ms X000.0=1\n32ms X000.0=0\n",
     "Y000.1,Y000.2",
     5,
     "0ms Y000.1=0\n0ms Y000.2=1\n16ms Y000.1=1\n32ms Y000.1=0\n"},
    // JMPB skips to its label: the skipped coil keeps its state.
    {"jmpb_skips",
     {"X000.0 - - [JMPB:0001] - - -", "X000.1 - - - - - - (Y000.1)", "- - - - [LBL:0001] - -",
      "X000.1 - - - - - - (Y000.2)"},
     {},
     "0ms X000.1=1\n8ms X000.0=1\n16ms X000.1=0\n24ms X000.0=0\n",
     "Y000.1,Y000.2",
     4,
     "0ms Y000.1=1\n0ms Y000.2=1\n16ms Y000.2=0\n24ms Y000.1=0\n"},
    // CALL runs its subprogram while its input is on; the subprogram's coils then hold.
    {"call_runs_subprogram",
     {"X000.0 - - - [CALL:0001] - -"},
     {"- - - - [SP:0001] - -", "X000.1 - - - - - - (Y000.2)", "- - - - [SPE] - - -"},
     "0ms X000.1=1\n8ms X000.0=1\n16ms X000.1=0\n24ms X000.0=0\n32ms X000.1=1\n",
     "Y000.2",
     5,
     "0ms Y000.2=0\n8ms Y000.2=1\n16ms Y000.2=0\n"},
    {"callu_runs_every_scan",
     {"- - - - [CALLU:0002] - -"},
     {"- - - - [SP:0002] - -", "X000.1 - - - - - - (Y000.3)", "- - - - [SPE] - - -"},
     "8ms X000.1=1\n",
     "Y000.3",
     2,
     "0ms Y000.3=0\n8ms Y000.3=1\n"},
    // Binary addition of 2-byte words (R100/R101 + 10): its output is the carry; RST clears it.
    {"add_with_carry",
     {"X000.1 - [ADD:0002:R100:0010:R102] (R110.0)", "X000.0 - # # # # #"},
     {},
     "0ms R100=5\n8ms X000.0=1\n16ms R101=255\n24ms R100=250\n32ms X000.1=1\n",
     "R102,R103,R110.0",
     5,
     "0ms R102=0\n0ms R103=0\n0ms R110.0=0\n8ms R102=15\n16ms R103=255\n24ms R102=4\n"
     "24ms R103=0\n24ms R110.0=1\n32ms R110.0=0\n"},
    // Subtraction of an address operand (format 1001): a borrow sets the output.
    {"sub_with_borrow",
     {"X000.1 - [SUB:1001:R100:R101:R102] (R110.0)", "X000.0 - # # # # #"},
     {},
     "0ms R100=7\n0ms R101=5\n0ms X000.0=1\n8ms R101=9\n",
     "R102,R110.0",
     2,
     "0ms R102=2\n0ms R110.0=0\n8ms R102=254\n8ms R110.0=1\n"},
    // COMP: on while the input (constant 100) is at most the comparison byte.
    {"comp_less_or_equal",
     {"X000.0 - - [COMP:0001:0100:R120] (R110.0)", ". . . # # # #"},
     {},
     "0ms R120=99\n0ms X000.0=1\n8ms R120=100\n16ms X000.0=0\n",
     "R110.0",
     3,
     "0ms R110.0=0\n8ms R110.0=1\n16ms R110.0=0\n"},
    // COIN: on while two words are equal.
    {"coin_equal_words",
     {"X000.0 - - [COIN:1002:D010:D012] (R110.1)", ". . . # # # #"},
     {},
     "0ms X000.0=1\n0ms D010=300\n8ms D012=300\n16ms D012=301\n",
     "R110.1",
     3,
     "0ms R110.1=0\n8ms R110.1=1\n16ms R110.1=0\n"},
    // MOVN moves its byte count, no more.
    {"movn_moves_bytes",
     {"X000.0 - - [MOVN:0003:R130:R140] (R110.2)", ". . . # # # #"},
     {},
     "0ms R130=1\n0ms R131=2\n0ms R132=3\n0ms R133=4\n8ms X000.0=1\n",
     "R140,R141,R142,R143",
     2,
     "0ms R140=0\n0ms R141=0\n0ms R142=0\n0ms R143=0\n8ms R140=1\n8ms R141=2\n8ms R142=3\n"},
    // MOVB of a constant byte, MOVW of a word.
    {"movb_and_movw",
     {"X000.0 - - [MOVB:0077:R150] - (R110.3)", ". . . # # #",
      "X000.0 - - [MOVW:D020:D022] - (R110.4)", ". . . # # #"},
     {},
     "0ms D020=1234\n8ms X000.0=1\n",
     "R150,D022",
     2,
     "0ms R150=0\n0ms D022=0\n8ms R150=77\n8ms D022=1234\n"},
    // DEC sets bit k of its result byte when the code equals the decode value + k.
    {"dec_decodes_eight_values",
     {"X000.0 - [DEC:0001:R160:0003:R161] -", ". . # # # # #"},
     {},
     "0ms R160=5\n8ms X000.0=1\n16ms R160=10\n24ms X000.0=0\n",
     "R161",
     4,
     "0ms R161=0\n8ms R161=4\n16ms R161=128\n24ms R161=0\n"},
    // COD looks its input up in the CODT table; an index beyond the table sets the output.
    {"cod_table_lookup",
     {"X000.1 [COD:1:6:R010:R012] - (R110.5)", "X000.0 # # # # #",
      "CODT 00010 00020 00030 00040 00050 00060"},
     {},
     "0ms R010=2\n0ms X000.0=1\n8ms R010=5\n16ms R010=6\n24ms X000.1=1\n",
     "R012,R110.5",
     4,
     "0ms R012=30\n0ms R110.5=0\n8ms R012=60\n16ms R110.5=1\n24ms R110.5=0\n"},
    // NOT, EOR, ANDF and ORF of one byte, with constants and an address.
    {"bitwise_logic",
     {"X000.0 - - [NOT:0001:R170:R171] -", ". . . # # # #", "X000.0 - [EOR:0001:R170:0255:R172] -",
      ". . # # # # #", "X000.0 - [ANDF:0001:R170:0060:R173] -", ". . # # # # #",
      "X000.0 - [ORF:1001:R170:R174:R175] -", ". . # # # # #"},
     {},
     "0ms R170=15\n0ms R174=240\n8ms X000.0=1\n",
     "R171,R172,R173,R175",
     2,
     "0ms R171=0\n0ms R172=0\n0ms R173=0\n0ms R175=0\n8ms R171=240\n8ms R172=240\n"
     "8ms R173=12\n8ms R175=255\n"},
    // SFT rows: direction, fill, reset, shift. Two bytes shift one bit per rising edge; the
    // output is the bit shifted out.
    {"sft_shifts_on_rising_edges",
     {"X000.0 [SFT:R200:0002] - - - (R110.6)", "X000.1 # # #", "X000.2 # # #", "X000.3 # # #"},
     {},
     "0ms R201=128\n0ms R200=1\n8ms X000.3=1\n16ms X000.3=0\n24ms X000.3=1\n32ms X000.3=0\n"
     "32ms X000.0=1\n40ms X000.3=1\n48ms X000.2=1\n",
     "R200,R201,R110.6",
     7,
     "0ms R200=1\n0ms R201=128\n0ms R110.6=0\n8ms R200=2\n8ms R201=0\n8ms R110.6=1\n"
     "16ms R110.6=0\n24ms R200=4\n40ms R200=2\n48ms R200=0\n"},
    // With fill on, a left shift keeps the bits it moves from.
    {"sft_fill",
     {"X000.0 [SFT:R200:0001] - - - (R110.6)", "X000.1 # # #", "X000.2 # # #", "X000.3 # # #"},
     {},
     "0ms R200=1\n0ms X000.1=1\n8ms X000.3=1\n16ms X000.3=0\n24ms X000.3=1\n",
     "R200",
     4,
     "0ms R200=1\n8ms R200=3\n24ms R200=7\n"},
};

void PrintTo(const SemanticsCase& c, std::ostream* os) {
    *os << c.name;
}

class SemanticsTest : public ::testing::TestWithParam<SemanticsCase> {};

TEST_P(SemanticsTest, TraceMatches) {
    const SemanticsCase& c = GetParam();
    SimProgram sim;
    ASSERT_TRUE(sim.Load(c.body, c.after)) << sim.message;
    EXPECT_EQ(sim.Trace(c.stimulus, c.watch, c.scans), c.trace);
}

INSTANTIATE_TEST_SUITE_P(Instructions, SemanticsTest, ::testing::ValuesIn(kSemantics),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Instructions whose effect is not defined are refused before the first scan, by name and line.
TEST(ScanEngineRefusal, NamesInstructionAndLine) {
    const struct {
        std::vector<std::string> body;
        const char* message;
    } cases[] = {
        {{"X000.0 - - - - - - (Y000.0)", "X000.0 - - [AXCTL:0005:D010] - (R110.0)",
          "X000.1 - - # # #"},
         "AXCTL on ladder line 2 cannot be simulated: its effect is not defined for simulation"},
        {{"X000.0 [ROT:D000:D001:D002:R100] - (R110.0)", "X000.1 # # # # #", "X000.2 # # # # #",
          "X000.3 # # # # #", "X000.4 # # # # #"},
         "ROT on ladder line 1 cannot be simulated: its effect is not defined for simulation"},
        {{"X000.0 [DSCH:0002:D000:D002:D004:D006] (R110.0)", "X000.1 # # # # # #",
          "X000.2 # # # # # #"},
         "DSCH on ladder line 1 cannot be simulated: its effect is not defined for simulation"},
        {{"X000.0 [XMOV:0002:D000:D002:D004:D006] (R110.0)", "X000.1 # # # # # #",
          "X000.2 # # # # # #"},
         "XMOV on ladder line 1 cannot be simulated: its effect is not defined for simulation"},
        {{"X000.0 [SFT:R200:1002] - - - (R110.6)", "X000.1 # # #", "X000.2 # # #", "X000.3 # # #"},
         "SFT on ladder line 1 cannot be simulated: a format of 1000 or more has no defined "
         "effect"},
        {{"X000.1 - [ADD:1000:R100:R101:R102] (R110.0)", "X000.0 - # # # # #"},
         "ADD on ladder line 1 cannot be simulated: data length 0 in its format is not 1, 2 or 4 "
         "bytes"},
    };
    for (const auto& c : cases) {
        SimProgram sim;
        EXPECT_FALSE(sim.Load(c.body));
        EXPECT_EQ(sim.message, c.message);
        EXPECT_TRUE(sim.engine.IsStopped());
        EXPECT_FALSE(sim.engine.Scan());
    }
}

// A step list that writes a coil with nothing on the logic stack (no contact feeds it) is
// refused by name and line; a scan would have written whatever the stack held last.
TEST(ScanEngineRefusal, CoilWriteOnAnEmptyStack) {
    const struct {
        std::vector<std::pair<std::string, int>> texts;  // instruction text, 0-based line
        const char* message;
    } cases[] = {
        {{{"WRT       Y000.0", 0}, {"WRT.NOT   Y000.1", 1}, {"END1", 2}, {"END2", 3}},
         "WRT on ladder line 1 cannot be simulated: it writes a coil with nothing on the logic "
         "stack"},
        {{{"RD        X000.0", 0},
          {"WRT       Y000.0", 0},
          {"END1", 1},
          {"WRT.NOT   Y000.1", 2},
          {"END2", 3}},
         "WRT.NOT on ladder line 3 cannot be simulated: it writes a coil with nothing on the logic "
         "stack"},
        {{{"RD        X000.0", 0},
          {"AND.STK", 1},
          {"SET       Y000.0", 1},
          {"END1", 2},
          {"END2", 3}},
         "SET on ladder line 2 cannot be simulated: it writes a coil with nothing on the logic "
         "stack"},
    };
    for (const auto& c : cases) {
        LadProgram program = GridBuilder::Build({"X000.0 - - - - - - (Y000.0)"});
        CLadConvert convert(&program);
        convert.ClearErrors();
        for (const auto& [text, line] : c.texts) {
            ASSERT_TRUE(convert.AddText(text, line)) << text;
        }
        ASSERT_TRUE(convert.BuildSteps()) << convert.FormatLastError();
        ScanEngine engine;
        std::string message;
        EXPECT_FALSE(engine.Load(convert, message));
        EXPECT_EQ(message, c.message);
        EXPECT_FALSE(engine.Scan());
    }
}

TEST(ScanEngineRefusal, ProgramThatDidNotConvert) {
    LadProgram program = GridBuilder::Build({"X000.0 - - - - - - (Y000.0)"});  // no END1, END2
    CLadConvert convert(&program);
    convert.ClearErrors();
    EXPECT_EQ(convert.Convert(), CLadConvert::kPreCheckFailed);
    ScanEngine engine;
    std::string message;
    EXPECT_FALSE(engine.Load(convert, message));
    EXPECT_EQ(message, "the program has no complete step list: convert it first");
    EXPECT_FALSE(engine.Scan());
}

// A jump back to a label before it loops while its input is on: the scan is stopped, named by
// the jump that loops and its label, never hung.
TEST(ScanEngineStop, JumpLoopStopsTheRun) {
    SimProgram sim;
    ASSERT_TRUE(sim.Load({"- - - - [LBL:0001] - -", "X000.0 - - [JMPB:0001] - - -"}))
        << sim.message;
    const std::string trace = sim.Trace("16ms X000.0=1\n", "X000.0", 4);
    EXPECT_EQ(trace.substr(0, trace.find("stopped")), "0ms X000.0=0\n");
    EXPECT_EQ(trace.substr(trace.find("stopped")),
              "stopped: JMPB on ladder line 2: it jumps back to LBL 0001 on ladder line 1 every "
              "time, so the scan does not reach END2 (a jump loop)\n");
    EXPECT_EQ(sim.engine.TimeMs(), 16);
    EXPECT_TRUE(sim.engine.IsStopped());
    EXPECT_FALSE(sim.engine.Scan());
}

// Forced bits and bytes hold against the program and the stimulus until released.
TEST(ScanEngineForce, HoldsUntilReleased) {
    SimProgram sim;
    ASSERT_TRUE(sim.Load(
        {"X000.0 - - - - - - (Y000.0)", "X000.0 - - [MOVB:0255:R100] - (R110.0)", ". . . # # #"}))
        << sim.message;
    const SimSignal y = Named("Y000.0");
    const SimSignal x = Named("X000.0");
    const SimSignal r = Named("R100");
    SignalMemory& memory = sim.engine.Memory();
    x.Force(memory, 1);
    y.Force(memory, 0);
    r.Force(memory, 0x0F);
    memory.WriteBit(x.operand, x.mask, false);  // as a stimulus event would
    ASSERT_TRUE(sim.engine.Scan());
    EXPECT_EQ(y.Read(memory), 0u);
    EXPECT_EQ(r.Read(memory), 0x0Fu);
    EXPECT_TRUE(y.IsForced(memory));
    y.Release(memory);
    r.Release(memory);
    ASSERT_TRUE(sim.engine.Scan());
    EXPECT_EQ(y.Read(memory), 1u);
    EXPECT_EQ(r.Read(memory), 255u);
    EXPECT_FALSE(r.IsForced(memory));
    EXPECT_TRUE(x.IsForced(memory));
}

// Words can be forced: a forced preset holds against the stimulus, a forced T shows its forced
// value while the timer keeps time. A release leaves the value until the next write.
TEST(ScanEngineForce, WordsHoldAndReleaseLeavesTheValue) {
    SimProgram sim;
    ASSERT_TRUE(sim.Load(
        {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #", "X000.1 - - - - - - (Y000.0)"}))
        << sim.message;
    const SimSignal preset = Named("DT0001");
    const SimSignal current = Named("T001");
    const SimSignal coil = Named("Y000.0");
    SignalMemory& memory = sim.engine.Memory();
    preset.Force(memory, 16);
    current.Force(memory, 7);
    coil.Force(memory, 1);
    EXPECT_EQ(sim.Trace("0ms DT0001=100\n8ms X000.0=1\n", "R100.0,T001,DT0001,Y000.0", 5),
              "0ms R100.0=0\n0ms T001=7\n0ms DT0001=16\n0ms Y000.0=1\n24ms R100.0=1\n");
    current.Release(memory);
    preset.Release(memory);
    coil.Release(memory);
    EXPECT_EQ(current.Read(memory), 7u);
    EXPECT_EQ(coil.Read(memory), 1u);
    EXPECT_EQ(sim.Trace("", "T001,DT0001,Y000.0", 1),
              "40ms T001=16\n40ms DT0001=16\n40ms Y000.0=0\n");
}

// Runs repeat exactly: time is simulated, a reload starts from a clean memory.
TEST(ScanEngineTime, ReloadRepeatsTheRun) {
    SimProgram sim;
    ASSERT_TRUE(sim.Load({"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #"})) << sim.message;
    sim.engine.SetPeriodMs(10);
    const char* stimulus = "0ms DT0001=30\n0ms X000.0=1\n";
    const std::string first = sim.Trace(stimulus, "R100.0,T001", 5);
    EXPECT_EQ(
        first,
        "0ms R100.0=0\n0ms T001=0\n10ms T001=10\n20ms T001=20\n30ms R100.0=1\n30ms T001=30\n");
    ASSERT_TRUE(sim.engine.Load(sim.convert, sim.message));
    EXPECT_EQ(sim.engine.TimeMs(), 0);
    EXPECT_EQ(sim.Trace(stimulus, "R100.0,T001", 5), first);
}

}  // namespace

}  // namespace rungpad::test
