// The main frame's commands, menus, toolbars and status bar: one action per command of the
// command table, registered by its id and shared by the menus, the toolbars and the view's
// right-click menu, which MenuLayout and the view name by id.

#include "shell/frame/MainFrm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <string>
#include <vector>

#include "dialogs/ReplaceDlg.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CommandTable.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/LockKeys.h"
#include "shell/frame/MenuLayout.h"
#include "shell/frame/ToolIcons.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/OutputNavigator.h"
#include "shell/panels/XrefWindow.h"
#include "text/QtText.h"
#include "view/ElementIcons.h"
#include "view/RungpadView.h"
#include "view/ViewPrinter.h"

namespace rungpad {

namespace {

constexpr std::array<const char*, 3> kLockPaneNames = {
    QT_TRANSLATE_NOOP("rungpad::CMainFrame", "capital"),
    QT_TRANSLATE_NOOP("rungpad::CMainFrame", "number"),
    QT_TRANSLATE_NOOP("rungpad::CMainFrame", "roll")};

}  // namespace

QAction* CMainFrame::Command(int id) const {
    return m_commands.value(id, nullptr);
}

QAction* CMainFrame::AdoptCommand(int id, QAction* action) {
    const CommandTable::Command* command = CommandTable::Find(id);
    Q_ASSERT(command != nullptr);
    m_commands.insert(id, action);
    CommandTable::ApplyTexts(*command, *action, ShowsOtherText(id));
    if (command->Has(CommandTable::kDocument)) {
        m_documentActions << action;
    }
    if (command->Has(CommandTable::kEditing)) {
        m_editActions << action;
    }
    return action;
}

bool CMainFrame::ShowsOtherText(int id) const {
    switch (id) {
        case EditCommands::kFilePrintSetup:
            return ActiveChild() == nullptr;
        case EditCommands::kStartSimulation:
            return m_sim != nullptr && m_sim->IsActive();
        default:
            return false;
    }
}

void CMainFrame::RetranslateCommand(int id) {
    const CommandTable::Command* command = CommandTable::Find(id);
    QAction* action = Command(id);
    if (command && action) {
        CommandTable::ApplyTexts(*command, *action, ShowsOtherText(id));
    }
}

void CMainFrame::RetranslateCommands() {
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        RetranslateCommand(it.key());
    }
    for (const auto& [menu, title] : m_menuTitles) {
        menu->setTitle(CommandTable::Translate(title));
    }
}

template <typename Run>
void CMainFrame::OnDocumentCommand(Run command, bool namesFile) {
    CChildFrame* child = ActiveChild();
    if (!child) {
        return;
    }
    command(child->Document());
    for (CChildFrame* view : ViewsOf(child->Document())) {
        view->UpdateTitle();
    }
    UpdateTitle();
    MarkInstructionList();  // a save converts too
    // Only saving names the document's file; output files leave the recent list alone.
    const std::string& path = child->Document().State().PathName();
    if (namesFile && !path.empty()) {
        AddRecentFile(QtText::FromLocalPath(path));
    }
}

void CMainFrame::BindCommand(const CommandTable::Command& command, QAction* action) {
    const CommandTable::Handler& run = command.handler;
    const int id = command.id;
    if (run.frame) {
        connect(action, &QAction::triggered, this, run.frame);
    } else if (run.checked) {
        connect(action, &QAction::triggered, this, run.checked);
    } else if (run.toggled) {
        connect(action, &QAction::toggled, this, run.toggled);
    } else if (run.document) {
        const bool namesFile = command.Has(CommandTable::kNamesFile);
        connect(action, &QAction::triggered, this, [this, document = run.document, namesFile] {
            OnDocumentCommand([document](CRungpadDoc& doc) { (doc.*document)(); }, namesFile);
        });
    } else if (run.view) {
        connect(action, &QAction::triggered, this, [this, view = run.view] {
            if (CChildFrame* child = ActiveChild()) {
                (child->View()->*view)();
            }
        });
    } else if (run.editor || run.editorById) {
        connect(action, &QAction::triggered, this, [this, run, id] {
            if (CChildFrame* child = ActiveChild()) {
                child->View()->Edit([run, id](CLadEditor& editor) {
                    if (run.editor) {
                        (editor.*run.editor)();
                    } else {
                        (editor.*run.editorById)(id);
                    }
                });
            }
        });
    }
}

