"""View > Language: 中文 names the main window in Chinese at once and is kept for the next start;
English then puts the texts into English, the conversion's error line in the output window
included."""

import re

from e2elib import check, check_equal, run_journey

CJK = re.compile("[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]$")
    s.choose_language("中文")
    s.wait_active(r"^梯形图编辑器 - \[demo\.plf\]$")
    s.screenshot("chinese")
    s.key("alt+F4")
    check_equal(s.app_exited(), 0, "exit status")

    s.start_app(path, title=r"^梯形图编辑器 - \[demo\.plf\]$")  # the choice was kept
    s.choose_language("English")
    s.wait_active(r"^Ladder diagram editor - \[demo\.plf\]$")
    s.screenshot("english")

    # A network without its coil, converted: the error line comes in English.
    grid = s.grid()
    line = 12  # END2: the new network goes before it
    s.click(*grid.cell_center(0, line))
    s.key("Insert")
    s.wait_active(r"^Insert Line$")
    s.key("Return")
    s.wait_active(s.MAIN)
    s.place(grid, 0, line, "ctrl+q", "x1.5")
    s.key("F7")
    lines = s.wait_output("Converting...")
    s.screenshot("english-error")
    check_equal(len(lines), 2, "lines in the output window after a failed Convert")
    error = lines[1]
    check("1009" in error and "0013" in error, f"the error names its code and line: {error!r}")
    check(not CJK.search(error), f"the error line is not in English: {error!r}")


if __name__ == "__main__":
    run_journey(run)
