// Acceptance of the converter as the controller sees it: whole instruction lists, every byte of
// the binary image, and the error (code and line) of each refused program. Expected values are
// worked out by hand from the rules of the instruction list and the image, not from a run.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ConvertFixture.h"
#include "model/LadProgram.h"

namespace rungpad {
namespace {

using test::GridBuilder;

// One expected step record; its step index is its position in the list.
struct Rec {
    int op;
    int kind;
    int a;
    int b;
};

// Operand B of a bit operand: the type byte, the bit mask above it.
constexpr int Bit(char type, int bit) {
    return static_cast<unsigned char>(type) | ((1 << bit) << 8);
}

constexpr Rec kNetEnd{22, 0, 0, 0};
constexpr Rec kEnd1{17, 0, 0, 0};
constexpr Rec kEnd2{18, 0, 0, 0};

// The records, then END1 and END2 each with its network end.
std::vector<Rec> ThenEnds(std::vector<Rec> records, const std::vector<Rec>& after = {}) {
    records.insert(records.end(), {kEnd1, kNetEnd, kEnd2, kNetEnd});
    records.insert(records.end(), after.begin(), after.end());
    return records;
}

// A coil network, an unconditional call, END1, END2 and the subprogram called.
const std::vector<std::string> kCallProgram = {
    "X000.0 - - - - - - (Y000.0)", "- - - - [CALLU:0003] - -", "- - - - [END1] - - -",
    "- - - - [END2] - - -",        "- - - - [SP:0003] - -",    "- - - - [SPE] - - -"};
// Its records: CALLU first closes the coil network and resolves to the SP record (9).
const std::vector<Rec> kCallProgramRecords = ThenEnds(
    {{1, 2, 0x8090, Bit('X', 0)}, {6, 2, 0x80D0, Bit('Y', 0)}, kNetEnd, {51, 50, 3, 9}, kNetEnd},
    {{30, 50, 3, 0}, kNetEnd, {19, 0, 0, 0}, kNetEnd});

// The image: each record little-endian, the trailer (opcode 254, kind 254, the word count in its
// index field), then the data words.
std::vector<std::uint8_t> ImageOf(const std::vector<Rec>& records,
                                  const std::vector<std::uint16_t>& words = {}) {
    std::vector<std::uint8_t> image;
    auto put16 = [&image](int v) {
        image.push_back(static_cast<std::uint8_t>(v & 0xFF));
        image.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    int index = 0;
    for (const Rec& r : records) {
        image.push_back(static_cast<std::uint8_t>(r.op));
        image.push_back(static_cast<std::uint8_t>(r.kind));
        put16(index++);
        put16(r.a);
        put16(r.b);
    }
    image.insert(image.end(), {254, 254});
    put16(static_cast<int>(words.size()));
    put16(0);
    put16(0);
    for (std::uint16_t w : words) {
        put16(w);
    }
    return image;
}

// Where two images first differ, for a readable failure.
std::string FirstDifference(const std::vector<std::uint8_t>& got,
                            const std::vector<std::uint8_t>& want) {
    for (std::size_t i = 0; i < std::min(got.size(), want.size()); ++i) {
        if (got[i] != want[i]) {
            return "record " + std::to_string(i / 8) + " byte " + std::to_string(i % 8) + ": got " +
                   std::to_string(got[i]) + ", want " + std::to_string(want[i]);
        }
    }
    return "sizes " + std::to_string(got.size()) + " and " + std::to_string(want.size());
}

struct Text {
    std::string text;
    int line;  // 0-based
};

// Every error of the list as "code@line" (1-based line).
std::vector<std::string> AllErrors(const CLadConvert& convert) {
    std::vector<std::string> out;
    for (int i = 0; i < convert.ErrorCount(); ++i) {
        out.push_back(std::to_string(convert.ErrorAt(i).code) + "@" +
                      std::to_string(convert.ErrorAt(i).line + 1));
    }
    return out;
}

class AcceptanceTest : public test::ConvertFixture {
  protected:
    // The step list built from instruction texts as the translation would have added them.
    bool BuildFrom(const std::vector<Text>& texts) {
        convert.ClearTexts();
        convert.ClearErrors();
        for (const Text& t : texts) {
            if (!convert.AddText(t.text, t.line)) {
                ADD_FAILURE() << "text refused: " << t.text;
            }
        }
        return convert.BuildSteps();
    }

    std::vector<std::uint8_t> Image() const {
        std::vector<std::uint8_t> image;
        EXPECT_TRUE(convert.BinaryImage(image));
        return image;
    }
};

// --- step records from instruction texts ----------------------------------------------------

TEST_F(AcceptanceTest, ImagesBuiltFromTexts) {
    struct Case {
        std::string name;
        std::vector<Text> texts;
        std::vector<Rec> records;  // the trailer is added by ImageOf
        std::vector<std::uint16_t> words;
        int end1Step;
    };
    const std::vector<Case> cases = {
        // A label box reads no contact, so it first closes the pending coil network.
        {"LabelClosesThePendingNetwork",
         {{"RD        X000.0", 0},
          {"WRT       Y000.0", 0},
          {"LBL      0001", 1},
          {"END1", 2},
          {"END2", 3}},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)},
                   {6, 2, 0x80D0, Bit('Y', 0)},
                   kNetEnd,
                   {29, 76, 1, 0},
                   kNetEnd}),
         {},
         6},
        // A jump back to a label earlier in the same level resolves to the label's record.
        {"BackwardJump",
         {{"LBL 0002", 0}, {"RD X000.0", 1}, {"JMPB 0002", 1}, {"END1", 2}, {"END2", 3}},
         ThenEnds({{29, 76, 2, 0}, kNetEnd, {1, 2, 0x8090, Bit('X', 0)}, {27, 76, 2, 0}, kNetEnd}),
         {},
         6},
        // CALLU closes the pending network and resolves to the SP record after END2.
        {"UnconditionalCallResolves",
         {{"RD X000.0", 0},
          {"WRT Y000.0", 0},
          {"CALLU 0003", 1},
          {"END1", 2},
          {"END2", 3},
          {"SP 0003", 4},
          {"SPE", 5}},
         kCallProgramRecords,
         {},
         6},
        // Texts are read case-blind: mnemonics and operands alike.
        {"LowerCaseTexts",
         {{"rd x001.3", 0}, {"and.not r010.7", 0}, {"wrt.not k010.0", 0}, {"END1", 1}, {"END2", 2}},
         ThenEnds({{1, 2, 0x8091, Bit('X', 3)},
                   {4, 2, 0x8500 + 10, Bit('R', 7)},
                   {5, 2, 0x8C80 + 10, Bit('K', 0)},
                   kNetEnd}),
         {},
         5},
        // Function records not met elsewhere: address source of ROT, NOT, XMOV, ANDF with an
        // address operand, DC/DT types, MOVN from a constant, AXCTL and SFT with format 0013.
        {"FunctionRecords",
         {{"RD X000.0", 0},
          {"ROT R000.1 R100 R102 R104", 0},
          {"NOT 0002 R100 R102", 0},
          {"XMOV 0003 D000 D002 R100 R102", 0},
          {"ANDF 1002 R100 R104 R102", 0},
          {"SUB 0001 DC010 0005 DT002", 0},
          {"MOVN 0002 0255 R100", 0},
          {"AXCTL 0004 R100", 0},
          {"SFT R100 0013", 0},
          {"END1", 1},
          {"END2", 2}},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)}, {38, 0, 0x8564, 'R'},
                   {38, 0, 0x8566, 'R'},        {38, 2, 0x8500, Bit('R', 1)},
                   {38, 0, 0x8568, 'R'},        {46, 2, 0x8564, 'R'},
                   {46, 0, 0x8566, 'R'},        kNetEnd,
                   {42, 4, 0x8300, 'D'},        {42, 0, 0x8304, 'D'},
                   {42, 0, 0x8564, 'R'},        {42, 0, 0x8566, 'R'},
                   {43, 2, 0x8564, 'R'},        {43, 2, 0x8568, 'R'},
                   {43, 0, 0x8566, 'R'},        kNetEnd,
                   {41, 1, 0x8214, 'c'},        {41, 1, 5, 0},
                   {41, 0, 0x8104, 't'},        {35, 1, 255, 0},
                   {35, 0, 0x8564, 2},          {54, 0, 0x8564, 'R'},
                   {47, 3, 0x8564, 0}}),
         {},
         24},
        // A table filled exactly by its CODT text: one-byte entries keep their low byte, and the
        // next RD closes the COD network through its pending coil.
        {"CodTableFilledExactly",
         {{"RD X000.0", 0},
          {"COD 0001 0004 R100 R102", 0},
          {"WRT Y000.0", 0},
          {"CODT 00001 00002 00003 00260", 2},
          {"RD X000.1", 3},
          {"WRT Y000.1", 3},
          {"END1", 4},
          {"END2", 5}},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)},
                   {37, 4, 0x8566, 'R'},
                   {37, 1, 0x8564, 0x8A00},
                   {6, 2, 0x80D0, Bit('Y', 0)},
                   kNetEnd,
                   {1, 2, 0x8090, Bit('X', 1)},
                   {6, 2, 0x80D0, Bit('Y', 1)},
                   kNetEnd}),
         {0x0201, 0x0403},
         9},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(BuildFrom(c.texts)) << c.name << ": " << LastError();
        const std::vector<std::uint8_t> want = ImageOf(c.records, c.words);
        const std::vector<std::uint8_t> got = Image();
        EXPECT_EQ(got, want) << c.name << ": " << FirstDifference(got, want);
        EXPECT_EQ(program.end1Step, c.end1Step) << c.name;
    }
}

