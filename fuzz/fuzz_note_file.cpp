// The address note reader on arbitrary text: every note it stores is one line of at most 127
// characters, and an export of what it read asks only for noteable addresses.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "model/AddressNotes.h"
#include "model/NoteFile.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    AddressNotes notes;
    NoteFile::Parse(text, notes);
    int stored = 0;
    for (int i = 0; i < AddressNotes::kEntryCount; ++i) {
        for (const std::string& note : notes.At(i)) {
            fuzz::Require(note.size() <= NoteFile::kMaxLineLength, "a note is at most one line");
            fuzz::Require(note.find('\n') == std::string::npos, "a note holds no line break");
            stored += note.empty() ? 0 : 1;
        }
    }
    // Exporting formats every bit address, which is slow under the sanitizers: done for one input
    // in eight that stored something, so the reader itself gets most of the time.
    if (stored > 0 && size % 8 == 0) {
        const std::string exportText = NoteFile::FormatExport([&](std::string_view address) {
            const std::string* note = notes.FindBitNote(address);
            fuzz::Require(note != nullptr, "export asks only for noteable addresses");
            return *note;
        });
        fuzz::Require(!exportText.empty(), "an export is never empty");
    }
    return 0;
}
