#include "mixed_conversion.h"

#include <array>
#include <cmath>

#include "builtin_units.h"
#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"
#include "currency_units.h"
#include "decimal_comma.h"
#include "decimal_comma_advice.h"
#include "expression_conversion.h"
#include "mixed_value.h"
#include "number_text.h"
#include "problem_hint.h"
#include "quantity_expression.h"
#include "text_1252.h"
#include "unit_resolver.h"
#include "unit_word.h"
#include "visible_text.h"

namespace {

// A problem for the user, over the text the result would have taken.
bool Refuse(std::string& text, std::string problem) {
    text = std::move(problem);
    return false;
}

// The problems a reading by dimensions may mend: a name the catalogue does
// not hold ("kJ", "kg/m^3"), or two names of categories of one dimension
// ("Nm" and "ft lbf").
bool ExpressionMayMend(ResolveProblem problem) {
    return problem == ResolveProblem::UnknownFrom || problem == ResolveProblem::UnknownTo ||
           problem == ResolveProblem::NoCommonCategory;
}

// The conversion read by dimensions, written over `text`; false with the
// reader's problem in `problem`, and `unknownWord` set when a side is one
// word that names nothing.
bool ConvertByDimensions(const NameIndex& index, const ConversionRequest& request,
                         const PartStyle& style, std::string& text, std::string& problem,
                         bool& unknownWord) {
    ExpressionConversion answer;
    if (!ConvertExpression(index, request.value, request.from, request.to, answer, problem,
                           &unknownWord))
        return false;
    WriteAmountInto(text, answer.result, style);
    return true;
}

bool NotFinite(std::string& text, std::string_view value, std::string_view from) {
    return Refuse(text, "not a finite number: " + Quoted(value) + " " + Quoted(from));
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
    std::string problem;
    bool unknownWord = false;
    if (!request.from.empty()) {
        // A value the atof rule reads only in part ("3*12", "5x") goes to the
        // expression reader, which reads all of it or says what it could not.
        bool whole = true;
        value = ReadValue(request.value, whole);
        if (!value || !whole) {
            // Arithmetic in the value ("3*12", "2^10"), or something left over.
            // A fraction gone wrong ("1/0", "1/2/3") is refused as ever.
            const bool fraction =
                !value && request.value.find_first_of("*^()+") == std::string_view::npos;
            if (!fraction && !targets &&
                ConvertByDimensions(index, request, style, text, problem, unknownWord))
                return true;
            return Refuse(text, fraction ? ValueProblem(request.value) : std::move(problem));
        }
        if (!std::isfinite(*value)) return NotFinite(text, request.value, request.from);
        // A unit the lists do not hold ("kJ", "GWh") met before on this
        // run: the plain lookup would only fail again.
        double known = 0;
        if (!targets && !request.category && index.HasRememberedWords() &&
            ConvertKnownWords(index, *value, request.from, request.to, known)) {
            WriteAmountInto(text, known, style);
            return true;
        }
    }
    // The plain conversion, as it has always been.
    if (value && !targets) {
        const Resolution found =
            ResolveConversion(index, request.from, request.to, request.category);
        if (found.problem != ResolveProblem::None) {
            // Names the catalogue does not list may still be units by their
            // dimensions; a plain name's own message stands.
            if (!request.category && ExpressionMayMend(found.problem)) {
                if (ConvertByDimensions(index, request, style, text, problem, unknownWord))
                    return true;
                const auto plainNames = [&] {
                    return !LooksLikeExpression(request.from) && !LooksLikeExpression(request.to);
                };
                if (!unknownWord &&
                    !(found.problem == ResolveProblem::NoCommonCategory && plainNames()))
                    return Refuse(text, std::move(problem));
            }
            AppendHint(
                text,
                DescribeProblemInto(text, index, found, request.from, request.to, request.category),
                categoryHint);
            return false;
        }
        if (BelowAbsoluteZero(found.row, found.from, *value))
            return Refuse(text, "a temperature below absolute zero: " + Quoted(request.value) +
                                    " " + Quoted(request.from));
        const double result = ConvertValue(catalogue, found.row, found.from, found.to, *value);
        if (!std::isfinite(result) && std::isfinite(catalogue.Factor(found.row, found.to)) &&
            catalogue.Factor(found.row, found.to) != 0)
            return Refuse(text, "the result is not a finite number");
        WriteAmountInto(text, result, StyleOfTarget(catalogue, found.row, found.to, style));
        return true;
    }

    Quantity source;
    if (request.from.empty()) {
        const auto quantity = ReadQuantity(request.value);
        if (!quantity) {
            // Quantities multiplied and divided: "10 km / 2 h", "3000 mAh * 3.7 V";
            // "5 ft 3" stays an amount without its unit.
            const bool signs = request.value.find_first_of("*/^()") != std::string_view::npos ||
                               request.value.find("\xC2\xB7") != std::string_view::npos ||
                               request.value.find("\xC3\x97") != std::string_view::npos;
            if (signs && !targets &&
                ConvertByDimensions(index, request, style, text, problem, unknownWord))
                return true;
            if (LooksLikeExpression(request.value) && !problem.empty() && !unknownWord)
                return Refuse(text, std::move(problem));
            return Refuse(text, "cannot read " + Quoted(request.value) +
                                    " as a value with its units, such as \"5 ft 3 in\"");
        }
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
        // A value read as a sum may be a product: "5 km 2 h" is no sum, and
        // "1 Nm" no sum of one.
        if (!targets && !request.category && ExpressionMayMend(found.problem)) {
            if (ConvertByDimensions(index, request, style, text, problem, unknownWord)) return true;
            bool signs = false;
            for (std::string_view name : typed) signs = signs || LooksLikeExpression(name);
            if (signs && !problem.empty()) return Refuse(text, std::move(problem));
        }
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

bool ExplainRequest(const NameIndex& index, const ConversionRequest& request,
                    const PartStyle& style, std::string& text, std::string_view categoryHint) {
    // A --category chooses among the catalogue's own names; the dimensions
    // know no categories, so such a request is read the plain way.
    if (!request.category && !DecimalCommaAt(request.value, 0)) {
        ExpressionConversion answer;
        answer.explain = true;
        std::string problem;
        bool unknownWord = false;
        if (ConvertExpression(index, request.value, request.from, request.to, answer, problem,
                              &unknownWord)) {
            text = std::move(answer.explanation);
            return true;
        }
    }
    std::string result;
    if (!ConvertRequest(index, request, style, result, categoryHint)) {
        text = std::move(result);
        return false;
    }
    text = std::string(request.value);
    if (!request.from.empty()) {
        text += ' ';
        text += request.from;
    }
    text += " \xE2\x86\x92 ";
    text += request.to;
    const Resolution found =
        request.from.empty() ? Resolution{ResolveProblem::UnknownFrom}
                             : ResolveConversion(index, request.from, request.to, request.category);
    if (found.problem == ResolveProblem::None) {
        const int row = found.row;
        text += ", ";
        text += row < BuiltinCategoryCount && row != FuelEconomyRow
                    ? KindText(BuiltinCategories[row].dimension)
                    : Utf8FromCp1252(LowerCp1252(index.Indexed().CategoryName(row)));
    }
    text += ", = ";
    text += result;
    return true;
}
