#include "shell/monitor/QtDiagramPainter.h"

#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cwchar>

namespace rungpad {

namespace {

constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

// The pixel that holds a coordinate (std::floor without a library call: a trace has thousands).
int PixelOf(double coordinate) {
    const auto whole = static_cast<int>(coordinate);
    return static_cast<double>(whole) > coordinate ? whole - 1 : whole;
}

// Sets count pixels from first to pixel. Wide runs (a row's background) go through the C
// library's fill of 32-bit words, which uses the widest stores the processor has: filling the
// whole picture each repaint is bound by how fast stores go.
void FillLine(QRgb* first, int count, QRgb pixel) {
    constexpr int kWide = 16;
    if constexpr (sizeof(wchar_t) == sizeof(QRgb)) {
        if (count >= kWide) {
            std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(pixel),
                         static_cast<std::size_t>(count));
            return;
        }
    }
    std::fill(first, first + count, pixel);
}

// Sets the pixels from left to right and top to bottom (inside the image) to pixel.
void SetPixels(uchar* pixels, qsizetype bytesPerLine, int left, int top, int right, int bottom,
               QRgb pixel) {
    uchar* line = pixels + static_cast<qsizetype>(top) * bytesPerLine;
    if (left == right) {
        for (int y = top; y <= bottom; ++y, line += bytesPerLine) {
            reinterpret_cast<QRgb*>(line)[left] = pixel;
        }
        return;
    }
    for (int y = top; y <= bottom; ++y, line += bytesPerLine) {
        FillLine(reinterpret_cast<QRgb*>(line) + left, right - left + 1, pixel);
    }
}

QColor ToQColor(DiagramColor color) {
    return {color.red, color.green, color.blue};
}

// The image painter paints into when its pixels may be written directly: 32 bits a pixel, opaque
// colours stored as they are, no scale, clip, opacity or blending in the way. A widget's painter
// paints into the window's image (or the one it is rendered into), inside the widget's part of
// it: bounds says where pixels may be written.
QImage* DirectImage(QPainter& painter, QRect& bounds) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image ||
        engine->type() != QPaintEngine::Raster) {
        return nullptr;
    }
    auto* image = static_cast<QImage*>(device);
    const QTransform& transform = painter.deviceTransform();
    const bool plain = (image->format() == QImage::Format_RGB32 ||
                        image->format() == QImage::Format_ARGB32_Premultiplied ||
                        image->format() == QImage::Format_ARGB32) &&
                       image->isDetached() && image->devicePixelRatio() == 1;
    const bool unscaled = transform.type() <= QTransform::TxTranslate &&
                          transform.dx() == std::round(transform.dx()) &&
                          transform.dy() == std::round(transform.dy());
    const bool opaque = !painter.hasClipping() && painter.opacity() == 1 &&
                        painter.compositionMode() == QPainter::CompositionMode_SourceOver;
    // The part of the window a widget covers; one rectangle, else QPainter keeps to it.
    const QRegion part = engine->systemClip();
    if (!plain || !unscaled || !opaque || part.rectCount() > 1) {
        return nullptr;
    }
    bounds = part.isEmpty() ? image->rect() : part.boundingRect().intersected(image->rect());
    return image;
}

}  // namespace

CQtDiagramPainter::CQtDiagramPainter(QPainter& painter)
    : m_painter(painter),
      m_metrics(DiagramFont(), painter.device()),
      m_glyphs(QRawFont::fromFont(DiagramFont())) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(DiagramFont());
    if (QImage* image = DirectImage(painter, m_bounds)) {
        m_pixels = image->bits();
        m_format = image->format();
        m_bytesPerLine = image->bytesPerLine();
        const QTransform& transform = painter.deviceTransform();
        m_origin = QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    }
    QString printable;
    for (char c = kFirstPrintable; c <= kLastPrintable; ++c) {
        printable += QLatin1Char(c);
    }
    const QList<quint32> indexes = m_glyphs.glyphIndexesForString(printable);
    if (!m_glyphs.isValid() || indexes.size() != printable.size() || indexes.contains(0)) {
        m_glyphs = QRawFont();
        return;
    }
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        m_glyphIndex[static_cast<std::size_t>(kFirstPrintable + i)] = indexes[i];
    }
    m_advance = m_glyphs.advancesForGlyphIndexes(QList<quint32>{indexes.front()}).front().x();
}

