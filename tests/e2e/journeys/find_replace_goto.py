"""Find and Replace with addresses typed key by key (the boxes rewrite them into the fixed form
as they are typed), Undo of each replacement, and Go to line typed over the proposed number."""

from e2elib import check_equal, run_journey

ORIGINAL_LINES = {
    1: "0001 -[X000.0]-|-[/X000.1]---------------------------------------------------------(Y000.0)-",
    2: "0002 -[Y000.0]-",
    3: "0003 -[Y000.0]----------------------------------------------[TMR     ] [0001    ] -(R100.0)-",
}


def grid_line(dump, number):
    """Line number (1-based) of the grid in a dump, without its note."""
    return next(l for l in dump if l.startswith(f"{number:04d} ")).split("  ;")[0]


def run(s):
    path = s.copy_example()
    s.start_app(path)
    grid = s.grid()

    # Find: "x0.5" typed becomes X000.5 and finds the contact of line 9.
    s.key("ctrl+f")
    s.wait_active(r"^Find dialog$")
    s.type("x0.5")
    s.key("Return")
    s.wait_selected(grid, {(0, 8)}, also_lines=[0])
    s.key("Escape")
    s.wait_active(s.MAIN)

    # Replace All of Y000.0 (typed y0.0) by R012.3 (typed r12.3): three cells.
    s.key("ctrl+h")
    s.wait_active(r"^Replace$")
    s.type("y0.0")
    s.key("Tab")
    s.type("r12.3")
    s.key("alt+a")
    s.wait_active(r"^Rungpad$")  # "全部替换完成。"
    s.key("Return")
    s.wait_active(r"^Replace$")
    s.key("Escape")
    s.wait_active(s.MAIN)
    s.save_document(path)
    dump = s.dump(path)
    check_equal([grid_line(dump, n) for n in (1, 2, 3)],
                [ORIGINAL_LINES[n].replace("Y000.0", "R012.3") for n in (1, 2, 3)],
                "lines 1 to 3 after ALL REPLACE")

    # Each replacement is undone on its own, the last one first.
    s.key("ctrl+z")
    s.save_document(path)
    dump = s.dump(path)
    check_equal([grid_line(dump, n) for n in (1, 2, 3)],
                [ORIGINAL_LINES[1].replace("Y000.0", "R012.3"),
                 ORIGINAL_LINES[2].replace("Y000.0", "R012.3"), ORIGINAL_LINES[3]],
                "lines 1 to 3 after one Undo")
    s.key("ctrl+z", "alt+BackSpace")
    s.save_document(path)
    dump = s.dump(path)
    check_equal([grid_line(dump, n) for n in (1, 2, 3)], [ORIGINAL_LINES[n] for n in (1, 2, 3)],
                "lines 1 to 3 after three Undos")

    # Go to line: the proposed number is selected, so typing replaces it.
    s.click(*grid.cell_center(3, 4))
    s.wait_selected(grid, {(3, 4)})
    s.key("ctrl+i")
    s.wait_active(r"^Go to line$")
    s.type("12")
    s.key("Return")
    s.wait_active(s.MAIN)
    s.wait_selected(grid, {(0, 11)}, also_lines=[4])


if __name__ == "__main__":
    run_journey(run)
