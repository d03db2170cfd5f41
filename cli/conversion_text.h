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