QIcon CMainFrame::CommandIcon(const CommandTable::Command& command) const {
    using Icon = CommandTable::Icon;
    using Tool = ToolIcons::Tool;
    switch (command.icon) {
        case Icon::kNone:
            return {};
        case Icon::kElement:
            return ElementIcons::ForKind(EditCommands::ElementKindOf(command.id));
        default:
            break;
    }
    static constexpr std::array<std::pair<Icon, Tool>, 12> kTools = {{
        {Icon::kNew, Tool::New},
        {Icon::kOpen, Tool::Open},
        {Icon::kSave, Tool::Save},
        {Icon::kCut, Tool::Cut},
        {Icon::kCopy, Tool::Copy},
        {Icon::kPaste, Tool::Paste},
        {Icon::kUndo, Tool::Undo},
        {Icon::kRedo, Tool::Redo},
        {Icon::kConvert, Tool::Convert},
        {Icon::kFind, Tool::Find},
        {Icon::kPrint, Tool::Print},
        {Icon::kAbout, Tool::About},
    }};
    for (const auto& [icon, tool] : kTools) {
        if (icon == command.icon) {
            return ToolIcons::For(tool);
        }
    }
    return {};
}

void CMainFrame::CreateActions() {
    auto* speeds = new QActionGroup(this);
    for (const CommandTable::Command& command : CommandTable::Commands()) {
        if (command.Has(CommandTable::kWindowToggle)) {
            continue;  // the toolbar's or window's own action, adopted when it is made
        }
        auto* action = new QAction(this);
        action->setShortcuts(command.Shortcuts());
        action->setCheckable(command.Has(CommandTable::kCheckable));
        action->setChecked(command.Has(CommandTable::kChecked));
        action->setEnabled(!command.Has(CommandTable::kDisabled));
        action->setIcon(CommandIcon(command));
        if (command.Has(CommandTable::kSpeed)) {
            speeds->addAction(action);
        }
        BindCommand(command, action);
        AdoptCommand(command.id, action);
    }
    using C = EditCommands;
    m_convertAct = Command(C::kConvert);
    m_undoAct = Command(C::kUndo);
    m_redoAct = Command(C::kRedo);
    m_modifyNoteAct = Command(C::kModifyNote);
    m_coilRefsAct = Command(C::kCoilReferences);
    m_documentationAct = Command(C::kPrintDocumentation);
    m_simStartAct = Command(C::kStartSimulation);
    m_simScanAct = Command(C::kSingleScan);
    m_simPauseAct = Command(C::kPauseSimulation);
    m_simUnloadAct = Command(C::kUnloadStimulus);
    m_simRecordAct = Command(C::kRecordVcd);
    for (const int id : MenuLayout::FrameKeys()) {
        addAction(Command(id));
    }
    for (QAction*& act : m_recentActs) {
        act = new QAction(this);
        connect(act, &QAction::triggered, this,
                [this, act] { OpenDocumentFile(act->data().toString()); });
    }
}

void CMainFrame::CreateMenus() {
    for (const MenuLayout::Menu& layout : MenuLayout::MenuBar()) {
        QMenu* menu = menuBar()->addMenu(CommandTable::Translate(layout.title));
        m_menuTitles.append({menu, layout.title});
        if (layout.documentOnly) {
            m_documentMenus << menu;
        }
        for (const MenuLayout::Item& item : layout.items) {
            switch (item.slot) {
                case MenuLayout::Slot::kCommand:
                    menu->addAction(Command(item.id));
                    break;
                case MenuLayout::Slot::kSeparator:
                    menu->addSeparator();
                    break;
                case MenuLayout::Slot::kDocumentSeparator:
                    m_documentActions << menu->addSeparator();
                    break;
                case MenuLayout::Slot::kRecentFiles:
                    m_recentSeparator = menu->addSeparator();
                    for (QAction* act : m_recentActs) {
                        menu->addAction(act);
                    }
                    break;
            }
        }
        if (layout.name == MenuLayout::Name::kWindow) {
            m_windowMenu = menu;
            connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowList);
        }
    }
}

void CMainFrame::AddToolButtons(QToolBar* toolbar, std::span<const int> ids) {
    for (const int id : ids) {
        if (id == 0) {
            toolbar->addSeparator();
        } else {
            toolbar->addAction(Command(id));
        }
    }
}

