#pragma once

// A document with one editor on it, driven through the tests' scripted hosts.

#include <cstdint>
#include <fstream>
#include <span>
#include <string>

#include "RecordingHost.h"
#include "ScriptedDocumentHost.h"
#include "ScriptedEditorHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"

namespace rungpad::test {

// A document with one editor on it; its files live in directory (also the program directory,
// where the note file is looked for).
struct EditingSession {
    explicit EditingSession(const std::string& directory) {
        docHost.programDirectory = directory;
        // Plain writes: the round trip is about the bytes, not about durable renames.
        doc.SetFileWriter(
            [](const std::string& path, std::span<const std::uint8_t> bytes, std::string& error) {
                std::ofstream file(path, std::ios::binary | std::ios::trunc);
                file.write(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<std::streamsize>(bytes.size()));
                if (!file) {
                    error = "cannot write " + path;
                }
                return static_cast<bool>(file);
            });
        editor.OnInitialUpdate();
    }

    RecordingHost out;
    ScriptedDocumentHost docHost;
    CRungpadDoc doc{out, out, docHost};
    ScriptedEditorHost host;
    LadClipboard clipboard;
    CLadEditor editor{doc, host, clipboard};
};

}  // namespace rungpad::test
