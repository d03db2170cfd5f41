# What the window benchmarks share; sourced, not run.
#   gui_bench_need PROGRAM...      stops the script when a program is not built
#   gui_bench_work                 $work, removed at exit, and a config folder
#                                  there, so the user's own profile plays no part
#   gui_bench_run SCRIPT           SCRIPT under Xvfb, with its own runtime
#                                  folder and a session bus where
#                                  dbus-run-session is (else libdbus tries to
#                                  launch one for the input method at every start)
#   median FILE                    the median of the numbers in FILE, one a line
#   ratio A B [FORMAT]             A / B, "%.2f" unless FORMAT says otherwise

gui_bench_need() {
  for program in "$@"; do
    [ -x "$program" ] || { echo "$(basename "$0"): $program is missing; build it first" >&2; exit 1; }
  done
}

gui_bench_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  export XDG_CONFIG_HOME=$work/config
  mkdir -p "$XDG_CONFIG_HOME"
}

gui_bench_run() {
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  local session=()
  if command -v dbus-run-session >/dev/null; then
    session=(dbus-run-session --)
  else
    echo "$(basename "$0"): no dbus-run-session: the start-up figures include a bus autolaunch attempt" >&2
  fi
  xvfb-run -a -s "-screen 0 1024x768x24" "${session[@]}" bash "$1"
}

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" -v f="${3:-%.2f}" 'BEGIN { printf f, a / b }'; }
