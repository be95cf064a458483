#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Language.h"

namespace rungpad {

// How a cell uses the address it names.
enum class XrefKind : std::uint8_t {
    kNoContact,  // normally open contact
    kNcContact,  // normally closed contact
    kCoil,
    kNegCoil,
    kParameter,  // a function box parameter
};

// Whether a use reads the address, writes it, or both (a shift register's data).
enum class XrefAccess : std::uint8_t { kRead, kWrite, kReadWrite };

// One use of an address in a ladder program.
struct XrefUse {
    std::string address;  // the cell's text as held (R100.1, D010)
    int line = 0;         // 0-based
    int column = 0;       // 0-based
    XrefKind kind = XrefKind::kNoContact;
    XrefAccess access = XrefAccess::kRead;
    std::uint16_t function = 0;  // catalogue code of the box, for parameters
    int parameter = 0;           // 1-based parameter of that box
    std::string note;            // the address note (GBK bytes); empty when there is none

    bool Reads() const { return access != XrefAccess::kWrite; }
    bool Writes() const { return access != XrefAccess::kRead; }
    // "NO contact", "NC contact", "coil", "negated coil", or "ADD 4 结果输出地址" (instruction,
    // parameter number and label; UTF-8).
    std::string Describe() const { return Describe(Language::Original); }
    // The same in a language, for a person to read; the original is what files and scripts get.
    std::string Describe(Language language) const;
    // "read", "write" or "read/write".
    std::string_view AccessName() const;
    std::string_view AccessName(Language language) const;
    // Whether the address begins with prefix, ignoring case; an empty prefix matches every use.
    bool MatchesPrefix(std::string_view prefix) const;

    friend bool operator==(const XrefUse&, const XrefUse&) = default;
};

}  // namespace rungpad
