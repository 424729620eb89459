"""Drives the built reelwick program from outside, as a person would: a real
X server (Xvfb), a real window manager (openbox), keys and clicks through
xdotool, the screen through xwd, the window manager's view through xprop."""

import configparser
import os
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

BINARY = os.environ.get("REELWICK_BINARY", "")
TITLE = "Ostrun's Reelwick"


def wait_for(predicate, timeout=10.0, interval=0.05):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()


class Display:
    """An Xvfb server on a free display number, optionally with openbox."""

    def __init__(self, window_manager=True, size="1280x1024"):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size + "x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        self.name = ":" + number
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.wm = None
        if window_manager:
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 10)

    def run(self, args, check=False):
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, check=check)
        return done.stdout

    def close(self):
        for p in (self.wm, self.xvfb):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


def read_xwd(data):
    """Pixels of an XWD dump of a 24/32-bit TrueColor screen: (width, height,
    function(x, y) -> (r, g, b))."""
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line = fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    byte_order = fields[7]
    offset = header_size + ncolors * 12
    # A dump of the root of Xvfb at depth 24 packs 3 bytes a pixel, a window
    # of a 32-bit visual 4; rows are bytes_per_line apart either way.
    step = bits_per_pixel // 8
    if bits_per_pixel not in (24, 32) or width * step > bytes_per_line:
        raise ValueError("unsupported pixel layout")

    def shift(mask):
        s = 0
        while mask and not mask & 1:
            mask >>= 1
            s += 1
        return s

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)

    def pixel(x, y):
        start = offset + y * bytes_per_line + x * step
        raw = data[start:start + step]
        v = int.from_bytes(raw, "little" if byte_order == 0 else "big")
        return ((v & red_mask) >> rs, (v & green_mask) >> gs, (v & blue_mask) >> bs)

    return width, height, pixel


class Player:
    """One run of the program with its own settings folder."""

    def __init__(self, display, config_dir, args=(), cwd=None):
        self.display = display
        self.config_dir = config_dir
        # English whatever the machine's language: the roads read captions.
        env = dict(display.env, XDG_CONFIG_HOME=config_dir, LANGUAGE="en")
        self.proc = subprocess.Popen([BINARY, *args], env=env, cwd=cwd,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.window = wait_for(self._find_window, 15)
        if not self.window:
            self.stop()
            raise AssertionError("the window did not appear")

    def _find_window(self):
        # The program's native child windows (the OpenGL picture, the play
        # bar over it) carry the window's name too, in no fixed order: the
        # window is the largest, which holds them all.
        out = self.display.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)])
        named = [w for w in out.split()
                 if w and self.display.run(["xdotool", "getwindowname", w]).strip()]
        if not named:
            return None
        def area(w):
            size = re.findall(r"(Width|Height): (\d+)", self.display.run(["xwininfo", "-id", w]))
            return int(size[0][1]) * int(size[1][1]) if len(size) == 2 else 0
        return max(named, key=area)

    def title(self):
        return self.display.run(["xdotool", "getwindowname", self.window]).strip()

    def key(self, *keys):
        self.display.run(["xdotool", "windowactivate", "--sync", self.window])
        self.display.run(["xdotool", "key", "--clearmodifiers", "--delay", "80", *keys])

    def type(self, text):
        self.display.run(["xdotool", "type", "--delay", "30", text])

    def geometry(self):
        """Outer frame geometry (x, y, width, height) as the window manager sees it."""
        out = self.display.run(["xwininfo", "-id", self.window])
        values = {}
        for line in out.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def frame_extents(self):
        """The window manager's frame: left, right, top, bottom in pixels."""
        out = self.display.run(["xprop", "-id", self.window, "_NET_FRAME_EXTENTS"])
        if "=" not in out:
            return (0, 0, 0, 0)
        return tuple(int(v) for v in out.split("=")[1].split(","))

    def net_wm_state(self):
        return self.display.run(["xprop", "-id", self.window, "_NET_WM_STATE"])

    def screenshot(self, path):
        # With windows of more than one visual on screen (the OpenGL picture),
        # xwd reads each window on its own, and one that moves or resizes
        # in between (going to full screen) fails the dump with BadMatch.
        # The next dump sees the windows where they now are.
        for _ in range(5):
            with open(path, "wb") as f:
                done = subprocess.run(["xwd", "-root", "-silent"], env=self.display.env,
                                      stdout=f, stderr=subprocess.PIPE)
            if done.returncode == 0:
                break
            time.sleep(0.2)
        else:
            raise AssertionError("xwd failed 5 times: " + done.stderr.decode(errors="replace"))
        with open(path, "rb") as f:
            return read_xwd(f.read())

    def stop(self, timeout=5):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        return self.proc.returncode

    def settings(self):
        parser = configparser.RawConfigParser(strict=False)
        parser.optionxform = str
        parser.read(os.path.join(self.config_dir, TITLE, TITLE + ".ini"), encoding="utf-8")
        return parser


class E2ETestCase(unittest.TestCase):
    """Starts a display per test; keeps screenshots of a failing test."""

    window_manager = True

    def setUp(self):
        if not BINARY or not os.path.exists(BINARY):
            self.skipTest("REELWICK_BINARY is not set to the built program")
        self.work = tempfile.mkdtemp(prefix="reelwick-e2e-")
        self.config = os.path.join(self.work, "config")
        os.makedirs(self.config)
        self.display = Display(self.window_manager)
        self.players = []

    def start(self, *args, cwd=None):
        p = Player(self.display, self.config, args, cwd=cwd)
        self.players.append(p)
        return p

    def shot(self, player, name):
        return player.screenshot(os.path.join(self.work, name + ".xwd"))

    def tearDown(self):
        for p in self.players:
            p.stop()
        self.display.close()
        failed = any(error for _, error in getattr(self._outcome, "errors", []) if error) or \
            bool(getattr(self._outcome, "result", None) and
                 (self._outcome.result.failures or self._outcome.result.errors))
        if failed:
            print("screenshots and settings kept in", self.work)
        else:
            shutil.rmtree(self.work, ignore_errors=True)


def make_clip(folder, name, colour="red", size="320x240", seconds=3):
    path = os.path.join(folder, name)
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                    "color=c=%s:s=%s:d=%d" % (colour, size, seconds), "-pix_fmt", "yuv420p", path],
                   check=True)
    return path


def is_colour(rgb, target, tolerance=60):
    return all(abs(a - b) <= tolerance for a, b in zip(rgb, target))


if __name__ == "__main__":
    signal.signal(signal.SIGINT, signal.SIG_DFL)
