// The scan engine, running the converter's step list, against the grid evaluator, reading the
// diagram itself: on random contact networks with random inputs every coil must agree after
// every scan. A disagreement names the program, its instruction list and the scan.
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

constexpr int kPrograms = 20000;
constexpr int kScans = 12;
// Blocks nested two deep: series of parallel blocks and parallel blocks of series rows, the
// structures the converter translates faithfully (see ConverterDropsContactBeforeNestedBlock).
constexpr int kDepth = 2;

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

// One program against the oracle for kScans scans of random inputs; the first disagreement, or
// an empty text.
std::string Disagreement(const std::vector<std::string>& body, const std::vector<std::string>& coils,
                         std::mt19937& random) {
    SimProgram sim;
    if (!sim.Load(body)) {
        return {};
    }
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

class DifferentialDepth : public ::testing::TestWithParam<int> {};

TEST_P(DifferentialDepth, EngineAgreesWithGridEvaluator) {
    const int depth = GetParam();
    std::mt19937 random(20261210);
    RandomNetwork generator(
        [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }, depth);
    int converted = 0;
    int disagreements = 0;
    for (int p = 0; p < kPrograms; ++p) {
        const std::vector<std::string> body = generator.Program(1 + static_cast<int>(random() % 4));
        SimProgram probe;
        if (!probe.Load(body)) {
            continue;  // a layout the converter refuses
        }
        ++converted;
        // Inputs drawn apart from the layouts, so every depth sees the same programs whatever
        // an earlier one did.
        std::mt19937 inputs(static_cast<std::uint32_t>(p));
        const std::string problem = Disagreement(body, generator.Coils(), inputs);
        if (!problem.empty()) {
            ++disagreements;
            std::cout << "program " << p << ": " << problem;
        }
    }
    EXPECT_EQ(disagreements, 0) << " of " << converted << " converted programs";
    // The generator's layouts must mostly be ones the converter takes, or the test says little.
    EXPECT_GT(converted, kPrograms / 2) << converted << " of " << kPrograms << " converted";
    std::cout << converted << " of " << kPrograms << " random programs converted, " << disagreements << " disagreed\n";
}

INSTANTIATE_TEST_SUITE_P(Nesting, DifferentialDepth, ::testing::Values(2, 3, 4),
                         [](const auto& instance) { return "Depth" + std::to_string(instance.param); });

// Found by this comparison on deeper nesting: a contact left of a nested parallel block, with a
// lower branch from the rail joining after the block, is dropped from the coil's logic. The
// diagram reads (X0 & (X1 | X3) & X2) | X4; the converter's list leaves X0 alone on the logic
// stack (RD X0, RD X1, OR X3, RD X2, AND.STK, OR X4, WRT) so the coil ignores X0. Enable when the
// translation is mended.
TEST(Differential, DISABLED_ConverterDropsContactBeforeNestedBlock) {
    const std::vector<std::string> body = {"X000.0| X000.1| X000.2| - - - - (Y000.0)",
                                           ". X000.3 .| . . . .", "X000.4 - - . . . ."};
    for (int inputs = 0; inputs < 32; ++inputs) {
        SimProgram sim;
        ASSERT_TRUE(sim.Load(body)) << sim.message;
        SignalMemory oracle;
        sim.engine.Memory().WriteByte(0x8090, static_cast<std::uint8_t>(inputs));
        oracle.WriteByte(0x8090, static_cast<std::uint8_t>(inputs));
        ASSERT_TRUE(sim.engine.Scan());
        GridEvaluator::RunCoilNetworks(sim.program, oracle);
        EXPECT_EQ(sim.engine.Memory().Bit(0x80D0, 1), oracle.Bit(0x80D0, 1)) << "inputs " << inputs;
    }
}

}  // namespace

}  // namespace rungpad::test
