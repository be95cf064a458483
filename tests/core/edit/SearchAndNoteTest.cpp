#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "edit/ReplaceButtons.h"
#include "model/TextCodec.h"

namespace rungpad::test {
namespace {

class SearchAndNoteTest : public EditorFixture {};

const std::vector<std::string> kSearchGrid = {
    "R100.0 . . . . . . .",            // 0
    ". . . . . . . .",                 // 1
    ". . . . . . . .",                 // 2
    ". . . . . . . .",                 // 3
    ". . . X000.1 . . . X000.1",       // 4
    "X000.1 X000.1 . . . . X000.1 .",  // 5
    "X000.1 . . . . . . .",            // 6
    "x000.1 X01.1 R100.0 . . . . .",   // 7
    "X000.9 . . . . . . .",            // 8 the trailing line holds text
};

struct FindCase {
    const char* name;
    std::string find;
    int direction;
    GridPos from;
    bool found;
    GridPos at;
    std::vector<int> scrolled;
};

TEST_F(SearchAndNoteTest, FindTraversal) {
    const std::vector<FindCase> cases = {
        // down: the rest of the line before the next line
        {"down same line", "X000.1", 0, {2, 5}, true, {6, 5}, {}},
        {"down next line", "X000.1", 0, {6, 5}, true, {0, 6}, {6}},
        // up: leftwards on the line, then earlier lines from column 0
        {"up same line", "X000.1", 1, {2, 5}, true, {1, 5}, {}},
        {"up earlier line", "X000.1", 1, {0, 5}, true, {3, 4}, {4}},
        // exact and case-sensitive
        {"case counts", "x000.1", 0, {0, 0}, true, {0, 7}, {7}},
        {"whole text", "X01.1", 0, {0, 0}, true, {1, 7}, {7}},
        {"no partial match", "X000", 0, {0, 0}, false, {0, 0}, {}},
        // the trailing line is never searched, not even from its own row
        {"trailing line", "X000.9", 0, {0, 0}, false, {0, 0}, {}},
        {"trailing line from itself", "X000.9", 0, {0, 8}, false, {0, 8}, {}},
        // an empty find text matches an empty cell
        {"empty text", "", 0, {0, 0}, true, {1, 0}, {}},
        // no selection: from the first cell, which is not itself examined
        {"no selection", "R100.0", 0, {-1, -1}, true, {2, 7}, {7}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        Use(kSearchGrid);
        SelectLines(c.from, c.from);
        host.scrolledTo.clear();
        EXPECT_EQ(editor.SearchNext(c.find, c.direction, "", 0), c.found);
        EXPECT_EQ(Cursor(), c.at);
        EXPECT_EQ(Anchor(), c.at);
        EXPECT_EQ(host.scrolledTo, c.scrolled);
        EXPECT_EQ(editor.UndoList().GetCount(), 0);
    }
}

// Replace: the selected match is replaced, the next one selected and left alone.
TEST_F(SearchAndNoteTest, ReplaceTakesTheSelectedMatchThenFindsTheNext) {
    Use(kSearchGrid);
    SelectCell(1, 5);
    EXPECT_TRUE(editor.SearchNext("X000.1", 0, "Y000.2", 1));
    EXPECT_EQ(Cell(1, 5).Text(), "Y000.2");
    EXPECT_EQ(Cursor(), (GridPos{6, 5}));
    EXPECT_EQ(Cell(6, 5).Text(), "X000.1");
    EXPECT_EQ(UndoKinds(), (std::vector<int>{1}));
}

// Replace All from the first cell, itself included; each cell one record, undone one by one.
TEST_F(SearchAndNoteTest, ReplaceAllAndItsUndo) {
    Use(kSearchGrid);
    const LadProgram before = doc.Program();
    SelectCell(5, 3);
    ReplaceButtons buttons;
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("R100.0", "R101.0", editor, host), 2);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"全部替换完成。"}));
    EXPECT_EQ(Cell(0, 0).Text(), "R101.0");
    EXPECT_EQ(Cell(2, 7).Text(), "R101.0");
    EXPECT_EQ(UndoKinds(), (std::vector<int>{1, 1}));
    editor.OnUndo();
    EXPECT_EQ(Cell(2, 7).Text(), "R100.0");
    EXPECT_EQ(Cell(0, 0).Text(), "R101.0");
    EXPECT_EQ(Anchor(), (GridPos{2, 7}));
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(before, doc.Program()));
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(SearchAndNoteTest, ReplaceAllWithNothingToReplaceStillReports) {
    Use(kSearchGrid);
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("Y777.7", "Y000.0", editor, host), 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"全部替换完成。"}));
}

