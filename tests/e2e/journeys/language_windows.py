"""The windows that stay open follow a change of language: the Signals window open beside the
diagram turns Chinese with View > Language > 中文, and the Find dialog the view keeps between uses
opens in the language of the moment; a dialog opened afresh (Go to line) takes it too."""

from e2elib import run_journey

CHINESE_MAIN = r"^梯形图编辑器 - \[demo\.plf\]$"


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]$")
    grid = s.grid()

    # The view makes its Find dialog at the first use and keeps it.
    find_dialog(s, r"^Find dialog$", s.MAIN)

    # Simulation > Signals: the window docks on the right, in Original.
    before_dock = s.screenshot()
    s.key("alt+s", "g")
    s.wait_screen(lambda shot: shot.differs(before_dock, dock_rect(shot)),
                  "the Signals window on the right")
    s.click(*grid.cell_center(3, 13))  # the address box's blinking cursor away
    original = s.wait_settled(but_status_bar=True)
    s.save(original, "signals-original")

    s.choose_language("中文")
    s.wait_active(CHINESE_MAIN)
    chinese = s.wait_screen(lambda shot: shot.differs(original, dock_rect(shot)),
                            "the Signals window in Chinese")
    s.save(chinese, "signals-chinese")
    find_dialog(s, r"^查找$", CHINESE_MAIN)
    s.key("ctrl+i")
    s.wait_active(r"^转到行$")
    s.screenshot("go-to-line-chinese")
    s.key("Escape")
    s.wait_active(CHINESE_MAIN)

    s.choose_language("English")
    s.wait_active(s.MAIN)
    english = s.wait_screen(lambda shot: shot.differs(chinese, dock_rect(shot)),
                            "the Signals window in English")
    s.save(english, "signals-english")
    find_dialog(s, r"^Find dialog$", s.MAIN)


def find_dialog(s, title, main):
    """Opens the Find dialog with Ctrl+F, sees its title and closes it."""
    s.key("ctrl+f")
    s.wait_active(title)
    s.screenshot()
    s.key("Escape")
    s.wait_active(main)


def dock_rect(shot):
    """The lower right part of the screen, where the Signals window docks below the instruction
    window, above the output window."""
    return (shot.width - 300, shot.height // 2, shot.width - 4, shot.height - 160)


if __name__ == "__main__":
    run_journey(run)
