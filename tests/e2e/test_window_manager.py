"""The window under a real window manager: Stay On Top, the window shortened
to its movie, and closing on a signal."""

import os
import signal
import unittest

from harness import E2ETestCase, make_clip, wait_for, TITLE


class WindowManagerTest(E2ETestCase):

    def test_stay_on_top_sets_and_clears_above(self):
        p = self.start()
        wait_for(lambda: p.title() == TITLE)
        window_id, before = p.window, p.geometry()
        self.assertNotIn("_NET_WM_STATE_ABOVE", p.net_wm_state())
        p.key("ctrl+t")
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" in p.net_wm_state(), 5),
                        p.net_wm_state())
        self.assertEqual(p._find_window(), window_id, "the native window was re-created")
        self.assertEqual(p.geometry(), before, "moved or resized")
        p.key("ctrl+t")
        self.assertTrue(wait_for(lambda: "_NET_WM_STATE_ABOVE" not in p.net_wm_state(), 5))
        self.assertEqual(p._find_window(), window_id)
        self.assertEqual(p.geometry(), before)

    def test_shortened_window_has_the_height_it_asked_for(self):
        # A wide movie in the default window: the window shrinks to the movie's
        # height at the full client width plus the controller's 220 twips.
        clip = make_clip(self.work, "wide.mp4", "blue", "640x200", 3)
        p = self.start(clip)
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 10))

        def outer_height_matches():
            _, _, width, height = p.geometry()  # the program's window, menu bar included
            left, right, top, bottom = p.frame_extents()
            asked = (round(width * 15 * 200 / 640) + 220) / 15  # pixels
            return abs(height + top + bottom - asked) <= 1
        self.assertTrue(wait_for(outer_height_matches, 5), (p.geometry(), p.frame_extents()))

    def test_sigterm_closes_normally_and_writes_settings(self):
        clip = make_clip(self.work, "red.mp4", "red", "320x240", 3)
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            p = self.start(clip)
            self.assertTrue(wait_for(lambda: p.title() == TITLE, 10))
            os.kill(p.proc.pid, sig)
            self.assertEqual(p.proc.wait(5), 0, signal.Signals(sig).name)
            settings = p.settings()
            self.assertEqual(settings["Settings"]["LastPlayed"], clip)
            self.assertEqual(settings["MRU"]["0"], clip)
            os.remove(os.path.join(self.config, TITLE, TITLE + ".ini"))


if __name__ == "__main__":
    unittest.main()
