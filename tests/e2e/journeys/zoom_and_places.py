"""Zoom with the keys and Ctrl+wheel (the grid is drawn larger and smaller, then back to its
size with Ctrl+0), Ctrl+End and Ctrl+Home to the program's last and first line, and the tool tip
of a contact naming its address and note."""

from e2elib import Grid, check, run_journey

LAST_LINE = 13  # the example's trailing empty line (0-based)


def wait_zoom(s, zoom):
    """Waits until the grid on screen is drawn at zoom; returns it."""
    found = []

    def probe(image):
        grid = Grid.locate(image, zoom)
        if grid:
            found.append(grid)
        return grid is not None
    s.wait_screen(probe, f"the grid drawn at {zoom:.0%}")
    return found[0]


def run(s):
    path = s.copy_example()
    s.start_app(path)
    grid = s.grid()
    normal = grid.scale

    s.click(*grid.cell_center(3, 5))
    s.key("ctrl+plus")
    bigger = wait_zoom(s, 1.1)
    # Ctrl+wheel down twice: two steps smaller (110% to 90%), about the mouse.
    s.move(*bigger.cell_center(3, 5))
    s.xdotool("keydown", "ctrl", "click", "5", "click", "5", "keyup", "ctrl")
    smaller = wait_zoom(s, 0.9)
    s.save(s.screenshot(), "zoomed-out")
    s.key("ctrl+0")
    grid = wait_zoom(s, 1.0)
    check(smaller.scale < normal < bigger.scale, "zoom steps")

    # Ctrl+End: the last line, scrolled into view; Ctrl+Home: the first.
    s.key("ctrl+End")
    s.wait_selected(grid, {(0, LAST_LINE)})
    s.key("ctrl+Home")
    s.wait_selected(grid, {(0, 0)})

    # A note for X000.0 (Modify Note), then the mouse rests on the contact: its tool tip.
    s.click(*grid.cell_center(0, 0))
    s.key("ctrl+t")
    s.wait_active(r"^(?!Ladder diagram editor)")
    s.type("spindle start")
    s.key("Return")
    s.wait_active(s.MAIN)
    s.click(*grid.cell_center(4, 8))
    x, y = grid.cell_center(0, 0)
    below = (x, y + 8, x + 240, y + 60)  # where a tool tip opens, below right of the mouse
    before = s.wait_settled()
    s.move(x - 3, y)
    s.move(x, y)
    shown = s.wait_screen(lambda image: image.differs(before, below), "the contact's tool tip")
    s.save(shown, "tool-tip")


if __name__ == "__main__":
    run_journey(run)
