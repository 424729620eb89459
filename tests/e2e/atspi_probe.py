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


def wait_for(predicate, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = predicate()
        except Exception:  # the tree changes under us while the window opens
            value = None
        if value:
            return value
        time.sleep(0.2)
    return None


def fresh(obj):
    try:
        obj.clear_cache()
    except AttributeError:
        pass
    return obj


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
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
    parts = [(c.name, c.getRoleName()) for c in bar]
    seek = bar[1]
    value = seek.queryValue()
    wait_for(lambda: fresh(seek).queryValue().currentValue > 0.3)
    before = {"parts": parts, "position": value.currentValue, "length": value.maximumValue,
              "text": seek.queryText().getText(0, -1) if "Text" in pyatspi.listInterfaces(seek)
              else None}
    pressed = press(bar[0])
    name_after = wait_for(lambda: fresh(bar[0]).name == "Play" and "Play") or fresh(bar[0]).name
    value.currentValue = 1.0
    set_to = wait_for(lambda: abs(fresh(seek).queryValue().currentValue - 1.0) < 0.3 and
                      fresh(seek).queryValue().currentValue)
    return dict(before, pressed=bool(pressed), name_after_press=name_after, set_to=set_to)


def probe_menus(app):
    menubar = wait_for(lambda: find(app, lambda o: o.getRole() == pyatspi.ROLE_MENU_BAR))
    if menubar is None:
        return {"error": "no menu bar in the tree"}
    return {"menus": [child.name for child in menubar]}


def main(argv):
    mode, binary, args = argv[1], argv[2], argv[3:]
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Qt asks for the accessibility bus once, as it starts: the bus first.
    wait_for(lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([binary, *args], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        # Without a main loop this process hears no events: the desktop's
        # list of programs is read once, after the window is up and the
        # program has joined the accessibility bus.
        wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                         str(program.pid)], capture_output=True).stdout.strip())
        time.sleep(1)
        app = wait_for(lambda: find_app(program.pid))
        if app is None:
            result = {"error": "the program is not on the accessibility bus"}
        else:
            result = probe_bar(app) if mode == "bar" else probe_menus(app)
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
        launcher.terminate()
        launcher.wait(10)
    print(json.dumps(result))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
