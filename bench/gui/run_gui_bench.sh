#!/usr/bin/env bash
# Window figures, as medians over repeated runs under Xvfb:
#   - start to first painted window: bench_gui_first_paint, the window
#     program with a probe, prints the time from its launch (MEZURA_LAUNCH_US,
#     taken by this script just before it starts the process) to its first
#     paint, then ends without writing anything (target: under 150 ms);
#   - the same for bench_gui_bare_dialog, a plain Qt dialog with the same
#     controls, run interleaved with the window, and the window's ratio to
#     it (target: at most 1.1);
#   - peak memory: the maximum resident set size of those runs, by
#     /usr/bin/time -v, for both, and the ratio (target: at most 1.1);
#   - keystroke to new output text: bench_gui_keystroke types into the real
#     window (target: under 1 ms), with the history on and off (target: on
#     within 5 % of off).
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
bare=$build/bench/gui/bench_gui_bare_dialog
keystroke=$build/bench/gui/bench_gui_keystroke
command -v xvfb-run >/dev/null || { echo "run_gui_bench: xvfb-run is missing" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "run_gui_bench: /usr/bin/time is missing" >&2; exit 1; }

# shellcheck source=bench/gui/gui_bench_support.sh
. bench/gui/gui_bench_support.sh
gui_bench_need "$mezura" "$bare" "$keystroke"
gui_bench_work

cat >"$work/inside.sh" <<INSIDE
#!/usr/bin/env bash
set -euo pipefail
# Warm-up: the first run fills the font and file caches.
"$mezura" >/dev/null
"$bare" >/dev/null
# Interleaved, so that a change in the machine's load hits both alike.
for ((i = 0; i < $runs; i++)); do
  for side in mezura bare; do
    program="$mezura"; [ "\$side" = bare ] && program="$bare"
    MEZURA_LAUNCH_US=\${EPOCHREALTIME/./} "\$program" | sed -n 's/^first paint after \([0-9.]*\) ms$/\1/p' >>"$work/start-\$side.txt"
  done
done
for ((i = 0; i < $runs; i++)); do
  for side in mezura bare; do
    program="$mezura"; [ "\$side" = bare ] && program="$bare"
    /usr/bin/time -v "\$program" 2>&1 >/dev/null | sed -n 's/^\tMaximum resident set size (kbytes): //p' >>"$work/rss-\$side.txt"
  done
done
# History on (a fresh profile's default) and off, in turn, to see what
# keeping it costs a keystroke (target: within 5 %).
for ((i = 0; i < 3; i++)); do
  for history in on off; do
    "$keystroke" --keys 4000 --history \$history >>"$work/keys.txt"
  done
done
INSIDE
gui_bench_run "$work/inside.sh"

for side in mezura bare; do
  [ "$(wc -l <"$work/start-$side.txt")" -eq "$runs" ] || { echo "run_gui_bench: a start-up run of $side printed no time" >&2; exit 1; }
done
for side in mezura bare; do
  f=$work/start-$side.txt
  echo "$side: start to first paint: median $(median "$f") ms over $runs runs (min $(sort -n "$f" | head -1), max $(sort -n "$f" | tail -1)); peak memory (max RSS): median $(median "$work/rss-$side.txt") kB"
done
echo "window / bare dialog: first paint $(ratio "$(median "$work/start-mezura.txt")" "$(median "$work/start-bare.txt")"), memory $(ratio "$(median "$work/rss-mezura.txt")" "$(median "$work/rss-bare.txt")") (targets: at most 1.1)"
cat "$work/keys.txt"
