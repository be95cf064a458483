#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "edit/AddressTyping.h"
#include "edit/FieldChecks.h"
#include "edit/FuncNameLookup.h"
#include "edit/ItemSetRules.h"
#include "model/FuncInstrTable.h"
#include "model/MessageTable.h"
#include "model/Messages.h"

namespace rungpad {
namespace {

TEST(FuncNameLookupTest, NamesGiveTheirCodes) {
    struct Case {
        std::string name;
        std::optional<std::uint16_t> code;
    };
    const std::vector<Case> cases = {
        {"CTR", 0x1000},        {"TMR", 0x1900},  {"ADD", 0x2000},       {"SUB", 0x2100},
        {"END1", 0x7100},       {"END2", 0x7200}, {"DEC", 0x2500},       {"MOVB", 0x4400},
        {"AXCTL", 0x4600},      {"CODT", 0x4000}, {"MOV", std::nullopt},  // not a catalogue name
        {"add", std::nullopt},                                            // names are capitals
        {"", std::nullopt},                                               // empty edit box
        {" TMR", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FuncNameLookup::CodeOfName(c.name), c.code);
    }
}

TEST(FuncNameLookupTest, RefusedNameShowsTheMessage) {
    test::RecordingHost box;
    EXPECT_EQ(FuncNameLookup::Accept("MOV", box), std::nullopt);
    EXPECT_EQ(box.Boxes(), (std::vector<std::string>{"功能指令输入错误!"}));
    EXPECT_EQ(FuncNameLookup::Accept("MOVB", box), 0x4400);
    EXPECT_EQ(box.Boxes().size(), 1u);
}

TEST(FuncNameLookupTest, ListIsSortedAndComplete) {
    const auto names = FuncNameLookup::SortedNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.front(), "ADD");
    EXPECT_EQ(names.back(), "XMOV");
    for (const std::string_view name : names) {
        EXPECT_TRUE(FuncNameLookup::CodeOfName(name).has_value()) << name;
    }
}

TEST(AddressTypingTest, FractionalAddressesTakeTheStoredForm) {
    struct Case {
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"X1.2", "X001.2"},
        {"R12.34", "R012.3"},
        {"X.5", "X000.5"},
        {"Y-1.5", "Y-01.5"},
        {"X12.3", "X012.3"},
        {"X012.3", "X012.3"},
        {"X1.", "X001.0"},
        {"X1.2.3", "X001.2"},
        {"R1.25", "R001.2"},  // a tie rounds to even
        {"R1.26", "R001.3"},
        {"X12", "X12"},
        {"F12AB", "F12AB"},
        {"X", "X"},
        {"", ""},
        {"X-", "X-"},
        {"X--1.2", "X000.0"},  // nothing reads as a number
        {"DC3.5", "DC3.5"},
        {"X1234.5", "X1234.5"},
        // Too long to format: left as typed, never a buffer's leftovers.
        {"X" + std::string(80, '9') + ".5", "X" + std::string(80, '9') + ".5"},
        {"X-" + std::string(300, '9') + ".5", "X-" + std::string(300, '9') + ".5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string shown = AddressTyping::Normalise(c.typed);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(AddressTyping::Normalise(shown), shown);  // the next change keeps it
    }
}

TEST(FieldChecksTest, NumbersRangesAndTexts) {
    const std::string kInteger = "请键入一个整数。";
    const std::string kUnsigned = "“请填入一个正整数。”";
    struct Case {
        const char* name;
        FieldChecks::Result result;
        bool ok;
        long long value;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"go line 1", FieldChecks::GoLine("1"), true, 1, ""},
        {"go line blanks", FieldChecks::GoLine("  42 "), true, 42, ""},
        {"go line 10000", FieldChecks::GoLine("10000"), false, 0,
         "“请填入一个在1和9999之间的整数。”"},
        {"go line letters", FieldChecks::GoLine("1a"), false, 0, kInteger},
        {"go line empty", FieldChecks::GoLine(""), false, 0, kInteger},
        {"go line huge", FieldChecks::GoLine("99999999999"), false, 0, kInteger},
        {"insert 0", FieldChecks::InsertLineCount("0"), false, 0,
         "“请填入一个在1和1000之间的整数。”"},
        {"insert 1000", FieldChecks::InsertLineCount("1000"), true, 1000, ""},
        {"insert signed", FieldChecks::InsertLineCount("-3"), false, 0, kUnsigned},
        {"insert plus", FieldChecks::InsertLineCount("+3"), false, 0, kUnsigned},
        {"integer negative", FieldChecks::Integer("-12"), true, -12, ""},
        {"text fits", FieldChecks::TextLength("版本号", 3), true, 3, ""},
        {"text too long", FieldChecks::TextLength("1234567890123456", 15), false, 0,
         "“请填入不多于15个的字符。”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result.ok, c.ok);
        EXPECT_EQ(c.result.message, c.message);
        if (c.ok) {
            EXPECT_EQ(c.result.value, c.value);
        }
    }
}

TEST(FieldChecksTest, DialogsReportTheirFirstFailingField) {
    int field = -1;
    long long start = 0;
    long long end = 0;
    EXPECT_TRUE(FieldChecks::SelectedLines("8", "3", field, start, end).ok);
    EXPECT_EQ(start, 8);
    EXPECT_EQ(end, 3);
    const FieldChecks::Result letters = FieldChecks::SelectedLines("5", "ab", field, start, end);
    EXPECT_FALSE(letters.ok);
    EXPECT_EQ(field, 1);
    EXPECT_EQ(letters.message, "请键入一个整数。");

    // The person is checked first, then the version and the machine tool.
    const std::string tooLong(41, 'x');
    EXPECT_FALSE(FieldChecks::LadInfo(tooLong, tooLong, tooLong, field).ok);
    EXPECT_EQ(field, 2);
    EXPECT_FALSE(FieldChecks::LadInfo(tooLong, tooLong, "me", field).ok);
    EXPECT_EQ(field, 0);
    const FieldChecks::Result machine = FieldChecks::LadInfo("V1", tooLong, "me", field);
    EXPECT_EQ(field, 1);
    EXPECT_EQ(machine.message, "“请填入不多于40个的字符。”");
    EXPECT_TRUE(FieldChecks::LadInfo("V1", "lathe", "me", field).ok);
}

}  // namespace
}  // namespace rungpad

