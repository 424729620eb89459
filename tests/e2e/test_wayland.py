"""The program on a Wayland desktop: it goes through XWayland, where the
window can restore its place and stay on top, unless the user chose a
platform in QT_QPA_PLATFORM. The desktop is a headless Weston with Xwayland;
WAYLAND_DEBUG shows whether the program spoke Wayland itself."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

from harness import BINARY, TITLE, wait_for

SOCKET = "reelwick-e2e"


class WaylandDesktop:
    """A headless Weston with its X server (Xwayland), in a runtime folder of
    its own."""

    def __init__(self, work):
        self.runtime = os.path.join(work, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.log = os.path.join(work, "weston.log")
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET")}
        env["XDG_RUNTIME_DIR"] = self.runtime
        self.proc = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--xwayland", "--no-config",
             "--idle-time=0", "--socket=" + SOCKET, "--log=" + self.log,
             "--width=1280", "--height=1024"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.display = wait_for(self._x_display, 15, 0.1)

    def _x_display(self):
        if self.proc.poll() is not None or not os.path.exists(self.log):
            return None
        with open(self.log, errors="replace") as f:
            found = re.search(r"xserver listening on display (:\d+)", f.read())
        return found.group(1) if found else None

    def log_tail(self):
        try:
            with open(self.log, errors="replace") as f:
                return "".join(f.readlines()[-8:])
        except OSError:
            return "(no log)"

    def env(self):
        """What a program of the desktop's session sees."""
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=SOCKET, DISPLAY=self.display,
                   XDG_SESSION_TYPE="wayland")
        return env

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class WaylandTest(unittest.TestCase):

    def setUp(self):
        if not BINARY or not os.path.exists(BINARY):
            self.skipTest("REELWICK_BINARY is not set to the built program")
        for tool in ("weston", "Xwayland", "xdotool", "xprop"):
            if not shutil.which(tool):
                self.skipTest("%s is missing: scripts/deps.sh installs it" % tool)
        self.work = tempfile.mkdtemp(prefix="reelwick-wayland-")
        self.addCleanup(shutil.rmtree, self.work, True)
        self.config = os.path.join(self.work, "config")
        os.makedirs(self.config)
        self.desktop = WaylandDesktop(self.work)
        self.addCleanup(self.desktop.close)
        if not self.desktop.display:
            self.skipTest("headless Weston with Xwayland did not start here:\n" +
                          self.desktop.log_tail())
        self.procs = []

    def tearDown(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()

    def start(self, **extra):
        env = dict(self.desktop.env(), XDG_CONFIG_HOME=self.config, WAYLAND_DEBUG="client",
                   **extra)
        self.stderr = os.path.join(self.work, "stderr-%d.txt" % len(self.procs))
        with open(self.stderr, "wb") as err:
            proc = subprocess.Popen([BINARY], env=env, stdout=subprocess.DEVNULL, stderr=err)
        self.procs.append(proc)
        return proc

    def x(self, *args):
        return subprocess.run(list(args), env=self.desktop.env(), capture_output=True,
                              text=True).stdout

    def x_window(self, proc):
        """The program's titled X window on Xwayland, if it has one."""
        for wid in self.x("xdotool", "search", "--pid", str(proc.pid)).split():
            if self.x("xdotool", "getwindowname", wid).strip() == TITLE:
                return wid
        return None

    def spoke_wayland(self):
        with open(self.stderr, errors="replace") as f:
            return "wl_display@" in f.read()

    def stop(self, proc):
        proc.terminate()
        self.assertEqual(proc.wait(15), 0)

    def test_runs_through_xwayland_with_its_stored_size(self):
        # A stored size (467 by 400 pixels) and Stay On Top: both X11 window
        # manager business, which a Wayland window could not ask for.
        folder = os.path.join(self.config, TITLE)
        os.makedirs(folder)
        settings = os.path.join(folder, TITLE + ".ini")
        with open(settings, "w") as f:
            f.write("[Settings]\nLeft=1500\nTop=1500\nWidth=7005\nHeight=6000\nTopMost=True\n")
        proc = self.start()
        window = wait_for(lambda: self.x_window(proc), 20, 0.2)
        self.assertTrue(window, "no X window on Xwayland\n" + self.desktop.log_tail())
        self.assertFalse(self.spoke_wayland(), "the program spoke Wayland itself")
        # Weston's own X window manager draws no frame around X windows.
        size = re.search(r"-geometry (\d+)x(\d+)", self.x("xwininfo", "-id", window))
        self.assertEqual((int(size.group(1)), int(size.group(2))), (467, 400))
        # Weston's X window manager keeps no window above the others (it
        # lists the states it offers); a desktop's that does shows it.
        if "_NET_WM_STATE_ABOVE" in self.x("xprop", "-root", "_NET_SUPPORTED"):
            self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in
                                     self.x("xprop", "-id", window, "_NET_WM_STATE"), 5))
        self.stop(proc)
        with open(settings) as f:
            written = f.read()
        self.assertIn("TopMost=True", written)
        self.assertIn("Width=7005", written)

    def test_a_platform_the_user_chose_stands(self):
        proc = self.start(QT_QPA_PLATFORM="wayland")
        self.assertTrue(wait_for(lambda: proc.poll() is not None or self.spoke_wayland(), 20),
                        "the program did not speak Wayland")
        if proc.poll() is not None:
            with open(self.stderr, errors="replace") as f:
                self.skipTest("Qt's Wayland platform cannot start here: " + f.read()[-400:])
        self.assertIsNone(self.x_window(proc), "a window on Xwayland")
        self.stop(proc)


if __name__ == "__main__":
    unittest.main()
