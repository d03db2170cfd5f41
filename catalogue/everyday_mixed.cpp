#include "everyday_mixed.h"

#include <array>

namespace {

struct Form {
    std::string_view category;
    std::string_view output;
    int count;
    std::array<std::string_view, 3> units;
    std::array<std::string_view, 3> labels;  // UTF-8
    bool inches;                             // the last part is inches
};

constexpr Form Forms[] = {
    {"Distance", "Feet", 2, {"Feet", "Inches"}, {"ft", "in"}, true},
    {"Distance", "Inches", 1, {"Inches"}, {"in"}, true},
    {"Mass", "Pounds", 2, {"Pounds", "Ounces"}, {"lb", "oz"}, false},
    {"Mass", "Stones", 2, {"Stones", "Pounds"}, {"st", "lb"}, false},
    {"Time", "Hours", 3, {"Hours", "Minutes", "Seconds"}, {"h", "min", "s"}, false},
    {"Angle",
     "Degrees",
     3,
     {"Degrees", "Minutes", "Seconds"},
     {"\xC2\xB0", "\xE2\x80\xB2", "\xE2\x80\xB3"},
     false},
};

}  // namespace

std::optional<std::string> EverydayMixedText(std::string_view category, std::string_view outputUnit,
                                             double value, const UnitSize& sizeOf,
                                             const ResultStyle& style, int inchFraction) {
    for (const Form& form : Forms) {
        if (form.category != category || form.output != outputUnit) continue;
        std::array<double, 3> sizes{};
        for (int i = 0; i < form.count; ++i) {
            // Looked up as the window names units, so a custom unit of the
            // same name is the one used, as it is everywhere else.
            const auto size = sizeOf(form.units[i]);
            if (!size) return std::nullopt;
            sizes[i] = *size;
        }
        const auto count = static_cast<std::size_t>(form.count);
        if (!IsLargestFirst(std::span(sizes.data(), count))) return std::nullopt;
        const PartStyle parts{style, form.inches ? inchFraction : 0};
        return WriteMixed(value, std::span(sizes.data(), count),
                          std::span(form.labels.data(), count), parts);
    }
    return std::nullopt;
}
