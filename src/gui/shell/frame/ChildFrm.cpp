#include "shell/frame/ChildFrm.h"

#include "shell/frame/AppIcon.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "document/RungpadDoc.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

CChildFrame::CChildFrame(std::shared_ptr<CRungpadDoc> doc, LadClipboard& clipboard, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc)), m_view(new CRungpadView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon::Get());
    setWidget(m_view);
    m_view->AttachDocument(*m_doc, clipboard);
    connect(m_view, &CRungpadView::Edited, this, &CChildFrame::UpdateTitle);
    // The window menu's own Close key would take Ctrl+W from the normally closed contact.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcut() == QKeySequence(QKeySequence::Close)) {
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
            }
        }
    }
    UpdateTitle();
}

CChildFrame::~CChildFrame() {
    // The view's editor works on the document: it goes first.
    setWidget(nullptr);
    delete m_view;
}

void CChildFrame::SetViewNumber(int number) {
    if (number != m_viewNumber) {
        m_viewNumber = number;
        UpdateTitle();
    }
}

void CChildFrame::UpdateTitle() {
    QString title = QtText::ToQString(m_doc->State().Title());
    if (m_viewNumber > 0) {
        title += QStringLiteral(":%1").arg(m_viewNumber);
    }
    if (m_doc->IsReadOnlyFile()) {
        title += tr(" [read-only]");
    }
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_doc->IsModified());
}

void CChildFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        UpdateTitle();
    }
    QMdiSubWindow::changeEvent(event);
}

void CChildFrame::CloseWithoutAsking() {
    m_asked = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!IsLastView()) {
        m_closing = true;
        event->accept();  // the document stays open in its other windows
        return;
    }
    if (!m_asked && !m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_doc->OnCloseDocument();
    event->accept();
}

}  // namespace rungpad
