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
// ResolveConversion allocates nothing; only the error text does. It is
// ResolveUnits for two names: one resolver for the phrase, the batch line
// and the mixed conversion, whatever the count of names.
//
// The messages say what is wrong and which names come close; how a person
// asks for the lists or names a category is each front end's to say (the
// CLI's options are not the window's fields), so a message leaves that hint
// as a value beside the text.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "mixed_format.h"  // MaxMixedParts
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
    NotInOneCategory,  // of three or more, every two share a category, all do not
};

struct Resolution {
    ResolveProblem problem = ResolveProblem::None;
    int row = 0;
    int from = 0;
    int to = 0;
};

// Most names one conversion holds: a sum of parts toward a list of parts.
inline constexpr int MostResolvedNames = 2 * MaxMixedParts;

// The category that holds every one of `names`, and each name's position in
// it. A problem is about `names[name]` (the first not found, the first not in
// the named category), a pair that share no category about `names[name]` and
// `names[other]`; the first name counts as FROM, every later one as TO.
struct UnitsResolution {
    ResolveProblem problem = ResolveProblem::None;
    int row = 0;
    int name = 0;
    int other = 0;
    std::array<int, MostResolvedNames> positions{};
};

// At most MostResolvedNames names, in UTF-8 as typed.
UnitsResolution ResolveUnits(const NameIndex& index, std::span<const std::string_view> names,
                             std::optional<std::string_view> category);

// Names in UTF-8, as typed; `category` nothing when not given.
Resolution ResolveConversion(const NameIndex& index, std::string_view from, std::string_view to,
                             std::optional<std::string_view> category);

// What a message leaves to its front end: nothing, how to list the
// categories or a category's units (when no existing name comes close), or
// how to name a category (when the names fit several).
enum class ProblemHint { None, ListCategories, ListUnits, NameCategory };

// One line for the user, naming the problem and the closest existing names:
//   unknown unit "Kilometre"; did you mean "Kilometers"?
//   "Ounces" fits several categories ("Mass", "Volume")   + NameCategory
std::string DescribeProblem(const NameIndex& index, const Resolution& resolution,
                            std::string_view from, std::string_view to,
                            std::optional<std::string_view> category, ProblemHint& hint);
// The same into `text`, replacing what it held: a batch keeps one text for
// every bad line, and the messages of slips met before are only copied.
ProblemHint DescribeProblemInto(std::string& text, const NameIndex& index,
                                const Resolution& resolution, std::string_view from,
                                std::string_view to, std::optional<std::string_view> category);
// The problem of several names, into `text`. Names that fit several
// categories, or not one, are listed each once:
//   "ft", "in" and "lb" are not units of one category
ProblemHint DescribeProblemInto(std::string& text, const NameIndex& index,
                                const UnitsResolution& resolution,
                                std::span<const std::string_view> names,
                                std::optional<std::string_view> category);
