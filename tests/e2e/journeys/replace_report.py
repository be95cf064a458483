"""ALL REPLACE that the checks refuse is not silent: Y000.1 by Y000.2 in the example (Y000.2 is
already a coil) still ends with "全部替换完成。", and the output window then says that nothing
was replaced and why (line 0005, error 1027); the document stays unmodified. REPLACE on the
selected coil reports its refusal the same way."""

from e2elib import check, check_equal, run_journey


def replace_dialog(s, find, replace):
    s.key("ctrl+h")
    s.wait_active(r"^Replace$")
    s.type(find)
    s.key("Tab")
    s.type(replace)


def run(s):
    path = s.copy_example()
    s.start_app(path, title=r"\[demo\.plf\]$")
    grid = s.grid()

    replace_dialog(s, "y0.1", "y0.2")
    s.key("alt+a")
    s.wait_active(r"^Rungpad$")  # "全部替换完成。"
    s.key("Return")
    s.wait_active(r"^Replace$")
    s.key("Escape")
    s.wait_active(r"\[demo\.plf\]$")  # no change, no modified mark
    check_equal(s.output_text()[-1:], ["0 replaced; line 0005: 1027"], "report of ALL REPLACE")

    # REPLACE with the coil selected: refused, then nothing more to find.
    s.click(*grid.cell_center(7, 4))
    replace_dialog(s, "y0.1", "y0.2")
    s.key("alt+r")
    s.wait_active(r"^Rungpad$")  # nothing more found
    s.key("Return")
    s.wait_active(r"^Replace$")
    s.key("Escape")
    s.wait_active(r"\[demo\.plf\]$")
    check_equal(s.output_text()[-1:], ["0 replaced; line 0005: 1027"], "report of REPLACE")
    check("Y000.1" in s.cli_text("dump", path), "the coil kept its address")


if __name__ == "__main__":
    run_journey(run)