// Both replace buttons say what they did after the command's own message: how many cells they
// replaced, and each refused cell with its line and the error that refused it (the first one,
// the cause). A refused cell changes nothing and marks nothing modified.
TEST_F(SearchAndNoteTest, ReplaceReportsWhatItReplacedAndRefused) {
    const std::vector<std::string> grid = {
        "X000.0 - - - - - - (Y000.1)",  // 0
        "X000.1 - - - - - - (Y000.2)",  // 1
        "X000.2 - - - - - - (R005.1)",  // 2
        "X000.3 - - - - - - (R005.1)",  // 3
        "X000.4 - - [TMR:0005] - - (R000.0)", ". . . # #", "",
    };
    struct Case {
        const char* name;
        bool all;  // ALL REPLACE, else REPLACE on the selected cell
        GridPos selected;
        std::string find;
        std::string replace;
        std::vector<RecordingHost::Event> said;  // boxes and output lines, in order
        bool modified;
    };
    const RecordingHost::Event all{"box", std::string(ReplaceButtons::kAllReplaced)};
    const RecordingHost::Event notFound{"box", std::string(ReplaceButtons::kNotFound)};
    const auto line = [](const char* text) { return RecordingHost::Event{"line", text}; };
    const std::vector<Case> cases = {
        {"all: target already a coil",
         true,
         {0, 0},
         "Y000.1",
         "Y000.2",
         {all, line("0 replaced; line 0001: 1027")},
         false},
        {"all: the second coil would repeat the first",
         true,
         {0, 0},
         "R005.1",
         "R006.1",
         {all, line("1 replaced; line 0004: 1027")},
         true},
        {"all: every one taken", true, {0, 0}, "X000.1", "X001.1", {all, line("1 replaced")}, true},
        {"all: nothing found", true, {0, 0}, "Y777.7", "Y000.0", {all}, false},
        // REPLACE on the selected cell, then the search for the next match finds none.
        {"one: refused",
         false,
         {7, 0},
         "Y000.1",
         "Y000.2",
         {notFound, line("0 replaced; line 0001: 1027")},
         false},
        {"one: a box name",
         false,
         {3, 4},
         "TMR",
         "CTR",
         {notFound, line("0 replaced; line 0005: not an address or parameter")},
         false},
        {"one: taken", false, {0, 1}, "X000.1", "X001.1", {notFound, line("1 replaced")}, true},
        {"one: the selected cell does not match", false, {0, 1}, "X000.3", "X001.3", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(grid);
        SelectCell(c.selected.column, c.selected.line);
        out.Reset();
        ReplaceButtons buttons;
        if (c.all) {
            ReplaceButtons::OnReplaceAll(c.find, c.replace, editor, out);
        } else {
            buttons.OnReplace(c.find, c.replace, editor, out);
        }
        std::vector<RecordingHost::Event> said;
        for (const RecordingHost::Event& e : out.events) {
            const bool report = e.kind == "box" || e.text.find("replaced") != std::string::npos;
            if (report) {
                said.push_back(e);
            }
        }
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(doc.IsModified(), c.modified);
    }
}

// Replacing a text by itself ends too: every call moves on.
TEST_F(SearchAndNoteTest, ReplaceAllBySameTextEnds) {
    Use(kSearchGrid);
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("X000.1", "X000.1", editor, host), 6);
}

TEST_F(SearchAndNoteTest, LongReplacementIsCutToSixCharacters) {
    Use(kSearchGrid);
    SelectCell(0, 0);
    editor.SearchNext("R100.0", 0, "R100.1234", 1);
    EXPECT_EQ(Cell(0, 0).Text(), "R100.1");
}

// After a FIND NEXT that found nothing, the next press starts at the top of the program.
TEST_F(SearchAndNoteTest, FindNextWrapsToTheTop) {
    Use(kSearchGrid);
    ReplaceButtons buttons;
    SelectCell(0, 7);
    EXPECT_FALSE(buttons.OnFindNext("X000.1", editor, host));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"没有找到要查找的内容。"}));
    EXPECT_TRUE(buttons.FindNextWraps());
    EXPECT_FALSE(buttons.ReplaceWraps());
    EXPECT_TRUE(buttons.OnFindNext("X000.1", editor, host));
    EXPECT_EQ(Cursor(), (GridPos{3, 4}));
    EXPECT_FALSE(buttons.FindNextWraps());
}

