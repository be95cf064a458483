#!/usr/bin/env python3
"""Start-up of the editor against a bare Qt main window, on one real X display.

    bench/startup.py [--build DIR] [--runs N] [--rounds R] [--quiet-load L] [--nice N] [--trace]

Starts one Xvfb with the openbox window manager, writes the benchmarks' 1600-line program, then
runs `rungpad PROGRAM` and the baseline (rungpad-startup-baseline: a QMainWindow with a menu bar,
a toolbar and a status bar, maximized like the editor) alternately, N times each (default 7),
after one unmeasured warm-up run of each; --rounds repeats that R times (default 3) and the
medians are over all runs of all rounds. A run is the whole process: from just before the
process is started until the window has been exposed and painted for the first time, as the
process itself reports it (RUNGPAD_STARTUP_PROBE=1 makes both print the monotonic clock at that
moment and quit). Prints the runs, the medians and their ratio (the target is <= 1.3), and
beside them the processor time each process used until its window was shown, which a busy
machine disturbs less.

--trace also prints, per mark of the editor's start (RUNGPAD_STARTUP_TRACE=1), the median time
from process start and the median processor time used by then, to show where the time goes.

The machine may be shared. The runs alternate, so that load falls on both alike; each round
first waits (up to a minute) until the load average per processor is below --quiet-load
(default 0.75), and --nice starts the display and the runs at that niceness (a negative one needs
the privilege); the load average is printed with each round, and a warning when the machine was
busy, as the time on the clock then tells little (the processor time still does).
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SCREEN = "1280x1024x24"
RUN_TIMEOUT = 60
SETTLE_S = 0.3


def parse_args():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(os.path.dirname(here), "build"),
                        help="build directory (default: build/ of the source tree)")
    parser.add_argument("--runs", type=int, default=7,
                        help="measured runs of each per round (default 7)")
    parser.add_argument("--rounds", type=int, default=3, help="rounds of runs (default 3)")
    parser.add_argument("--quiet-load", type=float, default=0.75,
                        help="load average per processor to wait for before a round")
    parser.add_argument("--nice", type=int, default=0,
                        help="niceness of the display and the runs (default 0)")
    parser.add_argument("--trace", action="store_true",
                        help="also print the editor's start-up marks")
    return parser.parse_args()


def executable(build, path):
    full = os.path.join(build, path)
    if not os.access(full, os.X_OK):
        sys.exit(f"startup.py: {full} is missing: build the targets rungpad, "
                 "rungpad-startup-baseline and rungpad-startup-program first")
    return full


def load_average():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def load_per_cpu():
    return float(load_average().split()[0]) / (os.cpu_count() or 1)


def wait_for_quiet(limit, patience_s=60):
    """Waits until the load average per processor is below limit, or patience runs out."""
    deadline = time.monotonic() + patience_s
    while load_per_cpu() >= limit and time.monotonic() < deadline:
        time.sleep(2)


class Display:
    """One Xvfb with openbox, torn down on exit."""

    def __init__(self, work, niceness):
        self.procs = []
        self.preexec = (lambda: os.nice(niceness)) if niceness else None
        self.env = dict(os.environ)
        home = os.path.join(work, "home")
        os.makedirs(os.path.join(home, "runtime"), mode=0o700)
        read_fd, write_fd = os.pipe()
        self.procs.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", SCREEN, "-dpi", "96",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=self.preexec))
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 16)
            if not chunk:
                sys.exit("startup.py: Xvfb did not start")
            number += chunk
        os.close(read_fd)
        self.env.update({
            "DISPLAY": ":" + number.decode().strip(),
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        for var in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER", "XAUTHORITY"):
            self.env.pop(var, None)
        self.procs.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL, preexec_fn=self.preexec))
        deadline = time.monotonic() + 30
        while "_NET_SUPPORTING_WM_CHECK(WINDOW)" not in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                capture_output=True, text=True).stdout:
            if time.monotonic() > deadline:
                sys.exit("startup.py: openbox did not start")
            time.sleep(0.1)

    def close(self):
        for proc in reversed(self.procs):
            proc.terminate()
            proc.wait()


def run_once(command, env, preexec):
    """Milliseconds from process start to the first painted show, the processor time used until
    then (ms), and the marks (label: (ms from process start, processor ms))."""
    time.sleep(SETTLE_S)  # the window manager done with the previous window
    start = time.monotonic_ns()
    proc = subprocess.run(command, env=env, capture_output=True, text=True, timeout=RUN_TIMEOUT,
                          preexec_fn=preexec)
    shown = [line.split()[1:] for line in proc.stdout.splitlines() if line.startswith("shown ")]
    if proc.returncode != 0 or not shown:
        sys.exit(f"startup.py: {command[0]} ended with {proc.returncode} without showing its "
                 f"window:\n{proc.stderr}")
    marks = {}
    for line in proc.stderr.splitlines():
        fields = line.split()
        if len(fields) >= 4 and fields[0] == "mark":
            marks[" ".join(fields[1:-2])] = ((int(fields[-2]) - start) / 1e6,
                                             int(fields[-1]) / 1e6)
    return (int(shown[0][0]) - start) / 1e6, int(shown[0][1]) / 1e6, marks


def main():
    args = parse_args()
    build = os.path.abspath(args.build)
    editor = executable(build, "src/gui/rungpad")
    baseline = executable(build, "bench/startup/rungpad-startup-baseline")
    writer = executable(build, "bench/startup/rungpad-startup-program")
    work = tempfile.mkdtemp(prefix="rungpad-startup-")
    display = None
    try:
        program = os.path.join(work, "program1600.plf")
        subprocess.run([writer, program], check=True)
        display = Display(work, args.nice)
        env = dict(display.env, RUNGPAD_STARTUP_PROBE="1")
        if args.trace:
            env["RUNGPAD_STARTUP_TRACE"] = "1"
        commands = {"baseline": [baseline], "rungpad": [editor, program]}
        times = {name: [] for name in commands}
        cpu = {name: [] for name in commands}
        marks = {}
        busy = False
        for name, command in commands.items():  # warm-up: libraries and fonts into the cache
            run_once(command, env, display.preexec)
        for round_number in range(args.rounds):
            wait_for_quiet(args.quiet_load)
            before = load_average()
            busy = busy or load_per_cpu() >= args.quiet_load
            for i in range(args.runs):
                order = ["baseline", "rungpad"] if i % 2 == 0 else ["rungpad", "baseline"]
                for name in order:
                    ms, cpu_ms, run_marks = run_once(commands[name], env, display.preexec)
                    times[name].append(ms)
                    cpu[name].append(cpu_ms)
                    for label, at in run_marks.items() if name == "rungpad" else ():
                        marks.setdefault(label, []).append(at)
            busy = busy or load_per_cpu() >= args.quiet_load
            print(f"round {round_number + 1}: load average before {before}, "
                  f"after {load_average()}")
        for name in commands:
            runs = " ".join(f"{ms:.0f}" for ms in times[name])
            print(f"{name:9} median {statistics.median(times[name]):6.1f} ms "
                  f"(processor {statistics.median(cpu[name]):5.1f} ms)   runs: {runs}")
        if marks:
            print("rungpad marks (median ms from process start, processor ms used by then):")
            for label, ats in sorted(marks.items(),
                                     key=lambda item: statistics.median(a[0] for a in item[1])):
                print(f"  {label:12} {statistics.median(a[0] for a in ats):6.1f} "
                      f"{statistics.median(a[1] for a in ats):6.1f}")
        runs = len(times["rungpad"])
        cpu_ratio = statistics.median(cpu["rungpad"]) / statistics.median(cpu["baseline"])
        print(f"processor time ratio: {cpu_ratio:.2f} ({runs} runs each)")
        ratio = statistics.median(times["rungpad"]) / statistics.median(times["baseline"])
        print(f"ratio rungpad / baseline: {ratio:.2f} (target <= 1.30, {runs} runs each)")
        if busy:
            print(f"warning: the machine was busy (load average per processor >= "
                  f"{args.quiet_load}); the time on the clock is unreliable, the processor "
                  f"time ratio less so")
    finally:
        if display:
            display.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
