#pragma once

#include <string>
#include <string_view>

namespace rungpad {

class SignalHistory;
class TimingDiagram;

// A timing diagram as an SVG document: every row of a history between two times, drawn by
// TimingDiagram into an SvgPainter (what rungpad-cli sim --svg and the editor's Export Image
// write).
class TimingSvg {
  public:
    static constexpr double kDefaultWidth = 1200;

    static std::string Render(const SignalHistory& history, double fromMs, double toMs,
                              double width, std::string_view title);
    // A diagram as it is set up (range, width, rows, cursor).
    static std::string Render(const TimingDiagram& diagram, std::string_view title);
};

}  // namespace rungpad
