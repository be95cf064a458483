#include "shell/monitor/GlyphStamps.h"

#include <QGlyphRun>
#include <algorithm>

namespace rungpad {

namespace {

// The canvas a glyph is measured on, and where its origin lies in it: room around a glyph of the
// diagram's font (12 pixels) on every side.
constexpr int kCanvasSize = 40;
constexpr QPoint kCanvasAnchor(12, 26);
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

QRgb PixelAt(const QImage& image, QPoint at) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(at.y()))[at.x()];
}

}  // namespace

CGlyphStamps::Glyph& CGlyphStamps::GlyphAt(const QRawFont& font, quint32 index, QPoint phase,
                                           QImage::Format format, QPainter::RenderHints hints) {
    const Key key = static_cast<Key>(index) << 32 | static_cast<Key>(hints.toInt() & 0xff) << 24 |
                    static_cast<Key>(format & 0xff) << 16 |
                    static_cast<Key>(phase.y() << 8 | phase.x());
    Recent& recent = m_recent[(key * 0x9E3779B97F4A7C15ULL) >> (64 - kRecentBits)];
    if (recent.glyph && recent.key == key) {
        return *recent.glyph;
    }
    auto found = m_glyphs.find(key);
    if (found == m_glyphs.end()) {
        if (m_glyphs.size() >= kMostGlyphs) {
            m_glyphs.clear();
            m_recent.fill({});
        }
        found = m_glyphs.emplace(key, Measured(font, index, phase, format, hints)).first;
    }
    recent = {key, &found->second};
    return found->second;
}

QImage CGlyphStamps::Drawn(const QRawFont& font, quint32 index, QPoint phase, QImage::Format format,
                           QPainter::RenderHints hints, QRgb color, QRgb background) {
    QImage canvas(kCanvasSize, kCanvasSize, format);
    canvas.fill(background);
    QPainter painter(&canvas);
    painter.setRenderHints(painter.renderHints(), false);
    painter.setRenderHints(hints, true);
    painter.setPen(QColor::fromRgb(color));
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({index});
    run.setPositions(
        {QPointF(kCanvasAnchor.x() + phase.x() / 64.0, kCanvasAnchor.y() + phase.y() / 64.0)});
    painter.drawGlyphRun(QPointF(0, 0), run);
    return canvas;
}

CGlyphStamps::Glyph CGlyphStamps::Measured(const QRawFont& font, quint32 index, QPoint phase,
                                           QImage::Format format, QPainter::RenderHints hints) {
    // A pixel the glyph covers at all changes at least black over white or white over black.
    const QImage dark = Drawn(font, index, phase, format, hints, kBlack, kWhite);
    const QImage light = Drawn(font, index, phase, format, hints, kWhite, kBlack);
    Glyph glyph;
    glyph.usable = true;
    for (int y = 0; y < kCanvasSize; ++y) {
        for (int x = 0; x < kCanvasSize; ++x) {
            const QPoint at(x, y);
            if (PixelAt(dark, at) == kWhite && PixelAt(light, at) == kBlack) {
                continue;
            }
            const bool onEdge = x == 0 || y == 0 || x == kCanvasSize - 1 || y == kCanvasSize - 1;
            glyph.usable = glyph.usable && !onEdge;
            const QPoint covered = at - kCanvasAnchor;
            auto& runs = glyph.covered;
            if (!runs.empty() && runs.back().from.y() == covered.y() &&
                runs.back().from.x() + runs.back().count == covered.x()) {
                ++runs.back().count;
            } else {
                runs.push_back({covered, 1});
            }
            glyph.box |= QRect(covered, QSize(1, 1));
        }
    }
    return glyph;
}

bool CGlyphStamps::Draw(Glyph& glyph, const QRawFont& font, quint32 index, QPoint phase,
                        QImage::Format format, QPainter::RenderHints hints, QRgb color,
                        uchar* pixels, qsizetype bytesPerLine, QPoint anchor) {
    if (glyph.covered.empty()) {
        return true;
    }
    const auto pixelsOf = [&](const Glyph::Run& run) {
        const QPoint at = anchor + run.from;
        return reinterpret_cast<QRgb*>(pixels + at.y() * bytesPerLine) + at.x();
    };
    const QRgb background = *pixelsOf(glyph.covered.front());
    for (const Glyph::Run& run : glyph.covered) {
        const QRgb* line = pixelsOf(run);
        if (std::any_of(line, line + run.count, [&](QRgb p) { return p != background; })) {
            return false;
        }
    }
    auto shade = std::find_if(glyph.shades.begin(), glyph.shades.end(), [&](const auto& known) {
        return known.color == color && known.background == background;
    });
    if (shade == glyph.shades.end()) {
        if (glyph.shades.size() >= kMostShades) {
            glyph.shades.clear();
        }
        const QImage drawn = Drawn(font, index, phase, format, hints, color, background);
        Glyph::Shade made{color, background, {}};
        for (const Glyph::Run& run : glyph.covered) {
            const QRgb* line = reinterpret_cast<const QRgb*>(
                                   drawn.constScanLine(kCanvasAnchor.y() + run.from.y())) +
                               kCanvasAnchor.x() + run.from.x();
            made.values.insert(made.values.end(), line, line + run.count);
        }
        glyph.shades.push_back(std::move(made));
        shade = glyph.shades.end() - 1;
    }
    const QRgb* value = shade->values.data();
    for (const Glyph::Run& run : glyph.covered) {
        QRgb* line = pixelsOf(run);
        for (int i = 0; i < run.count; ++i) {  // a few pixels: no library call
            line[i] = *value++;
        }
    }
    return true;
}

}  // namespace rungpad
