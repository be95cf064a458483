// The signal table's rules: watched addresses, values and forces written from it, the timers and
// counters it lists; playing a stimulus from the middle of a run; recording a run to a file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "SimFixture.h"
#include "TempDir.h"
#include "model/AddressNotes.h"
#include "sim/SignalMemory.h"
#include "sim/VcdRecording.h"
#include "sim/VcdWriter.h"
#include "sim/WatchList.h"

namespace rungpad::test {

namespace {

TEST(WatchList, AddChecksAddressesAndTakesNotes) {
    AddressNotes notes;
    *notes.FindBitNote("X000.0") = "start";
    notes.At(AddressNotes::EntryIndex('R', 100))[AddressNotes::kByteNote] = "mode byte";
    WatchList list;
    const struct {
        const char* text;
        const char* name;     // watched as; empty when refused
        const char* outcome;  // the note, or the problem
    } cases[] = {
        {" x000.0 ", "X000.0", "start"},  // trimmed, upper case, bit note
        {"R100", "R100", "mode byte"},    // byte note
        {"DT0001", "DT0001", ""},         // words have no notes
        {"X000.0", "", "'X000.0' is watched already"},
        // One signal has one name, the program's, however it is typed.
        {"x0.0", "", "'X000.0' is watched already"},
        {"r100", "", "'R100' is watched already"},
        {"dt1", "", "'DT0001' is watched already"},
        {"y0.0", "Y000.0", ""},
        {"X1", "X001", ""},
        {"d5", "D005", ""},
        {"dc12", "DC0012", ""},
        {"", "", "type an address such as X000.0, R100 or DT0001"},
        {"X000.8", "", "'X000.8' is not a signal address"},
        {"X064.0", "", "'X064.0' is out of the address range of X"},
        {"Q1", "", "'Q1' is not a signal address"},
        {"R100.0=1", "", "'R100.0=1' is not a signal address"},
    };
    std::size_t watched = 0;
    for (const auto& c : cases) {
        std::string problem;
        const bool added = list.Add(c.text, notes, problem);
        EXPECT_EQ(added, *c.name != '\0') << c.text;
        if (added) {
            ++watched;
            EXPECT_EQ(list.Entries().back().signal.name, c.name);
            EXPECT_EQ(list.Entries().back().note, c.outcome);
        } else {
            EXPECT_EQ(problem, c.outcome) << c.text;
        }
        EXPECT_EQ(list.Entries().size(), watched);
    }
    list.Remove(0);
    list.Remove(7);  // outside: ignored
    ASSERT_EQ(list.Signals().size(), 6u);
    EXPECT_EQ(list.Signals()[0].name, "R100");
    *notes.FindBitNote("X000.0") = "";
    notes.At(AddressNotes::EntryIndex('R', 100))[AddressNotes::kByteNote] = "spindle";
    list.UpdateNotes(notes);
    EXPECT_EQ(list.Entries()[0].note, "spindle");
}

TEST(WatchList, UpdateReportsChangedValuesAndForces) {
    AddressNotes notes;
    WatchList list;
    std::string problem;
    ASSERT_TRUE(list.Add("Y000.1", notes, problem));
    ASSERT_TRUE(list.Add("D010", notes, problem));
    SignalMemory memory;
    EXPECT_FALSE(list.Update(memory));  // all 0 as the entries start
    Named("D010").Write(memory, 0x1234);
    EXPECT_TRUE(list.Update(memory));
    EXPECT_EQ(list.Entries()[1].value, 0x1234u);
    EXPECT_FALSE(list.Update(memory));
    Named("Y000.1").Force(memory, 0);  // forced at the value it has: only the mark changes
    EXPECT_TRUE(list.Update(memory));
    EXPECT_TRUE(list.Entries()[0].forced);
    EXPECT_EQ(list.Entries()[0].value, 0u);
}

TEST(WatchList, AssignWritesOrForcesWhatFits) {
    const struct {
        const char* signal;
        const char* text;
        bool force;
        bool accepted;
        std::uint32_t value;  // read back after a later plain write of 0
        const char* problem;
    } cases[] = {
        {"X000.0", "1", false, true, 0, ""},
        {"X000.0", "1", true, true, 1, ""},  // forced: the write of 0 does not take
        {"R100", "0x3f", false, true, 0, ""},
        {"R100", "200", true, true, 200, ""},
        {"DT0001", "65535", true, true, 65535, ""},  // both bytes of a word held
        {"X000.0", "2", false, false, 0, "value '2' does not fit X000.0 (0 to 1)"},
        {"R100", "256", true, false, 0, "value '256' does not fit R100 (0 to 255)"},
        {"D010", "ten", false, false, 0, "value 'ten' does not fit D010 (0 to 65535)"},
        {"D010", "", false, false, 0, "value '' does not fit D010 (0 to 65535)"},
    };
    for (const auto& c : cases) {
        SignalMemory memory;
        const SimSignal signal = Named(c.signal);
        std::string problem;
        EXPECT_EQ(WatchList::Assign(signal, c.text, c.force, memory, problem), c.accepted)
            << c.signal << "=" << c.text;
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(signal.IsForced(memory), c.accepted && c.force) << c.signal;
        if (c.accepted && !c.force) {
            EXPECT_NE(signal.Read(memory), 0u) << c.signal;
        }
        signal.Write(memory, 0);
        EXPECT_EQ(signal.Read(memory), c.value) << c.signal << "=" << c.text;
    }
    // A forced value assigned again with force moves the force.
    SignalMemory memory;
    std::string problem;
    const SimSignal r100 = Named("R100");
    ASSERT_TRUE(WatchList::Assign(r100, "7", true, memory, problem));
    ASSERT_TRUE(WatchList::Assign(r100, "9", true, memory, problem));
    r100.Write(memory, 1);
    EXPECT_EQ(r100.Read(memory), 9u);
}

// The timers and counters of a program with their values; a preset written from the table
// changes when the timer runs out.
TEST(WatchList, TimersAndCountersFollowTheRun) {
    SimProgram p;
    ASSERT_TRUE(p.Load({"X000.0 - - [TMR:0001] - - (R100.0)", ". . . # #",
                        "X000.0 - - [TMRB:1:0003:0005] (R100.2)", ". . . # # # #",
                        "X000.2 [CTR:0002] - - - - (R100.1)", "X000.3 #", "X000.4 #", "X000.5 #"}))
        << p.message;
    SignalMemory& memory = p.engine.Memory();
    std::string problem;
    ASSERT_TRUE(WatchList::Assign(Named("DT0001"), "40", false, memory, problem));
    ASSERT_TRUE(WatchList::Assign(Named("DC0002"), "3", false, memory, problem));
    Named("X000.0").Write(memory, 1);
    Named("X000.5").Write(memory, 1);
    for (int scan = 0; scan < 4; ++scan) {
        ASSERT_TRUE(p.engine.Scan());
    }
    std::vector<ScanEngine::TimerCounter> boxes = p.engine.TimersAndCounters();
    ASSERT_EQ(boxes.size(), 3u);
    const struct {
        const char* instruction;
        int number;
        int line;
        const char* presetWord;
        const char* currentWord;
        std::uint32_t current;
        std::uint32_t preset;
    } expected[] = {
        {"TMR", 1, 0, "DT0001", "T001", 24, 40},  // 8 ms a scan after the first
        {"TMRB", 3, 2, "", "", 2, 5},             // 24 ms in 10 ms units
        {"CTR", 2, 4, "DC0002", "C002", 1, 3},    // one rising edge
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].instruction, expected[i].instruction);
        EXPECT_EQ(boxes[i].number, expected[i].number);
        EXPECT_EQ(boxes[i].line, expected[i].line);
        EXPECT_EQ(boxes[i].presetWord, expected[i].presetWord);
        EXPECT_EQ(boxes[i].currentWord, expected[i].currentWord);
        EXPECT_EQ(boxes[i].current, expected[i].current) << boxes[i].instruction;
        EXPECT_EQ(boxes[i].preset, expected[i].preset) << boxes[i].instruction;
    }
    // Lowering the preset below the elapsed time lets the timer run out in the next scan; its
    // current value stops at the new preset.
    EXPECT_EQ(Named("R100.0").Read(memory), 0u);
    ASSERT_TRUE(
        WatchList::Assign(Named(boxes[0].presetWord.c_str()), "16", false, memory, problem));
    ASSERT_TRUE(p.engine.Scan());
    EXPECT_EQ(Named("R100.0").Read(memory), 1u);
    EXPECT_EQ(p.engine.TimersAndCounters()[0].current, 16u);
    // The list read again in place (as every display frame does) follows the run.
    EXPECT_TRUE(p.engine.ReadTimersAndCounters(boxes));
    EXPECT_EQ(boxes[0].preset, 16u);
    EXPECT_EQ(boxes[1].current, 3u);  // TMRB: 32 ms
    EXPECT_FALSE(p.engine.ReadTimersAndCounters(boxes));
}

