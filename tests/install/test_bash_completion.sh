#!/usr/bin/env bash
# The bash completion of mezura-convert, driven as bash drives it: COMP_WORDS
# and COMP_CWORD set to a command line, the completion function called, and
# COMPREPLY read. Names come from the real program, so the built-in names
# with blanks, "/", "(" and "²" and the custom names of a --profile file are
# all checked, quoted as the shell needs them.
# Usage: test_bash_completion.sh COMPLETION_SCRIPT MEZURA_CONVERT
set -uo pipefail
completion=$1 convert=$2
. "$(dirname "$0")/check.sh"
. "$completion"

# A profile in a folder whose name holds a blank: a custom category with one
# unit, and custom units in two built-in categories (0xB2 is "²" in the
# file's Windows-1252).
mkdir -p "$scratch/my profiles"
profile="$scratch/my profiles/team.INI"
printf '%s\r\n' '[Settings]' 'Custom_1=Hoppiness' \
    '[Hoppiness]' 'CustomUnits=1' 'CustomUnit_1=Hop' 'CustomValue_1=1.00000000000000' \
    '[Distance]' 'CustomUnits=1' 'CustomUnit_1=Smoot (MIT)' 'CustomValue_1=170.18000000000000' \
    '[Acceleration]' 'CustomUnits=1' $'CustomUnit_1=Smoots/sec\xB2' 'CustomValue_1=170.18000000000000' \
    >"$profile"
profile_word=${profile// /\\ }  # as typed: the blank escaped

# The candidates for a line, one a line, in the order given; the last word
# is the one being completed.
reply() {
    COMP_WORDS=("$convert" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _mezura_convert
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}"
}

lines() { printf '%s\n' "$@"; }
sorted() { LC_ALL=C sort; }

# expect_reply NAME 'EXPECTED LINES' WORDS...: exactly these candidates.
expect_reply() {
    local name=$1 expected=$2
    shift 2
    expect_eq "$name" "$(sorted <<<"$expected")" "$(reply "$@" | sorted)"
}

# expect_among NAME 'PRESENT' 'ABSENT' WORDS...: these among the candidates,
# and those not.
expect_among() {
    local name=$1 present=$2 absent=$3 got line
    shift 3
    got=$(reply "$@")
    while IFS= read -r line; do
        [[ -z $line ]] || grep -qxF -- "$line" <<<"$got" || fail "$name: [$line] not offered"
    done <<<"$present"
    while IFS= read -r line; do
        [[ -z $line ]] || ! grep -qxF -- "$line" <<<"$got" || fail "$name: [$line] offered"
    done <<<"$absent"
}

# --- Options and their values -------------------------------------------
expect_reply "every option" "$(lines --all --batch --category --explain --format --fraction --help \
    --list --names --precision --profile --rates --update-rates --version)" --
expect_reply "option by prefix" --format --fo
expect_reply "format values" "$(lines auto fixed scientific)" --format ''
expect_reply "format value by prefix" scientific --format s
expect_reply "precision values" "$(lines 1 2 3 4 5 6 7 8 9)" --precision ''
expect_reply "fraction values" "$(lines 2 4 8 16 32 64)" --fraction ''
expect_reply "nothing for --batch" "" --batch ''
expect_reply "nothing past FROM with --all" "" --all 1 Kilometers ''
expect_reply "nothing for VALUE" "" ''

# --- Category names -----------------------------------------------------
expect_eq "34 built-in categories" 34 "$(reply --list '' | wc -l)"
expect_reply "category with blank and parenthesis, escaped" \
    'Viscosity\ \(Dynamic\)' --list 'Viscosity\ \(D'
expect_reply "categories after an opening single quote, as they are" \
    "$(lines 'Viscosity (Dynamic)' 'Viscosity (Kinematic)')" --list "'Visc"
expect_reply "category after an opening double quote" 'Angle (Solid)' --list '"Angle ('
expect_reply "category for --category" Time --category Tim

# --- Unit names ---------------------------------------------------------
expect_reply "unit with superscript two and trailing blank, escaped" \
    'Centimeters/sec²\ ' 1 Centimeters/sec²
expect_reply "after an opening quote names go in as they are, blank kept" \
    "$(lines 'Centimeters/sec' 'Centimeters/sec² ')" 1 "'Centimeters/sec"
from_mi=$(reply 1 Mi)
for name in Minutes Miles Miles/hour-min 'Miles²'; do
    expect_eq "FROM: $name offered once among every category's" 1 "$(grep -cxF -- "$name" <<<"$from_mi")"
done
expect_among "TO: only the categories of FROM" \
    "$(lines Miles Millimeters)" "$(lines Minutes Miles/hour-min 'Miles²')" 1 Kilometers Mi
expect_among "TO: FROM with its trailing blank names its category" \
    'Feet/sec²' Feet 1 'Centimeters/sec²\ ' Fe
expect_among "TO: every unit when FROM names none" \
    "$(lines Feet 'Feet/sec²')" "" 1 Parsnips Fe
expect_among "--category narrows both places" Minutes "$(lines Miles Mil)" --category Time 1 Mi
expect_among "a negative VALUE is not an option" Kilometers "" -5 Kilo
expect_reply "TO after FROM with a blank" 'Smoot\ \(MIT\)' \
    --profile "$profile_word" 1 Kilometers Smo

# --- Custom names from --profile ------------------------------------------
expect_reply "no custom unit without the profile" "" 1 Smo
expect_reply "custom units of a built-in category" "$(lines 'Smoot\ \(MIT\)' 'Smoots/sec²')" \
    --profile "$profile_word" 1 Smo
expect_reply "custom unit after an escaped blank" 'Smoot\ \(MIT\)' \
    --profile "$profile_word" 1 'Smoot\ '
expect_reply "custom unit with superscript two" 'Smoots/sec²' \
    --profile "$profile_word" 1 Smoots/
expect_reply "custom category" Hoppiness --profile "$profile_word" --list Hop
expect_reply "unit of a custom category" Hop --profile "$profile_word" --category Hoppiness 1 H
expect_reply "profile given in quotes" Hoppiness --profile "\"$profile\"" --list Hop

# --- Aliases ------------------------------------------------------------
expect_among "FROM: symbols beside names" "$(lines km kg kWh Kilometers)" "" 1 k
expect_among "TO: aliases of FROM's category only" "$(lines mi mile Miles)" "$(lines min Minutes)" \
    1 km mi
expect_among "TO: FROM in other case names its category" "$(lines ft Feet)" 'ft²' 1 KILOMETERS f
expect_reply "symbol with a degree sign" "$(lines '°C' '°F' '°K' '°R' '°Ra' '°Re' '°Ré')" \
    1 K '°'
expect_among "--category in any case narrows aliases" "$(lines min mins)" mi --category time 1 mi

# One run of the program for one Tab, whatever the line.
counting="$scratch/counting-convert"
printf '#!/bin/sh\necho run >>"%s"\nexec "%s" "$@"\n' "$scratch/runs" "$convert" >"$counting"
chmod +x "$counting"
convert_real=$convert convert=$counting
reply 1 km m >/dev/null
convert=$convert_real
expect_eq "one process per Tab" 1 "$(wc -l <"$scratch/runs")"

# --- Files after --profile ----------------------------------------------
expect_reply "files after --profile" "$scratch/my profiles" --profile "$scratch/my"
finish
