#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "view/GridGeometry.h"

namespace rungpad {

class CoilReferences;
class LadPainter;

// The coil references in a column right of the right rail: beside each line that writes an
// address, the lines whose contacts read it ("12 40 /57", "/" for a normally closed contact),
// cut with "…" where they do not fit. While it shows, the line notes move right by its width.
class CoilRefMargin {
  public:
    static constexpr int kLeft = GridGeometry::kRightRail + 8;
    static constexpr int kWidth = 150;
    static constexpr int kNoteShift = kWidth + 12;

    // One piece of a line's margin text; target is the contact cell a click goes to, or no
    // position for an address label or the "…".
    struct Item {
        QString text;
        LogicalRect rect;
        GridPos target;
    };
    struct Layout {
        std::vector<Item> items;
        bool cut = false;
        QString fullText;  // every reference, for the tool tip: "R100.1: 12 40 /57"
    };
    // Logical width of a text in the element font.
    using Measure = std::function<int(const QString&)>;

    static Layout LayOut(const CoilReferences& references, int line, const Measure& measure);
    // The margin text of the lines in lines; forPrint places a line on its page's row.
    static void Draw(LadPainter& p, const CoilReferences& references, LineRange lines,
                     const Measure& measure, bool forPrint = false);
    // Whether point lies in the margin column of a line of a program of lineCount lines.
    static bool InColumn(LogicalPoint point, int lineCount);
    // The contact cell of the number under point, or no position.
    static GridPos TargetAt(const CoilReferences& references, LogicalPoint point, int lineCount,
                            const Measure& measure);
};

}  // namespace rungpad
