"""Shared helpers of the real-display journeys.

A Session owns one private X server (Xvfb, display number chosen by the server itself), the
openbox window manager on it, a private HOME (settings, recent files) and the rungpad process.
Journeys drive the application only through real X input (xdotool) and look at it only through
what an X client can see: window titles, the screen's pixels, the selection, and the files it
writes. Every wait polls with a deadline; nothing relies on a fixed sleep alone.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SCREEN_W, SCREEN_H = 1280, 1024
DPI = 96
# Waits get longer on a loaded machine: RUNGPAD_E2E_SLOW=2 doubles every deadline.
SLOW = float(os.environ.get("RUNGPAD_E2E_SLOW", "1"))
DEFAULT_TIMEOUT = 20.0
STATUS_BAR_H = 24  # pixels at the bottom of the maximized main window
DOUBLE_CLICK_GAP = 0.6  # seconds; Qt's default double-click interval is 400 ms


class JourneyFailure(AssertionError):
    pass


def _die_with_parent():
    """Run in each child before exec: the kernel ends the child when the journey ends, even
    when CTest kills the journey at its timeout, so no X server or editor is left behind."""
    import ctypes
    import signal
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, signal.SIGTERM)


def check(condition, message):
    if not condition:
        raise JourneyFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise JourneyFailure(f"{what}: expected {expected!r}, got {actual!r}")


def wait_until(predicate, what, timeout=DEFAULT_TIMEOUT, interval=0.1):
    """Polls predicate until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout * SLOW
    last = None
    while True:
        last = predicate()
        if last:
            return last
        if time.monotonic() > deadline:
            raise JourneyFailure(f"timed out after {timeout * SLOW:.0f} s waiting for {what}")
        time.sleep(interval)


# ---------------------------------------------------------------------------------------------
# Screenshots


