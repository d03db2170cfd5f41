#!/usr/bin/env bash
# Window figures, as medians over repeated runs under Xvfb:
#   - start to first painted window: bench_gui_first_paint, the window
#     program with a probe, prints the time from its launch (MEZURA_LAUNCH_US,
#     taken by this script just before it starts the process) to its first
#     paint, then ends without writing anything (target: under 150 ms);
#   - peak memory: the maximum resident set size of those runs, by
#     /usr/bin/time -v;
#   - keystroke to new output text: bench_gui_keystroke types into the real
#     window (target: under 1 ms).
#
# Usage: bench/gui/run_gui_bench.sh [build-dir] [runs]   (default: build 21)
# Needs xvfb-run and /usr/bin/time (scripts/setup installs both). When
# dbus-run-session is there, the runs get a session bus as on a desktop;
# without one, libdbus tries to launch a bus for the input method on every
# start (a fork and an exec), which the figures then include.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-21}
mezura=$build/bench/gui/bench_gui_first_paint
keystroke=$build/bench/gui/bench_gui_keystroke
for program in "$mezura" "$keystroke"; do
  [ -x "$program" ] || { echo "run_gui_bench: $program is missing; build it first" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "run_gui_bench: xvfb-run is missing" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "run_gui_bench: /usr/bin/time is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config  # never the user's own profile
mkdir -p "$XDG_CONFIG_HOME"

cat >"$work/inside.sh" <<INSIDE
#!/usr/bin/env bash
set -euo pipefail
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "\$XDG_RUNTIME_DIR"
# Warm-up: the first run fills the font and file caches.
"$mezura" >/dev/null
for ((i = 0; i < $runs; i++)); do
  MEZURA_LAUNCH_US=\${EPOCHREALTIME/./} "$mezura" | sed -n 's/^first paint after \([0-9.]*\) ms$/\1/p' >>"$work/start.txt"
done
for ((i = 0; i < $runs; i++)); do
  /usr/bin/time -v "$mezura" 2>&1 >/dev/null | sed -n 's/^\tMaximum resident set size (kbytes): //p' >>"$work/rss.txt"
done
"$keystroke" --keys 4000 >"$work/keys.txt"
INSIDE
session=()
if command -v dbus-run-session >/dev/null; then
  session=(dbus-run-session --)
else
  echo "run_gui_bench: no dbus-run-session: the start-up figures include a bus autolaunch attempt" >&2
fi
xvfb-run -a -s "-screen 0 1024x768x24" "${session[@]}" bash "$work/inside.sh"

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
[ "$(wc -l <"$work/start.txt")" -eq "$runs" ] || { echo "run_gui_bench: a start-up run printed no time" >&2; exit 1; }
echo "start to first paint: median $(median "$work/start.txt") ms over $runs runs (min $(sort -n "$work/start.txt" | head -1), max $(sort -n "$work/start.txt" | tail -1))"
echo "peak memory (max RSS): median $(median "$work/rss.txt") kB over $runs runs"
cat "$work/keys.txt"
