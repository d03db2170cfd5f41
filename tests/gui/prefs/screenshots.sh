#!/usr/bin/env bash
# Photographs the four Preferences tabs under Xvfb into docs/prefs-*.png.
#   tests/gui/prefs/screenshots.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../../.." && pwd)
cmake --build "$build" --target prefs_screenshot >/dev/null
names=(general result-format visible custom)
for tab in 0 1 2 3; do
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tests/gui/prefs/prefs_screenshot" "$tab" "$root/docs/prefs-${names[$tab]}.png"
done
