// Ladder test files: what the reader accepts and refuses, and what each kind of expectation
// passes and fails on a small program, window edges at exactly the boundary scan included.
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "model/FileIo.h"
#include "sim/LadderTestBench.h"
#include "sim/LadderTestFile.h"
#include "sim/LadderTestRunner.h"

namespace rungpad::test {

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    const char* outcome;  // "N cases" or the exact message
};

const std::vector<ReadCase> kReadCases = {
    {"minimal", "case a\nexpect 0ms Y000.0=0\n", "1 cases"},
    {"everything",
     "# comment\n\ncase start latch  # trailing comment\nforce X000.1=1\nset DT0001=100\n"
     "16ms X000.0=1\nexpect 16ms Y000.0=1\nexpect 0ms..2s Y000.1=0\nexpect always R100=0\n"
     "expect never Y000.2=1\nexpect Y000.0 rises within 40ms after 16ms\n"
     "expect Y000.0 falls within 1s after 2s\nrun 4s\ncase b\nexpect 0 D010=0x10\n",
     "2 cases"},
    {"empty", "# only a comment\n", "t.plt: no test case (a case starts with a line 'case NAME')"},
    {"before case", "16ms X000.0=1\n", "t.plt:1: '16ms' before the first 'case NAME' line"},
    {"unknown word", "case a\nexpekt 0ms Y000.0=1\n",
     "t.plt:2: 'expekt' is neither a time nor one of case, force, set, expect, run"},
    {"no name", "case\n", "t.plt:1: a case needs a name of 1 to 200 characters"},
    {"same name", "case a\nexpect 0ms Y000.0=0\ncase a\n", "t.plt:3: a second case named 'a'"},
    {"no expectation", "case a\n16ms X000.0=1\ncase b\nexpect 0ms Y000.0=0\n",
     "t.plt:3: case 'a' (line 1) has no expect line"},
    {"no expectation at end", "case a\n", "t.plt:1: case 'a' (line 1) has no expect line"},
    {"bad time", "case a\nexpect 12xs Y000.0=1\n",
     "t.plt:2: '12xs' is not a time such as 120ms or 2s"},
    {"bad window", "case a\nexpect 2s..1s Y000.0=1\n",
     "t.plt:2: the window 2s..1s ends before it starts"},
    {"bad window time", "case a\nexpect 0ms..x Y000.0=1\n",
     "t.plt:2: 'x' is not a time such as 120ms or 2s"},
    {"value too big", "case a\nexpect 0ms Y000.0=2\n",
     "t.plt:2: value '2' does not fit Y000.0 (0 to 1)"},
    {"two assignments", "case a\nset X000.0=1 X000.1=1\n",
     "t.plt:2: expected one SIGNAL=VALUE, found 'X000.0=1 X000.1=1'"},
    {"missing value", "case a\nexpect 0ms\n", "t.plt:2: expect needs SIGNAL=VALUE after '0ms'"},
    {"nothing to expect", "case a\nexpect\n", "t.plt:2: '' is not a time such as 120ms or 2s"},
    {"edge on a byte", "case a\nexpect R100 rises within 8ms after 0ms\n",
     "t.plt:2: expected 'expect BIT rises|falls within DURATION after TIME', found "
     "'expect R100 rises within 8ms after 0ms'"},
    {"run too short", "case a\nexpect 2s Y000.0=0\nrun 1s\n",
     "t.plt:3: case 'a' runs 1000ms but names the time 2000ms"},
    {"run of nothing", "case a\nrun 0ms\n", "t.plt:2: a run of 0ms runs no scan"},
};

TEST(LadderTestFile, ReadsGoodFilesAndNamesTheFaultOfBadOnes) {
    for (const ReadCase& c : kReadCases) {
        LadderTestFile file;
        std::string message;
        const bool ok = file.Parse(c.text, "t.plt", message);
        const std::string outcome = ok ? std::to_string(file.Cases().size()) + " cases" : message;
        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_TRUE(ok || file.Cases().empty()) << c.name << ": nothing kept from a bad file";
    }
}

