"""Recovery copies that go wrong are shown, not hidden: a damaged copy found at start is offered
for deletion under its own name, and a recovery folder that cannot be written is reported once in
a message (and in the status bar) while editing goes on."""

import os
import shutil
import subprocess

from e2elib import check, check_equal, run_journey

LAST_LINE = 13


def recovery_dir(s):
    return os.path.join(s.home, ".local", "share", "Local AppWizard-Generated Applications",
                        "Rungpad", "recovery")


def run(s):
    folder = recovery_dir(s)
    os.makedirs(folder)
    damaged = os.path.join(folder, "copy-0123456789abcdef.rgrec")
    with open(damaged, "wb") as f:
        f.write(b"RUNGPAD-RECOVERY 1\npath 99\ncut short")

#At start : the damaged copy, named by its own file, offered for deletion; Yes deletes it.
    s.app_proc = subprocess.Popen([s.app], env=s.env(), cwd=s.work,
                                  stdout=open(s.app_log, "ab"), stderr=subprocess.STDOUT)
    s.wait_active(r"^Recover document$", timeout=60)
    s.screenshot("damaged-copy")
    s.key("alt+y")
    s.wait_active(s.MAIN)
    check(not os.path.exists(damaged), "the damaged copy is deleted after Yes")
    s.key("alt+F4")
    check_equal(s.app_exited(), 0, "exit status")

#A recovery folder that cannot be made : one message once a copy is due, editing goes on.
    shutil.rmtree(folder)
    with open(folder, "w") as blocker:
        blocker.write("not a folder")
    path = s.copy_example(to="prog.plf")
    s.start_app(path, title=r"\[prog\.plf\]$")
    grid = s.grid()
    s.place(grid, 1, LAST_LINE, "ctrl+q", "x1.2")
    s.wait_active(r"^Rungpad$", timeout=30)
    s.screenshot("unwritable-folder")
    s.key("Return")
    s.wait_active(r"\[prog\.plf\*\]$")
    s.screenshot("status-bar")
    s.place(grid, 2, LAST_LINE, "ctrl+q", "x1.3")
    s.wait_active(r"\[prog\.plf\*\]$")
    check(not any(name == "Rungpad" for name in s.window_names()), "only one message")


if __name__ == "__main__":
    run_journey(run)
