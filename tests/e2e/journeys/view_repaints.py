"""The view shows what the program holds after every command, also a refused one: a coil with an
empty address refused on the trailing line leaves its horizontal lines drawn from the rail and
the appended line numbered; in a new document a deletion on the last line draws the line it
appended (line 0003), the one the error marker points at."""

from e2elib import check, run_journey

LAST_LINE = 13  # the example's trailing empty line (0-based)


def number_rect(grid, line):
    """Where the line number of line is written, left of the rail."""
    left, top = grid.to_screen(8, grid.GRID_TOP + grid.LINE_H * line + 4)
    right, bottom = grid.to_screen(66, grid.GRID_TOP + grid.LINE_H * (line + 1) - 4)
    return (left, top, right, bottom)


def run(s):
    path = s.copy_example()
    s.start_app(path)
    grid = s.grid()
    s.click(*grid.cell_center(7, LAST_LINE))
    s.key("ctrl+e")
    s.wait_active(r"^item set$")
    s.key("Return")  # no address: refused
    s.wait_active(s.MAIN)
    image = s.wait_screen(
        lambda image: all(image.dark_count(grid.cell_rect(c, LAST_LINE)) > 10 for c in range(7))
        and image.dark_count(number_rect(grid, LAST_LINE + 1)) > 10,
        "the wire of the refused coil and line 0015")
    s.save(image, "refused-coil")
    check(not s.output_text()[-1:] == ["Accept!"], "the empty address was accepted")

    s.key("ctrl+n")
    s.wait_active(r"Ladder1")
    grid = s.grid()
    s.click(*grid.cell_center(0, 0))
    s.key("ctrl+q")
    s.enter_item("x0.0")
    s.key("ctrl+d")
    s.wait_selected(grid, [(0, 1)])  # the link set, the cursor one line down
    s.click(*grid.cell_center(0, 1))  # the keys back to the view (reading the output took them)
    s.key("Delete")
    image = s.wait_screen(lambda image: image.dark_count(number_rect(grid, 2)) > 10,
                          "line 0003 drawn")
    s.save(image, "new-document")


if __name__ == "__main__":
    run_journey(run)
