#include "name_index.h"

#include <algorithm>
#include <unordered_set>

#include "catalogue.h"
#include "currency_units.h"
#include "quantity_expression.h"
#include "text_1252.h"
#include "unit_aliases.h"
#include "unit_word.h"

namespace {

// Far more distinct names than any real input holds, and more text than
// their messages take (lines of 64 KiB could make a message as long).
constexpr std::size_t MaxRemembered = 1 << 16;
constexpr std::size_t MaxRememberedBytes = 64 << 20;

// What the set of names keeps for a unit's name or alias, and for a name
// left ambiguous on purpose that is none.
constexpr std::string_view UnitNameMark = "unit";
constexpr std::string_view AmbiguousNameMark = "ambiguous";

// Cp1252FromUtf8 into a text kept for reuse: false, with the text
// unfinished, when the name is not Windows-1252 text.
bool Cp1252Into(std::string& text, std::string_view utf8) {
    // Most names are ASCII, the same in both.
    const auto ascii = std::find_if(utf8.begin(), utf8.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    text.assign(utf8.begin(), ascii);
    for (std::size_t i = text.size(); i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            text += utf8[i++];
            continue;
        }
        const auto codePoint = NextUtf8CodePoint(utf8, i);
        if (!codePoint) return false;
        const auto byte = Cp1252OfCodePoint(*codePoint);
        if (!byte) return false;
        text += *byte;
    }
    return true;
}

// Whether one of `places` is named `name` as written, by its name or an alias.
bool NamedExactly(const Catalogue& catalogue, const std::vector<UnitPlace>& places,
                  std::string_view name) {
    for (const UnitPlace& place : places) {
        if (catalogue.Name(place.row, place.position) == name) return true;
        for (std::string_view alias : AliasesOf(catalogue, place.row, place.position))
            if (alias == name) return true;
    }
    return false;
}

// The units a name stands for. Case is the meaning of symbols: a name that
// matches only in other case does not count where it reads as an SI unit as
// written ("nm" is the nanometre, not the newton metre's "Nm"; "µs" a
// microsecond, not "µS"). A name shown with a trailing blank is found
// without it.
std::vector<UnitPlace> PlacesOf(const Catalogue& catalogue, std::string_view name,
                                std::string_view utf8Name) {
    std::vector<UnitPlace> places = FindUnits(catalogue, name);
    if (!places.empty() && !NamedExactly(catalogue, places, name) &&
        ReadsAsOtherSiUnit(catalogue, places, utf8Name))
        places.clear();
    if (places.empty() && !name.empty() && name.back() != ' ')
        places = FindUnits(catalogue, std::string(name) + ' ');
    return places;
}

}  // namespace

NameIndex::NameIndex(const Catalogue& catalogue)
    : catalogue_(catalogue), utf8Names_(CategoryRowCount), rowCandidates_(CategoryRowCount) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (IsCategoryInUse(catalogue, row)) categoryRows_.push_back(row);
    }
}

NameIndex::~NameIndex() = default;

namespace {

// Whether a side of a conversion is worth keeping beside `kept` others: a
// batch's sides are short and few ("kg/m^3"), each kept reading takes some
// 2 KiB, and the search service answers hostile queries too.
bool MayKeepSide(std::string_view utf8Text, std::size_t kept) {
    constexpr std::size_t MostSideBytes = 64;
    constexpr std::size_t MostSides = 1024;
    return utf8Text.size() <= MostSideBytes && kept < MostSides;
}

}  // namespace

const WordMeanings* NameIndex::RememberedWord(std::string_view utf8Word) const {
    static const WordMeanings NoMeaning;
    const auto found = words_.find(utf8Word);
    if (found == words_.end()) return nullptr;
    return found->second ? found->second.get() : &NoMeaning;
}

void NameIndex::RememberWord(std::string_view utf8Word, const WordMeanings& meanings) const {
    // A batch repeats a few hundred words, slips among them; a stream of
    // hostile ones (every casing of "kilometre") would be endless. So only
    // short words are kept, and only so many: a word of meanings takes
    // some 500 bytes, one of none only its mark.
    constexpr std::size_t MostWordBytes = 64;
    constexpr std::size_t MostWords = 4096;
    if (utf8Word.size() > MostWordBytes || words_.size() >= 2 * MostWords) return;
    if (meanings.count > 0) {
        if (words_.size() - wordsOfNoMeaning_ < MostWords)
            words_.emplace(utf8Word, std::make_unique<WordMeanings>(meanings));
    } else if (wordsOfNoMeaning_ < MostWords && words_.emplace(utf8Word, nullptr).second) {
        ++wordsOfNoMeaning_;
    }
}

const Expression* NameIndex::RememberedExpression(std::string_view utf8Text) const {
    const auto found = expressions_.find(utf8Text);
    return found == expressions_.end() ? nullptr : found->second.get();
}

std::pair<std::string_view, Expression*> NameIndex::PlaceForExpression(
    std::string_view utf8Text) const {
    if (!MayKeepSide(utf8Text, expressions_.size())) return {utf8Text, nullptr};
    // A map's node never moves, so its key is a text the views may point into.
    const auto [place, added] = expressions_.emplace(utf8Text, std::make_unique<Expression>());
    return {place->first, place->second.get()};
}

const NameIndex::SideRefusal* NameIndex::RememberedRefusal(std::string_view utf8Text) const {
    const auto found = refusals_.find(utf8Text);
    return found == refusals_.end() ? nullptr : &found->second;
}

void NameIndex::RememberRefusal(std::string_view utf8Text, std::string_view problem,
                                bool namesNothing) const {
    if (MayKeepSide(utf8Text, refusals_.size()))
        refusals_.emplace(utf8Text, SideRefusal{std::string(problem), namesNothing});
}

