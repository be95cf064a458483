#pragma once

#include <cstdint>
#include <string_view>

#include "model/FixedText.h"

namespace rungpad {

// Element codes of a cell. Function box cells carry their instruction's code (0x1000 and above)
// plus 16 x row + column inside the box; CODT table cells 0x4000 + 16 x line + column.
namespace Element {
inline constexpr std::uint16_t kEmpty = 0x0000;
inline constexpr std::uint16_t kHLine = 0x0100;
inline constexpr std::uint16_t kNcContact = 0x0200;  // normally closed
inline constexpr std::uint16_t kNoContact = 0x0300;  // normally open
inline constexpr std::uint16_t kCoil = 0x0400;
inline constexpr std::uint16_t kNegCoil = 0x0500;
inline constexpr std::uint16_t kFirstBox = 0x1000;
inline constexpr std::uint16_t kCodt = 0x4000;

inline constexpr int Kind(std::uint16_t code) {
    return code >> 8;
}  // high byte
inline constexpr int BoxRow(std::uint16_t code) {
    return (code >> 4) & 0xF;
}  // bits 4 to 7
inline constexpr int BoxColumn(std::uint16_t code) {
    return code & 0xF;
}  // bits 0 to 3
inline constexpr bool IsContact(std::uint16_t code) {
    return code == kNcContact || code == kNoContact;
}
inline constexpr bool IsCoil(std::uint16_t code) {
    return code == kCoil || code == kNegCoil;
}
inline constexpr bool IsBoxCell(std::uint16_t code) {
    return code >= kFirstBox;
}
inline constexpr bool IsCodt(std::uint16_t code) {
    return Kind(code) == 0x40;
}
}  // namespace Element

// One grid position of a ladder line.
struct LadCell {
    static constexpr std::size_t kMaxText = 6;  // characters a cell text may be given

    std::uint16_t code = Element::kEmpty;
    std::int32_t vlink =
        0;  // a vertical link down from the middle of the right edge; non-zero = set
    std::int16_t number = -1;
    FixedText<7> text;  // NUL-terminated; a damaged file may leave 7 characters without NUL
    std::uint8_t highlight = 0;  // drawn inverted as part of the selection; never stored
    std::int32_t codtCount = 0;  // lines of the CODT table the cell belongs to; never stored

    void Reset() { *this = LadCell{}; }
    std::string_view Text() const { return text.View(); }
    void SetText(std::string_view t) { text.Assign(t, kMaxText); }
    bool HasLink() const { return vlink != 0; }

    friend bool operator==(const LadCell&, const LadCell&) = default;
};

}  // namespace rungpad
