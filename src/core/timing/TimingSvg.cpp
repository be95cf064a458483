#include "timing/TimingSvg.h"

#include "timing/SvgPainter.h"
#include "timing/TimingDiagram.h"

namespace rungpad {

std::string TimingSvg::Render(const SignalHistory& history, double fromMs, double toMs,
                              double width, std::string_view title) {
    TimingDiagram diagram(history);
    diagram.SetWidth(width);
    diagram.SetRange(fromMs, toMs);
    return Render(diagram, title);
}

std::string TimingSvg::Render(const TimingDiagram& diagram, std::string_view title) {
    SvgPainter painter(diagram.Width(), diagram.Height(), title);
    diagram.Draw(painter);
    return painter.Document();
}

}  // namespace rungpad
