#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "TempDir.h"
#include "analysis/ProgramDiff.h"
#include "model/CellValue.h"

namespace rungpad::test {
namespace {

// A program built through the editor means the same after Save and Open: formats such as 1001,
// whose number the file does not keep, are read from their text by the conversion, by the entry
// rules and by the comparison.
class ReopenedProgramTest : public EditorFixture {
  protected:
    void Accept(int kind, GridPos at, const std::string& typed) {
        Enter(kind, at, typed);
        ASSERT_EQ(out.Lines().back(), "Accept!") << typed;
    }
    // Saves the document to a file of the temporary directory and opens that file again.
    void SaveAndReopen() {
        const std::string path = dir.File("comp.plf");
        ASSERT_TRUE(doc.OnSaveDocument(path));
        saved = doc.Program();
        savedHeader = doc.Header();
        ASSERT_TRUE(doc.OnOpenDocument(path));
    }
    bool Converts() {
        out.Reset();
        const bool ok = doc.ConvertProgram();
        EXPECT_EQ(out.Lines().back(), "Convert succeed!");
        return ok;
    }

    TempDir dir;
    LadProgram saved;
    LadHeaderTexts savedHeader;
};

struct FormatBox {
    const char* name;
    std::string box;    // the box line, parameters empty
    std::string below;  // its second line
    int header;         // the header's column
    int format;         // the format parameter's number
    int dependent;      // the parameter that takes an address under a format of 1000 or more
};

// Every box whose parameter is a constant or an address as a format parameter says.
TEST_F(ReopenedProgramTest, AddressUnderFormatAboveThousandSurvivesReopening) {
    const std::vector<FormatBox> boxes = {
        {"COMP", "X000.0 [COMP:::] - - (Y000.0)", ". # # # #", 1, 1, 2},
        {"COIN", "X000.0 [COIN:::] - - (Y000.0)", ". # # # #", 1, 1, 2},
        {"ADD", "X000.0 [ADD::::] - (Y000.0)", "X000.1 # # # # #", 1, 1, 3},
        {"SUB", "X000.0 [SUB::::] - (Y000.0)", "X000.1 # # # # #", 1, 1, 3},
        {"EOR", "X000.0 [EOR::::] - -", ". # # # # #", 1, 1, 3},
        {"ANDF", "X000.0 [ANDF::::] - -", ". # # # # #", 1, 1, 3},
        {"ORF", "X000.0 [ORF::::] - -", ". # # # # #", 1, 1, 3},
    };
    for (const FormatBox& b : boxes) {
        SCOPED_TRACE(b.name);
        Use({b.box, b.below, "- - - - [END1] - - -", "- - - - [END2] - - -", ""});
        const std::uint16_t code = Cell(b.header, 0).code;
        const auto parameter = [&](int p) { return GridPos{b.header + p, 0}; };
        Accept(code + b.format, parameter(b.format), "1001");
        for (int p = b.format + 1; p < LadLine::kColumns - 1 - b.header; ++p) {
            if (Cell(b.header + p, 0).code == code + p) {
                Accept(code + p, parameter(p), p == b.dependent ? "R100" : "D10");
            }
        }
        ASSERT_TRUE(Converts());
        SaveAndReopen();
        EXPECT_EQ(CellValue::Of(Cell(b.header + b.format, 0)), 1001);
        EXPECT_TRUE(Converts());
        // The document and the file it was saved to are the same program.
        EXPECT_TRUE(
            ProgramDiff::Compare({saved, savedHeader}, {doc.Program(), doc.Header()}).Equal());
        // After reopening, the address parameter still takes an address.
        Accept(code + b.dependent, parameter(b.dependent), "R101");
        EXPECT_EQ(Cell(b.header + b.dependent, 0).Text(), "R101");
        EXPECT_TRUE(Converts());
    }
}

TEST(CellValueTest, ReadsDigitsOnly) {
    EXPECT_EQ(CellValue::Of("1001"), 1001);
    EXPECT_EQ(CellValue::Of("0300"), 300);
    EXPECT_EQ(CellValue::Of("65535"), 65535);
    EXPECT_EQ(CellValue::Of("0"), 0);
    EXPECT_EQ(CellValue::Of("R100"), std::nullopt);
    EXPECT_EQ(CellValue::Of("X000.1"), std::nullopt);
    EXPECT_EQ(CellValue::Of("12A"), std::nullopt);
    EXPECT_EQ(CellValue::Of(""), std::nullopt);
}

}  // namespace
}  // namespace rungpad::test
