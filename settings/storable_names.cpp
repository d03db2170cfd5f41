#include "storable_names.h"

#include <algorithm>

#include "profile_store.h"

namespace {

bool IsControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
        case 0x7F:
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
            return true;
        default:
            return byte < 0x20;
    }
}

}  // namespace

bool IsStorableUnitName(std::string_view name) {
    return name.size() <= MaxStoredNameLength &&
           std::none_of(name.begin(), name.end(), IsControlByte);
}

bool IsStorableCategoryName(std::string_view name) {
    return IsStorableUnitName(name) && !RefuseSectionName(name);
}

bool SectionNamesMeet(std::string_view a, std::string_view b) { return ProfileNamesMatch(a, b); }
