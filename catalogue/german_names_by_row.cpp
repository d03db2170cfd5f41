// The German names found by row: the tables keep each category's entries
// together and in row order, so one pass cuts them into rows (no allocation,
// as a single conversion pays for this at start).
#include <array>

#include "builtin_units.h"
#include "catalogue_limits.h"
#include "german_names.h"

namespace {

struct GermanRows {
    std::array<std::span<const GermanUnitName>, BuiltinCategoryCount> units{};
    std::array<const GermanCategoryName*, BuiltinCategoryCount> categories{};
};

const GermanRows& Rows() {
    static const GermanRows rows = [] {
        GermanRows cut;
        for (const GermanCategoryName& category : GermanCategoryNames) {
            const int row = BuiltinRowNamed(category.category);
            if (row >= 0) cut.categories[static_cast<std::size_t>(row)] = &category;
        }
        const std::span<const GermanUnitName> table = GermanUnitNames;
        std::size_t start = 0;
        for (std::size_t i = 1; i <= table.size(); ++i) {
            if (i < table.size() && table[i].category == table[start].category) continue;
            const int row = BuiltinRowNamed(table[start].category);
            if (row >= 0)
                cut.units[static_cast<std::size_t>(row)] = table.subspan(start, i - start);
            start = i;
        }
        return cut;
    }();
    return rows;
}

}  // namespace

std::span<const GermanUnitName> GermanUnitsOfRow(int row) {
    if (row < 0 || row >= BuiltinCategoryCount) return {};
    return Rows().units[static_cast<std::size_t>(row)];
}

const GermanCategoryName* GermanCategoryOfRow(int row) {
    if (row < 0 || row >= BuiltinCategoryCount) return nullptr;
    return Rows().categories[static_cast<std::size_t>(row)];
}
