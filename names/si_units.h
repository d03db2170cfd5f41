#pragma once
// The SI units the catalogue's units are made of, with the few units used
// with SI that take its prefixes (litre, tonne, bar, electronvolt, watt
// hour, ampere hour), known to expressions by symbol and by name even where
// no category lists them alone: "lm", "kJ", "GWh", "µs", "KiB". UTF-8.
//
// A symbol is matched in its exact case (case is the meaning of "mm" and
// "Mm"); a name in any case and also with a plural "s" ("kilojoules").
// The catalogue's own names and aliases come first (unit_word.h): this
// table only answers what they do not.
#include <optional>
#include <span>
#include <string_view>

#include "dimension.h"

struct SiUnit {
    std::string_view symbol;  // exact case; "" when the unit has none
    std::string_view names;   // "|"-separated, singular, any case
    double size;              // in SI base units (kelvin for a temperature)
    Dimension dimension;
    bool prefixed;        // takes the SI prefixes
    bool binary = false;  // takes Ki ... Ei as well (bit, byte)
    bool kelvin = false;  // the kelvin: alone, a temperature on its scale
};

struct SiPrefix {
    std::string_view symbol;  // "k", "µ" (both code points and "u" are listed)
    std::string_view name;    // "kilo"
    double factor;
};

extern const std::span<const SiUnit> SiUnits;
extern const std::span<const SiPrefix> SiPrefixes;      // quecto ... quetta
extern const std::span<const SiPrefix> BinaryPrefixes;  // Ki ... Ei

// One reading of a word as an SI unit, possibly prefixed.
struct SiReading {
    const SiUnit* unit;
    double factor;  // the prefix's, 1 without one
};

// Up to `room` readings of `word` (several where one symbol has several
// units: "Gb" is a gigabit and a gigabarn), into `into`; their count.
// `exactCase` false reads symbols without regard to case as well;
// `byName` false reads symbols only ("kilometers" is then no reading).
int ReadSiWord(std::string_view word, bool exactCase, std::span<SiReading> into,
               bool byName = true);
