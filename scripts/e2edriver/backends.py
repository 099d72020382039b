"""The two window systems the driver plays the program on. Each starts its
servers and the program, takes screenshots, finds the program's windows on
the screen and gives input as a person would; the checks of the game are the
same on both (play.py).

X11: a private Xvfb with no window manager; windows are found through X by
their titles, the pixels read from the root window, input through xdotool.

Wayland: Weston's x11 backend in a private Xvfb, the program a native
Wayland client with Qt's own window decorations. A client does not choose
where its windows go, so each window is found on the screenshot by its title
bar (the close button at its right, the program's icon at its left).
Screenshots are read from Weston's window on the Xvfb, which holds each frame
Weston presents (asking Weston itself, through weston-screenshooter, took a
tenth of a second a look); xdotool's clicks and keys on Weston's window reach
the program through Weston's real seat."""

import os
import re
import shutil
import subprocess
import time

from . import xlib

CLIENT_WIDTH = 252
CLIENT_HEIGHT = 304
MAIN_TITLE = "ぽてりん 一本道"


class SetupError(Exception):
    """Something the run needs is missing: not the program's fault."""


class Window:
    """A top-level window's client area (menu bar included), on the screen."""

    def __init__(self, x, y, w, h, title=None, handle=None):
        self.x, self.y, self.w, self.h = x, y, w, h
        self.title = title
        self.handle = handle

    def __repr__(self):
        return f"{self.title or 'window'} {self.w}x{self.h} at ({self.x}, {self.y})"


def need_tools(*tools):
    for tool in tools:
        if not shutil.which(tool):
            raise SetupError(f"'{tool}' is missing (scripts/setup installs it)")


