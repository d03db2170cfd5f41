"""The window as a screen reader sees it, over the AT-SPI bus.

Starts the real program with accessibility on, finds the input field by its
accessible name, types a number into it with synthesised key presses (the way
an assistive tool types), and reads the result field, again by its name.
Run inside a D-Bus session and an X display (test_atspi.sh sets both up).

usage: atspi_check.py MEZURA_PROGRAM
"""
import os
import subprocess
import sys
import time

import pyatspi

TYPED = "2.5"
# Both unit lists start on the same unit, so the result is the number typed
# (the output field shows "0" until a keystroke converts).
EXPECTED = "2.5"


def wait_for(what, probe, seconds=30.0):
    """The first true value of probe(), polled; None after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            value = probe()
        except Exception:  # the bus may not know the program yet
            value = None
        if value:
            return value
        time.sleep(0.2)
    print(f"atspi: gave up waiting for {what}", file=sys.stderr)
    return None


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "mezura":
            return app
    return None


def named(root, name):
    return pyatspi.findDescendant(root, lambda node: node is not None and node.name == name)


def text_of(node):
    return node.queryText().getText(0, -1)


def main():
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    env.pop("LANGUAGE", None)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("the program on the bus", find_app)
        if app is None:
            return 1
        field = wait_for('a control named "Input value"', lambda: named(app, "Input value"))
        result = wait_for('a control named "Result"', lambda: named(app, "Result"))
        if field is None or result is None:
            return 1
        if field.getRole() != pyatspi.ROLE_TEXT or result.getRole() != pyatspi.ROLE_TEXT:
            print("atspi: the named controls are not text fields", file=sys.stderr)
            return 1
        print(f'atspi: found "Input value" = "{text_of(field)}", "Result" = "{text_of(result)}"')

        field.queryEditableText().setTextContents("")
        field.queryComponent().grabFocus()
        if not wait_for("the focus in the input field",
                        lambda: field.getState().contains(pyatspi.STATE_FOCUSED)):
            return 1
        for character in TYPED:
            pyatspi.Registry.generateKeyboardEvent(ord(character), None, pyatspi.KEY_SYM)

        if not wait_for(f'"{TYPED}" in the input field', lambda: text_of(field) == TYPED):
            print(f'atspi: the input field holds "{text_of(field)}"', file=sys.stderr)
            return 1
        if not wait_for(f'the result "{EXPECTED}"', lambda: text_of(result) == EXPECTED):
            print(f'atspi: "Result" reads "{text_of(result)}"', file=sys.stderr)
            return 1
        print(f'atspi: typed "{TYPED}", "Result" reads "{text_of(result)}"')
        return 0
    finally:
        program.terminate()
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


if __name__ == "__main__":
    sys.exit(main())
