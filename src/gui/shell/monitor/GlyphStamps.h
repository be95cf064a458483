#pragma once

#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRect>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace rungpad {

// The pixels QPainter leaves when it draws one glyph over an even background, kept to be copied
// into an image's pixels the next time: blending a glyph's edges costs QPainter far more than the
// rest of a timing diagram's labels. A glyph is kept per place within a pixel (in 64ths, as
// QPainter places glyphs), image format and render hints; its pixels per colour and background.
// Copying them gives exactly QPainter's pixels, as a pixel QPainter blends depends on nothing but
// the glyph's coverage of it, the colour and the pixel beneath.
class CGlyphStamps {
  public:
    // A glyph at one place within a pixel: the pixels it covers, from its anchor (the pixel
    // holding the glyph's origin, its place rounded down).
    struct Glyph {
        bool usable = false;  // drawn wholly inside the canvas it was measured on
        QRect box;            // around the covered pixels
        // The covered pixels, a run on a line at a time, left to right and top to bottom.
        struct Run {
            QPoint from;
            int count = 0;
        };
        std::vector<Run> covered;
        // The covered pixels' values per colour over a background, in the runs' order.
        struct Shade {
            QRgb color = 0;
            QRgb background = 0;
            std::vector<QRgb> values;
        };
        std::vector<Shade> shades;
    };

    // The glyph of font drawn at a place whose fraction of a pixel is phase (64ths, 0 to 63).
    Glyph& GlyphAt(const QRawFont& font, quint32 index, QPoint phase, QImage::Format format,
                   QPainter::RenderHints hints);

    // Copies glyph in color to anchor in pixels (lines bytesPerLine apart) when every pixel it
    // covers holds the same background; false (nothing written) when they do not. The caller
    // sees that glyph.box at anchor lies inside the image.
    bool Draw(Glyph& glyph, const QRawFont& font, quint32 index, QPoint phase,
              QImage::Format format, QPainter::RenderHints hints, QRgb color, uchar* pixels,
              qsizetype bytesPerLine, QPoint anchor);

  private:
    // Glyph index, place, format and hints in one word.
    using Key = std::uint64_t;
    // Glyphs kept before all are dropped (labels at every place within a pixel stay far below).
    static constexpr std::size_t kMostGlyphs = 8192;
    // Colour and background pairs kept per glyph.
    static constexpr std::size_t kMostShades = 16;

    // The glyph drawn in color over background on a canvas, its origin at the canvas's anchor
    // plus phase.
    static QImage Drawn(const QRawFont& font, quint32 index, QPoint phase, QImage::Format format,
                        QPainter::RenderHints hints, QRgb color, QRgb background);
    static Glyph Measured(const QRawFont& font, quint32 index, QPoint phase, QImage::Format format,
                          QPainter::RenderHints hints);

    std::unordered_map<Key, Glyph> m_glyphs;
    // The glyphs last asked for, by a few bits of their keys: a label's glyphs are asked for
    // again at every repaint, faster here than through the map (whose elements stay put).
    static constexpr std::size_t kRecentBits = 10;
    struct Recent {
        Key key = 0;
        Glyph* glyph = nullptr;
    };
    std::array<Recent, std::size_t{1} << kRecentBits> m_recent{};
};

}  // namespace rungpad
