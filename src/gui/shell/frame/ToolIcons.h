#pragma once

#include <QIcon>

namespace rungpad {

// The icons of the standard toolbar: the desktop theme's where it has one, otherwise a small
// drawing of our own, so the buttons never show as bare text.
class ToolIcons {
  public:
    enum class Tool { New, Open, Save, Cut, Copy, Paste, Undo, Redo, Convert, Find, Print, About };

    static QIcon For(Tool tool);
    // Whether the desktop names an icon theme that may have the common actions' icons. Without
    // one Qt falls back to hicolor, which holds applications' own icons only; reading its index
    // to find none would cost the start several milliseconds.
    static bool DesktopTheme();
    // The drawing used when the theme has no icon of that name.
    static QIcon Drawn(Tool tool);
};

}  // namespace rungpad
