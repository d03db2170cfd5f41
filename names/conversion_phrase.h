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
// first of them in catalogue order. A sum of units with its target
// ("5 ft 3 in to cm") is counted in its last unit: 63 Inches to Centimeters.
// The value reads as the command line's VALUE does (ReadValue): "3/4 mi to
// km" is 0.75 Miles, and a bad fraction ("1/0 ft to in") means nothing.
struct PhraseMeaning {
    std::string valueText;  // the number as typed; a fraction as the number it is ("0.75")
    double value = 0;
    int row = 0;
    int from = 0;
    std::optional<int> to;
};
std::optional<PhraseMeaning> ReadConversionPhrase(const NameIndex& index, std::string_view text);
