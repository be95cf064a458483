"""Exit with two changed documents: Cancel at the first question (closing the main window)
closes nothing; then File > Exit, Save for the first and Don't Save for the second, ends the
program with the first saved and the second untouched."""

import shutil

from e2elib import check, check_equal, run_journey


def change(s, grid, column):
    """An edit that marks the active document changed: a horizontal line on the trailing line."""
    s.place(grid, column, 13, "ctrl+g")


def run(s):
    first = s.copy_example(to="first.plf")
    second = s.path("second.plf")
    shutil.copyfile(first, second)
    original = open(first, "rb").read()
    s.start_app(first, title=r"\[first\.plf\]$")
    grid = s.grid()
    s.key("ctrl+o")
    s.file_dialog(second)
    s.wait_active(r"\[second\.plf\]$")
    change(s, grid, 0)
    s.wait_active(r"\[second\.plf\*\]$")
    s.key("F6")
    s.wait_active(r"\[first\.plf\]$")
    change(s, grid, 1)
    s.wait_active(r"\[first\.plf\*\]$")

    # Closing the main window asks about the first changed document; Cancel keeps everything.
    s.key("alt+F4")
    s.wait_active(r"^Rungpad$")
    s.key("Escape")
    s.wait_active(r"\[first\.plf\*\]$")
    s.key("F6")
    s.wait_active(r"\[second\.plf\*\]$")
    check(s.app_proc.poll() is None, "the program ended after Cancel")
    check_equal([open(p, "rb").read() == original for p in (first, second)], [True, True],
                "files unchanged after Cancel")

    # File > Exit: Save the first, Don't Save the second; the program ends.
    s.key("alt+f")
    s.wait_popup()
    s.key("x")
    s.wait_active(r"^Rungpad$")
    s.key("alt+y")
    s.wait_active(r"^Ladder diagram information$")
    s.key("Return")
    s.wait_file(first, changed_from=original)
    s.wait_active(r"^Rungpad$")
    s.key("alt+n")
    check_equal(s.app_exited(), 0, "exit status")
    check_equal(s.dump(first)[-2:], ["0014            ----------", "0015"],
                "the first document's last lines on disk")
    check_equal(open(second, "rb").read(), original, "the second document on disk")


if __name__ == "__main__":
    run_journey(run)
