#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/AddressNotes.h"

namespace rungpad {

// Address notes as a spreadsheet table: UTF-8 CSV with the header "address,note" and one row
// per note, "X001.2" for a bit note and "X001" for a byte note. The notes themselves stay GBK;
// the table converts at its edge.
class NoteCsv {
  public:
    // Every non-empty note in entry order, byte note before the bits; CR LF after each row.
    static std::string Format(const AddressNotes& notes);

    // Reads the table into notes. Lines end in CR LF, LF or CR. A header row, empty rows and a
    // leading byte order mark are passed over; an empty note leaves the address without one.
    // Refused: a row without a comma, text after a field's closing quote, a note with a line
    // break or another control character. Each problem gives one "line N: ..." text; when there
    // is any, notes are left as they were.
    static std::vector<std::string> Parse(std::string_view csv, AddressNotes& notes);
};

}  // namespace rungpad
