// The view's live error marker and its navigation to a place of the program.
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>
#include <utility>

#include "analysis/LiveCheck.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "model/TextCodec.h"
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
        // The coil reference column stands where the note column starts, so it is asked first.
        const LogicalPoint at = Mapping().ToLogical(help->pos());
        const bool inRefs = m_coilRefs && CoilRefMargin::InColumn(at, m_program->LineCount());
        const QString tip = inRefs ? CoilReferenceToolTip((at.y - G::kGridTop) / -G::kLineHeight)
                                   : ToolTipAt(help->pos());
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, viewport());
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

QString CRungpadView::ToolTipAt(QPoint viewportPos) const {
    if (LiveMarkerRect().contains(viewportPos)) {
        return m_liveMessage;
    }
    if (!m_doc || !m_program || m_program->LineCount() <= 0) {
        return {};
    }
    const LogicalPoint p = Mapping().ToLogical(viewportPos);
    const int lines = m_program->LineCount();
    if (G::InNoteColumn(p, lines)) {
        // The whole line note, which the column may show cut.
        const GridPos cell = G::CellAt(p, lines);
        return QtText::ToQString(TextCodec::GbkToUtf8(m_program->Note(cell.line).View()));
    }
    if (!G::InGrid(p, lines)) {
        return {};
    }
    // A contact or coil: its address and the address's note.
    const GridPos cell = G::CellAt(p, lines);
    const std::string* note = std::as_const(*m_doc).NoteOfCell(cell);
    if (note == nullptr || note->empty()) {
        return {};
    }
    const std::string_view address = m_program->Cell(cell.column, cell.line).Text();
    return QtText::ToQString(std::string(address) + ": " + TextCodec::GbkToUtf8(*note));
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
