#include "shell/MainFrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <string>
#include <vector>

#include "dialogs/ReplaceDlg.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/ChildFrm.h"
#include "shell/CoolBar.h"
#include "shell/OutputNavigator.h"
#include "shell/XrefWindow.h"
#include "view/ElementIcons.h"
#include "view/RungpadView.h"
#include "view/ViewFonts.h"

namespace rungpad {

namespace {

constexpr const char* kOpenFilter =
    "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||";
constexpr double kWindowFontPoints = 9.6;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString CanonicalPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_qtBox(this),
      m_qtHost(this),
      m_box(&m_qtBox),
      m_host(&m_qtHost),
      m_printer(QPrinter::HighResolution) {
    setWindowTitle(QStringLiteral("Ladder diagram editor"));
    m_mdi = new QMdiArea(this);
    setCentralWidget(m_mdi);
    CreateDockWindows();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateElementToolBar();
    CreateStatusBar();
    CreateNavigation();
    setAcceptDrops(true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateMenus);
    LoadRecentFiles();
    UpdateRecentFileActions();
    UpdateMenus();
    resize(1000, 760);
}

CMainFrame::~CMainFrame() {
    // The documents report to this frame and its hosts: they go before the frame's members do.
    disconnect(m_mdi, nullptr, this, nullptr);
    delete m_mdi;
}

void CMainFrame::CreateDockWindows() {
    m_output = new CCoolBar(QStringLiteral("输出窗口"), QStringLiteral("OutputWindow"), true, this);
    m_comment =
        new CCoolBar(QStringLiteral("注释窗口"), QStringLiteral("CommentWindow"), true, this);
    m_instruction = new CCoolBar(QStringLiteral("指令表输出窗口"),
                                 QStringLiteral("InstructionWindow"), false, this);
    QFont font = ViewFonts::FixedFace();
    font.setPointSizeF(kWindowFontPoints);
    m_output->Edit()->setFont(font);
    m_instruction->Edit()->setFont(font);
    addDockWidget(Qt::BottomDockWidgetArea, m_output);
    splitDockWidget(m_output, m_comment, Qt::Horizontal);
    addDockWidget(Qt::RightDockWidgetArea, m_instruction);
    resizeDocks({m_output}, {120}, Qt::Vertical);
    resizeDocks({m_instruction}, {250}, Qt::Horizontal);
    m_comment->hide();
    m_instruction->hide();
}

QAction* CMainFrame::AddDocumentAction(QMenu* menu, const QString& text,
                                       bool (CRungpadDoc::*command)(), const QKeySequence& key,
                                       bool namesFile) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command, namesFile] {
        OnDocumentCommand([command](CRungpadDoc& doc) { (doc.*command)(); }, namesFile);
    });
    m_documentActions << action;
    return action;
}

