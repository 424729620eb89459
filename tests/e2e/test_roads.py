"""The program's everyday roads, driven from outside as a person would: keys
and menus through xdotool, what is on screen through screenshots, what the
window manager sees through xprop and xwininfo, and the settings file the
program writes when it ends."""

import os
import unittest

from desktop import (client_area, find_window, hold_and_press, outer_geometry, press,
                     screenshot, type_into, wm)
from harness import E2ETestCase, TITLE, is_colour, make_clip, wait_for
from screen import capture_popup, is_black, menu_rows

RED, GREEN, BLUE = (255, 0, 0), (0, 128, 0), (0, 0, 255)

# The menus as they read on screen (see screen.menu_rows). File: Open...,
# Open URL..., Show List, a separator, Exit; one row more per recent movie,
# with a second separator above Exit.
FILE_MENU = ["item+shortcut", "item+shortcut", "item", "-", "item"]
FILE_MENU_ONE_RECENT = FILE_MENU[:4] + ["item", "-", "item"]
# Movie: Play, Pause, Rewind, -, Show Controls (checked), Loop Movie, Play
# Last Movie at Startup, Original Size, -, Stay On Top.
MOVIE_MENU = ["item+shortcut"] * 3 + ["-", "item+shortcut+checked", "item", "item",
                                     "item+shortcut", "-", "item+shortcut"]
DOWN_TO_LOOP, DOWN_TO_PLAY_LAST = 4, 5  # from Play, the separator skipped


