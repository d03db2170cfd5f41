#include "mixed_conversion.h"

#include <array>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"
#include "currency_units.h"
#include "decimal_comma.h"
#include "decimal_comma_advice.h"
#include "mixed_value.h"
#include "problem_hint.h"
#include "unit_resolver.h"
#include "visible_text.h"

namespace {

// A problem for the user, over the text the result would have taken.
bool Refuse(std::string& text, std::string problem) {
    text = std::move(problem);
    return false;
}

// Money in AutoFormat is written to its currency's minor unit.
PartStyle StyleOfTarget(const Catalogue& catalogue, int row, int position, const PartStyle& style) {
    return {StyleForUnit(catalogue, row, position, style.result), style.fraction};
}

}  // namespace

std::string ValueProblem(std::string_view value) {
    return "cannot read " + Quoted(value) +
           " as a value; write a number, a fraction such as \"3/4\" or a mixed number such as "
           "\"1 1/2\"";
}

bool ConvertRequest(const NameIndex& index, const ConversionRequest& request,
                    const PartStyle& style, std::string& text, std::string_view categoryHint) {
    // Scripts write the decimal point whatever the language: "1,5" would read as 1.
    if (DecimalCommaAt(request.value, 0)) return Refuse(text, DecimalCommaAdvice(request.value));
    const Catalogue& catalogue = index.Indexed();
    const std::optional<UnitList> targets =
        ListSeparator(request.to) != std::string_view::npos && index.Units(request.to).empty()
            ? ReadUnitList(request.to)
            : std::nullopt;
    // The value first: a bad one is the problem whatever the names.
    std::optional<double> value;
    if (!request.from.empty()) {
        value = ReadValue(request.value);
        if (!value) return Refuse(text, ValueProblem(request.value));
    }
    // The plain conversion, as it has always been.
    if (value && !targets) {
        const Resolution found =
            ResolveConversion(index, request.from, request.to, request.category);
        if (found.problem != ResolveProblem::None) {
            AppendHint(
                text,
                DescribeProblemInto(text, index, found, request.from, request.to, request.category),
                categoryHint);
            return false;
        }
        WriteAmountInto(text, ConvertValue(catalogue, found.row, found.from, found.to, *value),
                        StyleOfTarget(catalogue, found.row, found.to, style));
        return true;
    }

    Quantity source;
    if (request.from.empty()) {
        const auto quantity = ReadQuantity(request.value);
        if (!quantity)
            return Refuse(text, "cannot read " + Quoted(request.value) +
                                    " as a value with its units, such as \"5 ft 3 in\"");
        source = *quantity;
    } else {
        source.count = 1;
        source.parts[0] = {*value, request.from, request.from};
    }
    // Every unit name of the conversion, source first, then target.
    std::array<std::string_view, MostResolvedNames> names;
    std::size_t named = 0;
    for (int i = 0; i < source.count; ++i) names[named++] = source.parts[i].name;
    const int firstTarget = static_cast<int>(named);
    if (targets) {
        for (int i = 0; i < targets->count; ++i) names[named++] = targets->names[i];
    } else {
        names[named++] = request.to;
    }
    const auto typed = std::span(names.data(), named);
    const UnitsResolution found = ResolveUnits(index, typed, request.category);
    if (found.problem != ResolveProblem::None) {
        AppendHint(text, DescribeProblemInto(text, index, found, typed, request.category),
                   categoryHint);
        return false;
    }
    const int row = found.row;
    const auto& positions = found.positions;
    // Temperatures and fuel economies convert by formula, not in proportion
    // to a size: a sum of them or a split into parts means nothing.
    if (!ConvertsByFactors(catalogue, row) && (source.count > 1 || targets)) {
        const bool temperature = catalogue.CategoryName(row) == TemperatureName;
        if (source.count > 1)
            return Refuse(text, temperature
                                    ? "temperatures cannot be added: convert one at a time"
                                    : "fuel economies cannot be added: convert one at a time");
        return Refuse(text, temperature ? "a temperature cannot be split into several units"
                                        : "a fuel economy cannot be split into several units");
    }
    if (source.count == 1 && !targets) {
        // One unit each way, whatever way it was written.
        const double amount = source.negative ? -source.parts[0].amount : source.parts[0].amount;
        WriteAmountInto(text, ConvertValue(catalogue, row, positions[0], positions[1], amount),
                        StyleOfTarget(catalogue, row, positions[1], style));
        return true;
    }
    double total = 0;
    for (int i = 0; i < source.count; ++i)
        total += source.parts[i].amount * catalogue.Factor(row, positions[i]);
    if (source.negative) total = -total;
    if (!targets) {
        WriteAmountInto(text, total / catalogue.Factor(row, positions[firstTarget]),
                        StyleOfTarget(catalogue, row, positions[firstTarget], style));
        return true;
    }
    std::array<double, MaxMixedParts> sizes{};
    for (int i = 0; i < targets->count; ++i)
        sizes[i] = catalogue.Factor(row, positions[firstTarget + i]);
    const auto count = static_cast<std::size_t>(targets->count);
    if (!IsLargestFirst(std::span(sizes.data(), count)))
        return Refuse(text, "the units of " + Quoted(request.to) +
                                " must go from the largest to the smallest, as in \"ft+in\"");
    WriteMixedInto(text, total, std::span(sizes.data(), count),
                   std::span(targets->labels.data(), count), style);
    return true;
}
