#pragma once
// The exchange-rate commands of mezura-convert, and the note a conversion
// gives when the rates it used are old.
//
//   --rates          date, source, age and every rate of the cached rates
//   --update-rates   downloads the rates from the profile's RatesUrl (through
//                    mezura-fetch-rates), checks them and keeps them
#include <cstdint>
#include <optional>
#include <string>

#include "fd_writer.h"
#include "rates_cache.h"

// Why a command that needs rates has none, as --rates and a conversion both
// say it: "cannot use the cached rates in PATH: line 5: ..." for a cache
// refused, "no exchange rates yet; ..." for none. Not yet escaped.
std::string NoRatesMessage(const CachedRatesRead& cache);

// Status 0 done, 1 no usable rates.
int RunRates(const CachedRatesRead& cache, std::int64_t nowUtc, FdWriter& out, FdWriter& err);

// Status 0 done, 1 the download or the rates were refused (the cache is
// unchanged), 2 the address is refused.
int RunUpdateRates(const std::optional<std::string>& profilePath, std::int64_t nowUtc,
                   FdWriter& out, FdWriter& err);

// For a conversion that used the Currency category: a line for stderr when
// the rates are more than four days old, else empty.
std::string StaleRatesNote(const CachedRatesRead& cache, std::int64_t nowUtc);
