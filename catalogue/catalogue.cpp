// The catalogue tables and the operations on them.
//
// Readers treat a row outside 0..30 as row 0, as the window does with a
// stray category number; writers refuse it, so a bad row number can never
// change a category the caller did not mean.
#include "catalogue.h"

#include <utility>

#include "builtin_units.h"
#include "currency_units.h"

std::string UnitNames[CategoryRowCount][RowEntryCount];
double UnitFactors[CategoryRowCount][RowEntryCount];
const int BuiltinUnitCount[BuiltinCategoryCount] = {
    10, 16, 7, 12, 18, 7, 8, 10, 8, 13, 19, 25, 34, 12, 9, 15, 10, 19, 5, 15, 7, 18, 23, 4, 17, 6,
};

namespace {

bool IsRow(int row) { return row >= 0 && row < CategoryRowCount; }
bool IsCustomRow(int row) { return row >= FirstCustomRow && row < CustomRowEnd; }
int RowOrFirst(int row) { return IsRow(row) ? row : 0; }

void EmptyUnitsFrom(int row, int firstPosition) {
    for (int k = firstPosition; k <= MaxUnitsPerRow; ++k) {
        UnitNames[row][k].clear();
        UnitFactors[row][k] = 0.0;
    }
}

// The window, the command line and the profile loader all expect a filled
// catalogue from the first line of main().
const struct FillAtStart {
    FillAtStart() { ResetCatalogue(); }
} fillAtStart;

}  // namespace

void ResetCatalogue() {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const BuiltinCategory& category = BuiltinCategories[row];
        const int count = category.UnitCount();
        UnitNames[row][0] = category.name;
        UnitFactors[row][0] = count;
        for (int k = 1; k <= count; ++k) {
            UnitNames[row][k] = category.units[k - 1].name;
            UnitFactors[row][k] = category.units[k - 1].factor;
        }
        EmptyUnitsFrom(row, count + 1);
    }
    for (int row = FirstCustomRow; row < CustomRowEnd; ++row) {
        UnitNames[row][0] = FreeName;
        UnitFactors[row][0] = 0.0;
        EmptyUnitsFrom(row, 1);
    }
    UnitNames[CurrencyRow][0] = CurrencyName;
    UnitFactors[CurrencyRow][0] = 0.0;
    EmptyUnitsFrom(CurrencyRow, 1);
    ClearCurrencyRates();
}

std::optional<int> CategoryByName(std::string_view name) {
    std::optional<int> found;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (UnitNames[row][0] == name) found = row;
    }
    return found;
}

std::optional<int> UnitByName(int row, std::string_view name) {
    row = RowOrFirst(row);
    const int count = UnitCount(row);
    std::optional<int> found;
    for (int k = 1; k <= count; ++k) {
        if (UnitNames[row][k] == name) found = k;
    }
    return found;
}

int UnitCount(int row) {
    const double count = UnitFactors[RowOrFirst(row)][0];
    // Written as "not at least 1" so that a not-a-number count means no units.
    if (!(count >= 1.0)) return 0;
    if (count >= MaxUnitsPerRow) return MaxUnitsPerRow;
    return static_cast<int>(count);
}

int BuiltinUnitsOf(int row) {
    row = RowOrFirst(row);
    if (row == CurrencyRow) return CurrencyUnitCount();
    return row < BuiltinCategoryCount ? BuiltinUnitCount[row] : 0;
}

bool IsCustomRowFree(int row) { return IsCustomRow(row) && UnitNames[row][0] == FreeName; }

bool IsFreeRecordName(std::string_view name) { return name == FreeName || name.size() < 2; }

std::optional<int> FirstFreeCustomRow() {
    for (int row = FirstCustomRow; row < CustomRowEnd; ++row) {
        if (IsFreeRecordName(UnitNames[row][0])) return row;
    }
    return std::nullopt;
}

void ClearCustomUnits(int row) {
    if (!IsCustomRow(row)) return;
    UnitFactors[row][0] = 0.0;
    // The factors stay: they lie beyond the count and belong to no unit.
    for (int k = 1; k <= MaxUnitsPerRow; ++k) UnitNames[row][k].clear();
}

void ClearCustomRow(int row) {
    if (!IsCustomRow(row)) return;
    UnitNames[row][0] = FreeName;
    ClearCustomUnits(row);
}

bool AppendUnit(int row, std::string_view name, double factor) {
    if (!IsRow(row)) return false;
    const int count = UnitCount(row);
    if (count >= MaxUnitsPerRow) return false;
    UnitNames[row][count + 1] = name;
    UnitFactors[row][count + 1] = factor;
    UnitFactors[row][0] = count + 1;
    return true;
}

void RemoveUnitAt(int row, int position) {
    if (!IsRow(row)) return;
    const int count = UnitCount(row);
    // Built-in units never move: only the custom units after them can go.
    if (position <= BuiltinUnitsOf(row) || position < 1 || position > count) return;
    for (int k = position; k < count; ++k) {
        UnitNames[row][k] = std::move(UnitNames[row][k + 1]);
        UnitFactors[row][k] = UnitFactors[row][k + 1];
    }
    UnitNames[row][count].clear();
    UnitFactors[row][count] = 0.0;
    UnitFactors[row][0] = count - 1;
}
