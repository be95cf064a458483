// Programs no editor would make, drawn at random: every conversion must end with success or an
// error, never hang, crash or read outside the program (run under the sanitizers too).
#include <gtest/gtest.h>

#include <random>

#include "GridBuilder.h"
#include "convert/LadConvert.h"

namespace rungpad {
namespace {

LadCell RandomCell(std::mt19937& rng) {
    static const std::vector<std::uint16_t> kCodes = {
        0x0000, 0x0000, 0x0100, 0x0100, 0x0200, 0x0300, 0x0300, 0x0400, 0x0500, 0x1000, 0x1001,
        0x1010, 0x1900, 0x1901, 0x1911, 0x2000, 0x2001, 0x2600, 0x2601, 0x2701, 0x3400, 0x3401,
        0x3300, 0x3600, 0x4000, 0x4001, 0x4010, 0x4100, 0x4102, 0x4200, 0x4202, 0x7100, 0x7200,
        0x1500, 0x1600, 0x3900, 0x1700, 0x2200, 0x0600, 0xFF00, 0x1005};
    static const std::vector<std::string> kTexts = {
        "",      "X000.0", "X001.7", "Y000.1", "R255.0", "R100", "0001", "0002",
        "00011", "TMR",    "K005.1", "G063.7", "A031.7", "D010", "9"};
    LadCell cell;
    cell.code = kCodes[rng() % kCodes.size()];
    cell.vlink = rng() % 4 == 0 ? 1 : 0;
    cell.SetText(kTexts[rng() % kTexts.size()]);
    cell.number = static_cast<std::int16_t>(static_cast<int>(rng() % 300) - 1);
    cell.codtCount = static_cast<std::int32_t>(rng() % 5) - 1;
    return cell;
}

TEST(RandomProgramTest, EveryConversionEnds) {
    std::mt19937 rng(20261210);
    int converted = 0;
    for (int round = 0; round < 3000; ++round) {
        LadProgram program;
        const int lines = 1 + static_cast<int>(rng() % 24);
        for (int i = 0; i < lines; ++i) {
            LadLine line;
            for (LadCell& cell : line.cells) {
                cell = RandomCell(rng);
            }
            program.AppendLine(line, NoteText{});
        }
        if (rng() % 2 == 0) {
            test::GridBuilder::Append(program, {"- - - - [END1] - - -", "- - - - [END2] - - -"});
        }
        CLadConvert convert(&program);
        const int result = convert.Convert();
        ASSERT_TRUE(result == 1 || convert.ErrorCount() > 0) << "round " << round;
        converted += result == 1 ? 1 : 0;
        std::vector<std::uint8_t> image;
        EXPECT_EQ(convert.BinaryImage(image), result == 1);
        // A second conversion of the same converter gives the same result.
        convert.ClearErrors();
        EXPECT_EQ(convert.Convert(), result) << "round " << round;
    }
    EXPECT_GT(converted, 0);
}

}  // namespace
}  // namespace rungpad
