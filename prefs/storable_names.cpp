#include "storable_names.h"

#include <algorithm>

#include "text_1252.h"

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

// Tabs are control characters, refused before they could be trimmed.
std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool IsStorableUnitName(std::string_view name) {
    return name.size() <= MaxStoredNameLength &&
           std::none_of(name.begin(), name.end(), IsControlByte);
}

bool IsStorableCategoryName(std::string_view name) {
    return IsStorableUnitName(name) && name.find(']') == std::string_view::npos &&
           !TrimSpaces(name).empty();
}

bool SectionNamesMeet(std::string_view a, std::string_view b) {
    return EqualsNoCase(TrimSpaces(a), TrimSpaces(b));
}
