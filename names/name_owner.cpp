#include "name_owner.h"

#include <algorithm>

#include "catalogue.h"
#include "text_1252.h"
#include "unit_lookup.h"

std::optional<NameOwner> BuiltinOwnerOf(const Catalogue& catalogue, int row,
                                        std::string_view name) {
    const int count = std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        if (EqualsNoCase(catalogue.Name(row, position), name))
            return NameOwner{catalogue.Name(row, position), position, false};
    }
    for (int position = 1; position <= count; ++position) {
        for (std::string_view alias : AliasesOf(catalogue, row, position)) {
            if (EqualsNoCase(alias, name)) return NameOwner{std::string(alias), position, true};
        }
    }
    return std::nullopt;
}
