"""Open the example, start the simulation with F5, click the start contact, see the latch's coil
and, once the lubrication timer has run, its output coil switch on in the power colour; stop with
F5 and find the document unchanged."""

from e2elib import run_journey, check


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    check(not grid.powered(7, 0)(s.screenshot("before")),
          "coil Y000.0 drawn powered before the start")
    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "power on the rail side of line 2 (monitor mode drawn)")
    check(not grid.powered(7, 0)(s.screenshot("started")),
          "coil Y000.0 on before the start button")

    # The start button X000.0 pressed and released: the latch holds Y000.0.
    s.click(*grid.cell_center(0, 0))
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 on after clicking X000.0")
    s.click(*grid.cell_center(0, 0))
    # The timer (preset 0 in DT0001) drives R100.0, which drives Y000.1 on line 5.
    s.wait_screen(grid.powered(7, 4), "coil Y000.1 on after the timer")
    check(grid.powered(7, 0)(s.screenshot("latched")), "the latch let Y000.0 go")

    s.key("F5")
    s.wait_screen(lambda shot: not grid.powered(7, 0)(shot),
                  "monitor drawing gone after stopping")
    s.wait_active(r"\[demo\.plf\]$")  # no modified mark
    check(open(path, "rb").read() == original, "file changed")


if __name__ == "__main__":
    run_journey(run)
