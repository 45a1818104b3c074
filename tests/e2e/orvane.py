"""Drives the real Orvane.exe under Wine on the test display, as a user would: starts it in a
folder of its own, moves and clicks the mouse, presses keys, takes screenshots, ends it."""
import contextlib
import itertools
import json
import math
import os
import pathlib
import shutil
import struct
import subprocess
import time

from PIL import Image

ROOT = pathlib.Path(__file__).resolve().parents[2]
PROGRAM = ROOT / "build/windows/Orvane"
CLI = ROOT / "build/native/orvane-cli"
PROBE = ROOT / "build/windows/orvane-probe.exe"
PANEL = (550, 50, 800, 550)  # the right part of the main window, where every page must lie
PLOT = (0, 50, 500, 500)  # the plot area in client pixels: left, top, width, height
# Where the pointer rests while keys are pressed: over the main window (the title box) but off the
# plot, where a resting pointer reads the curve under it out in the picture.
REST = (150, 25)


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=30)
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {args}: {result.stderr}")
    return result.stdout.split()


def screen():
    """The whole screen as an RGB image, read from the XWD file Xvfb keeps current."""
    data = pathlib.Path(os.environ["ORVANE_FRAMEBUFFER"]).read_bytes()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, colours = fields[11], fields[12], fields[19]
    assert bits_per_pixel == 32, "the test display is 24-bit colour in 32-bit pixels"
    pixels = data[header_size + 12 * colours:]
    return Image.frombuffer("RGB", (width, height), pixels, "raw", "BGRX", bytes_per_line, 1).copy()


def write_workspace(path, document):
    """A workspace file made from JSON by the command-line tool."""
    source = path.with_suffix(".json")
    source.write_text(json.dumps(document))
    subprocess.run([str(CLI), "wsp", "write", str(source), str(path)], check=True)
    source.unlink()


def read_workspace(path):
    result = subprocess.run([str(CLI), "wsp", "dump", str(path)], capture_output=True, check=True)
    return json.loads(result.stdout)


def project(point, view):
    """The client pixel where the plot view draws a scene point, for a view given as in the
    workspace JSON: the window's 45 degree perspective squeezed into the 500 x 500 plot."""
    x, y, z = point
    ax, ay, az = (math.radians(a) for a in view["angles"])
    # Rotations about z, then y, then x (the last one given is applied first), then the origin.
    x, y = x * math.cos(az) - y * math.sin(az), x * math.sin(az) + y * math.cos(az)
    x, z = x * math.cos(ay) + z * math.sin(ay), -x * math.sin(ay) + z * math.cos(ay)
    y, z = y * math.cos(ax) - z * math.sin(ax), y * math.sin(ax) + z * math.cos(ax)
    px, py, pz = view["position"]
    x, y, z = x + px, y + py, z + pz - 25
    focal = 1 / math.tan(math.radians(22.5))
    ndc_x = focal / (800 / 600) * x / -z
    ndc_y = focal * y / -z
    left, top, width, height = PLOT
    return left + (ndc_x + 1) / 2 * width, top + height - (ndc_y + 1) / 2 * height


def near(image, at, colour, radius=2, tolerance=40):
    """Whether a pixel of about that colour lies within radius pixels of a client point."""
    cx, cy = round(at[0]), round(at[1])
    for y in range(cy - radius, cy + radius + 1):
        for x in range(cx - radius, cx + radius + 1):
            if 0 <= x < image.width and 0 <= y < image.height:
                pixel = image.getpixel((x, y))
                if all(abs(p - c) <= tolerance for p, c in zip(pixel, colour)):
                    return True
    return False


def is_section_rule(text):
    """A rule that opens a section of a page: "〖" and a run of dashes or equals signs, no "〗"."""
    return text.startswith("〖") and "〗" not in text


def inside(rect, area):
    return area[0] <= rect[0] and area[1] <= rect[1] and rect[2] <= area[2] and rect[3] <= area[3]


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def list_button(index):
    """The centre of a button of the list column at the right edge."""
    return 775, 55 + 72 * index + 25


def control_button(index):
    """The centre of a button of the control column right of the plot."""
    return 525, 55 + 72 * index + 25


