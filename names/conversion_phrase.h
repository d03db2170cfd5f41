#pragma once
// The one-argument phrase as both the command line and the desktop search read
// it. After the number comes either "FROM to TO" / "FROM in TO" (the last
// such word splits), or the two names side by side, split at the blank
// where both sides name units of one category:
//
//   "5 km to mi"         -> {"5", "km", "mi"}
//   "5km mi"             -> {"5", "km", "mi"}
//   "3.2 Pound Force N"  -> {"3.2", "Pound Force", "N"}
//   "5 km"               -> nothing here; ReadConversionPhrase takes it
//                           as a value with no target
#include <optional>
#include <string>
#include <string_view>

#include "conversion_text.h"
#include "expression_conversion.h"
#include "name_index.h"

// The phrase split into value and names. With " to " or " in " in it the
// split is textual, as SplitConversionText's, and the names may still be
// unknown (the caller says why); without, only a split whose names resolve
// in `category` (or in one category, when none is named) counts.
std::optional<ConversionText> SplitConversionPhrase(const NameIndex& index, std::string_view text,
                                                    std::optional<std::string_view> category);

// What a launcher query means: a value, its category and unit, and the
// target unit when one was named. Nothing when it is not a conversion.
// A lone unit that stands in several categories ("5 min") is taken in the
// first of them in catalogue order; a bare "F" or "C" with no target
// ("72 F") is the temperature, and the catalogue's unit of that symbol (the
// farad, the speed of light) its other meaning. A sum of units with its target
// ("5 ft 3 in to cm") is counted in its last unit: 63 Inches to Centimeters.
// The value reads as the command line's VALUE does (ReadValue): "3/4 mi to
// km" is 0.75 Miles, and a bad fraction ("1/0 ft to in") means nothing.
struct PhraseMeaning {
    std::string valueText;  // the number as typed; a fraction as the number it is ("0.75")
    double value = 0;
    int row = 0;
    int from = 0;
    std::optional<int> to;
    std::optional<UnitPlace> alsoMeant;  // the unit's other meaning, offered after
};
std::optional<PhraseMeaning> ReadConversionPhrase(const NameIndex& index, std::string_view text);

// A query whose value or units are an expression, which
// ReadConversionPhrase does not read (quantity_expression.h):
//
//   "1 kg/m^3 to lb/ft^3"  -> 0.062427960576145, read as "1 kg/m³" to "lb/ft³";
//                             plain: 1 Kilograms/meter³ to Pound/foot³
//   "3*12 in to ft"        -> 3, read as "36 in" to "ft"; plain: 36 Inches to Feet
//   "350 F to C"           -> 176.66666666667, read as "350 °F" to "°C"
//   "1 J/(mol*K) to cal/(mol*K)" -> 0.23900573613767; no plain conversion
//
// `plain` is the same conversion between two units one category lists, of
// the same sizes (to within 1e-12), for the window, which shows only
// those. Nothing for a text that does not convert: a refusal, several
// readings that give different results, a result that is not finite.
struct ExpressionPhrase {
    ExpressionConversion conversion;
    std::optional<PhraseMeaning> plain;
};
std::optional<ExpressionPhrase> ReadExpressionPhrase(const NameIndex& index, std::string_view text);
