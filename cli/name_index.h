#pragma once
// The catalogue's names as the command line sees them: UTF-8, in hash maps
// built once, so that a batch of a million lines resolves its names without
// converting or allocating anything.
//
// Lookups are exact and case-sensitive, and the last match wins, as in the
// window: a custom category that reuses a name hides the earlier row, and a
// name that stands twice in one category means its later position.
//
//   Category("Distance")    -> 10
//   Units("Ounces")         -> {Mass 15 position 7, Volume 24 position 10}
//   UnitIn(10, "Miles")     -> 14
//   UnitIn(10, "miles")     -> nothing
//
// Only categories in use are known: the 26 built-in ones and the custom rows
// not free; a free row's "Custom" is not a category.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct UnitPlace {
    int row;
    int position;
};

class NameIndex {
public:
    // A snapshot of the catalogue as it stands (after the profile is loaded).
    NameIndex();

    // The rows of the categories in use, in catalogue order.
    const std::vector<int>& CategoryRows() const { return categoryRows_; }

    std::optional<int> Category(std::string_view utf8Name) const;
    // One place per row that holds the name (its highest position), rows ascending.
    std::span<const UnitPlace> Units(std::string_view utf8Name) const;
    std::optional<int> UnitIn(int row, std::string_view utf8Name) const;

    // Position 0 is the category's name.
    const std::string& Utf8Name(int row, int position) const { return utf8Names_[row][position]; }

    // Windows-1252 names for suggestions: every category in use, and every
    // unit name once.
    const std::vector<std::string>& CategoryNames() const { return categoryNames_; }
    const std::vector<std::string>& UnitNames1252() const { return unitNames_; }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    template <typename T>
    using Map = std::unordered_map<std::string, T, Hash, std::equal_to<>>;

    std::vector<int> categoryRows_;
    std::vector<std::vector<std::string>> utf8Names_;
    Map<int> categories_;
    Map<std::vector<UnitPlace>> units_;
    std::vector<std::string> categoryNames_;
    std::vector<std::string> unitNames_;
};