def start_xvfb(work, name, width, height):
    """A private X server; returns its process and display name."""
    read_end, write_end = os.pipe()
    log = open(os.path.join(work, f"{name}.log"), "w")
    process = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
         "-nolisten", "tcp"], pass_fds=(write_end,), stdout=log, stderr=log)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        process.kill()
        raise SetupError(f"Xvfb did not start (see {work}/{name}.log)")
    return process, f":{number}"


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Backend:
    name = ""
    keys_follow_pointer = False

    def __init__(self, work):
        self.work = work
        self.img = None
        self.app = None
        self.servers = []
        self.display = None

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, env=self.x_env())

    def x_env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        return env

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")
        self.park()

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def key_held_until(self, key, condition):
        """Presses `key` and lets it go once `condition` (which looks at the
        screen) holds, as a person's press lasts until its effect shows."""
        self.xdotool("keydown", key)
        try:
            return condition()
        finally:
            self.xdotool("keyup", key)

    def stop(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        # Xlib ends the process when its server goes away under it.
        if getattr(self, "x", None):
            self.x.close()
        for process in reversed(self.servers):
            stop(process)


class X11(Backend):
    name = "x11"
    SCREEN = (1024, 768)

    def start(self, program):
        need_tools("Xvfb", "xdotool", "xkbcomp")
        xvfb, self.display = start_xvfb(self.work, "xvfb", *self.SCREEN)
        self.servers.append(xvfb)
        self.x = xlib.Display(self.display)
        env = self.x_env()
        env.update(QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", LANGUAGE="",
                   XDG_RUNTIME_DIR=self.private_runtime())
        self.app = subprocess.Popen([program], env=env, stdout=self.app_log(),
                                    stderr=subprocess.STDOUT)
        self.main = None
        self.menu_height = 0
        self.park_at = (0, 0)
        return "Xvfb on " + self.display

    def private_runtime(self):
        path = os.path.join(self.work, "runtime")
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def app_log(self):
        return open(os.path.join(self.work, "app.log"), "w")

    def look(self):
        self.img = self.x.grab(*self.SCREEN)
        self.tops = self.x.viewable_top_levels()
        return self.img

    def find_main(self):
        found = [t for t in self.tops if t.title == MAIN_TITLE]
        if len(found) != 1:
            return None
        t = found[0]
        self.main = Window(t.x, t.y, t.width, t.height, t.title, t.wid)
        self.menu_height = t.height - CLIENT_HEIGHT
        # Between clicks the pointer rests on an empty part of the main
        # window: with no window manager, keys go where the pointer is.
        self.park_at = (t.x + 20, t.y + self.menu_height + 150)
        self.park()
        return self.main

    def dialogs(self):
        return [Window(t.x, t.y, t.width, t.height, t.title, t.wid) for t in self.tops
                if not t.override_redirect and t.title != MAIN_TITLE]

    def popup(self):
        # A popup menu is the program's one override-redirect window.
        for t in self.tops:
            if t.override_redirect:
                return Window(t.x, t.y, t.width, t.height, None, t.wid)
        return None

    def park(self):
        self.xdotool("mousemove", str(self.park_at[0]), str(self.park_at[1]))

    def active(self, window):
        return self.x.focus() == window.handle

    def type_text(self, text):
        """Types into the line edit that has the keyboard. Characters that
        the keyboard map lacks are bound to spare keys for good before they
        are typed: xdotool would bind each only for a moment, and the program
        may look the key up after the moment has passed."""
        keymap = subprocess.run(["xkbcomp", "-xkb", self.display, "-"], check=True,
                                capture_output=True, text=True, env=self.x_env()).stdout
        symbols = sorted({f"U{ord(c):04X}" for c in text if ord(c) > 0x7F})
        lines = keymap.splitlines()
        in_symbols = False
        bound = 0
        spare = re.compile(r"^\s*key <I2[0-9][0-9]>\s*\{\s*\[[^]]*\]\s*\};")
        for i, line in enumerate(lines):
            if line.startswith("xkb_symbols"):
                in_symbols = True
            if in_symbols and bound < len(symbols) and spare.match(line):
                lines[i] = re.sub(r"\[[^]]*\]", f"[ {symbols[bound]} ]", line, count=1)
                bound += 1
        if bound < len(symbols):
            raise SetupError(f"no spare keys in the keyboard map for {len(symbols)} characters")
        subprocess.run(["xkbcomp", "-w", "0", "-", self.display], input="\n".join(lines) + "\n",
                       check=True, text=True, env=self.x_env(), capture_output=True)
        self.key("ctrl+a")
        self.xdotool("type", "--clearmodifiers", "--", text)
        return "typed"


# Qt's decorations on Wayland: a 3-pixel border and a 30-pixel title bar.
FRAME_SIDE = 3
FRAME_TOP = 30
MENU_BAR_HEIGHT = 19
# The close button of a title bar, 14 x 14 pixels whose top left lies 23
# pixels left of the window's right edge and 8 below its top: # dark, - light,
# . either, as Qt draws it on every window it decorates: black on the active
# window, light grey (a stroke thinner) on the others, so each has its own
# threshold between dark and light.
CLOSE_BUTTONS = (
    (128, [
        "--------------",
        "--------------",
        "--##------#.--",
        "--###----###--",
        "---###--###---",
        "----######----",
        "-----####-----",
        "-----####-----",
        "----######----",
        "---###--###---",
        "--###----###--",
        "--.#------#.--",
        "--------------",
        "--------------",
    ]),
    (200, [
        "--------------",
        "--------------",
        "--##------##--",
        "--###----###--",
        "---###--###---",
        "----######----",
        "-----####-----",
        "-----####-----",
        "----######----",
        "---###--###---",
        "--###----###--",
        "--##------##--",
        "--------------",
        "--------------",
    ]),
)
CLOSE_LEFT = 23
CLOSE_TOP = 8
CLOSE_KEY_ROW = 5
# The program's icon in the title bar: its box, from the window's top left.
ICON_BOX = (4, 4, 26, 26)
# Qt's title bar letters the title black on the active window and light grey
# on the others. The letters lie between the icon and the buttons.
TITLE_TEXT_LEFT = 40
TITLE_TEXT_RIGHT = 72
TITLE_TEXT_TOP = 8
TITLE_TEXT_HEIGHT = 15
TITLE_INK = 100
# The tests' quiet Weston (no panel, no animations, a US keymap), and for the
# driver no key repeat and no on-screen keyboard.
WESTON_INI = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "weston.ini")
WESTON_INI_EXTRA = """repeat-rate=0
[input-method]
path=
"""


