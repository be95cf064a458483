#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "analysis/CoilReferences.h"
#include "model/LadProgram.h"

namespace rungpad::test {
namespace {

// "3:8 R100.1 = 1 /4", 1-based line:column of the write.
std::vector<std::string> ReferencesOf(const CoilReferences& references) {
    std::vector<std::string> lines;
    for (const CoilReference& coil : references.All()) {
        lines.push_back(std::to_string(coil.line + 1) + ':' + std::to_string(coil.column + 1) +
                        ' ' + coil.address + " = " + coil.Text());
    }
    return lines;
}

struct CoilCase {
    const char* name;
    std::vector<std::string> grid;
    std::vector<std::string> references;
};

// clang-format off
const CoilCase kCases[] = {
    // Normally open and closed contacts, the coil's own line included (a self-holding contact);
    // a coil nobody reads has no references; inputs are never written, so they get none.
    {"open_and_closed",
     {"X000.0 R100.1| - - - - - (R100.1)",
      "X000.1 /R100.1 - - - - - (Y000.0)",
      "R100.1 - - - - - - (R100.2)"},
     {"1:8 R100.1 = 1 /2 3",
      "2:8 Y000.0 = ",
      "3:8 R100.2 = "}},
    // Two coils of one address both show every reader; one line reading it open and closed
    // shows both marks, two open contacts on one line show the line once.
    {"several_coils_one_address",
     {"X000.0 - - - - - - (R010.0)",
      "X000.1 - - - - - - (/R010.0)",
      "R010.0 R010.0 /R010.0 - - - - (Y000.1)"},
     {"1:8 R010.0 = 3 /3",
      "2:8 R010.0 = 3 /3",
      "3:8 Y000.1 = "}},
    // SET and RST boxes write their address; the latch is read further down.
    {"set_and_reset",
     {"X000.0 [SET:R020.3] - - - - -",
      "X000.1 [RST:R020.3] - - - - -",
      "/R020.3 - - - - - - (Y000.2)",
      "R020.3 - - - - - - (Y000.3)"},
     {"1:3 R020.3 = /3 4",
      "2:3 R020.3 = /3 4",
      "3:8 Y000.2 = ",
      "4:8 Y000.3 = "}},
    // A function output of a byte operand is read by contacts of every bit of the bytes it
    // spans (MOVW: two bytes), not by the byte after them.
    {"function_output_bytes",
     {"X000.0 [MOVW:R040:R030] - - - (Y000.0)",
      ". # # #",
      "R030.0 R031.7 /R032.0 - - - - (Y000.1)",
      "/R031.2 - - - - - - (Y000.2)"},
     {"1:4 R030 = 3 /4",
      "1:8 Y000.0 = ",
      "3:8 Y000.1 = ",
      "4:8 Y000.2 = "}},
    // No writes at all: nothing to show.
    {"contacts_only",
     {"X000.0 R100.0 - - - - - -"},
     {}},
};
// clang-format on

TEST(CoilReferencesTest, ContactsOfEachWrite) {
    for (const CoilCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReferencesOf(CoilReferences::Build(GridBuilder::Build(c.grid))), c.references);
    }
}

TEST(CoilReferencesTest, WritesOfOneLineAndJumpPlaces) {
    const CoilReferences references = CoilReferences::Build(GridBuilder::Build(
        {"X000.0 [MOVB:R050:R060] - - - (R061.0)", ". # # #", "X000.1 /R061.0 R060.4"}));
    ASSERT_EQ(references.OfLine(0).size(), 2u);
    EXPECT_EQ(references.OfLine(0)[0].address, "R060");
    EXPECT_EQ(references.OfLine(0)[1].address, "R061.0");
    EXPECT_TRUE(references.OfLine(1).empty());
    EXPECT_TRUE(references.OfLine(99).empty());
    // Each reference keeps the contact's cell, where a click on it goes.
    const std::vector<ContactReference> want{{2, 1, true}};
    EXPECT_EQ(references.OfLine(0)[1].contacts, want);
}

}  // namespace
}  // namespace rungpad::test
