#pragma once

#include <string>
#include <string_view>

namespace rungpad {

// The find and replace dialogs' rewriting of an address while it is typed: a letter followed by
// a number with a fraction becomes the letter and the number formatted "%05.1f" (X1.2 becomes
// X001.2, Y-1.5 becomes Y-01.5), so it matches the cells' stored form. Anything else is left as
// typed.
class AddressTyping {
  public:
    static std::string Normalise(std::string_view text);
};

}  // namespace rungpad
