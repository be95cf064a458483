#pragma once

#include <QIcon>

namespace rungpad {

// The application's icon, in the sizes the desktop files install, built into the program so
// that the main window, the document windows and the dialogs show it wherever it runs from.
class AppIcon {
  public:
    static QIcon Get();
};

}  // namespace rungpad
