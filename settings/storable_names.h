#pragma once
// Which new names the profile can give back unchanged at the next start.
//
// A unit name is a profile value: blanks at either end, "=", ";" and quotes
// all survive (the store quotes what needs it), up to the 4,095 characters
// a read returns. A category name is a value too, and it also names the
// section that holds the category's units, whose header ends at the first
// "]" and must hold more than blanks. Neither may hold control characters (a
// line break would end the line) or the five bytes Windows-1252 leaves
// undefined, which only stand for control characters.
//
//   IsStorableUnitName(" span; 9\"")   -> true
//   IsStorableUnitName("a\nb")         -> false
//   IsStorableCategoryName("Rates]")   -> false
//   IsStorableCategoryName("   ")      -> false
//   IsStorableCategoryName("Caf\xE9")  -> true   ("Café")
//
// Sections are found by the profile's own rule (ProfileNamesMatch): without
// regard to case and without the blanks at either end, so " distance "
// would share the section of "Distance":
//
//   SectionNamesMeet(" distance ", "Distance")  -> true
//   SectionNamesMeet("Dist ance", "Distance")   -> false
#include <cstddef>
#include <string_view>

// The longest name a read gives back whole.
inline constexpr std::size_t MaxStoredNameLength = 4095;

bool IsStorableUnitName(std::string_view name);
bool IsStorableCategoryName(std::string_view name);

// True when the two category names would find the same profile section.
bool SectionNamesMeet(std::string_view a, std::string_view b);
