#pragma once

#include <string>
#include <string_view>

#include "model/LadFile.h"

namespace rungpad::cli {

// Draws a ladder program as plain text for the dump command: one output line per ladder line,
// each cell ten characters wide followed by its vertical link mark.
class GridText {
  public:
    static std::string Header(const LadProgram& program, const LadHeaderTexts& header);
    // One header line: the field name, its colon and the value in the value column.
    static std::string HeaderField(std::string_view name, std::string_view value);
    static std::string Line(const LadProgram& program, int line);
    static std::string Cell(const LadCell& cell);
};

}  // namespace rungpad::cli
