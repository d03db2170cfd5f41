#!/usr/bin/env bash
# `cmake --install` into a scratch prefix, as a user installing from source
# would: exactly the expected files land there, the man pages are the
# compressed sources, the desktop entry and the metainfo pass their
# validators as installed and agree on one application id, and the installed
# programs run.
# Usage: test_scratch_install.sh BUILD_DIR SOURCE_DIR WITH_WINDOW
set -uo pipefail
build=$1 source=$2 with_window=$3
. "$(dirname "$0")/check.sh"

keep_install_manifest "$build"
prefix=$scratch/prefix
must cmake --install "$build" --prefix "$prefix" || finish

expect_eq "installed files" "$(installed_layout "$with_window")" \
    "$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)"

for page in mezura-convert mezura; do
    [[ $page == mezura ]] && ! ((with_window)) && continue
    if ! gzip -cd "$prefix/share/man/man1/$page.1.gz" | cmp -s - "$source/res/man/$page.1"; then
        fail "share/man/man1/$page.1.gz is not res/man/$page.1 compressed"
    fi
done

if ((with_window)); then
    desktop=$prefix/share/applications/$app_id.desktop
    metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    must desktop-file-validate "$desktop"
    must appstreamcli validate --no-net --strict "$metainfo"

    # One id: the entry's icon, the metainfo's id and its launchable.
    expect_eq "desktop Icon" "$app_id" "$(sed -n 's/^Icon=//p' "$desktop")"
    expect_eq "desktop Exec" mezura "$(sed -n 's/^Exec=//p' "$desktop")"
    expect_eq "metainfo id" "<id>$app_id</id>" "$(grep -o '<id>[^<]*</id>' "$metainfo")"
    expect_match "metainfo launchable" ">$app_id\\.desktop<" "$(grep '<launchable' "$metainfo")"
    expect_eq "search service activation" "Exec=$prefix/libexec/mezura-search-provider" \
        "$(grep '^Exec=' "$prefix/share/dbus-1/services/$app_id.SearchProvider.service")"
    expect_eq "GNOME search names the desktop entry" "DesktopId=$app_id.desktop" \
        "$(grep '^DesktopId=' "$prefix/share/gnome-shell/search-providers/$app_id.search-provider.ini")"
    expect_match "icon is SVG" 'SVG' "$(file -b "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg")"
fi

check_programs "$prefix/bin" "$with_window"
finish
