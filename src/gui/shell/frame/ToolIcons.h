#pragma once

#include <QIcon>

namespace rungpad {

// The icons of the standard toolbar: the desktop theme's where it has one, otherwise a small
// drawing of our own, so the buttons never show as bare text.
class ToolIcons {
  public:
    enum class Tool { New, Open, Save, Cut, Copy, Paste, Undo, Convert, Find, Print, About };

    static QIcon For(Tool tool);
    // The drawing used when the theme has no icon of that name.
    static QIcon Drawn(Tool tool);
};

}  // namespace rungpad
