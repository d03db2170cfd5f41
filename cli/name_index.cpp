#include "name_index.h"

#include <unordered_set>

#include "catalogue.h"
#include "text_1252.h"

NameIndex::NameIndex() : utf8Names_(CategoryRowCount) {
    std::unordered_set<std::string> seenUnitNames;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (row >= FirstCustomRow && IsCustomRowFree(row)) continue;
        categoryRows_.push_back(row);
        const int count = UnitCount(row);
        auto& names = utf8Names_[row];
        for (int position = 0; position <= count; ++position)
            names.push_back(Utf8FromCp1252(UnitNames[row][position]));

        categories_[names[0]] = row;  // a later row of the same name wins
        categoryNames_.push_back(UnitNames[row][0]);
        for (int position = 1; position <= count; ++position) {
            auto& places = units_[names[position]];
            if (!places.empty() && places.back().row == row)
                places.back().position = position;  // a later position of the same name wins
            else
                places.push_back({row, position});
            if (seenUnitNames.insert(UnitNames[row][position]).second)
                unitNames_.push_back(UnitNames[row][position]);
        }
    }
}

std::optional<int> NameIndex::Category(std::string_view utf8Name) const {
    const auto found = categories_.find(utf8Name);
    if (found == categories_.end()) return std::nullopt;
    return found->second;
}

std::span<const UnitPlace> NameIndex::Units(std::string_view utf8Name) const {
    const auto found = units_.find(utf8Name);
    if (found == units_.end()) return {};
    return found->second;
}

std::optional<int> NameIndex::UnitIn(int row, std::string_view utf8Name) const {
    for (const UnitPlace& place : Units(utf8Name)) {
        if (place.row == row) return place.position;
    }
    return std::nullopt;
}
