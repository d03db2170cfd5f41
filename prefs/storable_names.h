#pragma once
// Which new names the profile can give back unchanged at the next start.
//
// A unit name is a profile value: blanks at either end, "=", ";" and quotes
// all survive (the store quotes what needs it). A category name is a value
// too, and it also names the section that holds the category's units, whose
// header ends at the first "]". Neither may hold control characters (a line
// break would end the line) or the five bytes Windows-1252 leaves undefined,
// which only stand for control characters.
//
//   IsStorableUnitName(" span; 9\"")   -> true
//   IsStorableUnitName("a\nb")         -> false
//   IsStorableCategoryName("Rates]")   -> false
//   IsStorableCategoryName("Caf\xE9")  -> true   ("Café")
#include <string_view>

bool IsStorableUnitName(std::string_view name);
bool IsStorableCategoryName(std::string_view name);
