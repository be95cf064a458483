"""Simulation > Load Stimulus plays a stimulus file in the editor's monitor mode: the start
button pressed at 16 ms and released at 40 ms latches the coil; Simulation > Record VCD records
the run to a file, written when recording is switched off."""

import os

from e2elib import run_journey, check, wait_until


def run(s):
    path = s.copy_example()
    original = open(path, "rb").read()
    stimulus = s.path("start.stim")
    with open(stimulus, "w") as f:
        f.write("# the start button pressed and released\n16ms X000.0=1\n40ms X000.0=0\n")
    vcd = s.path("run.vcd")
    s.start_app(path, title=r"\[demo\.plf\]")
    grid = s.grid()

    s.key("alt+s", "l")
    s.file_dialog(stimulus)
    s.wait_output(f"Stimulus loaded: {stimulus} (plays from the start)")

    s.key("F5")
    s.wait_screen(grid.powered(7, 0), "coil Y000.0 latched by the stimulus")

    before = set(os.listdir(s.path(".")))
    s.key("alt+s", "r")
    s.file_dialog(vcd)
    check(not os.path.exists(vcd), "the recording written before it ends")
    s.key("alt+s", "r")
    text = s.wait_file(vcd).decode()
    lines = s.wait_output(f"VCD written: {vcd}")
    check(f"Recording to {vcd}" in lines, "no recording started: " + str(lines))
    check("$var wire 1 ! Y000_0 $end" in text, "Y000.0 not recorded:\n" + text)
    check("$dumpvars\n1!\n" in text, "Y000.0 not on in the recording:\n" + text)

    s.key("F5")
    s.wait_screen(lambda shot: not grid.powered(7, 0)(shot), "monitor drawing gone after stopping")
    s.wait_active(r"\[demo\.plf\]$")
    check(open(path, "rb").read() == original, "file changed")
    added = set(os.listdir(s.path("."))) - before
    check(added == {"run.vcd"}, f"files left beside the recording: {sorted(added)}")


if __name__ == "__main__":
    run_journey(run)
