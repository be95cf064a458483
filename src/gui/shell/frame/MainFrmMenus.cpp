// The main frame's commands, menus, toolbars and status bar: every command registered once by
// its id and shared by the menus, the toolbars and the view's context menu.

#include "shell/frame/MainFrm.h"

#include <QAction>
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
#include "shell/frame/CommandPrompts.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/LockKeys.h"
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

constexpr std::array<const char*, 3> kLockPaneNames = {"capital", "number", "roll"};

}  // namespace

QAction* CMainFrame::Command(int id) const {
    return m_commands.value(id, nullptr);
}

QAction* CMainFrame::Register(int id, QAction* action) {
    m_commands.insert(id, action);
    const CommandPrompts::Prompt prompt = CommandPrompts::For(id, action->shortcut());
    if (!prompt.status.isEmpty()) {
        action->setStatusTip(prompt.status);
        action->setToolTip(prompt.tip);
    }
    return action;
}

QAction* CMainFrame::AddDocumentAction(QMenu* menu, int id, const QString& text,
                                       bool (CRungpadDoc::*command)(), const QKeySequence& key,
                                       bool namesFile) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    Register(id, action);
    connect(action, &QAction::triggered, this, [this, command, namesFile] {
        OnDocumentCommand([command](CRungpadDoc& doc) { (doc.*command)(); }, namesFile);
    });
    m_documentActions << action;
    return action;
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

void CMainFrame::CreateActions() {
    m_newAct = new QAction(QStringLiteral("New(&N)"), this);
    m_newAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_newAct, &QAction::triggered, this, &CMainFrame::OnFileNew);
    m_openAct = new QAction(QStringLiteral("Open(&O)..."), this);
    m_openAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_openAct, &QAction::triggered, this, &CMainFrame::OnFileOpen);
    m_convertAct = new QAction(QStringLiteral("Convert(&V)"), this);
    m_convertAct->setShortcut(QKeySequence(Qt::Key_F7));
    connect(m_convertAct, &QAction::triggered, this, &CMainFrame::OnConvert);
    m_exitAct = new QAction(QStringLiteral("Exit(&X)"), this);
    connect(m_exitAct, &QAction::triggered, this, &QWidget::close);
    // Without a document this is the short menu's "Print(&R)..." (UpdateMenus).
    m_printSetupAct = new QAction(QStringLiteral("Print Setup(&R)..."), this);
    connect(m_printSetupAct, &QAction::triggered, this,
            [this] { CViewPrinter::OnFilePrintSetup(this, m_printer.Printer()); });
    m_aboutAct = new QAction(QStringLiteral("About Rungpad(&A)..."), this);
    connect(m_aboutAct, &QAction::triggered, this, [this] {
        QMessageBox::about(this, QApplication::applicationName(),
                           QStringLiteral("Rungpad %1").arg(QApplication::applicationVersion()));
    });
    Register(57600, m_newAct);
    Register(57601, m_openAct);
    Register(32789, m_convertAct);
    Register(57665, m_exitAct);
    Register(57606, m_printSetupAct);
    Register(57664, m_aboutAct);
    for (QAction*& act : m_recentActs) {
        act = new QAction(this);
        connect(act, &QAction::triggered, this,
                [this, act] { OpenDocumentFile(act->data().toString()); });
    }
}

