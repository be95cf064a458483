#include "shell/frame/MainFrm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <string>
#include <vector>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/OutputNavigator.h"
#include "shell/panels/XrefWindow.h"
#include "text/QtText.h"
#include "view/RungpadView.h"
#include "view/ViewFonts.h"

namespace rungpad {

namespace {

constexpr double kWindowFontPoints = 9.6;

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_qtBox(this),
      m_qtHost(this),
      m_box(&m_qtBox),
      m_host(&m_qtHost),
      m_firstShow(*this) {
    m_language.Apply(UiLanguage::Saved());
    setWindowTitle(tr("Ladder diagram editor"));
    m_mdi = new QMdiArea(this);
    setCentralWidget(m_mdi);
    CreateDockWindows();
    CreateActions();
    CreateToolBar();
    CreateElementToolBar();
    CreateStatusBar();
    CreateNavigation();
    CreateSimulationMenu();
    CreateMenus();  // once every window has made the action that shows it
    CreateDiskWatcher();
    CreateLanguageMenu();
    setAcceptDrops(true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateMenus);
    LoadRecentFiles();
    UpdateRecentFileActions();
    UpdateMenus();
    resize(1000, 760);
}

CMainFrame::~CMainFrame() {
    m_language.Uninstall();  // while every member the frame's texts need is still there
    m_firstShow.Flush();     // a frame gone before its first picture still saves its settings
    // The documents report to this frame and its hosts: they go before the frame's members do.
    disconnect(m_mdi, nullptr, this, nullptr);
    delete m_mdi;
}

void CMainFrame::CreateDockWindows() {
    m_output = new CCoolBar(tr("输出窗口"), QStringLiteral("OutputWindow"), true, this);
    m_comment = new CCoolBar(tr("注释窗口"), QStringLiteral("CommentWindow"), true, this);
    m_instruction =
        new CCoolBar(tr("指令表输出窗口"), QStringLiteral("InstructionWindow"), false, this);
    QFont font = ViewFonts::FixedFace();
    font.setPointSizeF(kWindowFontPoints);
    m_output->Edit()->setFont(font);
    m_instruction->Edit()->setFont(font);
    addDockWidget(Qt::BottomDockWidgetArea, m_output);
    splitDockWidget(m_output, m_comment, Qt::Horizontal);
    addDockWidget(Qt::RightDockWidgetArea, m_instruction);
    resizeDocks({m_output}, {kOutputHeight}, Qt::Vertical);
    resizeDocks({m_instruction}, {250}, Qt::Horizontal);
    m_comment->hide();
    m_instruction->hide();
}

void CMainFrame::CreateNavigation() {
    AddDockStandIn(EditCommands::kCrossReference, [this] { XrefWindow(); });
    m_navigator = new COutputNavigator(m_output->Edit(), m_instruction->Edit(), this);
    connect(m_navigator, &COutputNavigator::PlaceChosen, this, &CMainFrame::ShowPlace);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        ShowLiveStatus();
        RefreshCrossReference();
    });
}

CXrefWindow* CMainFrame::XrefWindow() {
    if (m_xref) {
        return m_xref;
    }
    m_xref = new CXrefWindow(this);
    m_xref->SetSource([this]() -> const CRungpadDoc* { return ActiveDocument(); });
    QAction* toggle = AddLateDock(EditCommands::kCrossReference, *m_xref, [this] {
        // Between the instruction window and Signals, where it stands when made first.
        const auto dockedRight = [this](QDockWidget* dock) {
            return dock && !dock->isFloating() && dockWidgetArea(dock) == Qt::RightDockWidgetArea;
        };
        if (dockedRight(m_signals) && dockedRight(m_instruction)) {
            splitDockWidget(m_instruction, m_xref, Qt::Vertical);
        } else {
            addDockWidget(Qt::RightDockWidgetArea, m_xref);
        }
    });
    connect(toggle, &QAction::toggled, this, &CMainFrame::FitCrossReference);
    connect(m_xref, &CXrefWindow::UseActivated, this,
            [this](GridPos place) { ShowPlace(nullptr, place, place); });
    return m_xref;
}

void CMainFrame::RefreshCrossReference() {
    // A window not made yet reads the document when it is first shown.
    if (m_xref) {
        m_xref->ScheduleRefresh();
    }
}

void CMainFrame::OnCoilReferencesToggled(bool on) {
    // Every window follows the one setting.
    for (CChildFrame* child : Children()) {
        child->View()->SetCoilReferencesShown(on);
    }
}

void CMainFrame::ConnectView(CChildFrame* child) {
    CRungpadView* view = child->View();
    view->SetCoilReferencesShown(m_coilRefsAct->isChecked());
    connect(view, &CRungpadView::LiveCheckChanged, this, [this, child] {
        if (ActiveChild() == child) {
            ShowLiveStatus();
            RefreshCrossReference();
        }
    });
    connect(view, &CRungpadView::Edited, this, [this, child] {
        if (ActiveChild() == child) {
            RefreshCrossReference();
        }
    });
    connect(view, &CRungpadView::CrossReferenceRequested, this,
            [this](const QString& address) { XrefWindow()->SelectAddress(address); });
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

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
        case QEvent::WindowActivate:
            // While the first picture is on its way the panes wait for it: the window is
            // activated about then, and asking the display would wait for the picture.
            if ((watched == this || event->type() != QEvent::WindowActivate) &&
                !m_firstShow.Pending()) {
                UpdateLockPanes();
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
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
    // The simulation toolbar stays on screen; without a document its buttons have nothing to run.
    m_simStartAct->setEnabled(hasDocument);
    m_simScanAct->setEnabled(hasDocument);
    RetranslateCommand(EditCommands::kFilePrintSetup);  // "Print(&R)..." without a document
    UpdateEditCommands();
    UpdateInfoPanes();
    NumberViews();
    UpdateTitle();
    // A window left alone after the others closed fills the area again.
    const QList<CChildFrame*> children = Children();
    if (children.size() == 1 && !children.first()->isMaximized() &&
        !children.first()->isMinimized() && m_windowCount > 1) {
        children.first()->showMaximized();
    }
    m_windowCount = static_cast<int>(children.size());
    if (m_sim && m_sim->IsActive()) {
        SetSimulating(true);  // still read-only while another window is active
    }
}

void CMainFrame::UpdateEditCommands() {
    CChildFrame* child = ActiveChild();
    const CLadEditor* editor = child ? child->View()->Editor() : nullptr;
    m_undoAct->setEnabled(editor && editor->CanUndo());
    m_redoAct->setEnabled(editor && editor->CanRedo());
    m_modifyNoteAct->setEnabled(editor && editor->CanModifyNote());
}

void CMainFrame::OutputLine(std::string_view text) {
    m_output->show();
    m_output->Edit()->appendPlainText(QtText::ToQString(text));
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
    m_output->Edit()->setPlainText(QtText::ToQString(text));
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
        text << QtText::ToQString(line);
    }
    m_instruction->Edit()->setPlainText(text.join(u'\n'));
    if (m_navigator) {
        m_navigator->NoteInstructionList(ActiveChild());
    }
}

void CMainFrame::ShowInstructionList(const std::vector<std::string>& lines) {
    m_instruction->show();
    SetInstructionText(lines);
    MarkInstructionList();
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
    MarkInstructionList();
}

}  // namespace rungpad
