# Shared by the install tests (sourced): a few assertions that report every
# failed check with what was expected and what came, a scratch folder that is
# removed however the test ends, and the installed layout.

failures=0

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
    [[ $2 == "$3" ]] || fail "$1: expected [$2], got [$3]"
}

# expect_match WHAT REGEX ACTUAL (extended regex, as [[ =~ ]])
expect_match() {
    [[ $3 =~ $2 ]] || fail "$1: [$3] does not match /$2/"
}

# Runs a command that must succeed; on failure shows its output.
must() {
    local out
    if ! out=$("$@" 2>&1); then
        fail "command failed: $*"
        printf '%s\n' "$out" >&2
        return 1
    fi
}

finish() {
    if ((failures)); then
        printf '%d check(s) failed\n' "$failures" >&2
        exit 1
    fi
    echo "all checks passed"
}

# A private scratch folder, gone when the test ends; the programs see an
# empty settings folder inside it, never the user's own.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/mezura-install-test.XXXXXX") || exit 1
manifest=""

cleanup() {
    if [[ -n $manifest ]]; then
        if [[ -f $scratch/install_manifest.txt ]]; then
            cp -p "$scratch/install_manifest.txt" "$manifest"
        else
            rm -f "$manifest"
        fi
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# keep_install_manifest BUILD_DIR: `cmake --install` and cpack both rewrite
# the build tree's install_manifest.txt, the list a user's
# `xargs rm < build/install_manifest.txt` uninstalls; the test puts back
# what was there.
keep_install_manifest() {
    manifest=$1/install_manifest.txt
    if [[ -f $manifest ]]; then
        cp -p "$manifest" "$scratch/install_manifest.txt"
    fi
}
export XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_CONFIG_HOME"
export QT_QPA_PLATFORM=offscreen

app_id=org.example.Mezura

# The files an install puts under its prefix, sorted; $1 is 1 when the
# window is built.
installed_layout() {
    {
        echo bin/mezura-convert
        echo share/bash-completion/completions/mezura-convert
        echo share/doc/mezura/copyright
        echo share/man/man1/mezura-convert.1.gz
        if (($1)); then
            echo bin/mezura
            echo libexec/mezura/mezura-fetch-rates
            echo share/applications/$app_id.desktop
            echo share/icons/hicolor/scalable/apps/$app_id.svg
            echo share/man/man1/mezura.1.gz
            echo share/metainfo/$app_id.metainfo.xml
            # The search service and what makes each desktop find it.
            echo libexec/mezura-search-provider
            echo share/dbus-1/services/$app_id.SearchProvider.service
            echo share/gnome-shell/search-providers/$app_id.search-provider.ini
            echo share/krunner/dbusplugins/$app_id.desktop
        fi
    } | LC_ALL=C sort
}

# check_programs BINDIR WITH_WINDOW: the installed programs run from where
# they were put and name themselves and their version.
check_programs() {
    local bindir=$1 with_window=$2 out
    out=$("$bindir/mezura-convert" 1 Kilometers Miles 2>&1)
    expect_eq "installed mezura-convert converts" 0.62137119223733 "$out"
    out=$("$bindir/mezura-convert" --version 2>&1)
    expect_match "mezura-convert --version" '^mezura-convert 4\.0\.0$' "$(head -n1 <<<"$out")"
    if ((with_window)); then
        out=$("$bindir/mezura" --version 2>&1)
        expect_match "mezura --version" '^mezura 4\.0\.0$' "$(head -n1 <<<"$out")"
    fi
}
