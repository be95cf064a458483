"""Monitor mode's Signals window: open the example, start the simulation with F5, open the
window from the Simulation menu, type the address of the latch's coil, see its value switch from
0 to 1 when the start contact is clicked; stop with F5 and find the document unchanged."""

from e2elib import run_journey, check


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "power on the rail side of line 2 (monitor mode drawn)")
    before_dock = s.screenshot()

    # Simulation > Signals: the window docks on the right with the address box ready.
    s.key("alt+s", "g")
    docked = s.wait_screen(lambda shot: shot.differs(before_dock, dock_rect(shot)),
                           "the Signals window on the right")
    s.type("Y000.0")
    s.key("Return")
    # A click on an empty cell takes the focus (and the address box's blinking cursor) away.
    grid = s.grid()
    s.click(*grid.cell_center(3, 13))
    watched = s.wait_settled(but_status_bar=True)
    s.save(watched, "watched")
    check(watched.differs(docked, dock_rect(watched)), "no row for Y000.0 in the Signals window")

    # The start button: the coil switches on, and so does its row in the window.
    s.click(*grid.cell_center(0, 0))
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 on after clicking X000.0")
    changed = s.wait_screen(lambda shot: shot.differs(watched, dock_rect(shot)),
                            "the value of Y000.0 changed in the Signals window")
    s.save(changed, "value-changed")

    s.key("F5")
    s.wait_screen(lambda shot: not grid.powered(7, 0)(shot), "monitor drawing gone after stopping")
    s.wait_active(r"\[demo\.plf\]$")  # no modified mark
    check(open(path, "rb").read() == original, "file changed")


def dock_rect(shot):
    """The lower right part of the screen, where the Signals window docks below the instruction
    window, above the output window."""
    return (shot.width - 300, shot.height // 2, shot.width - 4, shot.height - 160)


if __name__ == "__main__":
    run_journey(run)
