"""Simulation > Run Tests... runs the example tests, one case switched on that fails on purpose:
the Test Results window lists it in red; a double-click on it shows the case in monitor mode,
paused at the failing scan (96 ms: the spindle's coil on, the lubrication coil not yet), with
the cursor on ladder line 5, whose coil writes the signal. The program file stays as it was."""

from e2elib import run_journey, check, failure_mark, wait_until

FAILING_CASE = ("\ncase lubrication too early\nset DT0001=100\n16ms   X000.0=1\n"
                "expect 100ms Y000.1=1\n")


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    tests = s.path("failing.plt")
    with open(s.source_dir + "/examples/demo.plt") as f:
        text = f.read()
    with open(tests, "w") as f:
        f.write(text + FAILING_CASE)
    s.start_app(path, title=r"\[demo\.plf\]")

    s.key("alt+s", "e")
    s.file_dialog(tests)
    s.wait_output("Tests failing.plt on demo.plf: 5 passed, 1 failed")
    mark = wait_until(lambda: failure_mark(s.screenshot()), "the failing case's red mark")
    s.screenshot("results")

    s.double_click(*mark)
    lines = wait_until(lambda: (lambda out: out if any(
        line.startswith("Showing case 'lubrication too early'") for line in out) else None)(
        s.output_text()), "the case shown in the output window")
    shown = [line for line in lines if line.startswith("Showing case")][0]
    check(shown.endswith("at 96ms, paused (F10 runs one scan): expect 100ms Y000.1=1: at 96ms "
                         "Y000.1 was 0; written by ladder line 5"), "shown: " + shown)
    grid = s.grid()
    # Paused at 96 ms: the latch holds the spindle, the lubrication timer still runs.
    shot = s.wait_screen(grid.powered(7, 0), "coil Y000.0 on at the failing scan")
    check(not grid.powered(7, 4)(shot), "coil Y000.1 on at the failing scan")
    s.wait_selected(grid, {(7, 4)})
    s.screenshot("failure shown")

    # F10 runs the case on: lubrication starts in the scan at 120 ms, three scans later.
    s.key("F10", "F10", "F10")
    s.wait_screen(grid.powered(7, 4), "coil Y000.1 on three scans on")

    s.key("F5")
    s.wait_screen(lambda image: not grid.powered(7, 0)(image), "monitor drawing gone")
    s.wait_active(r"\[demo\.plf\]$")  # no modified mark
    check(open(path, "rb").read() == original, "file changed")


if __name__ == "__main__":
    run_journey(run)
