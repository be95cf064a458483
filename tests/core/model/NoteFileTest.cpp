#include "model/NoteFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"

namespace rungpad {
namespace {

// One expected note after parsing: the entry's letter and byte, the slot (0 byte note, 1-8 bits
// 0-7) and the text.
struct Slot {
    char letter;
    int byte;
    int slot;
    std::string text;
};

struct ParseCase {
    const char* name;
    std::string file;
    std::vector<Slot> expected;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

const std::string& SlotText(const AddressNotes& notes, const Slot& s) {
    return notes.At(AddressNotes::EntryIndex(s.letter, s.byte))
        .at(static_cast<std::size_t>(s.slot));
}

class NoteFileParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NoteFileParse, StoresAndStopsAsTheFormatSays) {
    AddressNotes notes;
    NoteFile::Parse(GetParam().file, notes);
    for (const Slot& s : GetParam().expected) {
        EXPECT_EQ(SlotText(notes, s), s.text) << s.letter << s.byte << " slot " << s.slot;
    }
}

const std::string kLongText(200, 'a');

INSTANTIATE_TEST_SUITE_P(
    Rules, NoteFileParse,
    ::testing::Values(
        // Slot digit 3 is bit 2.
        ParseCase{"BitNote", "X0013 Motor ready\n", {{'X', 1, 3, "Motor ready"}}},
        // Lower-case letter, slot 0: the byte note, no bit note.
        ParseCase{"ByteNote", "x0010 Start\n", {{'X', 1, 0, "Start"}, {'X', 1, 1, ""}}},
        // Y byte 48 is out of range: skipped, the next line is read.
        ParseCase{"OutOfRangeSkipped", "Y0480 Lamp\nY0011 Next\n", {{'Y', 1, 1, "Next"}}},
        // An unknown letter ends the file.
        ParseCase{"UnknownLetterStops", "M100 x\nX0011 After\n", {{'X', 1, 1, ""}}},
        // A blank line ends the file.
        ParseCase{"BlankLineStops", "X0011 A\n\nX0012 B\n", {{'X', 1, 1, "A"}, {'X', 1, 2, ""}}},
        // So does a line of two characters.
        ParseCase{"ShortLineStops", "X0011 A\nX0\nX0012 B\n", {{'X', 1, 1, "A"}, {'X', 1, 2, ""}}},
        // And a line beginning with "end".
        ParseCase{"EndStops", "X0011 A\nend\nX0012 B\n", {{'X', 1, 1, "A"}, {'X', 1, 2, ""}}},
        // Lines marked I are skipped.
        ParseCase{"SkipLine", "I0011 skip\nX0011 Kept\n", {{'X', 1, 1, "Kept"}}},
        // Slot digit 9 ends the file.
        ParseCase{"SlotNineStops", "X0019 A\nX0011 B\n", {{'X', 1, 1, ""}}},
        // CR LF line ends; the last bit is slot 8.
        ParseCase{"CrLf",
                  "R5118 Alarm\r\nR5111 First\r\n",
                  {{'R', 511, 8, "Alarm"}, {'R', 511, 1, "First"}}},
        // The last line needs no line break.
        ParseCase{"NoFinalBreak", "X0011 last", {{'X', 1, 1, "last"}}},
        // The byte field is a C integer conversion: leading blanks allowed.
        ParseCase{"BlankPaddedByte", "X  21 Two\n", {{'X', 2, 1, "Two"}}},
        // A negative byte number is out of range: skipped.
        ParseCase{"NegativeByte", "X-011 Minus\nX0011 Plus\n", {{'X', 1, 1, "Plus"}}},
        // A slot character that is not a digit selects the byte note.
        ParseCase{"NonDigitSlot", "X001a Byte\n", {{'X', 1, 0, "Byte"}}},
        // A three-character line still counts: byte note, empty text; reading goes on.
        ParseCase{"ThreeCharacters", "X01\nX0011 A\n", {{'X', 1, 0, ""}, {'X', 1, 1, "A"}}},
        // Blanks of the text are kept; GBK bytes are stored as they are.
        ParseCase{"TextUnchanged",
                  "X0011   padded  \nX0012 \xc6\xf4\xb6\xaf\n",
                  {{'X', 1, 1, "  padded  "}, {'X', 1, 2, "\xc6\xf4\xb6\xaf"}}},
        // A line over 127 characters gives its first 127 and ends the reading.
        ParseCase{"LongLine",
                  "X0011 " + kLongText + "\nX0012 B\n",
                  {{'X', 1, 1, std::string(121, 'a')}, {'X', 1, 2, ""}}},
        // An export file stops at its first line "%".
        ParseCase{"ExportFormat", "%\r\nX0012     Two\r\nend\r\n", {{'X', 1, 2, ""}}}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST(NoteFile, NotesTheFileDoesNotNameKeepTheirText) {
    AddressNotes notes;
    *notes.FindBitNote("X001.1") = "old";
    NoteFile::Parse("X0011 new\n", notes);
    EXPECT_EQ(*notes.FindBitNote("X001.1"), "old");
    EXPECT_EQ(*notes.FindBitNote("X001.0"), "new");
}

TEST(NoteFile, LoadReadsAFileAndRefusesWhatCannotBeRead) {
    test::TempDir dir;
    AddressNotes notes;
    EXPECT_TRUE(NoteFile::Load(dir.Write("n.MEA", "K0631 Key\n"), notes));
    EXPECT_EQ(*notes.FindBitNote("K063.0"), "Key");
    EXPECT_FALSE(NoteFile::Load(dir.File("missing.MEA"), notes));
    EXPECT_FALSE(NoteFile::Load(dir.Path().string(), notes));  // a directory
    // An empty file is read and changes nothing.
    EXPECT_TRUE(NoteFile::Load(dir.Write("empty.MEA", ""), notes));
    EXPECT_EQ(*notes.FindBitNote("K063.0"), "Key");
}

std::string ExportOf(const AddressNotes& notes) {
    return NoteFile::FormatExport([&notes](std::string_view address) {
        const std::string* note = notes.FindBitNote(address);
        return note != nullptr ? *note : std::string{};
    });
}

TEST(NoteFile, ExportOfNoNotesIsJustTheFrame) {
    EXPECT_EQ(ExportOf(AddressNotes{}), "%\r\nend\r\n");
}

TEST(NoteFile, ExportWritesTheExportedBytesInOrder) {
    AddressNotes notes;
    for (const char* address : {"R511.7", "A031.7", "K006.0", "K005.7", "Y005.0", "Y006.0",
                                "X006.7", "X007.0", "X000.0", "F001.0", "G001.0"}) {
        *notes.FindBitNote(address) = std::string("n") + address;
    }
    notes.At(AddressNotes::EntryIndex('X', 1))[AddressNotes::kByteNote] = "byte";
    // X before Y before K before A before R; X from byte 7, Y from 6, K below 6, F, G and byte
    // notes are not exported.
    EXPECT_EQ(ExportOf(notes),
              "%\r\n"
              "X0000     nX000.0\r\n"
              "X0067     nX006.7\r\n"
              "Y0050     nY005.0\r\n"
              "K0060     nK006.0\r\n"
              "A0317     nA031.7\r\n"
              "R5117     nR511.7\r\n"
              "end\r\n");
}

}  // namespace
}  // namespace rungpad
