"""Reading what the program shows: popup menus found in the window tree and
read from their own screenshots, and simple measures of screen regions."""

import re
import subprocess
from collections import Counter

from harness import read_xwd, wait_for


class Image:
    """Pixels of one XWD dump, with the region measures the tests use."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.width, self.height, self.pixel = read_xwd(f.read())

    def colours(self, left, top, right, bottom):
        return [self.pixel(x, y) for y in range(max(top, 0), min(bottom, self.height))
                for x in range(max(left, 0), min(right, self.width))]

    def mean(self, left, top, right, bottom):
        pixels = self.colours(left, top, right, bottom)
        return tuple(sum(p[i] for p in pixels) // max(len(pixels), 1) for i in range(3))

    def count(self, left, top, right, bottom, test):
        return sum(1 for p in self.colours(left, top, right, bottom) if test(p))


def is_black(rgb, tolerance=24):
    return max(rgb) <= tolerance


def differs(a, b, tolerance=90):
    return sum(abs(x - y) for x, y in zip(a, b)) > tolerance


# A popup menu of the program: an override-redirect top-level window with the
# program's class, as "xwininfo -root -children" lists it.
_TOP_LEVEL = re.compile(r"^\s*(0x[0-9a-f]+) .*\(\"reelwick\" [^)]*\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)",
                        re.M)


def popup_menus(display):
    """Ids and geometries (x, y, w, h) of the program's popup menus on screen."""
    found = []
    for wid, w, h, x, y in _TOP_LEVEL.findall(display.run(["xwininfo", "-root", "-children"])):
        props = display.run(["xprop", "-id", wid, "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR"])
        attrs = display.run(["xwininfo", "-id", wid])
        if "POPUP_MENU" in props and "Map State: IsViewable" in attrs and \
                "Override Redirect State: yes" in attrs:
            found.append((wid, (int(x), int(y), int(w), int(h))))
    return found


def open_menus(display):
    """The program's menus on screen, of any window type: viewable top-level
    windows that the window manager does not manage (override-redirect)."""
    found = []
    for wid, *_ in _TOP_LEVEL.findall(display.run(["xwininfo", "-root", "-children"])):
        attrs = display.run(["xwininfo", "-id", wid])
        if "Map State: IsViewable" in attrs and "Override Redirect State: yes" in attrs:
            found.append(wid)
    return found


def capture_popup(display, path, timeout=10):
    """Waits for one popup menu and dumps that window (xwd -root shows
    override-redirect popups as black) once two dumps in a row agree, so the
    menu is fully drawn. Returns (Image, geometry)."""
    menus = wait_for(lambda: (lambda found: found if len(found) == 1 else None)(
        popup_menus(display)), timeout)
    if not menus:
        raise AssertionError("expected one open menu, found %r" % (popup_menus(display),))
    wid, geometry = menus[0]

    def dump():
        return subprocess.run(["xwd", "-id", wid, "-silent"], env=display.env,
                              capture_output=True).stdout

    previous = [dump()]

    def settled():
        current = dump()
        same = current == previous[0]
        previous[0] = current
        return same and current
    data = wait_for(settled, timeout, 0.2) or previous[0]
    with open(path, "wb") as f:
        f.write(data)
    return Image(path), geometry


def menu_rows(image):
    """The rows of a popup menu from its screenshot, top to bottom: "-" for a
    separator; for an item, "item", with "+shortcut" when a shortcut stands at
    its right and "+checked" when its check box holds a mark. Items are bands of text rows; separators thin lines across."""
    w, h = image.width, image.height
    border = 2
    background = Counter(image.colours(border, border, w - border, h - border)).most_common(1)[0][0]
    rows = []
    for y in range(border, h - border):
        line = [image.pixel(x, y) for x in range(border, w - border)]
        dominant = Counter(line).most_common(1)[0][0]
        filled = differs(dominant, background, 30) and \
            sum(1 for p in line if not differs(p, dominant, 30)) > 0.6 * len(line)
        ink = [(i + border, y) for i, p in enumerate(line) if differs(p, dominant)]
        rows.append((y, filled, ink))

    # Runs of filled rows: thin ones are separator lines, tall ones the
    # highlighted item (whose text is ink against the highlight).
    kinds = {}
    y = 0
    while y < len(rows):
        if rows[y][1]:
            end = y
            while end + 1 < len(rows) and rows[end + 1][1]:
                end += 1
            for i in range(y, end + 1):
                kinds[i] = "separator" if end - y + 1 <= 3 else "text"
            y = end + 1
        else:
            kinds[y] = "text" if rows[y][2] else "blank"
            y += 1

    bands, current, gap = [], None, 0
    for i, (yy, filled, ink) in enumerate(rows):
        kind = kinds[i]
        if kind == "separator":
            if current:
                bands.append(current)
                current = None
            if not bands or bands[-1] != "-":
                bands.append("-")
        elif kind == "text" and (ink or filled):
            if current and gap <= 3:
                current["ink"].extend(ink)
            else:
                if current:
                    bands.append(current)
                current = {"ink": list(ink)}
            gap = 0
        else:
            gap += 1
            if current and gap > 3:
                bands.append(current)
                current = None
    if current:
        bands.append(current)

    result = []
    for band in bands:
        if band == "-":
            result.append("-")
            continue
        ink = band["ink"]
        if not ink:
            continue
        label = "item"
        # A shortcut is a second group of text in its own column, well apart
        # from the label (words of a label are a few pixels apart).
        columns = sorted({x for x, _ in ink})
        gaps = [b - a for a, b in zip(columns, columns[1:])]
        if gaps and max(gaps) > 16:
            label += "+shortcut"
        # The check box sits left of the text: a mark puts ink inside its
        # outline, an empty box has none there.
        box = [(x, y) for x, y in ink if x < 24]
        if box:
            left, right = min(x for x, _ in box), max(x for x, _ in box)
            top, bottom = min(y for _, y in box), max(y for _, y in box)
            inside = [1 for x, y in box if left + 2 < x < right - 2 and top + 2 < y < bottom - 2]
            if len(inside) > 4:
                label += "+checked"
        result.append(label)
    return result
