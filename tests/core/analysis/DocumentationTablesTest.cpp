#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "analysis/CrossReference.h"
#include "analysis/DocumentationTables.h"
#include "model/AddressNotes.h"

namespace rungpad::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(DocumentationTablesTest, CrossReferenceNotesAndFindings) {
    AddressNotes notes;
    *notes.FindBitNote("R100.1") = "\xc2\xed\xb4\xef";  // "马达" in GBK, shown as UTF-8
    *notes.FindBitNote("X000.0") = "start";
    const CrossReference xref = CrossReference::Build(
        GridBuilder::Build({"X000.0 /R100.1 - - - - - (R100.1)", "R100.1 - - - - - - (Y000.0)"}),
        &notes);
    const std::vector<DocumentTable> tables = DocumentationTables::Build(xref, notes);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].title, "Cross-reference");
    EXPECT_EQ(tables[0].rows,
              (Rows{{"R100.1", "马达", "0001 NC contact, 0001 coil, 0002 NO contact"},
                    {"X000.0", "start", "0001 NO contact"},
                    {"Y000.0", "", "0002 coil"}}));
    EXPECT_EQ(tables[1].title, "Address notes");
    EXPECT_EQ(tables[1].rows, (Rows{{"R100.1", "马达"}, {"X000.0", "start"}}));
    EXPECT_EQ(tables[2].title, "Review findings");
    EXPECT_TRUE(tables[2].rows.empty());
    EXPECT_EQ(tables[2].emptyText, "none");
}

TEST(DocumentationTablesTest, FindingsWithTheirPlaces) {
    const CrossReference xref =
        CrossReference::Build(GridBuilder::Build({"R020.0 - - - - - - (R021.0)"}));
    EXPECT_EQ(DocumentationTables::FindingsTable(xref).rows,
              (Rows{{"R020.0", "read but never written", "1:1"},
                    {"R021.0", "written but never read", "1:8"}}));
}

}  // namespace
}  // namespace rungpad::test
