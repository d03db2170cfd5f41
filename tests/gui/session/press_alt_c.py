"""Presses Alt+C on the X display in DISPLAY through the XTEST extension, as
a keyboard would: weston's X11 back end turns it into a key on its Wayland
seat, with the serial a Wayland clipboard offer needs.

usage: press_alt_c.py READY_FILE   (waits for the file first)
"""
import ctypes
import os
import sys
import time

XK_ALT_L = 0xFFE9
XK_C = ord("c")


def main():
    ready = sys.argv[1]
    end = time.monotonic() + 30
    while not os.path.exists(ready):
        if time.monotonic() > end:
            print("press_alt_c: the driver never got ready", file=sys.stderr)
            return 1
        time.sleep(0.1)
    time.sleep(0.3)  # the window's focus settles on the compositor's side

    x11 = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
    display = x11.XOpenDisplay(None)
    if not display:
        print("press_alt_c: no X display", file=sys.stderr)
        return 1
    alt = x11.XKeysymToKeycode(display, XK_ALT_L)
    c = x11.XKeysymToKeycode(display, XK_C)
    for code, down in ((alt, 1), (c, 1), (c, 0), (alt, 0)):
        xtst.XTestFakeKeyEvent(display, code, down, 0)
        x11.XSync(display, 0)
        time.sleep(0.05)
    x11.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())
