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
# The mixed-units option beside the window it changes, in English and German,
# trimmed to what the screen shows.
for language in en de; do
  suffix=$([ "$language" = en ] && echo "" || echo "-$language")
  LANGUAGE=$language LANG=$([ "$language" = en ] && echo C.UTF-8 || echo de_DE.UTF-8) \
    xvfb-run -a -s "-screen 0 1024x400x24" \
    "$build/tests/gui/prefs/prefs_screenshot" mixed "$root/docs/mixed-units$suffix.png"
  convert "$root/docs/mixed-units$suffix.png" -trim +repage "$root/docs/mixed-units$suffix.png"
done
