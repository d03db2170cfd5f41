#pragma once
// The exchange-rate commands of mezura-convert, and the note a conversion
// gives when the rates it used are old.
//
//   --rates          each source's date, age and address, then every rate
//                    in use with its source and date
//   --update-rates   downloads the rates of every source from the profile's
//                    [Currency] addresses (through mezura-fetch-rates),
//                    checks them and keeps each source's on its own
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fd_writer.h"
#include "rates_in_use.h"

class Catalogue;

// Why a command that needs rates has none, as --rates and a conversion both
// say it: "cannot use the cached rates in PATH: line 5: ..." for a cache
// refused, "no exchange rates yet; ..." for none. Not yet escaped.
std::string NoRatesMessage(const KeptRates& kept);

// Status 0 done, 1 no usable rates. `catalogue` holds the rates' currencies.
int RunRates(const KeptRates& kept, const Catalogue& catalogue, std::int64_t nowUtc, FdWriter& out,
             FdWriter& err);

// Status 0 done, 1 a download or its rates were refused (that source's cache
// is unchanged, the others are updated), 2 an address is refused.
int RunUpdateRates(const std::optional<std::string>& profilePath, std::int64_t nowUtc,
                   FdWriter& out, FdWriter& err);

// For a conversion that used the Currency category: a line for stderr for
// each source of `codes` whose rates are old, else empty.
std::string StaleRatesNote(const KeptRates& kept, const std::vector<std::string_view>& codes,
                           std::int64_t nowUtc);
