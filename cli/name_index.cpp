#include "name_index.h"

#include <algorithm>
#include <unordered_set>

#include "catalogue.h"
#include "currency_units.h"
#include "text_1252.h"

namespace {

// Far more distinct names than any real input holds.
constexpr std::size_t MaxRemembered = 1 << 16;

}  // namespace

NameIndex::NameIndex()
    : utf8Names_(CategoryRowCount),
      rowCandidates_(CategoryRowCount),
      rowSuggestions_(CategoryRowCount) {
    std::unordered_set<std::string> offered;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (!IsCategoryInUse(row)) continue;
        categoryRows_.push_back(row);
        const int count = UnitCount(row);
        auto& names = utf8Names_[row];
        for (int position = 0; position <= count; ++position)
            names.push_back(Utf8FromCp1252(UnitNames[row][position]));
        for (const std::string& name : names) longestName_ = std::max(longestName_, name.size());
        categoryCandidates_.Add(LowerCp1252(UnitNames[row][0]), names[0]);
        for (int position = 1; position <= count; ++position) {
            loweredUnitNames_.insert(LowerCp1252(UnitNames[row][position]));
            if (offered.insert(names[position]).second)
                unitCandidates_.Add(LowerCp1252(UnitNames[row][position]), names[position]);
        }
    }
    // An alias near the typed name offers its unit.
    for (const AliasPlace& alias : EveryAlias()) {
        longestName_ = std::max(longestName_, 3 * alias.alias.size());
        loweredUnitNames_.insert(LowerCp1252(alias.alias));
        unitCandidates_.Add(LowerCp1252(alias.alias),
                            utf8Names_[alias.place.row][alias.place.position]);
    }
}

std::optional<int> NameIndex::Category(std::string_view utf8Name) const {
    if (utf8Name.size() > longestName_) return std::nullopt;
    auto found = categories_.find(utf8Name);
    if (found == categories_.end()) {
        const auto name = Cp1252FromUtf8(utf8Name);
        found = categories_.emplace(utf8Name, name ? FindCategory(*name) : std::nullopt).first;
    }
    return found->second;
}

std::span<const UnitPlace> NameIndex::Units(std::string_view utf8Name) const {
    // Longer than any name: nothing to look up, and nothing worth keeping.
    if (utf8Name.size() > longestName_) return {};
    auto found = units_.find(utf8Name);
    if (found == units_.end()) {
        // Currency symbols without a Windows-1252 byte ("₹") stand for their codes.
        const auto name = UnitNameFromUtf8(utf8Name);
        found = units_
                    .emplace(utf8Name, name && MayNameUnit(*name) ? FindUnits(*name)
                                                                  : std::vector<UnitPlace>{})
                    .first;
    }
    return found->second;
}

bool NameIndex::MayNameUnit(std::string_view name1252) const {
    // An empty name is left to the catalogue, whatever its alias lists hold.
    return name1252.empty() || loweredUnitNames_.contains(LowerCp1252(name1252));
}

std::optional<int> NameIndex::UnitIn(int row, std::string_view utf8Name) const {
    for (const UnitPlace& place : Units(utf8Name)) {
        if (place.row == row) return place.position;
    }
    return std::nullopt;
}

const std::vector<std::string>& NameIndex::Remembered(Map<std::vector<std::string>>& memo,
                                                      const NameCandidates& candidates,
                                                      std::string_view utf8Name) const {
    static const std::vector<std::string> none;
    // Each character takes at most three bytes in UTF-8.
    if (utf8Name.size() > 3 * MaxSuggestedLength) return none;
    auto found = memo.find(utf8Name);
    if (found != memo.end()) return found->second;
    // A name that is not Windows-1252 text can still be near one that is.
    const std::string typed = Cp1252FromUtf8(utf8Name).value_or(std::string(utf8Name));
    return memo.emplace(utf8Name, ClosestNames(typed, candidates)).first->second;
}

const NameCandidates& NameIndex::CandidatesIn(int row) const {
    auto& candidates = rowCandidates_[static_cast<std::size_t>(row)];
    if (candidates.empty()) {
        for (int position = 1; position <= UnitCount(row); ++position)
            candidates.Add(LowerCp1252(UnitNames[row][position]), utf8Names_[row][position]);
        for (int position = 1; position <= UnitCount(row); ++position) {
            for (std::string_view alias : AliasesOf(row, position))
                candidates.Add(LowerCp1252(alias), utf8Names_[row][position]);
        }
    }
    return candidates;
}

const std::vector<std::string>& NameIndex::Suggestions(Among among,
                                                       std::string_view utf8Name) const {
    if (among == Among::Categories)
        return Remembered(categorySuggestions_, categoryCandidates_, utf8Name);
    return Remembered(unitSuggestions_, unitCandidates_, utf8Name);
}

const std::vector<std::string>& NameIndex::SuggestionsIn(int row, std::string_view utf8Name) const {
    return Remembered(rowSuggestions_[static_cast<std::size_t>(row)], CandidatesIn(row), utf8Name);
}

void NameIndex::Forget() const {
    std::size_t held =
        categories_.size() + units_.size() + categorySuggestions_.size() + unitSuggestions_.size();
    for (const auto& memo : rowSuggestions_) held += memo.size();
    if (held < MaxRemembered) return;
    categories_.clear();
    units_.clear();
    categorySuggestions_.clear();
    unitSuggestions_.clear();
    for (auto& memo : rowSuggestions_) memo.clear();
}