// A stimulus given to a runner in the middle of a run plays from then on: its times count from
// the scan at which it was given.
TEST(SimRunner, StimulusGivenLatePlaysFromThen) {
    SimProgram p;
    ASSERT_TRUE(p.Load({"X000.0 - - - - - - (Y000.0)"})) << p.message;
    Stimulus stimulus;
    std::string problem;
    ASSERT_TRUE(stimulus.Parse("0ms X000.0=1\n16ms X000.0=0\n", problem)) << problem;
    SimTrace trace({Named("Y000.0")});
    SimRunner runner(p.engine);
    runner.SetTrace(&trace);
    ASSERT_TRUE(runner.Run(5));  // 0 to 32 ms without stimulus
    runner.SetStimulus(&stimulus);
    ASSERT_TRUE(runner.Run(4));
    runner.SetStimulus(nullptr);
    Named("X000.0").Write(p.engine.Memory(), 1);
    ASSERT_TRUE(runner.Run(1));
    EXPECT_EQ(trace.Text(), "0ms Y000.0=0\n40ms Y000.0=1\n56ms Y000.0=0\n72ms Y000.0=1\n");
}

TEST(VcdRecording, WritesTheDumpOrLeavesTheOldFile) {
    TempDir dir;
    SimTrace expected({Named("Y000.0"), Named("R100")});
    VcdRecording recording(dir.File("run.vcd"), {Named("Y000.0"), Named("R100")}, {"lamp", ""});
    SignalMemory memory;
    for (std::int64_t time = 0; time < 40; time += 8) {
        Named("R100").Write(memory, static_cast<std::uint32_t>(time / 16));
        recording.Trace().Sample(time, memory);
        expected.Sample(time, memory);
    }
    std::string error;
    ASSERT_TRUE(recording.Write(40, error)) << error;
    EXPECT_EQ(TempDir::Read(dir.File("run.vcd")), VcdWriter::Write(expected, {"lamp", ""}, 40));
    EXPECT_NE(TempDir::Read(dir.File("run.vcd")).find("Y000_0_lamp"), std::string::npos);

    // Unwritable targets: a missing directory, a directory, a read-only directory's file.
    const std::string kept = dir.Write("kept.vcd", "old");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    const bool root = ::access(dir.File("probe").c_str(), F_OK) != 0 && ::geteuid() == 0;
    for (const std::string& path : {dir.File("missing/run.vcd"), dir.Path().string(), kept}) {
        if (path == kept && root) {
            continue;  // root writes into a read-only directory
        }
        VcdRecording bad(path, {Named("Y000.0")}, {});
        EXPECT_FALSE(bad.Write(8, error)) << path;
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    EXPECT_EQ(TempDir::Read(kept), "old");
}

}  // namespace

}  // namespace rungpad::test
