#pragma once

#include <string>

#include "CliDocumentHost.h"
#include "ConsoleHost.h"
#include "document/RungpadDoc.h"

namespace rungpad::cli {

// A document driven from the command line with the console as its message channel. Each call
// runs the same document procedure as the editor's menu command and prints one line on stderr
// when it fails.
class CliDocument {
  public:
    explicit CliDocument(bool verbose = false) : m_console(verbose) {}
    CliDocument(const CliDocument&) = delete;
    CliDocument& operator=(const CliDocument&) = delete;

    CRungpadDoc& Doc() { return m_doc; }
    const CRungpadDoc& Doc() const { return m_doc; }

    // Opens path as the editor does; false when it cannot be read or the reader refuses it.
    // A file holding more than its line count admits opens with its warning on stderr.
    bool Open(const std::string& path);
    // Whether the file opened holds lines its damaged line count hid (warned at open).
    bool HasUnreadPart() const { return !m_doc.UnreadWarning().empty(); }
    // The Convert command; on errors prints the report line of the last one.
    bool Convert();
    // Runs a document command whose file chooser is answered with path.
    using Command = bool (CRungpadDoc::*)();
    bool WriteWith(Command command, const std::string& path);
    // Import Note of path.
    bool ImportNotes(const std::string& path);
    // Import Note of path into empty notes, in place of those read with the ladder file.
    bool ReplaceNotes(const std::string& path);

  private:
    void PrintFailure(const std::string& path) const;

    ConsoleHost m_console;
    CliDocumentHost m_host;
    CRungpadDoc m_doc{m_console, m_console, m_host};
};

}  // namespace rungpad::cli