TEST(LadderTestFile, KeepsWhatACaseSays) {
    LadderTestFile file;
    std::string message;
    ASSERT_TRUE(
        file.Parse("case a\nforce X000.1=1\nset DT0001=100\n16ms X000.0=1\n"
                   "expect Y000.0 rises within 40ms after 16ms\n",
                   "t.plt", message))
        << message;
    const LadderTestCase& c = file.Cases().at(0);
    EXPECT_EQ(c.forces.at(0).signal.name, "X000.1");
    EXPECT_EQ(c.initial.at(0).value, 100u);
    ASSERT_EQ(c.stimulus.Events().size(), 1u);
    EXPECT_EQ(c.stimulus.Events()[0].line, 4);
    const TestExpectation& e = c.expectations.at(0);
    EXPECT_EQ(e.kind, TestExpectation::Kind::kRises);
    EXPECT_EQ(e.fromMs, 16);
    EXPECT_EQ(e.toMs, 56);
    EXPECT_EQ(e.line, 5);
    EXPECT_EQ(c.runMs, 1056);  // the last time named and one second more
}

struct RunCase {
    const char* expect;
    const char* outcome;  // "PASS" or the failure message
};

// X000.0 goes on at 16 ms and off at 40 ms; Y000.0 (line 1) follows it in the same scan.
const std::vector<RunCase> kRunCases = {
    {"expect 16ms Y000.0=1", "PASS"},
    {"expect 23ms Y000.0=1", "PASS"},  // the scan at 16 ms is the last before 23 ms
    {"expect 15ms Y000.0=1", "expect 15ms Y000.0=1: at 8ms Y000.0 was 0; written by ladder line 1"},
    {"expect 16ms..32ms Y000.0=1", "PASS"},
    {"expect 16ms..40ms Y000.0=1",
     "expect 16ms..40ms Y000.0=1: at 40ms Y000.0 was 0; written by ladder line 1"},
    {"expect 15ms..32ms Y000.0=1",
     "expect 15ms..32ms Y000.0=1: at 8ms Y000.0 was 0; written by ladder line 1"},
    {"expect 0ms..8ms Y000.0=0", "PASS"},
    {"expect Y000.0 rises within 0ms after 16ms", "PASS"},
    {"expect Y000.0 rises within 8ms after 8ms", "PASS"},  // the rise at exactly the edge
    {"expect Y000.0 rises within 7ms after 8ms",
     "expect Y000.0 rises within 7ms after 8ms: at 8ms Y000.0 was 0, no rise since 8ms; written "
     "by ladder line 1"},
    {"expect Y000.0 rises within 1s after 24ms",
     "expect Y000.0 rises within 1s after 24ms: at 1024ms Y000.0 was 0, no rise since 24ms; "
     "written by ladder line 1"},
    {"expect Y000.0 falls within 16ms after 24ms", "PASS"},
    {"expect Y000.0 falls within 15ms after 24ms",
     "expect Y000.0 falls within 15ms after 24ms: at 32ms Y000.0 was 1, no fall since 24ms; "
     "written by ladder line 1"},
    {"expect always Y000.1=0", "PASS"},
    {"expect always Y000.0=0",
     "expect always Y000.0=0: at 16ms Y000.0 was 1; written by ladder line 1"},
    {"expect never Y000.0=1",
     "expect never Y000.0=1: at 16ms Y000.0 was 1; written by ladder line 1"},
    {"expect never Y000=2", "PASS"},
    {"expect 16ms X000.0=0",
     "expect 16ms X000.0=0: at 16ms X000.0 was 1; no coil or box writes it"},
};

class LadderTestRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_sim.Load({"X000.0 - - - - - - (Y000.0)"})) << m_sim.message;
    }

    std::string Outcome(const std::string& text) {
        LadderTestFile file;
        std::string message;
        if (!file.Parse(text, "t.plt", message)) {
            return message;
        }
        const LadderTestResult result =
            LadderTestRunner(m_sim.convert, ScanEngine::kDefaultPeriodMs).Run(file.Cases().at(0));
        return result.passed ? "PASS" : result.message;
    }

    SimProgram m_sim;
};

TEST_F(LadderTestRun, EachKindOfExpectationPassesAndFailsAtItsEdges) {
    for (const RunCase& c : kRunCases) {
        EXPECT_EQ(Outcome(std::string("case a\n16ms X000.0=1\n40ms X000.0=0\n") + c.expect),
                  c.outcome)
            << c.expect;
    }
}

