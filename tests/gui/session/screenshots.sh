#!/usr/bin/env bash
# The main window and the About box under a dark theme and at twice the
# scale, under Xvfb, into docs/window-dark.png and docs/window-2x.png.
#   tests/gui/session/screenshots.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../../.." && pwd)
cmake --build "$build" --target window_screenshot >/dev/null
shot=$build/tests/gui/session/window_screenshot
xvfb-run -a -s "-screen 0 1280x800x24" "$shot" dark "$root/docs/window-dark.png"
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1600x1000x24" "$shot" plain "$root/docs/window-2x.png"
