"""Help by keyboard: F1 opens the user guide on the README, with the pages of docs/ listed; a
click on one shows it; closed, the editor is back. Help > Keyboard Shortcuts shows the table of
the commands' keys; Escape closes it."""

from e2elib import check, run_journey, wait_until


def is_chosen(pixel):
    """The highlight of the chosen entry of a list."""
    return pixel[2] > 150 and pixel[0] < 110


def window_rect(s):
    """The active window's rectangle (left, top, right, bottom) on screen."""
    out = s.run_text(["xdotool", "getactivewindow", "getwindowgeometry"])
    x, y = [int(v) for v in out.split("Position: ")[1].split(" ")[0].split(",")]
    w, h = [int(v) for v in out.split("Geometry: ")[1].split()[0].split("x")]
    return (x, y, x + w, y + h)


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]")
    s.key("F1")
    s.wait_active(r"^User Guide$")
    left, top, right, bottom = window_rect(s)
    # The reported top may lie below the window's first rows (openbox's frame): a taller band.
    contents = (left + 2, max(0, top - 40), left + 150, top + 120)
    page = (left + 260, top + 20, right - 20, bottom - 20)
    # Drawn once the first entry (the README) shows chosen in the contents.
    readme = s.wait_screen(lambda shot: shot.count(contents, is_chosen) > 200,
                           "the contents with the README chosen")
    check(readme.dark_count(page) > 2000, "no text on the README's page")
    s.save(readme, "user-guide")
    chosen = [y for y in range(contents[1], contents[3])
              if is_chosen(readme.pixel(left + 40, y))]
    s.click(left + 40, (chosen[0] + chosen[-1]) // 2)
    s.key("Down")  # the next page: the first of docs/
    other = s.wait_screen(lambda shot: shot.differs(readme, page) > 2000, "another page shown")
    s.save(other, "user-guide-page")
    s.key("alt+F4")
    s.wait_active(r"\[demo\.plf\]$")

    s.key("alt+h")
    s.wait_popup()
    s.key("k")  # Keyboard Shortcuts(&K)
    s.wait_active(r"^Keyboard Shortcuts$")
    table = window_rect(s)
    shot = s.wait_screen(lambda image: image.dark_count(table) > 3000, "the table of keys")
    s.save(shot, "shortcuts")
    s.key("Escape")
    s.wait_active(r"\[demo\.plf\]$")
    wait_until(lambda: "Keyboard Shortcuts" not in s.window_names(), "the table to close")
    check(s.app_proc.poll() is None, "the editor ended")


if __name__ == "__main__":
    run_journey(run)
