"""Every accelerator key of the editor does its command. One table, one row per key: the cell
clicked first, the keys, and what must follow: the item dialog (answered), a dialog (closed with
Escape), a window title, or an edit that the saved program shows. The edits are made in a new
document and checked at the end against the expected program."""

from e2elib import check_equal, run_journey

LADDER = r"\[Ladder1\*?\]$"
DEMO = r"\[demo\.plf\]$"

# (cell clicked first or None, keys, (what follows, its argument))
ROWS = [
    # element commands on line 1: two contacts, a line, a link; the coil fills the gap
    ((0, 0), ["ctrl+q"], ("item", "x3.0")),
    ((1, 0), ["ctrl+w"], ("item", "x3.1")),
    ((2, 0), ["ctrl+g"], ("edit", None)),
    ((4, 0), ["ctrl+d"], ("edit", None)),
    ((7, 0), ["ctrl+e"], ("item", "y3.0")),
    ((7, 1), ["ctrl+r"], ("item", "y3.1")),
    # clipboard: copy and paste, cut and paste, each key of each pair
    ((0, 0), ["ctrl+c"], ("edit", None)),
    ((0, 2), ["ctrl+v"], ("edit", None)),
    ((1, 0), ["ctrl+Insert"], ("edit", None)),
    ((1, 2), ["shift+Insert"], ("edit", None)),
    ((0, 2), ["ctrl+x"], ("edit", None)),
    ((2, 2), ["ctrl+v"], ("edit", None)),
    ((1, 2), ["shift+Delete"], ("edit", None)),
    ((3, 2), ["ctrl+v"], ("edit", None)),
    # on line 3: a line deleted again, a link removed again, then undo with both keys
    ((4, 2), ["ctrl+g"], ("edit", None)),
    ((4, 2), ["ctrl+shift+g"], ("edit", None)),
    ((5, 2), ["ctrl+g"], ("edit", None)),
    ((5, 2), ["ctrl+d"], ("edit", None)),
    ((6, 2), ["ctrl+d"], ("edit", None)),
    ((6, 2), ["ctrl+shift+d"], ("edit", None)),
    ((6, 2), ["ctrl+g"], ("edit", None)),
    (None, ["ctrl+z"], ("edit", None)),
    ((6, 2), ["ctrl+g"], ("edit", None)),
    (None, ["alt+BackSpace"], ("edit", None)),
    # lines: an empty line before line 1, then the coil line (now line 2) deleted
    ((0, 1), ["Insert"], ("dialog-ok", r"^Insert Line$")),
    ((0, 2), ["ctrl+Delete"], ("edit", None)),
    # dialogs, closed again
    ((0, 0), ["ctrl+a"], ("dialog", r"^Dialog$")),
    ((0, 0), ["ctrl+b"], ("dialog", r"^Select multiple lines$")),
    ((0, 0), ["ctrl+i"], ("dialog", r"^Go to line$")),
    ((0, 0), ["ctrl+f"], ("dialog", r"^Find dialog$")),
    ((0, 0), ["ctrl+h"], ("dialog", r"^Replace$")),
    ((0, 0), ["ctrl+t"], ("dialog", r"^Modify note$")),
    (None, ["ctrl+o"], ("dialog", r"^(?!Ladder diagram editor)")),
    (None, ["ctrl+p"], ("dialog", r"^(?!Ladder diagram editor)")),
    # Convert, and the instruction list refused for a program that did not convert (no END1)
    (None, ["F7"], ("output", "Converting...")),
    (None, ["ctrl+m"], ("dialog-ok", r"^Rungpad$")),
    # panes
    (None, ["F6"], ("title", DEMO)),
    (None, ["shift+F6"], ("title", LADDER)),
]

EXPECTED = [
    "0001 -[X003.0]---[/X003.1]---------------------------------|-----------------------(Y003.0)-",
    "0002",
    "0003                       -[X003.0]---[/X003.1]            ----------|",
    "0004",
]


def run(s):
    s.start_app(s.copy_example(), title=DEMO)
    s.key("ctrl+n")
    s.wait_active(LADDER)
    grid = s.grid()
    for cell, keys, (follows, argument) in ROWS:
        if cell is not None:
            s.click(*grid.cell_center(*cell))
            s.wait_selected(grid, {cell})
        s.key(*keys)
        if follows == "item":
            s.enter_item(argument)
        elif follows == "edit":
            s.wait_active(LADDER)
        elif follows in ("dialog", "dialog-ok"):
            s.wait_active(argument)
            s.key("Escape" if follows == "dialog" else "Return")
            s.wait_active(s.MAIN)
        elif follows == "title":
            s.wait_active(argument)
        elif follows == "output":
            s.wait_output(argument)
    s.screenshot("edited")

    # Ctrl+S on the untitled document asks for a name and for the ladder information.
    path = s.path("accelerators.plf")
    s.key("ctrl+s")
    for _ in range(2):
        name = s.wait_active(r"^(?!Ladder diagram editor)")
        if name == "Ladder diagram information":
            s.key("Return")
        else:
            s.key("ctrl+a")
            s.type(path)
            s.key("Return")
        s.wait_active(r"^(?!" + name + ")")
    s.wait_file(path)
    check_equal(s.dump(path)[-len(EXPECTED):], EXPECTED, "the saved program")


if __name__ == "__main__":
    run_journey(run)
