#include "custom_catalogue.h"

#include <cmath>

#include "catalogue.h"
#include "factor_text.h"
#include "grammar_clash.h"
#include "name_owner.h"
#include "number_text.h"
#include "profile_records.h"
#include "storable_names.h"
#include "text_1252.h"

namespace {

CustomResult Refused(CustomMessage message) { return CustomResult{false, -1, message}; }

// Why queries could not tell the name from their own words and signs; None
// when they can.
CustomMessage GrammarRefusal(std::string_view name) {
    switch (GrammarClashOf(name)) {
        case GrammarClash::Word:
            return CustomMessage::NameIsGrammarWord;
        case GrammarClash::Sign:
            return CustomMessage::NameHasGrammarSign;
        case GrammarClash::Number:
            return CustomMessage::NameIsNumber;
        case GrammarClash::None:
            break;
    }
    return CustomMessage::None;
}

// Any row, free ones included: while a row is free it is named
// "Custom", so "custom" is taken as long as a row is free. Names that differ
// only by blanks at either end are taken too: they would share one profile
// section, and with it their units.
bool IsCategoryNameTaken(const Catalogue& catalogue, std::string_view name) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (SectionNamesMeet(catalogue.CategoryName(row), name)) return true;
    }
    return false;
}

bool IsUnitNameTaken(const Catalogue& catalogue, int row, std::string_view name) {
    for (int position = 1; position <= catalogue.UnitCount(row); ++position) {
        if (EqualsNoCase(catalogue.Name(row, position), name)) return true;
    }
    return false;
}

bool IsBuiltinUnitName(const Catalogue& catalogue, int row, std::string_view name) {
    for (int position = 1; position <= catalogue.BuiltinUnitsOf(row); ++position) {
        if (catalogue.Name(row, position) == name) return true;
    }
    return false;
}

}  // namespace

CustomCatalogue::CustomCatalogue(Catalogue& catalogue, ProfileStore& profile,
                                 CatalogueListener& listener)
    : catalogue_(catalogue), profile_(profile), listener_(listener) {}

CustomResult CustomCatalogue::AddCategory(const std::optional<std::string>& typed) {
    if (typed && IsCategoryNameTaken(catalogue_, *typed))
        return Refused(CustomMessage::CategoryNameTaken);
    if (!typed || *typed == FreeName || typed->size() < 2 || !IsStorableCategoryName(*typed))
        return Refused(CustomMessage::CategoryNameInvalid);
    if (const CustomMessage refusal = GrammarRefusal(*typed); refusal != CustomMessage::None)
        return Refused(refusal);
    const std::string name = NormaliseName(*typed);

    const std::optional<int> row = catalogue_.FirstFreeCustomRow();
    if (!row) return Refused(CustomMessage::CategoryLimit);
    profile_.Reload();  // the record check sees the file as it is now
    // A category the profile has no record for would be gone at the next
    // start: it is refused rather than kept for this run only.
    if (!HasFreeCategoryRecord(profile_)) return Refused(CustomMessage::NoRoomForCategory);

    catalogue_.ClearCustomUnits(*row);
    catalogue_.SetCategoryName(*row, name);
    AddCategoryRecord(profile_, name);
    listener_.OnCatalogueChanged({CatalogueChange::CategoryAdded, *row, name});
    return {true, *row, CustomMessage::None};
}

CustomMessage CustomCatalogue::CheckCategoryRemoval(std::string_view name) const {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (catalogue_.CategoryName(row) == name) return CustomMessage::BuiltinCategory;
    }
    return CustomMessage::None;
}

