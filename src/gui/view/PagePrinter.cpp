#include "view/PagePrinter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "model/LadProgram.h"
#include "view/LadPainter.h"
#include "view/LadRenderer.h"
#include "view/LogicalMapping.h"
#include "view/PrintLayout.h"
#include "view/ViewFonts.h"

namespace rungpad {

namespace {

using G = GridGeometry;
using L = PrintLayout;

}  // namespace

void PagePrinter::PrintPage(LadPainter& p, const LadProgram& program, int page) {
    const int count = program.LineCount();
    if (count <= 0 || count > LadProgram::kMaxLines) {
        return;
    }
    const auto drawFixed = [&] {
        p.UseRailPen();
        if (page == 1) {
            p.Line({L::kBorderLeft, G::kGridTop}, {L::kBorderRight, G::kGridTop});
        }
        p.Line({G::kLeftRail, G::kGridTop}, {G::kLeftRail, L::kRailBottom});
        p.Line({G::kRightRail, G::kGridTop}, {G::kRightRail, L::kRailBottom});
        p.UseDefaultPen();
    };
    drawFixed();
    const LineRange lines = L::PageLines(page, count);
    for (int line = lines.first; line <= lines.last; ++line) {
        LadRenderer::DrawLineCells(p, program, line, true);
        LadRenderer::DrawLineNumber(p, line, true);
    }
    if (!p.CanInvert() && !lines.Empty()) {
        LadRenderer::DrawHighlightInk(p, program, lines, true, drawFixed);
    }
    p.Text(L::kPageNumberAt, QStringLiteral("第 %1 页").arg(page), LadPainter::FontRole::Element);
}

LogicalMapping PagePrinter::PageMapping(const QPaintDevice& device) {
    const LogicalMapping natural = LogicalMapping::ForDevice(device);
    const double fitX = device.width() / (L::kPageExtent.width * natural.ScaleX());
    const double fitY = device.height() / (L::kPageExtent.height * natural.ScaleY());
    const double shrink = std::clamp(std::min(fitX, fitY), 0.01, 1.0);
    const double units = LogicalMapping::kUnitsPerInch;
    return {natural.ScaleX() * shrink * units, natural.ScaleY() * shrink * units};
}

bool PagePrinter::Print(QPagedPaintDevice& device, const LadProgram& program, int from, int to) {
    const int count = program.LineCount();
    from = std::max(from, 1);
    to = std::min(to, L::PageCount(count));
    if (count <= 0 || count > LadProgram::kMaxLines || from > to) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const ViewFonts fonts;
    LadPainter p(painter, PageMapping(device), fonts);
    for (int page = from; page <= to; ++page) {
        if (page > from) {
            device.newPage();
        }
        PrintPage(p, program, page);
    }
    return painter.end();
}

}  // namespace rungpad