void CMainFrame::CreateMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("File(&F)"));
    m_fileMenu->addAction(m_newAct);
    m_fileMenu->addAction(m_openAct);
    QAction* close = m_fileMenu->addAction(QStringLiteral("Close(&C)"));
    connect(close, &QAction::triggered, m_mdi, &QMdiArea::closeActiveSubWindow);
    Register(57602, close);
    m_documentActions << close;
    AddDocumentAction(m_fileMenu, 57603, QStringLiteral("Save(&S)"), &CRungpadDoc::DoFileSave,
                      QKeySequence(Qt::CTRL | Qt::Key_S), true);
    AddDocumentAction(m_fileMenu, 57604, QStringLiteral("Save As(&A)..."),
                      &CRungpadDoc::DoFileSaveAs, {}, true);
    m_documentActions << m_fileMenu->addSeparator();
    AddDocumentAction(m_fileMenu, 32825, QStringLiteral("Export Note(&E)..."),
                      &CRungpadDoc::OnExportNote);
    AddDocumentAction(m_fileMenu, 32826, QStringLiteral("Import Note(&I)..."),
                      &CRungpadDoc::OnImportNote);
    m_documentActions << m_fileMenu->addSeparator();
    AddDocumentAction(m_fileMenu, 32822, QStringLiteral("Ladder Generated File(&L)..."),
                      &CRungpadDoc::OnLadderGeneratedFile);
    AddDocumentAction(m_fileMenu, 32821, QStringLiteral("Generate Binary File(&B)..."),
                      &CRungpadDoc::OnGenerateBinaryFile);
    AddDocumentAction(m_fileMenu, 32828, QStringLiteral("Edit Ladder Diagram Information(&M)"),
                      &CRungpadDoc::OnEditLadderInfo);
    AddDocumentAction(m_fileMenu, 61452, QStringLiteral("Generate The Old Ladder Diagram File(&D)"),
                      &CRungpadDoc::OnGenerateOldLadderFile);
    AddDocumentAction(m_fileMenu, 32830, QStringLiteral("Generate Instruction List(&T)"),
                      &CRungpadDoc::OnGenerateInstructionList, QKeySequence(Qt::CTRL | Qt::Key_M));
    m_documentActions << m_fileMenu->addSeparator();
    const auto viewCommand = [this](QMenu* menu, int id, const QString& text,
                                    void (CRungpadView::*slot)(), const QKeySequence& key) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, slot] {
            if (CChildFrame* child = ActiveChild()) {
                (child->View()->*slot)();
            }
        });
        Register(id, action);
        m_documentActions << action;
    };
    viewCommand(m_fileMenu, 57607, QStringLiteral("Print(&P)..."), &CRungpadView::OnFilePrint,
                QKeySequence(Qt::CTRL | Qt::Key_P));
    viewCommand(m_fileMenu, 57609, QStringLiteral("Print Preview(&V)"),
                &CRungpadView::OnFilePrintPreview, {});
    m_fileMenu->addAction(m_printSetupAct);
    CreateDocumentationAction(m_fileMenu);
    m_documentActions << m_fileMenu->addSeparator();
    CreateCompareActions(m_fileMenu);
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction* act : m_recentActs) {
        m_fileMenu->addAction(act);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAct);

    CreateEditMenu();

    m_viewMenu = menuBar()->addMenu(QStringLiteral("View(&V)"));
    CreateWindowMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->addAction(m_aboutAct);
    CreateHelpItems(help);
}

void CMainFrame::CreateWindowMenu() {
    m_windowMenu = menuBar()->addMenu(QStringLiteral("Window(&W)"));
    const auto add = [this](int id, const QString& text, void (CMainFrame::*slot)()) {
        QAction* action = m_windowMenu->addAction(text, this, slot);
        Register(id, action);
    };
    add(57648, QStringLiteral("New Window(&N)"), &CMainFrame::OnWindowNew);
    add(57650, QStringLiteral("Cascade(&C)"), &CMainFrame::OnWindowCascade);
    add(57651, QStringLiteral("Tile(&T)"), &CMainFrame::OnWindowTile);
    add(57649, QStringLiteral("Array Icon(&A)"), &CMainFrame::OnWindowArrange);
    // The list of open windows follows, made each time the menu opens.
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowList);
    m_documentMenus << m_windowMenu;

    // Next and previous pane have keys but no menu items.
    auto* next = new QAction(QStringLiteral("Next Pane"), this);
    next->setShortcut(QKeySequence(Qt::Key_F6));
    connect(next, &QAction::triggered, m_mdi, &QMdiArea::activateNextSubWindow);
    auto* previous = new QAction(QStringLiteral("Previous Pane"), this);
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(previous, &QAction::triggered, m_mdi, &QMdiArea::activatePreviousSubWindow);
    addActions({Register(57680, next), Register(57681, previous)});
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

