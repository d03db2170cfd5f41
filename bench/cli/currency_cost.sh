#!/usr/bin/env bash
# What the exchange rates cost mezura-convert, in instructions counted by
# callgrind (immune to the load of a shared machine):
#   1 km mi without a rates cache     the plain conversion as before
#   1 km mi with 30 cached rates      the cache is read on every start
#   100 USD EUR with the same cache   a conversion of money
# and the two ratios against their targets: the plain conversion keeps its
# cost (reading the cache adds little), money costs at most 1.5x length.
# Usage: bench/cli/currency_cost.sh build/mezura-convert
set -euo pipefail
convert=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/empty" "$scratch/full/mezura"
{
  echo "Mezura exchange rates 1"
  echo "source https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"
  echo "fetched $(date +%s)"
  echo "date $(date -u +%F)"
  for code in USD JPY CZK DKK GBP HUF PLN RON SEK CHF ISK NOK TRY AUD BRL CAD CNY HKD IDR \
    ILS INR KRW MXN MYR NZD PHP SGD THB ZAR BGN; do
    echo "$code 1.$RANDOM"
  done
} >"$scratch/full/mezura/rates"

instructions() {  # cache-home args...
  local home=$1
  shift
  XDG_CACHE_HOME=$home XDG_CONFIG_HOME=$scratch valgrind --tool=callgrind \
    --callgrind-out-file="$scratch/out" "$convert" "$@" >/dev/null 2>"$scratch/log"
  sed -n 's/.*Collected : *//p' "$scratch/log"
}

plain=$(instructions "$scratch/empty" 1 km mi)
cached=$(instructions "$scratch/full" 1 km mi)
money=$(instructions "$scratch/full" 100 USD EUR)
echo "1 km mi, no rates cache:   $plain instructions"
echo "1 km mi, 30 cached rates:  $cached instructions ($(bc -l <<<"scale=3; $cached / $plain")x)"
echo "100 USD EUR, same cache:   $money instructions ($(bc -l <<<"scale=3; $money / $cached")x length, target <= 1.5)"
