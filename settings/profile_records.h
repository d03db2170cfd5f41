#pragma once
// What the program keeps in the profile, as plain functions over the
// catalogue and a ProfileStore: the start-up load, the save on leaving, and
// the custom category and custom unit records.
#include <functional>
#include <string>
#include <string_view>

#include "catalogue_limits.h"
#include "profile_store.h"

// Non-zero lists built-in category `row` in the main window. Values are kept
// as read: a stored 7 lists the category and is written back as 7.
extern int CategoryVisible[BuiltinCategoryCount];

// --- Start-up load, in this order ---------------------------------------

// Custom_1..5 of [Settings]: a text of more than one character names row 25 + k.
void LoadCustomCategoryNames(const ProfileStore& store);

// For every row, in the section named by its category: CustomUnits (0..10,
// else none), then the occupied records in order, up to that many; a factor
// below 0 or without a leading number is taken as 0.
void LoadCustomUnits(const ProfileStore& store);

// CategoryVisible[row] = Visibility of each built-in section, default 1.
void LoadCategoryVisibility(const ProfileStore& store);

// ResultFormat and ResultPrecision, each only when in range (0..2, 1..9).
void LoadResultSettings(const ProfileStore& store);

// The four steps above, in order: what the window and the command line do at start.
void LoadProfile(const ProfileStore& store);

// The stored LastCategory when RememberCategory reads exactly "TRUE",
// otherwise "NONE".
std::string StartCategoryName(const ProfileStore& store);

// OnTop reads exactly "TRUE".
bool IsOnTopStored(const ProfileStore& store);

// --- Leaving the program -------------------------------------------------

// Format, Precision, then Visibility of the 26 built-in categories in row order.
ProfileWriteResult SaveSettings(ProfileStore& store);
// Settings/LastCategory.
ProfileWriteResult SaveLastCategory(ProfileStore& store, std::string_view categoryName);

// --- Custom category records ([Settings] Custom_1..5) -----------------------

bool HasFreeCategoryRecord(const ProfileStore& store);
// Writes the name into the first free record; false when none is free.
bool AddCategoryRecord(ProfileStore& store, std::string_view name);
// Sets every record holding exactly `name` back to "Custom".
void RemoveCategoryRecord(ProfileStore& store, std::string_view name);

// --- Custom unit records (in the category's section) -----------------------

// CustomUnits of the section, default 0.
int StoredCustomUnitCount(const ProfileStore& store, std::string_view section);
bool HasFreeUnitRecord(const ProfileStore& store, std::string_view section);
// First free record gets the name, then the factor text; CustomUnits is
// raised by one. False, and nothing written, when no record is free.
bool AddUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                   std::string_view factorText);
// Every record named exactly `name` is freed (name "Custom", value key
// deleted) and CustomUnits lowered by one (read with default 1);
// `onRemoved` runs after each. Returns how many records were freed.
int RemoveUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                     const std::function<void()>& onRemoved = {});
