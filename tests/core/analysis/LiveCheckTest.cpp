#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RecordingHost.h"
#include "ScriptedDocumentHost.h"
#include "analysis/LiveCheck.h"
#include "document/RungpadDoc.h"
#include "model/LadFile.h"

namespace rungpad::test {
namespace {

struct LiveCase {
    const char* name;
    std::vector<std::string> grid;
    bool converts;
    int line;
    std::string message;
};

TEST(LiveCheckTest, ReportsTheFirstErrorWithItsLine) {
    const std::vector<LiveCase> cases = {
        {"converts",
         {"X000.0 - - - - - - (Y000.0)", "- - - - [END1] - - -", "- - - - [END2] - - -"},
         true,
         -1,
         ""},
        // A horizontal line that does not reach the coil.
        {"broken network",
         {"X000.0 - - - - - - (Y000.0)", "X000.1 - . - - - - (Y000.1)", "- - - - [END1] - - -",
          "- - - - [END2] - - -"},
         false,
         1,
         "梯图第0002行  错误代号 1009 网络水平线未连上"},
        // No END2: the pre-check's error on the last line.
        {"no end", {"X000.0 - - - - - - (Y000.0)", "- - - - [END1] - - -"}, false, 1, ""},
    };
    CLiveCheck check;
    for (const LiveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CLiveCheck::Result& result = check.Check(GridBuilder::Build(c.grid));
        EXPECT_EQ(result.converts, c.converts);
        EXPECT_EQ(result.line, c.line);
        if (!c.message.empty()) {
            EXPECT_EQ(result.message, c.message);
        }
        EXPECT_EQ(result.converts, result.message.empty());
    }
}

// The check converts a copy: the document's bytes, its converter's claims, texts and errors and
// its converted flag are what they were, also for a program whose conversion writes header words
// and box numbers (END1 line, step count, an LBL header given its label's number).
TEST(LiveCheckTest, LeavesTheDocumentExactlyAsItWas) {
    RecordingHost host;
    ScriptedDocumentHost docHost;
    CRungpadDoc doc(host, host, docHost);
    doc.Program() = GridBuilder::Build({"X000.0 [TMR:0003] - - - - (Y000.0)", ". # #",
                                        "- - - - [LBL:0007] - -", "- - - - [END1] - - -",
                                        "X000.1 - - - - - - (Y000.1)", "- - - - [END2] - - -"});
    doc.Converter().ClearErrors();
    doc.Converter().PreCheck();
    doc.Program().Cell(4, 2).number = -1;  // a conversion writes the label's number here
    doc.Converter().AddError(ConvertError::kEntry, 1011, 0);
    const auto bytes = [&] {
        std::vector<std::uint8_t> file;
        LadHeaderTexts header;
        NullMessageChannel quiet;
        LadFile::SaveLadder(file, doc.Program(), header, "2026-01-01 00:00", quiet);
        return file;
    };
    const std::vector<std::uint8_t> before = bytes();
    const LadProgram program = doc.Program();
    CLiveCheck check;
    ASSERT_TRUE(check.Check(doc.Program()).converts) << check.Last().message;
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(doc.Program() == program);
    EXPECT_FALSE(doc.IsConverted());
    EXPECT_EQ(doc.Converter().ErrorCount(), 1);
    EXPECT_EQ(doc.Converter().TextCount(), 0);
    EXPECT_TRUE(doc.Converter().IsNumberInUse(0x1901, 3));
    EXPECT_TRUE(host.Lines().empty());
}

}  // namespace
}  // namespace rungpad::test
