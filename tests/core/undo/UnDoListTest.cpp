#include "undo/UnDoList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "ProgramCompare.h"
#include "convert/LadConvert.h"
#include "undo/AddressNoteTarget.h"

namespace rungpad {
namespace {

using test::GridBuilder;

class NoteRecorder : public AddressNoteTarget {
  public:
    void RestoreAddressNote(int column, int line, std::string_view text) override {
        calls.push_back({column, line, std::string(text)});
    }
    std::string AddressNoteAt(int, int) const override { return "now"; }
    struct Call {
        int column;
        int line;
        std::string text;
    };
    std::vector<Call> calls;
};

class UnDoListTest : public ::testing::Test {
  protected:
    void Use(const std::vector<std::string>& grid) {
        program = GridBuilder::Build(grid);
        undo.Attach(program, convert.Numbers(), &notes);
    }

    LadProgram program;
    CLadConvert convert{&program};
    NoteRecorder notes;
    CUnDoList undo;
};

TEST_F(UnDoListTest, RecordsBeforeAttachDoNothing) {
    program = GridBuilder::Build({"X000.0 - - - - - - (Y000.0)", ""});
    CUnDoList fresh;
    EXPECT_FALSE(fresh.RecordCell(0, 0));
    EXPECT_FALSE(fresh.RecordInsertLines(0, 0, 1));
    EXPECT_FALSE(fresh.RecordDeleteLines(0, 0, 1));
    EXPECT_FALSE(fresh.RecordAddressNote(0, 0, "x"));
    EXPECT_EQ(fresh.GetCount(), 0);
    int n = 99;
    EXPECT_EQ(fresh.Undo(n), (GridPos{-1, -1}));
    EXPECT_EQ(n, 99);
}

// Every kind, recorded before its change and undone: the program is back as it was, and Undo
// reports the record's position and the number of lines it restored.
TEST_F(UnDoListTest, EachKindRestoresWhatItRecorded) {
    struct Case {
        const char* name;
        std::function<void(CUnDoList&, LadProgram&)> step;
        GridPos position;
        int lineCount;
        int redoLines = 0;  // lines a redo inserts again
    };
    const std::vector<Case> cases = {
        // one cell overwritten, link and text included
        {"cell",
         [](CUnDoList& u, LadProgram& p) {
             u.RecordCell(2, 1);
             p.Cell(2, 1) = LadCell{};
             p.Cell(2, 1).code = Element::kHLine;
         },
         {2, 1},
         0},
        // two lines deleted from the middle, notes move with them
        {"delete lines",
         [](CUnDoList& u, LadProgram& p) {
             u.RecordDeleteLines(3, 1, 2);
             p.DeleteLines(1, 2);
         },
         {3, 1},
         2},
        // three lines inserted before line 2
        {"insert lines",
         [](CUnDoList& u, LadProgram& p) {
             u.RecordInsertLines(0, 2, 3);
             p.InsertLines(2, 3);
             p.Cell(1, 3).code = Element::kHLine;
         },
         {0, 2},
         0,
         3},
        // lines 1-2 replaced by four pasted lines
        {"replace lines",
         [](CUnDoList& u, LadProgram& p) {
             u.RecordReplaceLines(5, 1, 2, 4);
             p.DeleteLines(1, 2);
             p.InsertLines(1, 4);
             p.Cell(0, 1).code = Element::kNoContact;
         },
         {5, 1},
         2,
         4},
        // a line note edited; the record sits in column 7
        {"line note",
         [](CUnDoList& u, LadProgram& p) {
             u.RecordLineNote(2);
             p.Note(2).Assign("changed");
         },
         {7, 2},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use({"X000.0 - - - - - - (Y000.0)", "/X000.1| . R010.2 - - - - (/Y000.1)",
             "X000.2 - - - - - - (R000.0)", ""});
        program.Note(1).Assign("note one");
        program.Note(2).Assign("note two");
        const LadProgram before = program;
        c.step(undo, program);
        const LadProgram after = program;
        ASSERT_EQ(undo.GetCount(), 1);
        int lineCount = -1;
        EXPECT_EQ(undo.Undo(lineCount), c.position);
        EXPECT_EQ(lineCount, c.lineCount);
        EXPECT_EQ(undo.GetCount(), 0);
        // Restored lines come back marked as selected; everything else is exact.
        EXPECT_TRUE(test::SameProgram(before, program));
        // Redo gives the step's result back and makes it undoable again.
        ASSERT_EQ(undo.GetRedoCount(), 1);
        EXPECT_EQ(undo.Redo(lineCount), c.position);
        EXPECT_EQ(lineCount, c.redoLines);
        EXPECT_TRUE(test::SameProgram(after, program));
        EXPECT_EQ(undo.GetCount(), 1);
        EXPECT_EQ(undo.GetRedoCount(), 0);
        undo.Undo(lineCount);
        EXPECT_TRUE(test::SameProgram(before, program));
    }
}

TEST_F(UnDoListTest, RedoOfAnAddressNotePutsBackTheNoteItReplaced) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    undo.RecordAddressNote(0, 0, "old");
    int n = 0;
    undo.Undo(n);
    EXPECT_EQ(undo.Redo(n), (GridPos{0, 0}));
    ASSERT_EQ(notes.calls.size(), 2u);
    EXPECT_EQ(notes.calls[0].text, "old");
    EXPECT_EQ(notes.calls[1].text, "now");  // what the cell's address held before the undo
}

// Undo and redo share the 50 slots: a full ring undone and redone is whole again; a new record
// after some undos drops every undone step.
TEST_F(UnDoListTest, RedoWithinTheRingAndDroppedByANewRecord) {
    Use({"", ""});
    for (int step = 0; step < 60; ++step) {
        undo.RecordCell(0, 0);
        program.Cell(0, 0).number = static_cast<std::int16_t>(step + 1);
    }
    int n = 0;
    for (int i = 0; i < 50; ++i) {
        undo.Undo(n);
    }
    EXPECT_EQ(program.Cell(0, 0).number, 10);
    EXPECT_EQ(undo.GetRedoCount(), 50);
    for (int i = 0; i < 50; ++i) {
        undo.Redo(n);
    }
    EXPECT_EQ(program.Cell(0, 0).number, 60);
    EXPECT_EQ(undo.GetCount(), 50);
    EXPECT_EQ(undo.Redo(n), (GridPos{-1, -1}));

    for (int i = 0; i < 10; ++i) {
        undo.Undo(n);
    }
    undo.RecordCell(0, 1);
    EXPECT_EQ(undo.GetCount(), 41);
    EXPECT_EQ(undo.GetRedoCount(), 0);
    n = 5;
    EXPECT_EQ(undo.Redo(n), (GridPos{-1, -1}));
    EXPECT_EQ(n, 5);
    EXPECT_EQ(program.Cell(0, 0).number, 50);
}

TEST_F(UnDoListTest, RestoredLinesCarryTheHighlightMark) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    undo.RecordDeleteLines(0, 0, 1);
    program.DeleteLines(0, 1);
    int n = 0;
    undo.Undo(n);
    for (const LadCell& cell : program.Line(0).cells) {
        EXPECT_EQ(cell.highlight, 1);
    }
}

// 51 steps, 51 undos: the newest 50 are taken back, the oldest stays done, the 51st does nothing.
TEST_F(UnDoListTest, RingKeepsTheNewestFifty) {
    Use({"", ""});
    for (int step = 0; step < 51; ++step) {
        undo.RecordCell(0, 0);
        program.Cell(0, 0).number = static_cast<std::int16_t>(step);
    }
    EXPECT_EQ(undo.GetCount(), 50);
    for (int step = 50; step >= 1; --step) {
        int n = 0;
        EXPECT_EQ(undo.Undo(n), (GridPos{0, 0}));
        EXPECT_EQ(program.Cell(0, 0).number, step - 1);
    }
    EXPECT_EQ(undo.GetCount(), 0);
    int n = 7;
    EXPECT_EQ(undo.Undo(n), (GridPos{-1, -1}));
    EXPECT_EQ(program.Cell(0, 0).number, 0);  // the oldest step stays done
}

TEST_F(UnDoListTest, UndoOfANumberCellFreesItsNumber) {
    Use({"X000.0 [TMR:] - - - - (Y000.0)", ". # # . . . . .", ""});
    undo.RecordCell(2, 0);
    LadCell& param = program.Cell(2, 0);
    ASSERT_FALSE(convert.CheckNumber(param, 12, 0, false));
    param.SetText("0012");
    ASSERT_TRUE(convert.IsNumberInUse(0x1901, 12));
    int n = 0;
    undo.Undo(n);
    EXPECT_FALSE(convert.IsNumberInUse(0x1901, 12));
    EXPECT_EQ(program.Cell(2, 0).number, -1);
}

// A refused entry is rolled back by Undo right away; the box keeps the number it held, and the
// registry still says so.
TEST_F(UnDoListTest, RollbackOfARefusedEntryKeepsTheBoxNumberClaimed) {
    Use({"X000.0 [TMR:0005] - - - - (Y000.0)", ". # # . . . . .", ""});
    LadCell claim;
    claim.code = 0x1901;
    ASSERT_FALSE(convert.CheckNumber(claim, 5, 0, false));
    undo.RecordCell(2, 0);  // the entry fails before the cell changes
    int n = 0;
    undo.Undo(n);
    EXPECT_TRUE(convert.IsNumberInUse(0x1901, 5));
}

// Only the number parameter of a box frees a number: a TMRB precision or set value does not
// free the TMRB timer that happens to share its value.
TEST_F(UnDoListTest, OtherParametersOfANumberedBoxFreeNothing) {
    Use({"X000.0 [TMRB:3:0003:0050] - - (Y000.0)", ". # # # # . . .", ""});
    LadCell timer;
    timer.code = 0x4102;
    ASSERT_FALSE(convert.CheckNumber(timer, 3, 0, false));
    LadCell timer50;
    timer50.code = 0x4102;
    ASSERT_FALSE(convert.CheckNumber(timer50, 50, 0, false));
    undo.RecordCell(1, 0);  // precision 3
    undo.RecordCell(3, 0);  // set value 50
    int n = 0;
    undo.Undo(n);
    undo.Undo(n);
    EXPECT_TRUE(convert.IsNumberInUse(0x4102, 3));
    EXPECT_TRUE(convert.IsNumberInUse(0x4102, 50));
}

TEST_F(UnDoListTest, UndoOfDeletedBoxLinesClaimsTheirNumbersAgain) {
    Use({"X000.0 [CTR:0007] - - - - (Y000.0)", "- # # . . . . .", "- # # . . . . .",
         "- # # . . . . .", ""});
    undo.RecordDeleteLines(0, 0, 4);
    convert.ReleaseNumber(0x1001, 7);
    program.DeleteLines(0, 4);
    int n = 0;
    undo.Undo(n);
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(convert.IsNumberInUse(0x1001, 7));
}

// Undoing the insertion of a COD box also removes the table lines its capacity entry built
// below it; an insertion that ends in anything else never takes a table away.
TEST_F(UnDoListTest, InsertUndoTakesTheCodTableOfTheInsertedBox) {
    struct Case {
        const char* name;
        std::vector<std::string> grid;
        int at;
        int inserted;
        int linesLeft;
    };
    const std::vector<Case> cases = {
        // COD box at 0-1, two table lines, trailing line: all four go
        {"cod box",
         {"- [COD:1:0016:R000:R001] - -", "- # # # # # . .", "CODT 1 2", "CODT 3", ""},
         0,
         2,
         1},
        // one line inserted above a table (not a COD box): only that line goes
        {"plain line",
         {"- [COD:1:0016:R000:R001] - -", "- # # # # # . .", "", "CODT 1 2", "CODT 3", ""},
         2,
         1,
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        undo.RecordInsertLines(0, c.at, c.inserted);
        int n = 0;
        undo.Undo(n);
        EXPECT_EQ(program.LineCount(), c.linesLeft);
    }
}

// At the line limit the deleted lines cannot come back; nothing else is touched.
TEST_F(UnDoListTest, DeleteUndoRefusedAtTheLineLimitLeavesTheProgram) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    undo.RecordDeleteLines(0, 0, 1);
    program.DeleteLines(0, 1);
    program.InsertLines(0, 1598);
    program.Cell(0, 0).code = Element::kHLine;
    const LadProgram before = program;
    int n = 0;
    undo.Undo(n);
    EXPECT_TRUE(test::SameProgram(before, program));
    EXPECT_EQ(undo.GetCount(), 0);
}

TEST_F(UnDoListTest, AddressNoteGoesBackThroughItsTarget) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    undo.RecordAddressNote(0, 0, "old note");
    int n = 0;
    EXPECT_EQ(undo.Undo(n), (GridPos{0, 0}));
    ASSERT_EQ(notes.calls.size(), 1u);
    EXPECT_EQ(notes.calls[0].column, 0);
    EXPECT_EQ(notes.calls[0].line, 0);
    EXPECT_EQ(notes.calls[0].text, "old note");
}

}  // namespace
}  // namespace rungpad
