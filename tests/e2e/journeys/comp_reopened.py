"""A COMP box comparing the address R100 with D010 (format 1001), built by keyboard before END2
of the example: it converts, and the document compared with the file it was just saved to shows
no difference. Closed and opened again, it still converts, COMP's address parameter still takes
an address, and comparing with the saved file still shows no marks."""

from e2elib import check, run_journey

TITLE = r"\[comp\.plf\*?\]$"
BOX_LINE = 12  # END2's line in the example: the box goes in above it
NO_CHANGES = ": 0 lines changed, 0 inserted, 0 deleted; 0 cells changed, 0 line notes " \
             "changed, 0 header fields changed"


def margin(grid, line):
    """A point in the margin left of a line's number."""
    return grid.to_screen(10, grid.GRID_TOP + grid.LINE_H * line + grid.LINE_H // 2)


def compare_shows_nothing(s, grid, path, label):
    s.key("alt+f", "w")
    s.file_dialog(path)
    s.wait_output(f"Compare With {path}{NO_CHANGES}")
    image = s.screenshot(label)
    for line in range(BOX_LINE + 4):
        check(image.pixel(*margin(grid, line)) == (255, 255, 255), f"line {line + 1} marked")


def convert(s):
    s.key("F7")
    lines = s.wait_output("Convert succeed!")
    check(not any("错误代号" in line for line in lines), f"conversion error in {lines}")


def run(s):
    path = s.copy_example(to="comp.plf")
    s.start_app(path, title=TITLE)
    grid = s.grid()

    # COMP through the function dialog, then its input contact, parameters and coil.
    s.click(*grid.cell_center(1, BOX_LINE))
    s.key("ctrl+a")
    s.wait_active(r"^Dialog$")
    s.type("comp")
    s.key("Return")
    s.wait_active(TITLE)
    s.place(grid, 0, BOX_LINE, "ctrl+q", "x1.2")
    for column, value in ((2, "1001"), (3, "r100"), (4, "d10")):
        s.place(grid, column, BOX_LINE, "Return", value)
    s.place(grid, 7, BOX_LINE, "ctrl+e", "y2.0")
    s.screenshot("built")
    convert(s)

    s.save_document(path)
    compare_shows_nothing(s, grid, path, "compared-after-save")

    # Close, open again: the same program.
    s.key("alt+f", "c")
    s.wait_active(r"^Ladder diagram editor$")
    s.key("ctrl+o")
    s.file_dialog(path)
    s.wait_active(TITLE)
    s.wait_output("文件载入完成!")
    grid = s.grid()
    convert(s)
    compare_shows_nothing(s, grid, path, "compared-after-opening")
    s.place(grid, 3, BOX_LINE, "Return", "r101")  # the address parameter takes an address
    convert(s)
    s.screenshot("changed-after-opening")


if __name__ == "__main__":
    run_journey(run)
