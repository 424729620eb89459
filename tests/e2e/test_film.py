"""The film commands typed and clicked on a real X server, watched through
MPRIS on a private session bus: the added keys act on their press and
repeat, the window's own keys keep their meaning, the folder list keeps its
keys while it has the focus, and the menu on the movie opens from the mouse
and the keyboard."""

import os
import shutil
import subprocess
import time
import unittest

from harness import wait_for
from screen import _TOP_LEVEL
from test_desktop import SERVICE, BusTestCase


def open_menus(display):
    """The program's menus on screen: viewable top-level windows that the
    window manager does not manage (override-redirect)."""
    found = []
    for wid, *_ in _TOP_LEVEL.findall(display.run(["xwininfo", "-root", "-children"])):
        attrs = display.run(["xwininfo", "-id", wid])
        if "Map State: IsViewable" in attrs and "Override Redirect State: yes" in attrs:
            found.append(wid)
    return found


class FilmKeysTest(BusTestCase):

    def start_second_episode(self):
        folder = os.path.join(self.work, "Series")
        os.makedirs(folder)
        from harness import make_clip
        first = make_clip(folder, "Ep 1.mp4", "red", "320x240", 90)
        for name in ("Ep 2.mp4", "Ep 10.mp4"):
            shutil.copy(first, os.path.join(folder, name))
        p = self.start(os.path.join(folder, "Ep 2.mp4"))
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 15), self.status())
        return p

    def title(self):
        return self.playerctl("metadata", "xesam:title")

    def volume(self):
        text = self.playerctl("volume")
        return float(text) if text else -1.0

    def test_keys_on_press_and_the_window_keeps_its_own(self):
        p = self.start_second_episode()
        p.key("space")
        self.assertTrue(wait_for(lambda: self.status() == "Paused", 5), self.status())
        start = self.position()
        p.key("Right")
        self.assertTrue(wait_for(lambda: self.position() >= start + 4, 5), self.position())
        p.key("ctrl+Right")
        self.assertTrue(wait_for(lambda: self.position() >= start + 60, 5), self.position())
        p.key("Left")
        self.assertTrue(wait_for(lambda: start + 50 < self.position() < start + 60, 5),
                        self.position())

        p.key("Down", "Down")
        self.assertTrue(wait_for(lambda: abs(self.volume() - 0.9) < 0.01, 5), self.volume())
        # A held key repeats: 1.2 s of Up is many steps, and stops at 100.
        self.display.run(["xdotool", "keydown", "Up"])
        time.sleep(1.2)
        self.display.run(["xdotool", "keyup", "Up"])
        self.assertTrue(wait_for(lambda: abs(self.volume() - 1.0) < 0.01, 5), self.volume())

        # Page Down: the next movie in natural order (Ep 10 after Ep 2).
        p.key("Next")
        self.assertTrue(wait_for(lambda: self.title() == "Ep 10.mp4", 10), self.title())
        p.key("Prior")
        self.assertTrue(wait_for(lambda: self.title() == "Ep 2.mp4", 10), self.title())

        # With the folder list shown and focused, the arrows and Space are
        # the list's: nothing seeks, nothing pauses.
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 5), self.status())
        p.key("ctrl+h")
        time.sleep(0.5)
        p.key("Down", "space", "Right")
        time.sleep(0.5)
        self.assertEqual(self.status(), "Playing")
        self.assertLess(self.position(), 30)
        # Escape keeps its meaning: it hides the list and pauses.
        p.key("Escape")
        self.assertTrue(wait_for(lambda: self.status() == "Paused", 5), self.status())

        # The Menu key and Shift+F10 open the menu on the movie; Escape
        # closes it without pausing or anything else.
        for keys in ("shift+F10", "Menu"):
            p.key(keys)
            self.assertTrue(wait_for(lambda: len(open_menus(self.display)) == 1, 5), keys)
            self.display.run(["xdotool", "key", "Escape"])
            self.assertTrue(wait_for(lambda: not open_menus(self.display), 5), keys)
        self.assertEqual(p.stop(), 0)

    def player_property(self, name):
        done = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=" + SERVICE,
             "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.Get",
             "string:org.mpris.MediaPlayer2.Player", "string:" + name],
            env=self.display.env, capture_output=True, text=True, timeout=30)
        return done.stdout.split()[-1] if done.stdout.split() else ""

    def set_rate(self, rate):
        subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=" + SERVICE,
             "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties.Set",
             "string:org.mpris.MediaPlayer2.Player", "string:Rate", "variant:double:%g" % rate],
            env=self.display.env, capture_output=True, timeout=30, check=True)

    def test_media_widgets_see_the_speed_and_the_folder(self):
        p = self.start_second_episode()
        self.assertEqual(self.player_property("MinimumRate"), "0.5")
        self.assertEqual(self.player_property("MaximumRate"), "2")
        self.assertTrue(wait_for(lambda: self.player_property("CanGoNext") == "true", 10))
        self.assertEqual(self.player_property("CanGoPrevious"), "true")

        p.key("bracketright")  # one step faster
        self.assertTrue(wait_for(lambda: self.player_property("Rate") == "1.25", 5),
                        self.player_property("Rate"))
        self.set_rate(1.5)
        self.assertTrue(wait_for(lambda: self.player_property("Rate") == "1.5", 5))
        self.set_rate(7)  # beyond MaximumRate: the fastest there is
        self.assertTrue(wait_for(lambda: self.player_property("Rate") == "2", 5))
        p.key("BackSpace")
        self.assertTrue(wait_for(lambda: self.player_property("Rate") == "1", 5))

        self.playerctl("next")
        self.assertTrue(wait_for(lambda: self.title() == "Ep 10.mp4", 10), self.title())
        self.assertTrue(wait_for(lambda: self.player_property("CanGoNext") == "false", 10))
        self.playerctl("next")  # at the end: nothing
        time.sleep(1)
        self.assertEqual(self.title(), "Ep 10.mp4")
        self.playerctl("previous")
        self.assertTrue(wait_for(lambda: self.title() == "Ep 2.mp4", 10), self.title())
        self.assertEqual(p.stop(), 0)


if __name__ == "__main__":
    unittest.main()