TEST_F(AcceptanceTest, WholeProgramRulesFromTexts) {
    struct Case {
        std::string name;
        std::vector<Text> texts;
        std::string error;  // "code@line" (1-based) or "none"
    };
    std::vector<Text> manyJumps = {{"RD X000.0", 0}};
    std::vector<Text> manyCalls = {{"RD X000.0", 0}};
    for (int i = 0; i <= 100; ++i) {
        manyJumps.push_back({"JMPB 0001", i});
        manyCalls.push_back({"CALL 0001", i});
    }
    for (const Text& t : std::vector<Text>{{"LBL 0001", 200}, {"END1", 201}, {"END2", 202}}) {
        manyJumps.push_back(t);
    }
    for (const Text& t :
         std::vector<Text>{{"END1", 201}, {"END2", 202}, {"SP 0001", 203}, {"SPE", 204}}) {
        manyCalls.push_back(t);
    }
    // Six tables of 80 one-byte entries and one of 31 fill 511 bytes; a two-byte entry no longer
    // fits in the 512 bytes of the user data area.
    std::vector<Text> dataArea;
    auto table = [&dataArea](const std::string& cod, int entries, int line) {
        dataArea.push_back({"RD X000.0", line});
        dataArea.push_back({cod, line});
        for (int k = 0; k < (entries + 3) / 4; ++k) {
            dataArea.push_back({"CODT 00001 00002 00003 00004", line + 1});
        }
    };
    for (int t = 0; t < 6; ++t) {
        table("COD 0001 0080 R100 R102", 80, 2 * t);
    }
    table("COD 0001 0031 R100 R102", 31, 20);
    table("COD 0002 0001 R100 R102", 1, 30);
    dataArea.push_back({"END1", 40});
    dataArea.push_back({"END2", 41});

    // A subprogram that calls 18 others, then calls the first of them again.
    std::vector<Text> fullCallList = {{"END1", 0}, {"END2", 1}, {"SP 0000", 2}};
    for (int n = 1; n <= 18; ++n) {
        fullCallList.push_back({"RD X000.0", 3});
        fullCallList.push_back({"CALL " + std::to_string(n), 3});
    }
    fullCallList.push_back({"RD X000.0", 4});
    fullCallList.push_back({"CALL 0001", 4});
    // With room in the list, calling the same subprogram again is fine.
    std::vector<Text> repeatedCalls = {{"END1", 0}, {"END2", 1}, {"SP 0000", 2}};
    for (int k = 0; k < 20; ++k) {
        repeatedCalls.push_back({"RD X000.0", 3});
        repeatedCalls.push_back({"CALL 0001", 3});
    }
    for (const Text& t : std::vector<Text>{{"SPE", 4}, {"SP 0001", 5}, {"SPE", 6}}) {
        repeatedCalls.push_back(t);
    }

    const std::vector<Case> cases = {
        // Function instructions from opcode 25 on are refused between COM and COME.
        {"TimerInsideCom",
         {{"RD X000.0", 0},
          {"COM", 0},
          {"RD X000.1", 1},
          {"TMR 0001", 1},
          {"END1", 2},
          {"END2", 3}},
         "1003@2"},
        // DIFU (opcode 23) is below that bound.
        {"EdgeInsideCom",
         {{"RD X000.0", 0},
          {"COM", 0},
          {"RD X000.1", 1},
          {"DIFU 0001", 1},
          {"WRT R000.0", 1},
          {"COME", 2},
          {"END1", 3},
          {"END2", 4}},
         "none"},
        // After a closed subprogram only SP may follow.
        {"NetworkAfterSubprogram",
         {{"END1", 0}, {"END2", 1}, {"SP 0001", 2}, {"SPE", 3}, {"RD X000.0", 4}},
         "1039@5"},
        // A jump from a subprogram back to the first level crosses END1 and END2.
        {"JumpFromSubprogramToFirstLevel",
         {{"LBL 0001", 0},
          {"END1", 1},
          {"END2", 2},
          {"SP 0001", 3},
          {"RD X000.0", 4},
          {"JMPB 0001", 4},
          {"SPE", 5}},
         "1015@5"},
        // Jumps inside the second level and inside one subprogram are allowed.
        {"JumpInsideSecondLevel",
         {{"END1", 0}, {"LBL 0001", 1}, {"RD X000.0", 2}, {"JMPB 0001", 2}, {"END2", 3}},
         "none"},
        {"ForwardJumpInsideSubprogram",
         {{"END1", 0},
          {"END2", 1},
          {"SP 0001", 2},
          {"RD X000.0", 3},
          {"JMPB 0002", 3},
          {"LBL 0002", 4},
          {"SPE", 5}},
         "none"},
        // At most 100 jump and 100 call references.
        {"HundredAndFirstJump", manyJumps, "1015@101"},
        {"HundredAndFirstCall", manyCalls, "1040@101"},
        // A cycle through three subprograms, found from the first one expanded.
        {"CallCycleOfThree",
         {{"END1", 0},
          {"END2", 1},
          {"SP 0001", 2},
          {"RD X000.0", 3},
          {"CALL 0002", 3},
          {"SPE", 4},
          {"SP 0002", 5},
          {"RD X000.0", 6},
          {"CALL 0003", 6},
          {"SPE", 7},
          {"SP 0003", 8},
          {"RD X000.0", 9},
          {"CALL 0001", 9},
          {"SPE", 10}},
         "1040@10"},
        // Calls from the main program into a chain are no cycle.
        {"MainProgramCallsAChain",
         {{"RD X000.0", 0},
          {"CALL 0001", 0},
          {"END1", 1},
          {"END2", 2},
          {"SP 0001", 3},
          {"RD X000.0", 4},
          {"CALL 0002", 4},
          {"SPE", 5},
          {"SP 0002", 6},
          {"SPE", 7}},
         "none"},
        // A subprogram lists at most 18 callees; once full, every further CALL is refused.
        {"CallListFull", fullCallList, "1040@5"},
        {"RepeatedCallsWithRoom", repeatedCalls, "none"},
        {"EdgeNumberOutOfRange",
         {{"RD X000.0", 3}, {"DIFU 0256", 3}, {"END1", 4}, {"END2", 5}},
         "1034@4"},
        // SPE right after END2 is no SP: refused as outside the executable range.
        {"SpeWithoutSp", {{"END1", 0}, {"END2", 1}, {"SPE", 2}}, "1039@3"},
        {"SpeAfterClosedSubprogram",
         {{"END1", 0}, {"END2", 1}, {"SP 0001", 2}, {"SPE", 3}, {"SPE", 4}},
         "1039@5"},
        {"SubprogramNumberOutOfRange",
         {{"END1", 0}, {"END2", 1}, {"SP 0100", 2}, {"SPE", 3}},
         "1040@3"},
        // The line number that ends a CODT text is never a table entry, even with 5 digits: the
        // third entry of this table is missing.
        {"LineNumberIsNoTableEntry",
         {{"RD X000.0", 0},
          {"COD 0001 0003 R100 R102", 0},
          {"WRT Y000.0", 0},
          {"CODT      00001 00002", 12344},
          {"END1", 12345},
          {"END2", 12346}},
         "1011@12345"},
        // A two-byte entry must not straddle the end of the user data area.
        {"TwoByteEntryPastTheDataArea", dataArea, "1031@32"},
    };
    for (const Case& c : cases) {
        const bool built = BuildFrom(c.texts);
        EXPECT_EQ(LastError(), c.error) << c.name;
        EXPECT_EQ(built, c.error == "none") << c.name;
        EXPECT_EQ(convert.StepsComplete(), c.error == "none") << c.name;
    }
}

