#include "unit_resolver.h"

#include "catalogue.h"
#include "name_suggestions.h"
#include "text_1252.h"
#include "visible_text.h"

Resolution ResolveConversion(const NameIndex& index, std::string_view from, std::string_view to,
                             std::optional<std::string_view> category) {
    if (category) {
        const auto row = index.Category(*category);
        if (!row) return {ResolveProblem::UnknownCategory};
        const auto p = index.UnitIn(*row, from);
        if (!p) return {ResolveProblem::FromNotInCategory, *row};
        const auto q = index.UnitIn(*row, to);
        if (!q) return {ResolveProblem::ToNotInCategory, *row};
        return {ResolveProblem::None, *row, *p, *q};
    }
    const auto fromPlaces = index.Units(from);
    if (fromPlaces.empty()) return {ResolveProblem::UnknownFrom};
    const auto toPlaces = index.Units(to);
    if (toPlaces.empty()) return {ResolveProblem::UnknownTo};

    // Both lists are in row order: walk them together for the shared rows.
    Resolution found{ResolveProblem::NoCommonCategory};
    auto f = fromPlaces.begin();
    auto t = toPlaces.begin();
    while (f != fromPlaces.end() && t != toPlaces.end()) {
        if (f->row < t->row) {
            ++f;
        } else if (t->row < f->row) {
            ++t;
        } else {
            if (found.problem == ResolveProblem::None) return {ResolveProblem::Ambiguous};
            found = {ResolveProblem::None, f->row, f->position, t->position};
            ++f;
            ++t;
        }
    }
    return found;
}

namespace {

std::string QuotedList(const std::vector<std::string>& utf8Names, std::string_view lastJoin) {
    std::string text;
    for (std::size_t i = 0; i < utf8Names.size(); ++i) {
        if (i > 0) text += i + 1 == utf8Names.size() ? lastJoin : ", ";
        text += Quoted(utf8Names[i]);
    }
    return text;
}

// "; did you mean "A", "B" or "C"?" or, with nothing close, `otherwise`.
std::string Suggestion(std::string_view typedUtf8, const std::vector<std::string>& names1252,
                       std::string_view otherwise) {
    // A name that is not Windows-1252 text can still be near one that is.
    const std::string typed = Cp1252FromUtf8(typedUtf8).value_or(std::string(typedUtf8));
    std::vector<std::string> closest;
    for (const std::string& name : ClosestNames(typed, names1252))
        closest.push_back(Utf8FromCp1252(name));
    if (closest.empty()) return std::string(otherwise);
    return "; did you mean " + QuotedList(closest, " or ") + "?";
}

std::vector<std::string> CategoriesHolding(const NameIndex& index, std::string_view unit) {
    std::vector<std::string> names;
    for (const UnitPlace& place : index.Units(unit)) names.push_back(index.Utf8Name(place.row, 0));
    return names;
}

std::vector<std::string> UnitNamesOf(int row) {
    std::vector<std::string> names;
    for (int position = 1; position <= UnitCount(row); ++position)
        names.push_back(UnitNames[row][position]);
    return names;
}

std::string NotInCategory(const NameIndex& index, int row, std::string_view unit) {
    std::string text = Quoted(unit) + " is not a unit of " + Quoted(index.Utf8Name(row, 0));
    const auto elsewhere = CategoriesHolding(index, unit);
    if (!elsewhere.empty()) text += " (it is in " + QuotedList(elsewhere, ", ") + ")";
    return text + Suggestion(unit, UnitNamesOf(row), "");
}

std::string Pair(std::string_view from, std::string_view to) {
    return from == to ? Quoted(from) : Quoted(from) + " and " + Quoted(to);
}

}  // namespace

std::string DescribeProblem(const NameIndex& index, const Resolution& resolution,
                            std::string_view from, std::string_view to,
                            std::optional<std::string_view> category,
                            std::string_view categoryHint) {
    switch (resolution.problem) {
        case ResolveProblem::None:
            return {};
        case ResolveProblem::UnknownCategory:
            return "unknown category " + Quoted(category.value_or("")) +
                   Suggestion(category.value_or(""), index.CategoryNames(),
                              "; mezura-convert --list shows the categories");
        case ResolveProblem::UnknownFrom:
        case ResolveProblem::UnknownTo: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::UnknownFrom ? from : to;
            return "unknown unit " + Quoted(unit) +
                   Suggestion(unit, index.UnitNames1252(),
                              "; mezura-convert --list CATEGORY shows the units of a category");
        }
        case ResolveProblem::FromNotInCategory:
            return NotInCategory(index, resolution.row, from);
        case ResolveProblem::ToNotInCategory:
            return NotInCategory(index, resolution.row, to);
        case ResolveProblem::NoCommonCategory:
            return Pair(from, to) + " are not units of one category (" + Quoted(from) + " is in " +
                   QuotedList(CategoriesHolding(index, from), ", ") + ", " + Quoted(to) + " in " +
                   QuotedList(CategoriesHolding(index, to), ", ") + ")";
        case ResolveProblem::Ambiguous: {
            std::vector<std::string> shared;
            for (const UnitPlace& place : index.Units(from)) {
                if (index.UnitIn(place.row, to)) shared.push_back(index.Utf8Name(place.row, 0));
            }
            return Pair(from, to) + (from == to ? " fits" : " fit") + " several categories (" +
                   QuotedList(shared, ", ") + "); name one " + std::string(categoryHint);
        }
    }
    return {};
}
