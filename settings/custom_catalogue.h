#pragma once
// Custom categories and custom units, added and removed: the checks a new
// name and factor must pass, the change to the catalogue, the profile
// records, and the notice to whoever shows the catalogue. No widgets: the
// Custom tab reads its fields, calls one operation and shows the message
// the result names.
//
// The catalogue changes first; the profile then gets one write; then the
// listener hears of it, once, whatever the write did (a failed write is
// reported by the store's own listener). So the window never shows a unit
// the catalogue no longer has, and the profile never keeps what the
// catalogue refused.
//
//   CustomCatalogue custom(catalogue, profile, window);
//   custom.AddCategory("metric UNITS");          // first custom row "Metric units", Custom_1
//   custom.AddUnit(10, "span", "9", "Inches");   // Distance gains "Span" = 22.86 cm
//   custom.RemoveCategory("Metric units");       // row, record and units all go
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "catalogue_listener.h"
#include "profile_store.h"

// What the user is told. The texts are the page's; the comments give them.
enum class CustomMessage {
    None,
    CategoryNameTaken,    // "This category name already exists."
    CategoryNameInvalid,  // "Please Enter a valid name for the Category"
    CategoryLimit,        // "You have reached the maximum allowed custom categories"
    NoRoomForCategory,    // the profile has no free category record
    BuiltinCategory,      // tab, name, "\n\nYou may only remove previously added categories."
    UnitLimit,            // "You have reached maximum allowed custom unit for this category."
    UnitNameInvalid,      // "Please enter a valid name for the new unit."
    UnitNameTaken,        // "The name you have chosen \nis already in use."
    UnitNameIsSymbol,     // ""km" is already the symbol of "Kilometers"" (see name_owner.h)
    UnitFactorInvalid,    // "Enter a valid conversion factor for the unit"
    RowFull,              // "You have reached the maximum allowed custom units for this category"
    NoRoomForUnit,        // the category's section has no free unit record
    BuiltinUnit,          // tab, name, "\n\nYou may only remove previously added units."
    // A new category or unit name that queries would read otherwise
    // (grammar_clash.h), each with the page's text naming why.
    NameIsGrammarWord,   // "to", "in", "per" or "nach" in any case
    NameHasGrammarSign,  // holds one of + ; * / ^ ( )
    NameIsNumber,        // reads, whole, as a number
};

struct CustomResult {
    bool changed = false;                         // the catalogue changed and the listener was told
    int row = -1;                                 // the row that changed
    CustomMessage message = CustomMessage::None;  // a refusal; None when changed
};

class CustomCatalogue {
public:
    CustomCatalogue(Catalogue& catalogue, ProfileStore& profile, CatalogueListener& listener);

    // `typed` is the name as typed, or nothing when the code page cannot hold
    // it. Taken into the lowest free custom row as NormaliseName makes it.
    CustomResult AddCategory(const std::optional<std::string>& typed);
    // BuiltinCategory for a built-in category's name; None when the user may
    // be asked to confirm RemoveCategory.
    CustomMessage CheckCategoryRemoval(std::string_view name) const;
    // The first row of that exact name loses its units and its name, its
    // profile record and its section's unit records go. Unchanged when no
    // row has the name.
    CustomResult RemoveCategory(std::string_view name);

    // One new unit of `row` = `factorText` (read as atof reads it, empty is 0)
    // times the unit named `existingUnit` (unit 1 when no unit has that
    // name). The first unit of an empty row is its reference unit, factor 1.
    CustomResult AddUnit(int row, const std::optional<std::string>& typed,
                         std::string_view factorText, std::string_view existingUnit);
    // BuiltinUnit for one of the row's built-in units; None when the user may
    // be asked to confirm RemoveUnit.
    CustomMessage CheckUnitRemoval(int row, std::string_view name) const;
    // The unit of that exact name leaves the row, and every profile record of
    // that name is freed. Unchanged when the row has no such unit.
    CustomResult RemoveUnit(int row, std::string_view name);

private:
    Catalogue& catalogue_;
    ProfileStore& profile_;
    CatalogueListener& listener_;
};
