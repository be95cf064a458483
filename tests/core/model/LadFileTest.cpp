#include "model/LadFile.h"

#include <gtest/gtest.h>

#include "RecordingHost.h"

namespace rungpad {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::string_view kDate = "2026-12-10 04:50";

void Set(LadProgram& p, int column, int line, std::uint16_t code, std::string_view text = "",
         int number = -1, int link = 0) {
    LadCell& cell = p.Cell(column, line);
    cell.code = code;
    cell.SetText(text);
    cell.number = static_cast<std::int16_t>(number);
    cell.vlink = link;
}

LadProgram Lines(int n) {
    LadProgram p;
    p.InsertLines(0, n);
    return p;
}

Bytes Save(const LadProgram& p, LadHeaderTexts header = {}) {
    Bytes out;
    NullMessageChannel quiet;
    LadFile::SaveLadder(out, p, header, kDate, quiet);
    return out;
}

struct Loaded {
    bool ok;
    LadProgram program;
    LadHeaderTexts header;
    test::RecordingHost host;
};

std::unique_ptr<Loaded> Load(const Bytes& bytes, std::string_view name = "a.plf") {
    auto l = std::make_unique<Loaded>();
    l->ok = LadFile::LoadLadder(bytes, name, l->program, l->header, l->host, l->host);
    return l;
}

std::uint16_t U16At(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

// Offset of cell (column, line) in a file without CON layout.
std::size_t CellAt(int column, int line) {
    return 108 + 124 * line + 13 * column;
}

TEST(LadFileTest, OneEmptyLineIs232Bytes) {
    const Bytes b = Save(Lines(1));
    ASSERT_EQ(b.size(), 232u);
    EXPECT_EQ(U16At(b, 0), 0u);  // line count minus 1
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(U16At(b, CellAt(c, 0)), 0u);      // element code
        EXPECT_EQ(U16At(b, CellAt(c, 0) + 2), 0u);  // link
        EXPECT_EQ(U16At(b, CellAt(c, 0) + 4), 0u);  // number word of an empty cell: the link word
    }
    Bytes expectedDate(kDate.begin(), kDate.end());
    expectedDate.resize(25, 0);
    EXPECT_EQ(Bytes(b.begin() + 83, b.begin() + 108), expectedDate);
    EXPECT_TRUE(std::all_of(b.begin() + 212, b.end(), [](auto x) { return x == 0; }));
}

TEST(LadFileTest, NumberWordTable) {
    struct Case {
        std::uint16_t code;
        const char* text;
        int number;
        int link;
        std::uint16_t word;
    };
    const Case cases[] = {
        {0x0300, "X001.2", 1, 0, 1},  // address with its own number
        {0x0300, "X001.2", 5, 0, 1},  // stale number: the text decides
        {0x0000, "", -1, 1, 1},       // empty cell with a link: the link word again
        {0x0000, "", -1, 0, 0},       // empty cell
        {0x1900, "TMR", -1, 0, 0},    // function name cell
        {0x1901, "0012", 12, 0, 12},  // constant equal to its number
        {0x2003, "DC010", -1, 1, 1},  // a DC address is not a bit-address letter
        {0x0400, "R511.7", 511, 0, 511},
    };
    for (const Case& c : cases) {
        LadProgram p = Lines(1);
        Set(p, 2, 0, c.code, c.text, c.number, c.link);
        const Bytes b = Save(p);
        EXPECT_EQ(U16At(b, CellAt(2, 0) + 4), c.word) << c.text;
    }
}

// The number word of a number parameter never entered is the link word; read back, such a
// parameter has no number, as before saving, and the bytes written again are the same. Other cells
// read the word as it is; the value of a format such as 1001 is read from its text (CellValue), not
// from this word.
TEST(LadFileTest, NumberParameterWithoutTextReadsWithoutNumber) {
    struct Case {
        std::uint16_t code;
        const char* text;
        int number;
        int link;
        std::uint16_t word;  // written
        int read;            // the number field after reading
    };
    const Case cases[] = {
        {0x1901, "", -1, 1, 1, -1},       // TMR 1 never entered, with a link
        {0x1001, "", -1, 0, 0, -1},       // CTR 1 never entered
        {0x1001, "", 0, 1, 0, 0},         // no text, a number other than the link word: kept
        {0x1001, "0012", 12, 1, 12, 12},  // CTR 1 holding 12
        {0x2001, "1001", 1001, 0, 0, 0},  // ADD's format: the word as it is
        {0x2003, "", -1, 1, 1, 1},        // ADD 3 never entered: not a number parameter
    };
    for (const Case& c : cases) {
        LadProgram p = Lines(1);
        Set(p, 2, 0, c.code, c.text, c.number, c.link);
        const Bytes b = Save(p);
        EXPECT_EQ(U16At(b, CellAt(2, 0) + 4), c.word) << c.code;
        auto loaded = Load(b);
        ASSERT_TRUE(loaded->ok);
        EXPECT_EQ(loaded->program.Cell(2, 0).number, c.read) << c.code;
        EXPECT_EQ(Save(loaded->program), b) << c.code;
    }
}

TEST(LadFileTest, RoundTripIsByteExact) {
    LadProgram p = Lines(3);
    p.end1Line = 3;
    p.stepCountWord = 41;
    p.end1Step = 39;
    Set(p, 0, 0, 0x0300, "X000.0", 0, 1);
    Set(p, 1, 0, 0x0200, "R100.7", 100);
    Set(p, 7, 0, 0x0400, "Y047.7", 47);
    Set(p, 0, 1, 0x0000, "", -1, 1);  // a lone link survives
    Set(p, 5, 2, 0x7100, "END1");
    p.Note(0).Assign("\xC6\xF4\xB6\xAF");  // GBK bytes stay as they are
    LadHeaderTexts header;
    header.version.Assign("V1.02");
    header.machine.Assign(std::string(40, 'M'));  // fills its field, no terminator
    header.modifier.Assign("\xD5\xC5\xC8\xFD");
    const Bytes first = Save(p, header);
    auto loaded = Load(first);
    ASSERT_TRUE(loaded->ok);
    EXPECT_EQ(loaded->header.machine.View(), std::string(40, 'M'));
    EXPECT_EQ(loaded->program.Cell(0, 1).vlink, 1);
    EXPECT_EQ(loaded->program.Note(0).View(), "\xC6\xF4\xB6\xAF");
    EXPECT_EQ(Save(loaded->program, loaded->header), first);
    EXPECT_EQ(loaded->host.Lines(), std::vector<std::string>{"正在载入文件......"});
}

TEST(LadFileTest, SevenByteTextWithoutNulIsHeldSafely) {
    Bytes b = Save(Lines(1));
    std::fill_n(b.begin() + CellAt(0, 0) + 6, 7, 'A');
    auto loaded = Load(b);
    ASSERT_TRUE(loaded->ok);
    EXPECT_EQ(loaded->program.Cell(0, 0).Text(), "AAAAAAA");
    EXPECT_EQ(Save(loaded->program), b);
}

TEST(LadFileTest, DamagedFilesAreRefusedWhole) {
    const Bytes good = Save(Lines(3));
    struct Case {
        const char* what;
        Bytes bytes;
        const char* reason;  // the line after the specified messages
    };
    Bytes tooMany = good;
    tooMany[0] = 0x40;  // 0x0640: 1601 lines
    tooMany[1] = 0x06;
    Bytes negative = good;
    negative[1] = 0x80;
    const Case cases[] = {
        {"count 1601", tooMany, "the header's line count 1601 is above the 1600 lines"},
        {"negative count", negative, "the header's line count 32771 is above the 1600 lines"},
        {"empty file", {}, "the file holds 0 bytes, less than the 108-byte header"},
        {"header cut short", Bytes(good.begin(), good.begin() + 107), "the file holds 107 bytes"},
        {"last line cut short", Bytes(good.begin(), good.end() - 1),
         "the file holds 479 bytes; its line count of 3 needs 480"},
        {"header only for 3 lines", Bytes(good.begin(), good.begin() + 108),
         "the file holds 108 bytes; its line count of 3 needs 480"},
    };
    for (const Case& c : cases) {
        Loaded l;
        l.program = Lines(5);  // whatever was there before goes
        l.ok = LadFile::LoadLadder(c.bytes, "a.plf", l.program, l.header, l.host, l.host);
        EXPECT_FALSE(l.ok) << c.what;
        EXPECT_EQ(l.program.LineCount(), 0) << c.what;
        EXPECT_EQ(l.host.Boxes(), std::vector<std::string>{"无法打开梯形图文件!"}) << c.what;
        const std::vector<std::string> lines = l.host.Lines();
        ASSERT_GE(lines.size(), 2u) << c.what;
        EXPECT_EQ(lines[lines.size() - 2], "格式错误!\r\n无法打开梯形图文件!") << c.what;
        EXPECT_TRUE(lines.back().starts_with(c.reason)) << c.what << ": " << lines.back();
        EXPECT_EQ(LadFile::RefusalReason(c.bytes, "a.plf"), lines.back()) << c.what;
        EXPECT_TRUE(l.program.InsertLines(0, 1)) << c.what;  // still usable
    }
}

TEST(LadFileTest, LineCountLimits) {
    Bytes none = Save(Lines(1));
    none.resize(108);
    none[0] = none[1] = 0xFF;
    auto empty = Load(none);
    EXPECT_TRUE(empty->ok);
    EXPECT_EQ(empty->program.LineCount(), 0);

    LadProgram full;
    for (int i = 0; i < 1600; ++i) {
        full.AppendLine(LadLine{}, NoteText{});
    }
    auto loaded = Load(Save(full));
    ASSERT_TRUE(loaded->ok);
    EXPECT_EQ(loaded->program.LineCount(), 1600);
    EXPECT_FALSE(loaded->program.InsertLines(0, 1));
}

TEST(LadFileTest, ConLayoutSkipsTwoCellsBeforeColumn7AndHasNoNotes) {
    Bytes b(108, 0);
    b[0] = 1;  // two lines
    for (int line = 0; line < 2; ++line) {
        Bytes record(130, 0);
        record[0] = 0x00, record[1] = 0x03;      // column 0: contact
        record[91] = 0x00, record[92] = 0x04;    // skipped cell
        record[117] = 0x00, record[118] = 0x04;  // column 7: coil
        record[117 + 6] = 'Y';
        b.insert(b.end(), record.begin(), record.end());
    }
    auto loaded = Load(b, "LADDER.con");
    ASSERT_TRUE(loaded->ok);
    ASSERT_EQ(loaded->program.LineCount(), 2);
    EXPECT_EQ(loaded->program.Cell(0, 1).code, 0x0300);
    EXPECT_EQ(loaded->program.Cell(6, 1).code, 0x0000);
    EXPECT_EQ(loaded->program.Cell(7, 1).code, 0x0400);
    EXPECT_EQ(loaded->program.Cell(7, 1).Text(), "Y");
    EXPECT_TRUE(loaded->program.Note(1).Empty());
    b.resize(108 + 2 * 124 + 11);
    EXPECT_FALSE(Load(b, "LADDER.CON")->ok);  // too short for two CON lines
}

TEST(LadFileTest, TrailerWritesEveryNoteSlotAndIsIgnoredOnRead) {
    LadProgram p = Lines(2);
    p.Note(1).Assign("ab");
    p.Note(1599).Assign(std::string(20, 'z'));  // past the line count, still written
    Bytes b = Save(p);
    const std::size_t end = b.size();
    test::RecordingHost host;
    LadFile::WriteNoteTrailer(b, p, host);
    const Bytes expected = {0xEA, 0x14, 1,    0,    0,    0, 2, 0,  'a',
                            'b',  0xEA, 0x14, 0x3F, 0x06, 0, 0, 20, 0};
    ASSERT_EQ(b.size(), end + 10 + 8 + 20);
    EXPECT_EQ(Bytes(b.begin() + end, b.begin() + end + 18), expected);
    EXPECT_EQ(host.Lines(), (std::vector<std::string>{"正在保存注释......", "保存注释完成"}));
    auto loaded = Load(b);
    ASSERT_TRUE(loaded->ok);
    EXPECT_EQ(loaded->program.LineCount(), 2);
}

TEST(LadFileTest, CodtRunsGetTheirLineCountsAlsoAtTheEnd) {
    LadProgram p = Lines(6);
    for (int line : {1, 2, 4, 5}) {
        Set(p, 0, line, 0x4000);
    }
    auto loaded = Load(Save(p));
    ASSERT_TRUE(loaded->ok);
    const int expected[] = {0, 2, 2, 0, 2, 2};
    for (int line = 0; line < 6; ++line) {
        EXPECT_EQ(loaded->program.Cell(0, line).codtCount, expected[line]) << line;
        EXPECT_EQ(loaded->program.Cell(7, line).codtCount, expected[line]) << line;
    }
}

TEST(LadFileTest, ExpandBoxesGivesOldOneLineBoxesTheirSecondLine) {
    LadProgram p = Lines(8);
    Set(p, 5, 5, 0x1900, "TMR");
    Set(p, 6, 5, 0x1901, "0003", 3);
    Set(p, 0, 6, 0x0300, "X000.1", 0);  // the line that moves down
    LadFile::ExpandBoxes(p);
    ASSERT_EQ(p.LineCount(), 9);
    EXPECT_EQ(p.Cell(5, 6).code, 0x1910);
    EXPECT_EQ(p.Cell(6, 6).code, 0x1911);
    EXPECT_EQ(p.Cell(6, 6).number, -1);
    EXPECT_EQ(p.Cell(0, 6).code, 0);
    EXPECT_EQ(p.Cell(0, 7).Text(), "X000.1");
    EXPECT_EQ(p.Cell(6, 5).Text(), "0003");
}

TEST(LadFileTest, ExpandBoxesLeavesCurrentBoxesAndClearsSecondLineTexts) {
    LadProgram p = Lines(3);
    Set(p, 3, 0, 0x1200, "COMP");
    Set(p, 3, 1, 0x1210, "junk");
    Set(p, 4, 1, 0x1211, "junk");
    Set(p, 6, 1, 0x1213, "junk");
    Set(p, 1, 2, 0x1910, "orphan");  // a second line without its first: passed over
    LadProgram expected = p;
    for (int c : {3, 4, 6}) {
        expected.Cell(c, 1).text.Clear();
    }
    LadFile::ExpandBoxes(p);
    EXPECT_EQ(p, expected);
}

TEST(LadFileTest, ExpandBoxesInAFullProgramOverwritesNothing) {
    LadProgram p = Lines(1599);
    Set(p, 0, 0, 0x1900, "TMR");
    Set(p, 0, 1, 0x0300, "X000.0", 0);
    LadProgram expected = p;
    LadFile::ExpandBoxes(p);
    EXPECT_EQ(p, expected);
}

TEST(LadFileTest, OldLayoutCopyDropsSecondLinesAndRefusesNewInstructions) {
    LadProgram p = Lines(6);
    Set(p, 4, 3, 0x1200, "COMP");
    Set(p, 4, 4, 0x1210);
    Set(p, 0, 5, 0x0300, "X000.5", 0);
    p.Note(5).Assign("five");
    p.end1Line = 9;
    LadProgram copy;
    test::RecordingHost host;
    ASSERT_TRUE(LadFile::MakeOldLayoutCopy(p, copy, host, host));
    ASSERT_EQ(copy.LineCount(), 5);
    EXPECT_EQ(copy.Cell(0, 4).Text(), "X000.5");
    EXPECT_EQ(copy.Note(4).View(), "five");
    EXPECT_EQ(copy.end1Line, 9);
    EXPECT_TRUE(host.events.empty());

    Set(p, 0, 1, 0x4300, "CALLU");
    EXPECT_FALSE(LadFile::MakeOldLayoutCopy(p, copy, host, host));
    EXPECT_EQ(host.Boxes(), std::vector<std::string>{"存在不支持的功能指令!"});
    EXPECT_EQ(host.Lines(), std::vector<std::string>{"无法输出梯形图文件!"});
}

TEST(LadFileTest, NameRules) {
    EXPECT_TRUE(LadFile::IsConName("LADDER.CON"));
    EXPECT_TRUE(LadFile::IsConName("xcon"));
    EXPECT_FALSE(LadFile::IsConName("ladder.plf"));
    EXPECT_FALSE(LadFile::IsConName("ON"));
    EXPECT_TRUE(LadFile::IsGrpName("/tmp/out.Grp"));
    EXPECT_FALSE(LadFile::IsGrpName("/tmp/grp/out.plf"));
}

}  // namespace
}  // namespace rungpad
