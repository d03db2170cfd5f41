#pragma once
// One conversion as mezura-convert reads it, on the command line and on
// every --batch line: the value may be a fraction or mixed number, may carry
// its own units (then FROM is empty), and the target may be a list of units.
//
//   value        from   to       result
//   "5"          "km"   "mi"     "3.1068559611867"   (as ever: ConvertValue, the result format)
//   "3/4"        "in"   "cm"     "1.905"
//   "5 ft 3 in"  ""     "cm"     "160.02"
//   "1.75"       "m"    "ft+in"  "5 ft 8.8976377952756 in"
//   "5 ft 3 lb"  ""     "cm"     refused: "ft" and "lb" are not units of one category (...)
//   "1/0"        "ft"   "in"     refused: cannot read "1/0" as a value (...)
//   "1 mpg 2 mpg" ""    "mpg"    refused: fuel economies cannot be added (...)
//
// All the units of one conversion must be in one category: the one named,
// or else the only one that holds them all. A good conversion allocates
// nothing once its names have been looked up.
#include <optional>
#include <string>
#include <string_view>

#include "mixed_format.h"
#include "name_index.h"

struct ConversionRequest {
    std::string_view value;
    std::string_view from;  // empty: the value carries its units
    std::string_view to;
    std::optional<std::string_view> category;
};

// Writes the result over `text` and gives true, or writes the problem over
// it, in one line for the user, and gives false; `categoryHint` says how to
// name a category. A batch keeps one text for every line, so neither a
// result nor the message of a slip met before allocates.
// Why a VALUE does not read (ReadValue): a fraction gone wrong is refused,
// never taken for its leading number.
std::string ValueProblem(std::string_view value);

bool ConvertRequest(const NameIndex& index, const ConversionRequest& request,
                    const PartStyle& style, std::string& text, std::string_view categoryHint);

// How the conversion is read, over `text`, or the problem it would meet:
//   "1" "kg/m^3" "lb/ft^3"  -> "1 kg·m⁻³ → lb·ft⁻³, density (mass/length³), × 0.062427960576145"
//   "1" "kg/m^3" "lb/ft^2"  -> refused: "kg/m^3" is density (mass/length³); "lb/ft^2" is
//   mass/length² "10" "L/100 km" "mpg"   -> "10 L/100 km → mpg, fuel economy, = 23.521458333333"
// Units by their dimensions explain themselves; sums, lists of targets,
// fuel economy and custom categories, which the dimensions do not reach,
// say their category and the result.
bool ExplainRequest(const NameIndex& index, const ConversionRequest& request,
                    const PartStyle& style, std::string& text, std::string_view categoryHint);
