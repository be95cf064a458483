#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/LadFile.h"
#include "model/OutputGuard.h"

namespace rungpad::cli {

// Reads a ladder file as the document's open does and copies out its program and header. On
// failure prints one line on stderr naming the file and the reason, and returns false.
bool ReadLadder(const std::string& path, LadProgram& program, LadHeaderTexts& header);

// Before a command writes anything: false, with the reason on stderr, when the guard refuses
// one of its outputs.
bool OutputsAccepted(const OutputGuard& guard);
// The address note file that opening a ladder file reads beside rungpad-cli (an input too).
std::string DefaultNoteFile();

// Writes bytes through a temporary file; prints one line on stderr and returns false on failure.
bool WriteOutput(const std::string& path, std::span<const std::uint8_t> bytes);
// The same for a text, written as its bytes.
bool WriteTextOutput(const std::string& path, std::string_view text);

}  // namespace rungpad::cli
