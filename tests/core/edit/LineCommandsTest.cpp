#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "EditorFixture.h"

namespace rungpad::test {
namespace {

class LineCommandsTest : public EditorFixture {
  protected:
    // Lines whose first cell names their original index, and a trailing line.
    void UseNumbered(int lines) {
        std::vector<std::string> grid;
        for (int i = 0; i < lines; ++i) {
            grid.push_back("X" + std::string(i < 10 ? "00" : "0") + std::to_string(i) + ".0");
        }
        grid.push_back("");
        Use(grid);
        for (int i = 0; i < lines; ++i) {
            doc.Program().Note(i).Assign("note " + std::to_string(i));
        }
    }
    std::string FirstText(int line) const { return std::string(Cell(0, line).Text()); }
};

const std::vector<std::string> kCtrProgram = {
    "X000.0 [CTR:0007] - - - - (Y000.0)", "- # #", "- # #", "- # #",
    "X000.1 - - - - - - (Y000.1)",        ""};

struct DeleteCase {
    const char* name;
    std::vector<std::string> grid;
    GridPos anchor;
    GridPos cursor;
    std::vector<std::string> expected;
    std::vector<int> freedCounters;
};

TEST_F(LineCommandsTest, DeleteLine) {
    const std::vector<DeleteCase> cases = {
        // lines 3-5 of six, 5 being the trailing line: 3 and 4 go
        {"trailing line stays",
         {"X000.0", "X000.1", "X000.2", "X000.3", "X000.4", ""},
         {0, 3},
         {4, 5},
         {"X000.0", "X000.1", "X000.2", ""},
         {}},
        // the first line of a CTR box takes all four lines and frees the counter
        {"whole box", kCtrProgram, {2, 0}, {2, 0}, {"X000.1 - - - - - - (Y000.1)", ""}, {7}},
        // a range starting inside the box starts at the box's first line, and stops at its end
        {"inside a box", kCtrProgram, {0, 2}, {0, 2}, {"X000.1 - - - - - - (Y000.1)", ""}, {7}},
        // a range ending inside the box reaches to its end
        {"into a box",
         {"X000.2", "X000.0 [CTR:0007] - - - - (Y000.0)", "- # #", "- # #", "- # #", ""},
         {0, 0},
         {0, 1},
         {""},
         {7}},
        // only the trailing line: nothing
        {"only trailing", {"X000.0", ""}, {0, 1}, {0, 1}, {"X000.0", ""}, {}},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        SelectLines(c.anchor, c.cursor);
        editor.OnDeleteLine();
        EXPECT_TRUE(SameProgram(Grid(c.expected), doc.Program()));
        for (const int number : c.freedCounters) {
            EXPECT_FALSE(doc.Converter().IsNumberInUse(0x1001, number));
        }
        if (Lines() < static_cast<int>(c.grid.size())) {
            EXPECT_EQ(Cursor(), (GridPos{-1, -1}));
            int n = 0;
            editor.UndoList().Undo(n);
            EXPECT_TRUE(SameProgram(Grid(c.grid), doc.Program()));
        }
    }
}

// A box that reaches the program's last line goes whole; an empty line then ends the program,
// and one undo gives back the lines exactly.
TEST_F(LineCommandsTest, DeleteLineOfABoxOnTheLastLines) {
    const std::vector<std::string> grid = {"X000.0 [CTR:0007] - - - - (Y000.0)", "- # #", "- # #",
                                           "- # #"};
    Use(grid);
    SelectCell(0, 0);
    editor.OnDeleteLine();
    EXPECT_TRUE(SameProgram(Grid({""}), doc.Program()));
    EXPECT_EQ(UndoKinds(), (std::vector<int>{4}));
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(Grid(grid), doc.Program()));
}

TEST_F(LineCommandsTest, DeleteLineWithoutCursorDoesNothing) {
    Use(kCtrProgram);
    editor.OnDeleteLine();
    EXPECT_EQ(Lines(), 6);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(LineCommandsTest, InsertLine) {
    UseNumbered(5);
    SelectLines({3, 4}, {1, 2});
    host.insertCounts.push_back(3u);
    editor.OnInsertLine();
    EXPECT_EQ(host.insertShown, (std::vector<unsigned>{1}));
    EXPECT_EQ(Lines(), 9);
    EXPECT_EQ(FirstText(5), "X002.0");
    EXPECT_EQ(doc.Program().Note(5).Str(), "note 2");
    EXPECT_EQ(Cell(0, 2).code, 0);
    EXPECT_EQ(Cursor(), (GridPos{-1, -1}));
    ASSERT_EQ(UndoKinds(), (std::vector<int>{3}));
    EXPECT_EQ(editor.UndoList().Peek()->column, 1);  // the top end's column
    EXPECT_EQ(editor.UndoList().Peek()->line, 2);
    editor.OnUndo();
    EXPECT_EQ(Lines(), 6);
    EXPECT_EQ(FirstText(2), "X002.0");
}

TEST_F(LineCommandsTest, InsertLineRefusals) {
    struct Case {
        const char* name;
        std::vector<std::string> grid;
        int extra;  // empty lines added at the top
        GridPos cursor;
        std::optional<unsigned> answer;
        std::vector<std::string> boxes;
    };
    const std::vector<Case> cases = {
        {"cancelled", {"X000.0", ""}, 0, {0, 0}, std::nullopt, {}},
        {"no cursor", {"X000.0", ""}, 0, {-1, -1}, 1u, {}},
        {"inside a box", kCtrProgram, 0, {0, 2}, 1u, {}},
        {"line limit", {"X000.0", ""}, 1596, {0, 0}, 2u, {"行数超出范围!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        doc.Program().InsertLines(0, c.extra);
        const LadProgram before = doc.Program();
        SelectCell(c.cursor.column, c.cursor.line);
        host.insertCounts.clear();
        host.insertCounts.push_back(c.answer);
        out.Reset();
        editor.OnInsertLine();
        EXPECT_TRUE(SameProgram(before, doc.Program()));
        EXPECT_EQ(editor.UndoList().GetCount(), 0);
        EXPECT_EQ(out.Boxes(), c.boxes);
    }
}

TEST_F(LineCommandsTest, SingleCellCopyAndPaste) {
    struct Case {
        const char* name;
        GridPos copyFrom;
        GridPos anchor;
        GridPos cursor;
        bool pasted;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"contact onto an empty cell", {0, 0}, {2, 1}, {2, 1}, true, {}},
        {"contact onto a box cell", {0, 0}, {2, 2}, {2, 2}, false, {}},
        {"contact right of a box", {0, 0}, {5, 2}, {5, 2}, false, {}},
        {"coil outside column 7", {7, 0}, {6, 1}, {6, 1}, false, {}},
        {"coil onto column 7", {7, 0}, {7, 1}, {7, 1}, true, {}},
        {"onto a line range", {0, 0}, {0, 1}, {3, 1}, false, {"不能执行此操作!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use({"X000.1| - - - - - - (Y000.1)", "", "- [TMR:0001] - - - -", ". # #", ""});
        SelectCell(c.copyFrom.column, c.copyFrom.line);
        editor.OnCopy();
        EXPECT_EQ(clipboard.Count(), 0);
        const LadCell copied = Cell(c.copyFrom.column, c.copyFrom.line);
        const LadProgram before = doc.Program();
        SelectLines(c.anchor, c.cursor);
        host.messages.clear();
        editor.OnPaste();
        EXPECT_EQ(host.messages, c.messages);
        if (c.pasted) {
            EXPECT_TRUE(Cell(c.cursor.column, c.cursor.line) == copied);
            EXPECT_EQ(UndoKinds(), (std::vector<int>{1}));
        } else {
            EXPECT_TRUE(SameProgram(before, doc.Program()));
        }
    }
}

TEST_F(LineCommandsTest, PasteOfLines) {
    UseNumbered(12);
    SelectLines({0, 2}, {7, 4});
    editor.OnCopy();
    ASSERT_EQ(clipboard.Count(), 3);
    const LadProgram start = doc.Program();

    // One cell selected: the lines go in before it, notes included.
    SelectCell(3, 9);
    editor.OnPaste();
    EXPECT_EQ(Lines(), 16);
    EXPECT_EQ(FirstText(9), "X002.0");
    EXPECT_EQ(FirstText(11), "X004.0");
    EXPECT_EQ(doc.Program().Note(10).Str(), "note 3");
    EXPECT_EQ(FirstText(12), "X009.0");
    EXPECT_EQ(Cell(0, 9).highlight, 0);
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(start, doc.Program()));

    // Lines 9 and 10 selected: they are replaced, and one undo brings them back.
    SelectLines({0, 9}, {0, 10});
    editor.OnPaste();
    EXPECT_EQ(Lines(), 14);
    EXPECT_EQ(FirstText(9), "X002.0");
    EXPECT_EQ(FirstText(12), "X011.0");
    ASSERT_EQ(UndoKinds(), (std::vector<int>{4}));
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(start, doc.Program()));
    EXPECT_EQ(Anchor(), (GridPos{0, 9}));
    EXPECT_EQ(Cursor(), (GridPos{0, 11}));
}

TEST_F(LineCommandsTest, PasteRefusals) {
    struct Case {
        const char* name;
        int extra;
        GridPos cursor;
        bool fill;
        std::vector<std::string> boxes;
    };
    const std::vector<Case> cases = {
        {"clipboard never filled", 0, {0, 1}, false, {}},
        {"cursor on a box line", 0, {0, 3}, true, {}},
        {"line limit", 1594, {0, 0}, true, {"行数超出范围!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clipboard.Empty();
        Use({"X000.0", "X000.1", "- [TMR:0001] - - - -", ". # #", ""});
        if (c.fill) {
            SelectLines({0, 0}, {0, 1});
            editor.OnCopy();
        }
        doc.Program().InsertLines(0, c.extra);
        const LadProgram before = doc.Program();
        SelectCell(c.cursor.column, c.cursor.line + c.extra);
        out.Reset();
        editor.OnPaste();
        EXPECT_TRUE(SameProgram(before, doc.Program()));
        EXPECT_EQ(editor.UndoList().GetCount(), 0);
        EXPECT_EQ(out.Boxes(), c.boxes);
    }
}

// A box cell alone is never copied: the clipboard empties and a Cut deletes nothing.
TEST_F(LineCommandsTest, CopyOfABoxCellEmptiesTheClipboard) {
    Use(kCtrProgram);
    SelectCell(0, 0);
    editor.OnCopy();
    ASSERT_EQ(clipboard.Count(), 0);
    SelectCell(1, 0);
    editor.OnCut();
    EXPECT_EQ(clipboard.Count(), -1);
    EXPECT_TRUE(SameProgram(Grid(kCtrProgram), doc.Program()));
    editor.OnPaste();
    EXPECT_TRUE(SameProgram(Grid(kCtrProgram), doc.Program()));
}

// Cut copies exactly what it deletes: the whole box, from its first line; pasting it elsewhere
// moves the box with its number.
TEST_F(LineCommandsTest, CutAndPasteMovesAWholeBox) {
    Use(kCtrProgram);
    SelectLines({0, 1}, {0, 2});
    editor.OnCut();
    EXPECT_EQ(clipboard.Count(), 4);
    EXPECT_TRUE(SameProgram(Grid({"X000.1 - - - - - - (Y000.1)", ""}), doc.Program()));
    SelectCell(0, 1);
    editor.OnPaste();
    EXPECT_TRUE(
        SameProgram(Grid({"X000.1 - - - - - - (Y000.1)", "X000.0 [CTR:0007] - - - - (Y000.0)",
                          "- # #", "- # #", "- # #", ""}),
                    doc.Program()));
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x1001, 7));
}

TEST_F(LineCommandsTest, CutOfOneCellDeletesItsNode) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    SelectCell(0, 0);
    editor.OnCut();
    EXPECT_EQ(clipboard.Count(), 0);
    EXPECT_EQ(Cell(0, 0).code, 0);
    SelectCell(0, 1);
    editor.OnPaste();
    EXPECT_EQ(Cell(0, 1).Text(), "X000.0");
}

// One clipboard serves every document.
TEST_F(LineCommandsTest, ClipboardIsSharedByDocuments) {
    UseNumbered(3);
    SelectLines({0, 0}, {0, 1});
    editor.OnCopy();
    RecordingHost otherOut;
    NullDocumentHost otherHost;
    CRungpadDoc other(otherOut, otherOut, otherHost);
    other.OnNewDocument();
    ScriptedEditorHost otherView;
    CLadEditor otherEditor(other, otherView, clipboard);
    otherEditor.OnInitialUpdate();
    other.Selection().anchor = other.Selection().cursor = {0, 0};
    otherEditor.OnPaste();
    EXPECT_EQ(other.Program().LineCount(), 3);
    EXPECT_EQ(other.Program().Cell(0, 1).Text(), "X001.0");
    EXPECT_EQ(other.Program().Note(0).Str(), "note 0");
}

// A document left empty by a refused file gets one empty line when its view first shows, and
// Insert Line works on it; the document is not marked modified by that line.
TEST_F(LineCommandsTest, EmptyProgramBecomesEditableWhenItsViewShows) {
    RecordingHost otherOut;
    NullDocumentHost otherHost;
    CRungpadDoc empty(otherOut, otherOut, otherHost);
    ASSERT_EQ(empty.Program().LineCount(), 0);
    ScriptedEditorHost view;
    CLadEditor emptyEditor(empty, view, clipboard);
    emptyEditor.OnInitialUpdate();
    ASSERT_EQ(empty.Program().LineCount(), 1);
    EXPECT_FALSE(empty.IsModified());
    EXPECT_EQ(empty.Converter().Program(), &empty.Program());
    empty.Selection().anchor = empty.Selection().cursor = {0, 0};
    view.insertCounts.push_back(2);
    emptyEditor.OnInsertLine();
    EXPECT_EQ(empty.Program().LineCount(), 3);
}

TEST_F(LineCommandsTest, SelectLinesClamps) {
    struct Case {
        int start;
        int end;
        GridPos anchor;
        GridPos cursor;
    };
    const std::vector<Case> cases = {
        {5, 2, {0, 4}, {7, 4}},    // the end is raised to the start
        {0, 3, {0, 0}, {7, 2}},    // a start of 0 becomes line 1
        {8, 99, {0, 7}, {7, 8}},   // the end stops before the trailing line
        {50, 60, {0, 8}, {7, 8}},  // a start beyond the program stays inside it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        UseNumbered(9);
        doc.Selection().anchor = {3, 5};
        host.lineRanges.push_back(std::make_pair(c.start, c.end));
        host.rangeShown.clear();
        host.scrolledTo.clear();
        editor.OnSelectLines();
        EXPECT_EQ(host.rangeShown, (std::vector<std::pair<int, int>>{{6, 6}}));
        EXPECT_EQ(Anchor(), c.anchor);
        EXPECT_EQ(Cursor(), c.cursor);
        EXPECT_EQ(host.scrolledTo, (std::vector<int>{c.anchor.line}));
    }
}

TEST_F(LineCommandsTest, GoLineClamps) {
    struct Case {
        int number;
        int line;
    };
    const std::vector<Case> cases = {{9999, 38}, {1, 0}, {0, 0}, {-5, 0}, {20, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Use(std::vector<std::string>(40, ""));
        host.goLines.push_back(c.number);
        host.scrolledTo.clear();
        editor.OnGoLine();
        EXPECT_EQ(Anchor(), (GridPos{0, c.line}));
        EXPECT_EQ(Cursor(), (GridPos{0, c.line}));
        EXPECT_EQ(host.scrolledTo, (std::vector<int>{c.line}));
    }
    EXPECT_EQ(host.goLineShown.front(), 1);  // the anchor line + 1
}

}  // namespace
}  // namespace rungpad::test
