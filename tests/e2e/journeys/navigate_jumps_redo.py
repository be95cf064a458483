"""Finding one's way: a gap in a network shows a red marker beside its line number at once,
Ctrl+Z takes the gap back and the marker goes, Ctrl+Y redoes it; F7 reports the error and a
double-click on the report line in the output window selects the line's first cell; "Show Cross
Reference" on a contact lists its address and Enter on the first use selects that use."""

from e2elib import check, run_journey, wait_until

LINE = 4  # the example's "R100.0 ---- (Y000.1)" (0-based); R100.0's coil is on line 2


def marker_pixels(shot, grid, line):
    """Red pixels in the margin left of the line number."""
    left, top = grid.to_screen(0, grid.GRID_TOP + grid.LINE_H * line)
    right, bottom = grid.to_screen(20, grid.GRID_TOP + grid.LINE_H * (line + 1))
    return shot.count((left, top, right, bottom),
                      lambda p: p[0] > 180 and p[1] < 80 and p[2] < 80)


def selected(shot, grid, column, line):
    """A selected cell is drawn inverted: mostly dark."""
    return shot.dark_count(grid.cell_rect(column, line)) > 600


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()
    check(marker_pixels(s.screenshot(), grid, LINE) == 0, "a marker before any edit")

    s.click(*grid.cell_center(3, LINE))
    s.key("Delete")
    s.wait_screen(lambda shot: marker_pixels(shot, grid, LINE) > 20, "the live error marker")
    s.key("ctrl+z")
    s.wait_screen(lambda shot: marker_pixels(shot, grid, LINE) == 0, "the marker to go on undo")
    s.key("ctrl+y")
    s.wait_screen(lambda shot: marker_pixels(shot, grid, LINE) > 20, "the marker back on redo")
    s.screenshot("marker")

    s.key("F7")
    lines = s.wait_output("梯图第0005行  错误代号 1009 网络水平线未连上")
    check(lines[0] == "Converting...", f"output window: {lines!r}")
    check(not selected(s.screenshot(), grid, 0, LINE), "cell (0, 4) selected before the jump")
    # Double-click the report line: the second band of text rows in the output window.
    # (Reading the window selected its text; a click on its empty end clears that.)
    left, top, right, bottom = s.output_rect()
    s.click(right - 40, bottom - 6)
    shot = s.screenshot()
    inked = [shot.dark_count((left + 2, y, left + 300, y + 1), 160) > 0 for y in range(top, bottom)]
    bands, start = [], None
    for offset, ink in enumerate(inked + [False]):
        if ink and start is None:
            start = offset
        elif not ink and start is not None:
            bands.append(top + (start + offset) // 2)
            start = None
    check(len(bands) >= 2, f"text lines of the output window: {bands!r}")
    s.double_click(left + 60, bands[1])
    s.wait_screen(lambda shot: selected(shot, grid, 0, LINE), "the jump to the error's line")
    s.screenshot("jumped")

    s.click(*grid.cell_center(0, LINE), button=3)
    menu = s.wait_popup()
    # Cut, Copy, Paste, Insert Line, Delete Line, Modify Note, then Show Cross Reference.
    s.choose_menu_item(menu, 6)
    wait_until(lambda: not s.popups(), "the context menu to close")
    s.screenshot("cross reference")
    s.key("Return")  # the first use of R100.0: its coil on line 2
    s.wait_screen(lambda shot: selected(shot, grid, 7, 2), "the jump to R100.0's coil")
    s.screenshot("coil")


if __name__ == "__main__":
    run_journey(run)
