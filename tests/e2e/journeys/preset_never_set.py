"""A preset nobody set is marked in the Signals window: open the example, start the simulation
with F5 and open the Signals window; the rows of the timer and the counter are tinted (their
presets are 0). Type a preset for the timer: its row loses the tint, the counter's keeps it.
Load a stimulus that sets the counter's preset and holds a pulse no scan sees: the output window
names the pulse, and no row is tinted any more."""

from e2elib import run_journey, check

TINT = (255, 228, 160)


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    s.key("F5")
    s.wait_screen(grid.powered(0, 1), "power on the rail side of line 2 (monitor mode drawn)")
    s.key("alt+s", "g")
    marked = s.wait_screen(lambda shot: tinted(shot) is not None, "tinted timer and counter rows")
    s.save(marked, "marked")
    left, top, right, bottom = tinted(marked)
    check(bottom - top > 24, f"two tinted rows expected, {bottom - top} pixels high")

    # The timer's preset cell: the right end of the first tinted row.
    s.double_click(right - 12, top + 6)
    s.key("ctrl+a")
    s.type("100")
    s.key("Return")
    s.click(right - 12, bottom + 30)  # below the rows: no selection drawn over them
    unmarked = s.wait_screen(lambda shot: tinted(shot) is not None and tinted(shot)[1] > top + 8,
                             "the timer's row without its tint")
    s.save(unmarked, "timer-preset-set")
    check(tinted(unmarked)[3] - tinted(unmarked)[1] < bottom - top, "the counter row kept alone")
    check(unmarked.count((left, top, right, top + 8), lambda p: p == TINT) == 0,
          "the timer's row drawn plain")

    stimulus = s.path("pieces.stim")
    with open(stimulus, "w") as f:
        f.write("0ms DC0002=3\n10ms X000.1=1\n12ms X000.1=0\n")
    s.key("alt+s", "l")
    s.file_dialog(stimulus)
    s.wait_output("warning: stimulus line 2: X000.1=1 at 10ms is replaced at 12ms (line 3) "
                  "before a scan sees it (a scan every 8ms)")
    plain = s.wait_screen(lambda shot: tinted(shot) is None, "no tinted row left")
    s.save(plain, "counter-preset-set")


def tinted(shot):
    """The bounding box (left, top, right, bottom) of the tinted cells in the right half, or
    None."""
    xs, ys = [], []
    for y in range(shot.height // 3, shot.height - 40, 2):
        for x in range(shot.width // 2, shot.width - 4, 4):
            if shot.pixel(x, y) == TINT:
                xs.append(x)
                ys.append(y)
    if len(xs) < 20:
        return None
    return min(xs), min(ys), max(xs), max(ys)


if __name__ == "__main__":
    run_journey(run)
