#pragma once

// Every text a user reads on the main window's commands, walked in the order the user meets
// them: the menu bar with its submenus, then the toolbars (with their drop-down menus), then the
// commands that have keys only. One line per action: where, text, tool tip, status tip, keys.

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QToolBar>

namespace rungpad::test {

struct ActionText {
    QString where;  // "File(&F)", "View(&V) > Language", "toolbar Elements"
    const QAction* action = nullptr;
    const QWidget* container = nullptr;  // the menu, menu bar or toolbar holding it

    // Accelerators count in menus and on the menu bar; a toolbar button is clicked.
    bool InMenu() const {
        return qobject_cast<const QMenu*>(container) || qobject_cast<const QMenuBar*>(container);
    }

    QString Line() const {
        if (action->isSeparator()) {
            return where + QStringLiteral(" | -");
        }
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) {
            keys << key.toString(QKeySequence::PortableText);
        }
        const QStringList fields = {where, action->text(), action->toolTip(), action->statusTip(),
                                    keys.join(QLatin1Char(' '))};
        return fields.join(QStringLiteral(" | ")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    }
};

// The recent file and open window entries ("&1 demo.plf") are names, not texts of the program.
inline bool IsListEntry(const QAction& action) {
    static const QRegularExpression kEntry(QStringLiteral("^&?\\d+ "));
    return kEntry.match(action.text()).hasMatch();
}

inline void WalkActions(const QList<QAction*>& actions, const QString& where,
                        const QWidget* container, QList<ActionText>& out) {
    for (const QAction* action : actions) {
        if (IsListEntry(*action) || (action->text().isEmpty() && !action->isSeparator())) {
            continue;
        }
        out.append({where, action, container});
        if (const QMenu* sub = action->menu()) {
            WalkActions(sub->actions(), where + QStringLiteral(" > ") + action->text(), sub, out);
        }
    }
}

inline QList<ActionText> FrameActions(const QMainWindow& frame) {
    QList<ActionText> out;
    for (const QAction* top : frame.menuBar()->actions()) {
        if (const QMenu* menu = top->menu()) {
            out.append({QStringLiteral("menu bar"), top, frame.menuBar()});
            WalkActions(menu->actions(), top->text(), menu, out);
        }
    }
    // The frame's own toolbars: a docked window's toolbar is that window's (tst_LanguageWindows),
    // and the hidden windows are made on first use.
    for (const QToolBar* bar : frame.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        WalkActions(bar->actions(), QStringLiteral("toolbar ") + bar->objectName(), bar, out);
    }
    WalkActions(frame.actions(), QStringLiteral("frame"), &frame, out);
    return out;
}

inline QStringList FrameActionLines(const QMainWindow& frame) {
    QStringList lines;
    for (const ActionText& entry : FrameActions(frame)) {
        lines << entry.Line();
    }
    return lines;
}

}  // namespace rungpad::test