CQtDiagramPainter::~CQtDiagramPainter() {
    DrawHeldRects();
    DrawHeldTexts();
}

void CQtDiagramPainter::EndGroup() {
    DrawHeldRects();
    DrawHeldTexts();
}

QFont CQtDiagramPainter::DiagramFont() {
    // DejaVu Sans Mono advances 7.2 pixels a character at 12 pixels, as the diagram measures.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(static_cast<int>(kFontPixels));
    return font;
}

void CQtDiagramPainter::FillRect(double x, double y, double width, double height,
                                 DiagramColor color) {
    if (!m_heldRects.isEmpty() && !(color == m_heldRectColor)) {
        DrawHeldRects();
    }
    m_heldRectColor = color;
    // The pixels QPainter::fillRect covers without smoothing: the corners rounded.
    const int left = qRound(x);
    const int top = qRound(y);
    const int right = qRound(x + width);
    const int bottom = qRound(y + height);
    if (right <= left || bottom <= top) {
        return;
    }
    const QRect rect(left, top, right - left, bottom - top);
    if (m_pixels) {
        if (MayDraw(rect)) {
            FillPixels(rect, color);
        }
    } else {
        m_heldRects.append(rect);
    }
}

void CQtDiagramPainter::FillUnclipped(int left, int top, int right, int bottom, QRgb pixel) {
    // (Worked out inline: a trace fills thousands of runs a pixel or two long.)
    left = std::max(left + m_origin.x(), m_bounds.left());
    right = std::min(right + m_origin.x(), m_bounds.right());
    top = std::max(top + m_origin.y(), m_bounds.top());
    bottom = std::min(bottom + m_origin.y(), m_bounds.bottom());
    if (left <= right && top <= bottom) {
        SetPixels(m_pixels, m_bytesPerLine, left, top, right, bottom, pixel);
    }
}

void CQtDiagramPainter::FillPixels(const QRect& rect, DiagramColor color) {
    const QRgb pixel = qRgb(color.red, color.green, color.blue);
    if (!m_clipped) {
        FillUnclipped(rect.left(), rect.top(), rect.right(), rect.bottom(), pixel);
        return;
    }
    const int left = std::max(rect.left() + m_origin.x(), m_bounds.left());
    const int right = std::min(rect.right() + m_origin.x(), m_bounds.right()) + 1;
    const int shownTop = std::max(rect.top() + m_origin.y(), m_bounds.top());
    const int shownBottom = std::min(rect.bottom() + m_origin.y(), m_bounds.bottom());
    for (int top = shownTop; top <= shownBottom;) {
        const Band& band = m_bands[m_bandOfLine[static_cast<std::size_t>(top)]];
        const int bottom = std::min(band.bottom, shownBottom);
        for (std::size_t i = band.spanFrom; i < band.spanTo; ++i) {
            const int from = std::max(left, m_spans[i].first);
            const int to = std::min(right, m_spans[i].second);
            if (from < to) {
                SetPixels(m_pixels, m_bytesPerLine, from, top, to - 1, bottom, pixel);
            }
        }
        top = bottom + 1;
    }
}

bool CQtDiagramPainter::MayDraw(const QRect& rect) const {
    if (!m_clipped) {
        return true;
    }
    const QRect shown = rect.translated(m_origin).intersected(m_bounds);
    if (shown.isEmpty()) {
        return false;
    }
    const Band* band = BandOf(shown);
    if (band == nullptr) {
        return true;
    }
    for (std::size_t i = band->spanFrom; i < band->spanTo; ++i) {
        if (m_spans[i].first <= shown.right() && m_spans[i].second > shown.left()) {
            return true;
        }
    }
    return false;
}

