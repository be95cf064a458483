"""A killed editor loses no work: edit a document, kill -9 the editor, start it again, recover,
save, and the file equals the same edit saved normally, byte for byte (the save date aside).
Then a file changed behind the editor's back is not overwritten without the question."""

import glob
import os
import signal
import subprocess

from e2elib import check, check_equal, run_journey, wait_until

LAST_LINE = 13  # the example's trailing empty line (0-based)


def recovery_copies(s):
    return glob.glob(os.path.join(s.home, ".local", "share", "**", "recovery", "*.rgrec"),
                     recursive=True)


def edit(s, grid, title):
    """The same edit in either document: a contact X001.2 on the trailing line."""
    s.place(grid, 1, LAST_LINE, "ctrl+q", "x1.2")
    s.wait_active(title + r"\*\]$")


def without_save_date(s, path):
    """The file's bytes with its save date blanked."""
    data = open(path, "rb").read()
    date = next(line for line in s.cli_text("dump", path).splitlines()
                if line.startswith("Save date:")).split(":", 1)[1].strip().encode()
    check(data.count(date) == 1, f"save date {date!r} not found once in {path}")
    return data.replace(date, b"#" * len(date))


def start_to_question(s, path):
    """Starts rungpad on path; its first window is the recovery question, before the main window
    has settled (so not start_app, which waits for that)."""
    s.app_proc = subprocess.Popen([s.app, path], env=s.env(), cwd=s.work,
                                  stdout=open(s.app_log, "ab"), stderr=subprocess.STDOUT)
    return s.wait_active(r"^Recover document$", timeout=60)


def run(s):
    reference = s.copy_example(to="reference.plf")
    path = s.copy_example(to="prog.plf")
    original = open(path, "rb").read()

    # The reference: the edit saved the normal way.
    s.start_app(reference, title=r"\[reference\.plf\]$")
    grid = s.grid()
    edit(s, grid, r"\[reference\.plf")
    s.save_document(reference)
    check_equal(recovery_copies(s), [], "recovery copies after a save")

    # The same edit in prog.plf, then the editor is killed once its recovery copy is written.
    s.key("ctrl+o")
    s.file_dialog(path)
    s.wait_active(r"\[prog\.plf\]$")
    edit(s, grid, r"\[prog\.plf")
    copy = wait_until(lambda: recovery_copies(s), "the recovery copy", timeout=30)
    s.screenshot("edited")
    os.kill(s.app_proc.pid, signal.SIGKILL)
    s.app_proc.wait()
    check_equal(open(path, "rb").read(), original, "prog.plf on disk after the kill")
    check_equal(recovery_copies(s), copy, "recovery copies after the kill")

    # Started again, the editor offers the copy; Recover (the default) opens it modified.
    start_to_question(s, path)
    s.screenshot("offered")
    s.key("Return")
    s.wait_active(r"\[prog\.plf\*\]$")
    grid = s.grid()
    s.screenshot("recovered")
    s.save_document(path)
    s.wait_active(r"\[prog\.plf\]$")
    check_equal(without_save_date(s, path), without_save_date(s, reference),
                "recovered and saved prog.plf against the reference")
    wait_until(lambda: not recovery_copies(s), "the recovery copy to go after the save")

    # Another program rewrites the file; Save asks, and No leaves that file alone.
    edit_again = (2, LAST_LINE + 1)
    s.place(grid, *edit_again, "ctrl+q", "x1.3")
    s.wait_active(r"\[prog\.plf\*\]$")
    with open(path, "wb") as other:
        other.write(original)
    s.key("ctrl+s")
    s.wait_active(r"^File changed$")
    s.screenshot("changed-question")
    s.key("Return")  # No is the default
    s.wait_active(r"\[prog\.plf\*\]$")
    check_equal(open(path, "rb").read(), original, "the other program's file after No")

    # Yes overwrites it with the document.
    s.key("ctrl+s")
    s.wait_active(r"^File changed$")
    s.key("alt+y")
    s.wait_active(r"^Ladder diagram information$")
    s.key("Return")
    saved = s.wait_file(path, changed_from=original)
    check("[X001.3]" in s.cli_text("dump", path), "the document's second edit on disk")
    check(saved != original, "file not rewritten after Yes")
    s.wait_active(r"\[prog\.plf\]$")

    # A normal exit leaves no copy behind.
    s.key("alt+F4")
    check_equal(s.app_exited(), 0, "exit status")
    check_equal(recovery_copies(s), [], "recovery copies after a normal exit")


if __name__ == "__main__":
    run_journey(run)
