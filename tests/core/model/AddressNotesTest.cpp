#include "model/AddressNotes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace rungpad {
namespace {

TEST(AddressNotesTest, LookupTable) {
    struct Case {
        const char* address;
        int entry;  // -1: not noteable
        int bit;
    };
    const Case cases[] = {
        {"X000.0", 0, 0},   {"X063.7", 63, 7}, {"Y000.1", 64, 1}, {"A031.0", 64 + 48 + 31, 0},
        {"R511.7", 847, 7},  // the last entry
        {"R512.0", -1, 0},   // past R's range
        {"Y048.0", -1, 0},   // past Y's range
        {"X1.2", -1, 0},     // too few digits
        {"D010.0", -1, 0},   // D has no notes
        {"X000.8", -1, 0},   // no bit 8
        {"X00A.1", -1, 0},  {"", -1, 0},
    };
    AddressNotes notes;
    for (const Case& c : cases) {
        std::string* slot = notes.FindBitNote(c.address);
        if (c.entry < 0) {
            EXPECT_EQ(slot, nullptr) << c.address;
            continue;
        }
        ASSERT_NE(slot, nullptr) << c.address;
        EXPECT_EQ(slot, &notes.At(c.entry)[static_cast<std::size_t>(1 + c.bit)]) << c.address;
        char letter = 0;
        int byte = -1;
        AddressNotes::EntryAddress(c.entry, letter, byte);
        EXPECT_EQ(AddressNotes::EntryIndex(letter, byte), c.entry);
        EXPECT_EQ(letter, c.address[0]);
    }
    EXPECT_THROW(notes.At(AddressNotes::kEntryCount), std::out_of_range);
}

TEST(AddressNotesTest, AnUntouchedTableReadsAndComparesAsAnEmptyOne) {
    const AddressNotes untouched;
    ASSERT_NE(untouched.FindBitNote("X000.0"), nullptr);
    EXPECT_TRUE(untouched.FindBitNote("R511.7")->empty());
    EXPECT_EQ(untouched.FindBitNote("D010.0"), nullptr);
    EXPECT_TRUE(untouched.At(AddressNotes::kEntryCount - 1)[0].empty());
    EXPECT_THROW(untouched.At(-1), std::out_of_range);
    EXPECT_THROW(untouched.At(AddressNotes::kEntryCount), std::out_of_range);
    int visited = 0;
    untouched.ForEachNote([&](char, int, std::size_t, const std::string&) { ++visited; });
    EXPECT_EQ(visited, 0);

    AddressNotes written;
    *written.FindBitNote("Y001.2") = "LAMP";
    EXPECT_NE(written, untouched);
    EXPECT_NE(untouched, written);
    EXPECT_EQ(*written.FindBitNote("Y001.2"), "LAMP");
    written.Clear();
    EXPECT_EQ(written, untouched);
    EXPECT_EQ(untouched, written);
}

}  // namespace
}  // namespace rungpad
