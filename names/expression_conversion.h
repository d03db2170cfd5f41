#pragma once
// A conversion of which a side is an expression (quantity_expression.h):
// the reading under which both sides have one dimension converts.
//
//   "1" "kg/m^3" "lb/ft^3"         -> 0.062427960576145
//   "10 km / 2 h" "" "km/h"        -> 5    (the value carries the units)
//   "3*12" "in" "ft"               -> 3
//   "60 mi/h * 30 min" "" "km"     -> 48.28032 (the minute of time, not of arc)
//   "350" "F" "C"                  -> 176.66666666667 (°F to °C: the one reading that fits)
//   "1" "kg/m^3" "lb/ft^2"         -> refused: "kg/m^3" is density (mass/length³);
//                                     "lb/ft^2" is mass/length²
//   "-300" "°C" "K"                -> refused: below absolute zero
//   "1e400" "m" "ft"               -> refused: not a finite number
//
// Temperatures alone are temperatures on their scale; in a product or a
// quotient their degrees are differences ("W/(m*°C)" is "W/(m*K)").
#include <string>
#include <string_view>

#include "dimension.h"
#include "name_index.h"
#include "quantity_expression.h"

struct ExpressionConversion {
    double result = 0;
    // How it was read: "1 kg·m⁻³ → lb·ft⁻³, density (mass/length³), × 0.062427960576145",
    // written only when `explain` is set: a batch line has no use for it.
    bool explain = false;
    std::string explanation;
    // The same, as one writes it (quantity_expression.h's WrittenUnits),
    // written only when `write` is set:
    // `number` `sourceUnits` = `result` `targetUnits`, "1 kg/m³ = … lb/ft³",
    // "36 in = 3 ft" for "3" "in" "ft" and for "3*12 in" "" "ft",
    // "350 °F = … °C" for "350" "F" "C"; a target with a number of its own
    // in parentheses, "(2 ft)". A value that carries its units and combines
    // quantities is `sourceTyped` instead, tidied (TidiedExpression):
    // "10 km / 2 h", "60 mi/h · 30 min", where "1800 mi·min/h" would say less.
    bool write = false;
    double number = 1;
    std::string sourceUnits;
    std::string sourceTyped;
    std::string targetUnits;
    // The readings that converted: sizes, dimension and scale of each side.
    ExpressionReading source;
    ExpressionReading target;
};

// `from` empty: `value` carries the units. False with the problem in
// `problem`; `unknownWord` is set when a side is a single word that names
// nothing, or a name without any sign of the grammar that does not read
// (the caller's message for an unknown name then stands).
bool ConvertExpression(const NameIndex& index, std::string_view value, std::string_view from,
                       std::string_view to, ExpressionConversion& answer, std::string& problem,
                       bool* unknownWord = nullptr);

// The short way for two single words read before (NameIndex::RememberedWord)
// of which one is no name of the catalogue, such as "kJ" to "kcal": the same
// result as ConvertExpression, without reading anything again. False
// whenever it is not that plain (a word not read yet, a temperature, no
// reading or several that fit, a number that is not finite): the caller then
// takes the whole way, which also words any refusal.
bool ConvertKnownWords(const NameIndex& index, double value, std::string_view from,
                       std::string_view to, double& result);

// "density (mass/length³)", "energy or torque (mass·length²/time²)", "mass/length²".
std::string KindText(const Dimension& dimension);