template <typename Command>
void CMainFrame::OnDocumentCommand(Command command, bool namesFile) {
    CChildFrame* child = ActiveChild();
    if (!child) {
        return;
    }
    command(child->Document());
    child->UpdateTitle();
    // Only saving names the document's file; output files leave the recent list alone.
    const std::string& path = child->Document().State().PathName();
    if (namesFile && !path.empty()) {
        AddRecentFile(QFile::decodeName(path.c_str()));
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
    m_convertAct->setStatusTip(QStringLiteral("Convert Ladder diagram(F7)"));
    connect(m_convertAct, &QAction::triggered, this, &CMainFrame::OnConvert);
    m_exitAct = new QAction(QStringLiteral("Exit(&X)"), this);
    connect(m_exitAct, &QAction::triggered, this, &QWidget::close);
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
    m_documentActions << close;
    AddDocumentAction(m_fileMenu, QStringLiteral("Save(&S)"), &CRungpadDoc::DoFileSave,
                      QKeySequence(Qt::CTRL | Qt::Key_S), true);
    AddDocumentAction(m_fileMenu, QStringLiteral("Save As(&A)..."), &CRungpadDoc::DoFileSaveAs, {},
                      true);
    m_documentActions << m_fileMenu->addSeparator();
    AddDocumentAction(m_fileMenu, QStringLiteral("Export Note(&E)..."), &CRungpadDoc::OnExportNote);
    AddDocumentAction(m_fileMenu, QStringLiteral("Import Note(&I)..."), &CRungpadDoc::OnImportNote);
    m_documentActions << m_fileMenu->addSeparator();
    AddDocumentAction(m_fileMenu, QStringLiteral("Ladder Generated File(&L)..."),
                      &CRungpadDoc::OnLadderGeneratedFile);
    AddDocumentAction(m_fileMenu, QStringLiteral("Generate Binary File(&B)..."),
                      &CRungpadDoc::OnGenerateBinaryFile);
    AddDocumentAction(m_fileMenu, QStringLiteral("Edit Ladder Diagram Information(&M)"),
                      &CRungpadDoc::OnEditLadderInfo);
    AddDocumentAction(m_fileMenu, QStringLiteral("Generate The Old Ladder Diagram File(&D)"),
                      &CRungpadDoc::OnGenerateOldLadderFile);
    AddDocumentAction(m_fileMenu, QStringLiteral("Generate Instruction List(&T)"),
                      &CRungpadDoc::OnGenerateInstructionList, QKeySequence(Qt::CTRL | Qt::Key_M));
    m_documentActions << m_fileMenu->addSeparator();
    const auto viewCommand = [this](QMenu* menu, const QString& text, void (CRungpadView::*slot)(),
                                    const QKeySequence& key) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, slot] {
            if (CChildFrame* child = ActiveChild()) {
                (child->View()->*slot)();
            }
        });
        m_documentActions << action;
    };
    viewCommand(m_fileMenu, QStringLiteral("Print(&P)..."), &CRungpadView::OnFilePrint,
                QKeySequence(Qt::CTRL | Qt::Key_P));
    viewCommand(m_fileMenu, QStringLiteral("Print Preview(&V)"), &CRungpadView::OnFilePrintPreview,
                {});
    viewCommand(m_fileMenu, QStringLiteral("Print Setup(&R)..."), &CRungpadView::OnFilePrintSetup,
                {});
    m_recentSeparator = m_fileMenu->addSeparator();
    for (QAction* act : m_recentActs) {
        m_fileMenu->addAction(act);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAct);

    CreateEditMenu();

    m_viewMenu = menuBar()->addMenu(QStringLiteral("View(&V)"));
    QMenu* window = menuBar()->addMenu(QStringLiteral("Window(&W)"));
    window->addAction(QStringLiteral("Cascade(&C)"), m_mdi, &QMdiArea::cascadeSubWindows);
    window->addAction(QStringLiteral("Tile(&T)"), m_mdi, &QMdiArea::tileSubWindows);
    QAction* next =
        window->addAction(QStringLiteral("Next Pane"), m_mdi, &QMdiArea::activateNextSubWindow);
    next->setShortcut(QKeySequence(Qt::Key_F6));
    QAction* previous = window->addAction(QStringLiteral("Previous Pane"), m_mdi,
                                          &QMdiArea::activatePreviousSubWindow);
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    m_documentMenus << window;

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->addAction(QStringLiteral("About Rungpad(&A)..."), this, [this] {
        QMessageBox::about(this, QApplication::applicationName(),
                           QStringLiteral("Rungpad %1").arg(QApplication::applicationVersion()));
    });
}

QAction* CMainFrame::AddEditAction(QWidget* into, const QString& text,
                                   const QList<QKeySequence>& keys,
                                   const std::function<void(CLadEditor&)>& command) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, command] {
        if (CChildFrame* child = ActiveChild()) {
            child->View()->Edit(command);
        }
    });
    into->addAction(action);
    m_documentActions << action;
    return action;
}

