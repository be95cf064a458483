#pragma once

#include <QIcon>

namespace rungpad {

// Small pictures of the element tools for the toolbar and the right-click menu, drawn by the
// grid's own cell drawing so they look like the diagram.
class ElementIcons {
  public:
    // kind as PlaceElement takes it: 0 delete, 0x100 to 0x500 the elements, 16 and 17 the link.
    static QIcon ForKind(int kind);
};

}  // namespace rungpad