void NameIndex::DropExpression(std::string_view utf8Text) const {
    const auto found = expressions_.find(utf8Text);
    if (found != expressions_.end()) expressions_.erase(found);
}

const std::vector<std::string>& NameIndex::Utf8NamesOf(int row) const {
    auto& names = utf8Names_[static_cast<std::size_t>(row)];
    if (names.empty()) {
        for (int position = 0; position <= catalogue_.UnitCount(row); ++position)
            names.push_back(Utf8FromCp1252(catalogue_.Name(row, position)));
    }
    return names;
}

bool NameIndex::MakeNameSet() const {
    nameSetMade_ = true;
    const auto keep = [&](std::string_view name, std::string_view kind) {
        std::string lowered = LowerCp1252(name);
        if (!loweredNames_.Find(lowered)) loweredNames_.Add(lowered, kind);
        // A name shown with a trailing blank is found without it too.
        while (!lowered.empty() && lowered.back() == ' ') lowered.pop_back();
        if (!loweredNames_.Find(lowered)) loweredNames_.Add(lowered, kind);
    };
    for (int row : categoryRows_) {
        for (const std::string& name : Utf8NamesOf(row))
            longestName_ = std::max(longestName_, name.size());
        for (int position = 1; position <= catalogue_.UnitCount(row); ++position)
            keep(catalogue_.Name(row, position), UnitNameMark);
    }
    for (const AliasPlace& alias : EveryAlias(catalogue_)) {
        longestName_ = std::max(longestName_, 3 * alias.alias.size());
        keep(alias.alias, UnitNameMark);
    }
    for (const AmbiguousName& entry : AmbiguousNames) keep(entry.name, AmbiguousNameMark);
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
        const std::string_view lookup = CurrencyCodeOfSymbol(utf8Name).value_or(utf8Name);
        if (!MayNameUnit(lookup)) return {};
        const auto name = Cp1252FromUtf8(lookup);
        found = units_
                    .emplace(utf8Name,
                             name ? PlacesOf(catalogue_, *name, lookup) : std::vector<UnitPlace>{})
                    .first;
    }
    return found->second;
}

std::vector<UnitPlace> NameIndex::Ambiguous(std::string_view utf8Name) const {
    // Only a name of the table of ambiguous names, or one that a built-in
    // and a custom unit answer to alike, and so a unit's name, can be.
    if (HasNameSet() && !utf8Name.empty()) {
        const auto lowered = Lowered(utf8Name);
        if (!lowered || !loweredNames_.Find(*lowered)) return {};
    }
    const auto name = Cp1252FromUtf8(utf8Name);
    if (!name) return {};
    return AmbiguousCandidates(catalogue_, *name);
}

std::optional<std::string_view> NameIndex::Lowered(std::string_view utf8Name) const {
    // No more bytes out than in, into a text that only grows: no resizing
    // line after line. ASCII is lowered here, as the code page lowers it.
    if (lowered_.size() < utf8Name.size()) lowered_.resize(utf8Name.size());
    char* const start = lowered_.data();
    char* out = start;
    for (std::size_t i = 0; i < utf8Name.size();) {
        const auto c = static_cast<unsigned char>(utf8Name[i]);
        if (c < 0x80) {
            *out++ = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            ++i;
            continue;
        }
        const auto codePoint = NextUtf8CodePoint(utf8Name, i);
        if (!codePoint) return std::nullopt;
        const auto byte = Cp1252OfCodePoint(*codePoint);
        if (!byte) return std::nullopt;
        *out++ = LowerCp1252(*byte);
    }
    return std::string_view(start, static_cast<std::size_t>(out - start));
}

bool NameIndex::MayNameUnit(std::string_view utf8Name) const {
    // An empty name is left to the catalogue, whatever its alias lists hold;
    // before the set is made, every name is.
    if (!HasNameSet() || utf8Name.empty()) return true;
    // Text the code page cannot hold names nothing.
    const auto lowered = Lowered(utf8Name);
    if (!lowered) return false;
    const auto kind = loweredNames_.Find(*lowered);
    return kind && *kind == UnitNameMark;
}

std::optional<int> NameIndex::UnitIn(int row, std::string_view utf8Name) const {
    for (const UnitPlace& place : Units(utf8Name)) {
        if (place.row == row) return place.position;
    }
    return std::nullopt;
}

std::span<const std::string_view> NameIndex::Offers(const NameCandidates& candidates,
                                                    std::string_view utf8Name) const {
    offers_.clear();
    // Each character takes at most three bytes in UTF-8.
    if (utf8Name.size() > 3 * MaxSuggestedLength) return {};
    // A name that is not Windows-1252 text can still be near one that is.
    if (!Cp1252Into(typed_, utf8Name)) typed_.assign(utf8Name);
    ClosestOffers(typed_, candidates, offers_);
    return offers_;
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

std::span<const std::string_view> NameIndex::Suggestions(Among among,
                                                         std::string_view utf8Name) const {
    return Offers(among == Among::Categories ? CategoryCandidates() : UnitCandidates(), utf8Name);
}

std::span<const std::string_view> NameIndex::SuggestionsIn(int row,
                                                           std::string_view utf8Name) const {
    return Offers(CandidatesIn(row), utf8Name);
}

void NameIndex::Forget() const {
    if (categories_.size() + units_.size() + words_.size() + expressions_.size() +
                refusals_.size() + messages_.size() <
            MaxRemembered &&
        messages_.bytes() < MaxRememberedBytes)
        return;
    categories_.clear();
    units_.clear();
    words_.clear();
    wordsOfNoMeaning_ = 0;
    expressions_.clear();
    refusals_.clear();
    messages_.clear();
}
