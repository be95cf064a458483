#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "convert/LadConvert.h"

namespace rungpad {
namespace {

// The output window's error lines lead back to their ladder line.
TEST(ReportLineTest, LineOfReportReadsWhatFormatReportWrites) {
    for (const int line : {0, 11, 1599, 12344}) {
        EXPECT_EQ(ConvertError::LineOfReport(ConvertError::FormatReport(line, 1009)), line);
    }
    const std::vector<std::string> others = {"Checking...",
                                             "Accept!",
                                             "梯图第行  错误代号 ",
                                             "梯图第0000行  错误代号 1009",
                                             "梯图第12a4行",
                                             "Convert succeed!",
                                             ""};
    for (const std::string& text : others) {
        EXPECT_EQ(ConvertError::LineOfReport(text), -1) << text;
    }
}

// Each instruction keeps the ladder line it came from, beside its text.
TEST(ReportLineTest, InstructionsKeepTheirLines) {
    LadProgram program = test::GridBuilder::Build({"X000.0 - - - - - - (Y000.0)", "",
                                                   "X000.1 /X000.2 - - - - - (Y000.1)",
                                                   "- - - - [END1] - - -", "- - - - [END2] - - -"});
    CLadConvert convert(&program);
    ASSERT_EQ(convert.Convert(), CLadConvert::kConvertSucceeded) << convert.FormatLastError();
    std::vector<int> lines;
    for (int i = 0; i < convert.TextCount(); ++i) {
        lines.push_back(convert.InstructionLine(i));
    }
    EXPECT_EQ(lines, (std::vector<int>{0, 0, 2, 2, 2, 3, 4}));
    EXPECT_EQ(convert.InstructionLine(-1), -1);
    EXPECT_EQ(convert.InstructionLine(convert.TextCount()), -1);
}

}  // namespace
}  // namespace rungpad
