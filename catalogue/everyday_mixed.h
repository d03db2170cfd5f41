#pragma once
// The output units the window can show as mixed units, the way people write
// heights, weights, durations and angles:
//
//   Distance  Feet     -> "5 ft 8 7/8 in"      (inches to the nearest 1/N)
//   Distance  Inches   -> "68 7/8 in"
//   Mass      Pounds   -> "3 lb 4 oz"
//   Mass      Stones   -> "12 st 4 lb"
//   Time      Hours    -> "2 h 30 min 0 s"
//   Angle     Degrees  -> "30° 15′ 10″"
//
// Names are the catalogue's (Windows-1252); the text written is UTF-8, as
// the primes need.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "mixed_format.h"

// The size of the unit of that name in the category, when it has one.
using UnitSize = std::function<std::optional<double>(std::string_view unitName)>;

// `value` (in the category's reference unit) written the mixed way when
// `outputUnit` of `category` has one; nothing otherwise. Inches go to the
// nearest 1/`inchFraction`, other last parts in `style`.
std::optional<std::string> EverydayMixedText(std::string_view category, std::string_view outputUnit,
                                             double value, const UnitSize& sizeOf,
                                             const ResultStyle& style, int inchFraction);