void CMainFrame::CreateEditMenu() {
    using K = QKeySequence;
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
    m_undoAct = AddEditAction(edit, QStringLiteral("Undo(&U)"),
                              {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
                              [](CLadEditor& e) { e.OnUndo(); });
    m_redoAct = AddEditAction(edit, QStringLiteral("Redo(&Y)"), {K(Qt::CTRL | Qt::Key_Y)},
                              [](CLadEditor& e) { e.OnRedo(); });
    m_redoAct->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                        style()->standardIcon(QStyle::SP_ArrowForward)));
    edit->addSeparator();
    AddEditAction(edit, QStringLiteral("Multiple Line Selection(&S)"), {K(Qt::CTRL | Qt::Key_B)},
                  [](CLadEditor& e) { e.OnSelectLines(); });
    AddEditAction(edit, QStringLiteral("Cut(&T)"),
                  {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
                  [](CLadEditor& e) { e.OnCut(); });
    AddEditAction(edit, QStringLiteral("Copy(&C)"),
                  {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnCopy(); });
    AddEditAction(edit, QStringLiteral("Paste(&P)"),
                  {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnPaste(); });
    m_modifyNoteAct =
        AddEditAction(edit, QStringLiteral("Modify Note(&M)"), {K(Qt::CTRL | Qt::Key_T)},
                      [](CLadEditor& e) { e.OnModifyNote(); });
    edit->addSeparator();
    AddEditAction(edit, QStringLiteral("Insert Line(&I)"), {K(Qt::Key_Insert)},
                  [](CLadEditor& e) { e.OnInsertLine(); });
    AddEditAction(edit, QStringLiteral("Delete Line(&D)"), {K(Qt::CTRL | Qt::Key_Delete)},
                  [](CLadEditor& e) { e.OnDeleteLine(); });
    edit->addSeparator();
    AddEditAction(edit, QStringLiteral("Go Line(&G)"), {K(Qt::CTRL | Qt::Key_I)},
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
            QAction* action = AddEditAction(
                toolbar, QString::fromUtf8(tool.menuText.data(), tool.menuText.size()),
                {QKeySequence(QString::fromUtf8(tool.key.data(), tool.key.size()))},
                [kind](CLadEditor& e) { e.PlaceElement(kind); });
            action->setIcon(ElementIcons::ForKind(kind));
        }
    }
    toolbar->addSeparator();
    // The function button: a click asks for the function by name, its arrow lists them all.
    QAction* function = AddEditAction(toolbar, QStringLiteral("function command"),
                                      {QKeySequence(Qt::CTRL | Qt::Key_A)},
                                      [](CLadEditor& e) { e.OnFunctionCommand(); });
    auto* functions = new QMenu(this);
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        const int id = command.id;
        AddEditAction(functions,
                      QString::fromUtf8(command.menuText.data(), command.menuText.size()), {},
                      [id](CLadEditor& e) { e.OnFunctionMenuCommand(id); });
    }
    function->setMenu(functions);
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(function))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    m_viewMenu->addAction(toolbar->toggleViewAction());
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Standard"));
    toolbar->setObjectName(QStringLiteral("StandardToolBar"));
    toolbar->addAction(m_newAct);
    toolbar->addAction(m_openAct);
    toolbar->addSeparator();
    toolbar->addAction(m_redoAct);
    toolbar->addSeparator();
    toolbar->addAction(m_convertAct);
    m_viewMenu->addAction(toolbar->toggleViewAction());
}

void CMainFrame::CreateStatusBar() {
    m_idle = new QLabel(QStringLiteral("be ready"), this);
    statusBar()->addWidget(m_idle, 1);
    QAction* statusBarAct = m_viewMenu->addAction(QStringLiteral("Status Bar(&S)"));
    statusBarAct->setCheckable(true);
    statusBarAct->setChecked(true);
    connect(statusBarAct, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_viewMenu->addSeparator();
    QAction* output = m_output->toggleViewAction();
    output->setText(QStringLiteral("Output window(&O)"));
    QAction* instruction = m_instruction->toggleViewAction();
    instruction->setText(QStringLiteral("Instruction Window(&I)"));
    m_viewMenu->addAction(output);
    m_viewMenu->addAction(instruction);
    m_documentActions << output << instruction;
}

void CMainFrame::CreateNavigation() {
    m_xref = new CXrefWindow(this);
    m_xref->SetSource([this]() -> const CRungpadDoc* { return ActiveDocument(); });
    addDockWidget(Qt::RightDockWidgetArea, m_xref);
    m_xref->hide();
    QAction* xref = m_xref->toggleViewAction();
    xref->setText(QStringLiteral("Cross Reference"));
    m_viewMenu->addAction(xref);
    m_documentActions << xref;
    connect(m_xref, &CXrefWindow::UseActivated, this,
            [this](GridPos place) { ShowPlace(nullptr, place, place); });

    m_navigator = new COutputNavigator(m_output->Edit(), m_instruction->Edit(), this);
    connect(m_navigator, &COutputNavigator::PlaceChosen, this, &CMainFrame::ShowPlace);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        ShowLiveStatus();
        m_xref->ScheduleRefresh();
    });
}