class Image:
    """An RGB screenshot: pixel probes, region statistics and PNG output."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @staticmethod
    def from_ppm(data):
        # P6 header: magic, width, height, maxval, each followed by white space.
        fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        if not fields:
            raise JourneyFailure("screenshot is not a binary PPM")
        width, height = int(fields.group(1)), int(fields.group(2))
        return Image(width, height, data[fields.end():fields.end() + width * height * 3])

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def region(self, left, top, right, bottom):
        """Pixels of the rectangle, right and bottom excluded, clipped to the image."""
        left, top = max(0, left), max(0, top)
        right, bottom = min(self.width, right), min(self.height, bottom)
        for y in range(top, bottom):
            row = self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]
            for i in range(0, len(row), 3):
                yield row[i], row[i + 1], row[i + 2]

    def count(self, rect, predicate):
        return sum(1 for p in self.region(*rect) if predicate(p))

    def dark_count(self, rect, limit=96):
        return self.count(rect, lambda p: max(p) < limit)

    def is_inverted(self, rect):
        """True when most of rect is dark: a selected cell of the ladder view is drawn
        inverted."""
        left, top, right, bottom = rect
        return self.dark_count(rect) * 2 > (right - left) * (bottom - top)

    def differs(self, other, rect):
        """Number of pixels of rect that differ between two screenshots."""
        return sum(1 for a, b in zip(self.region(*rect), other.region(*rect)) if a != b)

    def find_band(self, colour, length):
        """(left, y, right) of the first run of at least length pixels of colour, top down; None
        when there is none."""
        band = bytes(colour) * length
        for y in range(self.height):
            row = self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
            at = row.find(band)
            while at >= 0 and at % 3 != 0:
                at = row.find(band, at + 1)
            if at >= 0:
                right = at // 3
                while right < self.width and self.pixel(right, y) == tuple(colour):
                    right += 1
                return at // 3, y, right
        return None

    def column(self, x):
        """The red channel of one column, as bytes (fast to scan with regular expressions)."""
        return self.rgb[x * 3::self.width * 3]

    def save_png(self, path):
        raw = b"".join(b"\x00" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                       for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body +
                    struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------------------------
# The ladder grid on screen


class Grid:
    """Maps grid cells to screen points. Located from the two power rails, which are the only
    long vertical lines 560 units apart that start 20 units above the first line."""

    LEFT_RAIL, CELL_W, LINE_H, GRID_TOP, RAIL_TOP = 72, 70, 40, 42, 22

    def __init__(self, left_rail_x, rail_top_y, scale):
        self.scale = scale
        self.origin_x = left_rail_x - self.LEFT_RAIL * scale
        self.origin_y = rail_top_y - self.RAIL_TOP * scale

    def to_screen(self, x_units, y_units_down):
        return (round(self.origin_x + x_units * self.scale),
                round(self.origin_y + y_units_down * self.scale))

    def cell_center(self, column, line):
        return self.to_screen(self.LEFT_RAIL + self.CELL_W * column + self.CELL_W // 2,
                              self.GRID_TOP + self.LINE_H * line + self.LINE_H // 2)

    def cell_rect(self, column, line, inset=3):
        """Screen rectangle (left, top, right, bottom) of a cell, shrunk by inset pixels."""
        left, top = self.to_screen(self.LEFT_RAIL + self.CELL_W * column,
                                   self.GRID_TOP + self.LINE_H * line)
        right, bottom = self.to_screen(self.LEFT_RAIL + self.CELL_W * (column + 1),
                                       self.GRID_TOP + self.LINE_H * (line + 1))
        return (left + inset, top + inset, right - inset, bottom - inset)

    def note_point(self, line):
        return self.to_screen(700, self.GRID_TOP + self.LINE_H * line + self.LINE_H // 2)

    def powered(self, column, line):
        """A screenshot predicate: monitor mode draws power in a cell (its wire, the element)."""
        return lambda image: image.count(self.cell_rect(column, line), is_power_colour) > 10

    @staticmethod
    def locate_all(image, zoom=1.0):
        """Every grid whose rails' tops are on screen, left to right and top to bottom, drawn at
        zoom (1.0: the view's own size). Only the tops are compared: a selected cell inverts
        part of a rail below its top."""
        span = round(560 * DPI / 100.0 * zoom)
        starts = {}
        for x in range(image.width):
            # Runs dark in red, kept when black (a window's blue title bar is dark in red only).
            starts[x] = [m.start() for m in re.finditer(rb"[\x00-\x40]{15,}", image.column(x))
                         if max(image.pixel(x, m.start() + 7)) <= 0x40]
        grids, taken = [], set()
        for x in range(image.width):
            for start in starts[x]:
                if (x - 1, start) in taken or (x - 2, start) in taken:
                    continue  # the second pixel column of a rail already used
                for dx in (0, -1, 1, -2, 2):
                    partner = x + span + dx
                    if any(abs(s - start) <= 1 for s in starts.get(partner, [])):
                        grids.append(Grid(x, start, (partner - x) / 560.0))
                        taken.add((x, start))
                        break
        return sorted(grids, key=lambda g: (g.origin_y, g.origin_x))

    @staticmethod
    def locate(image, zoom=1.0):
        """The grid whose rails come first (top left); None when no rails are on screen."""
        grids = Grid.locate_all(image, zoom)
        return grids[0] if grids else None


def is_power_colour(pixel):
    """The green monitor mode draws power in."""
    r, g, b = pixel
    return g > 120 and g > r + 50 and g > b + 30


def failure_mark(image):
    """The centre of the lowest red text in the lower right of the screen, where the Test
    Results window sits beside the output window: the FAIL mark of the last failing case in
    sight (the window's summary line above its table is red too); None when there is none."""
    def red(pixel):
        r, g, b = pixel
        return r > 140 and g < 70 and b < 70
    points = [(x, y) for y in range(image.height // 2, image.height - 30)
              for x in range(image.width // 3, image.width - 300) if red(image.pixel(x, y))]
    if not points:
        return None
    lowest = max(y for _, y in points)
    mark = [(x, y) for x, y in points if y > lowest - 14]
    return (sum(x for x, _ in mark) // len(mark), sum(y for _, y in mark) // len(mark))


# ---------------------------------------------------------------------------------------------
# The session


class Session:
    def __init__(self, name, app, cli, source_dir, artifacts):
        self.name = name
        self.app, self.cli, self.source_dir = app, cli, source_dir
        self.artifacts = artifacts
        self.work = tempfile.mkdtemp(prefix=f"rungpad-e2e-{name}-")
        self.home = os.path.join(self.work, "home")
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)
        self.display = None
        self.procs = []
        self.app_proc = None
        self.app_log = os.path.join(self.work, "rungpad.log")
        self.shot_count = 0
        self.last_click = (-100, -100, 0.0)

    # -- processes ------------------------------------------------------------------------------

    def env(self):
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display,
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        for var in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER", "XAUTHORITY"):
            env.pop(var, None)
        return env

    def start_display(self):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             f"{SCREEN_W}x{SCREEN_H}x24", "-dpi", str(DPI), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, preexec_fn=_die_with_parent,
            stderr=open(os.path.join(self.work, "xvfb.log"), "wb"))
        os.close(write_fd)
        self.procs.append(xvfb)
        number = b""
        deadline = time.monotonic() + 30 * SLOW
        while not number.endswith(b"\n"):
            check(time.monotonic() < deadline and xvfb.poll() is None, "Xvfb did not start")
            number += os.read(read_fd, 16) or b""
        os.close(read_fd)
        self.display = ":" + number.decode().strip()
        self.procs.append(subprocess.Popen(
            ["openbox"], env=self.env(), preexec_fn=_die_with_parent,
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.work, "openbox.log"), "wb")))
        # The window manager announces itself on the root window.
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run_text(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), "openbox to start")

    def start_app(self, *args, title=r"^Ladder diagram editor"):
        """Starts rungpad with args and waits until its main window is active and has settled
        maximized (it is first mapped at its normal size)."""
        self.app_proc = subprocess.Popen([self.app, *args], env=self.env(), cwd=self.work,
                                         preexec_fn=_die_with_parent,
                                         stdout=open(self.app_log, "ab"),
                                         stderr=subprocess.STDOUT)
        name = self.wait_active(title, timeout=60)
        seen = []

        def settled():
            geometry = self.run_text(["xdotool", "getactivewindow", "getwindowgeometry"])
            size = re.search(r"Geometry: (\d+)x(\d+)", geometry)
            seen.append(size and (int(size.group(1)), int(size.group(2))))
            return (len(seen) >= 3 and seen[-1] == seen[-2] == seen[-3] and seen[-1]
                    and seen[-1][0] == SCREEN_W)
        wait_until(settled, f"the main window to settle maximized (sizes {seen[-3:]})",
                   interval=0.2)
        return name

    def app_exited(self, timeout=DEFAULT_TIMEOUT):
        """Waits until rungpad has ended; returns its exit status."""
        wait_until(lambda: self.app_proc.poll() is not None, "rungpad to exit", timeout)
        return self.app_proc.returncode

    def app_output(self):
        with open(self.app_log, "rb") as log:
            return log.read().decode("utf-8", "replace")

    def close(self):
        for proc in ([self.app_proc] if self.app_proc else []) + list(reversed(self.procs)):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()

    def run_text(self, argv, check_status=False):
        result = subprocess.run(argv, env=self.env(), capture_output=True, timeout=30 * SLOW)
        if check_status and result.returncode != 0:
            raise JourneyFailure(f"{argv[0]} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode("utf-8", "replace")

    def xdotool(self, *args):
        return self.run_text(["xdotool", *map(str, args)], check_status=True)

    # -- windows --------------------------------------------------------------------------------

    def window_names(self):
        """Names of the visible top-level windows."""
        ids = self.run_text(["xdotool", "search", "--onlyvisible", "--name", "."]).split()
        return [self.run_text(["xdotool", "getwindowname", i]).strip() for i in ids]

    def active_name(self):
        return self.run_text(["xdotool", "getactivewindow", "getwindowname"]).strip()

    def wait_window(self, pattern, timeout=DEFAULT_TIMEOUT):
        """Waits until a visible window's name matches the regular expression; returns it."""
        return wait_until(
            lambda: next((n for n in self.window_names() if re.search(pattern, n)), None),
            f"a window named /{pattern}/ (windows: {self.window_names()})", timeout)

    def wait_no_window(self, pattern, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not any(re.search(pattern, n) for n in self.window_names()),
                   f"no window named /{pattern}/", timeout)

    def wait_active(self, pattern, timeout=DEFAULT_TIMEOUT):
        """Waits until the window with the keyboard focus is named after pattern; returns the
        name. Keys go to the focused window, so every key sequence starts with this."""
        def matches():
            name = self.active_name()
            return name if re.search(pattern, name) else None
        return wait_until(matches, f"the active window to be /{pattern}/ "
                          f"(active: {self.active_name()!r})", timeout)

    def popups(self):
        """Geometry (left, top, right, bottom) of every visible popup menu of the application,
        oldest first: the application's override-redirect windows."""
        ids = self.run_text(["xdotool", "search", "--onlyvisible", "--classname", "^rungpad$"])
        rects = []
        for i in sorted(ids.split(), key=int):
            info = self.run_text(["xwininfo", "-id", i])
            if not re.search(r"Override Redirect State:\s+yes", info):
                continue
            values = {k: int(v) for k, v in re.findall(
                r"(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)", info)}
            x, y = values["Absolute upper-left X"], values["Absolute upper-left Y"]
            w, h = values["Width"], values["Height"]
            if w > 20 and h > 20:
                rects.append((x, y, x + w, y + h))
        return rects

    def wait_popup(self, count=1, timeout=DEFAULT_TIMEOUT):
        """Waits until count popup menus are open; returns the newest one's rectangle."""
        rects = wait_until(lambda: (lambda r: r if len(r) >= count else None)(self.popups()),
                           f"{count} open popup menu(s)", timeout)
        return rects[-1]

    def menu_items(self, rect):
        """Vertical centres of the items of an open popup menu, top to bottom. An item is a band
        of rows with ink (its text or icon); separators are single thin lines and are skipped."""
        left, top, right, bottom = rect

        def settled():
            image = self.screenshot()
            background = image.pixel(right - 3, bottom - 3)
            inked = [any(p != background for p in image.region(left + 4, y, right - 4, y + 1))
                     for y in range(top + 2, bottom - 2)]
            bands, start = [], None
            for offset, ink in enumerate(inked + [False]):
                if ink and start is None:
                    start = offset
                elif not ink and start is not None:
                    if offset - start >= 6:
                        bands.append(top + 2 + (start + offset) // 2)
                    start = None
            return bands or None
        return wait_until(settled, "the items of a popup menu")

    def choose_menu_item(self, rect, index, click=True):
        """Moves to item index of an open popup menu (as menu_items counts them) and clicks it,
        or with click=False only rests on it (to open a submenu)."""
        items = self.menu_items(rect)
        check(index < len(items), f"popup menu has {len(items)} items, wanted item {index}")
        x, y = rect[0] + 40, items[index]
        self.move(x - 10, y)
        self.move(x, y)
        if click:
            self.click(x, y)

    LANGUAGES = ("Original", "中文", "English")  # the items of View > Language, top to bottom

    def choose_language(self, name):
        """Chooses a language in View > Language (its menu title has the accelerator L in every
        language)."""
        self.key("alt+v")
        self.wait_popup()
        self.key("l")
        self.choose_menu_item(self.wait_popup(count=2), self.LANGUAGES.index(name))

    # -- input ----------------------------------------------------------------------------------

    def key(self, *keys):
        """Presses keys one after another, e.g. key("ctrl+q") or key("Down", "Return")."""
        self.xdotool("key", "--delay", "60", *keys)

    def type(self, text):
        """Types text key by key."""
        self.xdotool("type", "--delay", "80", text)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1, repeat=1):
        # Two single clicks on one spot within the double-click time would reach the application
        # as a double-click, whatever happened in between (a dialog, say): keep them apart.
        last_x, last_y, last_time = self.last_click
        gap = DOUBLE_CLICK_GAP - (time.monotonic() - last_time)
        if abs(x - last_x) <= 8 and abs(y - last_y) <= 8 and gap > 0:
            time.sleep(gap)
        self.xdotool("mousemove", x, y, "click", "--repeat", repeat, "--delay", "120", button)
        self.last_click = (x, y, time.monotonic())

    def double_click(self, x, y):
        self.click(x, y, repeat=2)

    def drag(self, x1, y1, x2, y2, button=1):
        self.xdotool("mousemove", x1, y1, "mousedown", button)
        for i in range(1, 6):
            self.xdotool("mousemove", x1 + (x2 - x1) * i // 5, y1 + (y2 - y1) * i // 5)
        self.xdotool("mouseup", button)

    # -- screen ---------------------------------------------------------------------------------

    def screenshot(self, label=None):
        """Grabs the whole screen; with a label it is also kept as a PNG among the artifacts."""
        data = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env(), capture_output=True, timeout=60 * SLOW).stdout
        image = Image.from_ppm(data)
        if label:
            self.save(image, label)
        return image

    def save(self, image, label, folder=None):
        """Keeps a screenshot as a PNG: numbered among the artifacts, or as LABEL.png in
        folder."""
        if folder is None:
            os.makedirs(self.artifacts, exist_ok=True)
            self.shot_count += 1
            path = os.path.join(self.artifacts, f"{self.shot_count:02d}-{label}.png")
        else:
            os.makedirs(folder, exist_ok=True)
            path = os.path.join(folder, f"{label}.png")
        image.save_png(path)
        return path

    def wait_screen(self, predicate, what, timeout=DEFAULT_TIMEOUT):
        """Polls screenshots until predicate(image) holds; returns that screenshot."""
        found = []

        def probe():
            image = self.screenshot()
            if predicate(image):
                found.append(image)
                return True
            return False
        wait_until(probe, what, timeout, interval=0.2)
        return found[0]

    def wait_settled(self, timeout=DEFAULT_TIMEOUT, but_status_bar=False):
        """Waits until two screenshots in a row are equal (above the status bar with
        but_status_bar: its simulated time moves on while a simulation runs); returns the
        last."""
        shots = [self.screenshot()]

        def same():
            shots.append(self.screenshot())
            a, b = shots[-1], shots[-2]
            end = (a.height - STATUS_BAR_H) * a.width * 3 if but_status_bar else len(a.rgb)
            return a.rgb[:end] == b.rgb[:end]
        wait_until(same, "the screen to settle", timeout, interval=0.3)
        return shots[-1]

    def grid(self, timeout=DEFAULT_TIMEOUT):
        """Locates the ladder grid of the active view (the rails' tops must be on screen)."""
        return self.grids(1, timeout)[0]

    def second_view_tiled(self):
        """Window > New Window, then Window > Tile: returns the two views' grids, left first."""
        self.key("alt+w")
        self.wait_popup()
        self.key("n")  # New Window(&N)
        self.key("alt+w")
        self.wait_popup()
        self.key("t")  # Tile(&T)
        return self.grids(2)

    def grids(self, count, timeout=DEFAULT_TIMEOUT):
        """Locates count ladder grids on screen (views side by side), sorted top to bottom and
        left to right."""
        found = []

        def probe():
            # Two screenshots in a row must agree: the windows may still be laying out.
            found.append(Grid.locate_all(self.screenshot()))
            return (len(found) >= 2 and len(found[-1]) >= count and
                    [vars(g) for g in found[-1]] == [vars(g) for g in found[-2]])
        wait_until(probe, f"{count} ladder grid(s) on screen", timeout, interval=0.3)
        return found[-1][:count]

    def selection_text(self, selection="primary"):
        return self.run_text(["xclip", "-o", "-selection", selection])

    def read_text_area(self, rect):
        """Selects the text of a text box by dragging across it with the mouse and returns it
        (through the X primary selection, as a user would paste it)."""
        left, top, right, bottom = rect
        # A press on text still selected by the last read would drag that text away instead of
        # selecting anew: a click at the far corner drops the old selection first.
        self.click(right - 24, bottom - 4)
        self.drag(left + 4, top + 4, right - 24, bottom - 4)
        return self.selection_text()

    def read_text_box(self, x, y):
        """Copies the whole text of the read-only text box under (x, y) through its own
        right-click menu (Select All, then Copy) and returns it."""
        for item in (-1, 0):  # the menu's last item is Select All, its first Copy
            self.click(x, y, button=3)
            menu = self.wait_popup()
            items = self.menu_items(menu)
            self.choose_menu_item(menu, len(items) - 1 if item < 0 else item)
            wait_until(lambda: not self.popups(), "the text box's menu to close")
        return self.selection_text("clipboard")

    def instruction_text(self):
        """The instruction window's contents (it is docked on the right), as lines."""
        return self.read_text_box(SCREEN_W - 60, SCREEN_H // 3).splitlines()

    def output_rect(self):
        """The output window's text box: the white run just above the status bar in a column
        left of where its text starts."""
        image = self.screenshot()
        x, y = 3, image.height - 1
        while y > 0 and image.pixel(x, y) != (255, 255, 255):
            y -= 1
        bottom = y
        while y > 0 and image.pixel(x, y) == (255, 255, 255):
            y -= 1
        check(bottom - y > 20, "the output window is not visible")
        return (2, y + 1, image.width - 2, bottom)

    def output_text(self):
        """The output window's contents, as lines."""
        return self.read_text_area(self.output_rect()).splitlines()

    # -- editing ---------------------------------------------------------------------------------

    MAIN = r"^Ladder diagram editor"

    def enter_item(self, text):
        """Answers the item dialog of an element or parameter with text and checks the output
        window says it was accepted."""
        self.wait_active(r"^item set$")
        self.type(text)
        self.key("Return")
        self.wait_active(self.MAIN)
        # The check runs once the dialog has gone: let the application finish drawing first.
        self.wait_settled()
        self.wait_output("Accept!")

    def place(self, grid, column, line, keys, text=None):
        """Clicks a cell, presses the element's keys and, for an element with an address,
        enters it."""
        self.click(*grid.cell_center(column, line))
        self.key(keys)
        if text is not None:
            self.enter_item(text)

    def save_document(self, path):
        """Ctrl+S with the ladder information dialog that every save shows taken as it is;
        returns the file's new bytes once written."""
        before = open(path, "rb").read()
        self.key("ctrl+s")
        self.wait_active(r"^Ladder diagram information$")
        self.key("Return")
        self.wait_active(self.MAIN)
        return self.wait_file(path, changed_from=before)

    def file_dialog(self, path=None):
        """Answers the file dialog that has just opened: with path, typed over the proposed
        name; without, the proposed name taken as it is."""
        self.wait_active(r"^(?!Ladder diagram editor)")
        if path is not None:
            self.key("ctrl+a")
            self.type(path)
        self.key("Return")
        self.wait_active(self.MAIN)

    def dump(self, path):
        """rungpad-cli dump of a ladder file, without its volatile save date."""
        return [line for line in self.cli_text("dump", path).splitlines()
                if not line.startswith("Save date:")]

    def wait_selected(self, grid, cells, also_lines=(), timeout=DEFAULT_TIMEOUT):
        """Waits until, on the lines of the given (column, line) cells and on also_lines,
        exactly those cells are shown selected; returns the screenshot."""
        lines = {line for _, line in cells} | set(also_lines)

        def shown(image):
            return all(image.is_inverted(grid.cell_rect(c, l)) == ((c, l) in cells)
                       for l in lines for c in range(8))
        return self.wait_screen(shown, f"cells {sorted(cells)} shown selected", timeout)

    def wait_output(self, text, timeout=DEFAULT_TIMEOUT):
        """Waits until a line of the output window equals text; returns all its lines."""
        return wait_until(lambda: (lambda lines: lines if text in lines else None)(
            self.output_text()), f"{text!r} in the output window", timeout)

    # -- files ----------------------------------------------------------------------------------

    def copy_example(self, name="demo.plf", to=None):
        """Copies a file of examples/ into the session's work folder; returns the copy's path."""
        target = os.path.join(self.work, to or name)
        shutil.copyfile(os.path.join(self.source_dir, "examples", name), target)
        return target

    def path(self, name):
        return os.path.join(self.work, name)

    def wait_file(self, path, changed_from=None, timeout=DEFAULT_TIMEOUT):
        """Waits until path exists (and, with changed_from, until its bytes differ from those);
        returns its bytes once they stop changing."""
        def ready():
            if not os.path.exists(path):
                return None
            with open(path, "rb") as f:
                data = f.read()
            return data if changed_from is None or data != changed_from else None
        data = wait_until(ready, f"file {path}", timeout)
        while True:
            time.sleep(0.2)
            with open(path, "rb") as f:
                again = f.read()
            if again == data:
                return data
            data = again

    def cli_text(self, *args, status=0):
        """Runs rungpad-cli and returns its standard output."""
        result = subprocess.run([self.cli, *args], capture_output=True, timeout=60 * SLOW)
        check_equal(result.returncode, status,
                    f"exit status of rungpad-cli {' '.join(args)} "
                    f"(stderr: {result.stderr.decode(errors='replace')})")
        return result.stdout.decode("utf-8", "replace")


def main_options(name, extra=()):
    """The command line of a journey (or of another script that drives the editor): where the
    built programs, the sources and the screenshots are. Defaults fit a checkout with build/."""
    import argparse
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=name)
    parser.add_argument("--app", default=os.environ.get("RUNGPAD_APP"))
    parser.add_argument("--cli", default=os.environ.get("RUNGPAD_CLI"))
    parser.add_argument("--source", default=os.environ.get(
        "RUNGPAD_SOURCE_DIR", os.path.dirname(os.path.dirname(here))))
    parser.add_argument("--artifacts", default=os.environ.get(
        "RUNGPAD_E2E_ARTIFACTS", os.path.join(tempfile.gettempdir(), "rungpad-e2e-artifacts")))
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    for flag, default in extra:
        parser.add_argument(flag, default=default)
    options = parser.parse_args()
    build = os.path.join(options.source, "build")
    options.app = options.app or os.path.join(build, "src", "gui", "rungpad")
    options.cli = options.cli or os.path.join(build, "src", "cli", "rungpad-cli")
    return options


def run_session(name, options, run):
    """Runs run(session) on a fresh display; on failure keeps a screenshot, the application's
    output and the work folder. Returns 0 when it passed, 1 when it failed."""
    artifacts = os.path.join(options.artifacts, name)
    shutil.rmtree(artifacts, ignore_errors=True)
    session = Session(name, options.app, options.cli, options.source, artifacts)
    started = time.monotonic()
    try:
        session.start_display()
        run(session)
    except Exception as error:  # report every failure the same way, with its evidence
        import traceback
        traceback.print_exc()
        try:
            print("screen kept as", session.save(session.screenshot(), "failure"))
            print("windows:", session.window_names())
        except Exception as shot_error:
            print("no screenshot:", shot_error)
        print("--- rungpad output ---")
        print(session.app_output() if os.path.exists(session.app_log) else "(none)")
        print(f"JOURNEY {name} FAILED: {error}")
        session.close()
        print("work folder kept:", session.work)
        return 1
    session.close()
    if not options.keep:
        shutil.rmtree(session.work, ignore_errors=True)
    print(f"journey {name} passed in {time.monotonic() - started:.1f} s")
    return 0


def run_journey(run):
    """Runs a journey's run(session) and exits with its status. Each journey file ends with
        if __name__ == "__main__":
            run_journey(run)
    """
    path = sys.modules[run.__module__].__file__
    name = os.path.splitext(os.path.basename(path))[0]
    sys.exit(run_session(name, main_options(f"journey {name}"), run))
