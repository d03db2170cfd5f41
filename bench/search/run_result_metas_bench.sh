#!/usr/bin/env bash
# One GetResultMetas with a great many ids against the search service, with
# a second client querying meanwhile, on a private session bus and Xvfb
# display.
#   bench/search/run_result_metas_bench.sh [build-dir] [ids]   (default: build 100000)
# Targets: the second client never waits more than 50 ms; RSS after under 25 MB.
set -euo pipefail
exec "$(dirname "$0")/private_session.sh" "${1:-build}" result_metas_bench "${2:-100000}"
