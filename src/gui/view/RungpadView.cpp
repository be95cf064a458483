#include "view/RungpadView.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "analysis/CoilReferences.h"
#include "analysis/LiveCheck.h"
#include "analysis/ProgramComparison.h"
#include "dialogs/FindDlg.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "text/QtText.h"
#include "view/CoilRefMargin.h"
#include "view/DiffMargin.h"
#include "view/LadPainter.h"
#include "view/LadRenderer.h"
#include "view/MonitorOverlay.h"
#include "view/ViewFonts.h"
#include "view/ViewPrinter.h"
#include "view/ZoomSteps.h"

namespace rungpad {

namespace {

using G = GridGeometry;

// Before the first paint the surface is this many device pixels each way.
constexpr int kInitialScrollSize = 100;

bool Drawable(const LadProgram* program) {
    return program && program->LineCount() > 0 && program->LineCount() <= LadProgram::kMaxLines;
}

}  // namespace

CRungpadView::CRungpadView(QWidget* parent) : QAbstractScrollArea(parent) {
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setRange(0, kInitialScrollSize);
    verticalScrollBar()->setRange(0, kInitialScrollSize);
}

CRungpadView::~CRungpadView() = default;

void CRungpadView::SetProgram(LadProgram* program) {
    m_program = program;
    UpdateScrollSize();
    viewport()->update();
}

void CRungpadView::AttachDocument(CRungpadDoc& doc, LadClipboard& clipboard) {
    m_doc = &doc;
    m_editor = std::make_unique<CLadEditor>(doc, *this, clipboard);
    SetProgram(&doc.Program());
    m_editor->OnInitialUpdate();
    connect(this, &CRungpadView::Edited, this, &CRungpadView::ScheduleLiveCheck);
    ScheduleLiveCheck();
}

LogicalMapping CRungpadView::Mapping() const {
    return ZoomedMapping(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

LogicalMapping CRungpadView::ZoomedMapping(QPoint scroll) const {
    const double zoom = m_zoom / 100.0;
    return {viewport()->logicalDpiX() * zoom, viewport()->logicalDpiY() * zoom, scroll};
}

void CRungpadView::SetZoom(int percent, std::optional<QPoint> anchor) {
    percent = ZoomSteps::Clamp(percent);
    if (percent == m_zoom) {
        return;
    }
    EndNoteEdit();
    const QPoint at = anchor.value_or(viewport()->rect().center());
    const LogicalPoint fixed = Mapping().ToLogical(at);
    m_zoom = percent;
    UpdateScrollSize();
    const LogicalMapping unscrolled = ZoomedMapping({});
    const QPoint wanted = unscrolled.ToDevice(fixed);
    horizontalScrollBar()->setValue(wanted.x() - at.x());
    verticalScrollBar()->setValue(wanted.y() - at.y());
    viewport()->update();
    emit ZoomChanged(m_zoom);
}

void CRungpadView::ZoomIn() {
    SetZoom(ZoomSteps::In(m_zoom));
}

void CRungpadView::ZoomOut() {
    SetZoom(ZoomSteps::Out(m_zoom));
}

void CRungpadView::ZoomToActualSize() {
    SetZoom(ZoomSteps::kNormal);
}

void CRungpadView::ZoomToFitWidth() {
    if (!Drawable(m_program)) {
        return;
    }
    const int width = G::ScrollSize(m_program->LineCount(), NoteWidth()).width;
    const int needed = LogicalMapping::ForDevice(*viewport()).WidthToDevice(width);
    // Room for a vertical scroll bar, which a taller drawing brings.
    const int available =
        viewport()->width() -
        (verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width());
    SetZoom(ZoomSteps::ToFit(available, needed), QPoint(0, 0));
}

int CRungpadView::NoteWidth() {
    if (m_noteByteWidth <= 0) {
        // At 100 DPI a logical unit is a pixel: measure the note font at its logical size. A
        // two-byte character takes at most as much as two of the widest ASCII letter.
        QFont font = Fonts().NoteFont();
        font.setPixelSize(std::max(1, Fonts().NoteSize()));
        const QFontMetricsF metrics(font);
        m_noteByteWidth = std::max(metrics.horizontalAdvance(QLatin1Char('W')),
                                   metrics.horizontalAdvance(QChar(0x4E2D)) / 2.0);
    }
    std::size_t widest = 0;
    for (int line = 0; line < m_program->LineCount(); ++line) {
        widest = std::max(widest, m_program->Note(line).View().size());
    }
    // The coil reference column, when shown, stands before the notes and moves them right.
    const int refs = m_coilRefs ? CoilRefMargin::kLeft + CoilRefMargin::kWidth - G::kNoteX : 0;
    const int notes =
        widest == 0
            ? 0
            : NoteLeft() - G::kNoteX +
                  static_cast<int>(std::ceil(static_cast<double>(widest) * m_noteByteWidth));
    return std::max(refs, notes);
}

void CRungpadView::InvertCell(int column, int line, bool mark) {
    if (!m_program || !m_program->IsValidLine(line) || column < 0 || column >= LadLine::kColumns) {
        return;
    }
    LadCell& cell = m_program->Cell(column, line);
    if ((cell.highlight != 0) == mark) {
        return;
    }
    cell.highlight = mark ? 1 : 0;
    InvalidateLogical(G::HighlightRect(column, line));
}

void CRungpadView::InvalidateLogical(const LogicalRect& r, int grow) {
    viewport()->update(Mapping().ToDevice(r).adjusted(-grow, -grow, grow, grow));
}

void CRungpadView::InvalidateCell(GridPos cell) {
    constexpr int kGrow = 5;
    InvalidateLogical(G::CellRect(cell.column, cell.line), kGrow);
}

void CRungpadView::InvalidateAll() {
    viewport()->update();
    ScheduleLiveCheck();  // replace and undo change the program without an Edited signal
}

LogicalPoint CRungpadView::ScrollPosition() const {
    return Mapping().ToLogical(QPoint(0, 0));
}

void CRungpadView::ScrollTo(LogicalPoint topLeft) {
    const LogicalMapping unscrolled = ZoomedMapping({});
    horizontalScrollBar()->setValue(unscrolled.WidthToDevice(topLeft.x));
    verticalScrollBar()->setValue(unscrolled.HeightToDevice(-topLeft.y));
}

void CRungpadView::BringLineIntoView(int line) {
    const LogicalPoint at = ScrollPosition();
    const int y = G::ScrollYToShow(line, at.y);
    if (y != at.y) {
        ScrollTo({at.x, y});
    }
    KeepCellInView({0, line});
}

namespace {

// The scroll bar value that shows the band [low, high) of the page inside [0, size), moving as
// little as possible; a band larger than the page shows its start.
int ValueToShow(int value, int low, int high, int size) {
    if (low < 0) {
        return value + low;
    }
    if (high > size) {
        return value + std::min(high - size, low);
    }
    return value;
}

}  // namespace

void CRungpadView::KeepCellInView(GridPos cell) {
    if (!Drawable(m_program) || !m_program->IsValidLine(cell.line) || cell.column < 0 ||
        cell.column >= LadLine::kColumns) {
        return;
    }
    const QRect r = Mapping().ToDevice(G::CellRect(cell.column, cell.line));
    const QSize page = viewport()->size();
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    v->setValue(ValueToShow(v->value(), r.top(), r.bottom() + 1, page.height()));
    h->setValue(ValueToShow(h->value(), r.left(), r.right() + 1, page.width()));
}

void CRungpadView::UpdateScrollSize() {
    if (!Drawable(m_program)) {
        return;
    }
    const LogicalMapping mapping = Mapping();
    const LogicalSize size = G::ScrollSize(m_program->LineCount(), NoteWidth());
    const QSize page = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, mapping.WidthToDevice(size.width) - page.width()));
    v->setRange(0, std::max(0, mapping.HeightToDevice(size.height) - page.height()));
    h->setPageStep(std::max(1, mapping.WidthToDevice(G::kPageStepX)));
    v->setPageStep(std::max(1, mapping.HeightToDevice(G::kPageStepY)));
    h->setSingleStep(std::max(1, mapping.WidthToDevice(G::kLineStep)));
    v->setSingleStep(std::max(1, mapping.HeightToDevice(G::kLineStep)));
}

LineRange CRungpadView::DrawView(QPainter& painter, const QRect& exposed) {
    if (!Drawable(m_program)) {
        return {};
    }
    UpdateScrollSize();
    const LogicalMapping mapping = Mapping();
    int top = 0;
    int bottom = 0;
    mapping.VerticalBand(exposed, top, bottom);
    LadPainter p(painter, mapping, Fonts());
    const LineRange wanted = G::LinesTouching(top, bottom, m_program->LineCount());
    const LineRange drawn = LadRenderer::DrawView(p, *m_program, wanted, NoteLeft());
    if (m_coilRefs) {
        CoilRefMargin::Draw(p, *m_coilRefs, drawn, ElementMeasure());
    }
    if (m_comparison) {
        DiffMargin::Draw(p, m_comparison->Marks(*m_program), wanted);
    }
    if (IsMonitoring()) {
        MonitorOverlay::Draw(painter, mapping, *m_program, *m_monitorPower, *m_monitorMemory,
                             drawn);
    }
    const QRect marker = LiveMarkerRect();
    if (!marker.isEmpty()) {
        painter.fillRect(marker, QColor(220, 0, 0));
    }
    return drawn;
}

void CRungpadView::SetMonitor(const std::vector<LinePower>* power, const SignalMemory* memory) {
    EndNoteEdit();
    m_monitorPower = memory ? power : nullptr;
    m_monitorMemory = power ? memory : nullptr;
    viewport()->update();
}

void CRungpadView::SetComparison(LadProgram other) {
    m_comparison = std::make_unique<ProgramComparison>(std::move(other));
    viewport()->update();
}

bool CRungpadView::GoToDifference(bool forward) {
    if (!m_comparison || !m_program || !m_editor || !m_doc) {
        return false;
    }
    const SelectionState& selection = m_doc->Selection();
    const int from = selection.HasCursor() ? selection.cursor.line : -1;
    const int line = m_comparison->Difference(*m_program, from, forward);
    if (line < 0) {
        return false;
    }
    m_editor->Select({0, line}, {0, line});
    InvalidateAll();
    BringLineIntoView(line);
    return true;
}

void CRungpadView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    DrawView(painter, event->rect());
    LiveCheckAfterPaint();
}

void CRungpadView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSize();
}

void CRungpadView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    Fonts();
    UpdateScrollSize();
}

void CRungpadView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void CRungpadView::OnFilePrint() {
    if (m_program) {
        CViewPrinter::OnFilePrint(this, Printer(), *m_program, DocName());
    }
}

void CRungpadView::OnFilePrintPreview() {
    if (m_program) {
        CViewPrinter::OnFilePrintPreview(this, Printer(), *m_program, DocName());
    }
}

QString CRungpadView::DocName() const {
    if (!m_doc) {
        return QStringLiteral("Rungpad");
    }
    return QFileInfo(QtText::FromLocalPath(m_doc->State().Title())).completeBaseName();
}

void CRungpadView::OnFilePrintSetup() {
    CViewPrinter::OnFilePrintSetup(this, Printer());
}

QPrinter& CRungpadView::Printer() {
    return m_printer ? m_printer->Printer() : m_ownPrinter.Printer();
}

const ViewFonts& CRungpadView::Fonts() {
    // Made once, for the screen the view first appears on, so notes keep their pixel size.
    if (!m_fonts) {
        m_fonts = std::make_unique<ViewFonts>(viewport()->logicalDpiY());
    }
    return *m_fonts;
}

}  // namespace rungpad
