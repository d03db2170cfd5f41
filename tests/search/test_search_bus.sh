#!/usr/bin/env bash
# The installed search service as a desktop's search meets it: installed
# into a scratch prefix, found through the activation file by a private
# session bus that serves only that prefix, on a private Xvfb display (for
# the clipboard), with a scratch profile. Everything is gone afterwards.
#   test_search_bus.sh BUILD_TREE CLIENT
set -euo pipefail
build=$1
client=$2
here=$(cd "$(dirname "$0")" && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/mezura-search.XXXXXX")
daemon=
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir -p "$scratch/config"
cat >"$scratch/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$scratch</listen>
  <servicedir>$scratch/prefix/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

run() {
    # What the bus starts inherits the bus's environment: the display, the
    # profile's folder and a short idle time.
    export XDG_CONFIG_HOME=$scratch/config HOME=$scratch MEZURA_SEARCH_IDLE_MS=2000
    export MEZURA_SEARCH_PREFIX=$scratch/prefix
    unset QT_QPA_PLATFORM
    dbus-daemon --config-file="$scratch/bus.conf" --nofork --print-address=3 \
        3>"$scratch/address" >"$scratch/service.out" 2>&1 &
    daemon=$!
    for _ in $(seq 100); do [ -s "$scratch/address" ] && break; sleep 0.05; done
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$scratch/address")
    export DBUS_SESSION_BUS_ADDRESS
    status=0
    "$client" || status=$?
    kill "$daemon" 2>/dev/null || true
    wait "$daemon" 2>/dev/null || true
    daemon=
    # Nothing the service did reached a terminal (the bus's own log lines
    # aside).
    if grep -v '^dbus-daemon\[' "$scratch/service.out" >"$scratch/service.said"; then
        echo "the service wrote:" >&2
        head -c 2000 "$scratch/service.said" >&2
        status=1
    fi
    return "$status"
}
export -f run
export scratch client
timeout 150 "$here/../gui/session/with_xvfb.sh" 1024x768x24 bash -c run
