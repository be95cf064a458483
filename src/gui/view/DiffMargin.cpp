#include "view/DiffMargin.h"

#include <QColor>

#include "analysis/DiffMarks.h"
#include "view/LadPainter.h"

namespace rungpad {

namespace {

using G = GridGeometry;

constexpr int kBarLeft = 4;
constexpr int kBarRight = 16;
constexpr int kRuleHeight = 6;

const QColor kInserted(0x2e, 0x9d, 0x3a);
const QColor kChanged(0xe0, 0x8a, 0x00);
const QColor kDeleted(0xd0, 0x30, 0x2f);

}  // namespace

void DiffMargin::Draw(LadPainter& p, const DiffMarks& marks, LineRange lines) {
    for (int line = lines.first; line <= lines.last; ++line) {
        const unsigned mark = marks.At(line);
        const int top = G::LineTop(line);
        const int bottom = top - G::kLineHeight;
        if (mark & (DiffMarks::kInserted | DiffMarks::kChanged)) {
            p.Fill({kBarLeft, top - 2, kBarRight, bottom + 2},
                   (mark & DiffMarks::kInserted) ? kInserted : kChanged);
        }
        if (mark & DiffMarks::kDeletedAfter) {
            p.Fill({kBarLeft, bottom + kRuleHeight / 2, G::kLeftRail - 2, bottom - kRuleHeight / 2},
                   kDeleted);
        }
        if (mark & DiffMarks::kDeletedBefore) {
            p.Fill({kBarLeft, top + kRuleHeight / 2, G::kLeftRail - 2, top - kRuleHeight / 2},
                   kDeleted);
        }
    }
}

}  // namespace rungpad
