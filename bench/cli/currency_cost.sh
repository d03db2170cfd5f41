#!/usr/bin/env bash
# What the exchange rates cost mezura-convert, in instructions counted by
# callgrind (immune to the load of a shared machine):
#   1 km mi without a rates cache     the plain conversion as before
#   1 km mi with the caches full      a length never reads them
#   100 USD EUR with the same caches  a conversion of money: 150 currencies,
#                                     the ECB's 30, NBP table A's and B's
#   100 USD ARS with the same caches  one from table B, through table A
# and the ratios against their targets: the plain conversion keeps its
# cost, money costs at most 1.5x length.
# Usage: bench/cli/currency_cost.sh build/mezura-convert
set -euo pipefail
convert=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/empty" "$scratch/full/mezura"
cache() {  # file base date codes...
  local file=$1 base=$2 date=$3 k=0
  shift 3
  {
    echo "Mezura exchange rates 1"
    echo "source https://example.org/$file"
    echo "fetched $(date +%s)"
    echo "date $date"
    [ -z "$base" ] || echo "base $base"
    for code in "$@"; do
      k=$((k + 1))
      echo "$code 1.$k${RANDOM}1"  # ending in 1: written as Mezura writes it
    done
  } >"$scratch/full/mezura/$file"
}
today=$(date -u +%F)
cache rates "" "$today" USD JPY CZK DKK GBP HUF PLN RON SEK CHF ISK NOK TRY AUD BRL CAD CNY HKD \
  IDR ILS INR KRW MXN MYR NZD PHP SGD THB ZAR BGN
cache rates-nbp-a PLN "$today" EUR USD THB AUD HKD CAD NZD SGD HUF CHF GBP UAH JPY CZK DKK ISK \
  NOK SEK RON BGN TRY ILS CLP PHP MXN ZAR BRL MYR IDR INR KRW CNY XDR
cache rates-nbp-b PLN "$today" AED AFN ALL AMD AOA ARS AWG AZN BAM BBD BDT BHD BIF BMD BND BOB \
  BSD BTN BWP BYN BZD CDF COP CRC CUP CVE DJF DOP DZD EGP ERN ETB FJD GEL GHS GMD GNF GTQ GYD \
  HNL HTG IQD IRR JMD JOD KES KGS KHR KMF KWD KZT LAK LBP LKR LRD LSL LYD MAD MDL MGA MKD MMK \
  MNT MOP MRU MUR MVR MWK MZN NAD NGN NIO NPR OMR PAB PEN PGK PKR PYG QAR RSD RWF SAR SBD SCR \
  SDG SLE SOS SRD SSP STN SVC SYP SZL TJS TMT TND TOP TTD TWD TZS UGX UYU UZS VES VND VUV WST \
  XAF XCD XOF XPF YER ZMW KYD GIP FKP SHP

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
tableB=$(instructions "$scratch/full" 100 USD ARS)
currencies=$(XDG_CACHE_HOME=$scratch/full "$convert" --rates | grep -vc '^source')
echo "1 km mi, no rates cache:     $plain instructions"
echo "1 km mi, caches full:        $cached instructions ($(bc -l <<<"scale=3; $cached / $plain")x)"
echo "100 USD EUR, $currencies currencies: $money instructions ($(bc -l <<<"scale=3; $money / $cached")x length, target <= 1.5)"
echo "100 USD ARS, same caches:    $tableB instructions ($(bc -l <<<"scale=3; $tableB / $cached")x length, target <= 1.5)"
