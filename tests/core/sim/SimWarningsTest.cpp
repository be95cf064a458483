// Warnings said before a run: presets nobody sets, events on forced signals, events after the
// last scan and values replaced before a scan sees them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RecordingHost.h"
#include "SimFixture.h"
#include "model/FileIo.h"
#include "model/LadFile.h"
#include "sim/SimWarnings.h"

namespace rungpad::test {

namespace {

std::vector<SignalAssignment> Forces(const std::vector<std::string>& texts) {
    std::vector<SignalAssignment> forces;
    std::string problem;
    for (const std::string& text : texts) {
        forces.push_back(*SignalAssignment::Parse(text, problem));
    }
    return forces;
}

Stimulus Parsed(const char* text) {
    Stimulus stimulus;
    std::string problem;
    EXPECT_TRUE(stimulus.Parse(text, problem)) << problem;
    return stimulus;
}

// Set by the stimulus (DT0002, DC0003) or a force (DT0004) is set;
// TMRB carries its preset; TMR 1 and CTR 5 are never set.
TEST(SimWarnings, PresetsNeverSet) {
    SimProgram sim;
    ASSERT_TRUE(sim.Load(
        {"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #", "X000.0 - - [TMRC:0:0002] - (R100.1)",
         ". . . # # #", "X000.2 [CTR:0003] - - - - (R100.2)", "X000.3 #", "X000.4 #", "X000.5 #",
         "X000.0 - - [TMR:0004] - - (R100.3)", ". . . # #",
         "X000.0 - - [TMRB:0:0005:0020] (R100.4)", ". . . # # # #",
         "X000.2 [CTR:0005] - - - - (R100.5)", "X000.3 #", "X000.4 #", "X000.5 #"}))
        << sim.message;
    const Stimulus stimulus = Parsed("0ms DC0003=4\n0ms DT0002=9\n");
    EXPECT_EQ(SimWarnings::Presets(sim.engine, &stimulus, Forces({"DT0004=100"})),
              (std::vector<std::string>{
                  "TMR 1 on ladder line 1: its preset DT0001 is never set, so it stays 0 and the "
                  "timer is done in the first scan its input is on",
                  "CTR 5 on ladder line 13: its preset DC0005 is never set, so it stays 0 and the "
                  "counter is at its preset from the start"}));
    // Without stimulus and force, DT0002, DC0003 and DT0004 are never set either.
    EXPECT_EQ(SimWarnings::Presets(sim.engine, nullptr, {}).size(), 5u);
}

TEST(SimWarnings, EventsOnForcedSignals) {
    const Stimulus stimulus = Parsed("0ms X000.0=1\n8ms R100=3\n16ms X000.1=1\n24ms R100.3=1\n");
    EXPECT_EQ(SimWarnings::ForcedEvents(stimulus, Forces({"X000.0=1", "R100.2=0"})),
              (std::vector<std::string>{
                  "stimulus line 1: X000.0 is forced, so the event does not change what is forced",
                  "stimulus line 2: R100 is forced, so the event does not change what is forced"}));
}

// 8 ms scans, 10 scans (the last at 72 ms): 10 and 12 ms are both applied before the scan at
// 16 ms; an equal value replaced is no loss; 80 ms is after the last scan.
TEST(SimWarnings, EventsNeverSeen) {
    const Stimulus stimulus = Parsed(
        "10ms X000.0=1\n12ms X000.0=0\n20ms X000.1=1\n24ms X000.1=1\n72ms X000.2=1\n"
        "80ms X000.2=0\n");
    EXPECT_EQ(SimWarnings::Unseen(stimulus, 8),
              (std::vector<std::string>{"stimulus line 1: X000.0=1 at 10ms is replaced at 12ms "
                                        "(line 2) before a scan sees it (a scan every 8ms)"}));
    EXPECT_EQ(SimWarnings::AfterEnd(stimulus, 8, 10),
              (std::vector<std::string>{"stimulus line 6: the event at 80ms comes after the last "
                                        "scan (72ms) and is never applied"}));
    // 2 ms scans see every event of the 41 scans up to 80 ms.
    EXPECT_TRUE(SimWarnings::Unseen(stimulus, 2).empty());
    EXPECT_TRUE(SimWarnings::AfterEnd(stimulus, 2, 41).empty());
}

// The fixture tests/fixtures/sim/warnings.plf that the rungpad-cli sim warning case reads: a
// timer whose preset the case never sets, a constant too wide, a counter. Run with
// RUNGPAD_UPDATE_FIXTURES=1 to rewrite it after a reviewed change.
TEST(SimWarnings, WarningFixtureRunsAfterSaveAndOpen) {
    const std::vector<std::string> grid = {
        "X000.0 [TMR:0001] - - - - (Y000.0)",           // 1
        ". # #",                                        // 2
        "X000.1 - [ADD:0001:R100:0300:D010] (Y000.1)",  // 3 constant 300 in a 1-byte addition
        "X000.2 - # # # # #",                           // 4
        "X000.3 [CTR:0002] - - - - (Y000.2)",           // 5
        "X000.4 #",
        "X000.5 #",
        "X000.6 #",
        "- - - - [END1] - - -",
        "- - - - [END2] - - -"};
    RecordingHost host;
    LadHeaderTexts header;
    header.version.Assign("1.0");
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, GridBuilder::Build(grid), header, "2026-01-01 00:00", host);
    const std::string path = std::string(RUNGPAD_FIXTURES) + "/sim/warnings.plf";
    std::string error;
    if (std::getenv("RUNGPAD_UPDATE_FIXTURES") != nullptr) {
        ASSERT_TRUE(FileIo::WriteFileAtomically(path, bytes, error)) << error;
    }
    std::vector<std::uint8_t> stored;
    ASSERT_TRUE(FileIo::ReadFile(path, stored, error)) << error;
    ASSERT_EQ(stored, bytes);

    // The program as the file gives it back runs with the warnings the command prints.
    SimProgram sim;
    LadHeaderTexts readHeader;
    ASSERT_TRUE(LadFile::LoadLadder(stored, "warnings.plf", sim.program, readHeader, host, host));
    sim.convert.SetProgram(&sim.program);
    sim.convert.ClearErrors();
    ASSERT_EQ(sim.convert.Convert(), CLadConvert::kConvertSucceeded);
    ASSERT_TRUE(sim.engine.Load(sim.convert, sim.message)) << sim.message;
    const Stimulus stimulus = Parsed("0ms DC0002=3\n");
    EXPECT_EQ(SimWarnings::Presets(sim.engine, &stimulus, {}),
              (std::vector<std::string>{
                  "TMR 1 on ladder line 1: its preset DT0001 is never set, so it stays 0 and the "
                  "timer is done in the first scan its input is on"}));
    // A one-byte ADD of 300 adds 44.
    EXPECT_EQ(sim.Trace("0ms R100=1\n0ms X000.2=1\n", "D010", 1), "0ms D010=45\n");
}

}  // namespace

}  // namespace rungpad::test
