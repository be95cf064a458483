"""Window > New Window shows the same document in a second view: with both views tiled side by
side, a contact placed in one appears in the other, and the document is still one (one save
question at exit)."""

from e2elib import check_equal, run_journey


def run(s):
    path = s.copy_example()
    s.start_app(path)
    left, right = s.second_view_tiled()
    check_equal(left.origin_y, right.origin_y, "tiled views side by side")

    cell = right.cell_rect(0, 13)
    check_equal(s.screenshot().dark_count(cell), 0, "ink in the other view's empty cell")
    s.place(left, 0, 13, "ctrl+q", "x1.2")
    # The views share the selection: move it away, so that the cell shows the contact itself.
    s.click(*left.cell_center(4, 13))
    image = s.wait_screen(
        lambda image: not image.is_inverted(cell) and image.dark_count(cell) > 20,
        "the contact to appear in the other view")
    s.save(image, "both-views")

    # One document: exit asks once, and Don't Save ends the program.
    s.key("alt+f")
    s.wait_popup()
    s.key("x")
    s.wait_active(r"^Rungpad$")
    s.key("alt+n")
    check_equal(s.app_exited(), 0, "exit status after one question")


if __name__ == "__main__":
    run_journey(run)
