#include "shell/ChildFrm.h"

#include <QCloseEvent>

#include "document/RungpadDoc.h"
#include "view/RungpadView.h"

namespace rungpad {

CChildFrame::CChildFrame(std::unique_ptr<CRungpadDoc> doc, LadClipboard& clipboard, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc)), m_view(new CRungpadView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    m_view->AttachDocument(*m_doc, clipboard);
    connect(m_view, &CRungpadView::Edited, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
}

CChildFrame::~CChildFrame() {
    // The view's editor works on the document: it goes first.
    setWidget(nullptr);
    delete m_view;
}

void CChildFrame::UpdateTitle() {
    setWindowTitle(QString::fromStdString(m_doc->State().Title()) + QStringLiteral("[*]"));
    setWindowModified(m_doc->IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    m_doc->OnCloseDocument();
    event->accept();
}

}  // namespace rungpad
