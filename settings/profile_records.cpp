#include "profile_records.h"

#include <algorithm>
#include <array>
#include <optional>

#include "catalogue.h"
#include "number_text.h"
#include "profile_keys.h"
#include "result_format.h"

namespace {

using namespace profile;

// The stored factor of a custom unit. Text without a leading number reads as
// 0; a negative size means nothing, so it is taken as 0 too (that also turns
// "-0" into a plain 0).
double StoredFactor(const ProfileStore& store, std::string_view section, int record) {
    const double factor = ParseNumberPrefix(store.GetProfileString(section, UnitValueKey(record)));
    return factor > 0 ? factor : 0.0;
}

// The one search for a free record, on the file as a read sees it or as an
// edit holds it under the lock.
template <class Profile>
std::optional<int> FirstFreeRecord(const Profile& profile, std::string_view section,
                                   std::string (*keyOf)(int), int records) {
    for (int record = 1; record <= records; ++record) {
        if (IsFreeRecordName(profile.GetProfileString(section, keyOf(record), FreeRecord)))
            return record;
    }
    return std::nullopt;
}

// Every unit key of a category's section goes, the count included.
void DropUnitRecords(ProfileEdit& edit, std::string_view section) {
    edit.WriteProfileString(section, CustomUnitsKey, std::nullopt);
    for (int record = 1; record <= UnitRecordCount; ++record) {
        edit.WriteProfileString(section, UnitNameKey(record), std::nullopt);
        edit.WriteProfileString(section, UnitValueKey(record), std::nullopt);
    }
}

}  // namespace

void LoadCustomCategoryNames(const ProfileStore& store, Catalogue& catalogue) {
    for (int record = 1; record <= CategoryRecordCount; ++record) {
        std::string name =
            store.GetProfileString(SettingsSection, CategoryRecordKey(record), FreeRecord);
        if (name.size() > 1) catalogue.SetCategoryName(FirstCustomRow - 1 + record, name);
    }
}

namespace {

// True when a custom category in use keeps its units in the section of
// built-in `row`: a profile written before that category was built in
// ("Currency", "Frequency"). The records are the custom category's; read
// into the built-in row too they would be the same units twice, with
// factors in another reference unit.
bool SectionTakenByCustomCategory(const Catalogue& catalogue, int row) {
    for (int custom = FirstCustomRow; custom < CategoryRowCount; ++custom) {
        if (!catalogue.IsCustomRowFree(custom) &&
            ProfileNamesMatch(catalogue.CategoryName(custom), catalogue.CategoryName(row)))
            return true;
    }
    return false;
}

}  // namespace

void LoadCustomUnits(const ProfileStore& store, Catalogue& catalogue) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        // A free custom row must stay empty, so that a category added to it
        // later starts without units; the section "Custom" is nobody's.
        if (row >= FirstCustomRow && catalogue.IsCustomRowFree(row)) continue;
        if (row < FirstCustomRow && SectionTakenByCustomCategory(catalogue, row)) continue;
        const std::string section = catalogue.CategoryName(row);
        const int wanted = store.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnits);
        if (wanted < 0 || wanted > MaxCustomUnits) continue;
        int taken = 0;
        for (int record = 1; record <= UnitRecordCount && taken < wanted; ++record) {
            const std::string name =
                store.GetProfileString(section, UnitNameKey(record), FreeRecord);
            if (IsFreeRecordName(name)) continue;
            if (!catalogue.AppendUnit(row, name, StoredFactor(store, section, record))) break;
            ++taken;
        }
    }
}

void LoadCategoryVisibility(const ProfileStore& store, Catalogue& catalogue) {
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        catalogue.SetVisibility(row, store.GetProfileInt(catalogue.CategoryName(row), VisibilityKey,
                                                         DefaultVisibility));
}

void LoadResultSettings(const ProfileStore& store, ResultStyle& style) {
    style.TakeUsable(store.GetProfileInt(SettingsSection, FormatKey, DefaultFormat),
                     store.GetProfileInt(SettingsSection, PrecisionKey, DefaultPrecision));
}

void LoadProfile(const ProfileStore& store, Catalogue& catalogue, ResultStyle& style) {
    LoadCustomCategoryNames(store, catalogue);
    LoadCustomUnits(store, catalogue);
    LoadCategoryVisibility(store, catalogue);
    LoadResultSettings(store, style);
}

bool ReadSwitch(const ProfileStore& store, std::string_view key) {
    return IsSwitchOn(store.GetProfileString(SettingsSection, key, False));
}

bool IsHistoryKept(const ProfileStore& store) {
    return IsSwitchOn(store.GetProfileString(SettingsSection, KeepHistoryKey, True));
}

