#pragma once

#include "model/SelectionState.h"  // GridPos, LogicalPoint

namespace rungpad {

// A rectangle in logical units (0.01 inch, y up, origin at the top left of the scrollable area,
// so every y on the grid is zero or negative): top is above bottom, so top >= bottom.
struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const LogicalRect&, const LogicalRect&) = default;
};

struct LogicalSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const LogicalSize&, const LogicalSize&) = default;
};

// An inclusive range of lines; empty when last < first.
struct LineRange {
    int first = 0;
    int last = -1;
    bool Empty() const { return last < first; }
    int Size() const { return Empty() ? 0 : last - first + 1; }
    friend bool operator==(const LineRange&, const LineRange&) = default;
};

// Where the ladder grid lies on the view's surface. Plain arithmetic, shared by painting, hit
// testing, scrolling and printing.
class GridGeometry {
  public:
    static constexpr int kCellWidth = 70;
    static constexpr int kLineHeight = 40;
    static constexpr int kLeftRail = 72;
    static constexpr int kRightRail = kLeftRail + 8 * kCellWidth;  // 632
    static constexpr int kGridTop = -42;                           // top of line 0
    static constexpr int kRailTop = -22;  // the rails start a little above the grid
    static constexpr int kWireDrop = 32;  // wire height below a cell's top
    static constexpr int kTextDrop = 20;  // line number and note text below a line's top
    static constexpr int kLineNumberX = 22;
    static constexpr int kNoteX = 642;
    static constexpr int kScrollWidth = 1220;
    static constexpr int kScrollMargin = 50;
    static constexpr int kPageStepX = 700;
    static constexpr int kPageStepY = 600;
    static constexpr int kLineStep = 10;
    // How far a line's drawing reaches beyond its own band: a box frame one unit above its top,
    // a vertical link down to the wire of the line below.
    static constexpr int kReachAbove = 1;
    static constexpr int kReachBelow = kWireDrop + kLineHeight;  // 72 below the top

    static constexpr int CellLeft(int column) { return kLeftRail + kCellWidth * column; }
    static constexpr int LineTop(int line) { return -kLineHeight * line + kGridTop; }
    // Top of a line's row on a printed page, which holds 25 lines.
    static constexpr int PrintLineTop(int line) { return LineTop(line % kLinesPerPage); }
    static constexpr int kLinesPerPage = 25;

    static LogicalRect CellRect(int column, int line);
    // The rectangle a selected cell shows inverted: one unit left of the cell, its right edge
    // one unit short of the next cell.
    static LogicalRect HighlightRect(int column, int line);
    // Bottom end of the rails for a program of lineCount lines.
    static int GridBottom(int lineCount) { return LineTop(lineCount); }
    // The surface a program of lineCount lines needs: the grid, and the note column as far as
    // its widest note reaches (noteWidth logical units), at most the full 1220 units.
    static LogicalSize ScrollSize(int lineCount, int noteWidth = kScrollWidth);

    // Hit areas of the mouse handlers.
    static bool InGrid(LogicalPoint p, int lineCount);
    static bool InNoteColumn(LogicalPoint p, int lineCount);
    // The cell a click selects: points outside the grid are pulled onto its nearest cell.
    // No position for an empty program.
    static GridPos CellAt(LogicalPoint p, int lineCount);

    // Where to scroll (the logical y of the view's top edge) so that line shows, given the view's
    // top edge now at scrollY: unchanged when the line's top is within the 600 units below it,
    // else the line goes seven lines below the top.
    static int ScrollYToShow(int line, int scrollY);

    // The lines whose drawing can touch the band of y from top down to bottom (top >= bottom),
    // limited to 0 .. lineCount - 1.
    static LineRange LinesTouching(int top, int bottom, int lineCount);
};

}  // namespace rungpad
