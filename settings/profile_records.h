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
// loads as: the second custom row named "Speed of light" (the others stay free);
// "Distance" gains "Rods" at position 20 with factor 502.92 (record 1 is
// free, so record 2 is the one unit CustomUnits promises); the result style's
// format 1, its precision stays 5 because 10 is out of range.
//
// Each operation that writes makes one ProfileStore::Edit: one lock, one
// replace of the file, nothing when no value changes. The store's listener
// hears of a failure once per operation.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "profile_store.h"
#include "result_format.h"

// --- Start-up load, in this order ---------------------------------------

// Custom_1..5 of [Settings]: a text of more than one character names row 25 + k
// ("Custom" thus leaves the row free, and so does a one-character name).
void LoadCustomCategoryNames(const ProfileStore& store, Catalogue& catalogue);

// For every row, in the section named by its category: CustomUnits (0..10,
// else none), then the occupied records in order, up to that many, each
// appended after the row's units; a factor below 0 or without a leading
// number is taken as 0. A free custom row is skipped: it stays empty, so a
// category added to it later starts without units.
void LoadCustomUnits(const ProfileStore& store, Catalogue& catalogue);

// The catalogue's Visibility of each built-in row = Visibility of its
// section, default 1.
void LoadCategoryVisibility(const ProfileStore& store, Catalogue& catalogue);

// Format and Precision into `style`, each only when in range (0..2, 1..9).
void LoadResultSettings(const ProfileStore& store, ResultStyle& style);

// The four steps above, in order: what the window and the command line do at start.
void LoadProfile(const ProfileStore& store, Catalogue& catalogue, ResultStyle& style);

// A switch of [Settings] (OnTop, RememberCategory) is on only when it reads
// exactly "TRUE": "true" and "True" are off.
bool ReadSwitch(const ProfileStore& store, std::string_view key);
ProfileWriteResult WriteSwitch(ProfileStore& store, std::string_view key, bool on);
// KeepHistory is the one switch that is on until the user turns it off: a
// missing key reads as on, any text other than "TRUE" as off.
bool IsHistoryKept(const ProfileStore& store);

// The stored LastCategory when RememberCategory is on, otherwise "NONE".
std::string StartCategoryName(const ProfileStore& store);

// The OnTop switch.
bool IsOnTopStored(const ProfileStore& store);

// --- Leaving the program, and OK on the Preferences sheet ----------------

// One write: Format, Precision, Visibility of every built-in category
// in row order and, when given, LastCategory (an empty name, nothing
// selected, is stored as ""). Every key is attempted.
ProfileWriteResult SaveSettings(ProfileStore& store, const Catalogue& catalogue,
                                const ResultStyle& style,
                                std::optional<std::string_view> lastCategory = std::nullopt);
// One write: Precision, then Format, as the Result Format page stores them.
ProfileWriteResult SaveResultSettings(ProfileStore& store, int format, int precision);

// --- Custom category records ([Settings] Custom_1..5) -----------------------

// The first record that is free ("Custom", shorter than two characters or absent).
std::optional<int> FirstFreeCategoryRecord(const ProfileStore& store);
bool HasFreeCategoryRecord(const ProfileStore& store);
// Writes the name into the first free record and drops any unit records left
// in the section of that name (a profile from before categories took their
// units with them), so the category starts empty now and at every start.
// False, and nothing written, when no record is free.
bool AddCategoryRecord(ProfileStore& store, std::string_view name);
// Sets every record holding exactly `name` back to "Custom" and drops the
// unit records of its section, so nothing of it comes back.
ProfileWriteResult RemoveCategoryRecord(ProfileStore& store, std::string_view name);

// --- Custom unit records (in the category's section) -----------------------

// CustomUnits of the section, default 0.
int StoredCustomUnitCount(const ProfileStore& store, std::string_view section);
std::optional<int> FirstFreeUnitRecord(const ProfileStore& store, std::string_view section);
bool HasFreeUnitRecord(const ProfileStore& store, std::string_view section);
// In one write: the first free record gets the name and the factor text, and
// CustomUnits (read with default 0) is raised by one. False, and nothing
// written, when no record is free; true when one was, even if the write
// failed (the store's listener reports that).
bool AddUnitRecord(ProfileStore& store, std::string_view section, std::string_view name,
                   std::string_view factorText);
// In one write: every record named exactly `name` is freed (name "Custom",
// value key deleted) and CustomUnits lowered by one for each (read with
// default 1, never written below 0). Returns how many records were freed.
int RemoveUnitRecord(ProfileStore& store, std::string_view section, std::string_view name);
