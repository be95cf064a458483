#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/AddressNotes.h"

namespace rungpad {

// The two text formats of address notes. The address note file ("PBitCh01.MEA" and imported
// files): one note per line, letter, three-digit byte number, slot digit 1-8 for bits 0-7 (0 for
// the byte note), a separator and the text. The export file: "%", then "X0012     text" lines with
// byte x 10 + bit, then "end", CR LF after each. Note texts are the bytes as read (GBK).
class NoteFile {
  public:
    static constexpr std::size_t kMaxLineLength = 127;
    // The longest note Format writes: six characters before it and the line break after it keep
    // the line within 127 characters, also for readers that count the break.
    static constexpr std::size_t kMaxNoteLength = kMaxLineLength - 7;

    // Reads the address note file at path into notes; notes the file does not name keep their
    // text. False when the file cannot be read, with the reason in error when given.
    static bool Load(const std::string& path, AddressNotes& notes, std::string* error = nullptr);
    // The same on the file's contents. Reading stops at the end, at a line shorter than three
    // characters, at a line beginning with "end", at an unknown letter, at a slot digit 9 and
    // after a line longer than 127 characters (its first 127 are used).
    static void Parse(std::string_view text, AddressNotes& notes);

    // The address note file of notes: one "X0013 text" line per non-empty note (slot 0 for the
    // byte note), in entry order, CR LF after each. Notes must fit kMaxNoteLength and hold no
    // line break; the caller checks (NoteCsv does).
    static std::string Format(const AddressNotes& notes);

    // The export text, asking noteOf for the note of each exported bit address ("X000.0" ...):
    // X bytes 0-6, Y 0-5, K 6-63, A 0-31, R 0-511, bits 0-7; empty notes are left out.
    using NoteLookup = std::function<std::string(std::string_view address)>;
    static std::string FormatExport(const NoteLookup& noteOf);
};

}  // namespace rungpad
