#!/usr/bin/env bash
# The main window's frame as an X11 window manager reads it, on a private
# Xvfb, in English and in German (a wider window): no Maximize among its
# Motif functions and buttons, and a minimum size equal to its maximum.
# The same check must refuse a window that can grow (frame_probe), so a
# pass means what it says.
#   test_x11_frame.sh MEZURA FRAME_PROBE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ ${1:-} != --inside ]]; then
    command -v xprop >/dev/null || { echo "SKIP: xprop is missing (x11-utils, scripts/setup)"; exit 77; }
    exec "$here/with_xvfb.sh" 1024x768x24 bash "$0" --inside "$@"
fi
mezura=$2 probe=$3
scratch=$(mktemp -d "${TMPDIR:-/tmp}/mezura-x11.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
# A profile, history and rates of the test's own; no input method.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_STATE_HOME=$scratch/state \
    XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=xcb QT_IM_MODULE=none
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0

for language in en de; do
    if [[ $language == de ]]; then
        env=(LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)
    else
        env=(LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8)
    fi
    env "${env[@]}" "$mezura" &
    pids+=($!)
    /usr/bin/python3 "$here/check_x11_frame.py" Mezura || status=1
    kill "${pids[-1]}" 2>/dev/null || true
    wait "${pids[-1]}" 2>/dev/null || true
done

"$probe" &
pids+=($!)
if /usr/bin/python3 "$here/check_x11_frame.py" "Mezura frame probe"; then
    echo "FAILED: the check passed a window that can grow"
    status=1
else
    echo "ok: the check refuses a window that can grow"
fi
exit "$status"
