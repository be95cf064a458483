#include "view/CursorMotion.h"

#include <algorithm>

#include "model/LadLine.h"

namespace rungpad {

namespace {

using G = GridGeometry;

// Left, Up and Page Down count down; the others up.
int Direction(CursorMotion::Key key) {
    using K = CursorMotion::Key;
    return key == K::Left || key == K::Up || key == K::PageDown ? -1 : 1;
}

}  // namespace

CursorMotion::Move CursorMotion::Next(Key key, GridPos cursor, int scrollY, int lineCount) {
    if (lineCount <= 0) {
        return {{0, 0}, std::nullopt};
    }
    // The top of the program shows whole; the last line is scrolled into view by the view.
    if (key == Key::First) {
        return {{0, 0}, 0};
    }
    if (key == Key::Last) {
        return {{0, lineCount - 1}, std::nullopt};
    }
    if (cursor.column < 0 || cursor.line < 0) {
        return {{0, 0}, std::nullopt};
    }
    const int d = Direction(key);
    const int lastLine = lineCount - 1;
    int column = cursor.column;
    int line = cursor.line;
    std::optional<int> scroll;
    switch (key) {
        case Key::Up:
        case Key::Down: {
            line = std::clamp(line + (key == Key::Down ? 1 : -1), 0, lastLine);
            const int y = -G::kLineHeight * line;
            if (y > scrollY || y < scrollY - G::kPageStepY) {
                scroll = scrollY - G::kLineHeight * (key == Key::Down ? 1 : -1);
            }
            break;
        }
        case Key::Left:
        case Key::Right:
            column = (column + d + LadLine::kColumns) % LadLine::kColumns;
            break;
        case Key::Home:
            column = 0;
            break;
        case Key::End:
            column = LadLine::kColumns - 1;
            break;
        case Key::PageUp:
        case Key::PageDown: {
            int y = scrollY + G::kPageStepY * d;
            if (y > 0) {
                y = 0;
                line = 0;
            } else if (y < -G::kLineHeight * lineCount + G::kPageStepY) {
                y = -G::kLineHeight * lineCount + G::kPageStepY;
                line = lastLine;
            } else {
                line = std::clamp(line - 15 * d, 0, lastLine);
            }
            scroll = y;
            break;
        }
        case Key::First:
        case Key::Last:
            break;  // taken above
    }
    return {{column, line}, scroll};
}

}  // namespace rungpad
