#pragma once

class QDockWidget;
class QString;

namespace rungpad {

// The title of a docking window. Qt names the window's menu toggle after its title; the frame
// gives the toggle a name of its own (with an accelerator), which a retitled window keeps.
class DockTitle {
  public:
    static void Set(QDockWidget& dock, const QString& title);
};

}  // namespace rungpad
