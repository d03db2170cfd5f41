#!/usr/bin/env bash
# The window on a Wayland session, twice, each time in a weston of our own
# on a private runtime folder and socket, removed afterwards:
#   1. the headless back end: start, convert, "Always on top" disabled with
#      its reason, Alt+C selects the output. Headless weston has no seat,
#      and Wayland gives the clipboard only to a client with one.
#   2. the X11 back end inside Xvfb, which gives weston a seat: a real Alt+C
#      pressed on it (XTEST) must put the output on the clipboard.
# Skipped (status 77) only when weston cannot start here.
#   test_wayland.sh WAYLAND_DRIVER
set -euo pipefail
[[ ${1:-} == --seat ]] && driver=$2 || driver=$1
here=$(cd "$(dirname "$0")" && pwd)

command -v weston >/dev/null || { echo "SKIP: weston is not installed (scripts/setup)"; exit 77; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/mezura-wayland.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_RUNTIME_DIR=$scratch/run HOME=$scratch
# Qt 6.4's Wayland text-input support crashes on a seatless compositor; the
# window needs no input method.
export QT_QPA_PLATFORM=wayland QT_IM_MODULE=none LANG=C.UTF-8 LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY LANGUAGE

# run_in_weston NAME BACKEND [ENV=VALUE...]: the driver in a fresh weston.
run_in_weston() {
    local name=$1 backend=$2
    shift 2
    local socket=mezura-$name log=$scratch/weston-$name.log status=0
    mkdir -p "$scratch/config-$name"
    weston --backend="$backend" --socket="$socket" --idle-time=0 --log="$log" &
    local weston_pid=$!
    for _ in $(seq 100); do
        [[ -S $XDG_RUNTIME_DIR/$socket ]] && break
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -S $XDG_RUNTIME_DIR/$socket ]]; then
        echo "weston ($backend) did not start:"
        tail -n 5 "$log" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
        return 77
    fi
    echo "== $name: weston $backend"
    env WAYLAND_DISPLAY="$socket" XDG_CONFIG_HOME="$scratch/config-$name" "$@" \
        timeout 60 "$driver" || status=$?
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    return "$status"
}

if [[ ${1:-} == --seat ]]; then
    # (inside Xvfb) weston's X11 back end, and the key presser on its display.
    ready=$scratch/keys-ready
    /usr/bin/python3 "$here/press_alt_c.py" "$ready" &
    presser=$!
    status=0
    run_in_weston seat x11-backend.so MEZURA_REAL_KEYS_READY="$ready" || status=$?
    kill "$presser" 2>/dev/null || true
    wait "$presser" 2>/dev/null || true
    exit "$status"
fi

status=0
run_in_weston headless headless-backend.so MEZURA_NO_SEAT=1 || status=$?
if ((status == 77)); then
    echo "SKIP: weston cannot start here"
    exit 77
fi
((status == 0)) || exit "$status"
timeout 120 "$here/with_xvfb.sh" 1280x800x24 bash "$0" --seat "$driver"
