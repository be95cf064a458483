#pragma once

#include <span>

namespace rungpad {

// Where the commands of the command table appear: the menu bar's menus and the toolbars, each a
// list of command ids by name in display order, with separators. The main frame builds them from
// here; the view's right-click menu names its commands the same way.
class MenuLayout {
  public:
    enum class Slot {
        kCommand,
        kSeparator,          // always shown
        kDocumentSeparator,  // shown only while a document is open
        kRecentFiles,        // a separator and the recent files, shown while there are some
    };
    struct Item {
        Slot slot;
        int id;  // the command, for kCommand
    };
    enum class Name { kFile, kEdit, kView, kSimulation, kWindow, kHelp };
    struct Menu {
        Name name;
        const char* title;  // source text of context "Command"
        bool documentOnly;  // in the menu bar only while a document is open
        std::span<const Item> items;
    };

    // The menu bar's menus, in their order.
    static std::span<const Menu> MenuBar();
    // The toolbars' buttons; 0 is a separator.
    static std::span<const int> StandardToolBar();
    static std::span<const int> ElementToolBar();
    static std::span<const int> SimulationToolBar();
    // Commands with keys but no menu item or button.
    static std::span<const int> FrameKeys();
};

}  // namespace rungpad
