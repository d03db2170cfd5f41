#!/usr/bin/env bash
# The search service's query latency against a Peer.Ping round trip and its
# resident memory, on a private session bus and Xvfb display.
#   bench/search/run_search_bench.sh [build-dir] [rounds]   (default: build 2001)
# Targets: a query within 2 ms median and within 3x Ping, an expression
# within 2x Ping; RSS under 25 MB, after the hostile queries too.
set -euo pipefail
exec "$(dirname "$0")/private_session.sh" "${1:-build}" search_bus_bench "${2:-2001}"
