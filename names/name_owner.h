#pragma once
// Which built-in unit of a category already answers to a name, in any case:
// a unit the user adds must not take over a name people type for another.
//
//   BuiltinOwnerOf(Distance, "KM")    -> {"km", Kilometers, alias}
//   BuiltinOwnerOf(Distance, "miles") -> {"Miles", Miles, not an alias}
//   BuiltinOwnerOf(Distance, "Span")  -> nothing
#include <optional>
#include <string>
#include <string_view>

struct NameOwner {
    std::string name;  // the name or alias as the catalogue writes it
    int position;      // of the unit it belongs to
    bool alias;        // an alias rather than the unit's name
};

class Catalogue;

std::optional<NameOwner> BuiltinOwnerOf(const Catalogue& catalogue, int row, std::string_view name);
