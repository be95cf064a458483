#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"

namespace rungpad::test {
namespace {

class ItemEntryTest : public EditorFixture {
  protected:
    std::string Report(int line, const std::string& message) const {
        char head[64];
        std::snprintf(head, sizeof head, "梯图第%04d行  错误代号 ", line + 1);
        return head + message;
    }
};

const std::string k1011 = "1011 地址数据未正确输入";
const std::string k1012 = "1012 输入符号未定义或者输入地址超出范围";

struct EntryCase {
    const char* name;
    std::vector<std::string> grid;
    int kind;
    GridPos at;
    std::string typed;
    std::vector<int> errors;  // the codes in the error list; empty = accepted
    std::string stored;       // the cell's text afterwards
};

TEST_F(ItemEntryTest, ContactAndCoilChecks) {
    const std::vector<EntryCase> cases = {
        {"contact X1.2", {"", "", "", "", "", ""}, 0x300, {0, 4}, "X1.2", {}, "X001.2"},
        {"contact X64.0", {"", "", "", "", "", ""}, 0x300, {0, 4}, "X64.0", {1011}, ""},
        {"contact X1.8", {"", ""}, 0x200, {0, 0}, "X1.8", {1011}, ""},
        {"contact X1.", {"", ""}, 0x200, {0, 0}, "X1.", {1011}, ""},
        {"contact X12", {"", ""}, 0x200, {0, 0}, "X12", {1011}, ""},
        {"only six characters", {"", ""}, 0x300, {0, 0}, "x1.2abc", {}, "X001.2"},
        {"coil X5.0", {"", ""}, 0x400, {7, 0}, "X5.0", {1006, 1011}, ""},
        {"coil R510.1", {"", ""}, 0x400, {7, 0}, "R510.1", {1006, 1011}, ""},
        {"coil K003.0", {"", ""}, 0x500, {7, 0}, "K003.0", {1006, 1011}, ""},
        {"coil G063.7", {"", ""}, 0x400, {7, 0}, "G063.7", {1006, 1011}, ""},
        {"coil used elsewhere",
         {"", "", "", "- - - - - - - (Y002.0)", "", "", "", "", "", "", ""},
         0x400,
         {7, 9},
         "Y2.0",
         {1027, 1011},
         ""},
        // the coil that holds the address may confirm it
        {"coil re-entered",
         {"X000.0 - - - - - - (Y002.0)", ""},
         0x400,
         {7, 0},
         "Y2.0",
         {},
         "Y002.0"},
        // a contact in the output column is checked as a coil
        {"contact in column 7", {"", ""}, 0x300, {7, 0}, "X0.0", {1006}, ""},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.grid);
        const LadCell before = Cell(c.at.column, c.at.line);
        const int recordsBefore = editor.UndoList().GetCount();
        Enter(c.kind, c.at, c.typed);
        const CLadConvert& convert = doc.Converter();
        std::vector<int> errors;
        for (int i = 0; i < convert.ErrorCount(); ++i) {
            errors.push_back(convert.ErrorAt(i).code);
        }
        EXPECT_EQ(errors, c.errors);
        const LadCell& cell = Cell(c.at.column, c.at.line);
        if (c.errors.empty()) {
            EXPECT_EQ(out.Lines(), (std::vector<std::string>{"Checking...", "Accept!"}));
            EXPECT_EQ(cell.Text(), c.stored);
            EXPECT_EQ(cell.code, c.kind);
        } else {
            const std::string message = c.errors.back() == 1011
                                            ? k1011
                                            : std::string(ConvertError::MessageOf(c.errors.back()));
            EXPECT_EQ(out.Lines(),
                      (std::vector<std::string>{"Checking...", Report(c.at.line, message)}));
            EXPECT_TRUE(cell == before);  // rolled back, and the record with it
            // The cell's record went too; a coil's filled lines stay recorded.
            const int fills = c.kind >= 0x400 ? 7 : 0;
            EXPECT_EQ(editor.UndoList().GetCount(), recordsBefore + fills);
        }
        EXPECT_EQ(out.events.front().kind, "clear");
    }
}

TEST_F(ItemEntryTest, ContactReportShowsTheFiveDigitLine) {
    Use({"", "", "", "", "", ""});
    Enter(0x300, {0, 4}, "X64.0");
    EXPECT_EQ(out.Lines().back(), "梯图第0005行  错误代号 1011 地址数据未正确输入");
}

TEST_F(ItemEntryTest, CounterNumbersAreClaimedAndRefusedTwice) {
    Use({"X000.0 [CTR:] - - - - (Y000.0)", "- # #", "- # #", "- # #",
         "X000.1 [CTR:] - - - - (Y000.1)", "- # #", "- # #", "- # #", ""});
    Enter(0x1001, {2, 0}, "200");
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{"Checking...", Report(0, k1012)}));
    Enter(0x1001, {2, 0}, "12");
    EXPECT_EQ(Cell(2, 0).Text(), "0012");
    EXPECT_EQ(Cell(2, 0).number, 12);
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x1001, 12));
    Enter(0x1001, {2, 4}, "12");
    EXPECT_EQ(out.Lines().back(), Report(4, "1014 CTR地址重复"));
    EXPECT_EQ(Cell(2, 4).Text(), "");
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x1001, 12));  // the first box keeps it
    // Changing the first box's number frees 12 for the second.
    Enter(0x1001, {2, 0}, "13");
    Enter(0x1001, {2, 4}, "12");
    EXPECT_EQ(out.Lines().back(), "Accept!");
}

