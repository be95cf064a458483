#include "shell/monitor/LineStamps.h"

#include <QImage>
#include <bit>
#include <cmath>

namespace rungpad {

namespace {

// The canvas a line is measured on, and where its start's pixel lies in it.
constexpr int kCanvasSize = 128;
constexpr QPoint kCanvasAnchor(64, 64);
constexpr QRgb kWhite = 0xffffffff;

std::uint64_t BitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value + 0.0);  // -0 and 0 alike
}

}  // namespace

std::size_t CLineStamps::KeyHash::operator()(const Key& key) const {
    std::uint64_t hash = key.hints;
    for (const double value : {key.x, key.y, key.dx, key.dy}) {
        hash = (hash ^ BitsOf(value)) * 0x9E3779B97F4A7C15ULL;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

const std::vector<qsizetype>& CLineStamps::Shape::OffsetsIn(qsizetype bytesPerLine) {
    if (pitch != bytesPerLine) {
        pitch = bytesPerLine;
        offsets.clear();
        for (const QPoint at : pixels) {
            offsets.push_back(at.y() * bytesPerLine + at.x() * qsizetype{sizeof(QRgb)});
        }
    }
    return offsets;
}

CLineStamps::Shape* CLineStamps::ShapeOf(QPointF start, QPointF extent,
                                         QPainter::RenderHints hints) {
    if (std::abs(extent.x()) > kMostExtent || std::abs(extent.y()) > kMostExtent) {
        return nullptr;
    }
    const Key key{start.x(), start.y(), extent.x(), extent.y(), hints.toInt()};
    for (const Recent& last : m_last) {
        if (last.key == key) {
            return last.shape;
        }
    }
    const auto remembered = [&](Shape* shape) {
        m_last[1] = m_last[0];
        m_last[0] = {key, shape};
        return shape;
    };
    for (const Recent& recent : m_recent) {
        if (recent.key == key) {
            return remembered(recent.shape);
        }
    }
    auto found = m_shapes.find(key);
    if (found == m_shapes.end()) {
        if (m_shapes.size() >= kMostShapes) {
            m_shapes.clear();
            m_recent.fill({});
            m_last.fill({});
        }
        found = m_shapes.emplace(key, Measured(key)).first;
    }
    Shape* shape = found->second ? &*found->second : nullptr;
    m_recent[m_nextRecent] = {key, shape};
    m_nextRecent = (m_nextRecent + 1) % kRecent;
    return remembered(shape);
}

std::optional<CLineStamps::Shape> CLineStamps::Measured(const Key& key) {
    QImage canvas(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    canvas.fill(kWhite);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(painter.renderHints(), false);
        painter.setRenderHints(QPainter::RenderHints::fromInt(key.hints), true);
        painter.setPen(QPen(Qt::black, 0));
        const QPointF from = QPointF(kCanvasAnchor) + QPointF(key.x, key.y);
        painter.drawLine(QLineF(from, from + QPointF(key.dx, key.dy)));
    }
    Shape shape;
    for (int y = 0; y < kCanvasSize; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < kCanvasSize; ++x) {
            if (line[x] == kWhite) {
                continue;
            }
            if (x == 0 || y == 0 || x == kCanvasSize - 1 || y == kCanvasSize - 1) {
                return std::nullopt;
            }
            const QPoint at = QPoint(x, y) - kCanvasAnchor;
            shape.pixels.push_back(at);
            shape.box |= QRect(at, QSize(1, 1));
        }
    }
    return shape;
}

}  // namespace rungpad
