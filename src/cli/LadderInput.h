#pragma once

#include <string>

#include "ConsoleHost.h"
#include "doc/LadFile.h"

namespace rungpad::cli {

// Reads a ladder file as the document's open does (read, then box expansion). On failure prints
// one line on stderr naming the file and the reason, and returns false.
bool ReadLadder(const std::string& path, LadProgram& program, LadHeaderTexts& header,
                ConsoleHost& host);

// Writes bytes through a temporary file; prints one line on stderr and returns false on failure.
bool WriteOutput(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace rungpad::cli
