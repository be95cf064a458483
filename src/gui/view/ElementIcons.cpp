#include "view/ElementIcons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "edit/EditCommands.h"
#include "model/LadCell.h"
#include "view/GridGeometry.h"
#include "view/LadPainter.h"
#include "view/LadRenderer.h"
#include "view/ViewFonts.h"

namespace rungpad {

namespace {

using G = GridGeometry;

constexpr double kIconDpi = 40.0;  // one 70-unit cell becomes 28 pixels
constexpr QSize kIconSize(30, 24);

// A cell that shows kind: the element itself, or a link for the two link tools.
LadCell SampleCell(int kind) {
    LadCell cell;
    if (kind == EditCommands::kSetLink || kind == EditCommands::kClearLink) {
        cell.code = Element::kHLine;
        cell.vlink = 1;
    } else {
        cell.code = static_cast<std::uint16_t>(kind);
    }
    return cell;
}

}  // namespace

QIcon ElementIcons::ForKind(int kind) {
    QImage image(kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    // Cell (0, 0) sits one pixel in from the icon's top left corner.
    const LogicalMapping origin(kIconDpi, kIconDpi);
    const QPoint corner = origin.ToDevice(LogicalPoint{G::CellLeft(0), G::LineTop(0)});
    const LogicalMapping mapping(kIconDpi, kIconDpi, corner - QPoint(1, 1));
    const ViewFonts fonts(kIconDpi);
    LadPainter p(painter, mapping, fonts);
    LadRenderer::DrawCell(p, SampleCell(kind), 0, 0, false);
    if (kind == 0 || kind == EditCommands::kClearLink) {
        // Deleting tools: the thing crossed out.
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPoint(6, 5), QPoint(kIconSize.width() - 6, kIconSize.height() - 5));
        painter.drawLine(QPoint(6, kIconSize.height() - 5), QPoint(kIconSize.width() - 6, 5));
    }
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace rungpad
