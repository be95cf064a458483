#include "analysis/ProgramDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "analysis/DiffMarks.h"
#include "analysis/ProgramComparison.h"
#include "document/ProgramReader.h"

namespace rungpad {
namespace {

using test::GridBuilder;

// A program for a case: grid lines, and line notes as "line:text" entries.
struct Side {
    std::vector<std::string> grid;
    std::vector<std::pair<int, std::string>> notes;

    LadProgram Build() const {
        LadProgram program = GridBuilder::Build(grid);
        for (const auto& [line, text] : notes) {
            program.Note(line).Assign(text);
        }
        return program;
    }
};

// The alignment as one token per line: "=o/n" common, "-o/." deleted, "+./n" inserted and
// "~o/n" changed followed by ":" and the changed cells (column and E element, A address,
// P parameter, L link) and "n" for a changed note.
std::string Script(const ProgramDiff& diff) {
    std::string out;
    const auto number = [](int line) { return line < 0 ? std::string(".") : std::to_string(line); };
    for (const LineDiff& line : diff.Lines()) {
        const char kind[] = {'=', '-', '+', '~'};
        out += out.empty() ? "" : " ";
        out +=
            kind[static_cast<int>(line.kind)] + number(line.oldLine) + "/" + number(line.newLine);
        if (line.kind != LineDiffKind::kChanged) {
            continue;
        }
        out += ":";
        for (const CellDiff& cell : line.cells) {
            out += std::to_string(cell.column);
            for (const auto& [flag, letter] : {std::pair{CellField::kElement, 'E'},
                                               {CellField::kAddress, 'A'},
                                               {CellField::kParameter, 'P'},
                                               {CellField::kLink, 'L'}}) {
                out += (cell.fields & flag) ? std::string(1, letter) : "";
            }
        }
        out += line.noteChanged ? "n" : "";
    }
    return out;
}

struct DiffCase {
    const char* name;
    Side oldSide;
    Side newSide;
    std::string script;
};

class ProgramDiffAlign : public ::testing::TestWithParam<DiffCase> {};

TEST_P(ProgramDiffAlign, AlignsLinesAndNamesChangedCells) {
    const LadProgram a = GetParam().oldSide.Build();
    const LadProgram b = GetParam().newSide.Build();
    const LadHeaderTexts header;
    const ProgramDiff diff = ProgramDiff::Compare({a, header}, {b, header});
    EXPECT_EQ(Script(diff), GetParam().script);
    EXPECT_EQ(diff.Equal(), GetParam().script.find_first_of("-+~") == std::string::npos);
}

const std::vector<std::string> kThree = {
    "X000.0 - - - - - - (Y000.0)", "X000.1 - - - - - - (Y000.1)", "X000.2 - - - - - - (Y000.2)"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramDiffAlign,
    ::testing::Values(
        DiffCase{"Equal", {kThree, {}}, {kThree, {}}, "=0/0 =1/1 =2/2"},
        DiffCase{"BothEmpty", {{}, {}}, {{}, {}}, ""},
        // A network inserted in the middle leaves every later line common.
        DiffCase{"InsertedNetwork",
                 {kThree, {}},
                 {{kThree[0], "X001.0 X001.1 - - - - - (R000.0)", "R000.0 - - - - - - (Y001.0)",
                   kThree[1], kThree[2]},
                  {}},
                 "=0/0 +./1 +./2 =1/3 =2/4"},
        DiffCase{"DeletedFirstLine", {kThree, {}}, {{kThree[1], kThree[2]}, {}}, "-0/. =1/0 =2/1"},
        DiffCase{"EverythingDeleted", {kThree, {}}, {{}, {}}, "-0/. -1/. -2/."},
        // One contact's address.
        DiffCase{"ChangedAddress",
                 {kThree, {}},
                 {{kThree[0], "X000.5 - - - - - - (Y000.1)", kThree[2]}, {}},
                 "=0/0 ~1/1:0A =2/2"},
        // Normally open to normally closed: the element only.
        DiffCase{"ChangedElement",
                 {kThree, {}},
                 {{kThree[0], "/X000.1 - - - - - - (Y000.1)", kThree[2]}, {}},
                 "=0/0 ~1/1:0E =2/2"},
        // A vertical link and a coil address in one line.
        DiffCase{"LinkAndCoil",
                 {kThree, {}},
                 {{kThree[0], "X000.1| - - - - - - (Y000.7)", kThree[2]}, {}},
                 "=0/0 ~1/1:0L7A =2/2"},
        // A timer's number: a box parameter, not an address.
        DiffCase{"BoxParameter",
                 {{"X000.0 [TMR:0001] - - - - (R000.0)", ". # #"}, {}},
                 {{"X000.0 [TMR:0002] - - - - (R000.0)", ". # #"}, {}},
                 "~0/0:2P =1/1"},
        // Only the note of a line: a changed line without changed cells.
        DiffCase{"NoteOnly", {kThree, {{1, "old"}}}, {kThree, {{1, "new"}}}, "=0/0 ~1/1:n =2/2"},
        // Two lines replaced by three: two changed lines and one inserted.
        DiffCase{"ReplacedRun",
                 {kThree, {}},
                 {{kThree[0], "X000.3 - - - - - - (Y000.1)", "X000.4 - - - - - - (Y000.2)",
                   "X000.5 - - - - - - (Y000.3)"},
                  {}},
                 "=0/0 ~1/1:0A ~2/2:0A +./3"}),
    [](const auto& instance) { return instance.param.name; });

TEST(ProgramDiffHeader, ReportsChangedTextsAndWords) {
    LadProgram a = GridBuilder::Build({kThree[0]});
    LadProgram b = a;
    LadHeaderTexts ha;
    LadHeaderTexts hb;
    ha.version.Assign("V1");
    hb.version.Assign("V2");
    ha.machine.Assign("Mill");
    hb.machine.Assign("Mill");
    b.end1Line = 7;
    const ProgramDiff diff = ProgramDiff::Compare({a, ha}, {b, hb});
    ASSERT_EQ(diff.Header().size(), 2u);
    EXPECT_EQ(diff.Header()[0].field, "END1 line");
    EXPECT_EQ(diff.Header()[0].newText, "7");
    EXPECT_EQ(diff.Header()[1].field, "Version");
    EXPECT_EQ(diff.Header()[1].oldText, "V1");
    EXPECT_EQ(diff.Header()[1].newText, "V2");
    EXPECT_FALSE(diff.Equal());
    EXPECT_EQ(diff.Counts().header, 2);
    EXPECT_EQ(diff.Counts().changed + diff.Counts().inserted + diff.Counts().deleted, 0);
}

TEST(ProgramDiffCounts, CountLinesCellsAndNotes) {
    const LadProgram a = Side{kThree, {{2, "x"}}}.Build();
    const LadProgram b = Side{
        {"X000.4 - - - - - - (Y000.4)", kThree[2], "X000.9 - - - (Y000.1)",
         "X001.0 - - - - - - (Y000.3)"},
        {{1, "y"}}}.Build();
    const LadHeaderTexts header;
    const DiffCounts counts = ProgramDiff::Compare({a, header}, {b, header}).Counts();
    // No line is common (the moved line's note differs): three pairs and one inserted line.
    EXPECT_EQ(counts.changed, 3);
    EXPECT_EQ(counts.inserted, 1);
    EXPECT_EQ(counts.deleted, 0);
    // 2 + 2 + 5 cells: addresses of contact and coil, then a shorter line with its coil moved.
    EXPECT_EQ(counts.cells, 9);
    EXPECT_EQ(counts.notes, 2);
    EXPECT_EQ(counts.header, 0);
}

// The full tables of two programs of 1600 different lines are aligned (no common head or
// tail to shortcut), and the result names every line.
TEST(ProgramDiffSize, AlignsTwoFullPrograms) {
    LadProgram a;
    LadProgram b;
    for (int i = 0; i < LadProgram::kMaxLines; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "R%03d.%d", i % 512, i % 8);
        LadLine line;
        line.Cell(0).code = Element::kNoContact;
        line.Cell(0).SetText(text);
        ASSERT_TRUE(a.AppendLine(line, NoteText{}));
        line.Cell(7).code = Element::kCoil;
        ASSERT_TRUE(b.AppendLine(line, NoteText{}));
    }
    const LadHeaderTexts header;
    const ProgramDiff diff = ProgramDiff::Compare({a, header}, {b, header});
    EXPECT_EQ(diff.Counts().changed, LadProgram::kMaxLines);
    EXPECT_EQ(diff.Lines().size(), static_cast<std::size_t>(LadProgram::kMaxLines));
}

// Margin marks and the moves between differences, on the newer program.
TEST(DiffMarks, MarksNewLinesAndMovesBetweenRuns) {
    // new: 0 same, 1-2 inserted, 3 same (old 1), old 2 deleted after 3, 4 same, 5 changed.
    const LadProgram a = GridBuilder::Build(
        {kThree[0], kThree[1], kThree[2], "X002.0 - (Y002.0)", "X003.0 - (Y003.0)"});
    const LadProgram b = GridBuilder::Build({kThree[0], "X009.0 - (Y009.0)", "X009.1 - (Y009.1)",
                                             kThree[1], "X002.0 - (Y002.0)", "X003.1 - (Y003.0)"});
    const LadHeaderTexts header;
    const DiffMarks marks(ProgramDiff::Compare({a, header}, {b, header}), b.LineCount());
    const std::vector<unsigned> expected = {DiffMarks::kNone,     DiffMarks::kInserted,
                                            DiffMarks::kInserted, DiffMarks::kDeletedAfter,
                                            DiffMarks::kNone,     DiffMarks::kChanged};
    for (int line = 0; line < b.LineCount(); ++line) {
        EXPECT_EQ(marks.At(line), expected[static_cast<std::size_t>(line)]) << "line " << line;
    }
    EXPECT_EQ(marks.At(-1), DiffMarks::kNone);
    EXPECT_EQ(marks.At(99), DiffMarks::kNone);

    // Lines 1 to 3 are one difference, line 5 another.
    const struct {
        int from;
        int next;
        int previous;
    } moves[] = {{-1, 1, -1}, {0, 1, -1}, {1, 5, -1}, {2, 5, 1}, {4, 5, 1}, {5, -1, 1}, {9, -1, 5}};
    for (const auto& m : moves) {
        EXPECT_EQ(marks.Next(m.from), m.next) << "next from " << m.from;
        EXPECT_EQ(marks.Previous(m.from), m.previous) << "previous from " << m.from;
    }
}

TEST(DiffMarks, DeletedBeforeTheFirstLineAndNoDifference) {
    const LadProgram a = GridBuilder::Build(kThree);
    const LadProgram b = GridBuilder::Build({kThree[1], kThree[2]});
    const LadHeaderTexts header;
    const DiffMarks marks(ProgramDiff::Compare({a, header}, {b, header}), b.LineCount());
    EXPECT_EQ(marks.At(0), DiffMarks::kDeletedBefore);
    EXPECT_EQ(marks.Next(-1), 0);

    const DiffMarks none(ProgramDiff::Compare({a, header}, {a, header}), a.LineCount());
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.Next(-1), -1);
    EXPECT_EQ(none.Previous(3), -1);
}

