#pragma once
// What the program keeps in the profile, as plain functions over the
// catalogue and a ProfileStore: the start-up load, the save on leaving, and
// the custom category and custom unit records.
//
// A profile such as
//
//   [Settings]                 [Distance]
//   Custom_2=Speed of light    CustomUnits=1
//   Format=1                   CustomUnit_1=Custom
//   Precision=10               CustomUnit_2=Rods
//                              CustomValue_2=502.92000000000000
//
// loads as: row 27 named "Speed of light" (rows 26, 28..30 stay free);
// "Distance" gains "Rods" at position 20 with factor 502.92 (record 1 is
// free, so record 2 is the one unit CustomUnits promises); ResultFormat 1;
// ResultPrecision stays 5 because 10 is out of range.
//
// Writes stop at the first one that fails; the store's listener hears of it.
#include <functional>
#include <string>
#include <string_view>

#include "catalogue_limits.h"
#include "profile_store.h"

// Non-zero lists built-in category `row` in the main window. Values are kept
// as read: a stored 7 lists the category and is written back as 7.
extern int CategoryVisible[BuiltinCategoryCount];

// --- Start-up load, in this order ---------------------------------------

// Custom_1..5 of [Settings]: a text of more than one character names row 25 + k
// ("Custom" thus leaves the row free, and so does a one-character name).
void LoadCustomCategoryNames(const ProfileStore& store);

// For every row, in the section named by its category: CustomUnits (0..10,
// else none), then the occupied records in order, up to that many, each
// appended after the row's units; a factor below 0 or without a leading
// number is taken as 0. A free custom row is skipped: it stays empty, so a
// category added to it later starts without units.
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

// Format, Precision, then Visibility of the 26 built-in categories in row
// order. Returns the first failed write (nothing after it is tried).
ProfileWriteResult SaveSettings(ProfileStore& store);
// Settings/LastCategory; an empty name (nothing selected) is stored as "".
ProfileWriteResult SaveLastCategory(ProfileStore& store, std::string_view categoryName);

// --- Custom category records ([Settings] Custom_1..5) -----------------------

bool HasFreeCategoryRecord(const ProfileStore& store);
// Writes the name into the first free record ("Custom" or shorter than two
// characters); false, and nothing written, when none is free.
bool AddCategoryRecord(ProfileStore& store, std::string_view name);
// Sets every record holding exactly `name` back to "Custom".
void RemoveCategoryRecord(ProfileStore& store, std::string_view name);

// --- Custom unit records (in the category's section) -----------------------

// CustomUnits of the section, default 0.
int StoredCustomUnitCount(const ProfileStore& store, std::string_view section);
bool HasFreeUnitRecord(const ProfileStore& store, std::string_view section);
// First free record gets the name, then the factor text; CustomUnits is
// then read (default 0) and written back raised by one. False, and nothing
// written, when no record is free. True when a free record was found, even if
// a write failed (the store's listener reports that); a failed write stops
// the later ones, so the count never claims a record that was not written.
bool AddUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                   std::string_view factorText);
// Every record named exactly `name` is freed (name "Custom", value key
// deleted) and CustomUnits lowered by one (read with default 1, never
// written below 0); `onRemoved` runs after each, so the window can be told.
// Returns how many records were freed.
int RemoveUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                     const std::function<void()>& onRemoved = {});
