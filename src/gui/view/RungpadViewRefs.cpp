// The view's coil reference column: its contents, refresh, tool tip and jumps.
#include <QFontMetricsF>
#include <cmath>

#include "analysis/CoilReferences.h"
#include "model/LadProgram.h"
#include "view/CoilRefMargin.h"
#include "view/RungpadView.h"
#include "view/ViewFonts.h"

namespace rungpad {

void CRungpadView::SetCoilReferencesShown(bool on) {
    if (on == CoilReferencesShown()) {
        return;
    }
    EndNoteEdit();
    m_coilRefs = on ? std::make_unique<CoilReferences>() : nullptr;
    RefreshCoilReferences();
    UpdateScrollSize();
    viewport()->update();
}

void CRungpadView::RefreshCoilReferences() {
    if (!m_coilRefs || !m_program) {
        return;
    }
    CoilReferences fresh = CoilReferences::Build(*m_program);
    if (fresh == *m_coilRefs) {
        return;
    }
    *m_coilRefs = std::move(fresh);
    viewport()->update();
}

int CRungpadView::NoteLeft() const {
    return GridGeometry::kNoteX + (m_coilRefs ? CoilRefMargin::kNoteShift : 0);
}

std::function<int(const QString&)> CRungpadView::ElementMeasure() {
    const QFontMetricsF metrics(Fonts().ElementFont());
    return [metrics](const QString& text) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
    };
}

QString CRungpadView::CoilReferenceText(int line) {
    if (!m_coilRefs) {
        return {};
    }
    QStringList pieces;
    for (const CoilRefMargin::Item& item :
         CoilRefMargin::LayOut(*m_coilRefs, line, ElementMeasure()).items) {
        pieces << item.text;
    }
    return pieces.join(QLatin1Char(' '));
}

QString CRungpadView::CoilReferenceToolTip(int line) {
    if (!m_coilRefs) {
        return {};
    }
    return CoilRefMargin::LayOut(*m_coilRefs, line, ElementMeasure()).fullText;
}

bool CRungpadView::JumpToCoilReference(const QPoint& viewportPos) {
    if (!m_coilRefs || !m_program) {
        return false;
    }
    const GridPos target = CoilRefMargin::TargetAt(*m_coilRefs, Mapping().ToLogical(viewportPos),
                                                   m_program->LineCount(), ElementMeasure());
    if (!m_program->IsValidLine(target.line)) {
        return false;
    }
    ShowPlace(target, target);
    return true;
}

}  // namespace rungpad
