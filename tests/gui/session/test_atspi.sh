#!/usr/bin/env bash
# The window over the accessibility bus, as Orca would meet it: a private
# D-Bus session, the AT-SPI bus of at-spi2-core, an Xvfb display and a
# scratch settings folder, all gone when the test ends.
#   test_atspi.sh MEZURA_PROGRAM
set -euo pipefail
mezura=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, where python3-pyatspi installs
launcher=/usr/libexec/at-spi-bus-launcher

for tool in dbus-run-session Xvfb "$python" "$launcher"; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup" >&2; exit 1; }
done
"$python" -c 'import pyatspi' || { echo "missing python3-pyatspi: run scripts/setup" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/mezura-atspi.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run HOME=$scratch
mkdir -p "$XDG_CONFIG_HOME"

# Inside the display, so that the registry it starts types there: the bus
# launcher starts the accessibility bus and its registry, and is stopped
# with them when the check is over.
timeout 120 dbus-run-session -- "$here/with_xvfb.sh" 1024x768x24 bash -c '
    "$1" --launch-immediately & launcher=$!
    status=0
    "$2" "$3" "$4" || status=$?
    kill "$launcher" 2>/dev/null
    wait "$launcher" 2>/dev/null
    exit "$status"
' _ "$launcher" "$python" "$here/atspi_check.py" "$mezura"
