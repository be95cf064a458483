#pragma once

#include <string>

#include "model/LadFile.h"

namespace rungpad {

// Reads a ladder file as the editor opens it (the document's open procedure, box expansion
// included) for callers that only need its program: comparisons and unattended printing.
class ProgramReader {
  public:
    // False with the reason (the message the open would have shown) when the file cannot be
    // read or is refused.
    static bool Read(const std::string& path, LadProgram& program, LadHeaderTexts& header,
                     std::string& error);
};

}  // namespace rungpad