namespace rungpad {
namespace {

TEST(ItemSetRulesTest, CaptionAndPictureByCode) {
    struct Case {
        std::uint16_t code;
        std::string caption;
        ItemSetRules::Picture picture;
        std::string name;
    };
    using P = ItemSetRules::Picture;
    const std::vector<Case> cases = {
        {0x0000, "", P::kNone, ""},
        {0x0100, "", P::kNone, ""},
        {0x0300, "normally open contact", P::kNoContact, ""},
        {0x0200, "normally closed contact", P::kNcContact, ""},
        {0x0400, "output coil", P::kCoil, ""},
        {0x0500, "reverse output coil", P::kNegCoil, ""},
        {0x1901, "定时器号", P::kInstructionName, "TMR"},
        {0x2001, "格式指定", P::kInstructionName, "ADD"},
        {0x2003, "加数地址或常数", P::kInstructionName, "ADD"},
        {0x1911, "", P::kInstructionName, "TMR"},  // a later row: no caption
        {0x1900, "", P::kInstructionName, "TMR"},  // the name cell
        {0x4000, "转换表数据", P::kInstructionName, "CODT"},
        {0x4037, "转换表数据", P::kInstructionName, "CODT"},
        {0x4601, "信号的组号", P::kInstructionName, "AXCTL"},
        {0x1903, "", P::kInstructionName, "TMR"},  // no third label
        {0x7100, "", P::kInstructionName, ""},     // END1 reads outside the catalogue
        {0x4700, "", P::kInstructionName, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ItemSetRules::Caption(c.code), c.caption);
        EXPECT_EQ(ItemSetRules::PictureOf(c.code), c.picture);
        EXPECT_EQ(ItemSetRules::InstructionName(c.code), c.name);
    }
}

// The parameter captions live in FuncInstrTable, out of sight of the message table's source scan:
// each one is in the table, and the caption follows the language.
TEST(ItemSetRulesTest, CaptionsReadInEveryLanguage) {
    const auto listed = [](std::string_view text) {
        return std::any_of(MessageTable::Entries().begin(), MessageTable::Entries().end(),
                           [text](const MessageEntry& entry) { return entry.original == text; });
    };
    for (int i = 0; i < FuncInstrTable::kCount; ++i) {
        for (const std::string_view label : FuncInstrTable::At(i).labels) {
            EXPECT_TRUE(label.empty() || listed(label))
                << FuncInstrTable::At(i).name << " " << label;
        }
    }
    Messages::SetLanguage(Language::English);
    const std::string english(ItemSetRules::Caption(0x0200));
    Messages::SetLanguage(Language::Chinese);
    const std::string chinese(ItemSetRules::Caption(0x0200));
    Messages::SetLanguage(Language::Original);
    EXPECT_EQ(english, "normally closed contact");
    EXPECT_EQ(chinese, "常闭触点");
}

}  // namespace
}  // namespace rungpad
