// The view's live error marker and its navigation to a place of the program.
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include "analysis/LiveCheck.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "text/QtText.h"
#include "view/CoilRefMargin.h"
#include "view/FirstShowQueue.h"
#include "view/GridGeometry.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

using G = GridGeometry;

// The marker fills the margin left of the line number, a little inside the line.
constexpr int kMarkerLeft = 3;
constexpr int kMarkerWidth = 14;
constexpr int kMarkerInset = 8;

}  // namespace

// Several edits in one event (a replace-all, a paste) are checked once, after they are done.
void CRungpadView::ScheduleLiveCheck() {
    if (!m_doc || m_livePending) {
        return;
    }
    m_livePending = true;
    QTimer::singleShot(0, this, &CRungpadView::RunLiveCheck);
}

void CRungpadView::RunLiveCheck() {
    if (m_doc && FirstShowQueue::OnItsWay(*window())) {
        m_liveAfterPaint = true;  // the first picture of the window goes first
        return;
    }
    m_livePending = false;
    if (!m_doc) {
        return;
    }
    RefreshCoilReferences();
    if (!m_liveCheck) {
        m_liveCheck = std::make_unique<CLiveCheck>();
    }
    const CLiveCheck::Result& result = m_liveCheck->Check(m_doc->Program());
    const QString message = QtText::ToQString(result.message);
    if (result.line == m_liveLine && message == m_liveMessage) {
        return;
    }
    const QRect old = LiveMarkerRect();
    m_liveLine = result.line;
    m_liveMessage = message;
    viewport()->update(old);
    viewport()->update(LiveMarkerRect());
    emit LiveCheckChanged(m_liveMessage);
}

void CRungpadView::LiveCheckAfterPaint() {
    if (m_liveAfterPaint) {
        m_liveAfterPaint = false;
        QTimer::singleShot(0, this, &CRungpadView::RunLiveCheck);
    }
}

QRect CRungpadView::LiveMarkerRect() const {
    if (m_liveLine < 0 || !m_program || !m_program->IsValidLine(m_liveLine)) {
        return {};
    }
    const int top = G::LineTop(m_liveLine);
    const LogicalRect r{kMarkerLeft, top - kMarkerInset, kMarkerLeft + kMarkerWidth,
                        top - G::kLineHeight + kMarkerInset};
    return Mapping().ToDevice(r).normalized();
}

bool CRungpadView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (LiveMarkerRect().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), m_liveMessage, viewport());
            return true;
        }
        const LogicalPoint at = Mapping().ToLogical(help->pos());
        if (m_coilRefs && CoilRefMargin::InColumn(at, m_program->LineCount())) {
            const int line = (at.y - G::kGridTop) / -G::kLineHeight;
            const QString all = CoilReferenceToolTip(line);
            if (!all.isEmpty()) {
                QToolTip::showText(help->globalPos(), all, viewport());
                return true;
            }
        }
        QToolTip::hideText();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CRungpadView::ShowPlace(GridPos anchor, GridPos cursor) {
    if (!m_editor || !m_program->IsValidLine(anchor.line) || !m_program->IsValidLine(cursor.line)) {
        return;
    }
    EndNoteEdit();
    m_editor->Select(anchor, cursor);
    BringLineIntoView(cursor.line);
    setFocus();
}

}  // namespace rungpad