QAction* CMainFrame::AddEditAction(QWidget* into, int id, const QString& text,
                                   const QList<QKeySequence>& keys,
                                   const std::function<void(CLadEditor&)>& command) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    Register(id, action);
    connect(action, &QAction::triggered, this, [this, command] {
        if (CChildFrame* child = ActiveChild()) {
            child->View()->Edit(command);
        }
    });
    into->addAction(action);
    m_documentActions << action;
    m_editActions << action;
    return action;
}

void CMainFrame::CreateEditMenu() {
    using K = QKeySequence;
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
    m_undoAct = AddEditAction(edit, 57643, QStringLiteral("Undo(&U)"),
                              {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
                              [](CLadEditor& e) { e.OnUndo(); });
    m_redoAct = AddEditAction(edit, 57644, QStringLiteral("Redo(&Y)"), {K(Qt::CTRL | Qt::Key_Y)},
                              [](CLadEditor& e) { e.OnRedo(); });
    m_redoAct->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                        style()->standardIcon(QStyle::SP_ArrowForward)));
    edit->addSeparator();
    AddEditAction(edit, 32831, QStringLiteral("Multiple Line Selection(&S)"),
                  {K(Qt::CTRL | Qt::Key_B)}, [](CLadEditor& e) { e.OnSelectLines(); });
    AddEditAction(edit, 57635, QStringLiteral("Cut(&T)"),
                  {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
                  [](CLadEditor& e) { e.OnCut(); });
    AddEditAction(edit, 57634, QStringLiteral("Copy(&C)"),
                  {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnCopy(); });
    AddEditAction(edit, 57637, QStringLiteral("Paste(&P)"),
                  {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnPaste(); });
    m_modifyNoteAct =
        AddEditAction(edit, 32823, QStringLiteral("Modify Note(&M)"), {K(Qt::CTRL | Qt::Key_T)},
                      [](CLadEditor& e) { e.OnModifyNote(); });
    edit->addSeparator();
    AddEditAction(edit, 32780, QStringLiteral("Insert Line(&I)"), {K(Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnInsertLine(); });
    AddEditAction(edit, 32781, QStringLiteral("Delete Line(&D)"), {K(Qt::CTRL | Qt::Key_Delete)},
                  [](CLadEditor& e) { e.OnDeleteLine(); });
    edit->addSeparator();
    AddEditAction(edit, 32832, QStringLiteral("Go Line(&G)"), {K(Qt::CTRL | Qt::Key_I)},
                  [](CLadEditor& e) { e.OnGoLine(); });
    QAction* find = edit->addAction(QStringLiteral("Find(&F)"));
    find->setShortcut(K(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, [this] {
        if (CChildFrame* child = ActiveChild()) {
            child->View()->OnFind();
        }
    });
    QAction* replace = edit->addAction(QStringLiteral("Replace(&R)"));
    replace->setShortcut(K(Qt::CTRL | Qt::Key_H));
    connect(replace, &QAction::triggered, this, [this] {
        if (CChildFrame* child = ActiveChild()) {
            CReplaceDlg dialog(m_replaceButtons, *child->View(), this);
            dialog.exec();
        }
    });
    Register(32782, find);
    Register(32827, replace);
    m_documentActions << find << replace;
    edit->addSeparator();
    edit->addAction(m_convertAct);
    m_documentMenus << edit;
}

void CMainFrame::CreateElementToolBar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Elements"));
    toolbar->setObjectName(QStringLiteral("ElementToolBar"));
    // The toolbar's order: contacts, lines, deletions, coils, then the function command.
    for (const int id : {32771, 32773, 32774, 32776, 32777, 32778, 32772, 32775}) {
        for (const EditCommands::ElementTool& tool : EditCommands::kElementTools) {
            if (tool.id != id) {
                continue;
            }
            const int kind = tool.kind;
            QAction* action = AddEditAction(toolbar, id, QtText::ToQString(tool.menuText),
                                            {QKeySequence(QtText::ToQString(tool.key))},
                                            [kind](CLadEditor& e) { e.PlaceElement(kind); });
            action->setIcon(ElementIcons::ForKind(kind));
        }
    }
    toolbar->addSeparator();
    // The function button: a click asks for the function by name, its arrow lists them all.
    QAction* function = AddEditAction(
        toolbar, EditCommands::kFunctionDialog, QStringLiteral("function command"),
        {QKeySequence(Qt::CTRL | Qt::Key_A)}, [](CLadEditor& e) { e.OnFunctionCommand(); });
    auto* functions = new QMenu(this);
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        const int id = command.id;
        AddEditAction(functions, id, QtText::ToQString(command.MenuText()), {},
                      [id](CLadEditor& e) { e.OnFunctionMenuCommand(id); });
    }
    function->setMenu(functions);
    m_functionMenu = functions;
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(function))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void CMainFrame::CreateToolBar() {
    using Tool = ToolIcons::Tool;
    QToolBar* toolbar = addToolBar(QStringLiteral("Standard"));
    toolbar->setObjectName(QStringLiteral("StandardToolBar"));
    // New, Open, Save | Cut, Copy, Paste | Undo | Convert, Find | Print | About; 0 a separator.
    static constexpr std::array<std::pair<int, Tool>, 15> kButtons = {{
        {57600, Tool::New},
        {57601, Tool::Open},
        {57603, Tool::Save},
        {0, Tool::New},
        {57635, Tool::Cut},
        {57634, Tool::Copy},
        {57637, Tool::Paste},
        {0, Tool::New},
        {57643, Tool::Undo},
        {0, Tool::New},
        {32789, Tool::Convert},
        {32782, Tool::Find},
        {0, Tool::New},
        {57607, Tool::Print},
        {57664, Tool::About},
    }};
    for (const auto& [id, tool] : kButtons) {
        if (id == 0) {
            toolbar->addSeparator();
        } else if (QAction* action = Command(id)) {
            action->setIcon(ToolIcons::For(tool));
            toolbar->addAction(action);
            if (id == 57643) {
                toolbar->addAction(m_redoAct);  // Redo beside Undo
            }
        }
    }
    QAction* toggle = toolbar->toggleViewAction();
    toggle->setText(QStringLiteral("Toolbar(&T)"));
    Register(59392, toggle);
    m_viewMenu->addAction(toggle);
}

