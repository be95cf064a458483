#include "model/LadProgram.h"

#include <gtest/gtest.h>

#include "RecordingHost.h"

namespace rungpad {
namespace {

// A program of n lines whose line i carries note "Ni" and code i in its first cell.
LadProgram Numbered(int n) {
    LadProgram p;
    for (int i = 0; i < n; ++i) {
        LadLine line;
        line.Cell(0).code = static_cast<std::uint16_t>(i);
        p.AppendLine(line, NoteText("N" + std::to_string(i)));
    }
    return p;
}

TEST(LadProgramTest, InsertLimitTable) {
    struct Case {
        int lines;
        int insert;
        bool accepted;
    };
    const Case cases[] = {
        {1598, 1, true},   // reaches 1599: allowed
        {1598, 2, false},  // would reach 1600: refused
        {1599, 1, false},  // a program may never be grown to 1600
        {0, 1599, true},   // largest growth of an empty program
    };
    for (const Case& c : cases) {
        test::RecordingHost host;
        LadProgram p = Numbered(c.lines);
        p.SetMessageBox(&host);
        EXPECT_EQ(p.InsertLines(0, c.insert), c.accepted) << c.lines << "+" << c.insert;
        EXPECT_EQ(p.LineCount(), c.accepted ? c.lines + c.insert : c.lines);
        EXPECT_EQ(host.Boxes(), c.accepted ? std::vector<std::string>{}
                                           : std::vector<std::string>{"行数超出范围!"});
    }
}

TEST(LadProgramTest, InsertMovesLinesAndNotesAndLeavesEmptyLines) {
    LadProgram p = Numbered(4);
    ASSERT_TRUE(p.InsertLines(1, 2));
    ASSERT_EQ(p.LineCount(), 6);
    const int expectedCode[] = {0, 0, 0, 1, 2, 3};
    const char* expectedNote[] = {"N0", "", "", "N1", "N2", "N3"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p.Cell(0, i).code, expectedCode[i]) << i;
        EXPECT_EQ(p.Note(i).View(), expectedNote[i]) << i;
    }
    EXPECT_EQ(p.Line(1), LadLine{});
    EXPECT_EQ(p.Cell(3, 2).number, -1);
}

TEST(LadProgramTest, DeleteMovesNotesUpAndOldSlotsKeepTheirTexts) {
    LadProgram p = Numbered(6);
    p.DeleteLines(2, 2);
    ASSERT_EQ(p.LineCount(), 4);
    const char* expected[] = {"N0", "N1", "N4", "N5"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.Note(i).View(), expected[i]);
    }
    EXPECT_EQ(p.Cell(0, 2).code, 4);
    EXPECT_EQ(p.Note(4).View(), "N4");  // past the count, slots keep their texts
    EXPECT_EQ(p.Note(5).View(), "N5");
}

TEST(LadProgramTest, OutOfRangeAccessAndDeletesAreSafe) {
    LadProgram p = Numbered(3);
    EXPECT_THROW(p.Line(3), std::out_of_range);
    EXPECT_THROW(p.Line(-1), std::out_of_range);
    EXPECT_THROW(p.Note(1600), std::out_of_range);
    p.DeleteLines(1, 0);
    p.DeleteLines(5, 1);
    EXPECT_EQ(p.LineCount(), 3);
    p.DeleteLines(1, 10);  // clamped to the program
    EXPECT_EQ(p.LineCount(), 1);
    p.Clear();
    EXPECT_EQ(p.LineCount(), 0);
    EXPECT_EQ(p.Note(0).View(), "N0");
}

TEST(LadProgramTest, CopyIsDeepAndEqual) {
    LadProgram p = Numbered(3);
    p.end1Line = 7;
    LadProgram q = p;
    EXPECT_EQ(p, q);
    q.Cell(1, 1).code = Element::kHLine;
    EXPECT_NE(p.Cell(1, 1).code, Element::kHLine);
    EXPECT_FALSE(p == q);
}

TEST(FixedTextTest, LimitNeverCutsAGbkCharacter) {
    // "启动" in GBK is four bytes: C6 F4 B6 AF.
    const std::string gbk = "A\xC6\xF4\xB6\xAF";
    FixedText<4> t;
    t.Assign(gbk);
    EXPECT_EQ(t.View(), "A\xC6\xF4");
    FixedText<5> full(gbk);
    EXPECT_EQ(full.View(), gbk);  // fills the field, no terminator
    EXPECT_EQ(full.Field()[4], '\xAF');
}

}  // namespace
}  // namespace rungpad
