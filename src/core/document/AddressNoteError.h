#pragma once

#include <stdexcept>

namespace rungpad {

// The failure of an address note lookup: the cell or text names no noteable bit address.
// Raised by CRungpadDoc::FindAddressNote and caught by each of its callers.
class AddressNoteError : public std::runtime_error {
  public:
    static constexpr const char* kText = "Error Note!";
    AddressNoteError() : std::runtime_error(kText) {}
};

}  // namespace rungpad
