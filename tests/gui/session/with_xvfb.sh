#!/usr/bin/env bash
# Runs a command on a private Xvfb display and stops the server after it:
#   with_xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARG...]
# Xvfb picks a free display number itself (-displayfd), so two of these
# started at once never meet, and no xauth cookie is written: xauth's file
# locking times out on a busy machine and leaves clients locked out. The
# server listens on its local socket only and lets local clients in. It
# never resets: an X server resets when its last client leaves, and a
# client that connects just then (the window, after the accessibility bus
# launcher has looked at the root window and gone) is turned away.
set -euo pipefail
screen=$1
shift
numberFile=$(mktemp)
trap 'rm -f "$numberFile"' EXIT
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$numberFile" 2>/dev/null &
server=$!
for _ in $(seq 200); do
    [ -s "$numberFile" ] && break
    kill -0 "$server" 2>/dev/null || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[ -s "$numberFile" ] || { echo "with_xvfb: Xvfb gave no display" >&2; kill "$server"; exit 1; }
export DISPLAY=:$(head -n1 "$numberFile")
unset XAUTHORITY
status=0
"$@" || status=$?
kill "$server" 2>/dev/null || true
wait "$server" 2>/dev/null || true
exit "$status"
