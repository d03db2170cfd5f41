#include "unit_resolver.h"

#include <algorithm>
#include <cstring>

#include "catalogue.h"
#include "visible_text.h"

namespace {

std::optional<int> PositionIn(std::span<const UnitPlace> places, int row) {
    for (const UnitPlace& place : places)
        if (place.row == row) return place.position;
    return std::nullopt;
}

bool ShareARow(std::span<const UnitPlace> a, std::span<const UnitPlace> b) {
    for (const UnitPlace& place : a)
        if (PositionIn(b, place.row)) return true;
    return false;
}

// The rows that hold every name, in row order, each once.
template <typename Visit>
void ForEachSharedRow(std::span<const std::span<const UnitPlace>> places, Visit visit) {
    for (const UnitPlace& place : places[0]) {
        bool everywhere = true;
        for (std::size_t i = 1; i < places.size() && everywhere; ++i)
            everywhere = PositionIn(places[i], place.row).has_value();
        if (everywhere) visit(place.row);
    }
}

UnitsResolution Problem(ResolveProblem problem, int row = 0, int name = 0, int other = 0) {
    UnitsResolution found;
    found.problem = problem;
    found.row = row;
    found.name = name;
    found.other = other;
    return found;
}

}  // namespace

UnitsResolution ResolveUnits(const NameIndex& index, std::span<const std::string_view> names,
                             std::optional<std::string_view> category) {
    // The answers of the previous line are no longer in use.
    index.Forget();
    const int count = static_cast<int>(names.size());
    UnitsResolution found;
    if (category) {
        const auto row = index.Category(*category);
        if (!row) return Problem(ResolveProblem::UnknownCategory);
        for (int i = 0; i < count; ++i) {
            const auto position = index.UnitIn(*row, names[i]);
            if (!position)
                return Problem(
                    i == 0 ? ResolveProblem::FromNotInCategory : ResolveProblem::ToNotInCategory,
                    *row, i);
            found.positions[i] = *position;
        }
        found.row = *row;
        return found;
    }
    // Each name looked up once; the spans stay valid until the next Forget().
    std::array<std::span<const UnitPlace>, MostResolvedNames> places;
    for (int i = 0; i < count; ++i) {
        places[i] = index.Units(names[i]);
        if (places[i].empty())
            return Problem(i == 0 ? ResolveProblem::UnknownFrom : ResolveProblem::UnknownTo, 0, i);
    }
    int shared = 0;
    if (count == 2) {
        // The common case, a name and its target: both lists are in row
        // order, so one walk finds the shared rows and the positions in them.
        auto f = places[0].begin();
        auto t = places[1].begin();
        while (f != places[0].end() && t != places[1].end()) {
            if (f->row < t->row) {
                ++f;
            } else if (t->row < f->row) {
                ++t;
            } else {
                if (shared++ == 0) {
                    found.row = f->row;
                    found.positions[0] = f->position;
                    found.positions[1] = t->position;
                }
                ++f;
            }
        }
        if (shared == 1) return found;
    } else {
        ForEachSharedRow(std::span(places.data(), names.size()), [&](int row) {
            if (shared++ == 0) found.row = row;
        });
    }
    if (shared > 1) return Problem(ResolveProblem::Ambiguous);
    if (shared == 0) {
        // Name the first two that share no category.
        for (int i = 0; i < count; ++i)
            for (int j = i + 1; j < count; ++j)
                if (!ShareARow(places[i], places[j]))
                    return Problem(ResolveProblem::NoCommonCategory, 0, i, j);
        return Problem(ResolveProblem::NotInOneCategory);
    }
    for (int i = 0; i < count; ++i) found.positions[i] = *PositionIn(places[i], found.row);
    return found;
}

Resolution ResolveConversion(const NameIndex& index, std::string_view from, std::string_view to,
                             std::optional<std::string_view> category) {
    const std::array<std::string_view, 2> names{from, to};
    const UnitsResolution found = ResolveUnits(index, names, category);
    return {found.problem, found.row, found.positions[0], found.positions[1]};
}

