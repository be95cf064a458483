#pragma once

#include <optional>

namespace rungpad {

// The Caps Lock, Num Lock and Scroll Lock states, where the desktop tells them (an X11 display);
// unknown elsewhere.
class LockKeys {
  public:
    struct State {
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };

    static std::optional<State> Read();
};

}  // namespace rungpad
