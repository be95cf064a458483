#include "shell/frame/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <utility>

namespace rungpad {

namespace {

using Tool = ToolIcons::Tool;

// Drawn on a 16 by 16 grid, at twice the size for sharp scaling.
constexpr int kGrid = 16;
constexpr int kScale = 2;

constexpr std::array<std::pair<Tool, const char*>, 12> kThemeNames = {{
    {Tool::New, "document-new"},
    {Tool::Open, "document-open"},
    {Tool::Save, "document-save"},
    {Tool::Cut, "edit-cut"},
    {Tool::Copy, "edit-copy"},
    {Tool::Paste, "edit-paste"},
    {Tool::Undo, "edit-undo"},
    {Tool::Redo, "edit-redo"},
    {Tool::Convert, "system-run"},
    {Tool::Find, "edit-find"},
    {Tool::Print, "document-print"},
    {Tool::About, "help-about"},
}};

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kAccent(40, 100, 190);

void Page(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 3, y);
    path.lineTo(x + w, y + 3);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void DrawTool(QPainter& p, Tool tool) {
    p.setPen(QPen(kInk, 1.0));
    switch (tool) {
        case Tool::New:
            Page(p, 3.5, 1.5, 9, 13);
            break;
        case Tool::Open:
            p.setBrush(QColor(230, 190, 90));
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawRect(QRectF(1.5, 2.5, 5, 2));
            break;
        case Tool::Save:
            p.setBrush(kAccent);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.drawRect(QRectF(3.5, 9.5, 9, 5));
            break;
        case Tool::Cut:
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
            p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
            p.drawLine(QPointF(6, 10.5), QPointF(12, 1.5));
            p.drawLine(QPointF(10, 10.5), QPointF(4, 1.5));
            break;
        case Tool::Copy:
            Page(p, 1.5, 1.5, 8, 10);
            Page(p, 6.5, 4.5, 8, 10);
            break;
        case Tool::Paste:
            p.setBrush(QColor(190, 140, 80));
            p.drawRect(QRectF(2.5, 2.5, 10, 12));
            p.setBrush(kInk);
            p.drawRect(QRectF(5.5, 1.5, 4, 2));
            Page(p, 7.5, 6.5, 7, 8);
            break;
        case Tool::Redo:
            // Undo's arrow, mirrored.
            p.translate(kGrid, 0);
            p.scale(-1, 1);
            DrawTool(p, Tool::Undo);
            break;
        case Tool::Undo: {
            QPainterPath path;
            path.moveTo(3, 7);
            path.cubicTo(6, 2, 14, 3, 13, 10);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kAccent, 2.0));
            p.drawPath(path);
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(7, 8), QPointF(1, 10)}));
            break;
        }
        case Tool::Convert:
            // A rung turning into a list: two bars, an arrow, three lines.
            p.drawLine(QPointF(1.5, 3.5), QPointF(1.5, 12.5));
            p.drawLine(QPointF(1.5, 8.5), QPointF(5.5, 8.5));
            p.setPen(QPen(kAccent, 1.5));
            p.drawLine(QPointF(6, 8.5), QPointF(9.5, 8.5));
            p.drawLine(QPointF(8, 6.5), QPointF(10, 8.5));
            p.drawLine(QPointF(8, 10.5), QPointF(10, 8.5));
            p.setPen(QPen(kInk, 1.0));
            for (const qreal y : {4.5, 8.5, 12.5}) {
                p.drawLine(QPointF(11.5, y), QPointF(14.5, y));
            }
            break;
        case Tool::Find:
            p.setBrush(kPaper);
            p.setPen(QPen(kInk, 1.5));
            p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
            p.setPen(QPen(kInk, 2.5));
            p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
            break;
        case Tool::Print:
            Page(p, 4.5, 1.5, 7, 6);
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            Page(p, 4.5, 10.5, 7, 4);
            break;
        case Tool::About:
            p.setBrush(kAccent);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(8, 8), 7, 7);
            p.setPen(QPen(kPaper, 2.0));
            p.drawLine(QPointF(8, 7), QPointF(8, 12));
            p.drawPoint(QPointF(8, 4));
            break;
    }
}

}  // namespace

QIcon ToolIcons::Drawn(Tool tool) {
    QPixmap pixmap(kGrid * kScale, kGrid * kScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    DrawTool(painter, tool);
    painter.end();
    return QIcon(pixmap);
}

bool ToolIcons::DesktopTheme() {
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

QIcon ToolIcons::For(Tool tool) {
    if (!DesktopTheme()) {
        return Drawn(tool);
    }
    for (const auto& [each, name] : kThemeNames) {
        if (each == tool) {
            return QIcon::fromTheme(QString::fromLatin1(name), Drawn(tool));
        }
    }
    return Drawn(tool);
}

}  // namespace rungpad
