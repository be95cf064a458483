#include "model/ParameterRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"

namespace rungpad {
namespace {

constexpr int kBad = ParameterVerdict::kNotAllowed;  // error 1012
constexpr int kMal = ParameterVerdict::kMalformed;   // error 1011

struct RuleCase {
    const char* name;
    std::string line;  // the box line the parameter is on
    int column;
    std::string text;
    int value;
    std::string stored;  // the normalised text when accepted
};

// Every parameter rule, accepted and refused.
TEST(ParameterRulesTest, EveryRuleAcceptsAndRefuses) {
    const std::vector<RuleCase> cases = {
        // CODT entries: 0 to 65535, five digits
        {"codt padded", "CODT _", 0, "12", 12, "00012"},
        {"codt top", "CODT _", 3, "65535", 65535, "65535"},
        {"codt above", "CODT _", 3, "65536", kBad, ""},
        {"codt letter", "CODT _", 0, "R1", kBad, ""},
        // CTR 1, TMR 1, TMRB 2, TMRC 2: 0 to 127
        {"ctr 12", "[CTR:]", 1, "12", 12, "0012"},
        {"ctr 200", "[CTR:]", 1, "200", kBad, ""},
        {"ctr letter", "[CTR:]", 1, "C5", kBad, ""},
        {"tmrc 2", "[TMRC::]", 2, "127", 127, "0127"},
        // TMRB 1, TMRC 1: 0 to 5
        {"tmrb precision", "[TMRB:::]", 1, "5", 5, "0005"},
        {"tmrb precision 6", "[TMRB:::]", 1, "6", kBad, ""},
        // TMRB 3: 0 to 65535 but four characters
        {"tmrb set 9999", "[TMRB:::]", 3, "9999", 9999, "9999"},
        {"tmrb set 10000", "[TMRB:::]", 3, "10000", kBad, ""},
        // CALL, SP, JMPB, LBL, CALLU 1: 0 to 99
        {"lbl 99", "[LBL:]", 1, "99", 99, "0099"},
        {"callu 100", "[CALLU:]", 1, "100", kBad, ""},
        // DIFU, DIFD 1: 0 to 255
        {"difu 255", "[DIFU:]", 1, "255", 255, "0255"},
        {"difd 256", "[DIFD:]", 1, "256", kBad, ""},
        // MOVN 1: 1 to 256
        {"movn 0", "[MOVN:::]", 1, "0", kBad, ""},
        {"movn 256", "[MOVN:::]", 1, "256", 256, "0256"},
        // DSCH, XMOV, DEC, COD, NOT 1: 1 to 2
        {"not 2", "[NOT::]", 1, "2", 2, "0002"},
        {"dsch 3", "[DSCH:::::]", 1, "3", kBad, ""},
        // format: 1, 2, 1001 or 1002
        {"add format 1002", "[ADD::::]", 1, "1002", 1002, "1002"},
        {"add format 5", "[ADD::::]", 1, "5", kMal, ""},
        {"add format 1000", "[ADD::::]", 1, "1000", kMal, ""},
        {"add format 0", "[ADD::::]", 1, "0", kBad, ""},
        {"add format 3", "[ADD::::]", 1, "3", kMal, ""},
        {"comp format 4", "[COMP:::]", 1, "4", kMal, ""},
        {"add format 1004", "[ADD::::]", 1, "1004", kBad, ""},
        {"comp format 1", "[COMP:::]", 1, "1", 1, "0001"},
        // COMP 2 and ADD 3 follow the format: none yet, constant, address
        {"comp 2 no format", "[COMP:::]", 2, "12", kMal, ""},
        {"comp 2 constant", "[COMP:1::]", 2, "123", 123, "0123"},
        {"comp 2 constant too long", "[COMP:1::]", 2, "65535", kBad, ""},
        // a constant above the format's data length is taken (the review reports it)
        {"comp 2 constant above one byte", "[COMP:1::]", 2, "300", 300, "0300"},
        {"comp 2 constant 9999", "[COMP:1::]", 2, "9999", 9999, "9999"},
        {"comp 2 address", "[COMP:1001::]", 2, "R12", 12, "R012"},
        {"comp 2 number as address", "[COMP:1001::]", 2, "123", kBad, ""},
        {"add 3 address", "[ADD:1002:::]", 3, "D5", 5, "D005"},
        {"add 3 constant", "[ADD:2:::]", 3, "77", 77, "0077"},
        // COD 2: 1 to 80
        {"cod capacity", "[COD::::]", 2, "17", 17, "0017"},
        {"cod capacity 81", "[COD::::]", 2, "81", kBad, ""},
        // DEC 3: 0 to 65528
        {"dec 3", "[DEC::::]", 3, "9999", 9999, "9999"},
        // AXCTL 1: exactly 5
        {"axctl 5", "[AXCTL::]", 1, "5", 5, "0005"},
        {"axctl 4", "[AXCTL::]", 1, "4", kBad, ""},
        // SFT 2: a plain number up to 8 or from 1000 to 1008
        {"sft 8", "[SFT::]", 2, "8", 8, "0008"},
        {"sft 9", "[SFT::]", 2, "9", kBad, ""},
        {"sft 1008", "[SFT::]", 2, "1008", 1008, "1008"},
        {"sft 1009", "[SFT::]", 2, "1009", kBad, ""},
        {"sft letter", "[SFT::]", 2, "R1", kBad, ""},
        // MOVN 2, MOVW 1: a number up to 65535 (four characters) or an address
        {"movw number", "[MOVW::]", 1, "100", 100, "0100"},
        {"movw address", "[MOVW::]", 1, "R100", 100, "R100"},
        // MOVB 1: a number up to 255 or an address
        {"movb 300", "[MOVB::]", 1, "300", kBad, ""},
        {"movb address", "[MOVB::]", 1, "R100", 100, "R100"},
        // RST, SET 1: an output bit address
        {"set bit", "[SET:]", 1, "R1.2", 1, "R001.2"},
        {"set input letter", "[SET:]", 1, "X1.2", kMal, ""},
        {"set no bit", "[SET:]", 1, "R1", kMal, ""},
        {"rst reserved R", "[RST:]", 1, "R510.0", kBad, ""},
        {"rst reserved G", "[RST:]", 1, "G63.0", kBad, ""},
        // output or data addresses
        {"rot 4 R", "[ROT::::]", 4, "R12", 12, "R012"},
        {"rot 4 C", "[ROT::::]", 4, "C5", 5, "C005"},
        {"rot 4 input", "[ROT::::]", 4, "X1", kMal, ""},
        {"rot 4 DC", "[ROT::::]", 4, "DC3", kBad, ""},
        {"movb 2 R510", "[MOVB::]", 2, "R510", kBad, ""},
        // D followed by a digit
        {"rot 1 D", "[ROT::::]", 1, "D5", 5, "D005"},
        {"rot 1 R", "[ROT::::]", 1, "R5", kMal, ""},
        {"rot 1 DC", "[ROT::::]", 1, "DC5", kMal, ""},
        {"rot 1 D256", "[ROT::::]", 1, "D256", kBad, ""},
        // the address rule: the letter decides the range
        {"address X", "[COMP:::]", 3, "X12", 12, "X012"},
        {"address Y48", "[COMP:::]", 3, "Y48", kBad, ""},
        {"address RC", "[COMP:::]", 3, "RC1", kMal, ""},
        {"address unknown letter", "[COMP:::]", 3, "Q1", kBad, ""},
        {"address DC", "[COMP:::]", 3, "DC3", 3, "DC003"},
        {"address DT128", "[COMP:::]", 3, "DT128", kBad, ""},
        {"address dot", "[COMP:::]", 3, "R1.2", kMal, ""},
        {"address sign", "[COMP:::]", 3, "R1-2", kBad, ""},
        {"address too long", "[COMP:::]", 3, "R00012", kBad, ""},
        {"empty", "[COMP:::]", 3, "", kMal, ""},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LadProgram program = test::GridBuilder::Build({c.line});
        const LadCell& cell = program.Cell(c.column, 0);
        const ParameterVerdict verdict =
            ParameterRules::Validate(cell.code, c.column, c.text, program.Line(0));
        EXPECT_EQ(verdict.value, c.value);
        if (verdict.Accepted()) {
            EXPECT_EQ(verdict.text, c.stored);
        }
    }
}

// A format changing sides of 1000 empties its dependent parameter; the same side keeps it.
TEST(ParameterRulesTest, FormatSwitchClearsTheDependentParameter) {
    struct Case {
        const char* line;
        std::string text;
        int clearColumn;
    };
    const std::vector<Case> cases = {
        {"[ADD:2:R000:0005:R001]", "1002", 3},  // constant to address: ADD 3 emptied
        {"[COMP:1001:R000:R001]", "1", 2},      // address to constant: COMP 2 emptied
        {"[ADD:1:R000:0005:R001]", "2", -1},    // still a constant
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const LadProgram program = test::GridBuilder::Build({c.line});
        const ParameterVerdict verdict =
            ParameterRules::Validate(program.Cell(1, 0).code, 1, c.text, program.Line(0));
        ASSERT_TRUE(verdict.Accepted());
        EXPECT_EQ(verdict.clearColumn, c.clearColumn);
    }
}

TEST(ParameterRulesTest, CodCapacityAsksForWholeTableLines) {
    const LadProgram program = test::GridBuilder::Build({"[COD::::]"});
    for (const auto& [capacity, lines] : std::vector<std::pair<std::string, int>>{
             {"1", 1}, {"8", 1}, {"9", 2}, {"17", 3}, {"80", 10}}) {
        SCOPED_TRACE(capacity);
        const ParameterVerdict verdict =
            ParameterRules::Validate(0x2602, 2, capacity, program.Line(0));
        EXPECT_EQ(verdict.codTableLines, lines);
    }
}

}  // namespace
}  // namespace rungpad
