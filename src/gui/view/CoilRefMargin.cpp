#include "view/CoilRefMargin.h"

#include "analysis/CoilReferences.h"
#include "text/QtText.h"
#include "view/LadPainter.h"

namespace rungpad {

namespace {

using G = GridGeometry;

const QString kEllipsis = QStringLiteral("…");

LogicalRect TextRect(int x, int width, int line) {
    const int top = G::LineTop(line) - G::kTextDrop + 2;
    return {x, top, x + width, top - G::kLineHeight / 2};
}

}  // namespace

CoilRefMargin::Layout CoilRefMargin::LayOut(const CoilReferences& references, int line,
                                            const Measure& measure) {
    Layout layout;
    const auto coils = references.OfLine(line);
    // Pieces in order: with several writes on one line, each list follows its address.
    std::vector<Item> pieces;
    for (const CoilReference& coil : coils) {
        const QString address = QtText::ToQString(coil.address);
        if (coils.size() > 1 && !coil.contacts.empty()) {
            pieces.push_back({address + QStringLiteral(":"), {}, {}});
        }
        for (const ContactReference& contact : coil.contacts) {
            pieces.push_back({QtText::ToQString(CoilReference::ContactText(contact)),
                              {},
                              {contact.column, contact.line}});
        }
        if (!coil.contacts.empty()) {
            layout.fullText += (layout.fullText.isEmpty() ? QString() : QStringLiteral("\n")) +
                               address + QStringLiteral(": ") + QtText::ToQString(coil.Text());
        }
    }
    const int space = measure(QStringLiteral("  "));  // two spaces, so numbers stay apart
    const int ellipsis = measure(kEllipsis);
    int x = kLeft;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int width = measure(pieces[i].text);
        const bool last = i + 1 == pieces.size();
        const int room = kLeft + kWidth - (last ? 0 : space + ellipsis);
        if (x + width > room) {
            layout.items.push_back({kEllipsis, TextRect(x, ellipsis, line), {}});
            layout.cut = true;
            break;
        }
        pieces[i].rect = TextRect(x, width, line);
        layout.items.push_back(pieces[i]);
        x += width + space;
    }
    return layout;
}

void CoilRefMargin::Draw(LadPainter& p, const CoilReferences& references, LineRange lines,
                         const Measure& measure, bool forPrint) {
    for (int line = lines.first; line <= lines.last; ++line) {
        if (references.OfLine(line).empty()) {
            continue;
        }
        for (const Item& item : LayOut(references, line, measure).items) {
            const int top = forPrint ? G::PrintLineTop(line) : G::LineTop(line);
            p.Text({item.rect.left, top - G::kTextDrop}, item.text, LadPainter::FontRole::Element);
        }
    }
}

bool CoilRefMargin::InColumn(LogicalPoint point, int lineCount) {
    return point.x >= kLeft && point.x < kLeft + kWidth && point.y <= G::kGridTop &&
           point.y > G::GridBottom(lineCount);
}

GridPos CoilRefMargin::TargetAt(const CoilReferences& references, LogicalPoint point, int lineCount,
                                const Measure& measure) {
    if (!InColumn(point, lineCount)) {
        return {};
    }
    const int line = (point.y - G::kGridTop) / -G::kLineHeight;
    for (const Item& item : LayOut(references, line, measure).items) {
        const LogicalRect& r = item.rect;
        if (item.target.line >= 0 && point.x >= r.left && point.x < r.right + 3) {
            return item.target;
        }
    }
    return {};
}

}  // namespace rungpad