TEST_F(SearchAndNoteTest, ReplaceButtonWrapsOnItsOwnFlag) {
    Use(kSearchGrid);
    ReplaceButtons buttons;
    SelectCell(3, 7);
    EXPECT_FALSE(buttons.OnReplace("R100.0", "R200.0", editor, host));
    EXPECT_TRUE(buttons.ReplaceWraps());
    EXPECT_TRUE(buttons.OnReplace("R100.0", "R200.0", editor, host));
    EXPECT_EQ(Cell(0, 0).Text(), "R200.0");  // the first cell, selected by the wrap, is replaced
    EXPECT_EQ(Cursor(), (GridPos{2, 7}));
    EXPECT_EQ(Cell(2, 7).Text(), "R100.0");
}

// Replace runs the matched cell's own entry check: a refused text leaves the cell and the undo
// list as they were and shows the check's error line; a box never changes kind by Replace.
TEST_F(SearchAndNoteTest, ReplaceChecksWhatItWrites) {
    const std::vector<std::string> grid = {
        "X000.1 - [MOVW:R012:D020] - - (Y000.1)",  // 0
        ". . # # #",                               // 1
        "X000.2 - - [TMR:0005] - - (Y000.2)",      // 2
        ". . . # #",                               // 3
        "",
    };
    struct Case {
        const char* name;
        GridPos at;
        std::string replace;
        std::string stored;  // the cell's text afterwards
        std::string error;   // the error line shown, empty when accepted
    };
    const std::vector<Case> cases = {
        {"contact takes an address", {0, 0}, "x1.2", "X001.2", ""},
        {"contact refuses a word", {0, 0}, "HELLO", "X000.1", "1011 地址数据未正确输入"},
        {"contact refuses a byte out of range",
         {0, 2},
         "X999.9",
         "X000.2",
         "1011 地址数据未正确输入"},
        {"coil refuses an address in use", {7, 0}, "Y000.2", "Y000.1", "1011 地址数据未正确输入"},
        {"coil refuses an input", {7, 2}, "X000.0", "Y000.2", "1011 地址数据未正确输入"},
        {"parameter refuses a range",
         {3, 0},
         "D999",
         "R012",
         "1012 输入符号未定义或者输入地址超出范围"},
        {"parameter takes a data address", {4, 0}, "D30", "D030", ""},
        {"box name stays", {3, 2}, "CTR", "TMR", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(grid);
        const std::string find(Cell(c.at.column, c.at.line).Text());
        SelectCell(c.at.column, c.at.line);
        out.events.clear();
        editor.SearchNext(find, 0, c.replace, 1);
        EXPECT_EQ(Cell(c.at.column, c.at.line).Text(), c.stored);
        const bool changed = c.stored != find;
        EXPECT_EQ(editor.UndoList().GetCount(), changed ? 1 : 0);
        EXPECT_EQ(doc.IsModified(), changed);
        const std::vector<std::string> lines = out.Texts("line");
        if (c.error.empty()) {
            EXPECT_TRUE(lines.empty());
        } else {
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_NE(lines[0].find(c.error), std::string::npos) << lines[0];
        }
    }
}

// Replace All over refused cells goes on to the next match and ends.
TEST_F(SearchAndNoteTest, ReplaceAllPassesOverRefusedCells) {
    Use({"X000.1 - - - - - - (Y000.1)", "X000.1 - - - - - - (Y000.2)", ""});
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("Y000.1", "Y000.2", editor, host), 1);
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("X000.1", "K999.9", editor, host), 2);
    EXPECT_EQ(Cell(0, 0).Text(), "X000.1");
    EXPECT_EQ(Cell(0, 1).Text(), "X000.1");
    EXPECT_EQ(Cell(7, 0).Text(), "Y000.1");
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(SearchAndNoteTest, FindButtonReportsNothingFound) {
    Use(kSearchGrid);
    SelectCell(0, 0);
    EXPECT_TRUE(ReplaceButtons::OnFind("X000.1", 0, editor, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(ReplaceButtons::OnFind("Y000.0", 1, editor, host));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"没有找到要查找的内容。"}));
}

