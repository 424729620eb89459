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

from desktop import screenshot
from harness import E2ETestCase, TITLE, is_colour, make_clip, wait_for
from screen import open_menus
from test_desktop import SERVICE, BusTestCase


class FilmKeysTest(BusTestCase):

    def start_second_episode(self):
        folder = os.path.join(self.work, "Series")
        os.makedirs(folder)
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

    def test_the_l_key_loops_between_a_and_b_and_clears(self):
        p = self.start(make_clip(self.work, "long.mp4", "green", "320x240", 20))
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 15), self.status())
        self.assertTrue(wait_for(lambda: self.position() > 1.0, 5))
        # Each point lies between the positions read on either side of its
        # press (which takes a tenth of a second or two).
        a_from = self.position()
        p.key("l")
        self.assertTrue(wait_for(lambda: self.position() > a_from + 1.5, 5))
        b_from = self.position()
        p.key("l")
        b_by = b_from + 0.4
        # Back to A at once, then round and round between A and B.
        self.assertTrue(wait_for(lambda: self.position() < b_from - 0.5, 3), self.position())
        seen = []
        for _ in range(30):
            seen.append(self.position())
            time.sleep(0.1)
        self.assertGreaterEqual(min(seen), a_from - 0.1, seen)
        self.assertLessEqual(max(seen), b_by + 0.1, seen)
        # A third press clears the loop: playback goes on past B.
        p.key("l")
        self.assertTrue(wait_for(lambda: self.position() > b_by + 1.0, 8), self.position())

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

    def test_keys_after_a_menu_of_the_bar_and_on_a_russian_layout(self):
        p = self.start_second_episode()
        # A menu of the bar opened and closed with Escape leaves the keys
        # to the film.
        p.key("alt+f")
        self.assertTrue(wait_for(lambda: len(open_menus(self.display)) == 1, 5))
        p.key("Escape")
        self.assertTrue(wait_for(lambda: not open_menus(self.display), 5))
        p.key("space")
        self.assertTrue(wait_for(lambda: self.status() == "Paused", 5), self.status())
        p.key("space")
        self.assertTrue(wait_for(lambda: self.status() == "Playing", 5), self.status())
        # The keys typed by their Russian letters act as the same keys on a
        # US layout: Ъ is ], Ю is the period.
        self.display.run(["setxkbmap", "-layout", "ru,us"], check=True)
        p.key("Cyrillic_hardsign")
        self.assertTrue(wait_for(lambda: self.player_property("Rate") == "1.25", 5),
                        self.player_property("Rate"))
        p.key("Cyrillic_yu")  # one frame forward, pausing
        self.assertTrue(wait_for(lambda: self.status() == "Paused", 5), self.status())
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


class SubtitlesOnScreenTest(E2ETestCase):
    """The subtitles beside a film, found by their name alone, drawn by both
    renderers, windowed and in full screen, at scale 1 and 2."""

    def subtitle_pixels(self, p, name):
        """The film's blue picture on screen, and the white pixels in its
        upper half, where the subtitle is put (clear of the play bar, which
        lies over the picture's foot in full screen)."""
        image = screenshot(self, p, name)
        blue = [(x, y) for y in range(0, image.height, 2) for x in range(0, image.width, 2)
                if is_colour(image.pixel(x, y), (0, 0, 255), 40)]
        if not blue:
            return None, 0
        left, right = min(x for x, _ in blue), max(x for x, _ in blue)
        top, bottom = min(y for _, y in blue), max(y for _, y in blue)
        white = image.count(left, top, right, (top + bottom) // 2, lambda rgb: min(rgb) >= 200)
        return (left, top, right - left, bottom - top), white

    def test_subtitles_show_in_both_renderers_in_full_screen_and_at_scale_2(self):
        film = make_clip(self.work, "Film.mp4", "blue", "320x240", 120)
        # "Film.en.srt": only its start is the film's name. Drawn at the top
        # ({\an8}), large, white with libmpv's black border.
        with open(os.path.join(self.work, "Film.en.srt"), "w", encoding="utf-8") as srt:
            srt.write("1\n00:00:00,000 --> 00:02:00,000\n{\\an8}{\\fs60}SUBTITLES HERE\n\n")
        widths = {}
        for renderer, scale in (("sw", 1), ("sw", 2), ("gl", 2)):
            with self.subTest(renderer=renderer, scale=scale):
                self.display.env.update(REELWICK_RENDERER=renderer, QT_SCALE_FACTOR=str(scale))
                p = self.start(film)
                self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), p.title())
                case = "%s-%d" % (renderer, scale)

                def windowed():
                    box, white = self.subtitle_pixels(p, "windowed-" + case)
                    return box if white > 50 else None
                box = wait_for(windowed, 10, 0.5)
                self.assertTrue(box, "no subtitle on the windowed picture")
                widths[renderer, scale] = box[2]
                p.key("F11")

                def full():
                    grown, white = self.subtitle_pixels(p, "full-" + case)
                    return grown and grown[2] > box[2] + 100 and white > 50
                self.assertTrue(wait_for(full, 10, 0.5), "no subtitle in full screen")
                p.stop()
                os.remove(os.path.join(self.config, TITLE, TITLE + ".ini"))
        # The same window at scale 2 is twice as wide on screen.
        self.assertGreater(widths["sw", 2], 1.5 * widths["sw", 1], widths)


if __name__ == "__main__":
    unittest.main()
