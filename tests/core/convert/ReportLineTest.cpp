#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "convert/LadConvert.h"
#include "model/MessageTable.h"
#include "model/Messages.h"

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

// Every code's message is in the message table, so it reads in each language; the report line
// follows the language and still leads back to its ladder line, while the original form (what
// reports keep) never changes.
TEST(ReportLineTest, ErrorsReadInEveryLanguage) {
    for (int code = ConvertError::kFirstCode; code <= ConvertError::kLastCode; ++code) {
        const std::string_view message = ConvertError::MessageOf(code);
        const bool listed =
            std::any_of(MessageTable::Entries().begin(), MessageTable::Entries().end(),
                        [message](const MessageEntry& entry) { return entry.original == message; });
        EXPECT_TRUE(listed) << code;
    }
    EXPECT_EQ(ConvertError::FormatReport(11, 1011, Language::English),
              "Ladder line 0012  error code 1011 address data not entered correctly");
    EXPECT_EQ(ConvertError::FormatReport(11, 1011, Language::Chinese),
              "梯图第0012行  错误代号 1011 地址数据未正确输入");
    for (const Language language : {Language::Original, Language::Chinese, Language::English}) {
        for (const int line : {0, 11, 1599}) {
            EXPECT_EQ(ConvertError::LineOfReport(ConvertError::FormatReport(line, 1009, language)),
                      line);
        }
    }
    EXPECT_EQ(ConvertError::LineOfReport("Ladder line 0000  error code 1009"), -1);
    EXPECT_EQ(ConvertError::LineOfReport("Ladder line 12a4"), -1);

    LadProgram program = test::GridBuilder::Build({"X000.0 - - - - - - (Y000.0)"});
    CLadConvert convert(&program);
    ASSERT_NE(convert.Convert(), CLadConvert::kConvertSucceeded);
    const std::string original = convert.FormatLastError();
    Messages::SetLanguage(Language::English);
    EXPECT_EQ(convert.FormatLastError(), original);
    EXPECT_TRUE(convert.ShownLastError().starts_with("Ladder line ")) << convert.ShownLastError();
    Messages::SetLanguage(Language::Original);
    EXPECT_EQ(convert.ShownLastError(), original);
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