void CMainFrame::ConnectView(CChildFrame* child) {
    CRungpadView* view = child->View();
    connect(view, &CRungpadView::LiveCheckChanged, this, [this, child] {
        if (ActiveChild() == child) {
            ShowLiveStatus();
            m_xref->ScheduleRefresh();
        }
    });
    connect(view, &CRungpadView::Edited, this, [this, child] {
        if (ActiveChild() == child) {
            m_xref->ScheduleRefresh();
        }
    });
    connect(view, &CRungpadView::CrossReferenceRequested, m_xref, &CXrefWindow::SelectAddress);
}

void CMainFrame::ShowLiveStatus() {
    CChildFrame* child = ActiveChild();
    const QString message = child ? child->View()->LiveErrorMessage() : QString();
    if (message.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(message);
    }
}

void CMainFrame::ShowPlace(CChildFrame* child, GridPos anchor, GridPos cursor) {
    if (child == nullptr || !Children().contains(child)) {
        child = ActiveChild();
    }
    if (child == nullptr) {
        return;
    }
    m_mdi->setActiveSubWindow(child);
    child->View()->ShowPlace(anchor, cursor);
    UpdateEditCommands();
}

void CMainFrame::UpdateMenus() {
    const bool hasDocument = ActiveChild() != nullptr;
    FollowActiveDocument();
    for (QAction* action : m_documentActions) {
        action->setVisible(hasDocument);
    }
    for (QMenu* menu : m_documentMenus) {
        menu->menuAction()->setVisible(hasDocument);
    }
    m_convertAct->setEnabled(hasDocument);
    UpdateEditCommands();
}

void CMainFrame::UpdateEditCommands() {
    CChildFrame* child = ActiveChild();
    const CLadEditor* editor = child ? child->View()->Editor() : nullptr;
    m_undoAct->setEnabled(editor && editor->CanUndo());
    m_redoAct->setEnabled(editor && editor->CanRedo());
    m_modifyNoteAct->setEnabled(editor && editor->CanModifyNote());
}

CChildFrame* CMainFrame::ActiveChild() const {
    QMdiSubWindow* active = m_mdi->activeSubWindow();
    if (!active) {
        // The window keeps its document while another application has the focus.
        const QList<QMdiSubWindow*> windows =
            m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        active = windows.isEmpty() ? nullptr : windows.last();
    }
    return qobject_cast<CChildFrame*>(active);
}

CRungpadDoc* CMainFrame::ActiveDocument() const {
    CChildFrame* child = ActiveChild();
    return child ? &child->Document() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) {
            children << child;
        }
    }
    return children;
}

CChildFrame* CMainFrame::AddChild(std::unique_ptr<CRungpadDoc> doc) {
    auto* child = new CChildFrame(std::move(doc), m_clipboard);
    child->View()->SetPrinter(&m_printer);
    m_mdi->addSubWindow(child);
    connect(child->View(), &CRungpadView::Edited, this, &CMainFrame::UpdateEditCommands);
    ConnectView(child);
    // Once a closed window is gone, the menus follow the windows that remain.
    connect(child, &QObject::destroyed, this, &CMainFrame::UpdateMenus, Qt::QueuedConnection);
    child->showMaximized();
    m_mdi->setActiveSubWindow(child);
    UpdateMenus();
    return child;
}

CChildFrame* CMainFrame::FindChild(const QString& path) const {
    const QString wanted = CanonicalPath(path);
    for (CChildFrame* child : Children()) {
        const std::string& own = child->Document().State().PathName();
        if (!own.empty() && CanonicalPath(QFile::decodeName(own.c_str())) == wanted) {
            return child;
        }
    }
    return nullptr;
}

