#include "shadowed_names.h"

#include "catalogue.h"
#include "text_1252.h"
#include "visible_text.h"

namespace {

std::string Warning(std::string_view kind, std::string_view name1252, std::string_view where) {
    const std::string name = Quoted(Utf8FromCp1252(name1252));
    return "the profile's " + std::string(kind) + " " + name + std::string(where) +
           " shadows the built-in " + name + ", and is the one used";
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
            bool builtin = false;
            for (int k = 1; k <= builtinCount && !builtin; ++k)
                builtin = catalogue.Name(row, k) == name;
            // A name the profile repeats is named once, at its first place.
            bool repeated = false;
            for (int k = builtinCount + 1; k < position && !repeated; ++k)
                repeated = catalogue.Name(row, k) == name;
            if (builtin && !repeated) warnings.push_back(Warning("unit", name, where));
        }
    }
    return warnings;
}
