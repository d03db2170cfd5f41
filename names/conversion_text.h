#pragma once
// One conversion written as one argument, the way people type it into a
// launcher: a number, the unit, "to" or "in", the other unit.
//
//   "5 km to mi"      -> {"5", "km", "mi"}
//   "5km in mi"       -> {"5", "km", "mi"}
//   "100 °F to °C"    -> {"100", "°F", "°C"}
//   "-1.5e3 in to cm" -> {"-1.5e3", "in", "cm"}   (the last " to " splits)
//   "km to mi"        -> nothing (no number)
#include <optional>
#include <string>
#include <string_view>

struct ConversionText {
    std::string value;
    std::string from;
    std::string to;
};

std::optional<ConversionText> SplitConversionText(std::string_view text);

// The number at the start and the text after it, both without the blanks
// around them: "5km mi" -> {"5", "km mi"}; nothing when no number starts it.
struct ValueAndRest {
    std::string_view value;
    std::string_view rest;
};
std::optional<ValueAndRest> SplitLeadingValue(std::string_view text);
