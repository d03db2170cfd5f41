#include "unit_resolver.h"

#include "catalogue.h"
#include "text_1252.h"
#include "visible_text.h"

Resolution ResolveConversion(const NameIndex& index, std::string_view from, std::string_view to,
                             std::optional<std::string_view> category) {
    // The answers of the previous line are no longer in use.
    index.Forget();
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
std::string Suggestion(const std::vector<std::string>& closest, std::string_view otherwise) {
    if (closest.empty()) return std::string(otherwise);
    return "; did you mean " + QuotedList(closest, " or ") + "?";
}

// For a name left ambiguous on purpose: ""ton" could mean "Tons" (Mass), ...".
std::optional<std::string> OnPurposeAmbiguous(const NameIndex& index, std::string_view unit) {
    const auto name = Cp1252FromUtf8(unit);
    if (!name) return std::nullopt;
    const auto candidates = AmbiguousCandidates(index.Indexed(), *name);
    if (candidates.empty()) return std::nullopt;
    std::vector<std::string> units;
    for (const UnitPlace& place : candidates)
        units.push_back(index.Utf8Name(place.row, place.position));
    std::string text = Quoted(unit) + " could mean ";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0) text += i + 1 == candidates.size() ? " or " : ", ";
        text += Quoted(units[i]) + " (" + index.Utf8Name(candidates[i].row, 0) + ")";
    }
    return text + "; write the unit's name";
}

std::vector<std::string> CategoriesHolding(const NameIndex& index, std::string_view unit) {
    std::vector<std::string> names;
    for (const UnitPlace& place : index.Units(unit)) names.push_back(index.Utf8Name(place.row, 0));
    return names;
}

std::string NotInCategory(const NameIndex& index, int row, std::string_view unit) {
    if (auto ambiguous = OnPurposeAmbiguous(index, unit)) return *ambiguous;
    std::string text = Quoted(unit) + " is not a unit of " + Quoted(index.Utf8Name(row, 0));
    const auto elsewhere = CategoriesHolding(index, unit);
    if (!elsewhere.empty()) text += " (it is in " + QuotedList(elsewhere, ", ") + ")";
    return text + Suggestion(index.SuggestionsIn(row, unit), "");
}

// What a remembered message is found by: the kind of problem, the row and
// the name, in one buffer kept from line to line.
std::string_view MessageKey(char kind, int row, std::string_view unit) {
    thread_local std::string key;
    key.assign(1, kind);
    key += static_cast<char>(row);
    key += unit;
    return key;
}

std::string Pair(std::string_view from, std::string_view to) {
    return from == to ? Quoted(from) : Quoted(from) + " and " + Quoted(to);
}

// One category a pair fits: ""Mass"" when both were typed as the units are
// named, else with the units they stand for: ""Minutes" in "Angle"".
std::string Candidate(const NameIndex& index, int row, std::string_view from, std::string_view to) {
    const std::string& category = index.Utf8Name(row, 0);
    const std::string& fromUnit = index.Utf8Name(row, *index.UnitIn(row, from));
    const std::string& toUnit = index.Utf8Name(row, *index.UnitIn(row, to));
    if (fromUnit == from && toUnit == to) return Quoted(category);
    return Pair(fromUnit, from == to ? fromUnit : toUnit) + " in " + Quoted(category);
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
                   Suggestion(
                       index.Suggestions(NameIndex::Among::Categories, category.value_or("")),
                       "; mezura-convert --list shows the categories");
        case ResolveProblem::UnknownFrom:
        case ResolveProblem::UnknownTo: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::UnknownFrom ? from : to;
            return index.Message(MessageKey('?', 0, unit), [&] {
                if (auto ambiguous = OnPurposeAmbiguous(index, unit)) return *ambiguous;
                return "unknown unit " + Quoted(unit) +
                       Suggestion(index.Suggestions(NameIndex::Among::Units, unit),
                                  "; mezura-convert --list CATEGORY shows the units of a category");
            });
        }
        case ResolveProblem::FromNotInCategory:
        case ResolveProblem::ToNotInCategory: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::FromNotInCategory ? from : to;
            return index.Message(MessageKey('!', resolution.row, unit),
                                 [&] { return NotInCategory(index, resolution.row, unit); });
        }
        case ResolveProblem::NoCommonCategory:
            return Pair(from, to) + " are not units of one category (" + Quoted(from) + " is in " +
                   QuotedList(CategoriesHolding(index, from), ", ") + ", " + Quoted(to) + " in " +
                   QuotedList(CategoriesHolding(index, to), ", ") + ")";
        case ResolveProblem::Ambiguous: {
            std::string shared;
            for (const UnitPlace& place : index.Units(from)) {
                if (!index.UnitIn(place.row, to)) continue;
                if (!shared.empty()) shared += ", ";
                shared += Candidate(index, place.row, from, to);
            }
            return Pair(from, to) + (from == to ? " fits" : " fit") + " several categories (" +
                   shared + "); name one " + std::string(categoryHint);
        }
    }
    return {};
}
