"""What a person does at the desktop, for the end-to-end roads: keys to
whatever has the focus, dialogs found by their titles, the window manager's
maximize, and where the window and its client area are on screen."""

import os
import subprocess

from harness import wait_for
from screen import Image, differs


def press(display, *keys):
    """Keys to the window that has the focus (an open menu, a dialog), without
    activating the main window first as Player.key does."""
    display.run(["xdotool", "key", "--clearmodifiers", "--delay", "120", *keys])


def hold_and_press(display, player, modifier, key):
    """Ctrl+H as a person types it: the key goes up while Ctrl is still held.
    (xdotool's "ctrl+h" lets go of Ctrl first, and the program acts on the
    release of H with the modifiers held then.)"""
    display.run(["xdotool", "windowactivate", "--sync", player.window])
    display.run(["xdotool", "keydown", modifier])
    display.run(["xdotool", "key", "--delay", "120", key])
    display.run(["xdotool", "keyup", modifier])


def find_window(display, title, timeout=20):
    """The id of a visible window whose title is exactly `title`."""
    def search():
        out = display.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title])
        ids = out.split()
        return ids[-1] if ids else None
    return wait_for(search, timeout, 0.2)


def type_into(display, window, text):
    """Activates a dialog and types into its focused text box."""
    display.run(["xdotool", "windowactivate", "--sync", window])
    display.run(["xdotool", "type", "--delay", "40", text])


def outer_geometry(player):
    """The frame's rectangle (x, y, width, height): the window the program
    places and stores."""
    x, y, w, h = player.geometry()
    left, right, top, bottom = player.frame_extents()
    return (x - left, y - top, w + left + right, h + top + bottom)


def wm(display, player, *args):
    """Asks the window manager through wmctrl about the program's window."""
    return subprocess.run(["wmctrl", "-i", "-r", player.window, *args], env=display.env,
                          capture_output=True, text=True).returncode


def menu_bar_height(image, player):
    """Rows of the menu bar (with its lower edge) above the client area, read
    down the window's left edge, left of the first menu's name."""
    x, y, w, h = player.geometry()
    bar = image.pixel(x + 3, y + 1)
    for row in range(1, h):
        if differs(image.pixel(x + 3, y + row), bar, 100):
            return row
    return h


def client_area(image, player):
    """The client area below the menu bar, in screen pixels (x, y, w, h)."""
    x, y, w, h = player.geometry()
    bar = menu_bar_height(image, player)
    return (x, y + bar, w, h - bar)


def screenshot(test, player, name):
    """A whole-screen dump kept with the test's files, as an Image."""
    path = os.path.join(test.work, name + ".xwd")
    player.screenshot(path)
    return Image(path)


def settled_geometry(player, timeout=5, interval=0.3):
    """The window's geometry once it has stopped changing (the same twice)."""
    seen = [None]

    def same_twice():
        now = player.geometry()
        was, seen[0] = seen[0], now
        return now == was
    wait_for(same_twice, timeout, interval)
    return player.geometry()
