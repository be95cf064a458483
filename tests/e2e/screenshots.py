"""Makes the README's screenshots with the real editor under Xvfb: the main window with the
example program (also in English), the output and instruction windows after Convert, the print preview and
monitor mode with its Signals and Timing Diagram windows, the coil references beside the diagram,
a page of the printed documentation and a failing ladder test shown from the Test Results window.
Run through scripts/screenshots.sh."""

import os
import subprocess
import sys
import time

from e2elib import failure_mark, main_options, run_session, wait_until


def run(s, out):
    path = s.copy_example()
    s.start_app(path)
    grid = s.grid()

    # The preview first, while no cell is selected (a selection would be printed too).
    s.key("alt+f")
    s.wait_popup()
    s.key("v")  # Print Preview(&V)
    s.wait_active(r"^Print Preview")  # the preview names the document
    s.xdotool("getactivewindow", "windowsize", "90%", "90%")
    s.wait_screen(lambda image: image.dark_count((0, 0, 1280, 1024)) > 0, "the preview")
    s.save(s.wait_settled(), "print-preview", folder=out)
    s.key("Escape")
    s.wait_active(s.MAIN)

    s.click(*grid.cell_center(1, 0))
    s.wait_selected(grid, {(1, 0)})
    s.save(s.screenshot(), "main-window", folder=out)

    # In English (View > Language), the Edit menu open; then back to the original texts.
    s.choose_language("English")
    s.wait_active(r"^Ladder diagram editor - \[demo\.plf\]$")
    s.key("alt+e")
    s.wait_popup()
    s.save(s.wait_settled(), "english", folder=out)
    s.key("Escape")
    s.wait_screen(lambda image: not s.popups(), "the Edit menu to close")
    s.choose_language("Original")

    # View > Coil References (before the four zoom commands and Language): beside each coil,
    # its contacts' lines.
    s.key("alt+v")
    menu = s.wait_popup()
    s.choose_menu_item(menu, len(s.menu_items(menu)) - 6)
    s.wait_screen(lambda image: not s.popups(), "the View menu to close")
    s.save(s.wait_settled(), "coil-references", folder=out)
    s.key("alt+v")
    menu = s.wait_popup()
    s.choose_menu_item(menu, len(s.menu_items(menu)) - 6)
    s.wait_screen(lambda image: not s.popups(), "the View menu to close")

    # Convert shows the instruction window on the right; the output window is not read here,
    # since reading it selects its text.
    s.key("F7")
    s.wait_screen(lambda image: image.dark_count((1000, 100, 1270, 400)) > 200,
                  "the instruction window")
    s.save(s.wait_settled(), "convert", folder=out)

    # Monitor mode: the start contact clicked, the latch and the timer's output powered.
    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "monitor mode drawn")
    s.click(*grid.cell_center(0, 0))
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 on")
    s.click(*grid.cell_center(0, 0))
    s.wait_screen(grid.powered(7, 4), "coil Y000.1 on after the timer")
    s.save(s.wait_settled(but_status_bar=True), "monitor", folder=out)

    # The Signals window beside it: three watched signals, the timer and the counter.
    s.key("alt+s", "g")
    for address in ("X000.0", "Y000.0", "R100.0"):
        s.type(address)
        s.key("Return")
    s.click(*grid.cell_center(3, 13))  # the focus (and the blinking cursor) off the address box
    s.save(s.wait_settled(but_status_bar=True), "monitor-signals", folder=out)

    # The Timing Diagram below the diagram: the stop button pressed (the latch and the timer's
    # output drop), then the start button (both back on), the cursor on the run.
    s.key("alt+s", "d")
    left, top, right = s.wait_screen(lambda image: image.find_band((232, 235, 240), 200),
                                     "the timing diagram").find_band((232, 235, 240), 200)
    for column in (1, 1, 0, 0):
        time.sleep(0.8)
        s.click(*grid.cell_center(column, 0))
    time.sleep(1.5)
    s.key("alt+s", "p")  # paused, so that the picture holds still
    s.click(right - 60, top + 30 + 14)
    s.save(s.wait_settled(), "timing-diagram", folder=out)
    s.key("F5")

    # Simulation > Run Tests... with the example's failing case switched on, the failure
    # double-clicked: monitor mode paused at its scan, the cursor on the coil that writes it.
    tests = s.path("demo.plt")
    with open(os.path.join(s.source_dir, "examples", "demo.plt")) as f:
        text = f.read()
    with open(tests, "w") as f:
        f.write(text + "\ncase lubrication too early\nset DT0001=100\n16ms   X000.0=1\n"
                "expect 100ms Y000.1=1\n")
    s.key("alt+s", "e")
    s.file_dialog(tests)
    s.double_click(*wait_until(lambda: failure_mark(s.screenshot()), "the failing case"))
    s.wait_selected(grid, {(7, 4)})
    s.save(s.wait_settled(), "test-results", folder=out)
    s.key("F5")


def documentation_page(app, example, out):
    """The ladder page of the example's printed documentation, with its coil references."""
    pdf = os.path.join(out, "documentation.pdf")
    subprocess.run([app, "--print-pdf", pdf, example, "--documentation"], check=True)
    subprocess.run(["pdftoppm", "-f", "2", "-l", "2", "-r", "70", "-png", "-singlefile", pdf,
                    os.path.join(out, "documentation-page")], check=True)
    os.remove(pdf)


if __name__ == "__main__":
    options = main_options("screenshots", extra=[("--out", "docs/screenshots")])
    out = os.path.abspath(options.out)
    documentation_page(options.app, os.path.join(options.source, "examples", "demo.plf"), out)
    sys.exit(run_session("screenshots", options, lambda s: run(s, out)))
