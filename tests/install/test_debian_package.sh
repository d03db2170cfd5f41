#!/usr/bin/env bash
# `cpack -G DEB` from the build tree gives a package a Debian system can
# install: the control fields, a Depends worked out from the binaries,
# exactly the expected files owned by root with the usual modes, stripped
# programs, and, unpacked into a scratch root, programs that run.
# Usage: test_debian_package.sh BUILD_DIR WITH_WINDOW
set -uo pipefail
build=$1 with_window=$2
. "$(dirname "$0")/check.sh"

keep_install_manifest "$build"
arch=$(dpkg --print-architecture)
must cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" || finish
deb=$scratch/out/mezura_4.0.0_$arch.deb
[[ -f $deb ]] || { fail "no $deb; cpack made: $(ls "$scratch/out")"; finish; }

field() { dpkg-deb -f "$deb" "$1"; }
expect_eq Package mezura "$(field Package)"
expect_eq Version 4.0.0 "$(field Version)"
expect_eq Architecture "$arch" "$(field Architecture)"
expect_eq Section utils "$(field Section)"
expect_eq Priority optional "$(field Priority)"
expect_eq Maintainer "The Mezura developers <mezura@example.org>" "$(field Maintainer)"
expect_match Description '^[a-z].*[^.]$' "$(field Description | head -n1)"

# dpkg-shlibdeps writes each library's package with the lowest version the
# binaries need, as in "libc6 (>= 2.34)": a hand-kept list would not.
depends=$(field Depends)
echo "Depends: $depends"
libraries=(libc6 libstdc++6)
((with_window)) && libraries+=(libqt6core6 libqt6gui6 libqt6widgets6)
for library in "${libraries[@]}"; do
    expect_match "Depends names $library" "(^|, )${library//+/\\+}( \\(>= [^)]+\\))?(,|$)" "$depends"
done
expect_match "Depends carries versions from the shared libraries" 'libc6 \(>= [0-9]' "$depends"
# The currencies' ISO names come from iso-codes, in every build.
expect_match "Recommends names iso-codes" '(^|, )iso-codes(,|$)' "$(field Recommends)"
# Qt's Wayland plug-in opens the window natively on a Wayland session.
if ((with_window)); then
    expect_match "Recommends names qt6-wayland" '(^|, )qt6-wayland(,|$)' "$(field Recommends)"
    expect_match "Recommends names qt6-translations-l10n" '(^|, )qt6-translations-l10n(,|$)' "$(field Recommends)"
fi

# Files (not folders) with their modes and owners.
listing=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, substr($6, 3) }')
expect_eq "packaged files" "$(installed_layout "$with_window" | sed 's|^|usr/|')" \
    "$(awk '{ print $3 }' <<<"$listing" | LC_ALL=C sort)"
while read -r mode owner path; do
    expect_eq "owner of $path" root/root "$owner"
    case $path in
    usr/bin/* | usr/libexec/*) expect_eq "mode of $path" -rwxr-xr-x "$mode" ;;
    *) expect_eq "mode of $path" -rw-r--r-- "$mode" ;;
    esac
done <<<"$listing"

root=$scratch/root
must dpkg-deb -x "$deb" "$root" || finish
for program in "$root"/usr/bin/* "$root"/usr/libexec/mezura-* "$root"/usr/libexec/mezura/*; do
    expect_match "$(basename "$program") is stripped" ', stripped' "$(file -b "$program")"
done
check_programs "$root/usr/bin" "$with_window"
if ((with_window)); then
    expect_eq "search service activation" "Exec=/usr/libexec/mezura-search-provider" \
        "$(grep '^Exec=' "$root/usr/share/dbus-1/services/$app_id.SearchProvider.service")"
fi
finish
