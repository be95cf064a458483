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
    "R100 . . . . . . .",              // 0
    ". . . . . . . .",                 // 1
    ". . . . . . . .",                 // 2
    ". . . . . . . .",                 // 3
    ". . . X000.1 . . . X000.1",       // 4
    "X000.1 X000.1 . . . . X000.1 .",  // 5
    "X000.1 . . . . . . .",            // 6
    "x000.1 X01.1 R100 . . . . .",     // 7
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
        {"no selection", "R100", 0, {-1, -1}, true, {2, 7}, {7}},
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
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("R100", "R101", editor, host), 2);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"全部替换完成。"}));
    EXPECT_EQ(Cell(0, 0).Text(), "R101");
    EXPECT_EQ(Cell(2, 7).Text(), "R101");
    EXPECT_EQ(UndoKinds(), (std::vector<int>{1, 1}));
    editor.OnUndo();
    EXPECT_EQ(Cell(2, 7).Text(), "R100");
    EXPECT_EQ(Cell(0, 0).Text(), "R101");
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

// Replacing a text by itself ends too: every call moves on.
TEST_F(SearchAndNoteTest, ReplaceAllBySameTextEnds) {
    Use(kSearchGrid);
    EXPECT_EQ(ReplaceButtons::OnReplaceAll("X000.1", "X000.1", editor, host), 6);
}

TEST_F(SearchAndNoteTest, LongReplacementIsCutToSixCharacters) {
    Use(kSearchGrid);
    SelectCell(0, 0);
    editor.SearchNext("R100", 0, "R100.1234", 1);
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
    EXPECT_FALSE(buttons.OnReplace("R100", "R200", editor, host));
    EXPECT_TRUE(buttons.ReplaceWraps());
    EXPECT_TRUE(buttons.OnReplace("R100", "R200", editor, host));
    EXPECT_EQ(Cell(0, 0).Text(), "R200");  // the first cell, selected by the wrap, is replaced
    EXPECT_EQ(Cursor(), (GridPos{2, 7}));
    EXPECT_EQ(Cell(2, 7).Text(), "R100");
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

// Two views of one document share the selection but keep their own histories.
TEST_F(TwoViewsTest, EachViewUndoesOnlyItsOwnSteps) {
    Use({"", ""});
    ScriptedEditorHost secondHost;
    CLadEditor second(doc, secondHost, clipboard);
    second.OnInitialUpdate();
    SelectCell(0, 0);
    editor.PlaceElement(0x100);
    EXPECT_EQ(Cursor(), (GridPos{1, 0}));  // the shared selection moved for both
    EXPECT_TRUE(editor.CanUndo());
    EXPECT_FALSE(second.CanUndo());
    second.OnUndo();
    EXPECT_EQ(Cell(0, 0).code, Element::kHLine);
    second.PlaceElement(0x100);
    editor.OnUndo();
    EXPECT_EQ(Cell(0, 0).code, 0);
    EXPECT_EQ(Cell(1, 0).code, Element::kHLine);
}

}  // namespace
}  // namespace rungpad::test
