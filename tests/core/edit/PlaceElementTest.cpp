#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "edit/EditCommands.h"

namespace rungpad::test {
namespace {

constexpr int kLink = EditCommands::kSetLink;
constexpr int kUnlink = EditCommands::kClearLink;

class PlaceElementTest : public EditorFixture {};

// One placement: the program before, the cursor, the kind and the typed item; the program and
// the cursor after.
struct PlaceCase {
    const char* name;
    std::vector<std::string> grid;
    GridPos cursor;
    int kind;
    std::optional<std::string> item;
    std::vector<std::string> expected;
    GridPos cursorAfter;
};

TEST_F(PlaceElementTest, PlacementRules) {
    const std::vector<PlaceCase> cases = {
        // a contact on the last line: the program gains a new empty last line
        {"contact on last line", {""}, {0, 0}, 0x300, "x1.2", {"X001.2", ""}, {0, 0}},
        // a coil lands in column 7, every empty cell left of it becomes a line
        {"coil from column 2",
         {"", ""},
         {2, 0},
         0x400,
         "Y0.0",
         {"- - - - - - - (Y000.0)", ""},
         {7, 0}},
        // only the empty cells are filled
        {"coil fills only empty cells",
         {"X000.0 . . - . . . .", ""},
         {1, 0},
         0x500,
         "y0.1",
         {"X000.0 - - - - - - (/Y000.1)", ""},
         {7, 0}},
        // a horizontal line moves the cursor right, but not beyond column 7
        {"line in column 3", {"", ""}, {3, 0}, 0x100, std::nullopt, {". . . -", ""}, {4, 0}},
        {"line in column 7",
         {"", ""},
         {7, 0},
         0x100,
         std::nullopt,
         {". . . . . . . -", ""},
         {7, 0}},
        // deletion changes the code only: the link, text and number stay
        {"delete keeps the link",
         {"X000.0|", ""},
         {0, 0},
         0,
         std::nullopt,
         {"{0x0:X000.0}|", ""},
         {1, 0}},
        // delete on a box line the rules allow (the box itself) takes the whole box
        {"delete a box",
         {"- [TMR:0005] - - - - (Y000.0)", ". # # . . . . .", ""},
         {1, 0},
         0,
         std::nullopt,
         {""},
         {-1, -1}},
        // a vertical link on the last line: a line is appended, the cursor moves down
        {"link on last line", {""}, {3, 0}, kLink, std::nullopt, {". . . |", ""}, {3, 1}},
        {"remove link", {". . . |", ""}, {3, 0}, kUnlink, std::nullopt, {"", ""}, {3, 0}},
        // a coil beside a box that needs no output coil is refused; TMR takes one
        {"coil beside SET",
         {"X000.0 [SET:R000.1] - - - - -", ""},
         {7, 0},
         0x400,
         "Y0.0",
         {"X000.0 [SET:R000.1] - - - - -", ""},
         {7, 0}},
        {"coil beside TMR",
         {"X000.0 [TMR:0001] - - - - -", ". # # . . . . .", ""},
         {7, 0},
         0x400,
         "Y0.0",
         {"X000.0 [TMR:0001] - - - - (Y000.0)", ". # # . . . . .", ""},
         {7, 0}},
        // left of a box without execution condition no contact; right of any box no contact
        {"contact left of SP",
         {". [SP:0001] - - - - -", ""},
         {0, 0},
         0x300,
         "X0.0",
         {". [SP:0001] - - - - -", ""},
         {0, 0}},
        {"contact right of SP",
         {"[SP:0001] . - - - - -", ""},
         {3, 0},
         0x300,
         "X0.0",
         {"[SP:0001] . - - - - -", ""},
         {3, 0}},
        // the second line of TMR takes no input: nothing is placed, deleted or linked
        {"TMR second row contact",
         {"- [TMR:0001] - - - -", ". # # . . . . .", ""},
         {0, 1},
         0x300,
         "X0.0",
         {"- [TMR:0001] - - - -", ". # # . . . . .", ""},
         {0, 1}},
        {"TMR second row delete",
         {"- [TMR:0001] - - - -", "- # # . . . . .", ""},
         {0, 1},
         0,
         std::nullopt,
         {"- [TMR:0001] - - - -", "- # # . . . . .", ""},
         {0, 1}},
        // every row of CTR takes a contact left of the box, none takes a link
        {"CTR third row contact",
         {"- [CTR:0001] - - - - -", "- # #", ". # #", "- # #", ""},
         {0, 2},
         0x200,
         "X0.3",
         {"- [CTR:0001] - - - - -", "- # #", "/X000.3 # #", "- # #", ""},
         {0, 2}},
        {"CTR link refused",
         {"- [CTR:0001] - - - - -", "- # #", "- # #", "- # #", ""},
         {0, 0},
         kLink,
         std::nullopt,
         {"- [CTR:0001] - - - - -", "- # #", "- # #", "- # #", ""},
         {0, 0}},
        // contacts and lines never overwrite a box cell
        {"contact on a box cell",
         {"- [TMR:0001] - - - -", "- # #", ""},
         {2, 0},
         0x300,
         "X0.0",
         {"- [TMR:0001] - - - -", "- # #", ""},
         {2, 0}},
        {"line on a box cell",
         {"- [TMR:0001] - - - -", "- # #", ""},
         {1, 0},
         0x100,
         std::nullopt,
         {"- [TMR:0001] - - - -", "- # #", ""},
         {1, 0}},
        // a cancelled item dialog leaves the cell, but the trailing line stays
        {"cancelled entry", {""}, {0, 0}, 0x300, std::nullopt, {"", ""}, {0, 0}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        SelectCell(c.cursor.column, c.cursor.line);
        host.items.clear();
        host.items.push_back(c.item);
        editor.PlaceElement(c.kind);
        EXPECT_TRUE(SameProgram(Grid(c.expected), doc.Program()));
        EXPECT_EQ(Cursor(), c.cursorAfter);
        EXPECT_TRUE(doc.IsModified());  // also when refused
    }
}

TEST_F(PlaceElementTest, ContactOnLastLineRecordsTheAppendedLineThenTheCell) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    SelectCell(0, 1);
    host.items.push_back("X0.1");
    editor.PlaceElement(Element::kNoContact);
    ASSERT_EQ(UndoKinds(), (std::vector<int>{3, 1}));
    const UndoRecord& append = *editor.UndoList().Peek(1);
    EXPECT_EQ(append.insertedCount, 1);
    EXPECT_EQ(append.line, 2);  // the appended line itself
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{"Checking...", "Accept!"}));
}

