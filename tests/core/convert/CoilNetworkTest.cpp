#include <gtest/gtest.h>

#include "ConvertFixture.h"

namespace rungpad {
namespace {

struct NetworkCase {
    std::string name;
    std::vector<std::string> grid;
    std::vector<std::string> texts;  // compacted: mnemonic, operand, 1-based line
    std::string error;               // "code@line" or "none"
};

void PrintTo(const NetworkCase& c, std::ostream* os) {
    *os << c.name;
}

class CoilNetworkTest : public test::ConvertFixture,
                        public ::testing::WithParamInterface<NetworkCase> {};

TEST_P(CoilNetworkTest, ConvertsExactly) {
    const NetworkCase& c = GetParam();
    const int result = ConvertGrid(c.grid);
    EXPECT_EQ(LastError(), c.error);
    EXPECT_EQ(result, c.error == "none" ? 1 : 0);
    EXPECT_EQ(BodyTexts(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CoilNetworkTest,
    ::testing::Values(
        // Two contacts in series.
        NetworkCase{"Series",
                    {"X000.0 X000.1 - - - - - (Y000.0)"},
                    {"RD X000.0 1", "AND X000.1 1", "WRT Y000.0 1"},
                    "none"},
        // A contact in parallel with the first one.
        NetworkCase{"ParallelAtStart",
                    {"X000.0| X000.1 - - - - - (Y000.0)", "X000.2"},
                    {"RD X000.0 1", "OR X000.2 2", "AND X000.1 1", "WRT Y000.0 1"},
                    "none"},
        // A parallel span after column 0 opens a new stack level.
        NetworkCase{"ParallelInTheMiddle",
                    {"X000.0| X000.1| X000.3 - - - - (Y000.0)", ". X000.2"},
                    {"RD X000.0 1", "RD X000.1 1", "OR X000.2 2", "AND.STK 1", "AND X000.3 1",
                     "WRT Y000.0 1"},
                    "none"},
        // Two series rows in parallel.
        NetworkCase{"SeriesRowsInParallel",
                    {"X000.0 X000.1| - - - - - (Y000.0)", "X000.2 X000.3"},
                    {"RD X000.0 1", "AND X000.1 1", "RD X000.2 2", "AND X000.3 2", "OR.STK 2",
                     "WRT Y000.0 1"},
                    "none"},
        // A series pair in parallel with a series pair, after a first contact.
        NetworkCase{"NestedSeriesBranch",
                    {"X000.0| X000.1 X000.4| X000.5 - - - (Y000.0)", ". X000.2 X000.3"},
                    {"RD X000.0 1", "RD X000.1 1", "AND X000.4 1", "RD X000.2 2", "AND X000.3 2",
                     "OR.STK 2", "AND.STK 1", "AND X000.5 1", "WRT Y000.0 1"},
                    "none"},
        // Three contacts in parallel in column 0.
        NetworkCase{"ThreeInParallel",
                    {"X000.0| - - - - - - (Y000.0)", "X000.1|", "X000.2"},
                    {"RD X000.0 1", "OR X000.1 2", "OR X000.2 3", "WRT Y000.0 1"},
                    "none"},
        // Parallel coils hang on links in column 6.
        NetworkCase{
            "ParallelCoils",
            {"X000.0 - - - - - -| (Y000.0)", ". . . . . . .| (Y000.1)", ". . . . . . . (/Y000.2)"},
            {"RD X000.0 1", "WRT Y000.0 1", "WRT Y000.1 2", "WRT.NOT Y000.2 3"},
            "none"},
        // A horizontal line in parallel with a contact.
        NetworkCase{"HorizontalLineInParallel",
                    {"X000.0| - - - - - - (Y000.0)", "-"},
                    {"RD X000.0 1"},
                    "1041@2"},
        // Normally closed contacts and a negated coil.
        NetworkCase{"NormallyClosed",
                    {"/X000.0| /X000.1 - - - - - (/Y000.0)", "/X000.2"},
                    {"RD.NOT X000.0 1", "OR.NOT X000.2 2", "AND.NOT X000.1 1", "WRT.NOT Y000.0 1"},
                    "none"}),
    [](const auto& instance) { return instance.param.name; });

// Branches that start left of their span or below a nested block: the stack holds one value per
// span until a lower branch has joined the spans right of its start, then AND.STK joins them.
INSTANTIATE_TEST_SUITE_P(
    NestedBlocks, CoilNetworkTest,
    ::testing::Values(
        // (X0 & (X1 | X3) & X2) | X4: the branch from the rail joins X0 as well.
        NetworkCase{"ContactBeforeNestedBlock",
                    {"X000.0| X000.1| X000.2| - - - - (Y000.0)", ". X000.3 .| . . . .",
                     "X000.4 - - . . . ."},
                    {"RD X000.0 1", "RD X000.1 1", "OR X000.3 2", "RD X000.2 1", "AND.STK 3",
                     "AND.STK 3", "OR X000.4 3", "WRT Y000.0 1"},
                    "none"},
        // (X0 | X3) & (((X1 | X4) & X2) | (X5 & X6)): X0 | X3 waits for the lower branch, with
        // or without a parallel coil below.
        NetworkCase{"BranchStartsRightOfTheFirstSpan",
                    {"X000.0| X000.1| X000.2| - - - -| (Y000.0)", "X000.3| X000.4 .| . . . .|",
                     ". X000.5 X000.6 . . . .|", ". . . . . . . (Y000.1)"},
                    {"RD X000.0 1", "OR X000.3 2", "RD X000.1 1", "OR X000.4 2", "RD X000.2 1",
                     "AND.STK 3", "RD X000.5 3", "AND X000.6 3", "OR.STK 3", "AND.STK 1",
                     "WRT Y000.0 1", "WRT Y000.1 4"},
                    "none"},
        // ((X0 & X1) | (X3 & X4)) & X2 | ((X5 | X10) & X6 & X7): lines 3-4 hang on no link of
        // the first span's edge, so they are the later span's branch.
        NetworkCase{"BlockNotHungOnTheSpanEdge",
                    {"X000.0 X000.1| X000.2| - - - - (Y000.0)", "X000.3 X000.4 .| . . . .",
                     "X000.5| X000.6 X000.7 . . . .", "X001.0 . . . . . ."},
                    {"RD X000.0 1", "AND X000.1 1", "RD X000.3 2", "AND X000.4 2", "OR.STK 2",
                     "RD X000.2 1", "AND.STK 3", "RD X000.5 3", "OR X001.0 4", "AND X000.6 3",
                     "AND X000.7 3", "OR.STK 4", "WRT Y000.0 1"},
                    "none"},
        // Three contacts in parallel in a branch from the rail: all three are read.
        NetworkCase{"TallBlockInABranchFromTheRail",
                    {"X000.0 X000.1| X000.2| - - - - (Y000.0)", ". . X000.3| . . . .",
                     "X000.4| X000.5 X000.6 . . . .", "X000.7| . . . . . .", "X001.0 . . . . . ."},
                    {"RD X000.0 1", "AND X000.1 1", "RD X000.2 1", "OR X000.3 2", "AND.STK 3",
                     "RD X000.4 3", "OR X000.7 4", "OR X001.0 5", "AND X000.5 3", "AND X000.6 3",
                     "OR.STK 5", "WRT Y000.0 1"},
                    "none"},
        // A nested block whose lower branch reaches its own left edge joins its values within
        // itself; the value left of the block is joined once, at the end.
        NetworkCase{"NestedBlockReopenedToItsOwnEdge",
                    {"X000.0 X000.1| X000.2 X000.3 X000.4| - - (Y000.0)",
                     "X000.5 X000.6| X000.7| X001.0| X001.1 . .", ". .| X001.2 .| . . .",
                     ". . X001.3 X001.4 . . ."},
                    {"RD X000.0 1", "AND X000.1 1", "RD X000.5 2", "AND X000.6 2", "OR.STK 2",
                     "RD X000.2 1", "AND X000.3 1", "AND X000.4 1", "RD X000.7 2", "OR X001.2 3",
                     "RD X001.0 2", "AND.STK 4", "RD X001.3 4", "AND X001.4 4", "OR.STK 4",
                     "AND X001.1 2", "OR.STK 4", "AND.STK 1", "WRT Y000.0 1"},
                    "none"}),
    [](const auto& instance) { return instance.param.name; });

INSTANTIATE_TEST_SUITE_P(
    RefusedStructures, CoilNetworkTest,
    ::testing::Values(
        // Horizontal lines only before the coil.
        NetworkCase{"NoContact", {"- - - - - - - (Y000.0)"}, {}, "1017@1"},
        // An empty cell among the contacts.
        NetworkCase{"GapInSeries", {"X000.0 . X000.1 - - - - (Y000.0)"}, {"RD X000.0 1"}, "1009@1"},
        // The same gap in the input of a box.
        NetworkCase{"GapBeforeBox",
                    {"X000.0 . [TMR:0005] - - - (R000.0)", ". . # #"},
                    {"RD X000.0 1"},
                    "1008@1"},
        // A second coil not hung on a link in column 6.
        NetworkCase{"UnhungCoil",
                    {"X000.0| - - - - - - (Y000.0)", "X000.1 . . . . . . (Y000.1)"},
                    {"RD X000.0 1", "OR X000.1 2", "WRT Y000.0 1"},
                    "1006@2"},
        // A contact without address.
        NetworkCase{"ContactWithoutAddress",
                    {"X000.0 {0x300} - - - - - (Y000.0)"},
                    {"RD X000.0 1"},
                    "1001@1"},
        // A contact hanging on a link that reaches only empty cells has nothing at its left.
        NetworkCase{"ContactOnALinkToNowhere",
                    {"X000.0 X000.1| X000.2| X000.3 - - - (Y000.0)", ".| .| X000.4 . . . .",
                     ". X000.5 . . . . ."},
                    {"RD X000.0 1", "AND X000.1 1"},
                    "1009@2"},
        // A coil on a line of its own below the network, not hung.
        NetworkCase{"CoilBelowBranch",
                    {"X000.0| X000.1 - - - - - (Y000.0)", "X000.2 . . . . . . (Y000.2)"},
                    {"RD X000.0 1", "OR X000.2 2", "AND X000.1 1", "WRT Y000.0 1"},
                    "1006@2"}),
    [](const auto& instance) { return instance.param.name; });

// A horizontal line in parallel with contacts switches the coil alone; the diagram's meaning
// has no instruction list here, so these are refused on the line of the bypassing segment.
INSTANTIATE_TEST_SUITE_P(
    LineParallelToContacts, CoilNetworkTest,
    ::testing::Values(
        // The line above runs from the link after X0.7 | X0.3 to the coil and bypasses X0.5.
        NetworkCase{"ContactShortedByTheLineAbove",
                    {"X000.7 - -| - - - -| (Y000.0)", "- - X000.3 - - - X000.5"},
                    {"RD X000.7 1", "OR X000.3 2"},
                    "1041@1"},
        // The same with a normally closed contact and more than one contact bypassed.
        NetworkCase{"SeriesShortedByTheLineAbove",
                    {"X000.0| - - - - - -| (Y000.0)", "X000.1 /X000.2 - X000.3 - - -"},
                    {"RD X000.0 1", "OR X000.1 2"},
                    "1041@1"},
        // A block of two parallel contacts bypassed.
        NetworkCase{"BlockShortedByTheLineAbove",
                    {"X000.0 -| - - - - -| (Y000.0)", ". .| X000.1| - - - -", ". . X000.2"},
                    {"RD X000.0 1"},
                    "1041@1"},
        // A contact under the last cell, on a line with a parallel coil of its own.
        NetworkCase{"ContactBelowACoilLink",
                    {"X000.1 - - - - -| -| (Y000.0)", ". . . . . . X000.4 (Y000.1)"},
                    {"RD X000.1 1"},
                    "1041@1"},
        NetworkCase{"ContactBelowANegatedCoilLink",
                    {"X000.1 - - - - -| -| (/Y000.0)", ". . . . . . /X000.4 (/Y000.1)"},
                    {"RD X000.1 1"},
                    "1041@1"},
        // A bypass in the middle of the line, refused as before.
        NetworkCase{"ContactShortedInTheMiddle",
                    {"X000.0 -| - -| X000.1 - - (Y000.0)", ". . X000.2 -"},
                    {"RD X000.0 1"},
                    "1041@1"}),
    [](const auto& instance) { return instance.param.name; });

// Coils on a line of horizontal lines only have no condition, whether they stand alone or hang
// on links below it; they would write whatever the previous network left.
INSTANTIATE_TEST_SUITE_P(
    CoilsWithoutCondition, CoilNetworkTest,
    ::testing::Values(NetworkCase{"CoilLinesAfterANetwork",
                                  {"X000.0 - - - - - - (Y001.0)", "- - - - - - -| (Y000.0)",
                                   ". . . . . . . (/Y000.1)"},
                                  {"RD X000.0 1", "WRT Y001.0 1"},
                                  "1017@2"},
                      NetworkCase{"CoilLinesFirstInTheProgram",
                                  {"- - - - - - -| (Y000.0)", ". . . . . . .| (/Y000.1)",
                                   ". . . . . . . (Y000.2)"},
                                  {},
                                  "1017@1"},
                      NetworkCase{"SingleCoilLineAfterANetwork",
                                  {"X000.0 - - - - - - (Y001.0)", "- - - - - - - (Y000.0)"},
                                  {"RD X000.0 1", "WRT Y001.0 1"},
                                  "1017@2"}),
    [](const auto& instance) { return instance.param.name; });

}  // namespace
}  // namespace rungpad