namespace {

void AppendQuotedList(std::string& text, std::span<const std::string_view> utf8Names,
                      std::string_view lastJoin) {
    for (std::size_t i = 0; i < utf8Names.size(); ++i) {
        if (i > 0) text += i + 1 == utf8Names.size() ? lastJoin : ", ";
        AppendQuoted(text, utf8Names[i]);
    }
}

// "; did you mean "A", "B" or "C"?"; false, with nothing written, when
// nothing comes close.
bool AppendSuggestion(std::string& text, std::span<const std::string_view> closest) {
    if (closest.empty()) return false;
    text += "; did you mean ";
    AppendQuotedList(text, closest, " or ");
    text += '?';
    return true;
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
    AppendSuggestion(text, index.SuggestionsIn(row, unit));
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

// A remembered message starts with the hint it leaves, as one byte, so that
// a slip met again is only copied, hint and all.
ProblemHint Remembered(std::string& text, std::string_view message) {
    text.assign(message.substr(1));
    return static_cast<ProblemHint>(message[0]);
}

// The hint's byte, to be set once the words are written.
void LeaveRoomForHint(std::string& message) { message += static_cast<char>(ProblemHint::None); }
void SetHint(std::string& message, ProblemHint hint) { message[0] = static_cast<char>(hint); }

// Every name once, in the order given: ""ft", "in" and "lb"".
void AppendListed(std::string& text, std::span<const std::string_view> names) {
    std::array<std::string_view, MostResolvedNames> distinct;
    std::size_t count = 0;
    for (std::string_view name : names)
        if (std::find(distinct.begin(), distinct.begin() + count, name) == distinct.begin() + count)
            distinct[count++] = name;
    AppendQuotedList(text, std::span(distinct.data(), count), " and ");
}

}  // namespace

ProblemHint DescribeProblemInto(std::string& text, const NameIndex& index,
                                const Resolution& resolution, std::string_view from,
                                std::string_view to, std::optional<std::string_view> category) {
    text.clear();
    switch (resolution.problem) {
        case ResolveProblem::None:
        case ResolveProblem::NotInOneCategory:  // never of two names
            return ProblemHint::None;
        case ResolveProblem::UnknownCategory: {
            const std::string_view name = category.value_or("");
            return Remembered(
                text, index.Message(MessageKey('c', 0, name), [&](std::string& message) {
                    LeaveRoomForHint(message);
                    message += "unknown category ";
                    AppendQuoted(message, name);
                    if (!AppendSuggestion(message,
                                          index.Suggestions(NameIndex::Among::Categories, name)))
                        SetHint(message, ProblemHint::ListCategories);
                }));
        }
        case ResolveProblem::UnknownFrom:
        case ResolveProblem::UnknownTo: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::UnknownFrom ? from : to;
            return Remembered(
                text, index.Message(MessageKey('?', 0, unit), [&](std::string& message) {
                    LeaveRoomForHint(message);
                    if (AppendOnPurposeAmbiguous(message, index, unit)) return;
                    message += "unknown unit ";
                    AppendQuoted(message, unit);
                    if (!AppendSuggestion(message,
                                          index.Suggestions(NameIndex::Among::Units, unit)))
                        SetHint(message, ProblemHint::ListUnits);
                }));
        }
        case ResolveProblem::FromNotInCategory:
        case ResolveProblem::ToNotInCategory: {
            const std::string_view unit =
                resolution.problem == ResolveProblem::FromNotInCategory ? from : to;
            return Remembered(
                text,
                index.Message(MessageKey('!', resolution.row, unit), [&](std::string& message) {
                    LeaveRoomForHint(message);
                    AppendNotInCategory(message, index, resolution.row, unit);
                }));
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
            return ProblemHint::None;
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
            text += ')';
            return ProblemHint::NameCategory;
        }
    }
    return ProblemHint::None;
}

ProblemHint DescribeProblemInto(std::string& text, const NameIndex& index,
                                const UnitsResolution& resolution,
                                std::span<const std::string_view> names,
                                std::optional<std::string_view> category) {
    const auto at = [&](int i) {
        return static_cast<std::size_t>(i) < names.size() ? names[i] : std::string_view();
    };
    switch (resolution.problem) {
        case ResolveProblem::Ambiguous: {
            text.clear();
            AppendListed(text, names);
            text += " fit several categories (";
            std::array<std::span<const UnitPlace>, MostResolvedNames> places;
            for (std::size_t i = 0; i < names.size(); ++i) places[i] = index.Units(names[i]);
            bool first = true;
            ForEachSharedRow(std::span(places.data(), names.size()), [&](int row) {
                if (!first) text += ", ";
                first = false;
                AppendQuoted(text, index.Utf8Name(row, 0));
            });
            text += ')';
            return ProblemHint::NameCategory;
        }
        case ResolveProblem::NotInOneCategory:
            text.clear();
            AppendListed(text, names);
            text += " are not units of one category";
            return ProblemHint::None;
        case ResolveProblem::NoCommonCategory:
            return DescribeProblemInto(text, index, Resolution{resolution.problem},
                                       at(resolution.name), at(resolution.other), category);
        default:
            // One name is the problem: told as of a FROM.
            return DescribeProblemInto(
                text, index,
                Resolution{resolution.problem == ResolveProblem::UnknownTo
                               ? ResolveProblem::UnknownFrom
                           : resolution.problem == ResolveProblem::ToNotInCategory
                               ? ResolveProblem::FromNotInCategory
                               : resolution.problem,
                           resolution.row},
                at(resolution.name), {}, category);
    }
}

std::string DescribeProblem(const NameIndex& index, const Resolution& resolution,
                            std::string_view from, std::string_view to,
                            std::optional<std::string_view> category, ProblemHint& hint) {
    std::string text;
    hint = DescribeProblemInto(text, index, resolution, from, to, category);
    return text;
}
