#include "view/GridGeometry.h"

#include <algorithm>

namespace rungpad {

namespace {

int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

int CeilDiv(int a, int b) {
    return -FloorDiv(-a, b);
}

}  // namespace

LogicalRect GridGeometry::CellRect(int column, int line) {
    const int x = CellLeft(column);
    const int t = LineTop(line);
    return {x, t, x + kCellWidth, t - kLineHeight};
}

LogicalRect GridGeometry::HighlightRect(int column, int line) {
    const int x = CellLeft(column);
    const int t = LineTop(line);
    return {x - 1, t, x + kCellWidth - 1, t - kLineHeight};
}

LogicalSize GridGeometry::ScrollSize(int lineCount, int noteWidth) {
    constexpr int kRightMargin = 20;  // room for the rail's width and a little air
    const int width = std::max(kRightRail, kNoteX + std::max(0, noteWidth)) + kRightMargin;
    return {std::min(kScrollWidth, width), kLineHeight * lineCount + kScrollMargin};
}

bool GridGeometry::InGrid(LogicalPoint p, int lineCount) {
    return p.x >= kLeftRail && p.x < kRightRail && p.y <= kGridTop && p.y >= GridBottom(lineCount);
}

bool GridGeometry::InNoteColumn(LogicalPoint p, int lineCount) {
    return p.x > kRightRail && p.y <= kGridTop && p.y >= GridBottom(lineCount);
}

GridPos GridGeometry::CellAt(LogicalPoint p, int lineCount) {
    if (lineCount <= 0) {
        return {};
    }
    // The right rail and the lowest edge are pulled inside too, so the result is always a cell.
    const int x = std::clamp(p.x, kLeftRail + 1, kRightRail - 1);
    const int y = std::clamp(p.y, GridBottom(lineCount) + 1, kGridTop - 1);
    return {(x - kLeftRail) / kCellWidth, (y - kGridTop) / -kLineHeight};
}

int GridGeometry::ScrollYToShow(int line, int scrollY) {
    const int lineY = -kLineHeight * line;
    if (lineY <= scrollY && lineY >= scrollY - kPageStepY) {
        return scrollY;
    }
    return std::min(lineY + 7 * kLineHeight, 0);
}

LineRange GridGeometry::LinesTouching(int top, int bottom, int lineCount) {
    // Line l draws from LineTop(l) + kReachAbove down to LineTop(l) - kReachBelow.
    const int first = CeilDiv(-top + kGridTop - kReachBelow, kLineHeight);
    const int last = FloorDiv(-bottom + kGridTop + kReachAbove, kLineHeight);
    return {std::max(first, 0), std::min(last, lineCount - 1)};
}

}  // namespace rungpad