TEST_F(LadderTestRun, ForcesAndInitialValuesHoldFromTheFirstScan) {
    EXPECT_EQ(Outcome("case a\nforce X000.0=1\n8ms X000.0=0\nexpect always Y000.0=1\n"), "PASS");
    EXPECT_EQ(Outcome("case a\nset X000.0=1\nexpect 0ms Y000.0=1\n"), "PASS");
}

TEST_F(LadderTestRun, EveryCaseStartsFresh) {
    LadderTestFile file;
    std::string message;
    ASSERT_TRUE(
        file.Parse("case on\nset X000.0=1\nexpect 0ms Y000.0=1\nrun 16ms\n"
                   "case off\nexpect always Y000.0=0\nrun 16ms\n",
                   "t.plt", message));
    const LadderTestRunner runner(m_sim.convert, ScanEngine::kDefaultPeriodMs);
    EXPECT_TRUE(runner.Run(file.Cases()[0]).passed);
    EXPECT_TRUE(runner.Run(file.Cases()[1]).passed);
    const LadderTestResult failed = runner.Run(file.Cases()[0]);
    EXPECT_TRUE(failed.passed);
}

TEST_F(LadderTestRun, AFailureKeepsTheTraceUpToIt) {
    LadderTestFile file;
    std::string message;
    ASSERT_TRUE(file.Parse("case a\n16ms X000.0=1\nexpect never Y000.0=1\n", "t.plt", message));
    const LadderTestResult result =
        LadderTestRunner(m_sim.convert, ScanEngine::kDefaultPeriodMs).Run(file.Cases()[0]);
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.failMs, 16);
    EXPECT_EQ(result.expectationLine, 3);
    EXPECT_EQ(result.ladderLine, 0);
    EXPECT_EQ(result.ladderColumn, 7);  // the coil
    EXPECT_EQ(result.trace.Text(), "0ms Y000.0=0\n0ms X000.0=0\n16ms Y000.0=1\n16ms X000.0=1\n");
}

TEST(LadderTestFile, ReadNamesTheFileOfAFault) {
    LadderTestFile file;
    std::string message;
    EXPECT_TRUE(file.Read(RUNGPAD_SOURCE_DIR "/examples/demo.plt", message)) << message;
    EXPECT_EQ(file.Cases().size(), 5u);
    EXPECT_FALSE(file.Read(RUNGPAD_FIXTURES "/no-such.plt", message));
    EXPECT_NE(message.find("no-such.plt"), std::string::npos) << message;
    EXPECT_TRUE(file.Cases().empty());
}

// The program the bench runs on is a copy: the original, never converted, stays as it was.
TEST(LadderTestBench, RunsACopyAndLeavesTheProgramAsItWas) {
    const LadProgram program = GridBuilder::Build(
        {"X000.0 - - - - - - (Y000.0)", "- - - - [END1] - - -", "- - - - [END2] - - -"});
    LadProgram original = program;
    LadderTestBench bench;
    std::string problem;
    ASSERT_TRUE(bench.Load(program, problem)) << problem;
    LadderTestFile file;
    ASSERT_TRUE(
        file.Parse("case on\n16ms X000.0=1\nexpect 16ms Y000.0=1\n"
                   "case off\nexpect 8ms Y000.0=1\n",
                   "t.plt", problem));
    const std::vector<LadderTestResult> results = bench.RunAll(file);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].passed);
    EXPECT_EQ(results[1].message,
              "expect 8ms Y000.0=1: at 8ms Y000.0 was 0; written by ladder line 1");
    EXPECT_TRUE(program == original);
    EXPECT_EQ(LadderTestRunner::ScansThrough(results[1].failMs, 8), 2);  // the scans at 0 and 8 ms
}

TEST(LadderTestBench, RefusesWhatDoesNotConvertOrRun) {
    LadderTestBench bench;
    std::string problem;
    EXPECT_FALSE(bench.Load(GridBuilder::Build({"X000.0 - - - - - - (Y000.0)"}), problem));
    EXPECT_FALSE(bench.IsLoaded());
    EXPECT_NE(problem.find("1"), std::string::npos) << problem;
    LadderTestFile file;
    ASSERT_TRUE(file.Parse("case a\nexpect 0ms Y000.0=0\n", "t.plt", problem));
    EXPECT_TRUE(bench.RunAll(file).empty());
}

}  // namespace

}  // namespace rungpad::test
