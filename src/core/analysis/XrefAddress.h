#pragma once

#include <compare>
#include <string>
#include <string_view>

namespace rungpad {

// An address text taken apart for ordering and overlap: its type letters, its byte number and
// its bit (-1 for a byte address). R100 orders before R100.0, R100.7 before R101.
struct XrefAddress {
    std::string type;
    int byte = 0;
    int bit = -1;

    // Any text: the leading letters, the digits after them, the digit after the first '.'.
    static XrefAddress Parse(std::string_view text);
    bool IsBit() const { return bit >= 0; }
    // Whether the type is an internal (R) or keep (K) relay.
    bool IsRelay() const { return type == "R" || type == "K"; }
    // "R100" or "R100.1", the byte number padded as the editor pads it.
    std::string Text() const;

    friend auto operator<=>(const XrefAddress&, const XrefAddress&) = default;
    friend bool operator==(const XrefAddress&, const XrefAddress&) = default;
};

}  // namespace rungpad
