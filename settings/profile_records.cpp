#include "profile_records.h"

#include <algorithm>
#include <optional>

#include "catalogue.h"
#include "number_text.h"
#include "profile_keys.h"
#include "result_format.h"

int CategoryVisible[BuiltinCategoryCount] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                             1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

namespace {

using namespace profile;

std::string_view SectionOf(int row) { return UnitNames[row][0]; }

bool IsStoredTrue(const ProfileStore& store, std::string_view key) {
    // Stored switches are compared exactly: "true" or "True" count as false.
    return store.GetProfileString(SettingsSection, key, False) == True;
}

// The stored factor of a custom unit. Text without a leading number reads as
// 0; a negative size means nothing, so it is taken as 0 too (that also turns
// "-0" into a plain 0).
double StoredFactor(const ProfileStore& store, std::string_view section, int record) {
    const double factor = ParseNumberPrefix(store.GetProfileString(section, UnitValueKey(record)));
    return factor > 0 ? factor : 0.0;
}

}  // namespace

void LoadCustomCategoryNames(const ProfileStore& store) {
    for (int record = 1; record <= CategoryRecordCount; ++record) {
        std::string name =
            store.GetProfileString(SettingsSection, CategoryRecordKey(record), FreeRecord);
        if (name.size() > 1) UnitNames[FirstCustomRow - 1 + record][0] = std::move(name);
    }
}

void LoadCustomUnits(const ProfileStore& store) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        // A free custom row must stay empty, so that a category added to it
        // later starts without units; the section "Custom" is nobody's.
        if (row >= FirstCustomRow && IsCustomRowFree(row)) continue;
        const std::string section(SectionOf(row));
        const int wanted = store.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnits);
        if (wanted < 0 || wanted > MaxCustomUnits) continue;
        int taken = 0;
        for (int record = 1; record <= UnitRecordCount && taken < wanted; ++record) {
            const std::string name =
                store.GetProfileString(section, UnitNameKey(record), FreeRecord);
            if (IsFreeRecordName(name)) continue;
            if (!AppendUnit(row, name, StoredFactor(store, section, record))) break;
            ++taken;
        }
    }
}

void LoadCategoryVisibility(const ProfileStore& store) {
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        CategoryVisible[row] =
            store.GetProfileInt(SectionOf(row), VisibilityKey, DefaultVisibility);
}

void LoadResultSettings(const ProfileStore& store) {
    const int format = store.GetProfileInt(SettingsSection, FormatKey, DefaultFormat);
    const int precision = store.GetProfileInt(SettingsSection, PrecisionKey, DefaultPrecision);
    if (format >= FormatAuto && format <= FormatFixed) ResultFormat = format;
    if (precision >= MinPrecision && precision <= MaxPrecision) ResultPrecision = precision;
}

void LoadProfile(const ProfileStore& store) {
    LoadCustomCategoryNames(store);
    LoadCustomUnits(store);
    LoadCategoryVisibility(store);
    LoadResultSettings(store);
}

std::string StartCategoryName(const ProfileStore& store) {
    if (!IsStoredTrue(store, RememberCategoryKey)) return std::string(NoCategory);
    return store.GetProfileString(SettingsSection, LastCategoryKey, NoCategory);
}

bool IsOnTopStored(const ProfileStore& store) { return IsStoredTrue(store, OnTopKey); }

ProfileWriteResult SaveSettings(ProfileStore& store) {
    if (auto error = store.WriteProfileInt(SettingsSection, FormatKey, ResultFormat)) return error;
    if (auto error = store.WriteProfileInt(SettingsSection, PrecisionKey, ResultPrecision))
        return error;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (auto error = store.WriteProfileInt(SectionOf(row), VisibilityKey, CategoryVisible[row]))
            return error;
    }
    return std::nullopt;
}

ProfileWriteResult SaveLastCategory(ProfileStore& store, std::string_view categoryName) {
    return store.WriteProfileString(SettingsSection, LastCategoryKey, categoryName);
}

bool HasFreeCategoryRecord(const ProfileStore& store) {
    for (int record = 1; record <= CategoryRecordCount; ++record) {
        if (IsFreeRecordName(
                store.GetProfileString(SettingsSection, CategoryRecordKey(record), FreeRecord)))
            return true;
    }
    return false;
}

bool AddCategoryRecord(ProfileStore& store, std::string_view name) {
    for (int record = 1; record <= CategoryRecordCount; ++record) {
        const std::string key = CategoryRecordKey(record);
        if (!IsFreeRecordName(store.GetProfileString(SettingsSection, key, FreeRecord))) continue;
        store.WriteProfileString(SettingsSection, key, name);
        return true;
    }
    return false;
}

void RemoveCategoryRecord(ProfileStore& store, std::string_view name) {
    for (int record = 1; record <= CategoryRecordCount; ++record) {
        const std::string key = CategoryRecordKey(record);
        if (store.GetProfileString(SettingsSection, key, FreeRecord) != name) continue;
        if (store.WriteProfileString(SettingsSection, key, FreeRecord)) return;
    }
}

int StoredCustomUnitCount(const ProfileStore& store, std::string_view section) {
    return store.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnits);
}

bool HasFreeUnitRecord(const ProfileStore& store, std::string_view section) {
    for (int record = 1; record <= UnitRecordCount; ++record) {
        if (IsFreeRecordName(store.GetProfileString(section, UnitNameKey(record), FreeRecord)))
            return true;
    }
    return false;
}

bool AddUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                   std::string_view factorText) {
    std::optional<int> freeRecord;
    for (int record = 1; record <= UnitRecordCount && !freeRecord; ++record) {
        if (IsFreeRecordName(store.GetProfileString(section, UnitNameKey(record), FreeRecord)))
            freeRecord = record;
    }
    // Name, then factor, then the count; a failed write stops the rest, so
    // the count never claims a record whose name did not reach the file.
    bool written = false;
    if (freeRecord) {
        written = !store.WriteProfileString(section, UnitNameKey(*freeRecord), name) &&
                  !store.WriteProfileString(section, UnitValueKey(*freeRecord), factorText);
    }
    const int stored = StoredCustomUnitCount(store, section);
    if (written) store.WriteProfileInt(section, CustomUnitsKey, stored + 1);
    return freeRecord.has_value();
}

int RemoveUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                     const std::function<void()>& onRemoved) {
    int removed = 0;
    for (int record = 1; record <= UnitRecordCount; ++record) {
        if (store.GetProfileString(section, UnitNameKey(record), FreeRecord) != name) continue;
        if (store.WriteProfileString(section, UnitNameKey(record), FreeRecord)) break;
        if (store.WriteProfileString(section, UnitValueKey(record), std::nullopt)) break;
        const int stored =
            store.GetProfileInt(section, CustomUnitsKey, DefaultCustomUnitsOnRemoval);
        // Never below 0: a negative count would hide every remaining unit of
        // the category at the next start.
        if (store.WriteProfileInt(section, CustomUnitsKey, std::max(stored - 1, 0))) break;
        ++removed;
        if (onRemoved) onRemoved();
    }
    return removed;
}
