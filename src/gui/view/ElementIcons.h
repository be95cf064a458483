#pragma once

#include <QIcon>

namespace rungpad {

// Small pictures of the element tools for the toolbar and the right-click menu: the diagram's
// symbols, drawn to fill the icon so that each tells itself apart at toolbar size.
class ElementIcons {
  public:
    // kind as PlaceElement takes it: 0 delete, 0x100 to 0x500 the elements, 16 and 17 the link.
    static QIcon ForKind(int kind);
};

}  // namespace rungpad
