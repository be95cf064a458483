// The main frame's documents and their windows: opening, new windows on one document, recent
// files, closing, dropped files.

#include "shell/frame/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <algorithm>
#include <string>
#include <vector>

#include "document/RecoveryCopy.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/OutputNavigator.h"
#include "shell/panels/XrefWindow.h"
#include "text/QtText.h"
#include "view/RungpadView.h"
#include "view/ViewPrinter.h"

namespace rungpad {

namespace {

constexpr const char* kOpenFilter =
    "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||";

QString CanonicalPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

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

CChildFrame* CMainFrame::AddChild(std::shared_ptr<CRungpadDoc> doc) {
    auto* child = new CChildFrame(std::move(doc), m_clipboard);
    child->SetLastViewTest(
        [this](const CChildFrame* asking) { return ViewsOf(asking->Document()).size() <= 1; });
    child->View()->SetPrinter(&m_printer);
    child->View()->SetCommandLookup([this](int id) { return Command(id); });
    m_mdi->addSubWindow(child);
    connect(child->View(), &CRungpadView::Edited, this, [this, child] { OnViewEdited(child); });
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateTitle);
    FollowZoom(child);
    ConnectView(child);
    // Once a closed window is gone, the menus follow the windows that remain.
    connect(child, &QObject::destroyed, this, &CMainFrame::UpdateMenus, Qt::QueuedConnection);
    child->showMaximized();
    m_mdi->setActiveSubWindow(child);
    UpdateMenus();
    return child;
}

QList<CChildFrame*> CMainFrame::ViewsOf(const CRungpadDoc& doc) const {
    QList<CChildFrame*> views;
    for (CChildFrame* child : Children()) {
        if (&child->Document() == &doc && !child->IsClosing()) {
            views << child;
        }
    }
    return views;
}

void CMainFrame::OnViewEdited(CChildFrame* edited) {
    // The other windows of the document show the change too.
    for (CChildFrame* child : ViewsOf(edited->Document())) {
        if (child != edited) {
            child->View()->UpdateScrollSize();
            child->View()->viewport()->update();
            child->View()->ScheduleLiveCheck();
        }
        child->UpdateTitle();
    }
    UpdateEditCommands();
    UpdateInfoPanes();
}

void CMainFrame::NumberViews() {
    QList<const CRungpadDoc*> numbered;
    for (CChildFrame* child : Children()) {
        const CRungpadDoc& doc = child->Document();
        if (numbered.contains(&doc)) {
            continue;
        }
        numbered << &doc;
        const QList<CChildFrame*> views = ViewsOf(doc);
        for (int i = 0; i < views.size(); ++i) {
            views.at(i)->SetViewNumber(views.size() > 1 ? i + 1 : 0);
        }
    }
}

void CMainFrame::OnWindowNew() {
    if (CChildFrame* child = ActiveChild()) {
        AddChild(child->SharedDocument());
    }
}

CChildFrame* CMainFrame::FindChild(const QString& path) const {
    const QString wanted = CanonicalPath(path);
    for (CChildFrame* child : Children()) {
        const std::string& own = child->Document().State().PathName();
        if (!own.empty() && CanonicalPath(QtText::FromLocalPath(own)) == wanted) {
            return child;
        }
    }
    return nullptr;
}

CChildFrame* CMainFrame::NewDocument() {
    ClearOutput();  // another document's messages are not this one's
    auto doc = std::make_unique<CRungpadDoc>(*this, *m_box, *m_host);
    doc->OnNewDocument(++m_untitledCount);
    return AddChild(std::move(doc));
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    if (CChildFrame* open = FindChild(path)) {
        m_mdi->setActiveSubWindow(open);
        return true;
    }
    ClearOutput();
    auto doc = std::make_unique<CRungpadDoc>(*this, *m_box, *m_host);
    if (!doc->OnOpenDocument(QtText::ToLocalPath(path))) {
        return false;
    }
    const bool named = !doc->State().PathName().empty();
    AddChild(std::move(doc));
    if (named) {
        AddRecentFile(path);
    }
    return true;
}

bool CMainFrame::PrintDocumentFile(const QString& path, QPrinter& printer) {
    if (!OpenDocumentFile(path)) {
        return false;
    }
    CChildFrame* child = FindChild(path);
    if (!child) {
        return false;
    }
    printer.setPrintRange(QPrinter::AllPages);
    const bool printed = CViewPrinter::PrintDocument(printer, child->Document().Program());
    child->CloseWithoutAsking();
    return printed;
}

CChildFrame* CMainFrame::OpenRecoveredDocument(const RecoveryCopy& copy) {
    auto doc = std::make_unique<CRungpadDoc>(*this, *m_box, *m_host);
    if (!doc->OpenRecovered(copy.ladder, copy.path, copy.title, copy.diskStamp)) {
        return nullptr;
    }
    return AddChild(std::move(doc));
}

void CMainFrame::OnFileNew() {
    NewDocument();
}

void CMainFrame::OnFileOpen() {
    const auto path = m_host->ChooseOpenFile({"", "", kOpenFilter});
    if (path) {
        OpenDocumentFile(QtText::FromLocalPath(*path));
    }
}

void CMainFrame::OnConvert() {
    if (CRungpadDoc* doc = ActiveDocument()) {
        doc->ConvertProgram();
        MarkInstructionList();
    }
}

void CMainFrame::MarkInstructionList() {
    // The list of the last good conversion stays after a failed one (as specified), greyed so
    // that nobody takes it for the program as it is now.
    const CRungpadDoc* doc = ActiveDocument();
    QPlainTextEdit* edit = m_instruction->Edit();
    const bool stale = doc && !doc->IsConverted() && !edit->document()->isEmpty();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, stale ? QColor(Qt::gray) : QColor(Qt::black));
    edit->setPalette(palette);
    edit->setToolTip(stale ? tr("Out of date: the last conversion failed (F7 converts again)")
                           : QString());
}

void CMainFrame::AddRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > kRecentFiles) {
        m_recentFiles.removeLast();
    }
    // Writing the settings file waits for the window's first picture at start.
    m_firstShow.Run([this] { SaveRecentFiles(); });
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
    // Every changed document is asked about (once, whatever its windows) before any window
    // closes, so Cancel closes nothing.
    const QList<CChildFrame*> children = Children();
    QList<const CRungpadDoc*> asked;
    for (CChildFrame* child : children) {
        if (asked.contains(&child->Document())) {
            continue;
        }
        asked << &child->Document();
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
    SaveLayout();
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

}  // namespace rungpad
