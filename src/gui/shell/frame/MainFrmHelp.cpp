// The Help menu's commands beyond About: the user guide and the table of keyboard shortcuts.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "shell/frame/MainFrm.h"
#include "shell/frame/ShortcutsDialog.h"
#include "shell/frame/UserGuide.h"

namespace rungpad {

void CMainFrame::OnKeyboardShortcuts() {
    CShortcutsDialog dialog(ShortcutRows(), this);
    dialog.exec();
}

QList<ShortcutTable::Row> CMainFrame::ShortcutRows() const {
    QList<QMenu*> menus;
    for (const QAction* action : menuBar()->actions()) {
        if (action->menu() != nullptr) {
            menus << action->menu();
        }
    }
    QList<int> ids = m_commands.keys();
    std::sort(ids.begin(), ids.end());
    QList<QAction*> commands;
    for (const int id : ids) {
        commands << m_commands.value(id);
    }
    return ShortcutTable::Build(menus, commands);
}

CUserGuide* CMainFrame::UserGuide() const {
    return m_guide.data();
}

void CMainFrame::OnUserGuide() {
    if (m_guide == nullptr) {
        const QString folder = CUserGuide::Folder();
        if (folder.isEmpty()) {
            m_box->ShowMessage(tr("The user guide was not found: it is installed with the "
                                  "program, in share/doc/rungpad.")
                                   .toStdString());
            return;
        }
        m_guide = new CUserGuide(folder, this);
    }
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

}  // namespace rungpad
