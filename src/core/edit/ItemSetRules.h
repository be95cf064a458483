#pragma once

#include <cstdint>
#include <string_view>

namespace rungpad {

// What the item dialog shows for the element code it is opened with: the caption of its group
// box and the small picture of the element. The dialog itself checks nothing.
class ItemSetRules {
  public:
    enum class Picture { kNone, kNoContact, kNcContact, kCoil, kNegCoil, kInstructionName };

    // "normally open contact" and the like, the parameter label of a box parameter or CODT
    // cell, or empty.
    static std::string_view Caption(std::uint16_t code);
    static Picture PictureOf(std::uint16_t code);
    // The instruction name drawn as the picture of a box cell; empty when the code names none.
    static std::string_view InstructionName(std::uint16_t code);
    // The catalogue index a box cell's high byte reads as (0x10 is 0, 0x19 is 9, 0x20 is 10),
    // or -1 outside the catalogue (END1 and END2 among them).
    static int CatalogueIndex(std::uint16_t code);
};

}  // namespace rungpad
