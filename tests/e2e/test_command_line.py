"""A terminal user's first two commands: "reelwick --help" and "reelwick
--version" answer on standard output and end, with no display and no settings
touched; a file of that name in the current folder is a movie like any other."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import unittest

from desktop import client_area, screenshot
from harness import BINARY, E2ETestCase, Player, TITLE, is_colour, make_clip, wait_for

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
RED = (255, 0, 0)


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as f:
        return re.search(r"project\(reelwick VERSION ([0-9.]+)", f.read()).group(1)


def manual_synopsis():
    """The SYNOPSIS lines of the manual page as man shows them, or None
    without groff."""
    if not shutil.which("groff"):
        return None
    text = subprocess.run(["groff", "-man", "-Tascii", "-P-cbou",
                           os.path.join(ROOT, "data", "reelwick.1")],
                          capture_output=True, text=True, check=True).stdout
    lines = text.splitlines()
    start = lines.index("SYNOPSIS") + 1
    synopsis = []
    for line in lines[start:]:
        if not line.strip():
            break
        synopsis.append(" ".join(line.split()))
    return synopsis


class TerminalAnswersTest(unittest.TestCase):
    """No X server at all: a window that opened by mistake would end the run
    with Qt's "could not connect to display" instead of status 0."""

    def setUp(self):
        if not BINARY or not os.path.exists(BINARY):
            self.skipTest("REELWICK_BINARY is not set to the built program")
        self.work = tempfile.mkdtemp(prefix="reelwick-cli-")
        self.addCleanup(shutil.rmtree, self.work, True)
        self.config = os.path.join(self.work, "config")
        self.home = os.path.join(self.work, "home")
        self.cwd = os.path.join(self.work, "cwd")
        for folder in (self.config, self.home, self.cwd):
            os.makedirs(folder)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                 "XDG_CONFIG_HOME", "HOME")}
        self.env.update(XDG_CONFIG_HOME=self.config, HOME=self.home)

    def run_program(self, *args, stdout=subprocess.PIPE):
        return subprocess.run([BINARY, *args], cwd=self.cwd, env=self.env, stdout=stdout,
                              stderr=subprocess.PIPE, timeout=30)

    def assert_nothing_written(self):
        for folder in (self.config, self.home, self.cwd):
            self.assertEqual(os.listdir(folder), [], folder)

    def test_help_and_version_answer_without_a_display(self):
        usage = self.run_program("--help").stdout.decode()
        version = "Ostrun's Reelwick %s\n" % project_version()
        for args, expected in ((["--help"], usage), (["-h"], usage),
                               (["--version"], version), (["-v"], version)):
            with self.subTest(args=args):
                done = self.run_program(*args)
                self.assertEqual(done.returncode, 0, done.stderr)
                self.assertEqual(done.stdout.decode(), expected)
                self.assertEqual(done.stderr, b"")
                self.assert_nothing_written()
        self.assertTrue(usage.startswith("Usage: reelwick [movie]\n"), usage)
        self.assertIn("--version", usage)
        self.assertLessEqual(max(len(line) for line in usage.splitlines()), 79)

    def test_usage_is_the_manual_pages_synopsis(self):
        synopsis = manual_synopsis()
        if synopsis is None:
            self.skipTest("groff is missing: scripts/deps.sh installs it")
        lines = self.run_program("--help").stdout.decode().splitlines()
        self.assertTrue(lines[0].startswith("Usage: "), lines[0])
        shown = [" ".join(line.replace("Usage: ", "", 1).split())
                 for line in lines[:len(synopsis)]]
        self.assertEqual(shown, synopsis)
        self.assertEqual(synopsis[0], "reelwick [movie]")
        # The lines after the synopsis are no longer part of it.
        self.assertFalse(lines[len(synopsis)].startswith(" " * 7 + "reelwick"))

    def test_output_that_cannot_be_written_ends_with_status_1(self):
        if not os.path.exists("/dev/full"):
            self.skipTest("no /dev/full")
        for option in ("--help", "--version"):
            with self.subTest(option=option), open("/dev/full", "wb") as full:
                done = self.run_program(option, stdout=full)
                self.assertEqual(done.returncode, 1)
                self.assertIn(b"cannot write to standard output", done.stderr)
                self.assert_nothing_written()


