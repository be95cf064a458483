#include "model/FuncInstrTable.h"

#include <gtest/gtest.h>

#include <set>

namespace rungpad {
namespace {

TEST(FuncInstrTableTest, CodesFollowTheCatalogueRule) {
    std::set<int> kinds;
    for (const FuncInstr& f : FuncInstrTable::All()) {
        EXPECT_EQ(f.code & 0xFF, 0) << f.name;
        EXPECT_TRUE(kinds.insert(f.code >> 8).second) << f.name;
        if (f.name != "END1" && f.name != "END2") {
            // The high byte, in hexadecimal, reads as 10 + index in decimal.
            EXPECT_EQ((f.code >> 12) * 10 + ((f.code >> 8) & 0xF), 10 + f.index) << f.name;
        }
        // Labels exist exactly for the parameters a box has (CODT aside: never placed).
        if (f.index != FuncInstrTable::kCODT) {
            for (int j = 0; j < 5; ++j) {
                EXPECT_EQ(!f.labels[j].empty(), j < f.ParameterCount()) << f.name << " " << j;
            }
        }
    }
    EXPECT_EQ(FuncInstrTable::CodeOf(FuncInstrTable::kEND1), 0x7100);
    EXPECT_EQ(FuncInstrTable::CodeOf(FuncInstrTable::kEND2), 0x7200);
    EXPECT_EQ(FuncInstrTable::CodeOf(FuncInstrTable::kAXCTL), 0x4600);
    EXPECT_THROW(FuncInstrTable::At(37), std::out_of_range);
}

TEST(FuncInstrTableTest, LookupsByAnyCellCode) {
    struct Case {
        std::uint16_t code;
        const char* name;  // empty: not a box code
        int width, height, inputRows;
    };
    const Case cases[] = {
        {0x1001, "CTR", 2, 4, 4},   // a parameter cell finds its box
        {0x4102, "TMRB", 4, 2, 1},  // TMRB parameter cell
        {0x3700, "SFT", 3, 4, 4},   {0x7100, "END1", 1, 1, 1},
        {0x4613, "AXCTL", 3, 2, 2},                            // second-line cell
        {0x4000, "CODT", 10, 0, 0}, {0x0300, "", -1, -1, -1},  // a contact
        {0x2300, "", -1, -1, -1},                              // the slot END1 does not use
        {0xFF00, "", -1, -1, -1},
    };
    for (const Case& c : cases) {
        int w = -1, h = -1, rows = -1;
        const bool known = FuncInstrTable::BoxSize(c.code, w, h);
        FuncInstrTable::InputRows(c.code, rows);
        EXPECT_EQ(known, *c.name != '\0') << std::hex << c.code;
        EXPECT_EQ(FuncInstrTable::NameOf(c.code), c.name);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
        EXPECT_EQ(rows, c.inputRows);
    }
    EXPECT_TRUE(FuncInstrTable::DrivesOutput(0x1900));
    EXPECT_FALSE(FuncInstrTable::TakesInput(0x3400));  // LBL
    EXPECT_EQ(FuncInstrTable::FindByName("COD")->code, 0x2600);
    EXPECT_EQ(FuncInstrTable::FindByName("cod"), nullptr);
}

}  // namespace
}  // namespace rungpad
