#pragma once
// The unit catalogue: process-wide tables, one row per category.
//
//   UnitNames[row][0]    category name          UnitFactors[row][0]  unit count, as a double
//   UnitNames[row][k]    name of unit k (1..59) UnitFactors[row][k]  size of unit k in the
//                                                                    category's reference unit
//
// The built-in categories come first, in alphabetical order; the five rows
// after them are custom slots, free while named "Custom". All names are Windows-1252
// byte strings ("Centimeters/sec\xB2 " keeps its trailing blank). The window
// and the command line map shown texts back to rows and positions through
// the exact, case-sensitive lookups below, in which the last match wins.
#include <optional>
#include <string>
#include <string_view>

#include "catalogue_limits.h"

extern std::string UnitNames[CategoryRowCount][RowEntryCount];
extern double UnitFactors[CategoryRowCount][RowEntryCount];

// Puts the tables back to their state at program start: the built-in
// content and five free custom rows. Runs by itself before main(); tests call
// it to start from a clean catalogue.
void ResetCatalogue();

// Highest row whose name equals `name` byte for byte; nothing when none does.
std::optional<int> CategoryByName(std::string_view name);

// Highest position 1..count of `row` whose unit name equals `name` exactly.
std::optional<int> UnitByName(int row, std::string_view name);

// UnitFactors[row][0] truncated toward zero.
int UnitCount(int row);

// The number of built-in units of `row`, 0 for the custom rows.
int BuiltinUnitsOf(int row);

// True when the custom row's name is exactly "Custom".
bool IsCustomRowFree(int row);

// A profile record or custom row counts as free when its name is "Custom" or
// shorter than two characters.
bool IsFreeRecordName(std::string_view name);

// Lowest custom row whose name is "Custom" or shorter than two characters.
std::optional<int> FirstFreeCustomRow();

// A custom row keeps its name and loses its units: count 0, unit names empty.
void ClearCustomUnits(int row);

// Frees a custom row: name "Custom", count 0, unit names empty.
void ClearCustomRow(int row);

// Puts a unit at position count + 1 and raises the count. False, and nothing
// changed, when the row already holds 59 units.
bool AppendUnit(int row, std::string_view name, double factor);

// Takes the unit at `position` out of the row: later units move down one
// place, the freed last place is emptied and the count falls by one.
void RemoveUnitAt(int row, int position);
