"""Open the example and extend it as a user would: a contact by keyboard and one through the
right-click menu, horizontal lines and a coil by keyboard, a TMR box through Ctrl+A with its timer
number, an input contact and its coil; Convert (F7); Save; write the instruction list (Ctrl+M) and
the binary image from the File menu. The saved program must be the expected one, and the editor's
list and image must equal what rungpad-cli makes of the saved file."""

import os

from e2elib import run_journey, check_equal

EXPECTED = os.path.join(os.path.dirname(__file__), "..", "expected")
TITLE = r"\[demo\.plf\*?\]$"


def run(s):
    path = s.copy_example()
    s.start_app(path, title=TITLE)
    grid = s.grid()
    # The new networks go before END2 (line 12): nothing may follow END2.
    line = 12
    s.click(*grid.cell_center(0, line))
    s.key("Insert")
    s.wait_active(r"^Insert Line$")
    s.key("Return")  # one line
    s.wait_active(r"\[demo\.plf\*\]$")

    # X001.2 by keyboard, X001.3 through the right-click menu's 基本指令 submenu.
    s.place(grid, 0, line, "ctrl+q", "x1.2")
    s.click(*grid.cell_center(1, line), button=3)
    menu = s.wait_popup()
    s.choose_menu_item(menu, len(s.menu_items(menu)) - 2, click=False)  # 基本指令(&B)
    s.choose_menu_item(s.wait_popup(count=2), 0)  # Normally Open Contact
    s.enter_item("x1.3")
    for column in range(2, 7):
        s.place(grid, column, line, "ctrl+g")
    s.place(grid, 7, line, "ctrl+e", "y2.0")

    # A TMR box inserted before END2, typed into the function dialog.
    box_line = line + 1
    s.click(*grid.cell_center(1, box_line))
    s.key("ctrl+a")
    s.wait_active(r"^Dialog$")
    s.type("tmr")
    s.key("Return")
    s.wait_active(TITLE)
    s.place(grid, 0, box_line, "ctrl+q", "x1.4")  # over the box's input line
    s.click(*grid.cell_center(2, box_line))  # the timer number
    s.key("Return")
    s.enter_item("3")
    s.place(grid, 7, box_line, "ctrl+e", "r100.3")
    s.screenshot("edited")

    s.key("F7")
    s.wait_output("Convert succeed!")
    s.screenshot("converted")
    expected_list = expected_text("edit_convert_save.list.txt")
    check_equal(s.instruction_text(), [line.rstrip() for line in expected_list.splitlines()],
                "instruction window")

    original = open(path, "rb").read()
    s.key("ctrl+s")
    s.wait_active(r"^Ladder diagram information$")
    s.key("Return")
    s.wait_file(path, changed_from=original)
    s.wait_active(r"\[demo\.plf\]$")
    dump = s.cli_text("dump", path)
    check_equal(normalized_dump(dump), expected_text("edit_convert_save.dump.txt"),
                "dump of the saved file")

    # The editor's own outputs against the command line's, and the list against the expected.
    cli_list, cli_bin = s.path("cli.txt"), s.path("cli.dat")
    s.cli_text("convert", path, "--list", cli_list, "--bin", cli_bin)
    gui_list = s.path("demo.txt")
    s.key("ctrl+m")
    s.file_dialog()
    check_equal(read(s.wait_file(gui_list)), read_file(cli_list), "instruction list")
    check_equal(read_file(cli_list), expected_text("edit_convert_save.list.txt"),
                "instruction list of the saved file")

    s.key("alt+f")
    s.wait_popup()
    s.key("b")  # Generate Binary File(&B)...
    s.file_dialog()
    gui_bin = s.wait_file(s.path("Ladbin.dat"))
    check_equal(gui_bin, open(cli_bin, "rb").read(), "binary image")


def normalized_dump(text):
    return "".join(line for line in text.splitlines(keepends=True)
                   if not line.startswith("Save date:"))


def expected_text(name):
    return read_file(os.path.join(EXPECTED, name))


def read(data):
    return data.decode("utf-8", "replace")  # the list keeps its CR LF line ends


def read_file(path):
    with open(path, "rb") as f:
        return read(f.read())


if __name__ == "__main__":
    run_journey(run)
