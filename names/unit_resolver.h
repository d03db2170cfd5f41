#pragma once
// From the names a user typed to a category row and two unit positions.
//
// With a category named, both units must be in it. Without one, the
// category is the one that holds both names; several units stand in more
// than one category, so a pair may fit several and then needs the category:
//
//   "Kilometers" "Miles"                 -> Distance 10, positions 10 and 14
//   "Ounces" "Grams"                     -> Mass (only Mass has "Grams")
//   "Ounces" "Ounces"                    -> Ambiguous (Mass and Volume)
//   "Ounces" "Ounces", category "Volume" -> Volume 24, positions 10 and 10
//   "Kilometers" "Grams"                 -> NoCommonCategory
//
// ResolveConversion allocates nothing; only the error text does.
#include <optional>
#include <string>
#include <string_view>

#include "name_index.h"

enum class ResolveProblem {
    None,
    UnknownCategory,  // the named category is not in use
    UnknownFrom,      // no category in use has a unit of that name
    UnknownTo,
    FromNotInCategory,  // the named category has no unit of that name
    ToNotInCategory,
    NoCommonCategory,  // both exist, but never in one category
    Ambiguous,         // both fit in more than one category
};

struct Resolution {
    ResolveProblem problem = ResolveProblem::None;
    int row = 0;
    int from = 0;
    int to = 0;
};

// Names in UTF-8, as typed; `category` nothing when not given.
Resolution ResolveConversion(const NameIndex& index, std::string_view from, std::string_view to,
                             std::optional<std::string_view> category);

// One line for the user, naming the problem and the closest existing names:
//   unknown unit "Kilometre"; did you mean "Kilometers"?
//   "Ounces" fits several categories ("Mass", "Volume"); name one with --category
// `categoryHint` says how to name a category ("with --category").
std::string DescribeProblem(const NameIndex& index, const Resolution& resolution,
                            std::string_view from, std::string_view to,
                            std::optional<std::string_view> category,
                            std::string_view categoryHint);
// The same into `text`, replacing what it held: a batch keeps one text for
// every bad line, and the messages of slips met before are only copied.
void DescribeProblemInto(std::string& text, const NameIndex& index, const Resolution& resolution,
                         std::string_view from, std::string_view to,
                         std::optional<std::string_view> category, std::string_view categoryHint);
