"""A screen reader's view of the program over AT-SPI, on a private session
bus with its own accessibility bus: the play bar's parts can be found,
pressed and read, and the menu bar speaks the user's language."""

import glob
import json
import os
import shutil
import subprocess
import unittest

from harness import BINARY, E2ETestCase, make_clip

HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEM_PYTHON = "/usr/bin/python3"  # Debian's, where python3-pyatspi is
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def missing_tools():
    if not shutil.which("dbus-run-session"):
        return "dbus-run-session is not installed"
    if not os.path.exists(LAUNCHER):
        return "at-spi2-core's bus launcher is not installed"
    if subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"],
                      capture_output=True).returncode != 0:
        return "python3-pyatspi is not installed"
    return None


def german_translation():
    """Whether the build made a German translation: a reelwick_de.qm in the
    build tree (the folder above the program that holds CMakeCache.txt), or
    its name among the program's embedded resources (Qt stores resource
    names in UTF-16)."""
    build = os.path.dirname(os.path.abspath(BINARY))
    while build != os.path.dirname(build):
        if os.path.exists(os.path.join(build, "CMakeCache.txt")):
            if glob.glob(os.path.join(build, "**", "reelwick_de.qm"), recursive=True):
                return True
            break
        build = os.path.dirname(build)
    with open(BINARY, "rb") as f:
        return "reelwick_de.qm".encode("utf-16-be") in f.read()


class ScreenReaderTest(E2ETestCase):

    def setUp(self):
        super().setUp()
        reason = missing_tools()
        if reason:
            self.skipTest(reason)

    def probe(self, *args, env=None):
        # English names whatever the machine's language, unless asked.
        run_env = dict(self.display.env, XDG_CONFIG_HOME=self.config, LANGUAGE="en")
        run_env.update(env or {})
        run_env.pop("AT_SPI_BUS_ADDRESS", None)  # the private bus's own, not the desktop's
        done = subprocess.run(["dbus-run-session", "--", SYSTEM_PYTHON,
                               os.path.join(HERE, "atspi_probe.py"), *args],
                              env=run_env, capture_output=True, text=True, timeout=90)
        lines = done.stdout.strip().splitlines()
        self.assertTrue(lines, "the probe printed nothing: " + done.stderr[-2000:])
        result = json.loads(lines[-1])
        self.assertNotIn("error", result, result.get("error"))
        return result

    def test_play_bar_is_pressed_and_read(self):
        movie = make_clip(self.work, "clip.mp4", seconds=6)
        found = self.probe("bar", BINARY, movie)
        parts = found["parts"]
        # Mute is a checkable button: Qt 6.4 hands it on as a push button,
        # AT-SPI also has a toggle button for it.
        self.assertIn(parts[3][1], ("push button", "toggle button"))
        self.assertEqual(parts, [["Pause", "push button"], ["Position", "slider"],
                                 [parts[2][0], "label"], ["Mute", parts[3][1]],
                                 ["Volume", "slider"]])
        self.assertGreater(found["position"], 0.3, "the seek bar follows playback")
        self.assertAlmostEqual(found["length"], 6, delta=0.5)
        self.assertEqual(found["name_after_press"], "Play", "Pause pressed by its action")
        self.assertAlmostEqual(found["set_to"], 4, delta=0.3,
                               msg="the seek bar set to 4 s over AT-SPI")

    def test_menu_bar_in_german(self):
        if not german_translation():
            self.skipTest("no German translation built: no reelwick_de.qm in the build tree "
                          "or the program's resources")
        found = self.probe("menus", BINARY, env={"LANGUAGE": "de", "LANG": "de_DE.UTF-8"})
        self.assertEqual(found["menus"], ["Datei", "Film", "Hilfe"])


if __name__ == "__main__":
    unittest.main()
