#!/usr/bin/env bash
# Runs one of the search benchmarks against the service on a private session
# bus and Xvfb display (so the service runs with its X11 clipboard, as on a
# desktop), with a home and configuration of its own.
#   bench/search/private_session.sh BUILD-DIR BENCH ARGUMENT
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
bench=$build/bench/search/$2
service=$build/mezura-search-provider
for program in "$bench" "$service"; do
  [ -x "$program" ] || { echo "$2: $program is missing; build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
export XDG_CONFIG_HOME=$work/config HOME=$work
unset QT_QPA_PLATFORM
tests/gui/session/with_xvfb.sh 1024x768x24 \
  dbus-run-session -- "$bench" "$(realpath "$service")" "$3"
