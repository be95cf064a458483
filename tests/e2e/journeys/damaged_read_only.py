"""Files a save must not shrink or replace silently: a ladder file whose header's line count was
damaged (lines hidden from the reader) is warned about at open and Save asks before writing over
it; a read-only file says "[read-only]" in the title and Save asks before replacing it."""

import os

from e2elib import check, check_equal, run_journey

LAST_LINE = 0  # the damaged file shows one line


def open_file(s, path):
    s.key("ctrl+o")
    s.file_dialog(path)


def run(s):
    damaged = s.copy_example(to="damaged.plf")
    with open(damaged, "r+b") as f:
        f.write(b"\x00\x00")  # line count 1: 13 lines and the note trailer go unread
    damaged_bytes = open(damaged, "rb").read()
    s.start_app()

    # The warning at open names what was not read (it shows before the document's window).
    s.key("ctrl+o")
    s.wait_active(r"^(?!Ladder diagram editor)")
    s.key("ctrl+a")
    s.type(damaged)
    s.key("Return")
    s.wait_active(r"^Rungpad$")
    s.screenshot("unread-warning")
    s.key("Return")
    s.wait_active(r"\[damaged\.plf\]$")
    check(any("13 more lines were not read" in line for line in s.output_text()),
          "warning in the output window")

    # Save asks; No (the default) keeps every byte.
    grid = s.grid()
    s.place(grid, 1, LAST_LINE, "ctrl+q", "x1.2")
    s.wait_active(r"\[damaged\.plf\*\]$")
    s.key("ctrl+s")
    s.wait_active(r"^Rungpad$")
    s.screenshot("save-question")
    s.key("Return")
    s.wait_active(r"\[damaged\.plf\*\]$")
    check_equal(open(damaged, "rb").read(), damaged_bytes, "damaged.plf after No")

    # A read-only file: the title says so, and Save asks before replacing it.
    locked = s.copy_example(to="locked.plf")
    os.chmod(locked, 0o444)
    locked_bytes = open(locked, "rb").read()
    open_file(s, locked)
    s.wait_active(r"\[locked\.plf \[read-only\]\]$")
    s.screenshot("read-only-title")
    grid = s.grid()
    s.place(grid, 1, 13, "ctrl+q", "x1.3")
    s.wait_active(r"\[locked\.plf \[read-only\]\*\]$")
    s.key("ctrl+s")
    s.wait_active(r"^Rungpad$")
    s.screenshot("read-only-question")
    s.key("Return")  # No
    s.wait_active(r"\[locked\.plf \[read-only\]\*\]$")
    check_equal(open(locked, "rb").read(), locked_bytes, "locked.plf after No")

    # Yes writes it (the information dialog first, as every save).
    s.key("ctrl+s")
    s.wait_active(r"^Rungpad$")
    s.key("alt+y")
    s.wait_active(r"^Ladder diagram information$")
    s.key("Return")
    s.wait_file(locked, changed_from=locked_bytes)
    check("[X001.3]" in s.cli_text("dump", locked), "the edit on disk after Yes")
    s.wait_active(r"\[locked\.plf \[read-only\]\]$")


if __name__ == "__main__":
    run_journey(run)
