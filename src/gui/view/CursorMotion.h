#pragma once

#include <optional>

#include "view/GridGeometry.h"

namespace rungpad {

// Where the cursor keys take the cursor and the view: arrows move one cell (left and right wrap
// around within the line), Home and End go to the line's first and last column, Page Up and
// Page Down scroll by 600 units and move the cursor 15 lines; Ctrl+Home and Ctrl+End (First and
// Last) go to the first cell of the program's first and last line.
class CursorMotion {
  public:
    enum class Key { Left, Right, Up, Down, Home, End, PageUp, PageDown, First, Last };

    struct Move {
        GridPos cursor;              // the new anchor and cursor
        std::optional<int> scrollY;  // the view's new top edge (logical y), when it scrolls
    };

    // cursor: the present cursor (column below 0: none); scrollY: the view's top edge now.
    static Move Next(Key key, GridPos cursor, int scrollY, int lineCount);
};

}  // namespace rungpad
