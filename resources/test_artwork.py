#!/usr/bin/env python3
"""Checks the artwork that make_artwork.py writes beside it, byte by byte.

The logo bitmap the window paints while no movie is open, the application
icons, and the resource file that bundles them. Each test case is one ctest
test (resources/CMakeLists.txt); run them all with
`python3 -m unittest -v test_artwork` from this folder.
"""

import os
import re
import struct
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_SIZES = (16, 32, 48, 64, 128, 256)

# The logo is 48x48 at 24 bits per pixel: 144-byte rows, no padding.
LOGO_SIDE = 48
PIXEL_OFFSET = 54
ROW_BYTES = LOGO_SIDE * 3


def read(name):
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        return b""
    with open(path, "rb") as f:
        return f.read()


def le16(d, at):
    return struct.unpack_from("<H", d, at)[0]


def le32(d, at):
    return struct.unpack_from("<I", d, at)[0]


def les32(d, at):
    return struct.unpack_from("<i", d, at)[0]


def be32(d, at):
    return struct.unpack_from(">I", d, at)[0]


def logo_pixel(d, x, y):
    """(r, g, b) at (x, y), y counted from the top of the picture as shown."""
    row = LOGO_SIDE - 1 - y  # stored bottom-up
    at = PIXEL_OFFSET + row * ROW_BYTES + x * 3
    return d[at + 2], d[at + 1], d[at]


def black(p):
    return p == (0, 0, 0)


class LogoBitmap(unittest.TestCase):
    def setUp(self):
        self.d = read("logo.bmp")
        self.assertEqual(len(self.d), 6966, "logo.bmp missing or of the wrong size")

    def test_file_header(self):
        d = self.d
        self.assertEqual(d[0:2], b"BM")
        self.assertEqual(le32(d, 2), 6966)  # file size
        self.assertEqual(le16(d, 6), 0)  # reserved
        self.assertEqual(le16(d, 8), 0)  # reserved
        self.assertEqual(le32(d, 10), 54)  # offset of the pixels

    def test_info_header(self):
        d = self.d
        self.assertEqual(le32(d, 14), 40)  # BITMAPINFOHEADER
        self.assertEqual(les32(d, 18), 48)  # width
        self.assertEqual(les32(d, 22), 48)  # height, positive: rows run bottom-up
        self.assertEqual(le16(d, 26), 1)  # planes
        self.assertEqual(le16(d, 28), 24)  # bits per pixel
        self.assertEqual(le32(d, 30), 0)  # BI_RGB, uncompressed
        self.assertIn(le32(d, 34), (0, 6912))  # the image size
        self.assertEqual(le32(d, 46), 0)  # no palette

    def test_corners_are_black(self):
        for y in (0, LOGO_SIDE - 1):
            for x in (0, LOGO_SIDE - 1):
                p = logo_pixel(self.d, x, y)
                self.assertTrue(black(p), f"corner ({x}, {y}) is {p}")

    def test_border_is_black(self):
        # The window behind the logo is black, so the edge of the picture
        # must be too, or a frame would show around it.
        last = LOGO_SIDE - 1
        for i in range(LOGO_SIDE):
            self.assertTrue(black(logo_pixel(self.d, i, 0)), f"top, x={i}")
            self.assertTrue(black(logo_pixel(self.d, i, last)), f"bottom, x={i}")
            self.assertTrue(black(logo_pixel(self.d, 0, i)), f"left, y={i}")
            self.assertTrue(black(logo_pixel(self.d, last, i)), f"right, y={i}")

    def test_has_a_warm_picture_in_the_middle(self):
        pixels = [logo_pixel(self.d, x, y) for y in range(LOGO_SIDE) for x in range(LOGO_SIDE)]
        lit = sum(1 for p in pixels if not black(p))
        # A real picture, not a stray pixel or two, and not a filled square.
        self.assertGreater(lit, LOGO_SIDE * LOGO_SIDE // 10)
        self.assertLess(lit, LOGO_SIDE * LOGO_SIDE * 9 // 10)
        self.assertGreater(sum(p[0] for p in pixels), sum(p[2] for p in pixels),
                           "the logo is drawn in warm colours")
        # Something is drawn in the central quarter, so it sits centred.
        quarter = range(LOGO_SIDE // 4, LOGO_SIDE * 3 // 4)
        lit_centre = sum(1 for y in quarter for x in quarter
                         if not black(logo_pixel(self.d, x, y)))
        self.assertGreater(lit_centre, 0)


class IconPng(unittest.TestCase):
    """test_size_<N>: reelwick-<N>.png is an RGBA PNG of N by N pixels."""

    def check(self, size):
        name = f"reelwick-{size}.png"
        d = read(name)
        self.assertGreaterEqual(len(d), 8 + 25 + 12, f"{name} missing or cut short")
        self.assertEqual(d[:8], b"\x89PNG\r\n\x1a\n", "PNG signature")
        # IHDR is the first chunk: length 13, then the type and the fields.
        self.assertEqual(be32(d, 8), 13)
        self.assertEqual(d[12:16], b"IHDR")
        self.assertEqual(be32(d, 16), size, "width")
        self.assertEqual(be32(d, 20), size, "height")
        self.assertEqual(d[24], 8, "bit depth")
        self.assertEqual(d[25], 6, "colour type RGBA, for the transparent background")
        self.assertEqual(be32(d, 29), zlib.crc32(d[12:29]), "IHDR checksum")
        # And the file ends with an intact IEND chunk.
        end = len(d) - 12
        self.assertEqual(be32(d, end), 0)
        self.assertEqual(d[end + 4:end + 8], b"IEND")
        self.assertEqual(be32(d, end + 8), zlib.crc32(d[end + 4:end + 8]))


for _size in ICON_SIZES:
    setattr(IconPng, f"test_size_{_size}", lambda self, size=_size: self.check(size))


class ResourceList(unittest.TestCase):
    def test_bundles_the_artwork(self):
        # Every picture is bundled under the name the program asks for, and
        # every file the resource list names is there.
        qrc = read("reelwick.qrc").decode("utf-8")
        self.assertTrue(qrc)
        self.assertIn('prefix="/"', qrc)
        entry = re.compile(r'<file\s+alias="([^"]+)"\s*>\s*([^<\s]+)\s*</file>')
        aliases = set()
        for alias, file in entry.findall(qrc):
            aliases.add(alias)
            self.assertTrue(os.path.exists(os.path.join(HERE, file)), file)
        self.assertIn("logo.bmp", aliases)
        for size in ICON_SIZES:
            self.assertIn(f"icons/{size}.png", aliases)


if __name__ == "__main__":
    unittest.main()
