"""In English (View > Language) a conversion's error line in the output window comes from the
core's message table in English, with its code and ladder line."""

import re

from e2elib import check, check_equal, run_journey

CJK = re.compile("[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]$")
    s.choose_language("English")
    s.wait_active(r"^Ladder diagram editor - \[demo\.plf\]$")

    # A network without its coil, converted.
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
