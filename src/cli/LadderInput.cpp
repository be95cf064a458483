#include "LadderInput.h"

#include <iostream>

#include "CliDocument.h"
#include "model/FileIo.h"

namespace rungpad::cli {

bool ReadLadder(const std::string& path, LadProgram& program, LadHeaderTexts& header) {
    CliDocument document;
    if (!document.Open(path)) {
        return false;
    }
    program = document.Doc().Program();
    program.SetMessageBox(nullptr);  // the document's message box goes with it
    header = document.Doc().Header();
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

bool WriteTextOutput(const std::string& path, std::string_view text) {
    return WriteOutput(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace rungpad::cli