// Undoing a placement on the last line removes the appended line, not the line placed on, so a
// last line that already held elements keeps them.
TEST_F(PlaceElementTest, UndoOfTheAppendKeepsTheLastLinesElements) {
    Use({"X000.0"});
    const LadProgram before = doc.Program();
    SelectCell(1, 0);
    host.items.push_back("X0.1");
    editor.PlaceElement(Element::kNoContact);
    int n = 0;
    editor.UndoList().Undo(n);
    editor.UndoList().Undo(n);
    EXPECT_TRUE(SameProgram(before, doc.Program()));
}

TEST_F(PlaceElementTest, CoilRecordsEveryFilledCellAndOpensTheEntryForColumn7) {
    Use({"X000.0 . . - . . . .", ""});
    SelectCell(2, 0);
    host.items.push_back("Y1.0");
    editor.PlaceElement(Element::kCoil);
    EXPECT_EQ(UndoKinds(), (std::vector<int>(6, 1)));  // columns 1, 2, 4, 5, 6 and the coil
    ASSERT_EQ(host.itemAsks.size(), 1u);
    EXPECT_EQ(host.itemAsks[0].kind, 0x400);
    EXPECT_EQ(editor.UndoList().Peek(0)->column, 7);
}

TEST_F(PlaceElementTest, NoCursorDoesNothing) {
    Use({"", ""});
    for (const EditCommands::ElementTool& tool : EditCommands::kElementTools) {
        SCOPED_TRACE(tool.id);
        EXPECT_TRUE(editor.OnElementCommand(tool.id));
        EXPECT_TRUE(SameProgram(Grid({"", ""}), doc.Program()));
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_FALSE(editor.OnElementCommand(32780));  // not an element tool
}

TEST_F(PlaceElementTest, AppendAtTheLineLimitLeavesNoRecord) {
    Use({""});
    doc.Program().InsertLines(0, 1598);  // 1599 lines: one more is refused
    SelectCell(0, 1598);
    editor.PlaceElement(Element::kHLine);
    EXPECT_EQ(Lines(), 1599);
    EXPECT_EQ(UndoKinds(), (std::vector<int>{1}));
    EXPECT_EQ(out.Boxes(), (std::vector<std::string>{"行数超出范围!"}));
    EXPECT_EQ(Cell(0, 1598).code, Element::kHLine);
}

TEST_F(PlaceElementTest, SelectionShowsTheCursorCellsNote) {
    Use({"X000.1 - - - - - - (Y000.0)", ""});
    doc.Notes().FindBitNote("X000.1")->assign("start");
    editor.Select({0, 0}, {0, 0});
    EXPECT_EQ(out.Texts("note"), (std::vector<std::string>{"start"}));
    EXPECT_EQ(Cell(0, 0).highlight, 1);
    editor.Select({1, 0}, {1, 0});  // a horizontal line has no note
    EXPECT_EQ(out.Texts("note"), (std::vector<std::string>{"start", ""}));
    EXPECT_EQ(Cell(0, 0).highlight, 0);
    editor.SetHighlight(false);
    EXPECT_EQ(Cursor(), (GridPos{-1, -1}));
    EXPECT_EQ(Anchor(), (GridPos{1, 0}));
}

TEST_F(PlaceElementTest, LineSelectionMarksWholeLines) {
    Use({"", "", "", ""});
    editor.Select({3, 2}, {5, 1});
    for (int line = 0; line < 4; ++line) {
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(Cell(column, line).highlight, line == 1 || line == 2 ? 1 : 0);
        }
    }
    EXPECT_EQ(host.invalidatedCells.size(), 16u);
}

}  // namespace
}  // namespace rungpad::test

