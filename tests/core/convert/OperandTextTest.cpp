#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ConvertFixture.h"
#include "convert/OperandCheck.h"
#include "model/PlcAddress.h"

namespace rungpad {
namespace {

// Texts that the entry checks refuse reach the converter from damaged or foreign files. None of
// them may become an operand: the conversion stops on the cell's line.
struct OperandCase {
    std::string name;
    std::vector<std::string> grid;   // END1 and END2 are appended
    std::vector<std::string> texts;  // compacted, END1/END2 left out
    std::string error;
};

void PrintTo(const OperandCase& c, std::ostream* os) {
    *os << c.name;
}

class OperandTextTest : public test::ConvertFixture,
                        public ::testing::WithParamInterface<OperandCase> {};

TEST_P(OperandTextTest, RefusesWhatEntryRefuses) {
    const OperandCase& c = GetParam();
    ConvertGrid(c.grid);
    EXPECT_EQ(LastError(), c.error);
    EXPECT_EQ(BodyTexts(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Contacts, OperandTextTest,
    ::testing::Values(
        OperandCase{"NotAnAddress", {"HELLO - - - - - - (Y000.0)"}, {}, "1011@1"},
        // Would encode inside the D table with the mask of bit 9.
        OperandCase{"ByteAndBitOutOfRange", {"X999.9 - - - - - - (Y000.0)"}, {}, "1011@1"},
        OperandCase{
            "ByteBeyondItsType", {"X000.0 /Y048.0 - - - - - (Y000.0)"}, {"RD X000.0 1"}, "1011@1"},
        // Lower case and an unpadded byte would be encoded otherwise than the list shows.
        OperandCase{"LowerCase", {"x000.1 - - - - - - (Y000.0)"}, {}, "1011@1"},
        OperandCase{"Unpadded", {"X0.1 - - - - - - (Y000.0)"}, {}, "1011@1"},
        // A branch below the first line reports its own line.
        OperandCase{"ParallelBranch",
                    {"X000.0| - - - - - - (Y000.0)", "K999.0"},
                    {"RD X000.0 1"},
                    "1011@2"},
        // An input of a box.
        OperandCase{"BoxInput",
                    {"X000.0 [ADD:0002:R100:0010:R102] - (R000.0)", "Z000.0 # # # # #"},
                    {"RD X000.0 1"},
                    "1011@2"}),
    [](const auto& instance) { return instance.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Coils, OperandTextTest,
    ::testing::Values(
        // Passes the coil table lookup (byte 0, bit 1) but is no address.
        OperandCase{
            "LetterInByte", {"X000.0 - - - - - - {0x400:R0A0.1}"}, {"RD X000.0 1"}, "1011@1"},
        OperandCase{"HungCoil",
                    {"X000.0 - - - - - -| (Y000.0)", ". . . . . . . {0x500:Y00A.1}"},
                    {"RD X000.0 1", "WRT Y000.0 1"},
                    "1011@2"}),
    [](const auto& instance) { return instance.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Parameters, OperandTextTest,
    ::testing::Values(
        OperandCase{"SymbolNotDefined",
                    {"X000.0 - [MOVW:HELLO:D020] - - (R000.0)", ". . # # #"},
                    {"RD X000.0 1"},
                    "1012@1"},
        OperandCase{"DataBeyondItsRange",
                    {"X000.0 [ADD:0002:D300:0010:R102] - (R000.0)", "X000.1 # # # # #"},
                    {"RD X000.0 1", "RD X000.1 2"},
                    "1012@1"},
        OperandCase{"ReservedOutput", {"X000.0 - - [SET:R510.0] - - -"}, {"RD X000.0 1"}, "1012@1"},
        // An input where the parameter writes.
        OperandCase{"InputAsDestination",
                    {"X000.0 - [MOVW:R012:X020] - - (R000.0)", ". . # # #"},
                    {"RD X000.0 1"},
                    "1011@1"}),
    [](const auto& instance) { return instance.param.name; });

// The box decides what its parameters take, whatever code a damaged file gave the cell.
TEST_F(OperandTextTest, ParameterJudgedByItsBox) {
    program = test::GridBuilder::Build({"X000.0 - [MOVW:R012:D020] - - (R000.0)", ". . # # #",
                                        test::kEndLines[0], test::kEndLines[1]});
    LadCell& parameter = program.Cell(3, 0);
    parameter.code = Element::kNoContact;
    parameter.SetText("HELLO");
    convert.SetProgram(&program);
    convert.Convert();
    EXPECT_EQ(LastError(), "1012@1");
}

// The conversion's quick check of a contact's address must accept exactly the texts that the
// entry parser accepts unchanged: those are the addresses the editor stores.
TEST(BitAddressCheckTest, AcceptsExactlyWhatTheEntryParserLeavesUnchanged) {
    const auto entryAccepts = [](const std::string& text) {
        std::string normalised = text;
        return PlcAddress::ParseBitAddress(normalised) >= 0 && normalised == text;
    };
    std::vector<std::string> texts = {"X000.0", "X127.7", "Y000.8", "x000.0", "X00.0",  "X0000.0",
                                      "F999.7", "R000.0", "D000.0", "X000.",  ".000.0", "X000,0",
                                      "",       "X",      "K019.7", "G255.7"};
    const std::string alphabet = "XYRFGKDAxr0123456789.. ";
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        // Every third text has the shape of a whole address, so that many are accepted.
        const bool shaped = i % 3 == 0;
        std::string text(shaped ? 6 : static_cast<std::size_t>(random() % 8), ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        if (shaped) {
            for (const std::size_t digit : {1, 2, 3, 5}) {
                text[digit] = static_cast<char>('0' + random() % 10);
            }
            text[4] = '.';
        }
        texts.push_back(text);
    }
    int accepted = 0;
    for (const std::string& text : texts) {
        const bool quick = OperandCheck::BitAddressError(text) == ErrorCode::kNone;
        ASSERT_EQ(quick, entryAccepts(text)) << '"' << text << '"';
        accepted += quick ? 1 : 0;
    }
    EXPECT_GT(accepted, 1000);  // the cases reach the accepting path too
}

}  // namespace
}  // namespace rungpad
