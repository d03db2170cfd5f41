#!/usr/bin/env bash
# Photographs the History list and the Favourites menu under Xvfb into
# docs/history.png and docs/favourites.png, and Find unit in English and in
# German into docs/find-unit.png and docs/find-unit-de.png, trimmed to what
# the screen shows.
#   tests/gui/daily_screenshots.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
root=$(cd "$(dirname "$0")/../.." && pwd)
cmake --build "$build" --target daily_screenshot >/dev/null
for shot in history favourites; do
  xvfb-run -a -s "-screen 0 1100x600x24" "$build/tests/gui/daily_screenshot" "$shot" "$root/docs/$shot.png"
  convert "$root/docs/$shot.png" -trim +repage "$root/docs/$shot.png"
done
xvfb-run -a -s "-screen 0 1100x600x24" "$build/tests/gui/daily_screenshot" find \
  "$root/docs/find-unit.png" inch
LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1100x600x24" \
  "$build/tests/gui/daily_screenshot" find "$root/docs/find-unit-de.png" zoll
for shot in find-unit find-unit-de; do
  convert "$root/docs/$shot.png" -trim +repage "$root/docs/$shot.png"
done
