#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QRawFont>
#include <QRect>
#include <QRegion>
#include <array>
#include <vector>

#include "shell/monitor/GlyphStamps.h"
#include "shell/monitor/LineStamps.h"
#include "timing/DiagramPainter.h"

namespace rungpad {

// The timing diagram's painter on a QPainter (the dock, its PNG images): the same calls as the
// SVG painter, in the fixed-pitch font the diagram measures its texts with. Lines are one pixel
// wide and not smoothed, as the diagram puts them on pixel centres. Texts of ASCII characters
// (addresses, values, times) are drawn from the font's glyphs directly: laying them out would
// cost more than the rest of the diagram. Where QPainter paints into an image of 32-bit pixels,
// unscaled (an exported image, the dock's picture, the window's image a widget paints into, within
// the widget's part of it), rectangles and level or upright lines are written into its pixels
// directly, and with stamps glyphs are copied: QPainter would fill a one-pixel-wide line a
// scanline call at a time and blend each glyph's edges anew, which costs more than the rest of a
// followed run's repaint. The pixels are the same.
class CQtDiagramPainter : public DiagramPainter {
  public:
    explicit CQtDiagramPainter(QPainter& painter);
    // Draws the texts still held.
    ~CQtDiagramPainter() override;
    CQtDiagramPainter(const CQtDiagramPainter&) = delete;
    CQtDiagramPainter& operator=(const CQtDiagramPainter&) = delete;

    // Texts of a part are held and drawn at its end, one call a colour, above its other shapes
    // (as the diagram draws them).
    void EndGroup() override;

    // Draws only inside region (painter coordinates) from here on: a view that keeps the rest of
    // a picture it drew before.
    void ClipTo(const QRegion& region);

    void FillRect(double x, double y, double width, double height, DiagramColor color) override;
    void Polyline(std::span<const DiagramPoint> points, DiagramColor color) override;
    void Text(double x, double y, std::string_view text, DiagramColor color, Align align) override;

    // The font the diagram's texts are drawn in.
    static QFont DiagramFont();

    // Glyphs and slanted lines drawn into an image's pixels are copied from stamps (kept by the
    // caller from one repaint to the next), glyphs where they lie over an even background.
    void UseStamps(CGlyphStamps* glyphs, CLineStamps* lines) {
        m_stamps = glyphs;
        m_lineStamps = lines;
        m_hints = m_painter.renderHints();
    }

  private:
    // Draws an ASCII text from the font's glyphs, without laying it out; false when the font
    // has no glyphs to hand.
    bool DrawAscii(double x, double y, std::string_view text, DiagramColor color, Align align);
    void DrawHeldTexts();
    // Fills the rectangles held (of one colour, asked for one after another) in one call.
    void DrawHeldRects();
    // Sets the pixels of line from its stamp when it lies wholly where pixels may be written;
    // false (nothing drawn) when it does not or has none.
    bool StampLine(const QLineF& line, DiagramColor color);
    // Fills left to right, top to bottom (painter coordinates) in the image's pixels, within its
    // bounds, without a clip.
    void FillUnclipped(int left, int top, int right, int bottom, QRgb pixel);
    // Fills rect (painter coordinates) in the image's pixels.
    void FillPixels(const QRect& rect, DiagramColor color);
    // Whether pixels of rect (painter coordinates) may be drawn: a cheap test on its top and
    // bottom lines, to leave out what lies wholly beside the clip.
    bool MayDraw(const QRect& rect) const;
    // Whether rect (painter coordinates) lies wholly inside the clip: drawn without it then.
    bool WhollyInside(const QRect& rect) const;

    // The glyphs of the texts held in one colour, at their places.
    struct HeldTexts {
        DiagramColor color;
        bool clipped = false;  // partly outside the clip
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    // Copies the glyphs of texts it can from stamps; leaves in texts those QPainter must draw.
    void StampGlyphs(HeldTexts& texts);

    QPainter& m_painter;
    QFontMetricsF m_metrics;
    QRawFont m_glyphs;
    std::array<quint32, 128> m_glyphIndex{};
    double m_advance = 0;
    std::vector<HeldTexts> m_held;
    CGlyphStamps* m_stamps = nullptr;
    CLineStamps* m_lineStamps = nullptr;
    QPainter::RenderHints m_hints;  // the painter's, when the stamps were given
    QImage::Format m_format = QImage::Format_Invalid;
    // Polyline's pixel runs and slanted segments, kept to reuse their memory.
    QList<QRect> m_runs;
    QList<QLineF> m_slanted;
    QList<QLineF> m_unclipped;
    QList<QRect> m_heldRects;
    DiagramColor m_heldRectColor;
    // The image's pixels when they are written directly (else null), its bytes a line, its size
    // and where the painter's origin lies in it.
    uchar* m_pixels = nullptr;
    qsizetype m_bytesPerLine = 0;
    QRect m_bounds;
    QPoint m_origin;
    // The clip of the image's pixels, when there is one: bands of lines that allow the same
    // spans [from, to) of x, m_spans[spanFrom] up to m_spans[spanTo]; the band of each line.
    struct Band {
        int bottom = 0;
        std::size_t spanFrom = 0;
        std::size_t spanTo = 0;
    };
    bool m_clipped = false;
    // The band holding every line of shown (device pixels within the bounds); nullptr when its
    // lines lie in more than one.
    const Band* BandOf(const QRect& shown) const;

    std::vector<Band> m_bands;
    std::vector<std::size_t> m_bandOfLine;
    std::vector<std::pair<int, int>> m_spans;
};

}  // namespace rungpad
