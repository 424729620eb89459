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
    build tree, or its name among the program's embedded resources (Qt
    stores resource names in UTF-16)."""
    build = os.path.dirname(BINARY)
    if glob.glob(os.path.join(build, "**", "reelwick_de.qm"), recursive=True):
        return True
    with open(BINARY, "rb") as f:
        return "reelwick_de.qm".encode("utf-16-be") in f.read()


class ScreenReaderTest(E2ETestCase):

    def setUp(self):
        super().setUp()
        reason = missing_tools()
        if reason:
            self.skipTest(reason)

    def probe(self, *args, env=None):
        run_env = dict(self.display.env, XDG_CONFIG_HOME=self.config, **(env or {}))
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
        self.assertEqual(found["parts"], [["Pause", "push button"], ["Position", "slider"],
                                          [found["parts"][2][0], "label"],
                                          ["Mute", "toggle button"], ["Volume", "slider"]])
        self.assertGreater(found["position"], 0)
        self.assertAlmostEqual(found["length"], 6, delta=0.5)
        self.assertEqual(found["name_after_press"], "Play", "Pause pressed by its action")
        self.assertTrue(found["set_to"], "the seek bar set to 1 s over AT-SPI")

    def test_menu_bar_in_german(self):
        if not german_translation():
            self.skipTest("no German translation built: no reelwick_de.qm in the build tree "
                          "or the program's resources")
        found = self.probe("menus", BINARY, env={"LANGUAGE": "de", "LANG": "de_DE.UTF-8"})
        self.assertEqual(found["menus"], ["Datei", "Film", "Hilfe"])


if __name__ == "__main__":
    unittest.main()