TEST_F(AcceptanceTest, FirstLevelLimitIsFiveHundredSteps) {
    // 497 records before END1: END1 and its network end make 499, still inside the limit.
    std::vector<Text> texts = {{"RD X000.0", 0}};
    for (int i = 1; i < 497; ++i) {
        texts.push_back({"AND X000.1", 0});
    }
    texts.push_back({"END1", 1});
    texts.push_back({"END2", 2});
    ASSERT_TRUE(BuildFrom(texts)) << LastError();
    EXPECT_EQ(program.end1Step, 498);
    // One record more reaches 500: refused on END1's line.
    texts.insert(texts.begin() + 1, {"AND X000.2", 0});
    EXPECT_FALSE(BuildFrom(texts));
    EXPECT_EQ(LastError(), "1032@2");
}

TEST_F(AcceptanceTest, StepListHoldsExactly4699Records) {
    // END1, then on the second level RD, AND and 1173 four-record DSCH, END2, the network ends
    // and the trailer: 4699 records.
    std::vector<Text> texts = {{"END1", 0}, {"RD X000.0", 1}, {"AND X000.1", 1}};
    for (int i = 0; i < 1173; ++i) {
        texts.push_back({"DSCH 0001 D000 D002 R100 R102", 1});
    }
    texts.push_back({"END2", 2});
    ASSERT_TRUE(BuildFrom(texts)) << LastError();
    EXPECT_EQ(convert.StepCount(), 4699);
    EXPECT_EQ(convert.StepAt(4698).opcode, 254);
    // One more record leaves no room for the trailer.
    texts.insert(texts.begin() + 2, {"AND X000.2", 1});
    EXPECT_FALSE(BuildFrom(texts));
    EXPECT_EQ(convert.ErrorAt(convert.ErrorCount() - 1).code, 1004);
    EXPECT_FALSE(convert.StepsComplete());
    std::vector<std::uint8_t> image;
    EXPECT_FALSE(convert.BinaryImage(image));
}

