#include "model/NoteCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/NoteFile.h"
#include "model/TextCodec.h"

namespace rungpad {
namespace {

std::string& Slot(AddressNotes& notes, char letter, int byte, int slot) {
    return notes.At(AddressNotes::EntryIndex(letter, byte)).at(static_cast<std::size_t>(slot));
}

// Notes that exercise quoting, GBK and both kinds of slot.
AddressNotes SampleNotes() {
    AddressNotes notes;
    Slot(notes, 'X', 1, 0) = "Inputs";                                    // byte note
    Slot(notes, 'X', 1, 3) = "a, \"b\"";                                  // comma and quotes
    Slot(notes, 'Y', 47, 8) = " padded ";                                 // blanks kept
    Slot(notes, 'R', 511, 8) = TextCodec::Utf8ToGbk("主轴启动");          // GBK bytes
    Slot(notes, 'G', 0, 1) = std::string(NoteFile::kMaxNoteLength, 'g');  // the longest note
    return notes;
}

TEST(NoteCsv, FormatsRowsInEntryOrderInUtf8) {
    AddressNotes notes;
    Slot(notes, 'X', 1, 3) = "a, \"b\"";
    Slot(notes, 'X', 1, 0) = "Inputs";
    Slot(notes, 'R', 511, 8) = TextCodec::Utf8ToGbk("主轴");
    EXPECT_EQ(NoteCsv::Format(notes),
              "address,note\r\nX001,Inputs\r\nX001.2,\"a, \"\"b\"\"\"\r\nR511.7,主轴\r\n");
    EXPECT_EQ(NoteCsv::Format(AddressNotes{}), "address,note\r\n");
}

// Table to notes to note file and back: nothing is lost on the way.
TEST(NoteCsv, RoundTripsThroughTheTableAndTheNoteFile) {
    const AddressNotes notes = SampleNotes();
    AddressNotes fromCsv;
    EXPECT_TRUE(NoteCsv::Parse(NoteCsv::Format(notes), fromCsv).empty());
    EXPECT_EQ(fromCsv, notes);

    AddressNotes fromFile;
    NoteFile::Parse(NoteFile::Format(fromCsv), fromFile);
    EXPECT_EQ(fromFile, notes);
}

TEST(NoteCsv, AcceptsWhatSpreadsheetsWrite) {
    // Byte order mark, no header, LF endings, lower case, blanks around the address, trailing
    // empty fields and empty rows.
    const std::string csv = "\xEF\xBB\xBFx001.2 ,Motor\n\n  Y000.0,Lamp,,\nK006,\n";
    AddressNotes notes;
    Slot(notes, 'K', 6, 0) = "old";
    EXPECT_TRUE(NoteCsv::Parse(csv, notes).empty());
    EXPECT_EQ(Slot(notes, 'X', 1, 3), "Motor");
    EXPECT_EQ(Slot(notes, 'Y', 0, 1), "Lamp");
    EXPECT_EQ(Slot(notes, 'K', 6, 0), "") << "an empty note clears the address";
}

TEST(NoteCsv, AcceptsEveryLineEnding) {
    // CR alone (old Mac spreadsheets), LF and CR LF, mixed; a header on the first line.
    for (const std::string csv : {"address,note\rX001.2,Motor\rY000.0,Lamp\r",
                                  "address,note\nX001.2,Motor\r\nY000.0,Lamp"}) {
        AddressNotes notes;
        EXPECT_TRUE(NoteCsv::Parse(csv, notes).empty());
        EXPECT_EQ(Slot(notes, 'X', 1, 3), "Motor");
        EXPECT_EQ(Slot(notes, 'Y', 0, 1), "Lamp");
    }
}

struct BadCase {
    const char* name;
    std::string csv;
    std::vector<std::string> errors;  // expected texts, each found in its error in order
};

class NoteCsvRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(NoteCsvRefuses, NamesEveryProblemByLineAndKeepsTheNotes) {
    AddressNotes notes = SampleNotes();
    const std::vector<std::string> errors = NoteCsv::Parse(GetParam().csv, notes);
    ASSERT_EQ(errors.size(), GetParam().errors.size()) << (errors.empty() ? "" : errors[0]);
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_NE(errors[i].find(GetParam().errors[i]), std::string::npos) << errors[i];
    }
    EXPECT_EQ(notes, SampleNotes()) << "a refused table changes nothing";
}

const std::string kChinese60 = [] {
    std::string s;
    for (int i = 0; i < 60; ++i) {
        s += "字";  // two GBK bytes each
    }
    return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Cases, NoteCsvRefuses,
    ::testing::Values(
        BadCase{"NoNoteLetter", "D010.0,x\n", {"line 1: \"D010.0\" is not an address"}},
        BadCase{"ByteOutOfRange", "X064.0,x\n", {"\"X064.0\" is not an address"}},
        BadCase{"BitOutOfRange", "X001.8,x\n", {"\"X001.8\" is not an address"}},
        BadCase{"TooFewDigits", "X1.2,x\n", {"\"X1.2\" is not an address"}},
        BadCase{"LongByOneByte",
                "X001.2," + std::string(NoteFile::kMaxNoteLength + 1, 'a') + "\n",
                {"the note of X001.2 is 121 bytes in GBK; a note holds at most 120"}},
        // 61 characters of two bytes: too long in GBK although short in characters.
        BadCase{"LongInGbk", "X001.2," + kChinese60 + "字\n", {"is 122 bytes in GBK"}},
        BadCase{"NotInGbk", "X001.2,\xF0\x9F\x98\x80\n", {"character that GBK cannot represent"}},
        BadCase{"LineBreak", "X001.2,\"a\nb\"\n", {"holds a line break"}},
        BadCase{"Twice",
                "X001.2,a\nX001.2,b\n",
                {"line 2: X001.2 is given a second time (first on line 1)"}},
        BadCase{"ThreeFields", "X001.2,a,b\n", {"more than two fields"}},
        BadCase{"NoComma", "X001.2,a\nX001.3\n", {"line 2: no comma"}},
        BadCase{"TextAfterQuote", "X001.2,\"a\"b\n", {"line 1: text after the closing quote"}},
        BadCase{"Nul", std::string("X001.2,a\0b\n", 11), {"holds a control character (NUL)"}},
        BadCase{"Bell", "X001.2,a\ab\n", {"holds a control character (0x07)"}},
        // Lines counted through CR alone as through LF.
        BadCase{"CrOnlyLines", "address,note\rX001.2,a\rD001,x\r", {"line 3: \"D001\""}},
        BadCase{"OpenQuote", "X001.2,a\nX001.3,\"abc\n", {"line 2: a quoted field is not closed"}},
        // Every problem is named, with lines counted through a quoted line break.
        BadCase{"Several",
                "address,note\r\nX001.0,\"a\r\nb\"\r\nD001,x\r\nX000.0," + kChinese60 + "\r\n",
                {"line 2: the note of X001.0 holds a line break", "line 4: \"D001\""}}),
    [](const auto& instance) { return instance.param.name; });

TEST(NoteFileFormat, WritesTheAddressNoteLayout) {
    AddressNotes notes;
    Slot(notes, 'X', 1, 0) = "Inputs";
    Slot(notes, 'X', 1, 3) = "Motor ready";
    Slot(notes, 'R', 511, 8) = "Alarm";
    EXPECT_EQ(NoteFile::Format(notes), "X0010 Inputs\r\nX0013 Motor ready\r\nR5118 Alarm\r\n");
}

}  // namespace
}  // namespace rungpad
