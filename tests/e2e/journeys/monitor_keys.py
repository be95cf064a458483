"""Monitor mode by keyboard: after F5 the arrow keys move the cursor over the running program and
Space works the start contact under it as a click does, so the latch's coil comes on; the
program stays as it was."""

from e2elib import check, run_journey


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()
    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "monitor mode drawn")
    check(not grid.powered(7, 0)(s.screenshot()), "coil Y000.0 on before the start button")

    s.key("Down", "Down", "Up")  # no cursor yet: the first cell, then down and back up
    s.wait_selected(grid, {(0, 0)})
    s.key("space")  # the start button X000.0 pressed
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 on after Space on X000.0")
    s.key("space")  # and released: the latch holds
    s.key("Right")
    s.wait_selected(grid, {(1, 0)})
    shot = s.screenshot("latched")
    check(grid.powered(7, 0)(shot), "the latch let Y000.0 go")

    s.key("F5")
    s.wait_screen(lambda image: not grid.powered(7, 0)(image), "monitor drawing gone")
    s.wait_active(r"\[demo\.plf\]$")  # no modified mark
    check(open(path, "rb").read() == original, "file changed")


if __name__ == "__main__":
    run_journey(run)
