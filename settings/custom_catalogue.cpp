#include "custom_catalogue.h"

#include <cmath>

#include "catalogue.h"
#include "factor_text.h"
#include "number_text.h"
#include "profile_records.h"
#include "storable_names.h"
#include "text_1252.h"

namespace {

CustomResult Refused(CustomMessage message) { return CustomResult{false, -1, message}; }

// Any of the 31 rows, free ones included: while a row is free it is named
// "Custom", so "custom" is taken as long as a row is free. Names that differ
// only by blanks at either end are taken too: they would share one profile
// section, and with it their units.
bool IsCategoryNameTaken(std::string_view name) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (SectionNamesMeet(UnitNames[row][0], name)) return true;
    }
    return false;
}

bool IsUnitNameTaken(int row, std::string_view name) {
    for (int position = 1; position <= UnitCount(row); ++position) {
        if (EqualsNoCase(UnitNames[row][position], name)) return true;
    }
    return false;
}

bool IsBuiltinUnitName(int row, std::string_view name) {
    for (int position = 1; position <= BuiltinUnitsOf(row); ++position) {
        if (UnitNames[row][position] == name) return true;
    }
    return false;
}

}  // namespace

CustomCatalogue::CustomCatalogue(ProfileStore& profile, CatalogueListener& listener)
    : profile_(profile), listener_(listener) {}

CustomResult CustomCatalogue::AddCategory(const std::optional<std::string>& typed) {
    if (typed && IsCategoryNameTaken(*typed)) return Refused(CustomMessage::CategoryNameTaken);
    if (!typed || *typed == FreeName || typed->size() < 2 || !IsStorableCategoryName(*typed))
        return Refused(CustomMessage::CategoryNameInvalid);
    const std::string name = NormaliseName(*typed);

    const std::optional<int> row = FirstFreeCustomRow();
    if (!row) return Refused(CustomMessage::CategoryLimit);
    // A category the profile has no record for would be gone at the next
    // start: it is refused rather than kept for this run only.
    if (!HasFreeCategoryRecord(profile_)) return Refused(CustomMessage::NoRoomForCategory);

    ClearCustomUnits(*row);
    UnitNames[*row][0] = name;
    AddCategoryRecord(profile_, name);
    listener_.OnCatalogueChanged(*row, CatalogueCategoryAdded);
    return {true, *row, CustomMessage::None};
}

CustomMessage CustomCatalogue::CheckCategoryRemoval(std::string_view name) const {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (UnitNames[row][0] == name) return CustomMessage::BuiltinCategory;
    }
    if (name == CurrencyName) return CustomMessage::BuiltinCategory;
    return CustomMessage::None;
}

CustomResult CustomCatalogue::RemoveCategory(std::string_view name) {
    if (CheckCategoryRemoval(name) != CustomMessage::None)
        return Refused(CustomMessage::BuiltinCategory);
    std::optional<int> found;
    for (int row = FirstCustomRow; row < CategoryRowCount && !found; ++row) {
        if (UnitNames[row][0] == name && !IsCustomRowFree(row)) found = row;
    }
    if (!found) return {};

    const std::string removed(name);  // `name` may be the catalogue's own text
    // The row keeps its name for now, so that the listener can still find it.
    ClearCustomUnits(*found);
    RemoveCategoryRecord(profile_, removed);
    // Told while the row still bears the name, so the listener finds its entry.
    listener_.OnCatalogueChanged(*found, CatalogueCategoryRemoved);
    ClearCustomRow(*found);
    return {true, *found, CustomMessage::None};
}

CustomResult CustomCatalogue::AddUnit(int row, const std::optional<std::string>& typed,
                                      std::string_view factorText, std::string_view existingUnit) {
    if (row < 0 || row >= CategoryRowCount) return {};
    const std::string section = UnitNames[row][0];
    // The stored count is the limit, tested before anything else.
    if (StoredCustomUnitCount(profile_, section) >= MaxCustomUnits)
        return Refused(CustomMessage::UnitLimit);

    if (!typed || EqualsNoCase(*typed, FreeName) || typed->size() < 2 ||
        !IsStorableUnitName(*typed))
        return Refused(CustomMessage::UnitNameInvalid);
    const std::string name = NormaliseName(*typed);

    // The first unit of an empty category becomes its reference unit.
    const int count = UnitCount(row);
    double factor = 1.0;
    if (count > 0) {
        const int existing = UnitByName(row, existingUnit).value_or(1);
        factor = ParseNumberPrefix(factorText) * UnitFactors[row][existing];
    }
    if (IsUnitNameTaken(row, name)) return Refused(CustomMessage::UnitNameTaken);
    // A negative factor would load as 0 at the next start, and one that is
    // not finite has no text to read back.
    if (!std::isfinite(factor) || factor <= 0.0) return Refused(CustomMessage::UnitFactorInvalid);
    if (count >= MaxUnitsPerRow) return Refused(CustomMessage::RowFull);
    if (!HasFreeUnitRecord(profile_, section)) return Refused(CustomMessage::NoRoomForUnit);

    AppendUnit(row, name, factor);
    // The factor goes into the catalogue as it is; its text reads back as
    // the same double, so the unit converts alike after a restart.
    AddUnitRecord(profile_, section, name, StoredFactorText(factor));
    listener_.OnCatalogueChanged(row, CatalogueUnitAdded);
    return {true, row, CustomMessage::None};
}

CustomMessage CustomCatalogue::CheckUnitRemoval(int row, std::string_view name) const {
    if (row < 0 || row >= CategoryRowCount) return CustomMessage::None;
    return IsBuiltinUnitName(row, name) ? CustomMessage::BuiltinUnit : CustomMessage::None;
}

CustomResult CustomCatalogue::RemoveUnit(int row, std::string_view name) {
    if (row < 0 || row >= CategoryRowCount || name.empty()) return {};
    if (CheckUnitRemoval(row, name) != CustomMessage::None)
        return Refused(CustomMessage::BuiltinUnit);
    const std::optional<int> position = UnitByName(row, name);
    if (!position) return {};

    const std::string removed(name);  // `name` may be the catalogue's own text
    RemoveUnitAt(row, *position);
    RemoveUnitRecord(profile_, UnitNames[row][0], removed);
    listener_.OnCatalogueChanged(row, CatalogueUnitRemoved);
    return {true, row, CustomMessage::None};
}