class RoadsTest(E2ETestCase):

    def wait_loaded(self, p):
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), "caption: " + p.title())

    def colour_in_window(self, p, colour, name, timeout=5):
        """Waits until the middle of the window shows `colour`."""
        def shown():
            image = screenshot(self, p, name)
            x, y, w, h = client_area(image, p)
            return is_colour(image.mean(x + w // 2 - 8, y + h // 3 - 8,
                                        x + w // 2 + 8, y + h // 3 + 8), colour)
        return wait_for(shown, timeout, 0.3)

    def read_menu(self, p, access_key, name):
        p.key(access_key)
        image, _ = capture_popup(self.display, os.path.join(self.work, name + ".xwd"))
        return menu_rows(image)

    def exit_by_menu(self, p):
        p.key("alt+f")
        capture_popup(self.display, os.path.join(self.work, "exit-menu.xwd"))
        press(self.display, "x")
        self.assertEqual(p.proc.wait(15), 0)

    def test_first_start_centres_the_default_window_with_the_logo(self):
        p = self.start()
        self.wait_loaded(p)
        # Once the window manager has framed it, the window stays put.
        seen = [None]

        def still():
            now = outer_geometry(p)
            same, seen[0] = now == seen[0], now
            return same
        wait_for(still, 10, 0.5)

        def logo_shown():
            image = screenshot(self, p, "first-start")
            x, y, w, h = client_area(image, p)
            middle = image.count(x + w // 2 - 30, y + h // 2 - 30, x + w // 2 + 30,
                                 y + h // 2 + 30, lambda c: not is_black(c))
            return image if middle > 400 else None
        image = wait_for(logo_shown, 10, 0.3)
        self.assertTrue(image, "no logo in the middle of the client area")
        x, y, w, h = client_area(image, p)
        ox, oy, ow, oh = outer_geometry(p)
        # The window is centred by the outer size it has before the window
        # manager frames it: off by at most half the frame's own size.
        left, right, top, bottom = p.frame_extents()
        slack_x, slack_y = (left + right) // 2 + 1, (top + bottom) // 2 + 1
        self.assertLessEqual(abs(ox - (1280 - ow) // 2), slack_x, outer_geometry(p))
        self.assertLessEqual(abs(oy - (1024 - oh) // 2), slack_y, outer_geometry(p))

        # Black around the logo.
        for cx, cy in ((x + 4, y + 4), (x + w - 12, y + 4), (x + 4, y + h - 12),
                       (x + w - 12, y + h - 12)):
            self.assertTrue(is_black(image.mean(cx, cy, cx + 8, cy + 8)), (cx, cy))

        self.assertEqual(self.read_menu(p, "alt+m", "movie-menu"), MOVIE_MENU)
        press(self.display, "Escape", "Escape")
        self.assertEqual(self.read_menu(p, "alt+f", "file-menu"), FILE_MENU)
        press(self.display, "x")
        self.assertEqual(p.proc.wait(15), 0)

        s = p.settings()["Settings"]
        for key in ("Left", "Top", "Width", "Height", "WindowState", "LastPlayed"):
            self.assertIn(key, s)
        self.assertEqual(s["MovieControls"], "True")
        for key in ("TopMost", "OriginalSize", "PlayLastMovie", "MovieLoop"):
            self.assertEqual(s[key], "False", key)
        self.assertEqual(s["WindowState"], "0")
        self.assertEqual(s["LastPlayed"], "")
        self.assertEqual([int(s[k]) for k in ("Left", "Top", "Width", "Height")],
                         [v * 15 for v in (ox, oy, ow, oh)])
        self.assertFalse(p.settings().has_section("MRU") and p.settings().items("MRU"))
        # The default size: a client area of 347 by 284 pixels below the menu
        # bar, the frame around it.
        self.assertEqual((w, h), (347, 284), "client area below the menu bar")

    def test_command_line_movie_plays_and_is_remembered(self):
        clip = make_clip(self.work, "red clip.mp4", "red")
        p = self.start(clip)
        self.wait_loaded(p)
        self.assertTrue(self.colour_in_window(p, RED, "red"), "no red in the window")
        self.assertEqual(p.title(), TITLE)
        self.assertEqual(self.read_menu(p, "alt+f", "file-menu"), FILE_MENU_ONE_RECENT)
        press(self.display, "x")
        self.assertEqual(p.proc.wait(15), 0)
        settings = p.settings()
        self.assertEqual(settings["Settings"]["LastPlayed"], clip)
        self.assertEqual(settings["MRU"]["0"], clip)

    def open_with_dialog(self, p, path):
        dialog = find_window(self.display, "Open File")
        self.assertTrue(dialog, "no Open File dialog")
        type_into(self.display, dialog, path)
        press(self.display, "Return")
        self.assertTrue(wait_for(lambda: not find_window(self.display, "Open File", 0), 10),
                        "the dialog stayed open")

    def test_open_dialog_plays_and_the_list_shows_that_folder(self):
        elsewhere = os.path.join(self.work, "start")
        clips = os.path.join(self.work, "clips")
        os.makedirs(elsewhere)
        os.makedirs(clips)
        make_clip(elsewhere, "other.mp4", "white")
        blue = make_clip(clips, "blue.mp4", "blue")
        make_clip(clips, "green.mov", "green")
        make_clip(clips, "red.avi", "red")
        with open(os.path.join(clips, "notes.txt"), "w") as f:
            f.write("not a movie\n")

        p = self.start(cwd=elsewhere)
        self.wait_loaded(p)
        p.key("ctrl+o")
        self.open_with_dialog(p, blue)
        self.wait_loaded(p)
        self.assertTrue(self.colour_in_window(p, BLUE, "blue"), "the chosen movie does not show")

        # The list covers the client area: light, with one line of text per
        # movie of the chosen file's folder (three; not notes.txt, and not the
        # one file of the folder the program started in).
        x, y, w, h = client_area(screenshot(self, p, "before-list"), p)
        hold_and_press(self.display, p, "ctrl", "h")

        def list_lines():
            image = screenshot(self, p, "list")
            if sum(image.mean(x + w - 30, y + h - 30, x + w - 10, y + h - 10)) < 600:
                return None  # not shown yet
            # A line of text is a run of rows where the bodies of its letters
            # put many dark pixels (ascenders and descenders put only a few).
            body = [sum(1 for cx in range(x + 3, x + w // 2) if sum(image.pixel(cx, cy)) < 300)
                    >= 6 for cy in range(y + 3, y + h - 20)]
            return sum(1 for a, b in zip([False] + body, body) if b and not a)
        seen = []
        self.assertTrue(wait_for(lambda: seen.append(list_lines()) or seen[-1] == 3, 10),
                        "lines of text in the list: %r" % seen[-1])

        p.key("Escape")
        self.assertTrue(self.colour_in_window(p, BLUE, "list-hidden"), "Escape left the list")

        # The last name of the list is red.avi: it opens from the list.
        hold_and_press(self.display, p, "ctrl", "h")
        self.assertTrue(wait_for(lambda: list_lines() == 3, 10), "the list did not come back")
        # The first arrow key puts the cursor on the list's first name.
        press(self.display, "Down", "End", "Return")
        self.assertTrue(self.colour_in_window(p, RED, "from-list", 15), "red.avi did not open")

    def test_enter_with_nothing_loaded_offers_the_open_dialog(self):
        clip = make_clip(self.work, "green.mp4", "green")
        p = self.start()
        self.wait_loaded(p)
        p.key("Return")
        self.open_with_dialog(p, clip)
        self.wait_loaded(p)
        self.assertTrue(self.colour_in_window(p, GREEN, "green"))
        p.key("Return")  # a movie is loaded: no dialog now
        self.assertIsNone(find_window(self.display, "Open File", 3))

    def test_open_url_plays_and_enters_the_recent_list(self):
        clip = make_clip(self.work, "green.mp4", "green")
        url = "file://" + clip
        p = self.start()
        self.wait_loaded(p)
        p.key("ctrl+u")
        box = find_window(self.display, "Reelwick")
        self.assertTrue(box, "no URL box")
        type_into(self.display, box, url)
        press(self.display, "Return")
        self.wait_loaded(p)
        self.assertTrue(self.colour_in_window(p, GREEN, "green"), "the URL does not play")
        self.exit_by_menu(p)
        settings = p.settings()
        self.assertEqual(settings["MRU"]["0"], url)
        self.assertIn(settings["Settings"]["LastPlayed"], (url, clip))

    def test_loop_and_stay_on_top_survive_a_restart(self):
        # Chosen while a movie plays: with nothing loaded, the release of the
        # Enter that picks the menu item would reach the window as Enter.
        p = self.start(make_clip(self.work, "red.mp4", "red"))
        self.wait_loaded(p)
        p.key("alt+m")
        capture_popup(self.display, os.path.join(self.work, "movie-menu.xwd"))
        press(self.display, *["Down"] * DOWN_TO_LOOP, "Return")
        p.key("ctrl+t")
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in p.net_wm_state(), 5))
        self.exit_by_menu(p)
        s = p.settings()["Settings"]
        self.assertEqual((s["MovieLoop"], s["TopMost"]), ("True", "True"))

        q = self.start()
        self.wait_loaded(q)
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in q.net_wm_state(), 10),
                        q.net_wm_state())
        rows = self.read_menu(q, "alt+m", "movie-menu-again")
        self.assertEqual(rows[5], "item+checked", "Loop Movie: %r" % rows)
        self.assertEqual(rows[9], "item+shortcut+checked", "Stay On Top: %r" % rows)
        press(self.display, "Escape", "Escape")
        q.stop()
        s = q.settings()["Settings"]
        self.assertEqual((s["MovieLoop"], s["TopMost"]), ("True", "True"))

    def test_play_last_movie_at_startup(self):
        clip = make_clip(self.work, "blue.mp4", "blue")
        p = self.start(clip)
        self.wait_loaded(p)
        p.key("alt+m")
        capture_popup(self.display, os.path.join(self.work, "movie-menu.xwd"))
        press(self.display, *["Down"] * DOWN_TO_PLAY_LAST, "Return")
        self.exit_by_menu(p)
        s = p.settings()["Settings"]
        self.assertEqual((s["PlayLastMovie"], s["LastPlayed"]), ("True", clip))

        q = self.start()  # no movie named
        self.wait_loaded(q)
        self.assertTrue(self.colour_in_window(q, BLUE, "last-movie", 15),
                        "the last movie does not play")

    def test_relative_path_from_a_terminal_is_remembered_whole(self):
        films = os.path.join(self.work, "films")
        elsewhere = os.path.join(self.work, "elsewhere")
        os.makedirs(films)
        os.makedirs(elsewhere)
        clip = make_clip(films, "blue.mp4", "blue")
        p = self.start("blue.mp4", cwd=films)  # cd films; reelwick blue.mp4
        self.wait_loaded(p)
        self.assertEqual(p.stop(), 0)
        s = p.settings()
        self.assertEqual((s["Settings"]["LastPlayed"], s["MRU"]["0"]), (clip, clip))

        # Started from another folder, the last movie still plays.
        path = os.path.join(self.config, TITLE, TITLE + ".ini")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(text.replace("PlayLastMovie=False", "PlayLastMovie=True"))
        q = self.start(cwd=elsewhere)
        self.wait_loaded(q)
        self.assertTrue(self.colour_in_window(q, BLUE, "relative-last-movie", 15),
                        "the last movie does not play from another folder")
        self.assertEqual(self.read_menu(q, "alt+f", "file-menu-relative"), FILE_MENU_ONE_RECENT)

    def test_maximized_window_comes_back_maximized_over_its_placement(self):
        p = self.start()
        self.wait_loaded(p)
        self.assertEqual(wm(self.display, p, "-e", "0,150,120,500,400"), 0)
        self.assertTrue(wait_for(lambda: p.geometry()[2:] == (500, 400), 10), p.geometry())
        placed = outer_geometry(p)
        p.stop()
        s = p.settings()["Settings"]
        self.assertEqual([int(s[k]) for k in ("Left", "Top", "Width", "Height")],
                         [v * 15 for v in placed])

        q = self.start()
        self.wait_loaded(q)
        self.assertTrue(wait_for(lambda: outer_geometry(q) == placed, 10),
                        (outer_geometry(q), placed))
        self.assertEqual(wm(self.display, q, "-b", "add,maximized_vert,maximized_horz"), 0)
        self.assertTrue(wait_for(lambda: "MAXIMIZED_HORZ" in q.net_wm_state(), 10))
        self.exit_by_menu(q)
        s = q.settings()["Settings"]
        self.assertEqual(s["WindowState"], "2")
        self.assertEqual([int(s[k]) for k in ("Left", "Top", "Width", "Height")],
                         [v * 15 for v in placed], "the normal placement was overwritten")

        r = self.start()
        self.wait_loaded(r)
        state = wait_for(lambda: "MAXIMIZED_VERT" in r.net_wm_state() and r.net_wm_state(), 10)
        self.assertTrue(state and "_NET_WM_STATE_MAXIMIZED_HORZ" in state, r.net_wm_state())
        self.assertEqual(wm(self.display, r, "-b", "remove,maximized_vert,maximized_horz"), 0)
        self.assertTrue(wait_for(lambda: outer_geometry(r) == placed, 10),
                        (outer_geometry(r), placed))


if __name__ == "__main__":
    unittest.main()
