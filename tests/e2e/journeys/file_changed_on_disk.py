"""Another program changes the open document's file: the editor asks at once. Keep leaves the
diagram as it was; after a second change, Reload shows the file's new line note. Saving after
Keep is not part of this: the guard at Save has its own tests."""

import os
import time

from e2elib import check, run_journey

OLD_NOTE = "主轴启动".encode("gbk")


def note_rect(grid, line):
    x, y = grid.note_point(line)
    left, _ = grid.to_screen(645, 0)
    return (left, y - 12, x + 120, y + 12)


def change_note(path, text):
    """Rewrites line 1's note the way another editor would: a new file put in its place."""
    data = open(path, "rb").read()
    check(OLD_NOTE in data or b"SPINDLE" in data, "the example's note not found")
    changed = data.replace(OLD_NOTE, text).replace(b"SPINDLE1", text).replace(b"SPINDLE2", text)
    with open(path + ".tmp", "wb") as out:
        out.write(changed)
    os.replace(path + ".tmp", path)


def answer_question(s, key):
    """Waits for the reload question and answers it with key; returns the question's name."""
    name = s.wait_active(r"^File changed on disk$")
    s.save(s.screenshot(), "question")
    s.key(key)
    s.wait_active(r"\[demo\.plf\]$")
    return name


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()
    before = s.wait_settled()
    time.sleep(1.1)  # a later modification time than the copy's, on any file system

    change_note(path, b"SPINDLE1")
    answer_question(s, "alt+k")  # Keep
    kept = s.wait_settled()
    check(not kept.differs(before, note_rect(grid, 0)), "Keep changed the diagram")

    time.sleep(1.1)
    change_note(path, b"SPINDLE2")
    answer_question(s, "alt+r")  # Reload
    reloaded = s.wait_screen(lambda shot: shot.differs(before, note_rect(grid, 0)) > 20,
                             "the reloaded note on line 1")
    s.save(reloaded, "reloaded")
    check(not reloaded.differs(before, note_rect(grid, 2)), "line 3's note changed too")


if __name__ == "__main__":
    run_journey(run)
