#include "unit_resolver.h"

#include <cstring>

#include "catalogue.h"
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

void AppendQuotedList(std::string& text, std::span<const std::string_view> utf8Names,
                      std::string_view lastJoin) {
    for (std::size_t i = 0; i < utf8Names.size(); ++i) {
        if (i > 0) text += i + 1 == utf8Names.size() ? lastJoin : ", ";
        AppendQuoted(text, utf8Names[i]);
    }
}

// "; did you mean "A", "B" or "C"?" or, with nothing close, `otherwise`.
void AppendSuggestion(std::string& text, std::span<const std::string_view> closest,
                      std::string_view otherwise) {
    if (closest.empty()) {
        text += otherwise;
        return;
    }
    text += "; did you mean ";
    AppendQuotedList(text, closest, " or ");
    text += '?';
}

// For a name left ambiguous on purpose: ""ton" could mean "Tons" (Mass), ...".
bool AppendOnPurposeAmbiguous(std::string& text, const NameIndex& index, std::string_view unit) {
    const auto candidates = index.Ambiguous(unit);
    if (candidates.empty()) return false;
    AppendQuoted(text, unit);
    text += " could mean ";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0) text += i + 1 == candidates.size() ? " or " : ", ";
        AppendQuoted(text, index.Utf8Name(candidates[i].row, candidates[i].position));
        text += " (";
        text += index.Utf8Name(candidates[i].row, 0);
        text += ')';
    }
    text += "; write the unit's name";
    return true;
}

// The categories of these places, quoted: ""Mass", "Volume"".
void AppendCategoriesOf(std::string& text, const NameIndex& index,
                        std::span<const UnitPlace> places) {
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (i > 0) text += ", ";
        AppendQuoted(text, index.Utf8Name(places[i].row, 0));
    }
}

void AppendNotInCategory(std::string& text, const NameIndex& index, int row,
                         std::string_view unit) {
    if (AppendOnPurposeAmbiguous(text, index, unit)) return;
    AppendQuoted(text, unit);
    text += " is not a unit of ";
    AppendQuoted(text, index.Utf8Name(row, 0));
    if (const auto elsewhere = index.Units(unit); !elsewhere.empty()) {
        text += " (it is in ";
        AppendCategoriesOf(text, index, elsewhere);
        text += ')';
    }
    AppendSuggestion(text, index.SuggestionsIn(row, unit), "");
}

// What a remembered message is found by: the kind of problem, the row and
// the name, in one buffer kept from line to line (grown, never shrunk).
std::string_view MessageKey(char kind, int row, std::string_view name) {
    thread_local std::string key;
    if (key.size() < name.size() + 2) key.resize(name.size() + 2);
    key[0] = kind;
    key[1] = static_cast<char>(row);
    std::memcpy(key.data() + 2, name.data(), name.size());
    return std::string_view(key).substr(0, name.size() + 2);
}

void AppendPair(std::string& text, std::string_view from, std::string_view to) {
    AppendQuoted(text, from);
    if (from == to) return;
    text += " and ";
    AppendQuoted(text, to);
}

// One category a pair fits: ""Mass"" when both were typed as the units are
// named, else with the units they stand for: ""Minutes" in "Angle"".
void AppendCandidate(std::string& text, const NameIndex& index, int row, std::string_view from,
                     std::string_view to) {
    const std::string& category = index.Utf8Name(row, 0);
    const std::string& fromUnit = index.Utf8Name(row, *index.UnitIn(row, from));
    const std::string& toUnit = index.Utf8Name(row, *index.UnitIn(row, to));
    if (fromUnit != from || toUnit != to) {
        AppendPair(text, fromUnit, from == to ? fromUnit : toUnit);
        text += " in ";
    }
    AppendQuoted(text, category);
}

}  // namespace

void DescribeProblemInto(std::string& text, const NameIndex& index, const Resolution& resolution,
                         std::string_view from, std::string_view to,
                         std::optional<std::string_view> category, std::string_view categoryHint) {
    text.clear();
    switch (resolution.problem) {
        case ResolveProblem::None:
            return;
        case ResolveProblem::UnknownCategory: {
            const std::string_view name = category.value_or("");
            text.assign(index.Message(MessageKey('c', 0, name), [&](std::string& message) {
                message += "unknown category ";
                AppendQuoted(message, name);
                AppendSuggestion(message, index.Suggestions(NameIndex::Among::Categories, name),
                                 "; mezura-convert --list shows the categories");
            }));
            return;
        }
        case ResolveProblem::UnknownFrom:
        case ResolveProblem::UnknownTo: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::UnknownFrom ? from : to;
            text.assign(index.Message(MessageKey('?', 0, unit), [&](std::string& message) {
                if (AppendOnPurposeAmbiguous(message, index, unit)) return;
                message += "unknown unit ";
                AppendQuoted(message, unit);
                AppendSuggestion(message, index.Suggestions(NameIndex::Among::Units, unit),
                                 "; mezura-convert --list CATEGORY shows the units of a category");
            }));
            return;
        }
        case ResolveProblem::FromNotInCategory:
        case ResolveProblem::ToNotInCategory: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::FromNotInCategory ? from : to;
            text.assign(
                index.Message(MessageKey('!', resolution.row, unit), [&](std::string& message) {
                    AppendNotInCategory(message, index, resolution.row, unit);
                }));
            return;
        }
        case ResolveProblem::NoCommonCategory:
            AppendPair(text, from, to);
            text += " are not units of one category (";
            AppendQuoted(text, from);
            text += " is in ";
            AppendCategoriesOf(text, index, index.Units(from));
            text += ", ";
            AppendQuoted(text, to);
            text += " in ";
            AppendCategoriesOf(text, index, index.Units(to));
            text += ')';
            return;
        case ResolveProblem::Ambiguous: {
            AppendPair(text, from, to);
            text += from == to ? " fits" : " fit";
            text += " several categories (";
            bool first = true;
            for (const UnitPlace& place : index.Units(from)) {
                if (!index.UnitIn(place.row, to)) continue;
                if (!first) text += ", ";
                first = false;
                AppendCandidate(text, index, place.row, from, to);
            }
            text += "); name one ";
            text += categoryHint;
            return;
        }
    }
}

std::string DescribeProblem(const NameIndex& index, const Resolution& resolution,
                            std::string_view from, std::string_view to,
                            std::optional<std::string_view> category,
                            std::string_view categoryHint) {
    std::string text;
    DescribeProblemInto(text, index, resolution, from, to, category, categoryHint);
    return text;
}
