#pragma once

#include <optional>
#include <string_view>

#include "model/LadCell.h"

namespace rungpad {

// The value of a parameter as its text shows it. A cell's number field is derived data that the
// ladder file does not keep for every text (a format "1001" reads back with the link word in it),
// so every rule that needs the value of a constant or a format reads it here, from the text.
// Timer, counter, edge, label and subprogram numbers keep using the number field: the file keeps
// theirs, and the number checks on damaged files rely on it.
class CellValue {
  public:
    // The decimal value of a text made of digits only ("1001" gives 1001, "0300" gives 300);
    // none for an address, a name, an empty text or any other character in it.
    static std::optional<int> Of(std::string_view text);
    static std::optional<int> Of(const LadCell& cell) { return Of(cell.Text()); }
};

}  // namespace rungpad
