#include "storable_names.h"

#include <algorithm>

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
    return std::none_of(name.begin(), name.end(), IsControlByte);
}

bool IsStorableCategoryName(std::string_view name) {
    return IsStorableUnitName(name) && name.find(']') == std::string_view::npos;
}
