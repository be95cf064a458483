"""The mouse wheel scrolls the ladder view by three ladder lines a notch (the desktop's default
step), down and back up."""

from e2elib import run_journey


def run(s):
    s.start_app(s.copy_example())
    grid = s.grid()
    # Forty more lines, so that the program is longer than the window.
    s.click(*grid.cell_center(0, 13))
    s.key("Insert")
    s.wait_active(r"^Insert Line$")
    s.type("40")
    s.key("Return")
    s.wait_active(s.MAIN)
    s.click(*grid.cell_center(0, 10))
    s.wait_selected(grid, {(0, 10)}, also_lines=[7])

    # One notch down: the selected cell is drawn where line 7 was, three lines higher.
    s.xdotool("click", "5")
    s.wait_selected(grid, {(0, 7)}, also_lines=[6, 8, 10])
    s.screenshot("scrolled")
    s.xdotool("click", "4")
    s.wait_selected(grid, {(0, 10)}, also_lines=[7, 9, 11])


if __name__ == "__main__":
    run_journey(run)
