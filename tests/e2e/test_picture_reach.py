"""The picture and the play bar where a person can see and reach them: a
wide movie centred in full screen, the window fitted to the movie loaded
there once full screen ends, a play bar usable under a portrait movie, a
stored window larger than the screen brought onto it, a recording that
changes its shape shown in each shape, and the window refitted to a shape
and a turn chosen for the movie."""

import os
import subprocess
import unittest

from desktop import (client_area, find_window, outer_geometry, press, screenshot,
                     settled_geometry, type_into)
from screen import capture_popup, open_menus
from harness import E2ETestCase, TITLE, is_colour, make_clip, wait_for

RED = (255, 0, 0)
GREEN = (0, 128, 0)
BLACK = (0, 0, 0)
BAR = (0x20, 0x20, 0x20)  # the play bar's background
# The menu on the movie of a movie without sound: Subtitles, Audio (its
# delay and output device), Speed, Video.
ROWS_TO_VIDEO = 4


class PictureReachTest(E2ETestCase):

    def playing(self, p):
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), "caption: " + p.title())

    def bar_rows(self, image, p):
        """The client area (x, y, w, h) and the rows of the play bar, found up
        from the bottom by its colour at the left edge."""
        x, y, w, h = client_area(image, p)
        rows = [r for r in range(y, y + h) if is_colour(image.pixel(x + 3, r), BAR, 12)]
        return (x, y, w, h), rows

    def fitted(self, p, aspect):
        """Whether the window has the outer height the layout gives a movie of
        that shape at the window's width: the movie's height and 220 twips
        (the window is shortened to that, and the picture then centred in the
        client area below the menu bar)."""
        width = p.geometry()[2]
        height = outer_geometry(p)[3]
        return abs(height - (width * aspect + 220 / 15)) <= 1.5, (width, height)

    def picture_shape(self, p, colour, name):
        """Width over height of the part of the client area in `colour`,
        measured through its middle."""
        image = screenshot(self, p, name)
        x, y, w, h = client_area(image, p)
        across = sum(1 for c in range(x, x + w)
                     if is_colour(image.pixel(c, y + (h - 15) // 2), colour))
        down = sum(1 for r in range(y, y + h)
                   if is_colour(image.pixel(x + w // 2, r), colour))
        return across / max(down, 1)

    def open_url(self, p, path):
        p.key("ctrl+u")
        box = find_window(self.display, "Reelwick")
        self.assertTrue(box, "no URL box")
        type_into(self.display, box, "file://" + path)
        press(self.display, "Return")

    def test_full_screen_centres_the_movie_and_leaving_fits_the_one_loaded_there(self):
        p = self.start(make_clip(self.work, "red.mp4", "red", "320x240", 30))
        self.playing(p)
        settled_geometry(p, interval=0.4)
        p.key("F11")
        self.assertTrue(wait_for(lambda: "FULLSCREEN" in p.net_wm_state(), 10))
        # A 2:1 movie opened in full screen on the 1280x1024 screen: 640
        # rows in the middle, black bands above and below.
        self.open_url(p, make_clip(self.work, "wide.mp4", "green", "640x320", 30))

        def centred():
            image = screenshot(self, p, "full-screen-wide")
            return (is_colour(image.mean(600, 500, 680, 520), GREEN) and
                    is_colour(image.mean(600, 150, 680, 170), BLACK, 30) and
                    is_colour(image.mean(600, 860, 680, 880), BLACK, 30) and
                    is_colour(image.mean(600, 200, 680, 210), GREEN))
        self.assertTrue(wait_for(centred, 15, 0.4), "the wide movie is not centred")

        # Back in the window, it is fitted to the wide movie, not the old one.
        p.key("F11")
        self.assertTrue(wait_for(lambda: "FULLSCREEN" not in p.net_wm_state(), 10))
        settled_geometry(p, interval=0.4)
        self.assertTrue(wait_for(lambda: self.fitted(p, 0.5)[0], 10), self.fitted(p, 0.5)[1])
        self.assertAlmostEqual(self.picture_shape(p, GREEN, "back-wide"), 2, delta=0.1)

    def test_portrait_movie_gets_a_bar_as_wide_as_the_window(self):
        p = self.start(make_clip(self.work, "phone.mp4", "red", "180x320", 30))
        self.playing(p)
        settled_geometry(p, interval=0.4)

        def bar_spans():
            image = screenshot(self, p, "portrait")
            (x, _, w, _), rows = self.bar_rows(image, p)
            if len(rows) < 3:
                return False
            across = [image.pixel(x + dx, rows[1]) for dx in range(0, w, 4)]
            # The bar's background from edge to edge on its second row.
            return all(is_colour(px, BAR, 12) for px in across)
        self.assertTrue(wait_for(bar_spans, 10, 0.4), "the bar does not span the window")

    def write_settings(self, values):
        folder = os.path.join(self.config, TITLE)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, TITLE + ".ini"), "w", encoding="utf-8") as f:
            f.write("[Settings]\n" + "".join("%s=%s\n" % kv for kv in values.items()))

    def test_stored_window_larger_than_the_screen_comes_back_on_it(self):
        for size in (30000, 300000):
            self.write_settings({"Left": "0", "Top": "0", "Width": str(size),
                                 "Height": str(size * 13 // 20), "WindowState": "0"})
            p = self.start()
            settled_geometry(p, interval=0.4)
            x, y, w, h = outer_geometry(p)
            self.assertTrue(x >= 0 and y >= 0 and x + w <= 1280 and y + h <= 1024,
                            (size, (x, y, w, h)))
            # Closed, it stores what it now is.
            p.key("alt+f")
            capture_popup(self.display, os.path.join(self.work, "file-menu.xwd"))
            press(self.display, "x")
            self.assertEqual(p.proc.wait(15), 0)
            s = p.settings()["Settings"]
            self.assertEqual([int(s[k]) for k in ("Left", "Top", "Width", "Height")],
                             [v * 15 for v in (x, y, w, h)], size)

    def test_recording_that_changes_shape_shows_each_part_in_its_shape(self):
        # 640x480 for 2 s, then 1280x540 (a channel going wide), as one
        # MPEG-TS file the way a TV recording holds it.
        parts = []
        for name, colour, size, seconds in (("a", "red", "640x480", 2),
                                            ("b", "green", "1280x540", 20)):
            path = os.path.join(self.work, name + ".ts")
            subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                            "color=c=%s:s=%s:d=%d:r=25" % (colour, size, seconds),
                            "-c:v", "mpeg2video", "-f", "mpegts", path], check=True)
            parts.append(path)
        recording = os.path.join(self.work, "recording.ts")
        with open(recording, "wb") as out:
            for path in parts:
                with open(path, "rb") as f:
                    out.write(f.read())
        p = self.start(recording)
        self.playing(p)
        self.assertTrue(wait_for(lambda: self.fitted(p, 0.75)[0], 10), self.fitted(p, 0.75)[1])
        self.assertAlmostEqual(self.picture_shape(p, RED, "narrow-part"), 4 / 3, delta=0.08)

        # The wide part: the window is shortened to it, and the picture has
        # its own shape (not squeezed into 4:3, not letterboxed in it).
        wide = 540 / 1280
        self.assertTrue(wait_for(lambda: self.fitted(p, wide)[0], 15), self.fitted(p, wide)[1])
        self.assertAlmostEqual(self.picture_shape(p, GREEN, "wide-part"), 1 / wide, delta=0.12)

    def test_a_chosen_shape_and_a_turn_refit_the_window(self):
        # 16:9 red pictures that the file says are 4:3.
        flagged = os.path.join(self.work, "flagged.mp4")
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                        "color=c=red:s=640x360:d=60,setdar=4/3", "-pix_fmt", "yuv420p",
                        flagged], check=True)
        for renderer in ("sw", "gl"):
            with self.subTest(renderer=renderer):
                self.display.env.update(REELWICK_RENDERER=renderer)
                p = self.start(flagged)
                self.playing(p)

                def shaped(aspect, name):
                    return wait_for(lambda: abs(self.picture_shape(p, RED, name) - aspect) < 0.08,
                                    10, 0.4)
                self.assertTrue(shaped(4 / 3, "flagged-" + renderer))
                # A twice: 4:3, the file's shape, then 16:9, which the window
                # is shortened to as for a 16:9 movie.
                p.key("a", "a")
                self.assertTrue(wait_for(lambda: self.fitted(p, 9 / 16)[0], 10),
                                self.fitted(p, 9 / 16)[1])
                self.assertTrue(shaped(16 / 9, "16-9-" + renderer))
                # Video > Rotate > 90 degrees from the menu on the movie, by
                # keyboard: a portrait picture, in the window as a portrait
                # movie is.
                p.key("shift+F10")
                self.assertTrue(wait_for(lambda: open_menus(self.display), 5))
                press(self.display, *["Down"] * ROWS_TO_VIDEO, "Right", "Down", "Down", "Right",
                      "Down", "Return")
                self.assertTrue(shaped(9 / 16, "turned-" + renderer))
                p.stop()
                os.remove(os.path.join(self.config, TITLE, TITLE + ".ini"))

if __name__ == "__main__":
    unittest.main()