// A refused entry is rolled back through the undo list; it must not come back as a redo, and an
// accepted one after an undo can be redone with its number claimed again.
TEST_F(ItemEntryTest, RefusedEntryLeavesNothingToRedo) {
    Use({"X000.0 [CTR:] - - - - (Y000.0)", "- # #", "- # #", "- # #", ""});
    Enter(0x1001, {2, 0}, "12");
    editor.OnUndo();
    EXPECT_FALSE(doc.Converter().IsNumberInUse(0x1001, 12));
    ASSERT_TRUE(editor.CanRedo());
    editor.OnRedo();
    EXPECT_EQ(Cell(2, 0).Text(), "0012");
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x1001, 12));
    EXPECT_EQ(doc.Selection().cursor, (GridPos{2, 0}));

    Enter(0x1001, {2, 0}, "200");  // refused
    EXPECT_EQ(Cell(2, 0).Text(), "0012");
    EXPECT_FALSE(editor.CanRedo());
    EXPECT_TRUE(editor.CanUndo());
}

TEST_F(ItemEntryTest, FormatChangeEmptiesTheDependentParameter) {
    Use({"X000.0 [ADD:0002:R000:0005:R001] - (Y000.0)", "- # # # # #", ""});
    Enter(0x2001, {2, 0}, "1002");
    EXPECT_EQ(Cell(2, 0).Text(), "1002");
    EXPECT_EQ(Cell(4, 0).Text(), "");
    EXPECT_EQ(Cell(5, 0).Text(), "R001");
    Enter(0x2004, {5, 0}, "R2");
    EXPECT_EQ(Cell(5, 0).Text(), "R002");
    EXPECT_EQ(Cell(4, 0).Text(), "");  // another parameter leaves it alone
}

TEST_F(ItemEntryTest, CompWithoutFormatIsMalformed) {
    Use({"X000.0 [COMP:::] - - (Y000.0)", ". # # # #", ""});
    Enter(0x1202, {3, 0}, "12");
    EXPECT_EQ(out.Lines(), (std::vector<std::string>{"Checking...", Report(0, k1011)}));
}

// The capacity builds the table below the box; a new capacity replaces it, entries lost; the
// box goes with its table.
TEST_F(ItemEntryTest, CodCapacityBuildsAndReplacesTheTable) {
    Use({"X000.0 [COD:0001::R000:R001] - (Y000.0)", "X000.1 # # # # #", ""});
    Enter(0x2602, {3, 0}, "17");
    ASSERT_EQ(Lines(), 6);
    for (int r = 0; r < 3; ++r) {
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(Cell(column, 2 + r).code, 0x4000 + 16 * r + column);
            EXPECT_EQ(Cell(column, 2 + r).codtCount, 3);
        }
    }
    EXPECT_EQ(out.Lines().back(), "Accept!");
    Enter(0x4015, {5, 3}, "300");  // a table entry
    EXPECT_EQ(Cell(5, 3).Text(), "00300");
    Enter(0x2602, {3, 0}, "8");
    ASSERT_EQ(Lines(), 4);
    EXPECT_EQ(Cell(0, 2).codtCount, 1);
    EXPECT_EQ(Cell(5, 2).Text(), "");
    SelectCell(1, 0);
    editor.PlaceElement(Element::kEmpty);
    EXPECT_TRUE(SameProgram(Grid({""}), doc.Program()));
}

TEST_F(ItemEntryTest, CancelledEntryWritesNothing) {
    Use({"", ""});
    SelectCell(0, 0);
    out.Reset();
    editor.PlaceElement(Element::kNoContact);  // no answer queued: cancel
    EXPECT_TRUE(out.Lines().empty());
    EXPECT_TRUE(editor.UndoList().GetCount() == 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ItemEntryTest, ReEnteringOpensWithTheCellsText) {
    Use({"X000.0 - - - - - - (Y000.0)", ""});
    Enter(0x300, {0, 0}, "X0.5");
    ASSERT_EQ(host.itemAsks.size(), 1u);
    EXPECT_EQ(host.itemAsks[0].shown, "X000.0");
    EXPECT_EQ(Cell(0, 0).Text(), "X000.5");
    EXPECT_EQ(Cell(0, 0).number, 0);
}

}  // namespace
}  // namespace rungpad::test
