#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "analysis/CrossReference.h"
#include "analysis/ReviewFinding.h"
#include "analysis/XrefUse.h"
#include "model/AddressNotes.h"
#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"

namespace rungpad::test {
namespace {

// "R100.1 3:2 NO contact read", 1-based line:column.
std::vector<std::string> UsesOf(const CrossReference& xref) {
    std::vector<std::string> lines;
    for (const XrefUse& use : xref.Uses()) {
        lines.push_back(use.address + ' ' + std::to_string(use.line + 1) + ':' +
                        std::to_string(use.column + 1) + ' ' + use.Describe() + ' ' +
                        std::string(use.AccessName()));
    }
    return lines;
}

std::vector<std::string> FindingsOf(const CrossReference& xref) {
    std::vector<std::string> lines;
    for (const ReviewFinding& finding : xref.Findings()) {
        lines.push_back(finding.Format());
    }
    return lines;
}

struct XrefCase {
    const char* name;
    std::vector<std::string> grid;
    std::vector<std::string> uses;      // empty: not checked
    std::vector<std::string> findings;  // always checked
};

// clang-format off
const XrefCase kCases[] = {
    // Every kind of use, ordered by address (a byte operand before the bits of its byte), then
    // by place; a written relay read by a contact and a parameter is no finding.
    {"every_kind",
     {"R100.1 /X000.0 - - - - - (R100.2)",
      "R100.2 [ADD:0001:R100:0005:R102] - (/Y000.0)",
      ". . # # # # #",
      "X000.0 [SET:R102.0] - - - - -",
      "R102.0 - - - - - - (R100.1)"},
     {"R100 2:4 ADD 2 被加数地址 read",
      "R100.1 1:1 NO contact read",
      "R100.1 5:8 coil write",
      "R100.2 1:8 coil write",
      "R100.2 2:1 NO contact read",
      "R102 2:6 ADD 4 结果输出地址 write",
      "R102.0 4:3 SET 1 置位地址 write",
      "R102.0 5:1 NO contact read",
      "X000.0 1:2 NC contact read",
      "X000.0 4:1 NO contact read",
      "Y000.0 2:8 negated coil write"},
     {"R102  written in more than one place  at 2:6 4:3"}},
    // SET and RST of one relay are the usual latch; a coil beside them is not.
    {"latch_and_coil",
     {"X000.0 [SET:R010.0] - - - - -",
      "X000.1 [RST:R010.0] - - - - -",
      "X000.2 [SET:R010.1] - - - - -",
      "X000.3 - - - - - - (R010.1)",
      "R010.0 R010.1 - - - - - (Y000.0)"},
     {},
     {"R010.1  written in more than one place  at 3:3 4:8"}},
    // Relays read and never written, written and never read; inputs and outputs are neither.
    {"relays_unwritten_and_unread",
     {"R020.0 K010.1 X000.0 - - - - (R021.0)",
      "R020.0 F000.0 - - - - - (Y001.0)",
      "X000.1 - - - - - - (K011.0)"},
     {},
     {"K010.1  read but never written  at 1:2",
      "R020.0  read but never written  at 1:1 2:1",
      "K011.0  written but never read  at 3:8",
      "R021.0  written but never read  at 1:8"}},
    // A byte operand covers the relays inside it: a move writes R030 and R031, its source
    // bytes count as read.
    {"byte_operands_cover_bits",
     {"X000.0 [MOVW:R040:R030] - - - (Y000.0)",
      ". # # #",
      "R031.7 R030.0 - - - - - (R040.3)",
      "X000.1 [MOVB:R050:R060] - - - (Y000.1)",
      ". # # #"},
     {},
     {"R060  written but never read  at 4:4"}},
    // Timer numbers are shared by TMR and TMRC, TMRB timers and counters have their own.
    {"numbers_used_twice",
     {"X000.0 [TMR:0005] - - - - (Y000.0)",
      ". # #",
      "X000.1 [TMRC:0001:0005] - - - (Y000.1)",
      ". # # #",
      "X000.2 [TMRB:0001:0005:0100] - - (Y000.2)",
      ". # # # #",
      "X000.3 [CTR:0005] - - - - (Y000.3)",
      "- # #", "- # #", "- # #"},
     {},
     {"timer 5  used more than once  at 1:3 3:4"}},
    // Constants above their data length are cut when run: one finding per value and length.
    // A 2-byte format, an address operand and a fitting constant are none.
    {"constants_too_wide",
     {"X000.0 [COMP:0001:0300:R120] - - (Y000.0)",
      ". # # # #",
      "X000.1 [ADD:0001:R100:0300:D102] - (Y000.1)",
      ". # # # # #",
      "X000.2 [MOVB:0256:D150] - - - (Y000.2)",
      ". # # #",
      "X000.3 [SUB:0002:R100:0300:D104] - (Y000.3)",
      ". # # # # #",
      "X000.4 [EOR:1001:R100:R110:D112] - (Y000.4)",
      ". # # # # #",
      "X000.5 [COIN:0001:0255:R120] - - (Y000.5)",
      ". # # # #"},
     {},
     {"constant 256  does not fit a 1-byte operand  at 5:3",
      "constant 300  does not fit a 1-byte operand  at 1:4 3:5"}},
};
// clang-format on

TEST(CrossReferenceTest, UsesAndFindingsOfSmallPrograms) {
    for (const XrefCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const CrossReference xref = CrossReference::Build(GridBuilder::Build(c.grid));
        if (!c.uses.empty()) {
            EXPECT_EQ(UsesOf(xref), c.uses);
        }
        EXPECT_EQ(FindingsOf(xref), c.findings);
    }
}

TEST(CrossReferenceTest, NotesAndPrefixFilter) {
    AddressNotes notes;
    *notes.FindBitNote("R100.1") = "\xc8\xf3\xbb\xac";  // GBK bytes kept as they are
    const CrossReference xref =
        CrossReference::Build(GridBuilder::Build({"R100.1 X001.0 - - - - - (R100.1)"}), &notes);
    ASSERT_EQ(xref.Uses().size(), 3u);
    EXPECT_EQ(xref.Uses()[0].note, "\xc8\xf3\xbb\xac");
    EXPECT_EQ(xref.Uses()[2].note, "");
    EXPECT_TRUE(xref.Uses()[0].MatchesPrefix("r10"));
    EXPECT_TRUE(xref.Uses()[0].MatchesPrefix(""));
    EXPECT_FALSE(xref.Uses()[0].MatchesPrefix("X"));
    EXPECT_FALSE(xref.Uses()[0].MatchesPrefix("R100.10"));
}

// Damaged cells: a contact without text, box cells without a header, texts without digits.
TEST(CrossReferenceTest, DamagedCellsGiveNoUseAndNoCrash) {
    const LadProgram program = GridBuilder::Build(
        {"{0x0300} {0x2003:R100} {0x0300:XYZ} {0x0400:R} - - - {0x0400:R001.9}"});
    const CrossReference xref = CrossReference::Build(program);
    std::vector<std::string> addresses;
    for (const XrefUse& use : xref.Uses()) {
        addresses.push_back(use.address);
    }
    EXPECT_EQ(addresses, (std::vector<std::string>{"R", "R001.9", "R100", "XYZ"}));
}

// A finding reads in each language a person picks; without one it is the original that reports
// and scripts read. Every piece the table holds, since these are not literals at the look-up.
TEST(CrossReferenceTest, FindingsReadInEveryLanguage) {
    using Kind = ReviewFinding::Kind;
    const std::vector<std::pair<ReviewFinding, std::string>> cases = {
        {{Kind::kNumberUsedTwice, "TMRB timer 5", {{3, 0}, {3, 6}}, 0},
         "TMRB定时器 5  被重复使用  位置 1:4 7:4"},
        {{Kind::kNumberUsedTwice, "timer 5", {{3, 0}}, 0}, "定时器 5  被重复使用  位置 1:4"},
        {{Kind::kNumberUsedTwice, "counter 2", {{3, 0}}, 0}, "计数器 2  被重复使用  位置 1:4"},
        {{Kind::kConstantTooWide, "constant 300", {{3, 0}}, 1},
         "常数 300  超出1字节操作数的范围  位置 1:4"},
        {{Kind::kMultipleWriters, "R100.1", {{7, 2}}, 0}, "R100.1  在多处被写入  位置 3:8"},
        {{Kind::kReadNeverWritten, "R100.2", {{7, 2}}, 0}, "R100.2  被读取但从未写入  位置 3:8"},
        {{Kind::kWrittenNeverRead, "R100.3", {{7, 2}}, 0}, "R100.3  被写入但从未读取  位置 3:8"},
    };
    XrefUse use;
    use.kind = XrefKind::kNcContact;
    use.access = XrefAccess::kReadWrite;
    EXPECT_EQ(use.Describe(Language::Chinese), "常闭触点");
    EXPECT_EQ(use.AccessName(Language::Chinese), "读/写");
    EXPECT_EQ(use.Describe(), "NC contact");
    use.kind = XrefKind::kParameter;
    use.function = FuncInstrTable::At(9).code;
    use.parameter = 1;
    EXPECT_EQ(use.Describe(Language::English), "TMR 1 timer number");
    EXPECT_EQ(use.Describe(), "TMR 1 定时器号");
    for (const auto& [finding, chinese] : cases) {
        EXPECT_EQ(finding.Format(Language::Chinese), chinese);
        EXPECT_EQ(finding.Format(Language::English), finding.Format());
    }
}

}  // namespace
}  // namespace rungpad::test
