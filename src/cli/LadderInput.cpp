#include "LadderInput.h"

#include <iostream>

#include "doc/FileIo.h"

namespace rungpad::cli {

bool ReadLadder(const std::string& path, LadProgram& program, LadHeaderTexts& header,
                ConsoleHost& host) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!FileIo::ReadFile(path, bytes, error)) {
        std::cerr << "rungpad-cli: " << error << '\n';
        return false;
    }
    if (!LadFile::LoadLadder(bytes, FileIo::FileName(path), program, header, host, host)) {
        std::cerr << "rungpad-cli: " << path << ": " << host.LastMessage() << '\n';
        return false;
    }
    LadFile::ExpandBoxes(program);
    return true;
}

bool WriteOutput(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string error;
    if (!FileIo::WriteFileAtomically(path, bytes, error)) {
        std::cerr << "rungpad-cli: " << error << '\n';
        return false;
    }
    return true;
}

}  // namespace rungpad::cli
