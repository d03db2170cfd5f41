// The catalogue's rows and the operations on them.
//
// Readers treat a row outside the table as row 0, as the window does with a
// stray category number; writers refuse it, so a bad row number can never
// change a category the caller did not mean.
#include "catalogue.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "builtin_units.h"

namespace {

bool IsRow(int row) { return row >= 0 && row < CategoryRowCount; }
bool IsCustomRow(int row) { return row >= FirstCustomRow && row < CategoryRowCount; }
int RowOrFirst(int row) { return IsRow(row) ? row : 0; }

}  // namespace

Catalogue::Catalogue() {
    for (int row = 0; row < CategoryRowCount; ++row) {
        names_[row].resize(RowEntryCount);
        factors_[row].resize(RowEntryCount);
    }
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const BuiltinCategory& category = BuiltinCategories[row];
        const int count = category.UnitCount();
        builtinCounts_[row] = count;
        visible_[row] = 1;
        names_[row][0] = category.name;
        factors_[row][0] = count;
        for (int k = 1; k <= count; ++k) {
            names_[row][k] = category.units[k - 1].name;
            factors_[row][k] = category.Factor(k - 1);
        }
    }
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) names_[row][0] = FreeName;
}

void Catalogue::SetCategoryName(int row, std::string_view name) {
    if (IsRow(row)) names_[row][0] = name;
}

void Catalogue::SetStoredCount(int row, double count) {
    if (IsRow(row)) factors_[row][0] = count;
}

std::optional<int> Catalogue::CategoryByName(std::string_view name) const {
    std::optional<int> found;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (names_[row][0] == name) found = row;
    }
    return found;
}

std::optional<int> Catalogue::UnitByName(int row, std::string_view name) const {
    row = RowOrFirst(row);
    const int count = UnitCount(row);
    std::optional<int> found;
    for (int k = 1; k <= count; ++k) {
        if (names_[row][k] == name) found = k;
    }
    return found;
}

int Catalogue::UnitCount(int row) const {
    const double count = factors_[RowOrFirst(row)][0];
    // Written as "not at least 1" so that a not-a-number count means no units.
    if (!(count >= 1.0)) return 0;
    const int room = UnitRoom(row);
    if (count >= room) return room;
    return static_cast<int>(count);
}

int Catalogue::BuiltinUnitsOf(int row) const {
    row = RowOrFirst(row);
    return row < BuiltinCategoryCount ? builtinCounts_[row] : 0;
}

bool Catalogue::IsCustomRowFree(int row) const {
    return IsCustomRow(row) && names_[row][0] == FreeName;
}

bool IsFreeRecordName(std::string_view name) { return name == FreeName || name.size() < 2; }

std::optional<int> Catalogue::FirstFreeCustomRow() const {
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        if (IsFreeRecordName(names_[row][0])) return row;
    }
    return std::nullopt;
}

void Catalogue::ClearCustomUnits(int row) {
    if (!IsCustomRow(row)) return;
    factors_[row][0] = 0.0;
    // The factors stay: they lie beyond the count and belong to no unit.
    for (int k = 1; k <= UnitRoom(row); ++k) names_[row][k].clear();
}

void Catalogue::ClearCustomRow(int row) {
    if (!IsCustomRow(row)) return;
    names_[row][0] = FreeName;
    ClearCustomUnits(row);
}

bool Catalogue::AppendUnit(int row, std::string_view name, double factor) {
    if (!IsRow(row)) return false;
    const int count = UnitCount(row);
    if (count >= UnitRoom(row)) return false;
    names_[row][count + 1] = name;
    factors_[row][count + 1] = factor;
    factors_[row][0] = count + 1;
    return true;
}

void Catalogue::RemoveUnitAt(int row, int position) {
    if (!IsRow(row)) return;
    const int count = UnitCount(row);
    // Built-in units never move: only the custom units after them can go.
    if (position <= BuiltinUnitsOf(row) || position < 1 || position > count) return;
    for (int k = position; k < count; ++k) {
        names_[row][k] = std::move(names_[row][k + 1]);
        factors_[row][k] = factors_[row][k + 1];
    }
    names_[row][count].clear();
    factors_[row][count] = 0.0;
    factors_[row][0] = count - 1;
}

void Catalogue::ReplaceBuiltinUnits(int row, std::span<const NamedFactor> units) {
    if (row < 0 || row >= BuiltinCategoryCount) return;
    if (row == CurrencyRow) currencyWords_.clear();
    std::vector<NamedFactor> added;
    for (int k = builtinCounts_[row] + 1; k <= UnitCount(row); ++k)
        added.emplace_back(std::move(names_[row][k]), factors_[row][k]);
    // Room for the units the row held too, however many: none is ever lost.
    const std::size_t customRoom = std::max<std::size_t>(MaxCustomUnits, added.size());
    const std::size_t entries =
        1 + std::max<std::size_t>(MaxUnitsPerRow, units.size() + customRoom);
    names_[row].resize(1);
    factors_[row].resize(1);
    names_[row].resize(entries);
    factors_[row].resize(entries);
    factors_[row][0] = 0.0;
    for (const auto& [name, factor] : units) AppendUnit(row, name, factor);
    builtinCounts_[row] = UnitCount(row);
    for (const auto& [name, factor] : added) AppendUnit(row, name, factor);
}