TEST_F(SearchAndNoteTest, ModifyNoteIsEnabledOnContactsAndCoils) {
    Use({"X000.0 /X000.1 - [SET:R000.1] - - (Y000.0)", "- . . . . . . (/Y000.1)", ""});
    struct Case {
        GridPos at;
        bool enabled;
    };
    const std::vector<Case> cases = {
        {{0, 0}, true},  {{1, 0}, true},  {{7, 0}, true},  {{7, 1}, true},    {{2, 0}, false},
        {{3, 0}, false}, {{4, 0}, false}, {{1, 1}, false}, {{-1, -1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at.column * 10 + c.at.line);
        SelectCell(c.at.column, c.at.line);
        EXPECT_EQ(editor.CanModifyNote(), c.enabled);
    }
}

TEST_F(SearchAndNoteTest, ModifyNoteStoresAndUndoRestores) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    *doc.Notes().FindBitNote("X000.0") = "old";
    SelectCell(0, 0);
    host.notes.push_back(std::string("启动按钮"));
    editor.OnModifyNote();
    ASSERT_EQ(host.noteAsks.size(), 1u);
    EXPECT_EQ(host.noteAsks[0].address, "X000.0");
    EXPECT_EQ(host.noteAsks[0].note, "old");
    EXPECT_EQ(*doc.Notes().FindBitNote("X000.0"), TextCodec::Utf8ToGbk("启动按钮"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(UndoKinds(), (std::vector<int>{6}));
    SelectCell(7, 0);
    editor.OnUndo();
    EXPECT_EQ(*doc.Notes().FindBitNote("X000.0"), "old");
    EXPECT_EQ(Anchor(), (GridPos{0, 0}));
}

TEST_F(SearchAndNoteTest, ModifyNoteWithoutANoteSlotOrOkDoesNothing) {
    Use({"D010.0 - - - - - - (Y000.0)", ""});
    SelectCell(0, 0);
    host.notes.push_back(std::string("x"));
    editor.OnModifyNote();  // D addresses carry no notes
    EXPECT_TRUE(host.noteAsks.empty());
    SelectCell(7, 0);
    host.notes.clear();
    editor.OnModifyNote();  // cancelled
    EXPECT_EQ(host.noteAsks.size(), 1u);
    EXPECT_EQ(editor.UndoList().GetCount(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(SearchAndNoteTest, UndoOfDeletedLinesSelectsThem) {
    std::vector<std::string> grid(20, "X000.0");
    grid.push_back("");
    Use(grid);
    SelectLines({0, 10}, {0, 12});
    editor.OnDeleteLine();
    EXPECT_TRUE(editor.CanUndo());
    editor.OnUndo();
    EXPECT_EQ(Anchor(), (GridPos{0, 10}));
    EXPECT_EQ(Cursor(), (GridPos{0, 13}));
    EXPECT_EQ(Lines(), 21);
    EXPECT_FALSE(editor.CanUndo());
    const int repaints = host.fullRepaints;
    editor.OnUndo();  // disabled: nothing
    EXPECT_EQ(host.fullRepaints, repaints);
}

}  // namespace
}  // namespace rungpad::test

namespace rungpad::test {
namespace {

class TwoViewsTest : public EditorFixture {};

// Two views of one document share the selection and one history: a view opened late can undo
// what another did, and an undo takes back the newest step whichever view made it, at the
// line where that step now is.
TEST_F(TwoViewsTest, ViewsShareOneHistory) {
    Use({"", "X007.0", ""});
    SelectCell(0, 0);
    editor.PlaceElement(Element::kHLine);
    ScriptedEditorHost secondHost;
    CLadEditor second(doc, secondHost, clipboard);
    second.OnInitialUpdate();
    EXPECT_EQ(Cursor(), (GridPos{1, 0}));  // the shared selection moved for both
    EXPECT_TRUE(second.CanUndo());
    second.OnUndo();
    EXPECT_EQ(Cell(0, 0).code, 0);
    EXPECT_TRUE(editor.CanRedo());
    editor.OnRedo();
    EXPECT_EQ(Cell(0, 0).code, Element::kHLine);

    // A line inserted through the second view above the first view's edit, then Undo twice in
    // the first: the insertion goes, then the edit, and the contact below never moves.
    SelectCell(3, 1);
    host.items.push_back("X7.1");
    editor.PlaceElement(Element::kNoContact);
    ASSERT_EQ(Cell(3, 1).Text(), "X007.1");
    SelectCell(0, 0);
    secondHost.insertCounts.push_back(1);
    second.OnInsertLine();
    ASSERT_EQ(Cell(3, 2).Text(), "X007.1");
    editor.OnUndo();
    EXPECT_EQ(Cell(3, 1).Text(), "X007.1");
    editor.OnUndo();
    EXPECT_EQ(Cell(3, 1).code, 0);
    EXPECT_EQ(Cell(0, 1).Text(), "X007.0");
    EXPECT_EQ(Lines(), 3);
}

}  // namespace
}  // namespace rungpad::test