bool CQtDiagramPainter::WhollyInside(const QRect& rect) const {
    if (!m_clipped) {
        return true;
    }
    const QRect shown = rect.translated(m_origin);
    if (!m_bounds.contains(shown)) {
        return false;
    }
    const Band* band = BandOf(shown);
    if (band == nullptr) {
        return false;
    }
    for (std::size_t i = band->spanFrom; i < band->spanTo; ++i) {
        if (m_spans[i].first <= shown.left() && m_spans[i].second > shown.right()) {
            return true;
        }
    }
    return false;
}

const CQtDiagramPainter::Band* CQtDiagramPainter::BandOf(const QRect& shown) const {
    const std::size_t band = m_bandOfLine[static_cast<std::size_t>(shown.top())];
    if (band != m_bandOfLine[static_cast<std::size_t>(shown.bottom())]) {
        return nullptr;
    }
    return &m_bands[band];
}

void CQtDiagramPainter::ClipTo(const QRegion& region) {
    DrawHeldRects();
    DrawHeldTexts();
    m_painter.setClipRegion(region);
    if (!m_pixels) {
        return;
    }
    // The region's rectangles come in bands of equal top and bottom, each ordered by x; the
    // lines between them allow nothing.
    const QRegion device = region.translated(m_origin).intersected(m_bounds);
    m_clipped = true;
    m_spans.clear();
    m_bands.clear();
    // Indexed by the image's lines: those above the bounds are never asked for.
    m_bandOfLine.assign(static_cast<std::size_t>(m_bounds.bottom() + 1), 0);
    int line = 0;
    const auto bandTo = [&](int bottom) {
        m_bands.push_back({bottom, m_bands.empty() ? 0 : m_bands.back().spanTo, m_spans.size()});
        for (; line <= bottom; ++line) {
            m_bandOfLine[static_cast<std::size_t>(line)] = m_bands.size() - 1;
        }
    };
    int bandTop = -1;
    int bandBottom = -1;
    for (const QRect& rect : device) {
        if (rect.top() != bandTop) {
            if (bandTop >= 0) {
                bandTo(bandBottom);
            }
            if (rect.top() > line) {
                bandTo(rect.top() - 1);
            }
            bandTop = rect.top();
            bandBottom = rect.bottom();
        }
        m_spans.emplace_back(rect.left(), rect.right() + 1);
    }
    if (bandTop >= 0) {
        bandTo(bandBottom);
    }
    if (line <= m_bounds.bottom()) {
        bandTo(m_bounds.bottom());
    }
}
void CQtDiagramPainter::DrawHeldRects() {
    if (m_heldRects.isEmpty()) {
        return;
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(m_heldRectColor));
    m_painter.drawRects(m_heldRects.constData(), static_cast<int>(m_heldRects.size()));
    m_painter.setBrush(Qt::NoBrush);
    m_heldRects.clear();
}