void CMainFrame::OnFileClose() {
    m_mdi->closeActiveSubWindow();
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnFilePrintSetup() {
    CViewPrinter::OnFilePrintSetup(this, m_printer.Printer());
}

void CMainFrame::OnAppAbout() {
    QMessageBox::about(this, QApplication::applicationName(),
                       QStringLiteral("Rungpad %1").arg(QApplication::applicationVersion()));
}

void CMainFrame::OnEditReplace() {
    if (CChildFrame* child = ActiveChild()) {
        CReplaceDlg dialog(m_replaceButtons, *child->View(), this);
        dialog.exec();
    }
}

void CMainFrame::OnNextPane() {
    m_mdi->activateNextSubWindow();
}

void CMainFrame::OnPreviousPane() {
    m_mdi->activatePreviousSubWindow();
}

void CMainFrame::OnStatusBarToggled(bool on) {
    statusBar()->setVisible(on);
}

void CMainFrame::UpdateWindowList() {
    for (QAction* action : m_windowListActions) {
        m_windowMenu->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<CChildFrame*> children = Children();
    if (children.isEmpty()) {
        return;
    }
    m_windowListActions << m_windowMenu->addSeparator();
    CChildFrame* active = ActiveChild();
    for (int i = 0; i < children.size(); ++i) {
        CChildFrame* child = children.at(i);
        const QString title = child->windowTitle().replace(QStringLiteral("[*]"),
                                                           child->isWindowModified() ? "*" : "");
        QAction* action = m_windowMenu->addAction(
            (i < 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2")).arg(i + 1).arg(title));
        action->setCheckable(true);
        action->setChecked(child == active);
        connect(action, &QAction::triggered, this, [this, child] {
            if (Children().contains(child)) {
                m_mdi->setActiveSubWindow(child);
            }
        });
        m_windowListActions << action;
    }
}

void CMainFrame::OnWindowCascade() {
    // Each window gets two thirds of the area, so the cascade is usable whatever size the
    // windows had while maximized.
    const QSize area = m_mdi->viewport()->size();
    const QSize size(std::max(area.width() * 2 / 3, 200), std::max(area.height() * 2 / 3, 150));
    constexpr int kStep = 28;
    int offset = 0;
    for (CChildFrame* child : Children()) {
        if (child->isMinimized()) {
            continue;
        }
        child->showNormal();
        if (offset + size.width() > area.width() || offset + size.height() > area.height()) {
            offset = 0;
        }
        child->setGeometry(QRect(QPoint(offset, offset), size));
        child->raise();
        offset += kStep;
    }
    if (CChildFrame* active = ActiveChild()) {
        active->raise();
    }
}

void CMainFrame::OnWindowTile() {
    for (CChildFrame* child : Children()) {
        if (child->isMaximized()) {
            child->showNormal();
        }
    }
    m_mdi->tileSubWindows();
}

void CMainFrame::OnWindowArrange() {
    // Minimized windows in a row along the bottom edge, wrapping upwards.
    const QSize area = m_mdi->viewport()->size();
    int x = 0;
    int y = area.height();
    for (CChildFrame* child : Children()) {
        if (!child->isMinimized()) {
            continue;
        }
        const QSize size = child->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        child->move(x, y - size.height());
        x += size.width();
    }
}

void CMainFrame::UpdateTitle() {
    // A maximized child shows its name in the title by itself ("... - [demo.plf]").
    const QString kTitle = tr("Ladder diagram editor");
    CChildFrame* child = ActiveChild();
    if (!child || child->isMaximized()) {
        setWindowTitle(kTitle);
        return;
    }
    setWindowTitle(kTitle + QStringLiteral(" - ") +
                   QtText::ToQString(child->Document().State().Title()));
}

void CMainFrame::CreateElementToolBar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Elements"));
    toolbar->setObjectName(QStringLiteral("ElementToolBar"));
    AddToolButtons(toolbar, MenuLayout::ElementToolBar());
    // The function button: a click asks for the function by name, its arrow lists them all.
    QAction* function = Command(EditCommands::kFunctionDialog);
    auto* functions = new QMenu(this);
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        functions->addAction(Command(command.id));
    }
    function->setMenu(functions);
    m_functionMenu = functions;
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(function))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Standard"));
    toolbar->setObjectName(QStringLiteral("StandardToolBar"));
    AddToolButtons(toolbar, MenuLayout::StandardToolBar());
    AdoptCommand(EditCommands::kViewToolbar, toolbar->toggleViewAction());
}

void CMainFrame::CreateStatusBar() {
    m_idle = new QLabel(tr("be ready"), this);
    statusBar()->addWidget(m_idle, 1);
    CreateInfoPanes();
    // The lock key panes show their names while the lock is on.
    for (std::size_t i = 0; i < m_lockPanes.size(); ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromLatin1(kLockPaneNames.at(i)));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(tr(kLockPaneNames.at(i))) + 8);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
        m_lockPanes.at(i) = pane;
    }
    qApp->installEventFilter(this);  // the panes are first read once the window shows
    AdoptCommand(EditCommands::kOutputWindow, m_output->toggleViewAction());
    AdoptCommand(EditCommands::kInstructionWindow, m_instruction->toggleViewAction());
}

void CMainFrame::RetranslateLockPanes() {
    // Only the panes that show their names: the keys themselves are read as they change.
    for (std::size_t i = 0; i < m_lockPanes.size(); ++i) {
        if (m_lockPanes.at(i) != nullptr && !m_lockPanes.at(i)->text().isEmpty()) {
            m_lockPanes.at(i)->setText(tr(kLockPaneNames.at(i)));
        }
    }
}

void CMainFrame::UpdateLockPanes() {
    const std::optional<LockKeys::State> state = LockKeys::Read();
    const std::array<bool, 3> on = {state && state->caps, state && state->num,
                                    state && state->scroll};
    for (std::size_t i = 0; i < m_lockPanes.size(); ++i) {
        m_lockPanes.at(i)->setText(on.at(i) ? tr(kLockPaneNames.at(i)) : QString());
    }
}

}  // namespace rungpad
