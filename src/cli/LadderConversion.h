#pragma once

#include <string>

#include "CliDocument.h"

namespace rungpad::cli {

// Opens a ladder file as the editor does and runs the Convert command on it.
// Returns kExitOk when it converted, kExitFailed after printing the report line of the
// conversion error on stderr, kExitBadFile when the file could not be read or was refused.
int ReadAndConvert(const std::string& path, CliDocument& document);

}  // namespace rungpad::cli
