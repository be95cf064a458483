#pragma once

#include <optional>

namespace rungpad {

// Where the view scrolls to bring a line into view. The view works in logical units of 0.01 inch
// with y growing upwards; a line's top edge is at y = -40 x line.
class LineScroll {
  public:
    static constexpr int kLineHeight = 40;
    static constexpr int kVisibleHeight = 600;
    static constexpr int kLinesAboveTarget = 7;

    // The new vertical scroll position (the y of the view's top edge), or none when the line's
    // top edge is already between scrollY - 600 and scrollY.
    static constexpr std::optional<int> TargetY(int line, int scrollY) {
        const int top = -kLineHeight * line;
        if (top >= scrollY - kVisibleHeight && top <= scrollY) {
            return std::nullopt;
        }
        return top + kLinesAboveTarget * kLineHeight;
    }
};

}  // namespace rungpad
