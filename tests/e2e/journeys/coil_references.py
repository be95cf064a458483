"""Following a coil to its contacts: View > Coil References shows, beside the coil of line 1
(Y000.0), the lines of its contacts ("2 3") and moves the line notes right to make room; a
click on the "2" selects the contact on line 2. Turned off again, the notes move back."""

from e2elib import check, run_journey, wait_until

MARGIN_LEFT, MARGIN_RIGHT = 640, 790  # the reference column, in logical units
MOVED_NOTE_LEFT, MOVED_NOTE_RIGHT = 800, 900  # where line notes begin while it shows


def ink(shot, grid, line, left_units, right_units):
    left, top = grid.to_screen(left_units, grid.GRID_TOP + grid.LINE_H * line)
    right, bottom = grid.to_screen(right_units, grid.GRID_TOP + grid.LINE_H * (line + 1))
    return shot.dark_count((left, top, right, bottom))


def margin_ink(shot, grid, line):
    return ink(shot, grid, line, MARGIN_LEFT, MARGIN_RIGHT)


def moved_note_ink(shot, grid, line):
    return ink(shot, grid, line, MOVED_NOTE_LEFT, MOVED_NOTE_RIGHT)


def selected(shot, grid, column, line):
    """A selected cell is drawn inverted: mostly dark."""
    return shot.dark_count(grid.cell_rect(column, line)) > 600


def toggle_coil_references(s):
    s.key("alt+v")
    menu = s.wait_popup()
    items = s.menu_items(menu)
    s.choose_menu_item(menu, len(items) - 6)  # before the four zoom commands and Language
    wait_until(lambda: not s.popups(), "the View menu to close")


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()
    # Line 1's note "主轴启动" starts right of the rail; nothing lies further right.
    check(moved_note_ink(s.screenshot(), grid, 0) == 0, "references shown before they were asked for")

    toggle_coil_references(s)
    s.wait_screen(lambda shot: moved_note_ink(shot, grid, 0) > 5, "line 1's note to move right")
    shot = s.screenshot()
    check(margin_ink(shot, grid, 0) > 5, "no references beside line 1")
    check(margin_ink(shot, grid, 1) == 0, "references beside line 2, which has no coil")
    s.screenshot("coil references")

    # The first number of line 1's references is "2": the contact Y000.0 on line 2.
    x, y = grid.to_screen(MARGIN_LEFT + 3, grid.GRID_TOP + grid.LINE_H // 2)
    s.click(x, y)
    s.wait_screen(lambda shot: selected(shot, grid, 0, 1), "the jump to the contact on line 2")
    s.screenshot("jumped")

    toggle_coil_references(s)
    s.wait_screen(lambda shot: moved_note_ink(shot, grid, 0) == 0, "the note to move back")


if __name__ == "__main__":
    run_journey(run)
