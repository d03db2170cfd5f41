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

// The row named `category`, looked for from `row` on: the tables come in
// row order, so each run is found in a comparison or two rather than by a
// search of every row's name.
int RowFrom(int row, std::string_view category) {
    for (int tried = 0; tried < BuiltinCategoryCount; ++tried) {
        if (category == BuiltinCategories[row].name) return row;
        row = (row + 1) % BuiltinCategoryCount;
    }
    return -1;
}

const GermanRows& Rows() {
    static const GermanRows rows = [] {
        GermanRows cut;
        int row = 0;
        for (const GermanCategoryName& category : GermanCategoryNames) {
            if (const int found = RowFrom(row, category.category); found >= 0) {
                cut.categories[static_cast<std::size_t>(found)] = &category;
                row = found;
            }
        }
        const std::span<const GermanUnitName> table = GermanUnitNames;
        std::size_t start = 0;
        row = 0;
        for (std::size_t i = 1; i <= table.size(); ++i) {
            if (i < table.size() && table[i].category == table[start].category) continue;
            if (const int found = RowFrom(row, table[start].category); found >= 0) {
                cut.units[static_cast<std::size_t>(found)] = table.subspan(start, i - start);
                row = found;
            }
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
