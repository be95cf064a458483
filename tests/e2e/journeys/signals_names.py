"""The Signals window names a signal as the program does: "y0.0" is watched as Y000.0, and
Y000.0 typed again is refused with a message in red below the address box (one row, not two)."""

from e2elib import check, run_journey


def red_count(shot):
    """Red text in the docks on the right, where the Signals window's problem line shows."""
    rect = (shot.width - 340, 80, shot.width - 4, shot.height - 160)
    return shot.count(rect, lambda p: p[0] > 160 and p[1] < 80 and p[2] < 80)


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()
    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "monitor mode drawn")
    s.key("alt+s", "g")  # Simulation > Signals
    s.wait_settled(but_status_bar=True)
    s.type("y0.0")
    s.key("Return")
    accepted = s.wait_settled(but_status_bar=True)
    s.save(accepted, "accepted")
    check(red_count(accepted) == 0, "a problem shown for y0.0")
    s.type("Y000.0")
    s.key("Return")
    refused = s.wait_screen(lambda shot: red_count(shot) > 20, "the refusal of Y000.0 in red")
    s.save(refused, "refused")


if __name__ == "__main__":
    run_journey(run)
