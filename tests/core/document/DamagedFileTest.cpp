// Files a save must not silently shrink: a damaged line count that hides lines, a read-only file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "DocumentFixture.h"
#include "document/RungpadDoc.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

using test::DocumentFixture;
using test::TempDir;

constexpr const char* kExample = RUNGPAD_SOURCE_DIR "/examples/demo.plf";

std::string Example() {
    return TempDir::Read(kExample);
}

// The example (14 lines and a note trailer) with its count field set to count - 1.
std::string WithCount(std::string bytes, int count) {
    bytes[0] = static_cast<char>((count - 1) & 0xFF);
    bytes[1] = static_cast<char>(((count - 1) >> 8) & 0xFF);
    return bytes;
}

struct ExcessCase {
    const char* name;
    std::string bytes;
    const char* fileName;
    int lines;
    std::size_t bytesLeft;
};

class LadFileExcess : public ::testing::TestWithParam<ExcessCase> {};

TEST_P(LadFileExcess, CountsWhatTheLineCountHides) {
    const ExcessCase& c = GetParam();
    const std::vector<std::uint8_t> bytes(c.bytes.begin(), c.bytes.end());
    const LadExcess excess = LadFile::Excess(bytes, c.fileName);
    EXPECT_EQ(excess.lines, c.lines);
    EXPECT_EQ(excess.bytes, c.bytesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LadFileExcess,
    ::testing::Values(
        // A whole file: its lines, then a note trailer.
        ExcessCase{"WholeWithTrailer", Example(), "demo.plf", 0, 0},
        ExcessCase{"WholeWithoutTrailer", Example().substr(0, 108 + 124 * 14), "demo.plf", 0, 0},
        // Count field cleared (two zero bytes): one line read, 13 lines and the trailer hidden.
        ExcessCase{"CountCleared", WithCount(Example(), 1), "demo.plf", 13, 0},
        ExcessCase{"CountOneShort", WithCount(Example(), 13), "demo.plf", 1, 0},
        ExcessCase{"TrailerCutShort", Example().substr(0, 1920), "demo.plf", 0, 76},
        ExcessCase{"LinesWithoutTrailer", WithCount(Example(), 10).substr(0, 108 + 124 * 14),
                   "demo.plf", 4, 0},
        ExcessCase{"EmptyProgramOfACountFFFF", WithCount(Example(), 0), "demo.plf", 14, 0},
        // CON files carry no trailer: every byte after the lines is unread.
        ExcessCase{"ConBytesLeft", Example() + "12345", "LADDER.CON", 0, 5}),
    [](const ::testing::TestParamInfo<ExcessCase>& param) {
        return std::string(param.param.name);
    });

class DamagedFileTest : public DocumentFixture {};

TEST_F(DamagedFileTest, HiddenLinesAreWarnedAndSaveAsksBeforeDroppingThem) {
    const std::string damaged = WithCount(Example(), 1);
    const std::string path = dir.Write("demo.plf", damaged);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.Program().LineCount(), 1);  // the specified load, unchanged
    const std::string& warning = doc.UnreadWarning();
    EXPECT_NE(warning.find("13 more lines"), std::string::npos) << warning;
    EXPECT_NE(warning.find("line count of 1"), std::string::npos) << warning;
    EXPECT_EQ(rec.Boxes(), std::vector<std::string>{warning});
    const std::vector<std::string> lines = rec.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), warning), lines.end());

    // "No": the file keeps every byte.
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.DoFileSave());
    ASSERT_EQ(host.riskyQuestions.size(), 1u);
    EXPECT_NE(host.riskyQuestions[0].find(warning), std::string::npos);
    EXPECT_EQ(TempDir::Read(path), damaged);

    // "Yes": written, and the file is whole from then on.
    host.overwriteRisky = true;
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_TRUE(doc.UnreadWarning().empty());
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(host.riskyQuestions.size(), 2u);
}

TEST_F(DamagedFileTest, AWholeFileOpensWithoutWarningOrQuestion) {
    const std::string path = dir.Write("demo.plf", Example());
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.UnreadWarning().empty());
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_TRUE(host.riskyQuestions.empty());
}

TEST_F(DamagedFileTest, SaveAsksBeforeWritingOverAReadOnlyFile) {
    const std::string path = dir.Write("demo.plf", Example());
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(doc.DoFileSave());
    ASSERT_EQ(host.riskyQuestions.size(), 1u);
    EXPECT_NE(host.riskyQuestions[0].find("is read-only"), std::string::npos);
    EXPECT_EQ(TempDir::Read(path), Example());

    host.overwriteRisky = true;
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_NE(TempDir::Read(path), Example());  // a new save date at least
}

}  // namespace
}  // namespace rungpad
