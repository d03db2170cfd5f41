#!/usr/bin/env bash
# One GetResultMetas with a great many ids against the search service, with
# a second client querying meanwhile, on a private session bus and Xvfb
# display (so the service runs with its X11 clipboard, as on a desktop).
#   bench/search/run_result_metas_bench.sh [build-dir] [ids]   (default: build 100000)
# Targets: the second client never waits more than 50 ms; RSS after under 25 MB.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
ids=${2:-100000}
bench=$build/bench/search/result_metas_bench
service=$build/mezura-search-provider
for program in "$bench" "$service"; do
  [ -x "$program" ] || { echo "run_result_metas_bench: $program is missing; build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
export XDG_CONFIG_HOME=$work/config HOME=$work
unset QT_QPA_PLATFORM
tests/gui/session/with_xvfb.sh 1024x768x24 \
  dbus-run-session -- "$bench" "$(realpath "$service")" "$ids"