def mean_colour(image, box):
    region = image.crop(box)
    count = region.width * region.height
    sums = [0, 0, 0]
    for pixel in region.getdata():
        for i in range(3):
            sums[i] += pixel[i]
    return [s / count for s in sums]


@contextlib.contextmanager
def held_hot_key(name):
    """Holds one of the program's hot keys, as another program would, for the time of the block."""
    holder = subprocess.Popen(["wine", str(PROBE), "hold", name], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)
    try:
        assert holder.stdout.readline().strip() == "held"
        yield
    finally:
        holder.stdin.close()
        holder.wait(timeout=30)


class Orvane:
    """One run of the program in its own folder, which holds Default.wsp and what it saves."""

    # The exit button ends the program on the press, so Wine never sees the release and keeps the
    # left button down for the next run, which would take its first mouse moves for a drag.
    left_button_left_down = False

    def __init__(self, folder, workspace=None, images=True):
        self.folder = pathlib.Path(folder)
        self.folder.mkdir(parents=True, exist_ok=True)
        shutil.copy(PROGRAM / "Orvane.exe", self.folder)
        shutil.copytree(PROGRAM / "Sound", self.folder / "Sound", dirs_exist_ok=True)
        if images:
            shutil.copytree(PROGRAM / "Images", self.folder / "Images", dirs_exist_ok=True)
        if workspace is not None:
            write_workspace(self.folder / "Default.wsp", workspace)
        self.process = None
        self.window = None
        self.start_box = None

    def start(self, timeout=40, box=None):
        """Starts the program and waits for its first frame; with `box`, a message box of that
        title is expected first and answered with Return."""
        xdotool("mousemove", *REST)
        self.process = subprocess.Popen(["wine", "Orvane.exe"], cwd=self.folder, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            windows = xdotool("search", "--name", "^Orvane$", check=False)
            if windows:
                self.window = windows[0]
                break
            assert self.process.poll() is None, "Orvane ended before showing its window"
            time.sleep(0.2)
        assert self.window, "Orvane did not show its window"
        if box is not None:
            while not self.windows_named(f"^{box}$"):
                assert time.monotonic() < deadline, f"no box {box}"
                time.sleep(0.2)
            time.sleep(0.5)
            self.start_box = self.box_texts(box)
            xdotool("windowfocus", "--sync", self.windows_named(f"^{box}$")[0], check=False)
            xdotool("key", "Return")
        # The first frames draw the plot and the control strip.
        self.wait_for(lambda shot: shot.getpixel((525, 560)) != (0, 0, 0), "the first frame")
        if Orvane.left_button_left_down:
            self.click(*REST)  # on the title box, where a click does nothing
            Orvane.left_button_left_down = False
        return self

    def wait_for(self, condition, what, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition(self.screenshot()):
                return
            time.sleep(0.2)
        raise AssertionError(f"waited in vain for {what}")

    def screenshot(self):
        return screen().crop((0, 0, 800, 600))

    def move(self, x, y):
        xdotool("mousemove", x, y)
        time.sleep(0.15)

    def drag(self, path, buttons):
        """Moves along the points with the given mouse buttons (1 left, 3 right) held down."""
        self.move(*path[0])
        for button in buttons:
            xdotool("mousedown", button)
        for x, y in path[1:]:
            xdotool("mousemove", x, y)
            time.sleep(0.05)
        for button in reversed(buttons):
            xdotool("mouseup", button)
        time.sleep(0.2)

    def click(self, x, y, button=1):
        self.move(x, y)
        xdotool("click", button)
        time.sleep(0.3)

    def key(self, name):
        """A key pressed with the main window focused."""
        self.move(*REST)
        xdotool("windowfocus", "--sync", self.window, check=False)
        xdotool("key", name)
        time.sleep(0.3)

    def xkey(self, name):
        """A key to whatever has the keyboard now (the graph list, a menu, a message box)."""
        xdotool("key", name)
        time.sleep(0.3)

    def probe(self, *args):
        """The side-panel pages with their controls and the graph list's rows, as the test helper
        reads them from the running program; with arguments, what the helper answers to them."""
        result = subprocess.run(["wine", str(PROBE), *args], capture_output=True, text=True, timeout=60)
        assert result.returncode == 0, result.stdout + result.stderr
        return json.loads(result.stdout)

    def box_texts(self, title):
        """The texts of the message box with that title."""
        return self.probe("box", title)["texts"]

    def free_hot_keys(self):
        """For each of the program's hot keys, whether another program could take it now."""
        return self.probe("hot-keys")

    def rows(self):
        return self.probe()["rows"]

    def graph_list(self):
        """The graph list's selected row (-1 for none), its first row shown, how many rows it
        shows, and which scroll bars it has."""
        return self.probe()["graphList"]

    def shown_pages(self):
        return [page for page in self.probe()["pages"] if page["visible"]]

    def page(self):
        """The one page shown, its controls by id (statics without an id under their texts)."""
        pages = self.shown_pages()
        assert len(pages) == 1, f"{len(pages)} pages shown"
        return Page(pages[0])

    def type_into(self, rect, text):
        """Clicks into a box, selects what it holds and types text in its place."""
        self.click(*centre(rect))
        xdotool("key", "End", "shift+Home")
        if text:
            xdotool("type", "--delay", "20", "--", text)  # "--": a text may begin with "-"
        else:
            xdotool("key", "BackSpace")
        time.sleep(0.2)

    def windows_named(self, name):
        return xdotool("search", "--name", name, check=False)

    def menus(self):
        """The pop-up menus shown. Wine gives its X windows the program's class and a pop-up menu
        no name (the Win32 class #32768 is not the X one): the unnamed windows of the class."""
        shown = xdotool("search", "--onlyvisible", "--classname", "^orvane\\.exe$", check=False)
        return [w for w in shown if w != self.window and not xdotool("getwindowname", w, check=False)]

    def answer(self, name, key="Return", timeout=10):
        """Waits for a window of that name (a message box) and presses a key in it."""
        deadline = time.monotonic() + timeout
        while not (found := self.windows_named(name)):
            assert time.monotonic() < deadline, f"no window named {name}"
            time.sleep(0.2)
        xdotool("windowfocus", "--sync", found[0], check=False)
        self.xkey(key)

    def quit(self, timeout=20):
        """Holds Escape over the main window until the program ends; it saves Default.wsp on its way
        out."""
        self.move(*REST)
        xdotool("windowfocus", "--sync", self.window, check=False)
        xdotool("keydown", "Escape")
        try:
            self.process.wait(timeout=timeout)
        finally:
            xdotool("keyup", "Escape", check=False)
        return self.process.returncode

    def close(self, timeout=20):
        """Clicks the exit button of the top strip; the program saves Default.wsp as it ends."""
        self.click(765, 25)
        Orvane.left_button_left_down = True
        self.process.wait(timeout=timeout)
        return self.process.returncode

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def saved_workspace(self):
        return read_workspace(self.folder / "Default.wsp")


class Page:
    """One side-panel page as the probe read it."""

    def __init__(self, data):
        self.rect = data["rect"]
        self.controls = data["controls"]

    def control(self, control_id):
        matches = [c for c in self.controls if c["id"] == control_id]
        assert len(matches) == 1, f"control {control_id}: {len(matches)} found"
        return matches[0]

    def text(self, control_id):
        return self.control(control_id)["text"]

    def rect_of(self, control_id):
        return self.control(control_id)["rect"]

    def checked(self, control_id):
        return self.control(control_id)["checked"]

    def items(self, control_id):
        """A list view's item texts."""
        return self.control(control_id)["items"]

    def selected(self, control_id):
        """The item of a list view selected now, or -1."""
        return self.control(control_id)["selected"]

    def check_layout(self):
        """The page lies over the right part of the main window, where every page must lie, its
        visible controls lie inside it without overlapping one another, and every static's text
        fits its control in the pages' font (section rules run past the edge on purpose)."""
        assert inside(self.rect, PANEL), self.rect
        shown = [c for c in self.controls if c["visible"]]
        for c in shown:
            assert inside(c["rect"], self.rect), c
        for a, b in itertools.combinations(shown, 2):
            assert not overlap(a["rect"], b["rect"]), (a, b)
        cut = [(c["text"], c["textHeight"], c["rect"][3] - c["rect"][1]) for c in shown
               if "textHeight" in c and not is_section_rule(c["text"])
               and c["textHeight"] > c["rect"][3] - c["rect"][1]]
        assert not cut, f"texts that need more height than their controls have: {cut}"

    def title(self):
        return self.controls[0]["text"]
