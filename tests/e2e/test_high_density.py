"""The window on a screen of twice the usual density: laid out in logical
pixels as on any screen, so it starts twice as large in device pixels, with
the movie drawn at the screen's full resolution. A one-pixel checkerboard
shows whether a movie pixel reaches the screen sharp or blurred."""

import os
import subprocess
import unittest

from desktop import client_area, screenshot
from harness import E2ETestCase, TITLE, wait_for

# How a desktop asks for twice the density: Qt's own scale factor, or the
# X resource that desktops set for their fonts (Qt 6 turns it into a device
# pixel ratio of 2 by default, or into 192 logical dpi without its scaling).
DENSE = {
    "scale_factor": ({"QT_SCALE_FACTOR": "2"}, None),
    "xft_dpi": ({}, "Xft.dpi: 192\n"),
    "xft_dpi_without_qt_scaling": ({"QT_ENABLE_HIGHDPI_SCALING": "0"}, "Xft.dpi: 192\n"),
}


def make_checkerboard(folder, name, width, height):
    """A still picture of single black and white pixels, black at the top
    left corner, in a lossless grey PNG."""
    path = os.path.join(folder, name)
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                    "nullsrc=s=%dx%d,format=gray,geq=lum='255*mod(X+Y,2)'" % (width, height),
                    "-frames:v", "1", path], check=True)
    return path


# The checkerboard's pixels reach the screen unchanged or not at all: any
# blur between them shows as a grey. (The menu bar's grey is 239.)
def is_white(rgb):
    return min(rgb) >= 250


def is_black(rgb):
    return max(rgb) <= 5


class HighDensityTest(E2ETestCase):

    def start_dense(self, how, *args):
        env, resources = DENSE[how]
        if resources:
            subprocess.run(["xrdb", "-nocpp", "-merge"], input=resources, text=True,
                           env=self.display.env, check=True)
        self.display.env.update(env)
        p = self.start(*args)
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), p.title())
        return p

    def settled_client_area(self, p, name):
        """The client area once the window manager has framed the window and
        it stays put, in device pixels."""
        seen = [None]

        def still():
            image = screenshot(self, p, name)
            now = client_area(image, p)
            same, seen[0] = now == seen[0], now
            return same
        wait_for(still, 10, 0.5)
        return seen[0]

    def white_box(self, image, p, size):
        """The smallest rectangle (x, y, w, h) holding every white pixel in
        the top of the window, where the player draws a movie of `size`
        device pixels under the menu bar. (Where the menu bar ends is not
        measured: the test picture's white would be taken for its edge.)"""
        x, y, w, h = p.geometry()
        h = min(h, size[1] + 100)
        xs, ys = [], []
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                if is_white(image.pixel(xx, yy)):
                    xs.append(xx)
                    ys.append(yy)
        if not xs:
            return None
        return (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)

    def assert_checkerboard(self, image, box, block):
        """Every device pixel of `box` is pure black or white, in blocks of
        `block` by `block` device pixels per movie pixel, black first."""
        x0, y0, w, h = box
        wrong = []
        for dy in range(h):
            for dx in range(w):
                white = (dx // block + dy // block) % 2 == 1
                rgb = image.pixel(x0 + dx, y0 + dy)
                if not (is_white(rgb) if white else is_black(rgb)):
                    wrong.append(((dx, dy), rgb))
        self.assertEqual(wrong[:10], [], "%d of %d pixels are not the checkerboard's" %
                         (len(wrong), w * h))

    def test_first_start_client_area_is_twice_the_default(self):
        for how in DENSE:
            with self.subTest(how=how):
                p = self.start_dense(how)
                _, _, w, h = self.settled_client_area(p, "first-start-" + how)
                self.assertEqual((w, h), (2 * 347, 2 * 284), "client area in device pixels")
                # The logo, twice 107 by 104, in the middle of it.
                image = screenshot(self, p, "logo-" + how)
                x, y, w, h = client_area(image, p)
                lit = [(xx, yy) for yy in range(y, y + h) for xx in range(x, x + w, 2)
                       if max(image.pixel(xx, yy)) > 40]
                self.assertTrue(lit, "no logo")
                width = max(xx for xx, _ in lit) - min(xx for xx, _ in lit)
                self.assertGreater(width, 107, "the logo is not drawn twice as large")
                p.stop()
                # Each case starts afresh: a placement stored at one density
                # is restored in twips at the next.
                os.remove(os.path.join(self.config, TITLE, TITLE + ".ini"))
                subprocess.run(["xrdb", "-remove"], env=self.display.env)
                for key in DENSE[how][0]:
                    self.display.env.pop(key)

    def test_movie_at_its_own_size_shows_each_pixel_as_a_sharp_block(self):
        clip = make_checkerboard(self.work, "checker.png", 64, 64)
        # Both renderers: the software one repeats the pixels itself, the
        # OpenGL one has libmpv's scaler do it.
        for renderer, scale in (("sw", 1), ("sw", 2), ("gl", 2)):
            with self.subTest(renderer=renderer, scale=scale):
                self.display.env.update(REELWICK_RENDERER=renderer, QT_SCALE_FACTOR=str(scale))
                p = self.start(clip)
                self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), p.title())
                p.key("ctrl+w")  # Movie > Original Size

                def own_size():
                    image = screenshot(self, p, "checker-%s-%d" % (renderer, scale))
                    size = (64 * scale, 64 * scale)
                    box = self.white_box(image, p, size)
                    return (image, box) if box and box[2:] == size else None
                found = wait_for(own_size, 10, 0.5)
                self.assertTrue(found, "no checkerboard of %d device pixels" % (64 * scale))
                image, box = found
                self.assert_checkerboard(image, box, scale)
                p.stop()
                os.remove(os.path.join(self.config, TITLE, TITLE + ".ini"))

    def test_fitted_movie_is_drawn_at_the_full_device_resolution(self):
        # At scale 2 the default client area leaves 269 logical pixels of
        # height for a movie above the controller: a movie 538 device pixels
        # high, fitted to that height, has one movie pixel per device pixel,
        # and a picture rendered at half size and enlarged would show no
        # checkerboard at all. (Narrow enough not to fill the width, so that
        # the window keeps its height.)
        size = (400, 538)
        clip = make_checkerboard(self.work, "tall-checker.png", *size)
        p = self.start_dense("scale_factor", clip)

        def fitted():
            image = screenshot(self, p, "tall-checker")
            box = self.white_box(image, p, size)
            return (image, box) if box and box[2:] == size else None
        found = wait_for(fitted, 10, 0.5)
        self.assertTrue(found, "the movie is not %d by %d device pixels" % size)
        image, box = found
        self.assert_checkerboard(image, box, 1)


if __name__ == "__main__":
    unittest.main()
