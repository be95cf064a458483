#pragma once

#include "view/GridGeometry.h"

namespace rungpad {

// How a program is cut into printed pages of 25 lines and where a page's fixed parts lie, in the
// view's logical units.
class PrintLayout {
  public:
    static constexpr int kLinesPerPage = GridGeometry::kLinesPerPage;
    static constexpr LogicalSize kPageExtent{899, 1250};
    // The rails run one line height past the page's last row.
    static constexpr int kRailBottom = -1082;
    static constexpr int kBorderLeft = 42;
    static constexpr int kBorderRight = 662;
    static constexpr LogicalPoint kPageNumberAt{345, -1091};

    // Pages for lineCount lines; a program that fills its last page exactly still gets one more.
    static int PageCount(int lineCount) { return lineCount / kLinesPerPage + 1; }
    // The lines of page (1-based), limited to the program; empty past its end.
    static LineRange PageLines(int page, int lineCount);
};

}  // namespace rungpad
