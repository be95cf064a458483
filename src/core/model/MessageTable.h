#pragma once

#include <span>
#include <string_view>

namespace rungpad {

// One message in its three forms. The original is also the key the code looks it up by; it may
// hold %1..%9 where Messages::Format puts its arguments, and the other forms hold the same ones.
struct MessageEntry {
    std::string_view original;
    std::string_view chinese;
    std::string_view english;
};

// Every message core and the command-line tool show to a person, in one table.
class MessageTable {
  public:
    static std::span<const MessageEntry> Entries();
};

}  // namespace rungpad
