"""A network without its coil: Convert reports the error with its ladder line, the output commands
refuse while the program is not converted; completing the network makes Convert succeed."""

import os

from e2elib import check, check_equal, run_journey


def run(s):
    path = s.copy_example()
    s.start_app(path)
    grid = s.grid()
    line = 12  # END2: the new network goes before it
    s.click(*grid.cell_center(0, line))
    s.key("Insert")
    s.wait_active(r"^Insert Line$")
    s.key("Return")
    s.wait_active(s.MAIN)
    s.place(grid, 0, line, "ctrl+q", "x1.5")

    s.key("F7")
    check_equal(s.wait_output("Converting..."),
                ["Converting...", "梯图第0013行  错误代号 1009 网络水平线未连上"],
                "output window after a failed Convert")
    s.screenshot("error")

    # Not converted: Generate Instruction List refuses with a message box and writes nothing.
    s.key("ctrl+m")
    s.wait_active(r"^Rungpad$")
    s.key("Return")
    s.wait_active(s.MAIN)
    check(not any(name.endswith(".txt") for name in os.listdir(s.work)),
          "an instruction list was written for a program that is not converted")

    for column in range(1, 7):
        s.place(grid, column, line, "ctrl+g")
    s.place(grid, 7, line, "ctrl+e", "y2.1")
    s.key("F7")
    check_equal(s.wait_output("Convert succeed!"), ["Converting...", "Convert succeed!"],
                "output window after the fix")
    listing = s.instruction_text()
    at = listing.index("RD        X001.5")
    check_equal(listing[at:at + 3], ["RD        X001.5", "WRT       Y002.1", "END2"],
                "the new network in the instruction window")


if __name__ == "__main__":
    run_journey(run)