void CMainFrame::CreateStatusBar() {
    m_idle = new QLabel(QStringLiteral("be ready"), this);
    statusBar()->addWidget(m_idle, 1);
    CreateInfoPanes();
    // The lock key panes show their names while the lock is on.
    for (std::size_t i = 0; i < m_lockPanes.size(); ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromLatin1(kLockPaneNames.at(i)));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(
            pane->fontMetrics().horizontalAdvance(QString::fromLatin1(kLockPaneNames.at(i))) + 8);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
        m_lockPanes.at(i) = pane;
    }
    qApp->installEventFilter(this);
    UpdateLockPanes();
    QAction* statusBarAct = m_viewMenu->addAction(QStringLiteral("Status Bar(&S)"));
    statusBarAct->setCheckable(true);
    statusBarAct->setChecked(true);
    Register(59393, statusBarAct);
    connect(statusBarAct, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_viewMenu->addSeparator();
    QAction* output = m_output->toggleViewAction();
    output->setText(QStringLiteral("Output window(&O)"));
    QAction* instruction = m_instruction->toggleViewAction();
    instruction->setText(QStringLiteral("Instruction Window(&I)"));
    Register(32787, output);
    Register(32791, instruction);
    m_viewMenu->addAction(output);
    m_viewMenu->addAction(instruction);
    m_documentActions << output << instruction;
}

void CMainFrame::UpdateLockPanes() {
    const std::optional<LockKeys::State> state = LockKeys::Read();
    const std::array<bool, 3> on = {state && state->caps, state && state->num,
                                    state && state->scroll};
    for (std::size_t i = 0; i < m_lockPanes.size(); ++i) {
        m_lockPanes.at(i)->setText(on.at(i) ? QString::fromLatin1(kLockPaneNames.at(i))
                                            : QString());
    }
}

}  // namespace rungpad
