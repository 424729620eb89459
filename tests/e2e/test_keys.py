"""The window's own keys typed on a real X server the way hands type them:
Ctrl let go before the letter, and a Russian keyboard layout where the
letters of the keys are not Latin."""

import os
import time
import unittest

from desktop import client_area, find_window, hold_and_press, press, screenshot
from harness import E2ETestCase, TITLE, make_clip, wait_for


class KeysTest(E2ETestCase):

    def start_in_a_folder_of_movies(self):
        folder = os.path.join(self.work, "movies")
        os.makedirs(folder)
        for name in ("a.mov", "b.mp4", "c.avi"):
            open(os.path.join(folder, name), "w").close()
        p = self.start(cwd=folder)
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), "caption: " + p.title())
        return p

    def list_shown(self, p, name):
        """The list covers the client area, light where it is otherwise black
        (no movie is loaded)."""
        image = screenshot(self, p, name)
        x, y, w, h = client_area(image, p)
        return sum(image.mean(x + w - 30, y + h - 30, x + w - 10, y + h - 10)) > 600

    def assert_list(self, p, shown, name, message):
        self.assertTrue(wait_for(lambda: self.list_shown(p, name) == shown, 10, 0.3), message)

    def test_ctrl_h_let_go_of_ctrl_first_toggles_the_list(self):
        p = self.start_in_a_folder_of_movies()
        self.assert_list(p, False, "at-start", "the list shows at start")
        # xdotool's "ctrl+h" lets go of Ctrl before H, as a quick hand does.
        p.key("ctrl+h")
        self.assert_list(p, True, "ctrl-h", "Ctrl+H did not show the list")
        p.key("ctrl+h")
        self.assert_list(p, False, "ctrl-h-again", "a second Ctrl+H did not hide it")
        hold_and_press(self.display, p, "ctrl", "h")  # H up first
        self.assert_list(p, True, "held-ctrl-h", "Ctrl held over H did not show the list")

    def test_russian_layout_keys_follow_their_latin_letters(self):
        p = self.start_in_a_folder_of_movies()
        # Russian active, Latin second; the program follows the change. (Set
        # while the program is connected: an X server left without clients
        # resets to its default keymap.)
        self.display.run(["setxkbmap", "-layout", "ru,us"], check=True)
        self.assertIn("ru,us", self.display.run(["setxkbmap", "-query"]))
        # Keys named by their Russian letters: xdotool types "h" by switching
        # to the Latin layout for the stroke, which would test nothing here.
        # Р is the H key, С the C key and Щ the O key.
        p.key("ctrl+Cyrillic_er")
        self.assert_list(p, True, "ctrl-er", "Ctrl+Р (the H key) did not show the list")
        hold_and_press(self.display, p, "ctrl", "Cyrillic_er")
        self.assert_list(p, False, "held-ctrl-er", "Ctrl held over Р did not hide the list")

        p.key("ctrl+Cyrillic_es")  # Show Controls, through its menu shortcut and the release

        p.key("ctrl+Cyrillic_shcha")  # Qt's own shortcut of Open...
        dialog = find_window(self.display, "Open File", 10)
        self.assertTrue(dialog, "Ctrl+Щ (the O key) did not offer the Open File dialog")
        press(self.display, "Escape")
        self.assertTrue(wait_for(lambda: not find_window(self.display, "Open File", 0), 10),
                        "the dialog stayed open")

        self.assertEqual(p.stop(), 0)
        # One stroke, one toggle: Show Controls starts checked.
        self.assertEqual(p.settings()["Settings"]["MovieControls"], "False")

    def test_up_leaves_a_short_line_over_the_movie(self):
        """Up says the volume over a black movie: light pixels of the line's
        text at the top left of the client area, gone by themselves."""
        folder = os.path.join(self.work, "movies")
        os.makedirs(folder)
        p = self.start(make_clip(folder, "night.mp4", "black", "480x270", 60))
        self.assertTrue(wait_for(lambda: p.title() not in ("", "Loading..."), 20), p.title())
        time.sleep(1)  # the window fits the movie

        def light_pixels(name):
            image = screenshot(self, p, name)
            x, y, w, h = client_area(image, p)
            return image.count(x, y, x + w // 2, y + h // 3, lambda rgb: min(rgb) > 160)

        self.assertEqual(light_pixels("before"), 0)

        def up_and_look():
            # Pressed again while looking: a slow screenshot may come after
            # the line of one press has gone.
            p.key("Up")
            return light_pixels("line") > 20
        self.assertTrue(wait_for(up_and_look, 15, 0), "Up showed no line over the movie")
        self.assertTrue(wait_for(lambda: light_pixels("gone") == 0, 10, 0.3),
                        "the line stayed")


if __name__ == "__main__":
    unittest.main()
