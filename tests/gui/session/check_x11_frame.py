"""Reads what an X11 window tells the window manager about its frame, as a
window manager would, and says whether it is a fixed frame that offers no
Maximize:
  - _MOTIF_WM_HINTS: neither the maximize function nor the maximize button
    (where the hints list the functions or the decorations at all; a set
    "all" bit means every one but those listed);
  - WM_NORMAL_HINTS: a minimum size equal to the maximum size, and both the
    window's own size.

usage: check_x11_frame.py WINDOW_NAME     (waits up to 10 s for the window)
Exit status 0 for a fixed frame without Maximize, 1 otherwise, 2 when there
is no such window. Needs xprop and xwininfo (x11-utils).
"""
import re
import subprocess
import sys
import time

MWM_HINTS_FUNCTIONS = 1
MWM_HINTS_DECORATIONS = 2
MWM_FUNC_ALL = 1
MWM_FUNC_MAXIMIZE = 16
MWM_DECOR_ALL = 1
MWM_DECOR_MAXIMIZE = 64


def xprop(name, *atoms):
    return subprocess.run(["xprop", "-name", name, *atoms], capture_output=True, text=True)


def offered(listed, bits, all_bit, bit):
    """Whether a Motif hints field offers `bit`; unlisted fields offer all."""
    if not listed:
        return True
    return bool(bits & all_bit) != bool(bits & bit)


def main():
    name = sys.argv[1]
    end = time.monotonic() + 10
    while xprop(name, "WM_NAME").returncode != 0:
        if time.monotonic() > end:
            print(f"no window named {name!r}")
            return 2
        time.sleep(0.1)
    time.sleep(0.3)  # the window maps and settles its size hints
    problems = []

    motif = xprop(name, "_MOTIF_WM_HINTS").stdout
    values = [int(v, 0) for v in re.findall(r"0x[0-9a-fA-F]+|\b\d+\b", motif.split("=", 1)[-1])]
    if "=" not in motif or len(values) < 3:
        problems.append("no _MOTIF_WM_HINTS: a window manager offers every function")
    else:
        flags, functions, decorations = values[:3]
        if offered(flags & MWM_HINTS_FUNCTIONS, functions, MWM_FUNC_ALL, MWM_FUNC_MAXIMIZE):
            problems.append(f"the Motif functions 0x{functions:x} offer maximize")
        if offered(flags & MWM_HINTS_DECORATIONS, decorations, MWM_DECOR_ALL, MWM_DECOR_MAXIMIZE):
            problems.append(f"the Motif decorations 0x{decorations:x} offer a maximize button")

    hints = xprop(name, "WM_NORMAL_HINTS").stdout
    minimum = re.search(r"minimum size: (\d+) by (\d+)", hints)
    maximum = re.search(r"maximum size: (\d+) by (\d+)", hints)
    info = subprocess.run(["xwininfo", "-name", name], capture_output=True, text=True).stdout
    size = tuple(int(re.search(rf"{k}: (\d+)", info).group(1)) for k in ("Width", "Height"))
    if not minimum or not maximum:
        problems.append("WM_NORMAL_HINTS give no minimum or no maximum size")
    else:
        low = tuple(map(int, minimum.groups()))
        high = tuple(map(int, maximum.groups()))
        if low != high:
            problems.append(f"it may grow from {low} to {high}")
        elif low != size:
            problems.append(f"its fixed size {low} is not its size {size}")

    for problem in problems:
        print(f"{name}: {problem}")
    if not problems:
        print(f"{name}: a fixed {size[0]}x{size[1]} frame without Maximize")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
