// The review fixture tests/fixtures/xref/review.plf that the rungpad-cli xref cases read: built
// from a grid here. Run with RUNGPAD_UPDATE_FIXTURES=1 to rewrite it after a reviewed change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RecordingHost.h"
#include "analysis/CrossReference.h"
#include "model/FileIo.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

// A program with one finding of each kind, and uses that raise none.
const std::vector<std::string> kReview = {
    "X000.0 /X000.1 - - - - - (R010.0)",            // 1 R010.0 written here and by SET below
    "X000.2 - - [SET:R010.0] - - -",                // 2
    "R010.0 R020.0 - - - - - (Y000.0)",             // 3 R020.0 read, never written
    "X000.3 - - - - - - (K011.0)",                  // 4 K011.0 written, never read
    "X000.4 [TMR:0005] - - - - (Y000.1)",           // 5 timer 5 ...
    ". # #",                                        // 6
    "X000.5 [TMRC:0001:0005] - - - (Y000.2)",       // 7 ... used again
    ". # # #",                                      // 8
    "X000.6 - [ADD:0001:R030:0300:D010] (Y000.3)",  // 9 constant 300 in a 1-byte addition
    "X000.7 - # # # # #",                           // 10
    "- - - - [END1] - - -",                         // 11
    "- - - - [END2] - - -",                         // 12
};

TEST(XrefFixtureTest, ReviewFixtureHoldsItsFindings) {
    const LadProgram program = test::GridBuilder::Build(kReview);
    test::RecordingHost host;
    LadHeaderTexts header;
    header.version.Assign("1.0");
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, program, header, "2026-01-01 00:00", host);

    const std::string path = std::string(RUNGPAD_FIXTURES) + "/xref/review.plf";
    std::string error;
    if (std::getenv("RUNGPAD_UPDATE_FIXTURES") != nullptr) {
        ASSERT_TRUE(FileIo::WriteFileAtomically(path, bytes, error)) << error;
    }
    std::vector<std::uint8_t> stored;
    ASSERT_TRUE(FileIo::ReadFile(path, stored, error)) << error;
    EXPECT_EQ(stored, bytes);

    std::vector<std::string> findings;
    const CrossReference xref = CrossReference::Build(program);
    for (const ReviewFinding& finding : xref.Findings()) {
        findings.push_back(finding.Format());
    }
    EXPECT_EQ(findings, (std::vector<std::string>{
                            "R010.0  written in more than one place  at 1:8 2:5",
                            "R020.0  read but never written  at 3:2",
                            "K011.0  written but never read  at 4:8",
                            "timer 5  used more than once  at 5:3 7:4",
                            "constant 300  does not fit a 1-byte operand  at 9:6",
                        }));
}

}  // namespace
}  // namespace rungpad
