#include "shell/ChildFrm.h"

#include <QCloseEvent>

#include "doc/RungpadDoc.h"
#include "view/RungpadView.h"

namespace rungpad {

CChildFrame::CChildFrame(std::unique_ptr<CRungpadDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc)), m_view(new CRungpadView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    m_view->SetProgram(&m_doc->Program());
    UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

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
