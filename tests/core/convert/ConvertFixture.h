#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "InstructionList.h"
#include "convert/LadConvert.h"

namespace rungpad::test {

// The two lines every convertible program ends with.
inline const std::vector<std::string> kEndLines = {"- - - - [END1] - - -", "- - - - [END2] - - -"};

// A converter bound to a program built from a grid.
class ConvertFixture : public ::testing::Test {
  protected:
    // Builds the grid (END1 and END2 appended when withEnds) and converts it.
    int ConvertGrid(std::vector<std::string> lines, bool withEnds = true) {
        if (withEnds) {
            lines.insert(lines.end(), kEndLines.begin(), kEndLines.end());
        }
        program = GridBuilder::Build(lines);
        convert.SetProgram(&program);
        convert.ClearErrors();
        return convert.Convert();
    }

    // The compacted instruction list without the END1 and END2 entries that close it.
    std::vector<std::string> BodyTexts() const {
        std::vector<std::string> texts = CompactTexts(convert);
        while (!texts.empty() && texts.back().rfind("END", 0) == 0) {
            texts.pop_back();
        }
        return texts;
    }

    // "code@line" of the last error (1-based line), or "none".
    std::string LastError() const { return LastErrorOf(convert); }

    LadProgram program;
    CLadConvert convert{&program};
};

}  // namespace rungpad::test
