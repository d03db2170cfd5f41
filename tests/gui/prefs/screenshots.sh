#!/usr/bin/env bash
# Photographs the four Preferences tabs under Xvfb into docs/prefs-*.png,
# trimmed to what the screen shows.
#   tests/gui/prefs/screenshots.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../../.." && pwd)
cmake --build "$build" --target prefs_screenshot >/dev/null
names=(general result-format visible custom)
for tab in 0 1 2 3; do
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tests/gui/prefs/prefs_screenshot" "$tab" "$root/docs/prefs-${names[$tab]}.png"
  convert "$root/docs/prefs-${names[$tab]}.png" -trim +repage "$root/docs/prefs-${names[$tab]}.png"
done
# The mixed-units option beside the window it changes, in English and German,
# trimmed to what the screen shows.
for language in en de; do
  suffix=$([ "$language" = en ] && echo "" || echo "-$language")
  LANGUAGE=$language LANG=$([ "$language" = en ] && echo C.UTF-8 || echo de_DE.UTF-8) \
    xvfb-run -a -s "-screen 0 1280x400x24" \
    "$build/tests/gui/prefs/prefs_screenshot" mixed "$root/docs/mixed-units$suffix.png"
  convert "$root/docs/mixed-units$suffix.png" -trim +repage "$root/docs/mixed-units$suffix.png"
done
# The four tabs and the main window in German, at 1x and 2x, for the README's
# German section (docs/*-de.png, docs/*-de-2x.png).
cmake --build "$build" --target window_screenshot >/dev/null
for scale in 1 2; do
  suffix=$([ "$scale" = 1 ] && echo "-de" || echo "-de-2x")
  for tab in 0 1 2 3; do
    LANGUAGE=de LANG=de_DE.UTF-8 QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2048x1536x24" \
      "$build/tests/gui/prefs/prefs_screenshot" "$tab" "$root/docs/prefs-${names[$tab]}$suffix.png"
    convert "$root/docs/prefs-${names[$tab]}$suffix.png" -trim +repage \
      "$root/docs/prefs-${names[$tab]}$suffix.png"
  done
  LANGUAGE=de LANG=de_DE.UTF-8 QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2048x1536x24" \
    "$build/tests/gui/session/window_screenshot" plain "$root/docs/window$suffix.png"
done
