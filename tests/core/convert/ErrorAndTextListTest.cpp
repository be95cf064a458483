#include <gtest/gtest.h>

#include <string>

#include "convert/InstructionList.h"
#include "convert/LadConvert.h"

namespace rungpad {
namespace {

TEST(ErrorListTest, FormatLastErrorShowsTheLastEntry) {
    struct Case {
        int code;
        int line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {1027, 41, "梯图第0042行  错误代号 1027 同一输出地址被重复使用"},
        {1009, 0, "梯图第0001行  错误代号 1009 网络水平线未连上"},
        {1024, 0, "梯图第0001行  错误代号 1024 "},  // a code without text
        {1028, 3, "梯图第0004行  错误代号 1028      "},
        {1041, 9999, "梯图第10000行  错误代号 1041 水平导通线与节点网络并联."},  // five digits
        {1004, 4000, "梯图第4001行  错误代号 1004 用户梯形图超出最大允许行数或者步数"},
    };
    for (const Case& c : cases) {
        CLadConvert convert;
        convert.AddError(ConvertError::kConversion, 1001, 7);  // only the last entry is shown
        convert.AddError(ConvertError::kConversion, c.code, c.line);
        EXPECT_EQ(convert.FormatLastError(), c.expected) << c.code;
    }
    EXPECT_EQ(CLadConvert{}.FormatLastError(), "");
}

TEST(ErrorListTest, HoldsAtMostOneHundredEntries) {
    CLadConvert convert;
    for (int i = 0; i < 101; ++i) {
        convert.AddError(ConvertError::kEntry, 1001 + i % 41, i);
    }
    EXPECT_EQ(convert.ErrorCount(), 100);
    EXPECT_EQ(convert.ErrorAt(99).line, 99);  // the 101st was dropped
    EXPECT_EQ(convert.ErrorAt(99).kind, ConvertError::kEntry);
    EXPECT_EQ(convert.ErrorAt(100).code, 0);  // outside the list: an empty entry, no read beyond
    convert.ClearErrors();
    EXPECT_EQ(convert.ErrorCount(), 0);
}

TEST(ErrorListTest, EveryCodeHasItsMessage) {
    for (int code = 1001; code <= 1041; ++code) {
        const std::string_view message = ConvertError::MessageOf(code);
        EXPECT_EQ(message.substr(0, 5), std::to_string(code) + " ") << code;
    }
    EXPECT_EQ(ConvertError::MessageOf(1006), "1006 网络中存在非法的输出");
    EXPECT_EQ(ConvertError::MessageOf(1040), "1040 功能指令CALL/SP/SPE未正确使用");
    EXPECT_EQ(ConvertError::MessageOf(1000), "");
    EXPECT_EQ(ConvertError::MessageOf(1042), "");
}

TEST(TextListTest, EntriesCarryTheLineSuffix) {
    struct Case {
        std::string text;
        int line;
        std::string entry;   // as stored
        std::string window;  // RenderWindow of the entry alone
        std::string file;    // WriteListFile of the entry alone
    };
    const std::vector<Case> cases = {
        {"RD        X000.0", 0, "RD        X000.0     1", "RD        X000.0\r\n",
         "RD        X000.0    \r\n"},
        {"END1", 2, "END1     3", "END1\r\n", "END1    \r\n"},
        {"OR.STK    ", 1233, "OR.STK      1234", "OR.STK    \r\n", "OR.STK     \r\n"},
        // Five digits: the window keeps all but the last six characters.
        {"WRT       Y000.0", 9999, "WRT       Y000.0  10000", "WRT       Y000.0 \r\n",
         "WRT       Y000.0 \r\n"},
    };
    for (const Case& c : cases) {
        CLadConvert convert;
        ASSERT_TRUE(convert.AddText(c.text, c.line));
        EXPECT_EQ(convert.TextAt(0), c.entry);
        EXPECT_EQ(convert.RenderWindow(), c.window);
        EXPECT_EQ(convert.WriteListFile(), c.file);
    }
}

TEST(TextListTest, RefusesLongTextsAndAFullList) {
    CLadConvert convert;
    const std::string longest(49, 'A');
    ASSERT_TRUE(convert.AddText(longest, 99999999));
    EXPECT_EQ(convert.TextAt(0), longest + "  100000000");  // stays whole with a long suffix
    EXPECT_FALSE(convert.AddText(std::string(50, 'A'), 0));
    EXPECT_EQ(convert.ErrorAt(0).code, 1004);
    EXPECT_EQ(convert.ErrorAt(0).line, 1);  // the number of texts already held
    EXPECT_EQ(convert.TextCount(), 1);

    convert.ClearErrors();
    convert.ClearTexts();
    for (int i = 0; i < 4000; ++i) {
        ASSERT_TRUE(convert.AddText("RD", i));
    }
    EXPECT_FALSE(convert.AddText("RD", 0));
    EXPECT_EQ(convert.TextCount(), 4000);
    EXPECT_EQ(convert.FormatLastError().substr(0, 13), "梯图第4001");
}

TEST(TextListTest, EmptyListRendersNothing) {
    CLadConvert convert;
    EXPECT_EQ(convert.RenderWindow(), "");
    EXPECT_EQ(convert.WriteListFile(), "");
    EXPECT_EQ(convert.TextAt(0), "");
}

// Instructions composed from a mnemonic and an operand carry their words without a split of
// the text; they must be the words a split finds, also where the composition falls back to it.
TEST(TextListTest, ComposedInstructionsCarryTheWordsOfTheirText) {
    struct Case {
        std::string mnemonic;
        std::string operand;
        std::string text;
    };
    const Case cases[] = {
        {"RD", "X000.0", "RD        X000.0"},  {"AND.STK", "", "AND.STK   "},
        {"RD.NOT.STK", "", "RD.NOT.STK"},      {"LONGMNEMONIC", "X1", "LONGMNEMONICX1"},
        {"WRT", "y000.0", "WRT       y000.0"},  // lower case: split, read upper case later
        {"SET", "R0 0", "SET       R0 0"},      // an operand of two words
        {"", "X000.0", "          X000.0"},
    };
    InstructionList list;
    for (const Case& c : cases) {
        ASSERT_TRUE(list.AddInstruction(c.mnemonic, 10, c.operand, 3)) << c.text;
        const int i = list.Count() - 1;
        EXPECT_EQ(list.TextAt(i), c.text);
        EXPECT_EQ(list.LineAt(i), 3);
        const InstructionList::Words& carried = list.WordsAt(i);
        const InstructionList::Words split = InstructionList::SplitWords(c.text);
        ASSERT_EQ(carried.count, split.count) << c.text;
        EXPECT_EQ(carried.lowerCase, split.lowerCase) << c.text;
        for (int w = 0; w < split.count; ++w) {
            const auto word = static_cast<std::size_t>(w);
            EXPECT_EQ(carried.at[word], split.at[word]) << c.text << " word " << w;
            EXPECT_EQ(carried.length[word], split.length[word]) << c.text << " word " << w;
        }
    }
    EXPECT_FALSE(list.AddInstruction("RD", 10, std::string(40, 'X'), 0));  // 50 characters
}

}  // namespace
}  // namespace rungpad