CChildFrame* CMainFrame::NewDocument() {
    auto doc = std::make_unique<CRungpadDoc>(*this, *m_box, *m_host);
    doc->OnNewDocument(++m_untitledCount);
    return AddChild(std::move(doc));
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    if (CChildFrame* open = FindChild(path)) {
        m_mdi->setActiveSubWindow(open);
        return true;
    }
    auto doc = std::make_unique<CRungpadDoc>(*this, *m_box, *m_host);
    if (!doc->OnOpenDocument(ToLocalPath(path))) {
        return false;
    }
    const bool named = !doc->State().PathName().empty();
    AddChild(std::move(doc));
    if (named) {
        AddRecentFile(path);
    }
    return true;
}

void CMainFrame::OnFileNew() {
    NewDocument();
}

void CMainFrame::OnFileOpen() {
    const auto path = m_host->ChooseOpenFile({"", "", kOpenFilter});
    if (path) {
        OpenDocumentFile(QFile::decodeName(path->c_str()));
    }
}

void CMainFrame::OnConvert() {
    if (CRungpadDoc* doc = ActiveDocument()) {
        doc->ConvertProgram();
    }
}

void CMainFrame::AddRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > kRecentFiles) {
        m_recentFiles.removeLast();
    }
    SaveRecentFiles();
    UpdateRecentFileActions();
}

// The recent files live in the settings as "Recent File List/File1" to "File4", newest first.
void CMainFrame::LoadRecentFiles() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    m_recentFiles.clear();
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            m_recentFiles << path;
        }
    }
}

void CMainFrame::SaveRecentFiles() const {
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_recentFiles.size()) {
            settings.setValue(key, m_recentFiles.at(i - 1));
        } else {
            settings.remove(key);
        }
    }
}

void CMainFrame::UpdateRecentFileActions() {
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* act = m_recentActs.at(static_cast<std::size_t>(i));
        const bool used = i < m_recentFiles.size();
        act->setVisible(used);
        if (used) {
            act->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(m_recentFiles.at(i)).fileName()));
            act->setData(m_recentFiles.at(i));
        }
    }
    m_recentSeparator->setVisible(!m_recentFiles.isEmpty());
}

bool CMainFrame::CloseAllDocuments() {
    // Every changed document is asked about before any window closes, so Cancel closes nothing.
    const QList<CChildFrame*> children = Children();
    for (CChildFrame* child : children) {
        if (!child->Document().SaveModified()) {
            return false;
        }
    }
    for (CChildFrame* child : children) {
        child->CloseWithoutAsking();
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            OpenDocumentFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

void CMainFrame::OutputLine(std::string_view text) {
    m_output->show();
    m_output->Edit()->appendPlainText(FromUtf8(text));
    if (m_navigator) {
        m_navigator->NoteOutputLine(ActiveChild());
    }
}

void CMainFrame::ClearOutput() {
    m_output->Edit()->clear();
    if (m_navigator) {
        m_navigator->NoteOutputReplaced(nullptr);
    }
}

void CMainFrame::SetOutputText(std::string_view text) {
    m_output->Edit()->setPlainText(FromUtf8(text));
    if (m_navigator) {
        m_navigator->NoteOutputReplaced(ActiveChild());
    }
}

void CMainFrame::ShowCellNote(std::string_view note) {
    SetOutputText(note);
}

void CMainFrame::SetInstructionText(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        text << FromUtf8(line);
    }
    m_instruction->Edit()->setPlainText(text.join(u'\n'));
    if (m_navigator) {
        m_navigator->NoteInstructionList(ActiveChild());
    }
}

void CMainFrame::ShowInstructionList(const std::vector<std::string>& lines) {
    m_instruction->show();
    SetInstructionText(lines);
}

void CMainFrame::ClearInstructionWindow() {
    m_instruction->Edit()->clear();
    m_instruction->hide();
    m_listDocument = nullptr;  // the window stays empty until the user turns to another document
}

void CMainFrame::FollowActiveDocument() {
    CRungpadDoc* doc = ActiveDocument();
    if (doc == m_listDocument) {
        return;
    }
    // Switching documents: the instruction window shows the new one's last conversion, never
    // another document's list. Right after a close it stays empty.
    if (m_listDocument) {
        SetInstructionText(doc ? doc->LastInstructionList() : std::vector<std::string>{});
    }
    m_listDocument = doc;
}

}  // namespace rungpad
