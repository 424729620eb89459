"""Reads the running program over AT-SPI, as a screen reader does, and
prints what it found as one JSON line. Run by test_access.py with Debian's
/usr/bin/python3 (where pyatspi is) inside a private session bus.

  atspi_probe.py bar BINARY MOVIE   press Play/Pause, read and set the seek bar
  atspi_probe.py menus BINARY       the names of the menu bar's menus
"""

import json
import os
import subprocess
import sys
import time

import pyatspi

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def wait_for(predicate, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = predicate()
        except Exception:  # the tree changes under us while the window opens
            value = None
        if value:
            return value
        time.sleep(0.1)
    return None


def fresh(obj):
    """The object with its cached name and states dropped: this process
    runs no main loop, so it hears no change events that would drop them."""
    obj.clear_cache()
    return obj


def launcher_owns_the_bus():
    """Asked without waking the bus name: a question to org.a11y.Bus itself
    would have the session bus start a second launcher while ours starts."""
    done = subprocess.run(["dbus-send", "--session", "--print-reply",
                           "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                          capture_output=True, text=True)
    return "boolean true" in done.stdout


def find_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(root, predicate):
    return pyatspi.findDescendant(root, lambda o: o is not None and predicate(o))


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            return action.doAction(i)
    return False


def probe_bar(app):
    bar = wait_for(lambda: find(app, lambda o: o.name == "Play bar"))
    if bar is None:
        return {"error": "no Play bar in the tree"}
    play, seek = bar[0], bar[1]
    position = wait_for(lambda: seek.queryValue().currentValue > 0.3 and
                        seek.queryValue().currentValue) or seek.queryValue().currentValue
    # Read while the movie plays (the bar is there before it starts).
    parts = [(fresh(c).name, c.getRoleName()) for c in bar]
    length = seek.queryValue().maximumValue
    press(play)
    name_after = wait_for(lambda: fresh(play).name == "Play" and "Play") or fresh(play).name
    # Paused, the position stays where the seek bar is set.
    seek.queryValue().currentValue = 4.0
    set_to = wait_for(lambda: abs(seek.queryValue().currentValue - 4.0) < 0.3 and
                      seek.queryValue().currentValue) or seek.queryValue().currentValue
    return {"parts": parts, "position": position, "length": length,
            "name_after_press": name_after, "set_to": set_to}


def probe_menus(app):
    menubar = wait_for(lambda: find(app, lambda o: o.getRole() == pyatspi.ROLE_MENU_BAR))
    if menubar is None:
        return {"error": "no menu bar in the tree"}
    return {"menus": [child.name for child in menubar]}


def read(mode, program):
    app = wait_for(lambda: program.poll() is not None or find_app(program.pid))
    if app is None or program.poll() is not None:
        return {"error": "the program is not on the accessibility bus"}
    try:
        return probe_bar(app) if mode == "bar" else probe_menus(app)
    except Exception as e:  # pyatspi's answer when the program has gone
        return {"error": "%s while reading: %s" % (type(e).__name__, e)}


def main(argv):
    mode, binary, args = argv[1], argv[2], argv[3:]
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program = None
    try:
        # The program looks for the accessibility bus as it starts (and
        # again when the name appears): the launcher owns it first.
        if not wait_for(launcher_owns_the_bus):
            result = {"error": "the accessibility bus launcher did not start"}
        else:
            env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            program = subprocess.Popen([binary, *args], env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            result = read(mode, program)
            if program.poll() is not None:
                result = {"error": "the program ended with status %s (%s)" %
                          (program.returncode, result.get("error", "read before"))}
    finally:
        for p in (program, launcher):
            if p is None:
                continue
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
    print(json.dumps(result))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
