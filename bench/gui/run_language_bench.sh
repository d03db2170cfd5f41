#!/usr/bin/env bash
# The window in German against the window in English, side by side in one
# run under Xvfb, as medians:
#   - start to first painted window (bench_gui_first_paint), the two
#     languages interleaved run by run;
#   - keystroke to new output text (bench_gui_keystroke), the two languages
#     in turn, the median of each run's median.
# German is a German desktop's session: LANGUAGE=de, LANG and LC_ALL
# de_DE.UTF-8 (scripts/setup makes the locale), so the window shows German
# names, sorts them as German sorts and writes a decimal comma; English is
# LANGUAGE=en with C.UTF-8. Target: German within 5 % of English. (The
# benchmark programs print with the C library, which writes a German
# decimal comma: the figures are read either way.)
#
# Usage: bench/gui/run_language_bench.sh [build-dir] [runs]   (default: build 21)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-21}
first=$build/bench/gui/bench_gui_first_paint
keystroke=$build/bench/gui/bench_gui_keystroke
locale -a 2>/dev/null | grep -qix 'de_DE.utf8' ||
  echo "run_language_bench: no de_DE.UTF-8 locale (scripts/setup makes it)" >&2

# shellcheck source=bench/gui/gui_bench_support.sh
. bench/gui/gui_bench_support.sh
gui_bench_need "$first" "$keystroke"
gui_bench_work

cat >"$work/inside.sh" <<INSIDE
#!/usr/bin/env bash
set -euo pipefail
# speaking LANGUAGE COMMAND...: the command in that language's session.
speaking() {
  if [ "\$1" = de ]; then
    shift; LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "\$@"
  else
    shift; LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8 "\$@"
  fi
}
# Warm-up: the first runs fill the font and file caches.
speaking en "$first" >/dev/null
speaking de "$first" >/dev/null
for ((i = 0; i < $runs; i++)); do
  for language in en de; do
    MEZURA_LAUNCH_US=\${EPOCHREALTIME/./} speaking \$language "$first" |
      sed -n 's/^first paint after \([0-9.,]*\) ms\$/\1/p' | tr , . >>"$work/start-\$language.txt"
  done
done
for ((i = 0; i < 5; i++)); do
  for language in en de; do
    speaking \$language "$keystroke" --keys 4000 |
      sed -n 's/.*median \([0-9.,]*\) us.*/\1/p' | tr , . >>"$work/keys-\$language.txt"
  done
done
INSIDE
gui_bench_run "$work/inside.sh"

for language in en de; do
  [ "$(wc -l <"$work/start-$language.txt")" -eq "$runs" ] ||
    { echo "run_language_bench: a start-up run in $language printed no time" >&2; exit 1; }
done
printf '%-8s %28s %30s\n' "" "start to first paint (ms)" "keystroke to output (us)"
for language in en de; do
  printf '%-8s %28s %30s\n' "$language" \
    "$(median "$work/start-$language.txt") (min $(sort -n "$work/start-$language.txt" | head -1))" \
    "$(median "$work/keys-$language.txt") ($(paste -sd' ' "$work/keys-$language.txt"))"
done
echo "German / English: start $(ratio "$(median "$work/start-de.txt")" "$(median "$work/start-en.txt")" %.3f), keystroke $(ratio "$(median "$work/keys-de.txt")" "$(median "$work/keys-en.txt")" %.3f) (target: at most 1.05)"
