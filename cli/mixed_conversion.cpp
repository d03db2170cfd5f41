#include "mixed_conversion.h"

#include <algorithm>
#include <array>
#include <vector>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"
#include "decimal_comma.h"
#include "decimal_comma_advice.h"
#include "mixed_value.h"
#include "number_text.h"
#include "unit_resolver.h"
#include "visible_text.h"

namespace {

constexpr int MaxNames = 2 * MaxMixedParts;

// Every unit name of one conversion, source first, then target.
struct Names {
    int count = 0;
    std::array<std::string_view, MaxNames> names;
    std::array<int, MaxNames> positions{};
    int row = 0;
};

// A typed amount: a fraction or mixed number when it reads as one, else
// the leading number, as plain values have always been read.
double AmountOf(std::string_view text) {
    if (text.find('/') != std::string_view::npos) {
        if (const auto amount = ReadAmount(text)) return *amount;
    }
    return ParseNumberPrefix(text);
}

std::string Listed(const Names& names) {
    std::string text;
    std::vector<std::string_view> distinct;
    for (int i = 0; i < names.count; ++i)
        if (std::find(distinct.begin(), distinct.end(), names.names[i]) == distinct.end())
            distinct.push_back(names.names[i]);
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (i > 0) text += i + 1 == distinct.size() ? " and " : ", ";
        text += Quoted(distinct[i]);
    }
    return text;
}

std::optional<int> PositionIn(std::span<const UnitPlace> places, int row) {
    for (const UnitPlace& place : places)
        if (place.row == row) return place.position;
    return std::nullopt;
}

// The rows that hold every name, in row order, each once.
template <typename Visit>
void ForEachSharedRow(const std::array<std::span<const UnitPlace>, MaxNames>& places, int count,
                      Visit visit) {
    for (const UnitPlace& place : places[0]) {
        bool everywhere = true;
        for (int i = 1; i < count && everywhere; ++i)
            everywhere = PositionIn(places[i], place.row).has_value();
        if (everywhere) visit(place.row);
    }
}

// A problem for the user, over the text the result would have taken.
bool Refuse(std::string& text, std::string problem) {
    text = std::move(problem);
    return false;
}

// The one category that holds every name, with each name's position; false
// with the problem in `text` when there is none.
bool Resolve(const NameIndex& index, Names& names, std::optional<std::string_view> category,
             std::string_view categoryHint, std::string& text) {
    index.Forget();
    if (category) {
        const auto row = index.Category(*category);
        if (!row) {
            DescribeProblemInto(text, index, Resolution{ResolveProblem::UnknownCategory}, {}, {},
                                category, categoryHint);
            return false;
        }
        for (int i = 0; i < names.count; ++i) {
            const auto position = index.UnitIn(*row, names.names[i]);
            if (!position) {
                DescribeProblemInto(text, index, {ResolveProblem::FromNotInCategory, *row},
                                    names.names[i], {}, category, categoryHint);
                return false;
            }
            names.positions[i] = *position;
        }
        names.row = *row;
        return true;
    }
    // Each name looked up once; the spans stay valid until the next Forget().
    std::array<std::span<const UnitPlace>, MaxNames> places;
    for (int i = 0; i < names.count; ++i) {
        places[i] = index.Units(names.names[i]);
        if (places[i].empty()) {
            DescribeProblemInto(text, index, {ResolveProblem::UnknownFrom}, names.names[i], {},
                                category, categoryHint);
            return false;
        }
    }
    int found = 0;
    ForEachSharedRow(places, names.count, [&](int row) {
        if (found++ == 0) names.row = row;
    });
    if (found > 1) {
        std::string rows;
        ForEachSharedRow(places, names.count, [&](int row) {
            if (!rows.empty()) rows += ", ";
            rows += Quoted(index.Utf8Name(row, 0));
        });
        return Refuse(text, Listed(names) + " fit several categories (" + rows + "); name one " +
                                std::string(categoryHint));
    }
    if (found == 0) {
        // Name the first two that share no category.
        for (int i = 0; i < names.count; ++i) {
            for (int j = i + 1; j < names.count; ++j) {
                bool shared = false;
                for (const UnitPlace& place : places[i])
                    shared = shared || PositionIn(places[j], place.row).has_value();
                if (!shared) {
                    DescribeProblemInto(text, index, {ResolveProblem::NoCommonCategory},
                                        names.names[i], names.names[j], category, categoryHint);
                    return false;
                }
            }
        }
        return Refuse(text, Listed(names) + " are not units of one category");
    }
    for (int i = 0; i < names.count; ++i) names.positions[i] = *PositionIn(places[i], names.row);
    return true;
}

}  // namespace