class Wayland(Backend):
    name = "wayland"
    OUTPUT = (800, 600)

    def start(self, program):
        need_tools("weston", "Xvfb", "xdotool", "wl-copy")
        width, height = self.OUTPUT
        xvfb, self.display = start_xvfb(self.work, "xvfb", width + 64, height + 64)
        self.servers.append(xvfb)
        runtime = os.path.join(self.work, "runtime")
        config = os.path.join(self.work, "config")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(config)
        with open(WESTON_INI) as common, open(os.path.join(config, "weston.ini"), "w") as ini:
            # No on-screen keyboard: it would cover the dialogs. No key
            # repeat: a key is held until its effect shows (key_held_until).
            # Both settings follow the common file's last section, [keyboard].
            ini.write(common.read() + WESTON_INI_EXTRA)
        socket = f"ippon-e2e-{os.getpid()}"
        env = self.x_env()
        env.update(XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime)
        log = open(os.path.join(self.work, "weston.out"), "w")
        self.servers.append(subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", f"--socket={socket}",
             f"--width={width}", f"--height={height}", "--debug", "--idle-time=0",
             f"--log={self.work}/weston.log"], env=env, stdout=log, stderr=log))
        deadline = time.monotonic() + 15
        while not os.path.exists(os.path.join(runtime, socket)):
            if time.monotonic() > deadline or self.servers[-1].poll() is not None:
                raise SetupError(f"Weston did not start (see {self.work}/weston.log)")
            time.sleep(0.1)
        self.wayland_env = {"XDG_RUNTIME_DIR": runtime, "WAYLAND_DISPLAY": socket}
        # Weston's window sits at the Xvfb's top left corner, with no window
        # manager to move it.
        self.x = xlib.Display(self.display)
        # The pointer waits in the output's bottom right corner, so that the
        # cursor, which the screenshots show, covers no window.
        self.park_at = (width - 1, height - 1)
        self.park()
        app_env = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "QT_WAYLAND_DISABLE_WINDOWDECORATION")}
        app_env.update(self.wayland_env, QT_QPA_PLATFORM="wayland", LANGUAGE="", LC_ALL="C.UTF-8")
        self.app = subprocess.Popen([program], env=app_env,
                                    stdout=open(os.path.join(self.work, "app.log"), "w"),
                                    stderr=subprocess.STDOUT)
        self.main = None
        self.menu_height = MENU_BAR_HEIGHT
        self.icon = None
        self.shot_count = 0
        return f"Weston on {socket}, its output in Xvfb {self.display}"

    def look(self):
        self.img = self.x.grab(*self.OUTPUT)
        self.shot_count += 1
        self._corners = None
        return self.img

    def save(self, path):
        if self.img:
            self.img.save(path)

    def corners(self):
        """Each window's title bar on the screenshot, as (right, top) of its frame."""
        if self._corners is not None:
            return self._corners
        w, h = self.img.size
        grey = self.img.convert("L")
        found = []
        for threshold, pattern in CLOSE_BUTTONS:
            # '#' (35) dark, '-' (45) light
            bits = grey.point(lambda v: 35 if v < threshold else 45).tobytes()
            rows = [bits[y * w:(y + 1) * w] for y in range(h)]
            key = pattern[CLOSE_KEY_ROW].encode()
            for y in range(CLOSE_KEY_ROW, h - len(pattern) + CLOSE_KEY_ROW + 1):
                start = 0
                while True:
                    x = rows[y].find(key, start)
                    if x < 0:
                        break
                    start = x + 1
                    top_row = y - CLOSE_KEY_ROW
                    if all(self._row_matches(rows[top_row + r][x:x + len(pattern[r])], pattern[r])
                           for r in range(len(pattern))):
                        found.append((x + CLOSE_LEFT, top_row - CLOSE_TOP))
        self._corners = sorted(found, key=lambda corner: corner[1])
        return self._corners

    @staticmethod
    def _row_matches(got, want):
        return len(got) == len(want) and all(c == "." or g == ord(c) for g, c in zip(got, want))

    def _left_edge(self, right, top):
        """The left edge of the window whose title bar ends at (right, top):
        where the program's icon shows in the title bar."""
        if self.icon is None:
            return None
        iw, ih = self.icon.size
        band = self.img.crop((0, top + ICON_BOX[1], right, top + ICON_BOX[1] + ih))
        want = self.icon.tobytes()
        row0 = want[:3 * iw]
        data = band.tobytes()
        stride = 3 * right
        start = 0
        while True:
            at = data.find(row0, start, stride)
            if at < 0:
                return None
            start = at + 1
            if at % 3:
                continue
            x = at // 3
            if band.crop((x, 0, x + iw, ih)).tobytes() == want:
                return x - ICON_BOX[0]

    def find_main(self):
        found = self.corners()
        if len(found) != 1:
            return None
        right, top = found[0]
        left = right - CLIENT_WIDTH - 2 * FRAME_SIDE + 1
        # The icon is learnt from the main window, which the background frames.
        self.icon = self.img.crop((left + ICON_BOX[0], top + ICON_BOX[1],
                                   left + ICON_BOX[2], top + ICON_BOX[3]))
        self.main = Window(left + FRAME_SIDE, top + FRAME_TOP, CLIENT_WIDTH,
                           MENU_BAR_HEIGHT + CLIENT_HEIGHT, None, (right, top))
        return self.main

    def dialogs(self):
        windows = []
        for right, top in self.corners():
            if self.main and (right, top) == self.main.handle:
                continue
            left = self._left_edge(right, top)
            if left is None:
                # The title bar is covered on its left, or not yet drawn.
                windows.append(Window(None, top + FRAME_TOP, None, None, None, (right, top)))
                continue
            windows.append(Window(left + FRAME_SIDE, top + FRAME_TOP,
                                  right - left + 1 - 2 * FRAME_SIDE, None, None, (right, top)))
        return windows

    # A menu opens under the menu bar as a white box in a one-pixel frame; a
    # highlighted item covers the frame beside it with its own border.
    MENU_FRAME = bytes((132, 130, 125))
    HIGHLIGHT_BORDER = (38, 112, 158)
    MENU_MIN_WIDTH = 30
    MENU_REACH = 200

    def popup(self):
        m = self.main
        y0 = m.y + self.menu_height
        w = self.img.width - m.x
        h = min(self.MENU_REACH, self.img.height - y0)
        region = self.img.crop((m.x, y0, m.x + w, y0 + h))
        data = region.tobytes()
        edges = (self.MENU_FRAME, bytes(self.HIGHLIGHT_BORDER))
        # The bottom edge: the lowest row with a long run of the frame's
        # colour (or of the border of a highlighted last item).
        for bottom in range(h - 1, 20, -1):
            row = data[3 * w * bottom:3 * w * (bottom + 1)]
            found = None
            for colour in edges:
                at = row.find(colour * self.MENU_MIN_WIDTH)
                while at >= 0 and at % 3:
                    at = row.find(colour * self.MENU_MIN_WIDTH, at + 1)
                if at >= 0 and (found is None or at < found[0]):
                    found = (at, colour)
            if found is None:
                continue
            left = found[0] // 3
            right = left
            while right + 1 < w and row[3 * right + 3:3 * right + 6] == found[1]:
                right += 1
            px = region.load()
            edge = {tuple(self.MENU_FRAME), self.HIGHLIGHT_BORDER}
            top = bottom
            while top > 0 and px[left, top - 1] in edge and px[right, top - 1] in edge:
                top -= 1
            if bottom - top < 20:
                return None
            return Window(m.x + left, y0 + top, right - left + 1, bottom - top + 1)
        return None

    def park(self):
        self.xdotool("mousemove", str(self.park_at[0]), str(self.park_at[1]))

    def active(self, window):
        right, top = window.handle
        width = window.w if window.w else CLIENT_WIDTH
        left = right - width - 2 * FRAME_SIDE + 1
        part = self.img.crop((left + TITLE_TEXT_LEFT, top + TITLE_TEXT_TOP,
                              right + 1 - TITLE_TEXT_RIGHT, top + TITLE_TEXT_TOP + TITLE_TEXT_HEIGHT))
        grey = part.convert("L")
        return min(grey.getdata()) < TITLE_INK

    def type_text(self, text):
        """Pastes into the line edit that has the keyboard: Weston's keymap
        has no kana, so the text goes through the clipboard, as a person
        with such a keyboard would do."""
        env = dict(os.environ)
        env.update(self.wayland_env)
        env.pop("DISPLAY", None)
        # wl-copy returns once the selection is set; a child of it serves the
        # clipboard until Weston goes.
        subprocess.run(["wl-copy", "--", text], env=env, check=True, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.key("ctrl+a", "ctrl+v")
        return "pasted"