ProfileWriteResult WriteSwitch(ProfileStore& store, std::string_view key, bool on) {
    return store.WriteProfileString(SettingsSection, key, SwitchText(on));
}

std::string StartCategoryName(const ProfileStore& store) {
    if (!ReadSwitch(store, RememberCategoryKey)) return std::string(NoCategory);
    return store.GetProfileString(SettingsSection, LastCategoryKey, NoCategory);
}

bool IsOnTopStored(const ProfileStore& store) { return ReadSwitch(store, OnTopKey); }

ProfileWriteResult SaveSettings(ProfileStore& store, const Catalogue& catalogue,
                                const ResultStyle& style,
                                std::optional<std::string_view> lastCategory) {
    return store.Edit([&](ProfileEdit& edit) {
        edit.WriteProfileInt(SettingsSection, FormatKey, style.format);
        edit.WriteProfileInt(SettingsSection, PrecisionKey, style.precision);
        for (int row = 0; row < BuiltinCategoryCount; ++row)
            edit.WriteProfileInt(catalogue.CategoryName(row), VisibilityKey,
                                 catalogue.Visibility(row));
        if (lastCategory) edit.WriteProfileString(SettingsSection, LastCategoryKey, *lastCategory);
    });
}

ProfileWriteResult SaveResultSettings(ProfileStore& store, int format, int precision) {
    return store.Edit([&](ProfileEdit& edit) {
        edit.WriteProfileInt(SettingsSection, PrecisionKey, precision);
        edit.WriteProfileInt(SettingsSection, FormatKey, format);
    });
}

std::optional<int> FirstFreeCategoryRecord(const ProfileStore& store) {
    return FirstFreeRecord(store, SettingsSection, CategoryRecordKey, CategoryRecordCount);
}

bool HasFreeCategoryRecord(const ProfileStore& store) {
    return FirstFreeCategoryRecord(store).has_value();
}

bool AddCategoryRecord(ProfileStore& store, std::string_view name) {
    std::optional<int> record;
    store.Edit([&](ProfileEdit& edit) {
        record = FirstFreeRecord(edit, SettingsSection, CategoryRecordKey, CategoryRecordCount);
        if (!record) return;
        edit.WriteProfileString(SettingsSection, CategoryRecordKey(*record), name);
        DropUnitRecords(edit, name);
    });
    return record.has_value();
}

ProfileWriteResult RemoveCategoryRecord(ProfileStore& store, std::string_view name) {
    return store.Edit([&](ProfileEdit& edit) {
        for (int record = 1; record <= CategoryRecordCount; ++record) {
            const std::string key = CategoryRecordKey(record);
            if (edit.GetProfileString(SettingsSection, key, FreeRecord) == name)
                edit.WriteProfileString(SettingsSection, key, FreeRecord);
        }
        DropUnitRecords(edit, name);
    });
}

int StoredCustomUnitCount(const ProfileStore& store, std::string_view section) {
    return store.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnits);
}

std::optional<int> FirstFreeUnitRecord(const ProfileStore& store, std::string_view section) {
    return FirstFreeRecord(store, section, UnitNameKey, UnitRecordCount);
}

bool HasFreeUnitRecord(const ProfileStore& store, std::string_view section) {
    return FirstFreeUnitRecord(store, section).has_value();
}

bool AddUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                   std::string_view factorText) {
    std::optional<int> record;
    store.Edit([&](ProfileEdit& edit) {
        record = FirstFreeRecord(edit, section, UnitNameKey, UnitRecordCount);
        if (!record) return;
        edit.WriteProfileString(section, UnitNameKey(*record), name);
        edit.WriteProfileString(section, UnitValueKey(*record), factorText);
        const int stored = edit.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnits);
        edit.WriteProfileInt(section, CustomUnitsKey, stored + 1);
    });
    return record.has_value();
}

int RemoveUnitRecord(ProfileStore& store, std::string_view section, std::string_view name) {
    int removed = 0;
    store.Edit([&](ProfileEdit& edit) {
        removed = 0;
        for (int record = 1; record <= UnitRecordCount; ++record) {
            if (edit.GetProfileString(section, UnitNameKey(record), FreeRecord) != name) continue;
            edit.WriteProfileString(section, UnitNameKey(record), FreeRecord);
            edit.WriteProfileString(section, UnitValueKey(record), std::nullopt);
            const int stored =
                edit.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnitsOnRemoval);
            // Never below 0: a negative count would hide every remaining unit
            // of the category at the next start.
            edit.WriteProfileInt(section, CustomUnitsKey, std::max(stored - 1, 0));
            ++removed;
        }
    });
    return removed;
}
