#pragma once

#include <string>
#include <string_view>

#include "timing/DiagramPainter.h"

namespace rungpad {

// Paints into an SVG document held as text: a group per named part, rectangles, polylines and
// texts in a monospace font. Texts are escaped for XML and made valid UTF-8, so whatever a note
// holds the document stays well-formed.
class SvgPainter : public DiagramPainter {
  public:
    SvgPainter(double width, double height, std::string_view title);

    void BeginGroup(std::string_view name) override;
    void EndGroup() override;
    void FillRect(double x, double y, double width, double height, DiagramColor color) override;
    void Polyline(std::span<const DiagramPoint> points, DiagramColor color) override;
    void Text(double x, double y, std::string_view text, DiagramColor color, Align align) override;

    // The finished document.
    std::string Document() const;

    // text with &, <, >, " and ' as entities, control characters left out and every byte that
    // is not part of valid UTF-8 as '?'.
    static std::string Escape(std::string_view text);
    // A coordinate as SVG wants it: no locale, at most two decimals.
    static std::string Number(double value);

  private:
    std::string m_head;
    std::string m_body;
    int m_depth = 0;
};

}  // namespace rungpad
