#!/usr/bin/env bash
# The man pages format without a warning (as lintian checks them), and the
# options of mezura-convert agree in three places: its --help, its man page
# and its bash completion. An option added, renamed or dropped in one of them
# only fails here.
# Usage: test_man_pages.sh SOURCE_DIR MEZURA_CONVERT
set -uo pipefail
source_dir=$1 convert=$2
. "$(dirname "$0")/check.sh"

for page in "$source_dir"/res/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    expect_eq "warnings formatting $(basename "$page")" "" "$warnings"
done

# Long options as each place writes them: --name in --help and in the
# completion, \-\-name in roff.
options() { grep -oE -- '--[a-z][a-z-]*' | LC_ALL=C sort -u; }
from_help=$("$convert" --help 2>&1 | options)
from_man=$(sed 's/\\-/-/g' "$source_dir/res/man/mezura-convert.1" | options)
from_completion=$(grep -v '^ *#' "$source_dir/res/completion/mezura-convert" | options)

[[ -n $from_help ]] || fail "mezura-convert --help names no option"
expect_eq "options of the man page against --help" "$from_help" "$from_man"
expect_eq "options of the completion against --help" "$from_help" "$from_completion"
finish
