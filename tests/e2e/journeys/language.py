"""View > Language: 中文 names the main window and its docked windows in Chinese at once and is
kept for the next start; English then names them in English."""

from e2elib import check, check_equal, run_journey


def dock_title(s):
    """The band of the output window's title bar, just above its text box."""
    left, top, right, _ = s.output_rect()
    return (left, top - 22, min(right, left + 300), top - 2)


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]$")
    s.choose_language("中文")
    s.wait_active(r"^梯形图编辑器 - \[demo\.plf\]$")
    s.key("alt+F4")
    check_equal(s.app_exited(), 0, "exit status")

    s.start_app(path, title=r"^梯形图编辑器 - \[demo\.plf\]$")  # the choice was kept
    title = dock_title(s)
    chinese = s.wait_settled()
    s.save(chinese, "chinese")
    s.choose_language("English")
    s.wait_active(r"^Ladder diagram editor - \[demo\.plf\]$")
    english = s.wait_screen(lambda image: image.differs(chinese, title) > 30,
                            "the output window's title in English")
    s.save(english, "english")
    check(s.app_proc.poll() is None, "the editor ended")


if __name__ == "__main__":
    run_journey(run)
