// The note table reader on arbitrary text: a refused table leaves the notes as they were; an
// accepted one writes a table that reads back to the same notes, and a note file that does too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "model/NoteCsv.h"
#include "model/NoteFile.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const AddressNotes before = [] {
        AddressNotes notes;
        NoteFile::Parse("X0013 Motor ready\r\nR1008 Lamp\r\n", notes);
        return notes;
    }();
    AddressNotes notes = before;
    const std::vector<std::string> errors = NoteCsv::Parse(text, notes);
    if (!errors.empty()) {
        fuzz::Require(notes == before, "a refused table changes no note");
        for (const std::string& error : errors) {
            fuzz::Require(error.starts_with("line "), "every problem names its line");
        }
        return 0;
    }
    AddressNotes again;
    fuzz::Require(NoteCsv::Parse(NoteCsv::Format(notes), again).empty(), "a written table reads");
    fuzz::Require(again == notes, "the table round trip keeps every note");
    AddressNotes fromFile;
    NoteFile::Parse(NoteFile::Format(notes), fromFile);
    fuzz::Require(fromFile == notes, "the note file round trip keeps every note");
    return 0;
}
