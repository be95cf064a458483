#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConvertFixture.h"

namespace rungpad {
namespace {

struct Text {
    std::string text;
    int line;  // 0-based
};

// A converter whose text list holds the given instruction texts, then builds the step list.
class StepListTest : public ::testing::Test {
  protected:
    bool Build(const std::vector<Text>& texts) {
        convert.ClearTexts();
        convert.ClearErrors();
        for (const Text& t : texts) {
            EXPECT_TRUE(convert.AddText(t.text, t.line));
        }
        return convert.BuildSteps();
    }

    // "opcode kind a b" of every record, trailer included.
    std::vector<std::string> Records() const {
        std::vector<std::string> out;
        for (int i = 0; i < convert.StepCount(); ++i) {
            const StepRecord& r = convert.StepAt(i);
            EXPECT_EQ(r.opcode == 254 ? i : r.index, i) << "record " << i;
            out.push_back(std::to_string(r.opcode) + " " + std::to_string(r.kind) + " " +
                          std::to_string(r.a) + " " + std::to_string(r.b));
        }
        return out;
    }

    std::string LastError() const { return test::LastErrorOf(convert); }

    LadProgram program;
    CLadConvert convert{&program};
};

const std::vector<Text> kEnds = {{"END1", 50}, {"END2", 51}};

std::vector<Text> WithEnds(std::vector<Text> texts, const std::vector<Text>& tail = {}) {
    texts.insert(texts.end(), kEnds.begin(), kEnds.end());
    texts.insert(texts.end(), tail.begin(), tail.end());
    return texts;
}

class ImageTest : public test::ConvertFixture {};

TEST_F(ImageTest, OneNetworkProgramGivesTheSixtyFourByteImage) {
    ASSERT_EQ(ConvertGrid({"X000.0 - - - - - - (Y000.0)"}), 1) << LastError();
    std::vector<std::uint8_t> image;
    ASSERT_TRUE(convert.BinaryImage(image));
    const std::vector<std::uint8_t> expected = {
        1,   2,   0, 0, 0x90, 0x80, 'X', 0x01,  // RD X000.0
        6,   2,   1, 0, 0xD0, 0x80, 'Y', 0x01,  // WRT Y000.0
        22,  0,   2, 0, 0,    0,    0,   0,     // network end
        17,  0,   3, 0, 0,    0,    0,   0,     // END1
        22,  0,   4, 0, 0,    0,    0,   0,     // network end
        18,  0,   5, 0, 0,    0,    0,   0,     // END2
        22,  0,   6, 0, 0,    0,    0,   0,     // network end
        254, 254, 0, 0, 0,    0,    0,   0,     // trailer: no data words
    };
    EXPECT_EQ(image, expected);
    EXPECT_EQ(program.end1Step, 4);       // the network end after END1
    EXPECT_EQ(program.stepCountWord, 7);  // step count - 1
    EXPECT_EQ(program.end1Line, 2);
}

TEST_F(ImageTest, FailedConversionLeavesNothingToWrite) {
    ASSERT_EQ(ConvertGrid({"X000.0 - - - - - - (Y000.0)"}), 1);
    ASSERT_EQ(ConvertGrid({"X000.0 . X000.1 - - - - (Y000.0)"}), 0);
    std::vector<std::uint8_t> image = {1, 2, 3};
    EXPECT_FALSE(convert.BinaryImage(image));
    EXPECT_TRUE(image.empty());
    EXPECT_FALSE(convert.StepsComplete());
}

TEST_F(StepListTest, RecordsOfEachInstruction) {
    struct Case {
        std::string name;
        std::vector<Text> texts;           // END1 and END2 are appended
        std::vector<std::string> records;  // the instruction's records, before END1's
    };
    const std::vector<Case> cases = {
        {"ConsecutiveNetworksAreSeparated",
         {{"RD X000.0", 0}, {"WRT Y000.0", 0}, {"RD.NOT X000.1", 1}, {"WRT.NOT Y000.1", 1}},
         {"1 2 32912 344", "6 2 32976 345", "22 0 0 0", "2 2 32912 600", "5 2 32976 601",
          "22 0 0 0"}},
        {"StackInstructions",
         {{"RD X000.0", 0}, {"RD.STK X000.1", 0}, {"AND.STK", 0}, {"OR.STK", 0}, {"SET R000.7", 0}},
         {"1 2 32912 344", "9 2 32912 600", "14 0 0 0", "16 0 0 0", "25 2 34048 32850",
          "22 0 0 0"}},
        {"TimersAndCounter",
         {{"RD X000.0", 0},
          {"TMRC 2 0007", 0},
          {"TMRB 1 0006 1000", 0},
          {"TMR 0005", 0},
          {"CTR 0003", 0}},
         {"1 2 32912 344", "33 2 7 0", "49 1 6 1000", "33 5 5 0", "34 0 3 0"}},
        {"EdgesCarryTheNetworkStart",
         {{"RD X000.0", 0}, {"WRT Y000.0", 0}, {"RD X000.1", 1}, {"DIFU 0004", 1}},
         {"1 2 32912 344", "6 2 32976 345", "22 0 0 0", "1 2 32912 600", "23 0 4 3"}},
        {"CompareWithConstantAndAddress",
         {{"RD X000.0", 0}, {"COMP 0002 0100 D010", 0}, {"COIN 1003 R100 R102", 0}},
         {"1 2 32912 344", "31 2 33556 68", "31 1 100 0", "32 4 34150 82", "32 2 34148 82"}},
        {"Moves",
         {{"RD X000.0", 0},
          {"MOVN 0004 R100 R200", 0},
          {"MOVB 0012 D010", 0},
          {"MOVW R010 A004", 0}},
         {"1 2 32912 344", "35 2 34148 0", "35 0 34248 4", "52 1 12 33556", "53 2 34058 35844"}},
        {"DecodeEndsItsNetwork",
         {{"RD X000.0", 0}, {"DEC 0002 R100 0012 R101", 0}},
         {"1 2 32912 344", "36 0 34149 82", "36 2 34148 82", "36 0 12 0", "22 0 0 0"}},
        {"Rotation",
         {{"RD X000.0", 0}, {"ROT 0012 R100 R102 R104", 0}},
         {"1 2 32912 344", "38 0 34148 82", "38 0 34150 82", "38 1 12 0", "38 0 34152 82"}},
        {"SearchAndIndexedMove",
         {{"RD X000.0", 0}, {"DSCH 0003 D000 D002 R100 R102", 0}},
         {"1 2 32912 344", "39 4 33536 68", "39 0 33540 68", "39 0 34148 82", "39 0 34150 82"}},
        {"ArithmeticAndLogic",
         {{"RD X000.0", 0},
          {"ADD 0002 R100 0010 R102", 0},
          {"SUB 1001 R100 R104 R102", 0},
          {"EOR 0001 R100 0255 R102", 0}},
         {"1 2 32912 344", "40 2 34148 82", "40 1 10 0", "40 0 34150 82", "41 1 34148 82",
          "41 2 34152 82", "41 0 34150 82", "45 1 34148 82", "45 1 255 0", "45 0 34150 82",
          "22 0 0 0"}},
        {"ShiftAndAxisControl",
         {{"RD X000.0", 0}, {"SFT R100 1002", 0}, {"SFT R101 0003", 0}, {"AXCTL 0005 D100", 0}},
         {"1 2 32912 344", "47 2 34148 256", "47 3 34149 1", "54 1 33736 68"}},
        {"CommonLineBlock",
         {{"RD X000.0", 0}, {"COM", 0}, {"RD X000.1", 1}, {"WRT Y000.1", 1}, {"COME", 2}},
         {"1 2 32912 344", "20 51 0 0", "22 0 0 0", "1 2 32912 600", "6 2 32976 601", "22 0 0 0",
          "21 51 0 0", "22 0 0 0"}},
        {"UnknownMnemonicsGiveNoRecord",
         {{"RD X000.0", 0}, {"GET", 0}, {"22", 0}, {"FOO R100", 0}},
         {"1 2 32912 344"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Build(WithEnds(c.texts))) << c.name << ": " << LastError();
        std::vector<std::string> records = Records();
        // Strip END1, END2, their network ends and the trailer (and a pending network end).
        records.resize(records.size() - 5);
        if (records.size() > c.records.size() && records.back() == "22 0 0 0") {
            records.pop_back();
        }
        EXPECT_EQ(records, c.records) << c.name;
    }
}

TEST_F(StepListTest, CodTablesFillTheDataTable) {
    ASSERT_TRUE(Build(WithEnds({
        {"RD X000.0", 0},
        {"COD 0001 0010 R100 R102", 0},
        {"WRT Y000.0", 0},
        {"CODT 00001 00002 00003 00004", 2},
        {"CODT 00005 00006 00007 00008", 2},
        {"CODT 00009 00010 _ _", 3},
        {"CODT _ _ _ _", 3},
        {"RD X000.1", 4},
        {"COD 0001 0003 R104 R106", 4},
        {"WRT Y000.1", 4},
        {"CODT 00011 00022 00033 00000", 6},
        {"CODT 00000 00000 00000 00000", 6},
        {"RD X000.2", 7},
        {"COD 0002 0002 R108 R110", 7},
        {"WRT Y000.2", 7},
        {"CODT 04660 65535 00000 00000", 9},
        {"CODT 00000 00000 00000 00000", 9},
    }))) << LastError();
    const std::vector<std::string> records = Records();
    EXPECT_EQ(records[1], "37 10 34150 82");  // size 10, output R102
    EXPECT_EQ(records[2], "37 1 34148 " + std::to_string(0x8A00));
    EXPECT_EQ(records[4], "22 0 0 0");  // the text after the table closes it
    EXPECT_EQ(records[7], "37 1 34152 " + std::to_string(0x8A00 + 10));
    EXPECT_EQ(records[12], "37 2 34156 " + std::to_string(0x8A00 + 13));
    // 10 + 3 one-byte entries, then two two-byte entries starting at the odd byte 13.
    const std::vector<std::uint16_t> words = {0x0201, 0x0403, 0x0605, 0x0807, 0x0A09,
                                              0x160B, 0x3421, 0xFF12, 0x00FF};
    ASSERT_EQ(convert.DataWordCount(), static_cast<int>(words.size()));
    for (int i = 0; i < convert.DataWordCount(); ++i) {
        EXPECT_EQ(convert.DataWordAt(i), words[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(convert.StepAt(convert.StepCount() - 1).index, 9);  // the trailer counts them

    std::vector<std::uint8_t> image;
    ASSERT_TRUE(convert.BinaryImage(image));
    ASSERT_EQ(image.size(), convert.StepCount() * 8u + 18u);
    EXPECT_EQ(image[image.size() - 4], 0x12);  // data words follow the records, little-endian
    EXPECT_EQ(image[image.size() - 3], 0xFF);
}

TEST_F(StepListTest, OddTableEndsInALowByte) {
    // A table of three one-byte entries after one of ten.
    ASSERT_TRUE(Build(WithEnds({{"RD X000.0", 0},
                                {"COD 0001 0010 R100 R102", 0},
                                {"WRT Y000.0", 0},
                                {"CODT 00001 00002 00003 00004", 2},
                                {"CODT 00005 00006 00007 00008", 2},
                                {"CODT 00009 00010 00000 00000", 3},
                                {"CODT 00000 00000 00000 00000", 3},
                                {"RD X000.1", 4},
                                {"COD 0001 0003 R104 R106", 4},
                                {"WRT Y000.1", 4},
                                {"CODT 00011 00022 00033 00000", 6},
                                {"CODT 00000 00000 00000 00000", 6}})));
    EXPECT_EQ(convert.StepAt(7).b, 0x8A00 + 10);  // the second COD's table address
    ASSERT_EQ(convert.DataWordCount(), 7);
    EXPECT_EQ(convert.DataWordAt(5), 0x160B);
    EXPECT_EQ(convert.DataWordAt(6), 0x0021);  // the last entry in the low byte, counted
}

TEST_F(StepListTest, CallsAndJumpsResolve) {
    ASSERT_TRUE(Build({{"RD X000.0", 0},
                       {"JMPB 0001", 0},
                       {"RD X000.1", 1},
                       {"CALL 0005", 1},
                       {"LBL 0001", 2},
                       {"END1", 3},
                       {"RD X000.2", 4},
                       {"CALLU 0006", 4},
                       {"END2", 5},
                       {"SP 0005", 6},
                       {"RD X000.3", 7},
                       {"CALL 0006", 7},
                       {"SPE", 8},
                       {"SP 0006", 9},
                       {"SPE", 10}}))
        << LastError();
    const std::vector<std::string> r = Records();
    EXPECT_EQ(r[1], "27 76 1 6");    // JMPB to the LBL record
    EXPECT_EQ(r[4], "28 50 5 15");   // CALL 5 to the SP 5 record
    EXPECT_EQ(r[6], "29 76 1 0");    // LBL
    EXPECT_EQ(r[11], "51 50 6 22");  // CALLU 6 to the SP 6 record
    EXPECT_EQ(r[15], "30 50 5 0");
    EXPECT_EQ(r[22], "30 50 6 0");
    EXPECT_EQ(r[24], "19 0 0 0");
}

TEST_F(StepListTest, WholeProgramErrorsCarryTheirLine) {
    struct Case {
        std::string name;
        std::vector<Text> texts;
        std::string error;
    };
    std::vector<Text> manySft = {{"RD X000.0", 0}};
    for (int i = 0; i < 129; ++i) {
        manySft.push_back({"SFT R100 0001", i});
    }
    std::vector<Text> longFirstLevel;
    for (int i = 0; i < 249; ++i) {
        longFirstLevel.push_back({"RD X000.0", i});
        longFirstLevel.push_back({"AND X000.1", i});
    }
    longFirstLevel.push_back({"END1", 300});
    const std::vector<Case> cases = {
        {"SetInsideCom",
         WithEnds({{"RD X000.0", 0}, {"COM", 0}, {"RD X000.1", 1}, {"SET R000.0", 1}}), "1003@2"},
        {"ComeWithoutCom", WithEnds({{"COME", 3}}), "1003@4"},
        {"NetworkAfterEnd2", WithEnds({}, {{"RD X000.0", 60}, {"WRT Y000.0", 60}}), "1039@61"},
        {"JumpOverEnd1",
         {{"RD X000.0", 0}, {"JMPB 0002", 0}, {"END1", 1}, {"LBL 0002", 2}, {"END2", 3}},
         "1015@1"},
        {"JumpToNoLabel", WithEnds({{"RD X000.0", 4}, {"JMPB 0002", 4}}), "1015@5"},
        {"JumpOutOfSubprogram",
         WithEnds({}, {{"SP 0001", 60},
                       {"RD X000.0", 61},
                       {"JMPB 0003", 61},
                       {"SPE", 62},
                       {"SP 0002", 63},
                       {"LBL 0003", 64},
                       {"SPE", 65}}),
         "1015@62"},
        {"CallUndefined", WithEnds({{"RD X000.0", 7}, {"CALL 0009", 7}}), "1040@8"},
        {"SubprogramBeforeEnd2", {{"SP 0001", 0}, {"SPE", 1}, {"END1", 2}, {"END2", 3}}, "1040@1"},
        {"SubprogramNotClosed", WithEnds({}, {{"SP 0001", 60}}), "1040@61"},
        {"SubprogramTwice",
         WithEnds({}, {{"SP 0001", 60}, {"SPE", 61}, {"SP 0001", 62}, {"SPE", 63}}), "1040@63"},
        {"SubprogramCallsItself",
         WithEnds({}, {{"SP 0001", 60}, {"RD X000.0", 61}, {"CALL 0001", 61}, {"SPE", 62}}),
         "1040@62"},
        {"CallCycle",
         WithEnds({}, {{"SP 0001", 60},
                       {"RD X000.0", 61},
                       {"CALL 0002", 61},
                       {"SPE", 62},
                       {"SP 0002", 63},
                       {"RD X000.0", 64},
                       {"CALL 0001", 64},
                       {"SPE", 65}}),
         "1040@65"},
        {"EdgeTwice",
         WithEnds({{"RD X000.0", 0}, {"DIFU 0007", 0}, {"RD X000.1", 1}, {"DIFD 0007", 1}}),
         "1034@2"},
        {"ManySft", WithEnds(manySft), "1033@129"},
        {"FirstLevelTooLong", longFirstLevel, "1032@301"},
        {"MovnPastR255", WithEnds({{"RD X000.0", 2}, {"MOVN 0010 R000 R250", 2}}), "1023@3"},
        {"ShortCodtEntry",
         WithEnds({{"RD X000.0", 0}, {"COD 0001 0002 R100 R102", 0}, {"CODT 00001 0002", 1}}),
         "1011@2"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Build(c.texts)) << c.name;
        EXPECT_EQ(LastError(), c.error) << c.name;
        EXPECT_FALSE(convert.StepsComplete()) << c.name;
    }
}

TEST_F(StepListTest, CallChainDeeperThanEighteenIsRefused) {
    auto chain = [](int depth) {
        std::vector<Text> texts = kEnds;
        for (int n = 0; n < depth; ++n) {
            const int line = 100 + 3 * n;
            texts.push_back({"SP " + std::to_string(n), line});
            if (n + 1 < depth) {
                texts.push_back({"RD X000.0", line + 1});
                texts.push_back({"CALL " + std::to_string(n + 1), line + 1});
            }
            texts.push_back({"SPE", line + 2});
        }
        return texts;
    };
    EXPECT_TRUE(Build(chain(18))) << LastError();
    EXPECT_FALSE(Build(chain(20)));
    EXPECT_EQ(convert.ErrorAt(0).code, 1040);
}

TEST_F(StepListTest, MoveDestinationLimits) {
    struct Case {
        std::string text;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"MOVN 0004 R100 A028", true},  {"MOVN 0005 R100 A028", false},
        {"MOVB R100 A032", true},       {"MOVB R100 A033", false},
        {"MOVW R100 A031", true},       {"MOVW R100 A032", false},
        {"MOVN 0008 0012 D120", true},  {"MOVN 0008 0012 D250", false},  // constant: 256
        {"MOVN 0008 R100 D250", true},                                   // address: 512
        {"MOVB 0012 D257", false},      {"MOVB R100 D300", true},
        {"MOVW 0012 D255", true},       {"MOVW 0012 D256", false},
        {"MOVN 0001 R100 T127", true},  {"MOVN 0002 0001 T127", false},
        {"MOVN 0004 R100 R300", true},  {"MOVN 0004 R100 R253", false},  // crosses R255
        {"MOVN 0004 R100 R510", false}, {"MOVB R100 R510", true},
        {"MOVW R100 R510", false},      {"MOVB R100 Y048", true},
        {"MOVB R100 Y049", false},      {"MOVW R100 G062", true},
        {"MOVW R100 G063", false},      {"MOVN 0010 R100 K055", false},
        {"MOVN 0009 R100 X060", true},  // no limit for other letters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Build(WithEnds({{"RD X000.0", 0}, {c.text, 0}})), c.accepted) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(LastError(), "1023@1") << c.text;
        }
    }
}

TEST_F(StepListTest, DataTableLimit) {
    std::vector<Text> all;
    for (int table = 0; table < 4; ++table) {
        all.push_back({"RD X000.0", 1});
        all.push_back({"COD 0002 0080 R100 R102", 1});
        for (int k = 0; k < 20; ++k) {
            all.push_back({"CODT 00001 00002 00003 00004", 10 + table});
        }
    }
    EXPECT_FALSE(Build(WithEnds(all)));
    EXPECT_EQ(LastError(), "1031@14");  // 3 tables are 240 words; the 4th overflows at 256
}

}  // namespace
}  // namespace rungpad
