#include "view/LadRenderer.h"

#include <algorithm>

#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"
#include "text/QtText.h"
#include "view/LadPainter.h"

namespace rungpad {

namespace {

using Font = LadPainter::FontRole;
using G = GridGeometry;

constexpr int kW = G::kCellWidth;
constexpr int kWire = G::kWireDrop;
constexpr int kLinkX = kW - 1;  // a vertical link runs down the cell's right edge

QString CellText(const LadCell& cell) {
    const std::string_view text = cell.Text();
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The two wire pieces either side of a contact's bars.
void ContactWires(LadPainter& p, int x, int t) {
    p.Line({x, t - kWire}, {x + 32, t - kWire});
    p.Line({x + 38, t - kWire}, {x + kW, t - kWire});
}

void CoilLine(LadPainter& p, int x, int t) {
    p.Line({x, t - kWire}, {x + kW, t - kWire});
}

void CoilEllipse(LadPainter& p, int x, int t) {
    p.Ellipse({x + 34, t - 25, x + 50, t - 40});
}

}  // namespace

QString LadRenderer::LineNumberText(int line) {
    return QString::asprintf("%04d", line + 1);
}

void LadRenderer::DrawCell(LadPainter& p, const LadCell& cell, int column, int line,
                           bool forPrint) {
    const int x = G::CellLeft(column);
    const int t = forPrint ? G::PrintLineTop(line) : G::LineTop(line);
    if (cell.HasLink()) {
        p.Line({x + kLinkX, t - kWire}, {x + kLinkX, t - kWire - G::kLineHeight});
    }
    DrawElement(p, cell, x, t);
    if (cell.highlight != 0 && p.CanInvert()) {
        p.InvertRect(HighlightRect(column, line, forPrint));
    }
}

LogicalRect LadRenderer::HighlightRect(int column, int line, bool forPrint) {
    const int x = G::CellLeft(column);
    const int t = forPrint ? G::PrintLineTop(line) : G::LineTop(line);
    return {x - 1, t, x + kW - 1, t - G::kLineHeight};
}

bool LadRenderer::IsHighlighted(const LadProgram& program, int column, int line) {
    return program.IsValidLine(line) && program.Cell(column, line).highlight != 0;
}

void LadRenderer::BeginHighlightInk(LadPainter& p, const LogicalRect& rect) {
    p.BeginClip(rect);
    p.FillBlack(rect);
    p.SetInverseInk(true);
}

void LadRenderer::EndHighlightInk(LadPainter& p) {
    p.EndClip();
}

void LadRenderer::DrawElement(LadPainter& p, const LadCell& cell, int x, int t) {
    const LogicalPoint textAt{x + 7, t - 5};
    switch (Element::Kind(cell.code)) {
        case Element::Kind(Element::kHLine):
            p.Line({x, t - kWire}, {x + kW, t - kWire});
            return;
        case Element::Kind(Element::kNcContact):
            ContactWires(p, x, t);
            p.Polyline({{x + 32, t - 26}, {x + 32, t - 38}, {x + 38, t - 26}, {x + 38, t - 38}});
            p.Text(textAt, CellText(cell), Font::Element);
            return;
        case Element::Kind(Element::kNoContact):
            ContactWires(p, x, t);
            p.Line({x + 32, t - 26}, {x + 32, t - 38});
            p.Line({x + 38, t - 26}, {x + 38, t - 38});
            p.Text(textAt, CellText(cell), Font::Element);
            return;
        case Element::Kind(Element::kCoil):
            CoilLine(p, x, t);
            CoilEllipse(p, x, t);
            p.Text(textAt, CellText(cell), Font::Element);
            return;
        case Element::Kind(Element::kNegCoil):
            CoilLine(p, x, t);
            p.Ellipse({x + 28, t - 30, x + 34, t - 36});
            CoilEllipse(p, x, t);
            p.Text(textAt, CellText(cell), Font::Element);
            return;
        default:
            if (Element::IsBoxCell(cell.code)) {
                DrawBoxCell(p, cell, x, t);
            }
            return;
    }
}

void LadRenderer::DrawBoxCell(LadPainter& p, const LadCell& cell, int x, int t) {
    // A code the catalogue does not know draws as a one-line box.
    int width = 1;
    int height = 1;
    if (Element::IsCodt(cell.code)) {
        height = cell.codtCount;
    } else {
        FuncInstrTable::BoxSize(cell.code, width, height);
    }
    const int row = Element::BoxRow(cell.code);
    const LogicalPoint textAt{x + 7, t - 15};
    if (height <= 1) {
        p.Polyline({{x, t - 12}, {x, t - 38}, {x + kW, t - 38}, {x + kW, t - 12}, {x, t - 12}});
    } else if (row == 0) {
        p.Polyline({{x, t - 40}, {x, t - 12}, {x + kW, t - 12}, {x + kW, t - 40}});
    } else if (row == height - 1) {
        p.Polyline({{x, t}, {x, t - 38}, {x + kW, t - 38}, {x + kW, t + 1}});
    } else {
        p.Line({x, t}, {x, t - 40});
        p.Line({x + kW, t}, {x + kW, t - 40});
        if (!Element::IsCodt(cell.code)) {
            return;
        }
    }
    p.Text(textAt, CellText(cell), Font::Element);
}

void LadRenderer::DrawLineCells(LadPainter& p, const LadProgram& program, int line, bool forPrint) {
    const LadLine& ladLine = program.Line(line);
    for (int column = 0; column < LadLine::kColumns; ++column) {
        DrawCell(p, ladLine.Cell(column), column, line, forPrint);
    }
}

void LadRenderer::DrawLineNumber(LadPainter& p, int line, bool forPrint) {
    const int t = forPrint ? G::PrintLineTop(line) : G::LineTop(line);
    p.Text({G::kLineNumberX, t - G::kTextDrop}, LineNumberText(line), Font::Element);
}

void LadRenderer::DrawLineNote(LadPainter& p, const LadProgram& program, int line, int noteX) {
    const std::string_view gbk = program.Note(line).View();
    if (gbk.empty()) {
        return;
    }
    const QString note = QtText::FromGbk(gbk);
    p.Text({noteX, G::LineTop(line) - G::kTextDrop}, note, Font::Note);
}

void LadRenderer::DrawRails(LadPainter& p, int lineCount) {
    const int bottom = G::GridBottom(lineCount);
    p.UseRailPen();
    p.Line({G::kLeftRail, G::kRailTop}, {G::kLeftRail, bottom});
    p.Line({G::kRightRail, G::kRailTop}, {G::kRightRail, bottom});
    p.UseDefaultPen();
}

int LadRenderer::TableRunStart(const LadProgram& program, int line) {
    // A COD table is a block of lines whose first cell is a table cell; its head line holds the
    // table's first cell code exactly and the block's length.
    int start = line;
    while (start > 0 && Element::IsCodt(program.Cell(0, start).code) &&
           program.Cell(0, start).code != Element::kCodt) {
        --start;
    }
    return start;
}

LineRange LadRenderer::DrawView(LadPainter& p, const LadProgram& program, LineRange wanted,
                                int noteX) {
    const int count = program.LineCount();
    if (count <= 0 || count > LadProgram::kMaxLines) {
        return {};
    }
    DrawRails(p, count);
    const int first = std::max(wanted.first, 0);
    const int last = std::min(wanted.last, count - 1);
    if (last < first) {
        return {};
    }
    LineRange drawn{last + 1, first - 1};
    const auto drawLine = [&](int line, bool withNote) {
        if (line < first || line > last) {
            return;
        }
        DrawLineCells(p, program, line, false);
        if (withNote) {
            DrawLineNote(p, program, line, noteX);
        }
        DrawLineNumber(p, line, false);
        drawn.first = std::min(drawn.first, line);
        drawn.last = std::max(drawn.last, line);
    };
    for (int line = TableRunStart(program, first); line <= last; ++line) {
        const LadCell& head = program.Cell(0, line);
        if (head.code == Element::kCodt) {
            // A damaged count must neither stall the walk nor run past the program.
            const int runEnd = line + std::clamp(head.codtCount, 1, count - line) - 1;
            for (int i = line; i < runEnd; ++i) {
                drawLine(i, false);
            }
            line = runEnd;
        }
        drawLine(line, true);
    }
    if (!p.CanInvert() && !drawn.Empty()) {
        DrawHighlightInk(p, program, drawn, false, [&] { DrawRails(p, count); });
    }
    return drawn;
}

}  // namespace rungpad
