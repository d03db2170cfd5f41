#include "name_index.h"

#include <algorithm>
#include <unordered_set>

#include "catalogue.h"
#include "currency_units.h"
#include "text_1252.h"

namespace {

// Far more distinct names than any real input holds.
constexpr std::size_t MaxRemembered = 1 << 16;

// Distinct names looked up by searching the catalogue before the set of
// every name is made: one conversion needs two, a batch soon more.
constexpr std::size_t FewLookups = 8;

}  // namespace

NameIndex::NameIndex(const Catalogue& catalogue)
    : catalogue_(catalogue),
      utf8Names_(CategoryRowCount),
      rowCandidates_(CategoryRowCount),
      rowSuggestions_(CategoryRowCount) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (IsCategoryInUse(catalogue, row)) categoryRows_.push_back(row);
    }
}

const std::vector<std::string>& NameIndex::Utf8NamesOf(int row) const {
    auto& names = utf8Names_[static_cast<std::size_t>(row)];
    if (names.empty()) {
        for (int position = 0; position <= catalogue_.UnitCount(row); ++position)
            names.push_back(Utf8FromCp1252(catalogue_.Name(row, position)));
    }
    return names;
}

bool NameIndex::HasNameSet() const {
    if (nameSetMade_ || lookups_ <= FewLookups) return nameSetMade_;
    nameSetMade_ = true;
    for (int row : categoryRows_) {
        for (const std::string& name : Utf8NamesOf(row))
            longestName_ = std::max(longestName_, name.size());
        for (int position = 1; position <= catalogue_.UnitCount(row); ++position)
            loweredUnitNames_.insert(LowerCp1252(catalogue_.Name(row, position)));
    }
    for (const AliasPlace& alias : EveryAlias(catalogue_)) {
        longestName_ = std::max(longestName_, 3 * alias.alias.size());
        loweredUnitNames_.insert(LowerCp1252(alias.alias));
    }
    return true;
}

const NameCandidates& NameIndex::CategoryCandidates() const {
    if (categoryCandidates_.empty()) {
        for (int row : categoryRows_)
            categoryCandidates_.Add(LowerCp1252(catalogue_.Name(row, 0)), Utf8Name(row, 0));
    }
    return categoryCandidates_;
}

const NameCandidates& NameIndex::UnitCandidates() const {
    if (unitCandidates_.empty()) {
        std::unordered_set<std::string> offered;
        for (int row : categoryRows_) {
            for (int position = 1; position <= catalogue_.UnitCount(row); ++position) {
                if (offered.insert(Utf8Name(row, position)).second)
                    unitCandidates_.Add(LowerCp1252(catalogue_.Name(row, position)),
                                        Utf8Name(row, position));
            }
        }
        // An alias near the typed name offers its unit.
        for (const AliasPlace& alias : EveryAlias(catalogue_))
            unitCandidates_.Add(LowerCp1252(alias.alias),
                                Utf8Name(alias.place.row, alias.place.position));
    }
    return unitCandidates_;
}

std::optional<int> NameIndex::Category(std::string_view utf8Name) const {
    if (HasNameSet() && utf8Name.size() > longestName_) return std::nullopt;
    auto found = categories_.find(utf8Name);
    if (found == categories_.end()) {
        ++lookups_;
        const auto name = Cp1252FromUtf8(utf8Name);
        found = categories_.emplace(utf8Name, name ? FindCategory(catalogue_, *name) : std::nullopt)
                    .first;
    }
    return found->second;
}

std::span<const UnitPlace> NameIndex::Units(std::string_view utf8Name) const {
    // Longer than any name: nothing to look up, and nothing worth keeping.
    if (HasNameSet() && utf8Name.size() > longestName_) return {};
    auto found = units_.find(utf8Name);
    if (found == units_.end()) {
        ++lookups_;
        // Currency symbols without a Windows-1252 byte ("₹") stand for their codes.
        const auto name = UnitNameFromUtf8(utf8Name);
        found = units_
                    .emplace(utf8Name, name && MayNameUnit(*name) ? FindUnits(catalogue_, *name)
                                                                  : std::vector<UnitPlace>{})
                    .first;
    }
    return found->second;
}

bool NameIndex::MayNameUnit(std::string_view name1252) const {
    // An empty name is left to the catalogue, whatever its alias lists hold;
    // before the set is made, every name is.
    return !HasNameSet() || name1252.empty() || loweredUnitNames_.contains(LowerCp1252(name1252));
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
        for (int position = 1; position <= catalogue_.UnitCount(row); ++position)
            candidates.Add(LowerCp1252(catalogue_.Name(row, position)), Utf8Name(row, position));
        for (int position = 1; position <= catalogue_.UnitCount(row); ++position) {
            for (std::string_view alias : AliasesOf(catalogue_, row, position))
                candidates.Add(LowerCp1252(alias), Utf8Name(row, position));
        }
    }
    return candidates;
}

const std::vector<std::string>& NameIndex::Suggestions(Among among,
                                                       std::string_view utf8Name) const {
    if (among == Among::Categories)
        return Remembered(categorySuggestions_, CategoryCandidates(), utf8Name);
    return Remembered(unitSuggestions_, UnitCandidates(), utf8Name);
}

const std::vector<std::string>& NameIndex::SuggestionsIn(int row, std::string_view utf8Name) const {
    return Remembered(rowSuggestions_[static_cast<std::size_t>(row)], CandidatesIn(row), utf8Name);
}

void NameIndex::Forget() const {
    std::size_t held = categories_.size() + units_.size() + categorySuggestions_.size() +
                       unitSuggestions_.size() + messages_.size();
    for (const auto& memo : rowSuggestions_) held += memo.size();
    if (held < MaxRemembered) return;
    categories_.clear();
    units_.clear();
    categorySuggestions_.clear();
    unitSuggestions_.clear();
    messages_.clear();
    for (auto& memo : rowSuggestions_) memo.clear();
}
