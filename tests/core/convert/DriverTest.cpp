#include <gtest/gtest.h>

#include "ConvertFixture.h"

namespace rungpad {
namespace {

using test::ConvertFixture;
using test::GridBuilder;

struct ProgramCase {
    std::string name;
    std::vector<std::string> grid;  // converted as it stands (no END lines added)
    int result;
    std::string error;  // "code@line" or "none"
};

void PrintTo(const ProgramCase& c, std::ostream* os) {
    *os << c.name;
}

class WholeProgramTest : public ConvertFixture,
                         public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(WholeProgramTest, ConvertsOrStopsWithTheError) {
    const ProgramCase& c = GetParam();
    EXPECT_EQ(ConvertGrid(c.grid, false), c.result);
    EXPECT_EQ(LastError(), c.error);
}

const std::string kEnd1 = "- - - - [END1] - - -";
const std::string kEnd2 = "- - - - [END2] - - -";

INSTANTIATE_TEST_SUITE_P(
    PreCheckAndScan, WholeProgramTest,
    ::testing::Values(
        // Only empty lines: no END1/END2, reported on the last line.
        ProgramCase{"EmptyLinesOnly", {"", "", ""}, -1, "1005@3"},
        // END2 is recognised in column 4 only.
        ProgramCase{"End2InColumn3", {kEnd1, "- - - [END2] - - - -"}, -1, "1005@2"},
        ProgramCase{"End1Missing", {"X000.0 - - - - - - (Y000.0)", kEnd2}, -1, "1005@2"},
        // Counter numbers are unique; 128 is out of range.
        ProgramCase{"CounterTwice",
                    {"X000.0 [CTR:0005] - - - - (R000.0)", "X000.1 #", "X000.2 #", "X000.3 #",
                     "X000.4 [CTR:0005] - - - - (R000.1)", "X000.1 #", "X000.2 #", "X000.3 #",
                     kEnd1, kEnd2},
                    -1,
                    "1014@5"},
        ProgramCase{"CounterOutOfRange",
                    {"X000.0 [CTR:0128] - - - - (R000.0)", "X000.1 #", "X000.2 #", "X000.3 #",
                     kEnd1, kEnd2},
                    -1,
                    "1013@1"},
        // TMR and TMRC share their timers; TMRB has its own.
        ProgramCase{"TmrAndTmrcShare",
                    {"X000.0 [TMR:0007] - - - - (R000.0)", ". # #",
                     "X000.1 [TMRC:2:0007] - - - (R000.1)", ". # # #", kEnd1, kEnd2},
                    -1,
                    "1019@3"},
        ProgramCase{"TmrAndTmrbApart",
                    {"X000.0 [TMR:0007] - - - - (R000.0)", ". # #",
                     "X000.1 [TMRB:1:0007:1000] - - (R000.1)", ". # # # #", kEnd1, kEnd2},
                    1,
                    "none"},
        // Labels and subprograms are claimed where the editor puts them, in column 4.
        ProgramCase{"LabelTwice",
                    {"- - - - [LBL:0003] - -", "- - - - [LBL:0003] - -", kEnd1, kEnd2},
                    -1,
                    "1015@2"},
        ProgramCase{
            "EdgeOutOfRange", {"X000.0 [DIFU:0256] - - - - (R000.0)", kEnd1, kEnd2}, -1, "1034@1"},
        // Coils: reserved at conversion, not a coil type, used twice.
        ProgramCase{"ReservedCoil", {"X000.0 - - - - - - (R255.0)", kEnd1, kEnd2}, -1, "1006@1"},
        ProgramCase{
            "EntryReservedCoilPasses", {"X000.0 - - - - - - (R510.0)", kEnd1, kEnd2}, 1, "none"},
        ProgramCase{"NotACoilType", {"X000.0 - - - - - - (X000.1)", kEnd1, kEnd2}, -1, "1006@1"},
        ProgramCase{
            "CoilOutsideItsRange", {"X000.0 - - - - - - (Y048.0)", kEnd1, kEnd2}, -1, "1006@1"},
        ProgramCase{
            "CoilTwice",
            {"X000.0 - - - - - - (Y000.1)", "", "X000.1 - - - - - - (Y000.1)", kEnd1, kEnd2},
            -1,
            "1027@3"},
        ProgramCase{"NeighbourCoils",
                    {"X000.0 - - - - - - (Y000.1)", "X000.1 - - - - - - (Y000.2)", kEnd1, kEnd2},
                    1,
                    "none"},
        // A box heading its network in column 0 needs an input condition; LBL does not.
        ProgramCase{
            "TmrInColumn0", {"[TMR:0005] - - - - - (R000.0)", "# #", kEnd1, kEnd2}, 0, "1017@1"},
        ProgramCase{"LblInColumn0", {"[LBL:0001] - - - - - -", kEnd1, kEnd2}, 1, "none"},
        // A blank line that carries a vertical link.
        ProgramCase{"LinkOnBlankLine",
                    {"X000.0 - - - - - - (Y000.0)", "- - -| - - - - -", kEnd1, kEnd2},
                    0,
                    "1030@2"}),
    [](const auto& instance) { return instance.param.name; });

// Programs no editor makes: every one must end with an error, never hang or read outside.
INSTANTIATE_TEST_SUITE_P(
    DamagedPrograms, WholeProgramTest,
    ::testing::Values(
        // Links lead from a contact network into a line with a box.
        ProgramCase{"BoxBelowContacts",
                    {"X000.0| - - - - - - (Y000.0)", "X000.1 [SET:R001.0] - - - - -", kEnd1, kEnd2},
                    0,
                    "1017@2"},
        // A one-line box with a link left of it, and another box below.
        ProgramCase{
            "OneLineBoxOverBox",
            {"X000.0| [SET:R000.0] - - - - -", "X000.1 [RST:R000.1] - - - - -", kEnd1, kEnd2},
            0,
            "1017@2"},
        // A lower CODT line on its own: a box height of 0.
        ProgramCase{"LoneLowerCodtLine",
                    {"{0x4010:00011} {0x4011:00022} . . . . . {0x4017:00033}", kEnd1, kEnd2},
                    0,
                    "1025@1"},
        // A first CODT line that lost its line count.
        ProgramCase{"CodtWithoutCount", {"{0x4000:00011}", kEnd1, kEnd2}, 1, "none"},
        // A box too wide for the line keeps its parameters inside the line.
        ProgramCase{"BoxPastTheLine",
                    {"X000.0 - - - - {0x1700:DSCH} {0x1701:0001} (R000.0)", kEnd1, kEnd2},
                    0,
                    "1020@1"},
        // A box whose lower lines are missing at the end of the program.
        ProgramCase{
            "CounterCutOff", {kEnd1, kEnd2, "X000.0 [CTR:0001] - - - - (R000.0)"}, 0, "1039@3"}),
    [](const auto& instance) { return instance.param.name; });

class ScanTest : public ConvertFixture {};

TEST_F(ScanTest, NetworkOfAHundredLinesIsTheLongest) {
    std::vector<std::string> grid = {"X000.0| - - - - - - (Y000.0)"};
    for (int i = 1; i < 99; ++i) {
        grid.push_back("X001.0|");
    }
    grid.push_back("X002.0");
    ASSERT_EQ(ConvertGrid(grid), 1) << LastError();  // 100 lines
    EXPECT_EQ(convert.TextCount(), 100 + 1 + 2);

    grid.insert(grid.begin() + 1, "X001.1|");  // 101 lines
    EXPECT_EQ(ConvertGrid(grid), 0);
    EXPECT_EQ(LastError(), "1026@101");
}

TEST_F(ScanTest, FindNetworkFollowsLinksAndBoxHeights) {
    program = GridBuilder::Build({
        "X000.0| - - - - - - (Y000.0)",                          // 0: contacts linked to line 1
        "X000.1",                                                // 1
        "X000.2 [TMR:0001] - - - - (R000.0)",                    // 2: a two-line box
        ". # #",                                                 // 3
        "[COD:1:8:R100:R102] - - (R000.1)",                      // 4: COD box
        "# # # # #",                                             // 5
        "CODT 00001 00002 00003 00004 00005 00006 00007 00008",  // 6: one CODT line
        "X000.3| [SET:R001.0] - - - - -",  // 7: one-line box with an input branch
        "X000.4",                          // 8
    });
    struct Case {
        int start;
        int last;
        int column;
    };
    const std::vector<Case> cases = {{0, 1, -1}, {2, 3, 1}, {4, 5, 0}, {6, 6, 0}, {7, 8, 1}};
    for (const Case& c : cases) {
        int last = -1;
        EXPECT_EQ(convert.FindNetwork(c.start, last), c.column) << c.start;
        EXPECT_EQ(last, c.last) << c.start;
    }
}

TEST_F(ScanTest, ClampedAccessAndMeasures) {
    program = GridBuilder::Build({"X000.0 . -| - . . . (Y000.0)", "- - - - - - - -"});
    EXPECT_EQ(&convert.GetLine(-5), &program.Line(0));
    EXPECT_EQ(&convert.GetLine(7), &program.Line(1));
    EXPECT_EQ(convert.LastVerticalLink(0, 0, 7), 3);
    EXPECT_EQ(convert.LastVerticalLink(0, 0, 2), 0);   // to is exclusive
    EXPECT_EQ(convert.LastVerticalLink(-1, 0, 7), 0);  // outside the program
    EXPECT_EQ(convert.LastVerticalLink(0, -3, 99), 3);
    EXPECT_TRUE(convert.HasEmptyCell(0, 0, 1));
    EXPECT_FALSE(convert.HasEmptyCell(0, 2, 3));
    EXPECT_TRUE(convert.IsBlankLine(1, 0, 7));
    EXPECT_FALSE(convert.IsBlankLine(0, 0, 7));
    EXPECT_TRUE(convert.IsBlankLine(2, 0, 7));
    int column = -1;
    EXPECT_EQ(convert.FindFunction(0, column), 0);

    CLadConvert unbound;
    EXPECT_EQ(unbound.GetLine(0).Cell(0).code, Element::kEmpty);
    EXPECT_EQ(unbound.Convert(), -1);
}

TEST_F(ScanTest, ConvertIsRepeatable) {
    const std::vector<std::string> grid = {"X000.0| X000.1 - - - - - (Y000.0)", "X000.2"};
    ASSERT_EQ(ConvertGrid(grid), 1);
    const std::vector<std::string> first = test::CompactTexts(convert);
    convert.ClearErrors();
    ASSERT_EQ(convert.Convert(), 1);
    EXPECT_EQ(test::CompactTexts(convert), first);
    EXPECT_EQ(program.end1Line, 3);
}

TEST(CheckNumberTest, EditorEntryMovesTheClaim) {
    CLadConvert convert;
    LadCell counter;
    counter.code = 0x1001;
    counter.number = 3;
    ASSERT_FALSE(convert.CheckNumber(counter, 3, 0, true));
    EXPECT_TRUE(convert.IsNumberInUse(0x1001, 3));

    EXPECT_FALSE(convert.CheckNumber(counter, 4, 0, false));
    EXPECT_FALSE(convert.IsNumberInUse(0x1001, 3));
    EXPECT_TRUE(convert.IsNumberInUse(0x1001, 4));
    EXPECT_EQ(counter.number, 4);
    // Re-entering the same number changes nothing.
    EXPECT_FALSE(convert.CheckNumber(counter, 4, 0, false));
    EXPECT_TRUE(convert.IsNumberInUse(0x1001, 4));
    EXPECT_EQ(convert.ErrorCount(), 0);
}

TEST(CheckNumberTest, PoolsRangesAndErrors) {
    struct Case {
        std::uint16_t code;  // the cell claimed first
        int number;
        std::uint16_t secondCode;  // then this cell claims the same number
        int error;                 // error of the second claim, 0 for none
    };
    const std::vector<Case> cases = {
        {0x1001, 5, 0x1001, 1014},    // counters
        {0x1901, 7, 0x4202, 1019},    // TMR and TMRC share
        {0x1901, 7, 0x4102, 0},       // TMRB apart
        {0x4102, 7, 0x4102, 1019},    // TMRB with itself
        {0x3400, 3, 0x3400, 1015},    // labels
        {0x1500, 3, 0x1500, 1040},    // subprograms
        {0x2701, 9, 0x2801, 1034},    // DIFU and DIFD share edges
        {0x2701, 255, 0x2701, 1034},  // top edge
        {0x0300, 1, 0x0300, 0},       // not a numbered cell
    };
    for (const Case& c : cases) {
        CLadConvert convert;
        LadCell first;
        first.code = c.code;
        LadCell second;
        second.code = c.secondCode;
        ASSERT_FALSE(convert.CheckNumber(first, c.number, 0, true));
        EXPECT_EQ(convert.CheckNumber(second, c.number, 4, true), c.error != 0) << c.code;
        EXPECT_EQ(convert.ErrorCount() ? convert.ErrorAt(0).code : 0, c.error) << c.code;
    }

    struct RangeCase {
        std::uint16_t code;
        int number;
        int error;
    };
    const std::vector<RangeCase> ranges = {
        {0x1001, 128, 1013}, {0x1901, -1, 1013},  {0x3400, 100, 1013},
        {0x1500, 100, 1013}, {0x2801, 256, 1034}, {0x4102, 127, 0},
    };
    for (const RangeCase& c : ranges) {
        CLadConvert convert;
        LadCell cell;
        cell.code = c.code;
        EXPECT_EQ(convert.CheckNumber(cell, c.number, 2, false), c.error != 0) << c.code;
        EXPECT_EQ(convert.ErrorCount() ? convert.ErrorAt(0).code : 0, c.error) << c.code;
        if (c.error != 0) {
            EXPECT_EQ(convert.ErrorAt(0).kind, ConvertError::kEntry);
        }
    }
}

TEST(CheckNumberTest, ReleaseFreesOnlyItsPool) {
    CLadConvert convert;
    LadCell timer;
    timer.code = 0x1901;
    ASSERT_FALSE(convert.CheckNumber(timer, 7, 0, true));
    convert.ReleaseNumber(0x4110, 7);  // a TMRB cell: another pool
    EXPECT_TRUE(convert.IsNumberInUse(0x4202, 7));
    convert.ReleaseNumber(0x4212, 7);  // any cell of a TMRC box frees the shared timer
    EXPECT_FALSE(convert.IsNumberInUse(0x1901, 7));
    convert.ReleaseNumber(0x1901, 500);  // beyond the pool: nothing
    convert.ReleaseNumber(0x1901, -1);
}

}  // namespace
}  // namespace rungpad
