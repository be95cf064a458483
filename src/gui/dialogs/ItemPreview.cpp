#include "dialogs/ItemPreview.h"

#include <QPainter>

#include "edit/ItemSetRules.h"
#include "text/QtText.h"

namespace rungpad {

ItemPreview::ItemPreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
}

void ItemPreview::SetElementCode(std::uint16_t code) {
    m_code = code;
    update();
}

void ItemPreview::paintEvent(QPaintEvent*) {
    using Picture = ItemSetRules::Picture;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    // Every figure starts at (25, 40) and ends at (65, 40).
    switch (ItemSetRules::PictureOf(m_code)) {
        case Picture::kNone:
            return;
        case Picture::kNoContact:
            p.drawLine(25, 40, 40, 40);
            p.drawLine(40, 30, 40, 50);
            p.drawLine(50, 30, 50, 50);
            p.drawLine(50, 40, 65, 40);
            return;
        case Picture::kNcContact:
            p.drawLine(25, 40, 40, 40);
            p.drawPolyline(
                QPolygon({QPoint(40, 30), QPoint(40, 50), QPoint(50, 30), QPoint(50, 50)}));
            p.drawLine(50, 40, 65, 40);
            return;
        case Picture::kCoil:
            p.drawLine(25, 40, 38, 40);
            p.drawEllipse(QRect(QPoint(38, 30), QPoint(52, 49)));
            p.drawLine(53, 40, 65, 40);
            return;
        case Picture::kNegCoil:
            p.drawLine(25, 40, 32, 40);
            p.drawEllipse(QRect(QPoint(32, 36), QPoint(39, 43)));
            p.drawEllipse(QRect(QPoint(40, 30), QPoint(54, 49)));
            p.drawLine(55, 40, 65, 40);
            return;
        case Picture::kInstructionName: {
            const std::string_view name = ItemSetRules::InstructionName(m_code);
            p.drawText(QPoint(28, 31 + p.fontMetrics().ascent()), QtText::ToQString(name));
            return;
        }
    }
}

}  // namespace rungpad
