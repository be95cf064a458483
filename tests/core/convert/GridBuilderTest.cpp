#include "GridBuilder.h"

#include <gtest/gtest.h>

namespace rungpad {
namespace {

using test::GridBuilder;

TEST(GridBuilderTest, BuildsCellsBoxesAndTables) {
    const LadProgram p = GridBuilder::Build({
        "X000.0| /X001.2 - [TMR:0005] . -| (/Y000.1)",
        ". . . # #|",
        "[COD:1:3:R100:R102] - - ()",
        "# # # # #",
        "CODT 00001 _ 00003",
        "{0x4010:00011} .|",
    });
    EXPECT_EQ(p.Cell(0, 0).code, Element::kNoContact);
    EXPECT_TRUE(p.Cell(0, 0).HasLink());
    EXPECT_EQ(p.Cell(0, 0).number, 0);
    EXPECT_EQ(p.Cell(1, 0).code, Element::kNcContact);
    EXPECT_EQ(p.Cell(1, 0).Text(), "X001.2");
    EXPECT_EQ(p.Cell(1, 0).number, 1);
    EXPECT_EQ(p.Cell(3, 0).code, 0x1900);
    EXPECT_EQ(p.Cell(3, 0).Text(), "TMR");
    EXPECT_EQ(p.Cell(4, 0).code, 0x1901);
    EXPECT_EQ(p.Cell(4, 0).number, 5);
    EXPECT_TRUE(p.Cell(6, 0).HasLink());
    EXPECT_EQ(p.Cell(7, 0).code, Element::kNegCoil);
    EXPECT_EQ(p.Cell(3, 1).code, 0x1910);  // lower box line filled from the header
    EXPECT_EQ(p.Cell(4, 1).code, 0x1911);
    EXPECT_TRUE(p.Cell(4, 1).HasLink());
    EXPECT_EQ(p.Cell(4, 3).code, 0x2614);
    EXPECT_EQ(p.Cell(7, 2).code, Element::kCoil);
    EXPECT_TRUE(p.Cell(7, 2).text.Empty());
    EXPECT_EQ(p.Cell(0, 4).code, 0x4000);
    EXPECT_EQ(p.Cell(7, 4).code, 0x4007);
    EXPECT_EQ(p.Cell(1, 4).Text(), "");
    EXPECT_EQ(p.Cell(2, 4).Text(), "00003");
    EXPECT_EQ(p.Cell(5, 4).codtCount, 1);
    EXPECT_EQ(p.Cell(0, 5).code, 0x4010);  // raw cells stay as written
    EXPECT_EQ(p.Cell(0, 5).codtCount, 0);
    EXPECT_TRUE(p.Cell(1, 5).HasLink());
}

TEST(GridBuilderTest, RefusesMalformedGrids) {
    const std::vector<std::vector<std::string>> bad = {
        {"X000.0 - - - - - - (Y000.0) -"},  // nine cells
        {"- - - - - - - [TMR:0001]"},       // box past the line
        {"[FOO:1]"},                        // unknown box
        {"[TMR:1:2]"},                      // too many parameters
        {"+"},                              // unknown token
    };
    for (const auto& grid : bad) {
        EXPECT_THROW(GridBuilder::Build(grid), std::invalid_argument) << grid[0];
    }
}

TEST(GridBuilderTest, RenderGivesTheGridBack) {
    const std::vector<std::string> grid = {
        "X000.0| /X001.2 - [TMR:0005] . -| (/Y000.1)",
        ". . . # #|",
        "",
        "[COD:1:3:R100:R102] - - ()",
        "# # # # #",
        "CODT 00001 _ 00003",
        "{0x4010:00011} .|",
        "- - - - [END1] - - -",
    };
    EXPECT_EQ(GridBuilder::Render(GridBuilder::Build(grid)), grid);
}

}  // namespace
}  // namespace rungpad
