#!/usr/bin/env bash
# mezura's command line where no display can be opened: --help, --help-all
# and --version answer (Qt's own options anywhere on the line), an unknown
# option is named, the window refuses to start with one line and status 1,
# and the profile named in --help follows the program file, not a link to it.
# Usage: test_command_line.sh MEZURA
set -uo pipefail
mezura=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$("${nodisplay[@]}" "$mezura" --version 2>&1) || fail "--version exits $?"
[ "$out" = "mezura 4.0.0" ] || fail "--version printed: $out"

for args in "--version" "-V" "-v" "-style Fusion --version" "--version -platform offscreen" \
    "--style=Fusion -V"; do
    # shellcheck disable=SC2086  # the words are the arguments
    out=$("${nodisplay[@]}" "$mezura" $args 2>&1) || fail "$args exits $?"
    [ "$out" = "mezura 4.0.0" ] || fail "$args printed: $out"
done

out=$("${nodisplay[@]}" "$mezura" --frobnicate 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "unknown option: status $status"
grep -q "Unknown option 'frobnicate'" <<<"$out" || fail "unknown option: $out"

out=$("${nodisplay[@]}" "$mezura" --help-all 2>&1) || fail "--help-all exits $?"
grep -q -- "-platform" <<<"$out" || fail "--help-all lists no Qt option: $out"

out=$("${nodisplay[@]}" "$mezura" --help 2>&1) || fail "--help exits $?"
grep -q "^Usage: mezura \[options\]" <<<"$out" || fail "usage names no program: $out"
grep -q -- "--version" <<<"$out" || fail "--help lists no --version: $out"
grep -qx "Settings: $XDG_CONFIG_HOME/mezura.INI" <<<"$out" || fail "--help names no profile: $out"

"${nodisplay[@]}" "$mezura" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 1 ] || fail "no display: status $status"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "no display: stderr is not one line: $(cat "$work/err")"
grep -q "cannot open a display" "$work/err" || fail "no display: $(cat "$work/err")"

ln -s "$(realpath "$mezura")" "$work/mz"
out=$("${nodisplay[@]}" "$work/mz" --help 2>&1)
grep -qx "Settings: $XDG_CONFIG_HOME/mezura.INI" <<<"$out" || fail "through a link: $out"
cp "$mezura" "$work/mz2"
out=$("${nodisplay[@]}" "$work/mz2" --help 2>&1)
grep -qx "Settings: $XDG_CONFIG_HOME/mz2.INI" <<<"$out" || fail "renamed copy: $out"

[ "$failures" -eq 0 ]
