#pragma once

#include <string>

#include "convert/LadConvert.h"
#include "doc/LadProgram.h"

namespace rungpad::cli {

// Reads a ladder file as the editor opens it and converts it with a cleared error list.
// Returns kExitOk when it converted, kExitFailed after printing the report line of the
// conversion error on stderr, kExitBadFile when the file could not be read.
int ReadAndConvert(const std::string& path, LadProgram& program, CLadConvert& convert);

}  // namespace rungpad::cli
