#pragma once

namespace rungpad {

// The zoom levels of the view, in percent: 50% to 300% in the steps common editors use.
class ZoomSteps {
  public:
    static constexpr int kMin = 50;
    static constexpr int kMax = 300;
    static constexpr int kNormal = 100;

    // The next step above or below percent (any percent, a step or not), within the range.
    static int In(int percent);
    static int Out(int percent);
    static int Clamp(int percent);
    // The largest percent at which needed pixels (at 100%) fit into available pixels, within
    // the range.
    static int ToFit(int available, int needed);
};

}  // namespace rungpad