bool ConvertRequest(const NameIndex& index, const ConversionRequest& request,
                    const PartStyle& style, std::string& text, std::string_view categoryHint) {
    // Scripts write the decimal point whatever the language: "1,5" would read as 1.
    if (DecimalCommaAt(request.value, 0)) return Refuse(text, DecimalCommaAdvice(request.value));
    const Catalogue& catalogue = index.Indexed();
    const std::optional<UnitList> targets =
        ListSeparator(request.to) != std::string_view::npos && index.Units(request.to).empty()
            ? ReadUnitList(request.to)
            : std::nullopt;
    // The plain conversion, as it has always been.
    if (!request.from.empty() && !targets) {
        const Resolution found =
            ResolveConversion(index, request.from, request.to, request.category);
        if (found.problem != ResolveProblem::None) {
            DescribeProblemInto(text, index, found, request.from, request.to, request.category,
                                categoryHint);
            return false;
        }
        WriteAmountInto(
            text, ConvertValue(catalogue, found.row, found.from, found.to, AmountOf(request.value)),
            style);
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
        source.parts[0] = {AmountOf(request.value), request.from, request.from};
    }
    Names names;
    for (int i = 0; i < source.count; ++i) names.names[names.count++] = source.parts[i].name;
    const int firstTarget = names.count;
    if (targets) {
        for (int i = 0; i < targets->count; ++i) names.names[names.count++] = targets->names[i];
    } else {
        names.names[names.count++] = request.to;
    }
    if (!Resolve(index, names, request.category, categoryHint, text)) return false;

    const int row = names.row;
    if (catalogue.CategoryName(row) == TemperatureName && (source.count > 1 || targets)) {
        if (source.count > 1)
            return Refuse(text, "temperatures cannot be added: convert one at a time");
        return Refuse(text, "a temperature cannot be split into several units");
    }
    if (source.count == 1 && !targets) {
        // One unit each way, whatever way it was written.
        const double amount = source.negative ? -source.parts[0].amount : source.parts[0].amount;
        WriteAmountInto(
            text, ConvertValue(catalogue, row, names.positions[0], names.positions[1], amount),
            style);
        return true;
    }
    double total = 0;
    for (int i = 0; i < source.count; ++i)
        total += source.parts[i].amount * catalogue.Factor(row, names.positions[i]);
    if (source.negative) total = -total;
    if (!targets) {
        WriteAmountInto(text, total / catalogue.Factor(row, names.positions[firstTarget]), style);
        return true;
    }
    std::array<double, MaxMixedParts> sizes{};
    for (int i = 0; i < targets->count; ++i)
        sizes[i] = catalogue.Factor(row, names.positions[firstTarget + i]);
    const auto count = static_cast<std::size_t>(targets->count);
    if (!IsLargestFirst(std::span(sizes.data(), count)))
        return Refuse(text, "the units of " + Quoted(request.to) +
                                " must go from the largest to the smallest, as in \"ft+in\"");
    WriteMixedInto(text, total, std::span(sizes.data(), count),
                   std::span(targets->labels.data(), count), style);
    return true;
}