// --- whole programs through Convert ---------------------------------------------------------

const std::string kEnd1Line = "- - - - [END1] - - -";
const std::string kEnd2Line = "- - - - [END2] - - -";

TEST_F(AcceptanceTest, WholeProgramImages) {
    struct Case {
        std::string name;
        std::vector<std::string> grid;   // converted as it stands
        std::vector<std::string> texts;  // exact entries
        std::vector<Rec> records;
        int end1Line;
        int end1Step;
        std::vector<std::uint16_t> words = {};
    };
    const std::vector<Case> cases = {
        {"UnconditionalCallAndSubprogram",
         kCallProgram,
         {"RD        X000.0     1", "WRT       Y000.0     1", "CALLU     0003     2", "END1     3",
          "END2     4", "SP        0003     5", "SPE     6"},
         kCallProgramRecords,
         3,
         6},
        {"ConditionalJumpOverANetwork",
         {"X000.0 - - - [JMPB:0001] - -", "X000.1 - - - - - - (Y000.1)", "- - - - [LBL:0001] - -",
          kEnd1Line, kEnd2Line},
         {"RD        X000.0     1", "JMPB      0001     1", "RD        X000.1     2",
          "WRT       Y000.1     2", "LBL       0001     3", "END1     4", "END2     5"},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)},
                   {27, 76, 1, 6},
                   kNetEnd,
                   {1, 2, 0x8090, Bit('X', 1)},
                   {6, 2, 0x80D0, Bit('Y', 1)},
                   kNetEnd,
                   {29, 76, 1, 0},
                   kNetEnd}),
         4,
         9},
        {"CommonLineBlock",
         {"X000.0 - - - [COM] - - -", "X000.1 - - - - - - (Y000.1)", "- - - - [COME] - - -",
          kEnd1Line, kEnd2Line},
         {"RD        X000.0     1", "COM     1", "RD        X000.1     2", "WRT       Y000.1     2",
          "COME     3", "END1     4", "END2     5"},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)},
                   {20, 51, 0, 0},
                   kNetEnd,
                   {1, 2, 0x8090, Bit('X', 1)},
                   {6, 2, 0x80D0, Bit('Y', 1)},
                   kNetEnd,
                   {21, 51, 0, 0},
                   kNetEnd}),
         4,
         9},
        // An edge, a COD table of three one-byte entries in a CODT line and a four-row shift: the
        // edge records its network start, the table's trailing text closes the COD network.
        {"EdgeTableAndShift",
         {"X000.0 [DIFU:0005] - - - - (R000.0)", "X000.1 [COD:1:3:R100:R102] - (R000.1)",
          "X000.2 # # # # #", "CODT 00011 00022 00033", "X000.3 [SFT:R200:0002] - - - (R000.2)",
          "X000.4 # #", "X000.5 # #", "X000.6 # #", kEnd1Line, kEnd2Line},
         {"RD        X000.0     1", "DIFU      0005     1", "WRT       R000.0     1",
          "RD        X000.1     2", "RD        X000.2     3", "COD       1 3 R100 R102     2",
          "WRT       R000.1     2", "CODT      00011 00022 00033      4", "CODT              4",
          "RD        X000.3     5", "RD        X000.4     6", "RD        X000.5     7",
          "RD        X000.6     8", "SFT       R200 0002     5", "WRT       R000.2     5",
          "END1     9", "END2    10"},
         ThenEnds({{1, 2, 0x8090, Bit('X', 0)},
                   {23, 0, 5, 0},
                   {6, 2, 0x8500, Bit('R', 0)},
                   kNetEnd,
                   {1, 2, 0x8090, Bit('X', 1)},
                   {1, 2, 0x8090, Bit('X', 2)},
                   {37, 3, 0x8566, 'R'},
                   {37, 1, 0x8564, 0x8A00},
                   {6, 2, 0x8500, Bit('R', 1)},
                   kNetEnd,
                   {1, 2, 0x8090, Bit('X', 3)},
                   {1, 2, 0x8090, Bit('X', 4)},
                   {1, 2, 0x8090, Bit('X', 5)},
                   {1, 2, 0x8090, Bit('X', 6)},
                   {47, 2, 0x85C8, 0},
                   {6, 2, 0x8500, Bit('R', 2)},
                   kNetEnd}),
         9,
         18,
         {0x160B, 0x0021}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ConvertGrid(c.grid, false), 1) << c.name << ": " << LastError();
        std::vector<std::string> texts;
        for (int i = 0; i < convert.TextCount(); ++i) {
            texts.emplace_back(convert.TextAt(i));
        }
        EXPECT_EQ(texts, c.texts) << c.name;
        const std::vector<std::uint8_t> want = ImageOf(c.records, c.words);
        const std::vector<std::uint8_t> got = Image();
        EXPECT_EQ(got, want) << c.name << ": " << FirstDifference(got, want);
        EXPECT_EQ(program.end1Line, c.end1Line) << c.name;
        EXPECT_EQ(program.end1Step, c.end1Step) << c.name;
        EXPECT_EQ(program.stepCountWord, static_cast<int>(c.records.size())) << c.name;
    }
}

