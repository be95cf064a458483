#include "CliDocument.h"

#include <iostream>

#include "model/Messages.h"

namespace rungpad::cli {

bool CliDocument::Open(const std::string& path) {
    if (!m_doc.OnOpenDocument(path)) {
        // The specified line, then the reading failure, which names the file itself.
        std::cerr << "rungpad-cli: " << path << ": " << Messages::Text(LadFile::kCannotOpenText)
                  << '\n'
                  << "rungpad-cli: " << m_console.LastMessage() << '\n';
        return false;
    }
    if (m_doc.IsRefusedFile()) {
        PrintFailure(path);
        // Then why, on a line of its own.
        std::cerr << "rungpad-cli: " << m_doc.LastReadError() << '\n';
        return false;
    }
    if (!m_doc.UnreadWarning().empty()) {
        std::cerr << "rungpad-cli: " << m_doc.UnreadWarning() << '\n';
    }
    return true;
}

bool CliDocument::Convert() {
    if (!m_doc.ConvertProgram()) {
        std::cerr << m_doc.Converter().ShownLastError() << '\n';
        return false;
    }
    return true;
}

bool CliDocument::WriteWith(Command command, const std::string& path) {
    m_host.AnswerSave(path);
    if (!(m_doc.*command)()) {
        PrintFailure(path);
        return false;
    }
    return true;
}

bool CliDocument::ImportNotes(const std::string& path) {
    m_host.AnswerOpen(path);
    if (!m_doc.OnImportNote()) {
        // The document's message, then the system's reason on a line of its own.
        std::cerr << "rungpad-cli: " << path << ": " << m_console.LastMessage() << '\n';
        if (!m_doc.LastReadError().empty()) {
            std::cerr << "rungpad-cli: " << m_doc.LastReadError() << '\n';
        }
        return false;
    }
    return true;
}

bool CliDocument::ReplaceNotes(const std::string& path) {
    m_doc.Notes().Clear();
    return ImportNotes(path);
}

void CliDocument::PrintFailure(const std::string& path) const {
    // The system's reason when a file operation failed, else the document's own message.
    const std::string& why = m_doc.LastWriteError();
    if (!why.empty()) {
        std::cerr << "rungpad-cli: " << why << " (" << m_console.LastMessage() << ")\n";
    } else {
        std::cerr << "rungpad-cli: " << path << ": " << m_console.LastMessage() << '\n';
    }
}

}  // namespace rungpad::cli