CustomResult CustomCatalogue::RemoveCategory(std::string_view name) {
    if (CheckCategoryRemoval(name) != CustomMessage::None)
        return Refused(CustomMessage::BuiltinCategory);
    std::optional<int> found;
    for (int row = FirstCustomRow; row < CategoryRowCount && !found; ++row) {
        if (catalogue_.CategoryName(row) == name && !catalogue_.IsCustomRowFree(row)) found = row;
    }
    if (!found) return {};

    const std::string removed(name);  // `name` may be the catalogue's own text
    catalogue_.ClearCustomRow(*found);
    RemoveCategoryRecord(profile_, removed);
    // The notice carries the name the row had, so the listener finds its entry.
    listener_.OnCatalogueChanged({CatalogueChange::CategoryRemoved, *found, removed});
    return {true, *found, CustomMessage::None};
}

CustomResult CustomCatalogue::AddUnit(int row, const std::optional<std::string>& typed,
                                      std::string_view factorText, std::string_view existingUnit) {
    if (row < 0 || row >= CategoryRowCount) return {};
    const std::string section = catalogue_.CategoryName(row);
    // The checks of the records see the file as it is now, not as it was
    // when the window started: another program may have changed it since.
    profile_.Reload();
    // The stored count is the limit, tested before anything else.
    if (StoredCustomUnitCount(profile_, section) >= MaxCustomUnits)
        return Refused(CustomMessage::UnitLimit);

    if (!typed || EqualsNoCase(*typed, FreeName) || typed->size() < 2 ||
        !IsStorableUnitName(*typed))
        return Refused(CustomMessage::UnitNameInvalid);
    if (const CustomMessage refusal = GrammarRefusal(*typed); refusal != CustomMessage::None)
        return Refused(refusal);
    const std::string name = NormaliseName(*typed);

    // The first unit of an empty category becomes its reference unit.
    const int count = catalogue_.UnitCount(row);
    double factor = 1.0;
    if (count > 0) {
        const int existing = catalogue_.UnitByName(row, existingUnit).value_or(1);
        factor = ParseNumberPrefix(factorText) * catalogue_.Factor(row, existing);
    }
    if (IsUnitNameTaken(catalogue_, row, name)) return Refused(CustomMessage::UnitNameTaken);
    // A name people type for a built-in unit keeps meaning that unit.
    if (BuiltinOwnerOf(catalogue_, row, name)) return Refused(CustomMessage::UnitNameIsSymbol);
    // A negative factor would load as 0 at the next start, and one that is
    // not finite has no text to read back.
    if (!std::isfinite(factor) || factor <= 0.0) return Refused(CustomMessage::UnitFactorInvalid);
    if (count >= catalogue_.UnitRoom(row)) return Refused(CustomMessage::RowFull);
    if (!HasFreeUnitRecord(profile_, section)) return Refused(CustomMessage::NoRoomForUnit);

    catalogue_.AppendUnit(row, name, factor);
    // The factor goes into the catalogue as it is; its text reads back as
    // the same double, so the unit converts alike after a restart.
    AddUnitRecord(profile_, section, name, StoredFactorText(factor));
    listener_.OnCatalogueChanged({CatalogueChange::UnitAdded, row, section});
    return {true, row, CustomMessage::None};
}

CustomMessage CustomCatalogue::CheckUnitRemoval(int row, std::string_view name) const {
    if (row < 0 || row >= CategoryRowCount) return CustomMessage::None;
    return IsBuiltinUnitName(catalogue_, row, name) ? CustomMessage::BuiltinUnit
                                                    : CustomMessage::None;
}

CustomResult CustomCatalogue::RemoveUnit(int row, std::string_view name) {
    if (row < 0 || row >= CategoryRowCount || name.empty()) return {};
    if (CheckUnitRemoval(row, name) != CustomMessage::None)
        return Refused(CustomMessage::BuiltinUnit);
    const std::optional<int> position = catalogue_.UnitByName(row, name);
    if (!position) return {};

    const std::string removed(name);  // `name` may be the catalogue's own text
    catalogue_.RemoveUnitAt(row, *position);
    const std::string& section = catalogue_.CategoryName(row);
    RemoveUnitRecord(profile_, section, removed);
    listener_.OnCatalogueChanged({CatalogueChange::UnitRemoved, row, section});
    return {true, row, CustomMessage::None};
}
