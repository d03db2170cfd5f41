#pragma once
// The one-shot commands of mezura-convert. Each writes its results to `out`
// and at most one error line to `err`, and returns the exit status (0 done,
// 2 bad names). Results are FormatResult's text in `style`, the names those
// of the index's catalogue.
//
//   RunConvert  1 Kilometers Miles   -> "0.62137119223733\n"
//   RunAll      1 Feet               -> "Angstrom\t304800000\n" ... one line per unit of "Distance"
//   RunSuggested 5 km                -> "3.1068559611867 mi\n5468.0664916885 yd\n5000 m\n"
//   RunList                          -> "Acceleration\n" ... the categories in use
//   RunList     Distance             -> "Angstrom\t1e-08\n" ... "unit<TAB>factor", shortest exact
//   factor
//   RunNames                         -> "Distance\tKilometers\tkm, kilometer, ...\n" ... every
//   unit of every category in use with its aliases
#include <optional>
#include <string_view>

#include "fd_writer.h"
#include "mixed_conversion.h"
#include "name_index.h"
#include "result_format.h"

// Also fractions, values with their own units and mixed targets
// (mixed_conversion.h): "'5 ft 3 in' cm", "1.75 m ft+in".
int RunConvert(const NameIndex& index, const PartStyle& style, const ConversionRequest& request,
               FdWriter& out, FdWriter& err);

// How the conversion is read (ExplainRequest), one line.
int RunExplain(const NameIndex& index, const PartStyle& style, const ConversionRequest& request,
               FdWriter& out, FdWriter& err);

int RunAll(const NameIndex& index, const ResultStyle& style, std::string_view value,
           std::string_view from, std::optional<std::string_view> category, FdWriter& out,
           FdWriter& err);

// VALUE in the units worth showing it in when no target is named
// (SuggestedTargets), one "RESULT UNIT" a line, each unit by its symbol
// where it has one, as the desktop search writes it beside a number.
int RunSuggested(const NameIndex& index, const ResultStyle& style, std::string_view value,
                 std::string_view from, std::optional<std::string_view> category, FdWriter& out,
                 FdWriter& err);

int RunList(const NameIndex& index, std::optional<std::string_view> category, FdWriter& out,
            FdWriter& err);

// Every unit as CATEGORY<TAB>UNIT<TAB>ALIASES, the aliases joined by ", "
// (custom units have none); a category without units gets one line with an
// empty UNIT, so every category in use appears.
int RunNames(const NameIndex& index, FdWriter& out);