TEST_F(AcceptanceTest, ListRenderingsOfAConvertedProgram) {
    ASSERT_EQ(ConvertGrid(kCallProgram, false), 1) << LastError();
    EXPECT_EQ(convert.RenderWindow(),
              "RD        X000.0\r\nWRT       Y000.0\r\nCALLU     0003\r\nEND1\r\nEND2\r\n"
              "SP        0003\r\nSPE\r\n");
    EXPECT_EQ(convert.WriteListFile(),
              "RD        X000.0    \r\nWRT       Y000.0    \r\nCALLU     0003    \r\n"
              "END1    \r\nEND2    \r\nSP        0003    \r\nSPE    \r\n");
}

TEST_F(AcceptanceTest, NetworkInterplay) {
    struct Case {
        std::string name;
        std::vector<std::string> grid;    // END1 and END2 are appended
        std::vector<std::string> texts;   // compacted, END1/END2 left out
        std::vector<std::string> errors;  // every error in order
    };
    const std::vector<Case> cases = {
        // Two parallel spans side by side: each is read as its own level, then AND.STK.
        {"TwoParallelSpans",
         {"X000.0| X000.1| - - - - - (Y000.0)", "X000.2 X000.3"},
         {"RD X000.0 1", "OR X000.2 2", "RD X000.1 1", "OR X000.3 2", "AND.STK 1", "WRT Y000.0 1"},
         {}},
        // Three series rows in parallel: an OR.STK on the line of each lower row.
        {"ThreeSeriesRows",
         {"X000.0 X000.1| - - - - - (Y000.0)", "X000.2 X000.3|", "X000.4 X000.5"},
         {"RD X000.0 1", "AND X000.1 1", "RD X000.2 2", "AND X000.3 2", "OR.STK 2", "RD X000.4 3",
          "AND X000.5 3", "OR.STK 3", "WRT Y000.0 1"},
         {}},
        // A branch that is itself a block: (X0 X1) OR ((X2 OR X4) X3); the inner block is reduced
        // first and joined by OR.STK on the outer block's last line.
        {"NestedBlockInABranch",
         {"X000.0 X000.1| - - - - - (Y000.0)", "X000.2| X000.3", "X000.4"},
         {"RD X000.0 1", "AND X000.1 1", "RD X000.2 2", "OR X000.4 3", "AND X000.3 2", "OR.STK 3",
          "WRT Y000.0 1"},
         {}},
        // A second parallel span that ends one line above the first: (X0|X2|X4) (X1|X3).
        {"ShorterSecondSpan",
         {"X000.0| X000.1| - - - - - (Y000.0)", "X000.2| X000.3", "X000.4"},
         {"RD X000.0 1", "OR X000.2 2", "OR X000.4 3", "RD X000.1 1", "OR X000.3 2", "AND.STK 1",
          "WRT Y000.0 1"},
         {}},
        // A lower branch that reaches back to the rail: ((X0|X2) (X1|X3)) | X4 X5. Its span moves
        // left, so the two levels above are first joined by AND.STK on the branch's line.
        {"BranchReachingBackToTheRail",
         {"X000.0| X000.1| - - - - - (Y000.0)", "X000.2 X000.3|", "X000.4 X000.5"},
         {"RD X000.0 1", "OR X000.2 2", "RD X000.1 1", "OR X000.3 2", "AND.STK 3", "RD X000.4 3",
          "AND X000.5 3", "OR.STK 3", "WRT Y000.0 1"},
         {}},
        // A branch that does not start at the left rail: the gap left of it is not connected.
        {"BranchOffTheRail",
         {"X000.0 X000.1| - - - - - (Y000.0)", ". X000.2"},
         {"RD X000.0 1", "AND X000.1 1"},
         {"1009@2"}},
        // A link down into an empty line: the joint is open (1030), then no joint is found (1016).
        {"LinkIntoAnEmptyLine",
         {"X000.0| - - - - - - (Y000.0)", "X000.1|", ""},
         {},
         {"1030@2", "1016@1"}},
        // Two open lines below a block's first line: each joint left open is reported, the lower
        // one first, then the block has no joint at all.
        {"TwoOpenLinesBelowABlock",
         {"X001.0 - - - - - - (Y001.0)", "X000.0| - - - - - - (Y000.0)", ".|", ""},
         {"RD X001.0 1", "WRT Y001.0 1"},
         {"1030@3", "1030@2", "1016@2"}},
        // A contact below the last span that nothing connects.
        {"LooseContactBelow",
         {"X000.0| X000.1 - - - - - (Y000.0)", "X000.2 . X000.3"},
         {"RD X000.0 1", "OR X000.2 2"},
         {"1024@2"}},
        // The same with a coil of its own on that line.
        {"LooseContactWithCoilBelow",
         {"X000.0| X000.1 - - - - - (Y000.0)", "X000.2 . X000.3 . . . . (Y000.1)"},
         {"RD X000.0 1", "OR X000.2 2"},
         {"1006@2"}},
    };
    for (const Case& c : cases) {
        const int result = ConvertGrid(c.grid);
        EXPECT_EQ(AllErrors(convert), c.errors) << c.name;
        EXPECT_EQ(result, c.errors.empty() ? 1 : 0) << c.name;
        EXPECT_EQ(BodyTexts(), c.texts) << c.name;
    }
}

