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

std::vector<std::string> ShadowWarnings() {
    std::vector<std::string> warnings;
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        if (IsCustomRowFree(row)) continue;
        for (int builtin = 0; builtin < FirstCustomRow; ++builtin) {
            if (UnitNames[builtin][0] == UnitNames[row][0]) {
                warnings.push_back(Warning("category", UnitNames[row][0], ""));
                break;
            }
        }
    }
    for (int row = 0; row < FirstCustomRow; ++row) {
        const int builtinCount = BuiltinUnitsOf(row);
        if (UnitCount(row) <= builtinCount) continue;  // no custom units to compare
        const std::string where = " in " + Quoted(Utf8FromCp1252(UnitNames[row][0]));
        for (int position = builtinCount + 1; position <= UnitCount(row); ++position) {
            const std::string& name = UnitNames[row][position];
            bool builtin = false;
            for (int k = 1; k <= builtinCount && !builtin; ++k) builtin = UnitNames[row][k] == name;
            // A name the profile repeats is named once, at its first place.
            bool repeated = false;
            for (int k = builtinCount + 1; k < position && !repeated; ++k)
                repeated = UnitNames[row][k] == name;
            if (builtin && !repeated) warnings.push_back(Warning("unit", name, where));
        }
    }
    return warnings;
}