// The marks of a comparison follow the edited program: made again once it changes.
TEST(ProgramComparison, MarksFollowTheEditedProgram) {
    ProgramComparison comparison(GridBuilder::Build(kThree));
    LadProgram current = GridBuilder::Build(kThree);
    EXPECT_TRUE(comparison.Marks(current).Empty());
    current.Cell(0, 2).SetText("X000.6");
    EXPECT_EQ(comparison.Marks(current).At(2), DiffMarks::kChanged);
    EXPECT_EQ(comparison.Difference(current, -1, true), 2);
    ASSERT_TRUE(current.InsertLines(0, 1));
    EXPECT_EQ(comparison.Marks(current).At(0), DiffMarks::kInserted);
    EXPECT_EQ(comparison.Marks(current).At(3), DiffMarks::kChanged);
    EXPECT_EQ(comparison.Difference(current, 3, false), 0);
    current.DeleteLines(0, 1);
    current.Cell(0, 2).SetText("X000.2");
    EXPECT_TRUE(comparison.Marks(current).Empty());
}

TEST(ProgramReader, ReadsAsTheEditorOpensAndNamesTheReason) {
    LadProgram program;
    LadHeaderTexts header;
    std::string error;
    ASSERT_TRUE(
        ProgramReader::Read(RUNGPAD_SOURCE_DIR "/examples/demo.plf", program, header, error));
    EXPECT_EQ(program.LineCount(), 14);
    EXPECT_EQ(header.version.Str(), "V1.0");
    EXPECT_FALSE(
        ProgramReader::Read(RUNGPAD_SOURCE_DIR "/no/such/file.plf", program, header, error));
    EXPECT_NE(error.find("file.plf"), std::string::npos) << error;
}

}  // namespace
}  // namespace rungpad
