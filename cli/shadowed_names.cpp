#include "shadowed_names.h"

#include "catalogue.h"
#include "name_owner.h"
#include "text_1252.h"
#include "visible_text.h"

namespace {

std::string Warning(std::string_view kind, std::string_view name1252, std::string_view where) {
    const std::string name = Quoted(Utf8FromCp1252(name1252));
    return "the profile's " + std::string(kind) + " " + name + std::string(where) +
           " shadows the built-in " + name + ", and is the one used";
}

// "the profile's unit "Km" in "Distance" clashes with the built-in
// "Kilometers" ("km"); ...": the name goes on meaning what it is typed as.
std::string ClashWarning(std::string_view name1252, std::string_view where,
                         std::string_view owner1252, std::string_view alias1252) {
    std::string text = "the profile's unit " + Quoted(Utf8FromCp1252(name1252)) +
                       std::string(where) + " clashes with the built-in " +
                       Quoted(Utf8FromCp1252(owner1252));
    if (!alias1252.empty()) text += " (" + Quoted(Utf8FromCp1252(alias1252)) + ")";
    return text +
           "; a name typed in the case of only one of them means that one, in any other case "
           "it is refused as ambiguous";
}

}  // namespace

std::vector<std::string> ShadowWarnings(const Catalogue& catalogue) {
    std::vector<std::string> warnings;
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        if (catalogue.IsCustomRowFree(row)) continue;
        for (int builtin = 0; builtin < FirstCustomRow; ++builtin) {
            if (catalogue.CategoryName(builtin) == catalogue.CategoryName(row)) {
                warnings.push_back(Warning("category", catalogue.CategoryName(row), ""));
                break;
            }
        }
    }
    for (int row = 0; row < FirstCustomRow; ++row) {
        const int builtinCount = catalogue.BuiltinUnitsOf(row);
        if (catalogue.UnitCount(row) <= builtinCount) continue;  // no custom units to compare
        const std::string where = " in " + Quoted(Utf8FromCp1252(catalogue.CategoryName(row)));
        for (int position = builtinCount + 1; position <= catalogue.UnitCount(row); ++position) {
            const std::string& name = catalogue.Name(row, position);
            // A name the profile repeats, in any case, is named once.
            bool repeated = false;
            for (int k = builtinCount + 1; k < position && !repeated; ++k)
                repeated = EqualsNoCase(catalogue.Name(row, k), name);
            if (repeated) continue;
            if (const auto owner = BuiltinOwnerOf(catalogue, row, name))
                warnings.push_back(ClashWarning(name, where, catalogue.Name(row, owner->position),
                                                owner->alias ? owner->name : ""));
        }
    }
    return warnings;
}
