"""File > Compare With another version of the program: the differing lines get their marks in
the line-number margin (orange for a changed line, green for a line the other file lacks), and
Next Difference and Previous Difference move the cursor between them."""

import struct

from e2elib import check, run_journey

HEADER, LINE = 108, 124


def write_other_version(source, target):
    """The program of source with line 2's contact renamed and line 12 left out."""
    data = bytearray(open(source, "rb").read())
    count = struct.unpack_from("<H", data, 0)[0] + 1
    cell = HEADER + LINE * 1 + 6
    data[cell:cell + 7] = b"X000.7\0"
    line12 = HEADER + LINE * 11
    del data[line12:line12 + LINE]
    struct.pack_into("<H", data, 0, count - 2)
    open(target, "wb").write(bytes(data[:HEADER + LINE * (count - 1)]))


def margin(grid, line):
    """A point in the margin left of a line's number."""
    return grid.to_screen(10, grid.GRID_TOP + grid.LINE_H * line + grid.LINE_H // 2)


def is_orange(rgb):
    return rgb[0] > 200 and 100 < rgb[1] < 180 and rgb[2] < 60


def is_green(rgb):
    return rgb[1] > 120 and rgb[0] < 100 and rgb[2] < 100


def run(s):
    path = s.copy_example()
    other = s.path("older.plf")
    write_other_version(path, other)
    s.start_app(path)
    grid = s.grid()

    s.key("alt+f", "w")
    s.file_dialog(other)
    s.wait_output(f"Compare With {other}: 1 lines changed, 1 inserted, 0 deleted; 1 cells "
                  "changed, 0 line notes changed, 0 header fields changed")
    image = s.wait_screen(lambda i: is_orange(i.pixel(*margin(grid, 1))),
                          "line 2 marked changed")
    s.save(image, "compared")
    check(is_green(image.pixel(*margin(grid, 11))), "line 12 not marked as only here")
    for line in (0, 2, 10, 12):
        check(image.pixel(*margin(grid, line)) == (255, 255, 255), f"line {line + 1} marked")

    # Alt+Down and Alt+Up: from difference to difference.
    s.key("alt+Down")
    s.wait_selected(grid, {(0, 1)}, also_lines=[11])
    s.key("alt+Down")
    s.wait_selected(grid, {(0, 11)}, also_lines=[1])
    s.key("alt+Up")
    s.wait_selected(grid, {(0, 1)}, also_lines=[11])


if __name__ == "__main__":
    run_journey(run)
