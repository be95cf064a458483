"""Monitor mode's Timing Diagram: start the simulation on the example, watch the start contact
and the latch's coil in the Signals window, open Simulation > Timing Diagram, press and release
the start contact and see both traces rise in the dock; put the cursor on the run, export the
picture as a PNG from the diagram's right-click menu and find the edges in the file too."""

import subprocess

from e2elib import Image, run_journey, check

RULER = (232, 235, 240)  # the diagram's ruler
HIGH = (214, 230, 250)   # the fill under a bit's high level
TRACE = (16, 88, 176)    # the trace's line
ROW_HEIGHT, RULER_HEIGHT, PLOT_LEFT = 28, 30, 270


def find_diagram(shot):
    """(left, top, right) of the diagram: its ruler, the first wide band of the ruler's colour."""
    return shot.find_band(RULER, 200)


def rising_edges(image, left, top, right, row):
    """x of each place in a row of the diagram where the high fill starts after no fill, with
    the trace's vertical line at it."""
    y = top + RULER_HEIGHT + row * ROW_HEIGHT + ROW_HEIGHT // 2
    edges = []
    for x in range(left + PLOT_LEFT + 1, right - 1):
        if image.pixel(x + 1, y) == HIGH and image.pixel(x - 1, y) != HIGH:
            if image.pixel(x, y) == TRACE:
                edges.append(x - left)
    return edges


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    png = s.path("run.png")
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "power on the rail side of line 2 (monitor mode drawn)")

    # Simulation > Signals: the start contact and the latch's coil watched.
    s.key("alt+s", "g")
    s.wait_screen(lambda shot: not s.popups(), "the Simulation menu to close")
    for address in ("X000.0", "Y000.0"):
        s.type(address)
        s.key("Return")

    # Simulation > Timing Diagram: the dock below the diagram, both rows low.
    s.key("alt+s", "d")
    shot = s.wait_screen(find_diagram, "the timing diagram's ruler")
    left, top, right = find_diagram(shot)
    s.wait_screen(lambda image: image.count((left + PLOT_LEFT, top + RULER_HEIGHT, right,
                                             top + RULER_HEIGHT + 2 * ROW_HEIGHT),
                                            lambda p: p == TRACE) > 20,
                  "the low traces of both rows drawn")
    check(not rising_edges(s.screenshot("watched"), left, top, right, 0),
          "X000.0 drawn high before the start contact was pressed")

    # The start contact pressed and released: X000.0 high for a while, Y000.0 latched.
    s.click(*grid.cell_center(0, 0))
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 on after clicking X000.0")
    s.click(*grid.cell_center(0, 0))
    shot = s.wait_screen(lambda image: rising_edges(image, left, top, right, 0) and
                         rising_edges(image, left, top, right, 1),
                         "the rising edges of X000.0 and Y000.0 in the dock")
    s.save(shot, "edges")

    # Scrolled back (follow pauses), the cursor put on the latched run, the picture exported
    # through the right-click menu.
    plot_y = top + RULER_HEIGHT + ROW_HEIGHT // 2
    edge = left + rising_edges(shot, left, top, right, 1)[0]
    s.click(edge + 20, plot_y)
    s.click(edge + 20, plot_y, button=3)
    menu = s.wait_popup()
    s.choose_menu_item(menu, len(s.menu_items(menu)) - 1)  # Export Image..., the last item
    s.file_dialog(png)
    s.wait_file(png)
    s.wait_output(f"Image written: {png}")
    ppm = subprocess.run(["convert", png, "-depth", "8", "ppm:-"], capture_output=True,
                         check=True).stdout
    image = Image.from_ppm(ppm)
    exported = find_diagram(image)
    check(exported is not None and exported[1] == 0, "no ruler along the image's top")
    for row in (0, 1):
        check(rising_edges(image, 0, 0, image.width, row),
              f"no rising edge in row {row} of the exported image")
    cursor = image.count((0, RULER_HEIGHT, image.width, image.height),
                         lambda p: p == (208, 36, 36))
    check(cursor >= 2 * ROW_HEIGHT, "the cursor's line missing from the exported image")

    s.key("F5")
    s.wait_screen(lambda shot: not grid.powered(7, 0)(shot), "monitor drawing gone after stopping")
    check(open(path, "rb").read() == original, "file changed")


if __name__ == "__main__":
    run_journey(run)
