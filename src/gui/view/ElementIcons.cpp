#include "view/ElementIcons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "edit/EditCommands.h"
#include "model/LadCell.h"

namespace rungpad {

namespace {

// Drawn on a 30 by 24 grid with the wire across its middle, at twice the size for sharp
// scaling. The symbols are the diagram's, drawn large enough to tell apart at toolbar size.
constexpr QSize kIconSize(30, 24);
constexpr int kScale = 2;
constexpr qreal kWire = 12;

void Wire(QPainter& p, qreal from, qreal to) {
    p.drawLine(QPointF(from, kWire), QPointF(to, kWire));
}

void Contact(QPainter& p, bool closed) {
    Wire(p, 0, 11);
    Wire(p, 19, 30);
    p.drawLine(QPointF(11, 4), QPointF(11, 20));
    p.drawLine(QPointF(19, 4), QPointF(19, 20));
    if (closed) {
        p.drawLine(QPointF(7, 21), QPointF(23, 3));
    }
}

void Coil(QPainter& p, bool negated) {
    Wire(p, 0, 8);
    Wire(p, 22, 30);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, kWire), 7, 7);
    if (negated) {
        p.drawLine(QPointF(9, 20), QPointF(21, 4));
    }
}

void Link(QPainter& p) {
    Wire(p, 0, 30);
    p.drawLine(QPointF(22, kWire), QPointF(22, 24));
}

void CrossOut(QPainter& p) {
    p.setPen(QPen(QColor(200, 0, 0), 2.0));
    p.drawLine(QPointF(5, 3), QPointF(25, 21));
    p.drawLine(QPointF(5, 21), QPointF(25, 3));
}

void DrawKind(QPainter& p, int kind) {
    switch (kind) {
        case Element::kNoContact:
            Contact(p, false);
            break;
        case Element::kNcContact:
            Contact(p, true);
            break;
        case Element::kCoil:
            Coil(p, false);
            break;
        case Element::kNegCoil:
            Coil(p, true);
            break;
        case Element::kHLine:
            Wire(p, 0, 30);
            break;
        case EditCommands::kSetLink:
            Link(p);
            break;
        case EditCommands::kClearLink:
            Link(p);
            CrossOut(p);
            break;
        default:  // delete: an element crossed out
            Contact(p, false);
            CrossOut(p);
            break;
    }
}

}  // namespace

QIcon ElementIcons::ForKind(int kind) {
    QImage image(kIconSize * kScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    painter.setPen(QPen(Qt::black, 1.5));
    DrawKind(painter, kind);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace rungpad
