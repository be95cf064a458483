#include "view/MonitorOverlay.h"

#include <QFontMetricsF>
#include <QPainter>
#include <string>

#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"
#include "sim/ScanEngine.h"
#include "sim/SignalMemory.h"
#include "sim/SimSignal.h"
#include "view/LogicalMapping.h"

namespace rungpad {

namespace {

using G = GridGeometry;

const QColor kPowerColour(0, 170, 60);
const QColor kOnFill(0, 200, 70, 110);
const QColor kForcedColour(220, 0, 0);

// A forced contact or coil carries a red mark in its top right corner.
void DrawForcedMark(QPainter& painter, const LogicalMapping& m, const LadCell& cell, int column,
                    int line, const SignalMemory& memory) {
    if (!Element::IsContact(cell.code) && !Element::IsCoil(cell.code)) {
        return;
    }
    std::string problem;
    const std::optional<SimSignal> signal = SimSignal::Parse(cell.Text(), problem);
    if (signal && signal->IsForced(memory)) {
        const int x = G::CellLeft(column);
        const int t = G::LineTop(line);
        painter.fillRect(m.ToDevice(LogicalRect{x + 58, t - 2, x + 66, t - 10}), kForcedColour);
    }
}

void DrawCellPower(QPainter& painter, const LogicalMapping& m, const LadCell& cell,
                   const CellPower& power, int column, int line) {
    const int x = G::CellLeft(column);
    const int t = G::LineTop(line);
    const int wire = t - G::kWireDrop;
    auto segment = [&](int from, int to) {
        painter.drawLine(m.ToDevice(LogicalPoint{from, wire}), m.ToDevice(LogicalPoint{to, wire}));
    };
    if (Element::IsContact(cell.code)) {
        if (power.closed) {
            painter.fillRect(m.ToDevice(LogicalRect{x + 32, t - 25, x + 39, t - 39}), kOnFill);
        }
        if (power.left) {
            segment(x, x + 32);
        }
        if (power.left && power.closed) {
            segment(x + 38, x + G::kCellWidth);
        }
    } else if (Element::IsCoil(cell.code)) {
        if (power.left) {
            segment(x, x + 22);
        }
        if (power.closed) {
            painter.fillRect(m.ToDevice(LogicalRect{x + 22, t - 22, x + 48, t - 42}), kOnFill);
        }
    } else if (cell.code == Element::kHLine && power.left) {
        segment(x, x + G::kCellWidth);
    }
    if (cell.HasLink() && power.right && column < LadLine::kColumns - 1) {
        const int right = x + G::kCellWidth;
        painter.drawLine(m.ToDevice(LogicalPoint{right, wire}),
                         m.ToDevice(LogicalPoint{right, wire - G::kLineHeight}));
    }
}

}  // namespace

QString MonitorOverlay::BoxValueText(const LadLine& line, int column, const SignalMemory& memory) {
    const std::uint16_t code = line.Cell(column).code;
    // The number is the first parameter, TMRC's the second.
    const int numbered = column + (code == 0x4200 ? 2 : 1);
    if (numbered >= LadLine::kColumns) {
        return {};
    }
    std::uint32_t current = 0;
    std::uint32_t preset = 0;
    if (!ScanEngine::BoxValues(code, line.Cell(numbered).number, memory, current, preset)) {
        return {};
    }
    return QStringLiteral("%1/%2").arg(current).arg(preset);
}

QFont MonitorOverlay::FittingFont(const QFont& font, const QString& text, int width) {
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide <= width || wide <= 0) {
        return font;
    }
    QFont smaller = font;
    const qreal scale = width / wide;
    if (font.pixelSize() > 0) {
        smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
    } else {
        smaller.setPointSizeF(std::max(1.0, font.pointSizeF() * scale));
    }
    return smaller;
}

void MonitorOverlay::Draw(QPainter& painter, const LogicalMapping& mapping,
                          const LadProgram& program, const std::vector<LinePower>& power,
                          const SignalMemory& memory, LineRange lines) {
    painter.save();
    painter.setPen(QPen(kPowerColour, std::max(2, mapping.WidthToDevice(3))));
    const int last =
        std::min(lines.last, std::min(program.LineCount(), static_cast<int>(power.size())) - 1);
    for (int line = std::max(lines.first, 0); line <= last; ++line) {
        const LadLine& cells = program.Line(line);
        for (int column = 0; column < LadLine::kColumns; ++column) {
            const LadCell& cell = cells.cells[static_cast<std::size_t>(column)];
            DrawCellPower(painter, mapping, cell,
                          power[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)],
                          column, line);
            DrawForcedMark(painter, mapping, cell, column, line, memory);
        }
    }
    // Timer and counter values in the lower row of their boxes' name cell, never across its
    // divider (TMRC shares TMR's T and DT).
    painter.setPen(kPowerColour);
    const QFont font = painter.font();
    for (int line = std::max(lines.first - 3, 0); line <= last && line + 1 < program.LineCount();
         ++line) {
        for (int column = 0; column + 1 < LadLine::kColumns; ++column) {
            const LadLine& cells = program.Line(line);
            const QString text = BoxValueText(cells, column, memory);
            if (!text.isEmpty()) {
                const int x = G::CellLeft(column);
                const int t = G::LineTop(line + 1);
                const QRect room =
                    mapping.ToDevice(LogicalRect{x + 4, t - 8, x + G::kCellWidth - 4, t - 36})
                        .normalized();
                painter.setFont(FittingFont(font, text, room.width()));
                painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, text);
            }
        }
    }
    painter.restore();
}

}  // namespace rungpad
