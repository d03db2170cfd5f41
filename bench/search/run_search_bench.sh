#!/usr/bin/env bash
# The search service's query latency against a Peer.Ping round trip and its
# resident memory, on a private session bus and Xvfb display (so the service
# runs with its X11 clipboard, as on a desktop).
#   bench/search/run_search_bench.sh [build-dir] [rounds]   (default: build 2001)
# Targets: a query within 2 ms median and within 3x Ping; RSS under 25 MB.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
rounds=${2:-2001}
bench=$build/bench/search/search_bus_bench
service=$build/mezura-search-provider
for program in "$bench" "$service"; do
  [ -x "$program" ] || { echo "run_search_bench: $program is missing; build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
export XDG_CONFIG_HOME=$work/config HOME=$work
unset QT_QPA_PLATFORM
tests/gui/session/with_xvfb.sh 1024x768x24 \
  dbus-run-session -- "$bench" "$(realpath "$service")" "$rounds"
