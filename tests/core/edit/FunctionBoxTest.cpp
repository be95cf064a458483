#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "edit/EditCommands.h"
#include "model/FuncInstrTable.h"

namespace rungpad::test {
namespace {

class FunctionBoxTest : public EditorFixture {
  protected:
    int FindBox(int line) const { return editor.FindFunctionBox(line); }
};

// Every function of the menu, inserted with the anchor in column 2 of the middle line: the box
// cells are coded row by row, its input rows and its first row are joined to the rails, and the
// name cell names it.
TEST_F(FunctionBoxTest, EveryMenuFunctionIsCodedWhole) {
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        SCOPED_TRACE(command.MenuText());
        Use({"X000.0 - - - - - - (Y000.0)", "X000.1 - - - - - - (Y000.1)", ""});
        SelectCell(2, 1);
        ASSERT_TRUE(editor.OnFunctionMenuCommand(command.id));
        const FuncInstr& f = *FuncInstrTable::FindFunctionCode(command.Code());
        const bool end = command.Code() == 0x7100 || command.Code() == 0x7200;
        const int start = end ? 4 : std::min(2, 7 - f.width);
        ASSERT_EQ(Lines(), 3 + f.height);
        for (int row = 0; row < f.height; ++row) {
            for (int column = 0; column < 8; ++column) {
                const int code = Cell(column, 1 + row).code;
                if (column >= start && column < start + f.width) {
                    EXPECT_EQ(code, command.Code() + 16 * row + (column - start));
                } else if (column < start && row < f.inputRows) {
                    EXPECT_EQ(code, Element::kHLine);
                } else if (column >= start + f.width && row == 0) {
                    EXPECT_EQ(code, Element::kHLine);
                } else {
                    EXPECT_EQ(code, Element::kEmpty);
                }
            }
        }
        EXPECT_EQ(Cell(start, 1).Text(), command.MenuText());
        EXPECT_EQ(Cell(0, 1 + f.height).Text(), "X000.1");  // the selected line moved down
        // The cursor stays on the new box's name cell, so the keys go on from there.
        EXPECT_EQ(Cursor(), (GridPos{start, 1}));
        EXPECT_EQ(doc.Selection().anchor, (GridPos{start, 1}));
        ASSERT_EQ(UndoKinds(), (std::vector<int>{3}));
        EXPECT_EQ(editor.UndoList().Peek()->insertedCount, f.height);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(FunctionBoxTest, StartColumnAndPlacement) {
    struct Case {
        const char* name;
        std::uint16_t code;
        GridPos anchor;
        GridPos cursor;
        int top;
        int start;
    };
    const std::vector<Case> cases = {
        {"CTR at column 3", 0x1000, {3, 2}, {3, 2}, 2, 3},
        {"DSCH pushed left", 0x1700, {5, 2}, {5, 2}, 2, 1},
        {"END1 always column 4", 0x7100, {0, 2}, {0, 2}, 2, 4},
        // lines 10-20 selected from the bottom: the box goes before line 10
        {"selection from below", 0x1900, {6, 20}, {1, 10}, 10, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(std::vector<std::string>(22, ""));
        SelectLines(c.anchor, c.cursor);
        editor.InsertFunctionBox(c.code);
        EXPECT_EQ(Cell(c.start, c.top).code, c.code);
        ASSERT_NE(editor.UndoList().Peek(), nullptr);
        EXPECT_EQ(editor.UndoList().Peek()->line, c.top);
        EXPECT_EQ(editor.UndoList().Peek()->column,
                  c.anchor.line <= c.cursor.line ? c.anchor.column : c.cursor.column);
    }
}

TEST_F(FunctionBoxTest, RefusedInsertionsChangeNothing) {
    struct Case {
        const char* name;
        std::uint16_t code;
        bool cursor;
        int extraLines;
    };
    const std::vector<Case> cases = {
        {"CODT", 0x4000, true, 0},
        {"unknown code", 0x7300, true, 0},
        {"a box cell code", 0x1901, true, 0},
        {"no cursor", 0x1900, false, 0},
        {"line limit", 0x1000, true, 1595},  // 1598 lines: four more do not fit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use({"X000.0 - - - - - - (Y000.0)", "", ""});
        doc.Program().InsertLines(1, c.extraLines);
        if (c.cursor) {
            SelectCell(2, 0);
        }
        const LadProgram before = doc.Program();
        editor.InsertFunctionBox(c.code);
        EXPECT_TRUE(SameProgram(before, doc.Program()));
        EXPECT_EQ(editor.UndoList().GetCount(), 0);
    }
}

TEST_F(FunctionBoxTest, FunctionDialogInsertsTheChosenBox) {
    Use({"", ""});
    SelectCell(0, 0);
    host.functions.push_back(0x3400);
    editor.OnFunctionCommand();
    EXPECT_EQ(Cell(0, 0).code, 0x3400);
    SelectCell(0, 0);
    editor.OnFunctionCommand();  // cancelled
    EXPECT_EQ(Lines(), 3);
}

TEST_F(FunctionBoxTest, NamesOfCodes) {
    EXPECT_EQ(CLadEditor::FunctionName(0x1000), "CTR");
    EXPECT_EQ(CLadEditor::FunctionName(0x1900), "TMR");
    EXPECT_EQ(CLadEditor::FunctionName(0x2000), "ADD");
    EXPECT_EQ(CLadEditor::FunctionName(0x4600), "AXCTL");
    EXPECT_EQ(CLadEditor::FunctionName(0x7100), "END1");
    EXPECT_EQ(CLadEditor::FunctionName(0x7200), "END2");
    EXPECT_EQ(CLadEditor::FunctionName(0x0400), "");
    EXPECT_EQ(CLadEditor::FunctionName(0x4700), "");
    EXPECT_EQ(CLadEditor::FunctionName(0xFF00), "");
}

// Deleting a box frees its number for another box of the same registry.
TEST_F(FunctionBoxTest, DeletedBoxFreesItsNumber) {
    struct Case {
        const char* name;
        std::vector<std::string> grid;
        std::uint16_t numberCode;
        int number;
    };
    const std::vector<Case> cases = {
        {"TMR", {"X000.0 [TMR:0012] - - - - (Y000.0)", ". # #", ""}, 0x4202, 12},
        {"TMRC", {"X000.0 [TMRC:0001:0012] - - - (Y000.0)", ". # # #", ""}, 0x1901, 12},
        {"CTR", {"X000.0 [CTR:0007] - - - - (Y000.0)", "- # #", "- # #", "- # #", ""}, 0x1001, 7},
        {"LBL", {"[LBL:0003] - - - - - -", ""}, 0x3401, 3},
        {"DIFD", {"X000.0 [DIFD:0200] - - - - (Y000.0)", ""}, 0x2701, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        ASSERT_TRUE(doc.Converter().IsNumberInUse(c.numberCode, c.number));
        SelectCell(FindBox(0), 0);
        editor.PlaceElement(Element::kEmpty);
        EXPECT_FALSE(doc.Converter().IsNumberInUse(c.numberCode, c.number));
        EXPECT_EQ(Lines(), 1);
        EXPECT_EQ(UndoKinds(), (std::vector<int>{2}));
    }
}

TEST_F(FunctionBoxTest, TmrbPrecisionDoesNotFreeATimer) {
    Use({"X000.0 [TMRB:0003:0009:0100] - - (Y000.0)", ". # # # #",
         "X000.1 [TMRB:0001:0003:0100] - - (Y000.1)", ". # # # #", ""});
    SelectCell(1, 0);
    editor.PlaceElement(Element::kEmpty);
    EXPECT_FALSE(doc.Converter().IsNumberInUse(0x4102, 9));
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x4102, 3));  // the other box's timer
}

TEST_F(FunctionBoxTest, CodTableGoesWithItsBoxButNotTheOtherWay) {
    const std::vector<std::string> grid = {
        "X000.0 [COD:0001:0016:R000:R001] - (Y000.0)", "X000.1 # # # # #", "CODT 1 2", "CODT 3",
        "X000.0 [COD:0001:0008:R000:R001] - (Y000.1)", "X000.1 # # # # #", "CODT 1",   ""};
    Use(grid);
    SelectCell(3, 2);  // a table line: the table goes, the box stays
    editor.PlaceElement(Element::kEmpty);
    EXPECT_EQ(Lines(), 6);
    EXPECT_EQ(Cell(1, 1).code, 0x2610);
    EXPECT_EQ(Cell(1, 2).code, 0x2600);
    Use(grid);
    SelectCell(2, 0);  // the first box: its lines and table, not the box below
    editor.PlaceElement(Element::kEmpty);
    EXPECT_EQ(Lines(), 4);
    EXPECT_EQ(Cell(1, 0).code, 0x2600);
    EXPECT_EQ(Cell(3, 0).number, 8);
}

// The table is one more undo step; taking back the box, its entry and its table gives back the
// program exactly.
TEST_F(FunctionBoxTest, UndoOfABoxInsertionItsCapacityAndTable) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    const LadProgram before = doc.Program();
    SelectCell(1, 0);
    editor.InsertFunctionBox(0x2600);
    SelectCell(3, 0);
    host.items.push_back("20");
    editor.PlaceElement(0x2602);
    ASSERT_EQ(Lines(), 7);
    EXPECT_EQ(UndoKinds(), (std::vector<int>{3, 1, 3}));
    editor.OnUndo();
    EXPECT_EQ(Lines(), 4);  // the table
    EXPECT_EQ(Cell(3, 0).Text(), "0020");
    editor.OnUndo();
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(before, doc.Program()));
}

// A new capacity replaces the table; undoing it brings the old table back with its entries.
TEST_F(FunctionBoxTest, UndoOfATableReplacementRestoresTheOldEntries) {
    Use({"X000.0 [COD:0001:0016:R000:R001] - (Y000.0)", "X000.1 # # # # #", "CODT 1 2", "CODT 3",
         "X000.2 - - - - - - (Y000.2)", ""});
    const LadProgram before = doc.Program();
    SelectCell(3, 0);
    host.items.push_back("24");
    editor.PlaceElement(0x2602);
    EXPECT_EQ(Lines(), 7);
    EXPECT_EQ(UndoKinds(), (std::vector<int>{1, 4}));
    editor.OnUndo();
    editor.OnUndo();
    EXPECT_TRUE(SameProgram(before, doc.Program()));
}

}  // namespace
}  // namespace rungpad::test
