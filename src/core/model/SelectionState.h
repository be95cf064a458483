#pragma once

namespace rungpad {

// A grid position: column 0 to 7, line 0 to line count - 1; -1 in either means no position.
struct GridPos {
    int column = -1;
    int line = -1;
    friend bool operator==(const GridPos&, const GridPos&) = default;
};

// A point in logical units (0.01 inch, y up), for the rubber band of a mouse drag.
struct LogicalPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LogicalPoint&, const LogicalPoint&) = default;
};

// The cursor and selection of a document, shared by all its views. When anchor equals cursor
// the selection is that one cell; otherwise it is every whole line between the two. A cursor
// column below 0 means there is no cursor and editing commands do nothing.
struct SelectionState {
    GridPos anchor{0, 0};
    GridPos cursor{-1, -1};
    LogicalPoint bandEnd;
    LogicalPoint bandStart;

    bool HasCursor() const { return cursor.column >= 0; }
    bool IsSingleCell() const { return anchor == cursor; }
    int FirstLine() const { return anchor.line < cursor.line ? anchor.line : cursor.line; }
    int LastLine() const { return anchor.line < cursor.line ? cursor.line : anchor.line; }
};

}  // namespace rungpad
