#include <gtest/gtest.h>

#include "ConvertFixture.h"

namespace rungpad {
namespace {

struct FunctionCase {
    std::string name;
    std::vector<std::string> grid;   // END1 and END2 are appended
    std::vector<std::string> texts;  // compacted, END1/END2 left out
    std::string error;
};

void PrintTo(const FunctionCase& c, std::ostream* os) {
    *os << c.name;
}

class FunctionNetworkTest : public test::ConvertFixture,
                            public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(FunctionNetworkTest, ConvertsExactly) {
    const FunctionCase& c = GetParam();
    ConvertGrid(c.grid);
    EXPECT_EQ(LastError(), c.error);
    EXPECT_EQ(BodyTexts(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FunctionNetworkTest,
    ::testing::Values(
        FunctionCase{"TimerInColumn3",
                     {"X000.0 - - [TMR:0005] - - (R000.0)", ". . . # #"},
                     {"RD X000.0 1", "TMR 0005 1", "WRT R000.0 1"},
                     "none"},
        // One RD series per input row, top row first.
        FunctionCase{"AddWithTwoInputRows",
                     {"X000.0 [ADD:0002:R100:0010:R102] - (R000.0)", "X000.1 # # # # #"},
                     {"RD X000.0 1", "RD X000.1 2", "ADD 0002 R100 0010 R102 1", "WRT R000.0 1"},
                     "none"},
        FunctionCase{
            "CounterWithFourInputRows",
            {"X000.0 - [CTR:0003] - - - (R000.0)", "X000.1 - # #", "X000.2 - # #", "X000.3 - # #"},
            {"RD X000.0 1", "RD X000.1 2", "RD X000.2 3", "RD X000.3 4", "CTR 0003 1",
             "WRT R000.0 1"},
            "none"},
        // A single input row made of a linked block.
        FunctionCase{"TimerWithParallelInput",
                     {"X000.0| - - [TMR:0005] - - (R000.0)", "X000.1 . . # #"},
                     {"RD X000.0 1", "OR X000.1 2", "TMR 0005 1", "WRT R000.0 1"},
                     "none"},
        FunctionCase{"TimerDrivesParallelCoils",
                     {"X000.0 - - [TMR:0005] - -| (R000.0)", ". . . # # . . (R000.1)"},
                     {"RD X000.0 1", "TMR 0005 1", "WRT R000.0 1", "WRT R000.1 2"},
                     "none"},
        FunctionCase{"SetWithParallelInput",
                     {"X000.0| - - [SET:R000.0] - - -", "X000.1"},
                     {"RD X000.0 1", "OR X000.1 2", "SET R000.0 1"},
                     "none"},
        FunctionCase{"SetWithoutOutput",
                     {"X000.0 - - [SET:R000.0] - - -"},
                     {"RD X000.0 1", "SET R000.0 1"},
                     "none"},
        FunctionCase{
            "TimerWithoutCoil", {"X000.0 - - [TMR:0005] - - -", ". . . # #"}, {}, "1025@1"},
        FunctionCase{"SetWithCoil", {"X000.0 - - [SET:R000.0] - - (R000.1)"}, {}, "1025@1"},
        FunctionCase{
            "FirstParameterMissing", {"X000.0 - - [SET:] - - -"}, {"RD X000.0 1"}, "1022@1"},
        FunctionCase{"SecondParameterMissing",
                     {"X000.0 [ADD:0002::0010:R102] - (R000.0)", "X000.1 # # # # #"},
                     {"RD X000.0 1", "RD X000.1 2"},
                     "1020@1"},
        FunctionCase{"ContactRightOfBox",
                     {"X000.0 - - [TMR:0005] X000.1 - (R000.0)", ". . . # #"},
                     {"RD X000.0 1", "TMR 0005 1"},
                     "1008@1"},
        FunctionCase{"CellRightOfBoxInSecondInputRow",
                     {"X000.0 [ADD:0002:R100:0010:R102] - (R000.0)", "X000.1 # # # # # -"},
                     {"RD X000.0 1", "RD X000.1 2", "ADD 0002 R100 0010 R102 1"},
                     "1008@2"},
        FunctionCase{"CoilOfABoxNotHung",
                     {"X000.0 - - [TMR:0005] - - (R000.0)", ". . . # # . . (R000.1)"},
                     {"RD X000.0 1", "TMR 0005 1", "WRT R000.0 1"},
                     "1025@2"}),
    [](const auto& instance) { return instance.param.name; });

INSTANTIATE_TEST_SUITE_P(
    CodTables, FunctionNetworkTest,
    ::testing::Values(
        // Each CODT line gives two texts; a line's second one carries the next line's number.
        FunctionCase{"OneCodtLine",
                     {"X000.0 [COD:1:8:R100:R102] - (R000.0)", "X000.1 # # # # #",
                      "CODT 00001 00002 00003 00004 00005 00006 00007 00008"},
                     {"RD X000.0 1", "RD X000.1 2", "COD 1 8 R100 R102 1", "WRT R000.0 1",
                      "CODT 00001 00002 00003 00004 3", "CODT 00005 00006 00007 00008 3"},
                     "none"},
        FunctionCase{"TwoCodtLines",
                     {"X000.0 [COD:1:10:R100:R102] - (R000.0)", "X000.1 # # # # #",
                      "CODT 00001 00002 00003 00004 00005 00006 00007 00008", "CODT 00009 00010"},
                     {"RD X000.0 1", "RD X000.1 2", "COD 1 10 R100 R102 1", "WRT R000.0 1",
                      "CODT 00001 00002 00003 00004 3", "CODT 00005 00006 00007 00008 4",
                      "CODT 00009 00010 4", "CODT 4"},
                     "none"}),
    [](const auto& instance) { return instance.param.name; });

TEST_F(FunctionNetworkTest, BoxTextsAreExact) {
    ASSERT_EQ(
        ConvertGrid({"X000.0 [ADD:0002:R100:0010:R102] - (R000.0)", "X000.1 # # # # #",
                     "X000.2 - - [TMR:0005] - - (R000.1)", ". . . # #", "CODT 00001 _ 00003"}),
        1)
        << LastError();
    EXPECT_EQ(convert.TextAt(2), "ADD       0002 R100 0010 R102     1");
    EXPECT_EQ(convert.TextAt(5), "TMR       0005     3");
    EXPECT_EQ(convert.TextAt(7), "CODT      00001  00003      5");  // an empty entry stays
    EXPECT_EQ(convert.TextAt(9), "END1     6");
    EXPECT_EQ(program.end1Line, 6);
}

}  // namespace
}  // namespace rungpad
