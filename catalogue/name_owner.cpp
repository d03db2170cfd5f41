#include "name_owner.h"

#include <algorithm>

#include "catalogue.h"
#include "text_1252.h"
#include "unit_lookup.h"

std::optional<NameOwner> BuiltinOwnerOf(int row, std::string_view name) {
    const int count = std::min(BuiltinUnitsOf(row), UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        if (EqualsNoCase(UnitNames[row][position], name))
            return NameOwner{UnitNames[row][position], position, false};
    }
    for (int position = 1; position <= count; ++position) {
        for (std::string_view alias : AliasesOf(row, position)) {
            if (EqualsNoCase(alias, name)) return NameOwner{std::string(alias), position, true};
        }
    }
    return std::nullopt;
}
