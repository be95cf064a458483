#pragma once

#include <string>

#include "model/LadFile.h"

namespace rungpad::cli {

// Draws a ladder program as plain text for the dump command: one output line per ladder line,
// each cell ten characters wide followed by its vertical link mark.
class GridText {
  public:
    static std::string Header(const LadProgram& program, const LadHeaderTexts& header);
    static std::string Line(const LadProgram& program, int line);
    static std::string Cell(const LadCell& cell);
};

}  // namespace rungpad::cli
