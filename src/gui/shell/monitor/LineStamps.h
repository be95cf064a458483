#pragma once

#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace rungpad {

// The pixels QPainter sets when it strokes a short slanted line one pixel wide without smoothing
// (a bus crossing of the timing diagram), kept per shape to be set directly the next time: its
// line drawing costs more than the rest of a trace's repaint when thousands of crossings are in
// sight. A line covers the same pixels wherever it is moved by whole pixels, so a shape is its
// start's place within a pixel and its extent.
class CLineStamps {
  public:
    // The pixels a line covers, from the pixel holding its start, and the box around them.
    struct Shape {
        std::vector<QPoint> pixels;
        QRect box;
        // The pixels' byte offsets in an image of lines pitch bytes apart (the last asked for).
        std::vector<qsizetype> offsets;
        qsizetype pitch = 0;
        const std::vector<qsizetype>& OffsetsIn(qsizetype bytesPerLine);
    };
    // The shape of a line from start (within its pixel, 0 to 1) on by extent (device pixels);
    // nullptr for a line too long to keep.
    Shape* ShapeOf(QPointF start, QPointF extent, QPainter::RenderHints hints);

  private:
    struct Key {
        double x = 0;  // the start within its pixel
        double y = 0;
        double dx = 0;  // the extent
        double dy = 0;
        unsigned int hints = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    // Longer lines are drawn by QPainter (they are few).
    static constexpr int kMostExtent = 48;
    // Shapes kept before all are dropped (the diagram's crossings have a few).
    static constexpr std::size_t kMostShapes = 4096;
    // Shapes last asked for, looked at before the map: a trace's crossings have a few shapes.
    static constexpr std::size_t kRecent = 8;

    static std::optional<Shape> Measured(const Key& key);

    std::unordered_map<Key, std::optional<Shape>, KeyHash> m_shapes;
    // The map's elements stay put while it is not cleared.
    struct Recent {
        Key key;
        Shape* shape = nullptr;
    };
    std::array<Recent, kRecent> m_recent{};
    std::size_t m_nextRecent = 0;
    // The last two found, asked first: a polyline of crossings takes turns between two shapes.
    std::array<Recent, 2> m_last{};
};

}  // namespace rungpad