namespace rungpad::test {
namespace {

class EditAtCursorTest : public EditorFixture {};

// Enter and double-click re-open the entry only where there is something to enter.
TEST_F(EditAtCursorTest, WhichCellsOpenTheItemEntry) {
    struct Case {
        GridPos at;
        bool opens;
        int kind;
    };
    const std::vector<Case> cases = {
        {{0, 0}, true, 0x300},   // a contact
        {{7, 0}, true, 0x400},   // a coil
        {{6, 0}, true, 0x100},   // a horizontal line: nothing to ask, but placed again
        {{3, 2}, false, 0},      // an empty cell
        {{1, 1}, false, 0},      // the TMR name cell
        {{2, 1}, true, 0x1901},  // its parameter
        {{2, 2}, false, 0},      // its second row
        {{5, 3}, true, 0x4005},  // a table entry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at.column * 10 + c.at.line);
        Use({"X000.0 - - - - - - (Y000.0)", "- [TMR:0001] - - - - (Y000.1)", ". # #", "CODT 1",
             ""});
        SelectCell(c.at.column, c.at.line);
        host.itemAsks.clear();
        host.items.clear();
        EXPECT_EQ(editor.CanEditAtCursor(), c.opens);
        editor.EditAtCursor();
        if (c.opens && c.kind != 0x100) {
            ASSERT_EQ(host.itemAsks.size(), 1u);
            EXPECT_EQ(host.itemAsks[0].kind, c.kind);
        } else {
            EXPECT_TRUE(host.itemAsks.empty());
        }
    }
}

TEST_F(EditAtCursorTest, LineNoteIsRecordedAndKeptToTwentyBytes) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    doc.Program().Note(0).Assign("old");
    editor.SetLineNote(0, "启动条件启动条件启动条件");  // 24 GBK bytes
    EXPECT_EQ(editor.LineNote(0), "启动条件启动条件启动");
    EXPECT_EQ(doc.Program().Note(0).Length(), 20u);
    EXPECT_TRUE(doc.IsModified());
    editor.SetLineNote(0, "a启动条件启动条件启动条件");  // a two-byte character is never halved
    EXPECT_EQ(doc.Program().Note(0).Length(), 19u);
    editor.OnUndo();
    editor.OnUndo();
    EXPECT_EQ(editor.LineNote(0), "old");
    EXPECT_EQ(Anchor(), (GridPos{7, 0}));
}

}  // namespace
}  // namespace rungpad::test
