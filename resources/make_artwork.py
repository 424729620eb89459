#!/usr/bin/env python3
"""Draw Reelwick's artwork and write it next to this script.

Writes:
  logo.bmp             48x48, 24-bit BI_RGB bitmap on a black field; the
                       window paints it centred while no movie is open.
  reelwick-<N>.png     RGBA application icons, N in 16, 32, 48, 64, 128, 256.

The motif is a film reel with a small candle flame standing on its rim, in
warm amber and orange.  Everything is drawn from one vector description in
unit coordinates (x right, y down, both 0..1) and rendered at each size by
supersampling, so small icons are drawn rather than scaled down.

Only the Python standard library is used.  The output is deterministic, so
running the script again reproduces the committed files byte for byte.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

ICON_SIZES = (16, 32, 48, 64, 128, 256)
LOGO_SIZE = 48

# --- geometry (unit square) -------------------------------------------------

REEL_CX, REEL_CY = 0.5, 0.61
REEL_R = 0.33            # outer edge of the reel
RIM_W = 0.045            # width of the bright rim
HOLE_RING = 0.175        # distance of the window centres from the hub
HOLE_R = 0.078           # radius of the five windows
HUB_R = 0.062            # hub disc
SPINDLE_R = 0.026        # hole through the hub

FLAME_CX = 0.5
FLAME_BASE_CY = 0.185    # centre of the round bottom of the flame
FLAME_BASE_R = 0.068
FLAME_TIP_Y = 0.035
CORE_SCALE = 0.52        # inner (yellow) flame relative to the outer one

# --- palette (linear-ish 0..1 floats, sRGB values) ------------------------

def rgb(hexstr):
    v = int(hexstr, 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0)

REEL_TOP = rgb("FFB23C")
REEL_BOTTOM = rgb("D0621A")
RIM_LIGHT = rgb("FFD27A")
RIM_DARK = rgb("E08A2A")
HUB = rgb("8A3A12")
FLAME_OUTER = rgb("FF6A1E")
FLAME_MID = rgb("FFA030")
FLAME_CORE = rgb("FFF0B0")


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def clamp01(t):
    return 0.0 if t < 0.0 else 1.0 if t > 1.0 else t


# --- shapes -------------------------------------------------------------------

_HOLES = [
    (REEL_CX + HOLE_RING * math.cos(math.radians(-90 + 72 * k)),
     REEL_CY + HOLE_RING * math.sin(math.radians(-90 + 72 * k)))
    for k in range(5)
]


def flame_half_width(y, scale):
    """Half width of the flame at height y, or -1 outside it.

    The flame is a round base with a tip that tapers along a soft curve.
    `scale` shrinks it towards the bottom of the base to give the core.
    """
    bottom = FLAME_BASE_CY + FLAME_BASE_R
    cy = bottom - (bottom - FLAME_BASE_CY) * scale
    r = FLAME_BASE_R * scale
    tip = bottom - (bottom - FLAME_TIP_Y) * scale
    if y > cy + r or y < tip:
        return -1.0
    if y >= cy:
        d = y - cy
        return math.sqrt(max(0.0, r * r - d * d))
    t = (y - tip) / (cy - tip)         # 0 at the tip, 1 at the widest point
    return r * math.sin(t * math.pi / 2) ** 1.6


def flame_offset(y):
    """Sideways lean of the flame, strongest near the tip."""
    t = clamp01((FLAME_BASE_CY - y) / (FLAME_BASE_CY - FLAME_TIP_Y))
    return 0.018 * t * t


def sample(x, y):
    """Colour and coverage of the artwork at one point: (r, g, b, a)."""
    # Flame first: it sits above the reel and does not overlap it.
    fx = x - FLAME_CX - flame_offset(y)
    hw = flame_half_width(y, 1.0)
    if hw >= 0.0 and abs(fx) <= hw:
        hc = flame_half_width(y, CORE_SCALE)
        if hc >= 0.0 and abs(fx) <= hc:
            return FLAME_CORE + (1.0,)
        # Warmer towards the edge of the outer flame.
        t = clamp01(abs(fx) / hw) if hw > 0 else 1.0
        return lerp(FLAME_MID, FLAME_OUTER, t) + (1.0,)

    dx, dy = x - REEL_CX, y - REEL_CY
    d = math.hypot(dx, dy)
    if d > REEL_R:
        return (0.0, 0.0, 0.0, 0.0)
    if d <= SPINDLE_R:
        return (0.0, 0.0, 0.0, 0.0)
    if d <= HUB_R:
        return HUB + (1.0,)
    for hx, hy in _HOLES:
        if (x - hx) ** 2 + (y - hy) ** 2 <= HOLE_R * HOLE_R:
            return (0.0, 0.0, 0.0, 0.0)
    # Light falls from the flame above: top brighter than the bottom.
    t = clamp01((y - (REEL_CY - REEL_R)) / (2 * REEL_R))
    if d >= REEL_R - RIM_W:
        return lerp(RIM_LIGHT, RIM_DARK, t) + (1.0,)
    return lerp(REEL_TOP, REEL_BOTTOM, t) + (1.0,)


def render(size):
    """Render the artwork at size x size; returns rows of (r, g, b, a) bytes.

    Colours are averaged premultiplied, then divided back out, so edges
    keep their colour instead of darkening towards the transparent field.
    """
    ss = max(2, min(8, 512 // size))
    step = 1.0 / (size * ss)
    n = ss * ss
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(ss):
                y = (py * ss + sy + 0.5) * step
                for sx in range(ss):
                    x = (px * ss + sx + 0.5) * step
                    cr, cg, cb, ca = sample(x, y)
                    r += cr * ca
                    g += cg * ca
                    b += cb * ca
                    a += ca
            if a > 0.0:
                r, g, b = r / a, g / a, b / a
            a /= n
            row.append((round(r * 255), round(g * 255), round(b * 255), round(a * 255)))
        rows.append(row)
    return rows


# --- file formats ---------------------------------------------------------


def png_bytes(rows):
    height = len(rows)
    width = len(rows[0])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    prev = bytes(width * 4)
    for row in rows:
        cur = bytes(c for px in row for c in px)
        raw += _best_filtered(cur, prev)
        prev = cur
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _best_filtered(cur, prev, bpp=4):
    """Pick the PNG row filter with the smallest sum of absolute values."""
    best = None
    for ftype in range(5):
        out = bytearray([ftype])
        for i, x in enumerate(cur):
            a = cur[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 0:
                p = 0
            elif ftype == 1:
                p = a
            elif ftype == 2:
                p = b
            elif ftype == 3:
                p = (a + b) // 2
            else:
                p = _paeth(a, b, c)
            out.append((x - p) & 0xFF)
        score = sum(v if v < 128 else 256 - v for v in out[1:])
        if best is None or score < best[0]:
            best = (score, out)
    return best[1]


def bmp_bytes(rows):
    """24-bit BI_RGB bitmap, bottom-up, the artwork composited on black."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, a in row:
            # Premultiply onto the black field; BMP stores blue first.
            line += bytes((c * a + 127) // 255 for c in (b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                              len(pixels), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def write(name, data):
    path = os.path.join(HERE, name)
    with open(path, "wb") as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


def main():
    logo = render(LOGO_SIZE)
    # The logo must melt into the black window: the whole border stays black.
    border = [logo[0], logo[-1], [r[0] for r in logo], [r[-1] for r in logo]]
    if any(px[3] != 0 for line in border for px in line):
        sys.exit("logo artwork touches the border")
    data = bmp_bytes(logo)
    assert len(data) == 6966, len(data)
    write("logo.bmp", data)

    for size in ICON_SIZES:
        write(f"reelwick-{size}.png", png_bytes(render(size)))


if __name__ == "__main__":
    main()
