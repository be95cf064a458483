// The scan engine, running the converter's step list, against the grid evaluator, reading the
// diagram itself: on random contact networks (horizontal lines in parallel with contacts and
// coils without contacts among them) with random inputs every coil must agree after every scan. A
// disagreement names the program, its instruction list and the scan.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "InstructionList.h"
#include "RandomNetwork.h"
#include "SimFixture.h"
#include "model/PlcAddress.h"
#include "sim/GridEvaluator.h"

namespace rungpad::test {

namespace {

constexpr int kPrograms = 10000;
constexpr int kScans = 12;

std::string Describe(const std::vector<std::string>& body, const CLadConvert& convert) {
    std::ostringstream text;
    for (const std::string& line : body) {
        text << "  " << line << '\n';
    }
    for (const std::string& instruction : CompactTexts(convert)) {
        text << "    " << instruction << '\n';
    }
    return text.str();
}

// A loaded program against the grid evaluator for kScans scans of random inputs: the first
// disagreement, or an empty text.
std::string Disagreement(SimProgram& sim, const std::vector<std::string>& body,
                         const std::vector<std::string>& coils, std::mt19937& random) {
    SignalMemory oracle;
    for (int scan = 0; scan < kScans; ++scan) {
        for (std::uint16_t x = 0x8090; x <= 0x8091; ++x) {
            const auto value = static_cast<std::uint8_t>(random());
            sim.engine.Memory().WriteByte(x, value);
            oracle.WriteByte(x, value);
        }
        if (!sim.engine.Scan()) {
            return "stopped: " + sim.engine.StopMessage() + "\n" + Describe(body, sim.convert);
        }
        GridEvaluator::RunCoilNetworks(sim.program, oracle);
        for (const std::string& coil : coils) {
            const EncodedAddress a = PlcAddress::EncodeAddress(coil);
            if (sim.engine.Memory().Bit(a.operand, a.mask) != oracle.Bit(a.operand, a.mask)) {
                return coil + " after scan " + std::to_string(scan) + ":\n" +
                       Describe(body, sim.convert);
            }
        }
    }
    return {};
}

// The parameter bounds the nesting of series and parallel blocks.
class Differential : public ::testing::TestWithParam<int> {};

TEST_P(Differential, EngineAgreesWithGridEvaluator) {
    std::mt19937 random(20261210);
    RandomNetwork generator(
        [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); },
        GetParam());
    int converted = 0;
    int disagreements = 0;
    for (int p = 0; p < kPrograms; ++p) {
        const std::vector<std::string> body = generator.Program(1 + static_cast<int>(random() % 4));
        SimProgram sim;
        if (!sim.Load(body)) {
            // A layout the converter refuses; a converted one the engine refuses is a fault.
            EXPECT_EQ(sim.message.rfind("does not convert", 0), 0U)
                << "program " << p << ": " << sim.message << '\n'
                << Describe(body, sim.convert);
            continue;
        }
        ++converted;
        // Inputs from a generator of their own: a disagreement ends its program's scans early
        // and must not change the layouts that follow.
        std::mt19937 inputs(static_cast<std::uint32_t>(p));
        const std::string problem = Disagreement(sim, body, generator.Coils(), inputs);
        if (!problem.empty() && ++disagreements <= 5) {
            ADD_FAILURE() << "program " << p << ", " << problem;
        }
    }
    EXPECT_EQ(disagreements, 0) << "of " << converted << " converted programs";
    // The generator's layouts must mostly be ones the converter takes, or the test says little.
    EXPECT_GT(converted, kPrograms / 2) << converted << " of " << kPrograms << " converted";
}

// Blocks nested two, three and four deep.
INSTANTIATE_TEST_SUITE_P(Nesting, Differential, ::testing::Values(2, 3, 4),
                         [](const auto& instance) {
                             return "Depth" + std::to_string(instance.param);
                         });

struct NestedLayout {
    std::string name;
    std::vector<std::string> body;  // one network, coil Y000.0 on its first line
};

void PrintTo(const NestedLayout& layout, std::ostream* os) {
    *os << layout.name;
}

class DifferentialLayout : public ::testing::TestWithParam<NestedLayout> {};

// Layouts found by the random comparison on deeper nesting, each once translated wrongly: a
// contact or a branch lost, a value joined with the wrong neighbour, or a sound diagram refused.
// Every combination of the inputs they read must give the diagram's result.
TEST_P(DifferentialLayout, EveryInputAgreesWithGridEvaluator) {
    const NestedLayout& layout = GetParam();
    SimProgram sim;
    ASSERT_TRUE(sim.Load(layout.body)) << sim.message;
    for (int inputs = 0; inputs < 1 << 13; ++inputs) {
        SignalMemory oracle;
        for (std::uint16_t x = 0x8090; x <= 0x8091; ++x) {
            const auto value = static_cast<std::uint8_t>(inputs >> (8 * (x - 0x8090)));
            sim.engine.Memory().WriteByte(x, value);
            oracle.WriteByte(x, value);
        }
        ASSERT_TRUE(sim.engine.Scan()) << sim.engine.StopMessage();
        GridEvaluator::RunCoilNetworks(sim.program, oracle);
        ASSERT_EQ(sim.engine.Memory().Bit(0x80D0, 1), oracle.Bit(0x80D0, 1))
            << "inputs " << inputs << ":\n"
            << Describe(layout.body, sim.convert);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Found, DifferentialLayout,
    ::testing::Values(
        // (X0 & (X1 | X3) & X2) | X4: the branch from the rail joins the whole series, X0 too.
        NestedLayout{"ContactBeforeNestedBlockJoinsLowerBranch",
                     {"X000.0| X000.1| X000.2| - - - - (Y000.0)", ". X000.3 .| . . . .",
                      "X000.4 - - . . . ."}},
        // (X0 | X3) & (((X1 | X4) & X2) | (X5 & X6)), a parallel coil below: the lower branch
        // starts right of X0 | X3, so that value waits until the branch has joined.
        NestedLayout{"LowerBranchJoinsOnlyTheSpansRightOfIt",
                     {"X000.0| X000.1| X000.2| - - - -| (Y000.0)", "X000.3| X000.4 .| . . . .|",
                      ". X000.5 X000.6 . . . .|", ". . . . . . . (Y000.1)"}},
        // ((X0 & X1) | (X3 & X4)) & X2 | ((X5 | X10) & X6 & X7): the block on lines 3-4 is
        // not hung on the first span's edge and belongs to the later span.
        NestedLayout{"RowNotHungOnTheSpanEdgeBelongsToTheLaterSpan",
                     {"X000.0 X000.1| X000.2| - - - - (Y000.0)", "X000.3 X000.4 .| . . . .",
                      "X000.5| X000.6 X000.7 . . . .", "X001.0 . . . . . ."}},
        // A block of three parallel contacts in a branch that starts left of its span.
        NestedLayout{
            "TallBlockInABranchFromTheRail",
            {"X000.0 X000.1| X000.2| - - - - (Y000.0)", ". . X000.3| . . . .",
             "X000.4| X000.5 X000.6 . . . .", "X000.7| . . . . . .", "X001.0 . . . . . ."}},
        // A nested block whose lower branch reaches back to the block's own left edge: its
        // values are joined within the block, never with the value left of it.
        NestedLayout{"NestedBlockReopenedToItsOwnEdge",
                     {"X000.0 X000.1| X000.2 X000.3 X000.4| - - (Y000.0)",
                      "X000.5 X000.6| X000.7| X001.0| X001.1 . .", ". .| X001.2 .| . . .",
                      ". . X001.3 X001.4 . . ."}},
        // Horizontal lines beside contacts that do not bypass them: X0 | (X1 & X2), and
        // X1 & (X2 | X4) with the contact X4 on a parallel coil's line.
        NestedLayout{"LineAfterAContactInParallelWithASeries",
                     {"X000.0 -| - - - - - (Y000.0)", "X000.1 X000.2"}},
        NestedLayout{"ContactsInParallelUnderTheCoilLink",
                     {"X000.1 - - - - -| X000.2| (Y000.0)", ". . . . . . X000.4 (Y000.1)"}}),
    [](const auto& instance) { return instance.param.name; });

}  // namespace

}  // namespace rungpad::test
