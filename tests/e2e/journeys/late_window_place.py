"""A docked window opened late keeps the place it was left in: Test Results, opened from the
Simulation menu and floated off the main window (a double-click on its title), is hidden at the
next start as always, also through a start that never opens it, and opens again floating, as
large as it was left. (Where on the screen it comes back is not compared: now and then it comes
back in the top left corner, with the docks all made at the start as well.)"""

import re

from e2elib import check, run_journey, wait_until

TITLE = r"^Test Results$"


def open_test_results(s):
    s.wait_active(s.MAIN)
    s.key("alt+s")
    s.wait_popup()
    s.key("o")  # Test Results(&O)


def floating_geometry(s):
    ids = s.run_text(["xdotool", "search", "--onlyvisible", "--name", TITLE]).split()
    check(len(ids) == 1, f"floating Test Results windows: {ids}")
    text = s.run_text(["xdotool", "getwindowgeometry", ids[0]])
    x, y = map(int, re.search(r"Position: (-?\d+),(-?\d+)", text).groups())
    w, h = map(int, re.search(r"Geometry: (\d+)x(\d+)", text).groups())
    return x, y, w, h


def exit_app(s):
    s.wait_active(s.MAIN)
    s.key("alt+f")
    s.wait_popup()
    s.key("x")
    check(s.app_exited() == 0, "exit status")


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    open_test_results(s)
    wait_until(lambda: not s.popups(), "the Simulation menu to close")
    # Docked beside the output window: its title bar is level with the output window's, over
    # the right two thirds of the width.
    left, top, right, bottom = s.output_rect()
    shot = s.screenshot("docked")
    s.double_click(shot.width * 2 // 3, top - 10)
    s.wait_window(TITLE)
    left_at = floating_geometry(s)[2:]
    s.screenshot("floating")
    exit_app(s)

    s.start_app(path, title=r"\[demo\.plf\]")
    s.wait_settled()
    check(not any(re.search(TITLE, n) for n in s.window_names()), "Test Results shown at the start")
    exit_app(s)

    s.start_app(path, title=r"\[demo\.plf\]")
    s.wait_settled()
    check(not any(re.search(TITLE, n) for n in s.window_names()), "Test Results shown at the start")
    open_test_results(s)
    s.wait_window(TITLE)
    size = wait_until(lambda: (lambda g: g if g == left_at else None)(floating_geometry(s)[2:]),
                      f"Test Results floating, {left_at} (now {floating_geometry(s)})")
    check(size == left_at, "size")
    s.screenshot("floating again")


if __name__ == "__main__":
    run_journey(run)
