// The main frame's answer to files changed by other programs: the watcher over the open
// documents and the reload it offers.

#include <QMdiArea>

#include "document/RungpadDoc.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/DiskWatcher.h"
#include "shell/frame/MainFrm.h"

namespace rungpad {

void CMainFrame::CreateDiskWatcher() {
    const auto documents = [this] {
        QList<std::shared_ptr<CRungpadDoc>> open;
        for (CChildFrame* child : Children()) {
            if (!child->IsClosing() && !open.contains(child->SharedDocument())) {
                open << child->SharedDocument();
            }
        }
        return open;
    };
    m_diskWatcher = new CDiskWatcher(
        documents, [this](CRungpadDoc& doc) { return ReloadDocument(doc); }, m_qtReload, this);
    // A window opened or closed: the watched files follow the documents.
    connect(m_mdi, &QMdiArea::subWindowActivated, m_diskWatcher, &CDiskWatcher::CheckSoon);
}

bool CMainFrame::ReloadDocument(CRungpadDoc& doc) {
    const QList<CChildFrame*> views = ViewsOf(doc);
    const std::string path = doc.State().PathName();
    if (views.isEmpty() || path.empty()) {
        return false;
    }
    ClearOutput();
    auto fresh = std::make_shared<CRungpadDoc>(*this, *m_box, *m_host);
    // A file the reader refuses now (told in a message box) leaves the document as it was.
    if (!fresh->OnOpenDocument(path) || fresh->IsRefusedFile()) {
        OutputLine(
            tr("The file could not be read again; the document stays as it was.").toStdString());
        return false;
    }
    // As many windows as before, the old ones closed without a question: the user chose.
    for (int i = 0; i < views.size(); ++i) {
        AddChild(fresh);
    }
    for (CChildFrame* old : views) {
        old->CloseWithoutAsking();
    }
    return true;
}

}  // namespace rungpad
