#pragma once

#include <QList>
#include <QString>

class QAction;
class QMenu;

namespace rungpad {

// The keyboard shortcuts of the editor's commands, made from the commands themselves so that the
// table never differs from what the keys do.
class ShortcutTable {
  public:
    struct Row {
        QString menu;     // the menu that holds the command, without its mnemonic; empty: none
        QString command;  // the command's text, without mnemonic
        QString keys;     // every shortcut, as the desktop writes it
        QString prompt;   // the status bar prompt
    };

    // One row per command of commands that has a shortcut: first those of menus, in menu order
    // (submenus after their menu's own items), then those found in no menu.
    static QList<Row> Build(const QList<QMenu*>& menus, const QList<QAction*>& commands);
    // "Zoom In(&Z)" -> "Zoom In", "&Open..." -> "Open...".
    static QString PlainText(const QString& text);
};

}  // namespace rungpad
