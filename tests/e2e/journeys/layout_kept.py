"""The window layout survives a restart: the output window dragged taller stays that tall when
the editor starts again, and the instruction window, opened by a conversion, keeps its width
while it starts hidden as always."""

from e2elib import check, run_journey


def run(s):
    path = s.copy_example()
    s.start_app(path)
    left, top, right, bottom = s.output_rect()
    # The splitter above the output window's title, dragged 150 pixels up.
    splitter_y = top - 24
    s.drag(s.screenshot().width // 2, splitter_y, s.screenshot().width // 2, splitter_y - 150)
    taller = s.output_rect()
    check(taller[1] < top - 100, f"the output window did not grow: {top} -> {taller[1]}")
    s.key("F7")  # the instruction window opens on the right
    s.wait_output("Convert succeed!")
    s.save(s.screenshot(), "before-exit")
    s.key("alt+f")
    s.wait_popup()
    s.key("x")
    check(s.app_exited() == 0, "exit status")

    s.start_app(path)
    again = s.output_rect()
    s.save(s.screenshot(), "after-restart")
    check(abs(again[1] - taller[1]) <= 2,
          f"output window top {again[1]}, {taller[1]} before the restart")
    # The instruction window starts hidden: the view reaches the screen's right edge.
    grid = s.grid()
    check(grid.origin_x < 40, "the grid moved")


if __name__ == "__main__":
    run_journey(run)
