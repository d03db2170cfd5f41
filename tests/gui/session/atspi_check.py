"""The window as a screen reader sees it, over the AT-SPI bus.

Starts the real program with accessibility on, finds the input field by its
accessible name, types a number into it with synthesised key presses (the way
an assistive tool types), and reads the result field, again by its name.
Then it opens the Find unit popup and every Preferences page with the
keyboard and reads what Orca would: the field's clear button has a name, the
preview reads as its value, the Custom page's category list is named by a
label. Run inside a D-Bus session and an X display (test_atspi.sh sets both
up).

usage: atspi_check.py MEZURA_PROGRAM
"""
import ctypes
import os
import re
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


def role_named(root, role, name):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role and node.name == name)


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


class Keyboard:
    """Key chords on the X display, through XTEST, as a keyboard presses them."""

    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)

    def press(self, *keysyms):
        codes = [self.x11.XKeysymToKeycode(self.display, sym) for sym in keysyms]
        for code, down in [(c, 1) for c in codes] + [(c, 0) for c in reversed(codes)]:
            self.xtst.XTestFakeKeyEvent(self.display, code, down, 0)
            self.x11.XSync(self.display, 0)
            time.sleep(0.05)


XK_CONTROL_L, XK_ALT_L, XK_ESCAPE = 0xFFE3, 0xFFE9, 0xFF1B
XK_RETURN, XK_DOWN, XK_RIGHT = 0xFF0D, 0xFF54, 0xFF53


def fail(message):
    print(f"atspi: {message}", file=sys.stderr)
    return 1


def check_find_popup(app, keys):
    keys.press(XK_CONTROL_L, ord("f"))
    field = wait_for('the popup\'s field "Find unit"',
                     lambda: showing(role_named(app, pyatspi.ROLE_TEXT, "Find unit")) and
                     role_named(app, pyatspi.ROLE_TEXT, "Find unit"))
    if field is None:
        return 1
    for character in "km":
        pyatspi.Registry.generateKeyboardEvent(ord(character), None, pyatspi.KEY_SYM)
    clear = wait_for('a button named "Clear"',
                     lambda: showing(role_named(app, pyatspi.ROLE_PUSH_BUTTON, "Clear")))
    keys.press(XK_ESCAPE)
    if not clear:
        return 1
    print('atspi: the Find unit field\'s clear button reads "Clear"')
    return 0


def open_preferences(app, keys):
    keys.press(XK_ALT_L, ord("o"))
    item = wait_for("the Options menu",
                    lambda: pyatspi.findDescendant(
                        app, lambda node: node is not None and
                        node.getRole() == pyatspi.ROLE_MENU_ITEM and
                        node.name.strip() == "Preferences" and showing(node)))
    if item is None:
        return None
    for _ in range(6):  # down to the item, whichever entry the menu opened on
        state = item.getState()
        if state.contains(pyatspi.STATE_FOCUSED) or state.contains(pyatspi.STATE_SELECTED):
            break
        keys.press(XK_DOWN)
        time.sleep(0.2)
    keys.press(XK_RETURN)
    return wait_for("the Preferences sheet",
                    lambda: next((top for top in app if top is not None and
                                  top.name == "Preferences" and showing(top)), None))


def check_pages(app, keys):
    if not open_preferences(app, keys):
        return 1

    def preview_label():
        return pyatspi.findDescendant(
            app, lambda node: node is not None and node.getRole() == pyatspi.ROLE_LABEL and
            showing(node) and re.fullmatch(r"[0-9.e+-]+", node.name or "") is not None)

    def existing_category_list():
        for combo in pyatspi.findAllDescendants(
                app, lambda node: node is not None and node.getRole() == pyatspi.ROLE_COMBO_BOX
                and showing(node)):
            for relation in combo.getRelationSet():
                if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
                    continue
                for i in range(relation.getNTargets()):
                    if relation.getTarget(i).name == "Existing category":
                        return combo
        return None

    # Page by page (Right on the tab bar, which has the focus as the sheet
    # opens), what a screen reader reads there.
    pages = [
        ('the check box "Always on top"',
         lambda: showing(role_named(app, pyatspi.ROLE_CHECK_BOX, "Always on top"))),
        ("the preview read as its value", preview_label),
        ('the list "Visible categories"',
         lambda: showing(role_named(app, pyatspi.ROLE_LIST, "Visible categories"))),
        ('a drop-down list labelled "Existing category"', existing_category_list),
    ]
    status = 0
    for number, (what, probe) in enumerate(pages):
        if number > 0:
            keys.press(XK_RIGHT)
        found = wait_for(what, probe, seconds=10)
        if not found:
            status = 1
        elif number == 1:
            print(f'atspi: the preview reads "{found.name}"')
            if role_named(app, pyatspi.ROLE_LABEL, "Preview") is not None:
                status = fail('a label is still named "Preview"')
        else:
            print(f"atspi: found {what}")
    keys.press(XK_ESCAPE)
    return status


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

        keys = Keyboard()
        if not keys.display:
            return fail("no X display for the keyboard")
        return check_find_popup(app, keys) or check_pages(app, keys)
    finally:
        program.terminate()
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()


if __name__ == "__main__":
    sys.exit(main())
