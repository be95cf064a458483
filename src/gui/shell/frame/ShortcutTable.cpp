#include "shell/frame/ShortcutTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace rungpad {

namespace {

QString KeysOf(const QAction& action) {
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts()) {
        keys << key.toString(QKeySequence::NativeText);
    }
    return keys.join(QStringLiteral(", "));
}

void AddMenu(const QMenu& menu, const QSet<const QAction*>& wanted, QSet<const QAction*>& listed,
             QList<ShortcutTable::Row>& rows) {
    const QString title = ShortcutTable::PlainText(menu.title());
    QList<const QMenu*> submenus;
    for (const QAction* action : menu.actions()) {
        if (action->menu() != nullptr) {
            submenus << action->menu();
        } else if (wanted.contains(action) && !listed.contains(action)) {
            listed << action;
            rows << ShortcutTable::Row{title, ShortcutTable::PlainText(action->text()),
                                       KeysOf(*action), action->statusTip()};
        }
    }
    for (const QMenu* submenu : submenus) {
        AddMenu(*submenu, wanted, listed, rows);
    }
}

}  // namespace

QString ShortcutTable::PlainText(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    QString plain = text;
    plain.remove(mnemonic);
    plain.remove(QLatin1Char('&'));
    return plain.trimmed();
}

QList<ShortcutTable::Row> ShortcutTable::Build(const QList<QMenu*>& menus,
                                               const QList<QAction*>& commands) {
    QSet<const QAction*> wanted;
    for (const QAction* action : commands) {
        if (!action->shortcuts().isEmpty()) {
            wanted << action;
        }
    }
    QList<Row> rows;
    QSet<const QAction*> listed;
    for (const QMenu* menu : menus) {
        AddMenu(*menu, wanted, listed, rows);
    }
    for (const QAction* action : commands) {
        if (wanted.contains(action) && !listed.contains(action)) {
            listed << action;
            rows << Row{QString(), PlainText(action->text()), KeysOf(*action), action->statusTip()};
        }
    }
    return rows;
}

}  // namespace rungpad