class RecordingPlayer(Player):
    """A run of the program whose standard output is kept in a file."""

    def __init__(self, display, config_dir, args, cwd, output):
        self.display = display
        self.config_dir = config_dir
        env = dict(display.env, XDG_CONFIG_HOME=config_dir)
        with open(output, "wb") as out:
            self.proc = subprocess.Popen([BINARY, *args], env=env, cwd=cwd, stdout=out,
                                         stderr=subprocess.DEVNULL)
        self.window = wait_for(self._find_window, 15)
        if not self.window:
            self.stop()
            raise AssertionError("the window did not appear")


class OptionNamedFileTest(E2ETestCase):

    def test_a_file_named_like_an_option_is_played(self):
        folder = os.path.join(self.work, "movies")
        os.makedirs(folder)
        for name in ("--help", "-v"):
            with self.subTest(name=name):
                # ffmpeg would read the name as an option, and needs the
                # format named for a file without an extension.
                clip = make_clip(folder, "red.mp4", "red")
                os.replace(clip, os.path.join(folder, name))
                output = os.path.join(self.work, "stdout-" + name)
                p = RecordingPlayer(self.display, self.config, [name], folder, output)
                self.players.append(p)
                self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), p.title())

                def red_shown():
                    image = screenshot(self, p, "played-" + name)
                    x, y, w, h = client_area(image, p)
                    return is_colour(image.mean(x + w // 2 - 8, y + h // 3 - 8,
                                                x + w // 2 + 8, y + h // 3 + 8), RED)
                self.assertTrue(wait_for(red_shown, 10, 0.3), "the file did not play")
                p.proc.send_signal(signal.SIGTERM)
                self.assertEqual(p.proc.wait(15), 0)
                with open(output, "rb") as f:
                    self.assertEqual(f.read(), b"")
                settings = p.settings()
                self.assertEqual(settings["Settings"]["LastPlayed"],
                                 os.path.join(folder, name))
                os.remove(os.path.join(folder, name))


def desktop_exec(files):
    """The desktop entry's command for the chosen files, with its field code
    expanded as a file manager expands it (URLs for %u and %U)."""
    import urllib.parse
    import urllib.request
    with open(os.path.join(ROOT, "data", "net.ostrun.Reelwick.desktop"), encoding="utf-8") as f:
        line = next(l for l in f if l.startswith("Exec="))
    urls = ["file://" + urllib.request.pathname2url(path) for path in files]
    args = []
    for word in line[len("Exec="):].split():
        args += {"%U": urls, "%u": urls[:1], "%F": files, "%f": files[:1]}.get(word, [word])
    return args[1:]


class DesktopEntryTest(E2ETestCase):

    def test_files_chosen_in_a_file_manager_play_the_first(self):
        folder = os.path.join(self.work, "Harbour films")
        os.makedirs(folder)
        red = make_clip(folder, "Harbour lights.mp4", "red")
        blue = make_clip(folder, "second.mp4", "blue")
        args = desktop_exec([red, blue])
        self.assertTrue(args and all("://" in a for a in args), args)
        p = RecordingPlayer(self.display, self.config, args, self.work,
                            os.path.join(self.work, "stdout"))
        self.players.append(p)

        def red_shown():
            image = screenshot(self, p, "from-the-desktop-entry")
            x, y, w, h = client_area(image, p)
            return is_colour(image.mean(x + w // 2 - 8, y + h // 3 - 8,
                                        x + w // 2 + 8, y + h // 3 + 8), RED)
        self.assertTrue(wait_for(red_shown, 15, 0.3), "the first file did not play")


if __name__ == "__main__":
    unittest.main()
