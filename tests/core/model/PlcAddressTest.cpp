#include "model/PlcAddress.h"

#include <gtest/gtest.h>

#include "GridBuilder.h"

namespace rungpad {
namespace {

TEST(PlcAddressTest, ParseBitAddressNormalisesOrRefuses) {
    struct Case {
        std::string typed;
        int number;  // -1: refused
        std::string normalised;
    };
    const std::vector<Case> cases = {
        {"x1.2", 1, "X001.2"},      // lower case and padding
        {"R511.7", 511, "R511.7"},  // top of the R range
        {"Y47.7", 47, "Y047.7"},    // top of the Y range
        {"Y48.0", -1, ""},          // Y has 48 bytes
        {"X00.8", -1, ""},          // bit 8
        {"X0012.1", -1, ""},        // seven characters
        {"X1", -1, ""},             // no "."
        {"X1.", -1, ""},            // "." last
        {"X1A.2", -1, ""},          // letter in the byte number
        {"C255.0", 255, "C255.0"},  // C, T, D take 0-255
        {"D256.0", -1, ""},         // beyond D
        {"Q001.0", -1, ""},         // unknown letter
        {"A31.0", 31, "A031.0"},    // A has 32 bytes
        {"A32.0", -1, ""},
        {"F.3", 0, "F000.3"},  // an empty byte number reads as 0
    };
    for (const Case& c : cases) {
        std::string text = c.typed;
        EXPECT_EQ(PlcAddress::ParseBitAddress(text), c.number) << c.typed;
        if (c.number >= 0) {
            EXPECT_EQ(text, c.normalised) << c.typed;
        }
    }
}

TEST(PlcAddressTest, EncodeAddressGivesOperandTypeAndMask) {
    struct Case {
        std::string text;
        EncodedAddress expected;
    };
    const std::vector<Case> cases = {
        {"X000.0", {0x8090, 'X', 0x01}},
        {"Y047.7", {0x80D0 + 47, 'Y', 0x80}},
        {"K005.3", {0x8C80 + 5, 'K', 0x08}},
        {"R100.3", {0x8500 + 100, 'R', 0x08}},
        {"R100", {0x8500 + 100, 'R', 0}},  // byte address: no mask
        {"T020", {0x8728, 'T', 0}},
        {"D255", {0x8300 + 510, 'D', 0}},
        {"DC010", {0x8214, 'c', 0}},
        {"DT005", {0x8100 + 10, 't', 0}},
        {"C005", {0x8800 + 10, 'C', 0}},
        {"G063.7", {0x8050 + 63, 'G', 0x80}},
        {"A001.", {0x8C01, 'A', 0}},  // "." last: no mask
        {"Q001.0", {0, 0, 0x01}},     // unknown letter: operand and type 0, the bit kept
        {"Q001", {0, 0, 0}},
        {".000.5", {0, 0, 0x01}},  // the bit follows the first dot
        {"", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlcAddress::EncodeAddress(c.text), c.expected) << c.text;
    }
}

// The usual six-character form is read by a shortcut; with a fourth (leading zero) digit the same
// address takes the general reading, which must give the same operand, type and mask.
TEST(PlcAddressTest, EncodeAddressReadsTheShortFormAsTheGeneralOne) {
    int compared = 0;
    for (const char letter : std::string("XYFGRAKCTDQx0")) {
        for (const char* byte : {"000", "005", "047", "127", "255", "999"}) {
            for (const char bit : std::string("01789.")) {
                const std::string shortForm = std::string(1, letter) + byte + "." + bit;
                const std::string longForm = std::string(1, letter) + "0" + byte + "." + bit;
                EXPECT_EQ(PlcAddress::EncodeAddress(shortForm), PlcAddress::EncodeAddress(longForm))
                    << shortForm;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 13 * 6 * 6);
}

TEST(PlcAddressTest, ReservedCoilsDifferBetweenEntryAndConversion) {
    const LadProgram program = test::GridBuilder::Build({"X000.0 - - - - - - (Y000.0)"});
    struct Case {
        std::string text;
        int entryError;  // CheckCoilAddress on another line
        bool reservedAtConversion;
    };
    const std::vector<Case> cases = {
        {"R255.0", 0, true},      // editor accepts, conversion refuses
        {"R510.0", 1006, false},  // editor refuses, conversion passes
        {"R511.7", 1006, false}, {"G063.7", 1006, true},
        {"G063.6", 0, false},    {"K005.1", 1006, true},
        {"K006.0", 0, false},    {"X000.1", 1006, false},  // not a coil letter
        {"Y000.0", 1027, false},                           // already the coil of line 0
        {"Y000.1", 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(PlcAddress::CheckCoilAddress(program, c.text, 3)), c.entryError)
            << c.text;
        EXPECT_EQ(PlcAddress::IsReservedCoil(c.text), c.reservedAtConversion) << c.text;
    }
    // The coil's own line may keep its address.
    EXPECT_EQ(PlcAddress::CheckCoilAddress(program, "Y000.0", 0), ErrorCode::kNone);
}

TEST(PlcAddressTest, CoilFlagIndexStaysInsideItsLetter) {
    EXPECT_EQ(PlcAddress::CoilFlagIndex("Y000.0"), 0);
    EXPECT_EQ(PlcAddress::CoilFlagIndex("G001.2"), 384 + 10);
    EXPECT_EQ(PlcAddress::CoilFlagIndex("R511.7"), 896 + 4095);
    EXPECT_EQ(PlcAddress::CoilFlagIndex("A031.7"), 5759);
    EXPECT_EQ(PlcAddress::CoilFlagIndex("Y048.0"), -1);  // beyond Y: never another letter's flag
    EXPECT_EQ(PlcAddress::CoilFlagIndex("X000.0"), -1);
    EXPECT_EQ(PlcAddress::CoilFlagIndex("Y000"), -1);
}

}  // namespace
}  // namespace rungpad
