"""Full screen under a real window manager: F11 and a double click on the
movie cover the screen and give it back, Escape leaves, and a window closed
in full screen is remembered as it was before."""

import subprocess
import unittest

from desktop import outer_geometry, screenshot, settled_geometry, wm
from harness import E2ETestCase, TITLE, is_colour, make_clip, wait_for

RED = (255, 0, 0)


class FullScreenTest(E2ETestCase):

    def start_playing(self, *args):
        clip = make_clip(self.work, "red.mp4", "red", "320x240", 30)
        p = self.start(clip, *args)
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), "caption: " + p.title())
        return p

    def root_size(self):
        out = self.display.run(["xwininfo", "-root"])
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        return int(values["Width"]), int(values["Height"])

    def covers_the_screen(self, p):
        width, height = self.root_size()
        return p.geometry() == (0, 0, width, height) and "FULLSCREEN" in p.net_wm_state()

    def close_by_window_manager(self, p):
        done = subprocess.run(["wmctrl", "-i", "-c", p.window], env=self.display.env)
        self.assertEqual(done.returncode, 0)
        self.assertEqual(p.proc.wait(15), 0)

    def stored_placement(self, p):
        s = p.settings()["Settings"]
        return [int(s[k]) for k in ("Left", "Top", "Width", "Height")], s["WindowState"]

    def test_f11_covers_the_screen_and_f11_again_gives_back_the_window(self):
        p = self.start_playing()
        before = settled_geometry(p)
        p.key("F11")
        self.assertTrue(wait_for(lambda: self.covers_the_screen(p), 10),
                        (p.geometry(), p.net_wm_state()))
        # The 4:3 movie across the whole 5:4 screen, centred down: no menu
        # bar, no frame, black bands above and below.
        width, height = self.root_size()

        def movie_everywhere():
            image = screenshot(self, p, "full-screen")
            return (is_colour(image.mean(2, height // 2 - 5, 12, height // 2 + 5), RED) and
                    is_colour(image.mean(width // 2 - 5, height // 2 - 5,
                                         width // 2 + 5, height // 2 + 5), RED) and
                    is_colour(image.mean(width // 2 - 40, 2, width // 2 + 40, 20), (0, 0, 0)))
        self.assertTrue(wait_for(movie_everywhere, 10, 0.3))

        p.key("F11")
        self.assertTrue(wait_for(lambda: p.geometry() == before, 10), (p.geometry(), before))
        self.assertNotIn("FULLSCREEN", p.net_wm_state())
        # And it stays there: nothing resizes it afterwards.
        self.assertEqual(settled_geometry(p), before)

    def test_double_click_enters_and_escape_leaves(self):
        p = self.start_playing()
        before = settled_geometry(p)
        x, y, w, h = before
        self.display.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 3)])
        self.display.run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])
        self.assertTrue(wait_for(lambda: self.covers_the_screen(p), 10),
                        (p.geometry(), p.net_wm_state()))
        p.key("Escape")
        self.assertTrue(wait_for(lambda: p.geometry() == before, 10), (p.geometry(), before))
        self.assertNotIn("FULLSCREEN", p.net_wm_state())
        # A double click in full screen leaves it too.
        self.display.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 3)])
        self.display.run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])
        self.assertTrue(wait_for(lambda: self.covers_the_screen(p), 10))
        width, height = self.root_size()
        self.display.run(["xdotool", "mousemove", "--sync", str(width // 2), str(height // 3)])
        self.display.run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])
        self.assertTrue(wait_for(lambda: p.geometry() == before, 10), (p.geometry(), before))

    def test_closing_in_full_screen_stores_the_window_it_was(self):
        p = self.start_playing()
        self.assertEqual(wm(self.display, p, "-e", "0,150,120,500,400"), 0)
        self.assertTrue(wait_for(lambda: p.geometry()[2:] == (500, 400), 10), p.geometry())
        placed = outer_geometry(p)
        p.key("F11")
        self.assertTrue(wait_for(lambda: self.covers_the_screen(p), 10))
        # Stay On Top works in full screen, which it keeps.
        p.key("ctrl+t")
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in p.net_wm_state(), 5),
                        p.net_wm_state())
        self.assertTrue(self.covers_the_screen(p), (p.geometry(), p.net_wm_state()))
        self.close_by_window_manager(p)
        placement, state = self.stored_placement(p)
        self.assertEqual(state, "0")
        self.assertEqual(placement, [v * 15 for v in placed])
        self.assertEqual(p.settings()["Settings"]["TopMost"], "True")

        # The next start looks as the window did before full screen.
        q = self.start_playing()
        self.assertTrue(wait_for(lambda: outer_geometry(q) == placed, 10),
                        (outer_geometry(q), placed))
        self.assertNotIn("FULLSCREEN", q.net_wm_state())
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in q.net_wm_state(), 5))

        # Maximized, then full screen: F11 gives back the maximized window,
        # and closed in full screen it is stored maximized over the same
        # normal placement.
        self.assertEqual(wm(self.display, q, "-b", "add,maximized_vert,maximized_horz"), 0)
        self.assertTrue(wait_for(lambda: "MAXIMIZED_HORZ" in q.net_wm_state(), 10))
        maximized = settled_geometry(q)
        q.key("F11")
        self.assertTrue(wait_for(lambda: self.covers_the_screen(q), 10))
        q.key("F11")
        self.assertTrue(wait_for(lambda: q.geometry() == maximized, 10),
                        (q.geometry(), maximized))
        self.assertIn("MAXIMIZED_VERT", q.net_wm_state())
        q.key("F11")
        self.assertTrue(wait_for(lambda: self.covers_the_screen(q), 10))
        self.close_by_window_manager(q)
        placement, state = self.stored_placement(q)
        self.assertEqual(state, "2")
        self.assertEqual(placement, [v * 15 for v in placed])


if __name__ == "__main__":
    unittest.main()
