"""The program as the desktop sees it, each on a private session bus of the
test's own: media keys and widgets through playerctl (MPRIS 2), the desktop's
screen saver service, and a session that has no bus at all."""

import os
import queue
import subprocess
import threading
import time
import unittest
import urllib.parse

from harness import E2ETestCase, make_clip, wait_for, TITLE

STANDIN = os.environ.get("REELWICK_SCREENSAVER_STANDIN", "")
SERVICE = "org.mpris.MediaPlayer2.reelwick"


class PrivateBus:
    """A session bus daemon of the test's own."""

    def __init__(self):
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            raise AssertionError("dbus-daemon gave no address")

    def close(self):
        if self.daemon.poll() is None:
            self.daemon.terminate()
            self.daemon.wait(5)


class Lines:
    """The lines a process prints, read as they come."""

    def __init__(self, proc):
        self.proc = proc
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.strip())

    def next(self, timeout=10):
        try:
            return self.lines.get(timeout=timeout)
        except queue.Empty:
            return None

    def rest(self, quiet=1.0):
        """Every line that comes until none has for `quiet` seconds."""
        found = []
        while True:
            line = self.next(quiet)
            if line is None:
                return found
            found.append(line)


class BusTestCase(E2ETestCase):
    """The program on a private session bus."""

    def setUp(self):
        super().setUp()
        self.bus = PrivateBus()
        self.display.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus.address
        self.helpers = []

    def tearDown(self):
        for proc in self.helpers:
            if proc.poll() is None:
                proc.terminate()
                proc.wait(5)
        super().tearDown()
        self.bus.close()

    def playerctl(self, *args):
        done = subprocess.run(["playerctl", "--player=reelwick", *args], env=self.display.env,
                              capture_output=True, text=True, timeout=30)
        return done.stdout.strip()

    def status(self):
        return self.playerctl("status")

    def position(self):
        text = self.playerctl("position")
        return float(text) if text else -1.0


class MprisTest(BusTestCase):

    def test_playerctl_drives_the_movie_and_quit_writes_the_settings(self):
        clip = make_clip(self.work, "red clip.mp4", "red", "320x240", 20)
        other = make_clip(self.work, "blue one.mp4", "blue", "320x240", 5)
        p = self.start(clip)
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 15), self.status())

        self.assertEqual(self.playerctl("metadata", "xesam:title"), "red clip.mp4")
        self.assertAlmostEqual(int(self.playerctl("metadata", "mpris:length")), 20_000_000,
                               delta=100_000)
        self.assertTrue(wait_for(lambda: self.position() > 0.2, 5))

        self.playerctl("play-pause")
        self.assertTrue(wait_for(lambda: self.status() == "Paused", 5), self.status())
        paused_at = self.position()
        time.sleep(0.5)
        self.assertAlmostEqual(self.position(), paused_at, delta=0.01)
        self.playerctl("play-pause")
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 5), self.status())

        self.playerctl("position", "12")
        self.assertTrue(wait_for(lambda: 12 <= self.position() < 14, 5), self.position())

        self.assertEqual(self.playerctl("loop"), "None")
        self.playerctl("loop", "Track")
        self.assertTrue(wait_for(lambda: self.playerctl("loop") == "Track", 5))

        self.playerctl("open", "file://" + urllib.parse.quote(other))
        self.assertTrue(wait_for(
            lambda: self.playerctl("metadata", "xesam:title") == "blue one.mp4", 10))
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 5), self.status())
        self.assertEqual(p.title(), TITLE)

        # Quit closes the window as File > Exit does.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=" + SERVICE,
                        "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"],
                       env=self.display.env, capture_output=True, check=True, timeout=30)
        self.assertEqual(p.proc.wait(10), 0)
        settings = p.settings()
        self.assertEqual(settings["Settings"]["MovieLoop"], "True")
        self.assertEqual(settings["Settings"]["LastPlayed"], other)
        self.assertEqual(settings["MRU"]["0"], other)
        self.assertEqual(settings["MRU"]["1"], clip)
        self.assertEqual(self.playerctl("--list-all"), "", "the name is gone with the program")


class ScreenSaverTest(BusTestCase):

    def test_each_hold_is_withdrawn_also_by_sigterm(self):
        if not STANDIN or not os.path.exists(STANDIN):
            self.skipTest("REELWICK_SCREENSAVER_STANDIN is not set to the built stand-in")
        standin = subprocess.Popen([STANDIN], env=self.display.env, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
        self.helpers.append(standin)
        calls = Lines(standin)
        self.assertEqual(calls.next(), "ready")

        clip = make_clip(self.work, "red.mp4", "red", "320x240", 20)
        p = self.start(clip)
        self.assertEqual(calls.next(15), "Inhibit 41")
        self.playerctl("pause")
        self.assertEqual(calls.next(), "UnInhibit 41")
        self.playerctl("play")
        self.assertEqual(calls.next(), "Inhibit 42")
        self.assertEqual(self.status(), "Playing")
        # A desktop ends its session: the program closes normally and takes
        # its request back on the way out.
        self.assertEqual(p.stop(), 0)
        self.assertEqual(calls.next(), "UnInhibit 42")
        self.assertEqual(calls.rest(), [])


def buses_launched_for(home):
    """The dbus-launch and dbus-daemon processes running with this HOME:
    started on the program's behalf, as none of the test's own has it."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                command = os.path.basename(f.read().split(b"\0")[0])
            if command not in (b"dbus-launch", b"dbus-daemon"):
                continue
            with open("/proc/%s/environ" % pid, "rb") as f:
                environment = f.read().split(b"\0")
        except OSError:
            continue
        if b"HOME=" + os.fsencode(home) in environment:
            found.append("%s (%s)" % (command.decode(), pid))
    return found


class NoBusTest(E2ETestCase):

    def run_once(self, clip, home, bus):
        env = self.display.env
        env["HOME"] = home
        env.pop("XDG_RUNTIME_DIR", None)
        if bus:
            env["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        else:
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        began = time.monotonic()
        p = self.start(clip)
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 15))
        started = time.monotonic() - began
        time.sleep(1.0)  # playing
        stopped = time.monotonic()
        self.assertEqual(p.stop(10), 0)
        return started, time.monotonic() - stopped

    def test_start_play_and_exit_launch_no_bus_without_one(self):
        # With dbus-x11 installed, a program that asks for the session bus
        # where there is none starts dbus-launch, which leaves a daemon
        # running and a file in ~/.dbus; start and exit wait for it. That
        # is looked for, not how long they took (only printed).
        clip = make_clip(self.work, "red.mp4", "red", "320x240", 10)
        figures = {}
        for name in ("with a bus", "without a bus", "with a bus again", "without a bus again"):
            home = os.path.join(self.work, "home " + name)
            os.makedirs(home)
            bus = PrivateBus() if name.startswith("with a") else None
            try:
                figures[name] = self.run_once(clip, home, bus)
            finally:
                if bus:
                    bus.close()
            self.assertFalse(os.path.exists(os.path.join(home, ".dbus")),
                             name + ": a session bus was launched")
            self.assertEqual(buses_launched_for(home), [], name + ": a session bus is running")
        for name, (started, exited) in figures.items():
            print("  %s: window and movie after %.2f s, exit %.2f s after SIGTERM"
                  % (name, started, exited))


if __name__ == "__main__":
    unittest.main()
