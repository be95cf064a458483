#include "LadderInput.h"

#include <iostream>

#include "CliDocument.h"
#include "CliDocumentHost.h"
#include "model/FileIo.h"
#include "model/Messages.h"

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

bool OutputsAccepted(const OutputGuard& guard) {
    const std::string refusal = guard.Refusal();
    if (refusal.empty()) {
        return true;
    }
    // Refused only for a read-only output when --force would let it through; told by the
    // outcome rather than by the refusal's wording, which follows the language.
    OutputGuard forced = guard;
    forced.AllowReadOnly(true);
    std::cerr << "rungpad-cli: " << refusal;
    if (forced.Refusal().empty()) {
        std::cerr << Messages::Text(" (--force replaces it)");
    }
    std::cerr << '\n';
    return false;
}

std::string DefaultNoteFile() {
    const std::string directory = CliDocumentHost().ProgramDirectory();
    return directory.empty() ? std::string{} : directory + "/" + CRungpadDoc::kNoteFileName;
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
