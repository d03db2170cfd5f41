#pragma once
// The unit catalogue: one row per category, owned by whoever runs the
// program (the window program's start, the command line's main) and handed
// by reference to everything that reads or changes it.
//
//   Name(row, 0)    category name          Factor(row, 0)  unit count, as a double
//   Name(row, k)    name of unit k         Factor(row, k)  size of unit k in the
//                   (1..UnitRoom(row))                     category's reference unit
//
// A row has room for 59 units, except the Currency row, whose built-in units
// follow the exchange rates: it has room for every currency of the rates and
// the custom units after them, whatever the number of currencies.
//
// The built-in categories come first, in alphabetical order; the five rows
// after them are custom slots, free while named "Custom". All names are Windows-1252
// byte strings ("Centimeters/sec\xB2 " keeps its trailing blank). The window
// and the command line map shown texts back to rows and positions through
// the exact, case-sensitive lookups below, in which the last match wins.
//
// The catalogue also carries which built-in categories the window lists
// (Visible, as the profile stores it) and whether the user may have changed
// that during this run (VisibilityEdited).
//
// It is large (two tables of at least 60 entries a row) and never copied:
// pass it by reference.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue_limits.h"

// A unit as the catalogue holds it: its Windows-1252 name and its factor.
using NamedFactor = std::pair<std::string, double>;

// What a currency of the rates answers to besides its unit name: its code,
// and its ISO 4217 names in English and German (empty where none is known).
// Windows-1252, like the names.
struct CurrencyWords {
    std::string code;
    std::string english;
    std::string german;
};

class Catalogue {
public:
    // The built-in content, five free custom rows, every built-in category
    // listed and the visibility not yet edited.
    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // Entry `position` of `row` (0 is the category); both must be in range.
    const std::string& Name(int row, int position) const { return names_[row][position]; }
    double Factor(int row, int position) const { return factors_[row][position]; }
    const std::string& CategoryName(int row) const { return names_[row][0]; }

    // Renames `row`; nothing for a row outside the table. The profile loader and
    // the custom categories name the custom rows this way.
    void SetCategoryName(int row, std::string_view name);
    // Sets the stored count of `row` as it is, fractions and all (only a
    // hand-edited profile or a test puts an odd one there).
    void SetStoredCount(int row, double count);

    // Highest row whose name equals `name` byte for byte; nothing when none does.
    std::optional<int> CategoryByName(std::string_view name) const;

    // Highest position 1..count of `row` whose unit name equals `name` exactly.
    std::optional<int> UnitByName(int row, std::string_view name) const;

    // Factor(row, 0) truncated toward zero, 0..UnitRoom(row).
    int UnitCount(int row) const;

    // The most units `row` can hold: 59, or for a row whose built-in units
    // were replaced by more than that leaves room for, those units and
    // MaxCustomUnits custom ones.
    int UnitRoom(int row) const {
        return static_cast<int>(names_[row >= 0 && row < CategoryRowCount ? row : 0].size()) - 1;
    }

    // The built-in units of a built-in row (counted from the built-in data), 0
    // for the custom rows.
    int BuiltinUnitsOf(int row) const;

    // True when the custom row's name is exactly "Custom".
    bool IsCustomRowFree(int row) const;

    // Lowest custom row whose name is "Custom" or shorter than two characters.
    std::optional<int> FirstFreeCustomRow() const;

    // A custom row keeps its name and loses its units: count 0, unit names empty.
    void ClearCustomUnits(int row);

    // Frees a custom row: name "Custom", count 0, unit names empty.
    void ClearCustomRow(int row);

    // Puts a unit at position count + 1 and raises the count. False, and nothing
    // changed, when the row is full (UnitRoom).
    bool AppendUnit(int row, std::string_view name, double factor);

    // Puts `units` in place of the built-in units of built-in `row`, all of
    // them, and keeps the units the profile added after them: the row's room
    // grows to hold every unit and MaxCustomUnits more when 59 would not.
    // The Currency row's built-in units follow the loaded exchange rates.
    void ReplaceBuiltinUnits(int row, std::span<const NamedFactor> units);

    // The words of the Currency row's built-in units, one per unit in order;
    // ReplaceBuiltinUnits forgets them.
    void SetCurrencyWords(std::vector<CurrencyWords> words) { currencyWords_ = std::move(words); }
    // Those of Currency's built-in unit at `position`; null for any other.
    const CurrencyWords* CurrencyWordsAt(int position) const {
        if (position < 1 || static_cast<std::size_t>(position) > currencyWords_.size())
            return nullptr;
        return &currencyWords_[static_cast<std::size_t>(position) - 1];
    }

    // Takes the unit at `position` out of the row: later units move down one
    // place, the freed last place is emptied and the count falls by one.
    void RemoveUnitAt(int row, int position);

    // Non-zero lists built-in category `row` in the main window. Values are
    // kept as read: a stored 7 lists the category and is written back as 7.
    int Visibility(int row) const { return visible_[row]; }
    void SetVisibility(int row, int value) { visible_[row] = value; }
    // One value per built-in category, in row order.
    std::span<const int> Visibilities() const { return visible_; }

    // Set once the user may have changed which built-in categories are
    // listed: the Visible Categories list had the input focus, or "Display
    // all Categories" was turned on. Nothing clears it, so from then on every
    // OK of the Preferences sheet copies the list's checks (when that tab was
    // shown) and rebuilds the main window's category list.
    bool VisibilityEdited() const { return visibilityEdited_; }
    void MarkVisibilityEdited() { visibilityEdited_ = true; }

private:
    // Entries 0..UnitRoom(row) of each row.
    std::vector<std::string> names_[CategoryRowCount];
    std::vector<double> factors_[CategoryRowCount];
    int builtinCounts_[BuiltinCategoryCount] = {};
    int visible_[BuiltinCategoryCount] = {};
    bool visibilityEdited_ = false;
    std::vector<CurrencyWords> currencyWords_;
};

// A profile record or custom row counts as free when its name is "Custom" or
// shorter than two characters.
bool IsFreeRecordName(std::string_view name);
