"""Two views of one document share one undo history: a contact placed in the left view, a line
inserted at the top in the right view, then Ctrl+Z three times in the left view takes back the
inserted line, the contact and the line its placement appended. The saved program is the
example again, with nothing left on a wrong line."""

from e2elib import check_equal, run_journey

LAST_LINE = 13  # the example's trailing empty line (0-based)


def grid_lines(dump):
    return [line for line in dump if line[:4].isdigit()]


def run(s):
    path = s.copy_example()
    before = grid_lines(s.dump(path))
    s.start_app(path)
    left, right = s.second_view_tiled()

    s.place(left, 0, LAST_LINE, "ctrl+q", "x7.0")
    s.click(*right.cell_center(0, 0))
    s.key("Insert")
    s.wait_active(r"^Insert Line$")
    s.key("Return")
    s.wait_active(s.MAIN)
    # The contact moved down one line in both views.
    moved = left.cell_rect(0, LAST_LINE + 1)
    s.click(*left.cell_center(4, 2))
    s.wait_screen(lambda image: image.dark_count(moved) > 20, "the contact one line lower")

    s.key("ctrl+z", "ctrl+z", "ctrl+z")
    image = s.wait_screen(
        lambda image: image.dark_count(left.cell_rect(0, LAST_LINE)) == 0
        and image.dark_count(right.cell_rect(0, LAST_LINE)) == 0,
        "the contact gone from both views")
    s.save(image, "undone")
    s.save_document(path)
    check_equal(grid_lines(s.dump(path)), before, "the saved program")


if __name__ == "__main__":
    run_journey(run)