void CQtDiagramPainter::Polyline(std::span<const DiagramPoint> points, DiagramColor color) {
    if (points.size() < 2) {
        return;
    }
    DrawHeldRects();  // beneath the lines
    // Level and upright segments (nearly all of a trace) are filled as the pixel runs a
    // one-pixel line covers: stroking them one by one costs more than the rest of the diagram.
    // Slanted ones (bus crossings) are set from their stamps, else stroked.
    m_runs.clear();
    m_slanted.clear();
    const QRgb pixel = qRgb(color.red, color.green, color.blue);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const DiagramPoint& from = points[i - 1];
        const DiagramPoint& to = points[i];
        const bool straight = from.y == to.y || from.x == to.x;
        if (straight && m_pixels && !m_clipped) {
            // The most frequent case: thousands a repaint.
            FillUnclipped(PixelOf(std::min(from.x, to.x)), PixelOf(std::min(from.y, to.y)),
                          PixelOf(std::max(from.x, to.x)), PixelOf(std::max(from.y, to.y)), pixel);
        } else if (straight) {
            const int left = PixelOf(std::min(from.x, to.x));
            const int top = PixelOf(std::min(from.y, to.y));
            const int right = PixelOf(std::max(from.x, to.x));
            const int bottom = PixelOf(std::max(from.y, to.y));
            const QRect run(left, top, right - left + 1, bottom - top + 1);
            if (!m_pixels) {
                m_runs.append(run);
            } else if (!m_clipped || MayDraw(run)) {
                FillPixels(run, color);
            }
        } else {
            const QLineF line(from.x, from.y, to.x, to.y);
            if (m_lineStamps && m_pixels && StampLine(line, color)) {
                continue;
            }
            if (!m_clipped) {
                m_slanted.append(line);
                continue;
            }
            const QRect bounds =
                QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-1, -1, 1, 1);
            if (WhollyInside(bounds)) {
                m_unclipped.append(line);
            } else if (MayDraw(bounds)) {
                m_slanted.append(line);
            }
        }
    }
    const QColor shown = ToQColor(color);
    if (!m_unclipped.isEmpty()) {
        // Lines wholly inside the clip are drawn without it: a clip of many rectangles costs
        // more than the lines.
        m_painter.setPen(QPen(shown, 0));
        m_painter.setClipping(false);
        m_painter.drawLines(m_unclipped.constData(), static_cast<int>(m_unclipped.size()));
        m_painter.setClipping(true);
        m_unclipped.clear();
    }
    if (!m_runs.isEmpty()) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(shown);
        m_painter.drawRects(m_runs.constData(), static_cast<int>(m_runs.size()));
        m_painter.setBrush(Qt::NoBrush);
    }
    if (!m_slanted.isEmpty()) {
        m_painter.setPen(QPen(shown, 0));
        m_painter.drawLines(m_slanted.constData(), static_cast<int>(m_slanted.size()));
    }
}

bool CQtDiagramPainter::StampLine(const QLineF& line, DiagramColor color) {
    const double x = line.x1() + m_origin.x();
    const double y = line.y1() + m_origin.y();
    const QPoint anchor(PixelOf(x), PixelOf(y));
    CLineStamps::Shape* shape = m_lineStamps->ShapeOf(QPointF(x - anchor.x(), y - anchor.y()),
                                                      line.p2() - line.p1(), m_hints);
    if (!shape) {
        return false;
    }
    const QRect box = shape->box.translated(anchor);
    const bool inside = box.left() >= m_bounds.left() && box.right() <= m_bounds.right() &&
                        box.top() >= m_bounds.top() && box.bottom() <= m_bounds.bottom();
    if (!inside || (m_clipped && !WhollyInside(box.translated(-m_origin)))) {
        return false;
    }
    const QRgb pixel = qRgb(color.red, color.green, color.blue);
    uchar* const origin =
        m_pixels + anchor.y() * m_bytesPerLine + anchor.x() * qsizetype{sizeof(QRgb)};
    for (const qsizetype offset : shape->OffsetsIn(m_bytesPerLine)) {
        *reinterpret_cast<QRgb*>(origin + offset) = pixel;
    }
    return true;
}

void CQtDiagramPainter::Text(double x, double y, std::string_view text, DiagramColor color,
                             Align align) {
    if (DrawAscii(x, y, text, color, align)) {
        return;
    }
    DrawHeldRects();
    DrawHeldTexts();  // in the order they came
    m_painter.setPen(ToQColor(color));
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    double left = x;
    if (align != Align::kLeft) {
        const double width = m_metrics.horizontalAdvance(shown);
        left -= align == Align::kCenter ? width / 2 : width;
    }
    m_painter.drawText(QPointF(left, y), shown);
}

