// The converter's end-to-end fixtures in tests/fixtures/converter: ladder files built from grids,
// with their reviewed instruction lists and binary images. The rungpad-cli tests convert the same
// files. Run with RUNGPAD_UPDATE_FIXTURES=1 to rewrite them after a reviewed change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RecordingHost.h"
#include "convert/LadConvert.h"
#include "model/FileIo.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

const std::string kDir = std::string(RUNGPAD_FIXTURES) + "/converter/";

// A realistic program: a latch, parallel rows, timer, edge, counter, COD table, move, a jump over
// a network, addition, a subprogram call, END1, a second level, END2 and the subprogram.
const std::vector<std::string> kPlant = {
    "X000.0| /X000.1 - - - - - (Y000.0)",           // 1  start/stop latch
    "Y000.0",                                       // 2
    "",                                             // 3
    "X000.2 X000.3| - - - - - (Y000.1)",            // 4  two series rows in parallel
    "X000.4 /X000.5",                               // 5
    "",                                             // 6
    "Y000.0 - - [TMR:0001] - - (R100.0)",           // 7  timer
    ". . . # #",                                    // 8
    "R100.0| - [DIFU:0001] - - - (R100.1)",         // 9  rising edge of a linked input
    "X001.0",                                       // 10
    "X001.1 [CTR:0002] - - - - (R100.2)",           // 11 counter, four input rows
    "X001.2 #",                                     // 12
    "X001.3 #",                                     // 13
    "X001.4 #",                                     // 14
    "X001.5 [COD:1:6:R010:R012] - (R100.3)",        // 15 code conversion
    "X001.6 # # # # #",                             // 16
    "CODT 00010 00020 00030 00040 00050 00060",     // 17 its table
    "R100.3 [MOVW:R012:D020] - - - (R100.4)",       // 18 word move
    ". # # #",                                      // 19
    "X002.0 - - [JMPB:0005] - - -",                 // 20 jump over the next network
    "X002.1| X002.2| - - - - - (Y001.0)",           // 21
    ". X002.3",                                     // 22
    "- - - - [LBL:0005] - -",                       // 23
    "X002.4 - [ADD:0002:R100:0010:R102] (R100.5)",  // 24 addition, two input rows
    "X002.5 - # # # # #",                           // 25
    "X002.6 - - - [CALL:0001] - -",                 // 26 subprogram call
    "- - - - [END1] - - -",                         // 27
    "X003.0 /X003.1 - - - - - (Y002.0)",            // 28 second level
    "X003.2 - - [SET:R101.0] - - -",                // 29
    "- - - - [END2] - - -",                         // 30
    "- - - - [SP:0001] - -",                        // 31 subprogram 1
    "X004.0| X004.1 - - - - -| (Y003.0)",           // 32 parallel contacts and coils
    "X004.2 . . . . . . (Y003.1)",                  // 33
    "- - - - [SPE] - - -",                          // 34
};

// The worked examples of contact networks, one after the other.
const std::vector<std::string> kExamples = {
    "X000.0 X000.1 - - - - - (Y000.0)",
    "",
    "X000.0| X000.1 - - - - - (Y000.1)",
    "X000.2",
    "X000.0| X000.1| X000.3 - - - - (Y000.2)",
    ". X000.2",
    "X000.0 X000.1| - - - - - (Y000.3)",
    "X000.2 X000.3",
    "X000.0| X000.1 X000.4| X000.5 - - - (Y000.4)",
    ". X000.2 X000.3",
    "X000.0| - - - - - - (Y000.5)",
    "X000.1|",
    "X000.2",
    "X000.0 - - - - - -| (Y000.6)",
    ". . . . . . .| (Y000.7)",
    ". . . . . . . (/Y001.0)",
    "/X000.0| /X000.1 - - - - - (/Y001.1)",
    "/X000.2",
    "- - - - [END1] - - -",
    "- - - - [END2] - - -",
};

// A horizontal line in parallel with a contact: error 1041 on line 2.
const std::vector<std::string> kRefused = {
    "X000.0| - - - - - - (Y000.0)",
    "-",
    "- - - - [END1] - - -",
    "- - - - [END2] - - -",
};

std::vector<std::uint8_t> LadderBytes(const LadProgram& program) {
    test::RecordingHost host;
    LadHeaderTexts header;
    header.version.Assign("1.0");
    header.machine.Assign("converter fixture");
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, program, header, "2026-01-01 00:00", host);
    return bytes;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

bool Updating() {
    return std::getenv("RUNGPAD_UPDATE_FIXTURES") != nullptr;
}

// Compares bytes with the fixture file, or rewrites the file when updating.
void ExpectFixture(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (Updating()) {
        ASSERT_TRUE(FileIo::WriteFileAtomically(kDir + name, bytes, error)) << error;
    }
    std::vector<std::uint8_t> stored;
    ASSERT_TRUE(FileIo::ReadFile(kDir + name, stored, error)) << error;
    EXPECT_EQ(stored, bytes) << name;
}

// The instruction list as rungpad-cli list prints it.
std::string ListOutput(const CLadConvert& convert) {
    std::string out;
    for (int i = 0; i < convert.TextCount(); ++i) {
        out.append(convert.TextAt(i)).push_back('\n');
    }
    return out;
}

TEST(ConverterFixtureTest, PlantProgramConvertsToItsReviewedImage) {
    LadProgram program = test::GridBuilder::Build(kPlant);
    ExpectFixture("plant.plf", LadderBytes(program));

    CLadConvert convert(&program);
    ASSERT_EQ(convert.Convert(), 1) << convert.FormatLastError();
    std::vector<std::uint8_t> image;
    ASSERT_TRUE(convert.BinaryImage(image));
    ExpectFixture("plant.lst", Bytes(convert.WriteListFile()));
    ExpectFixture("plant.bin", image);
    EXPECT_EQ(program.end1Line, 27);
}

TEST(ConverterFixtureTest, FixtureFilesLoadAsBuilt) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> files = {
        {"plant.plf", kPlant}, {"examples.plf", kExamples}, {"refused.plf", kRefused}};
    for (const auto& [name, grid] : files) {
        const LadProgram built = test::GridBuilder::Build(grid);
        if (Updating()) {
            std::string error;
            ASSERT_TRUE(FileIo::WriteFileAtomically(kDir + name, LadderBytes(built), error));
        }
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(FileIo::ReadFile(kDir + name, bytes, error)) << error;
        test::RecordingHost host;
        LadProgram loaded;
        LadHeaderTexts header;
        ASSERT_TRUE(LadFile::LoadLadder(bytes, name, loaded, header, host, host)) << name;
        LadFile::ExpandBoxes(loaded);
        ASSERT_EQ(loaded.LineCount(), built.LineCount()) << name;
        for (int i = 0; i < built.LineCount(); ++i) {
            for (int c = 0; c < LadLine::kColumns; ++c) {
                const LadCell& l = loaded.Cell(c, i);
                const LadCell& b = built.Cell(c, i);
                EXPECT_TRUE(l.code == b.code && l.HasLink() == b.HasLink() &&
                            l.Text() == b.Text() && l.codtCount == b.codtCount)
                    << name << " line " << i + 1 << " column " << c;
            }
        }
    }
}

TEST(ConverterFixtureTest, ExamplesListAsTheCliPrintsThem) {
    LadProgram program = test::GridBuilder::Build(kExamples);
    CLadConvert convert(&program);
    ASSERT_EQ(convert.Convert(), 1) << convert.FormatLastError();
    ExpectFixture("examples.out", Bytes(ListOutput(convert)));
}

}  // namespace
}  // namespace rungpad
