#pragma once
// One conversion written as one argument, the way people type it into a
// launcher: a value with its unit or units, "to", "in" or "nach", the target.
//
//   "5 km to mi"          -> {"5", "km", "mi"}
//   "5km in mi"           -> {"5", "km", "mi"}
//   "100 °F to °C"        -> {"100", "°F", "°C"}
//   "-1.5e3 in to cm"     -> {"-1.5e3", "in", "cm"}   (the last " to " splits)
//   "3/4 in to cm"        -> {"3/4", "in", "cm"}
//   "5 ft 3 in in cm"     -> {"5 ft 3 in", "", "cm"}  (a sum keeps its units: no FROM)
//   "1.75 m to ft+in"     -> {"1.75", "m", "ft+in"}
//   "10 Zoll nach cm"     -> {"10", "Zoll", "cm"}
//   "2.5 KG TO LB"        -> {"2.5", "KG", "LB"}     (the words in any case)
//   "km to mi"            -> nothing (no number)
//
// The split is the last " to " whose left side reads as a value with its
// units (mixed_value.h), else the last such " in ", else " nach ", each
// word in any case.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct ConversionText {
    std::string value;
    std::string from;  // empty when `value` is a sum of several units
    std::string to;
};

std::optional<ConversionText> SplitConversionText(std::string_view text);

// Whether `word` (ASCII, lower case) stands at `at` in any case, with a blank
// on either side: "TO" and "In" split as "to" and "in" do.
bool IsWordBetweenBlanks(std::string_view text, std::size_t at, std::string_view word);

// The amount at the start (a number, fraction or mixed number, as
// AmountLength reads it) and the text after it, both without the blanks
// around them: "5km mi" -> {"5", "km mi"}, "1 1/2 ft in" -> {"1 1/2", "ft in"};
// nothing when no number starts it.
struct ValueAndRest {
    std::string_view value;
    std::string_view rest;
};
std::optional<ValueAndRest> SplitLeadingValue(std::string_view text);
