"""Open the example, place a normally open contact with the keyboard, save, and find the contact
in the saved file."""

from e2elib import run_journey, check, check_equal

LAST_LINE = 13  # the example's trailing empty line (0-based)


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    # Select an empty cell of the trailing line with the mouse, then Ctrl+Q and the address.
    s.click(*grid.cell_center(1, LAST_LINE))
    s.key("ctrl+q")
    s.wait_active(r"^item set$")
    s.type("x1.2")
    s.key("Return")
    s.wait_active(r"\[demo\.plf\*\]")
    check_equal(s.output_text()[-2:], ["Checking...", "Accept!"], "output window")
    # The contact is drawn in its cell (the cell is shown inverted while selected, so look at
    # the count of light pixels, the drawing, inside the dark highlight) and a new trailing line
    # has been added below it.
    shot = s.screenshot("placed")
    cell = grid.cell_rect(1, LAST_LINE)
    check(shot.count(cell, lambda p: min(p) > 160) > 30, "no contact drawn in cell (1, 13)")

    s.key("ctrl+s")
    s.wait_active(r"^Ladder diagram information$")  # asked on every save
    s.key("Return")
    saved = s.wait_file(path, changed_from=original)
    check(saved != original, "file not rewritten")
    dump = s.cli_text("dump", path).splitlines()
    check_equal(dump[0].split()[-1], "15", "line count in the saved file")
    check(dump[-2].startswith("0014 ") and "[X001.2]" in dump[-2],
          f"line 14 of the saved file: {dump[-2]!r}")
    s.wait_active(r"\[demo\.plf\]$")


if __name__ == "__main__":
    run_journey(run)