TEST_F(AcceptanceTest, FourThousandAndFirstTextStopsTheConversion) {
    // 500 lines of seven contacts and a coil give 4000 texts; END1 is the 4001st.
    std::vector<std::string> grid;
    for (int i = 0; i < 500; ++i) {
        char coil[16];
        std::snprintf(coil, sizeof coil, "(R%03d.%d)", i / 8, i % 8);
        grid.push_back("X000.0 X000.1 X000.2 X000.3 X000.4 X000.5 X000.6 " + std::string(coil));
    }
    EXPECT_EQ(ConvertGrid(grid), 0);
    EXPECT_EQ(AllErrors(convert), std::vector<std::string>{"1004@4001"});
    EXPECT_EQ(convert.TextCount(), 4000);
    EXPECT_EQ(convert.FormatLastError(),
              "梯图第4001行  错误代号 1004 用户梯形图超出最大允许行数或者步数");
    std::vector<std::uint8_t> image;
    EXPECT_FALSE(convert.BinaryImage(image));
}

// Instruction texts drawn at random, as a damaged program could make them: every build ends, and
// a successful one is a consistent image whose jumps and calls land on their targets.
TEST_F(AcceptanceTest, RandomTextsBuildConsistentImages) {
    static const std::vector<std::string> kMnemonics = {
        "RD",   "RD.NOT", "AND",  "OR.NOT", "WRT",   "WRT.NOT", "AND.STK", "OR.STK", "END1",
        "END2", "SP",     "SPE",  "CALL",   "CALLU", "JMPB",    "LBL",     "COM",    "COME",
        "DIFU", "DIFD",   "SFT",  "COD",    "CODT",  "MOVN",    "MOVB",    "MOVW",   "DEC",
        "ROT",  "DSCH",   "COMP", "ADD",    "TMRB",  "TMRC",    "SET",     "STOP",   "x"};
    static const std::vector<std::string> kOperands = {
        "X000.0", "R255.7", "0001", "0002", "1003", "00011", "65535", "99999", "999999999",
        "DC010",  "DT255",  "A031", "R510", "q1.9", "D.",    "0",     "0099",  "0100"};
    std::mt19937 rng(71210);
    int built = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<Text> texts;
        const int count = 1 + static_cast<int>(rng() % 40);
        for (int i = 0; i < count; ++i) {
            std::string text = kMnemonics[rng() % kMnemonics.size()];
            for (int p = static_cast<int>(rng() % 6); p > 0; --p) {
                text += " " + kOperands[rng() % kOperands.size()];
            }
            texts.push_back({text, static_cast<int>(rng() % 3000) - 1});
        }
        const bool ok = BuildFrom(texts);
        ASSERT_EQ(ok, convert.ErrorCount() == 0) << "round " << round;
        ASSERT_EQ(ok, convert.StepsComplete()) << "round " << round;
        if (!ok) {
            continue;
        }
        ++built;
        const int steps = convert.StepCount();
        ASSERT_GT(steps, 0);
        EXPECT_EQ(convert.StepAt(steps - 1).opcode, 254);
        EXPECT_EQ(convert.StepAt(steps - 1).index, convert.DataWordCount());
        for (int i = 0; i + 1 < steps; ++i) {
            const StepRecord& r = convert.StepAt(i);
            EXPECT_EQ(r.index, i) << "round " << round;
            if (r.opcode == 27 || r.opcode == 28 || r.opcode == 51) {
                const StepRecord& target = convert.StepAt(r.b);
                EXPECT_EQ(target.opcode, r.opcode == 27 ? 29 : 30) << "round " << round;
                EXPECT_EQ(target.a, r.a) << "round " << round;
            }
        }
        EXPECT_EQ(Image().size(), steps * 8u + 2u * convert.DataWordCount()) << "round " << round;
    }
    EXPECT_GT(built, 20);  // the draw reaches whole programs too
}

}  // namespace
}  // namespace rungpad