bool CQtDiagramPainter::DrawAscii(double x, double y, std::string_view text, DiagramColor color,
                                  Align align) {
    const bool printable = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= kFirstPrintable && c <= kLastPrintable;
    });
    if (!m_glyphs.isValid() || !printable || text.empty()) {
        return false;
    }
    const double width = static_cast<double>(text.size()) * m_advance;
    const double left =
        align == Align::kLeft ? x : (align == Align::kCenter ? x - width / 2 : x - width);
    bool clipped = false;
    if (m_clipped) {
        const QRect bounds(PixelOf(left) - 2, PixelOf(y - kFontPixels) - 2,
                           static_cast<int>(width) + 5, static_cast<int>(kFontPixels) + 8);
        if (!MayDraw(bounds)) {
            return true;
        }
        clipped = !WhollyInside(bounds);
    }
    auto held = std::find_if(m_held.begin(), m_held.end(), [&](const HeldTexts& texts) {
        return texts.color == color && texts.clipped == clipped;
    });
    if (held == m_held.end()) {
        held = m_held.insert(m_held.end(), HeldTexts{color, clipped, {}, {}});
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        held->glyphs.append(m_glyphIndex[static_cast<unsigned char>(text[i])]);
        held->positions.append({left + static_cast<double>(i) * m_advance, y});
    }
    return true;
}

void CQtDiagramPainter::DrawHeldTexts() {
    for (HeldTexts& texts : m_held) {
        if (m_stamps && m_pixels) {
            StampGlyphs(texts);
        }
        if (texts.glyphs.isEmpty()) {
            continue;
        }
        QGlyphRun run;
        run.setRawFont(m_glyphs);
        run.setGlyphIndexes(texts.glyphs);
        run.setPositions(texts.positions);
        m_painter.setPen(ToQColor(texts.color));
        const bool unclipped = m_clipped && !texts.clipped;
        if (unclipped) {
            m_painter.setClipping(false);
        }
        m_painter.drawGlyphRun(QPointF(0, 0), run);
        if (unclipped) {
            m_painter.setClipping(true);
        }
    }
    m_held.clear();
}

void CQtDiagramPainter::StampGlyphs(HeldTexts& texts) {
    // A glyph QPainter must draw (its background uneven, or partly outside) is drawn after the
    // rest: a later glyph whose pixels it may reach is left to QPainter too, to keep their order.
    QList<quint32> leftGlyphs;
    QList<QPointF> leftPositions;
    std::vector<QRect> leftBoxes;
    const QRgb color = qRgb(texts.color.red, texts.color.green, texts.color.blue);
    const QPainter::RenderHints hints = m_hints;
    for (qsizetype i = 0; i < texts.glyphs.size(); ++i) {
        const quint32 index = texts.glyphs[i];
        const QPointF at = texts.positions[i];
        // Where QPainter puts the glyph, in 64ths of a device pixel.
        const QPoint fixed(qRound(at.x() * 64) + m_origin.x() * 64,
                           qRound(at.y() * 64) + m_origin.y() * 64);
        const QPoint anchor(fixed.x() >> 6, fixed.y() >> 6);
        const QPoint phase(fixed.x() & 63, fixed.y() & 63);
        CGlyphStamps::Glyph& glyph = m_stamps->GlyphAt(m_glyphs, index, phase, m_format, hints);
        const QRect box = glyph.usable ? glyph.box.translated(anchor)
                                       : QRect(anchor - QPoint(8, 16), QSize(24, 24));
        const bool placed = fixed == QPoint(qRound((at.x() + m_origin.x()) * 64),
                                            qRound((at.y() + m_origin.y()) * 64));
        const bool stamped =
            placed && glyph.usable && m_bounds.contains(box) &&
            WhollyInside(box.translated(-m_origin)) &&
            std::none_of(leftBoxes.begin(), leftBoxes.end(),
                         [&](const QRect& left) { return left.intersects(box); }) &&
            m_stamps->Draw(glyph, m_glyphs, index, phase, m_format, hints, color, m_pixels,
                           m_bytesPerLine, anchor);
        if (!stamped) {
            leftGlyphs.append(index);
            leftPositions.append(at);
            leftBoxes.push_back(box);
        }
    }
    texts.glyphs = std::move(leftGlyphs);
    texts.positions = std::move(leftPositions);
}

}  // namespace rungpad
