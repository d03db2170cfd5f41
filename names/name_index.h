#pragma once
// The catalogue's names as the command line sees them: UTF-8 in, and each
// answer remembered in a hash map, so that a batch of a million lines
// resolves each distinct name once and then without converting or
// allocating anything.
//
// A name means what unit_lookup.h says: the exact name, the name in any
// case, or an alias, one unit per category; an exact name keeps its meaning.
//
//   Category("Distance")    -> 10
//   Category("distance")    -> 10
//   Units("Ounces")         -> {Mass 15 position 7, Volume 24 position 10}
//   UnitIn(10, "Miles")     -> 14
//   UnitIn(10, "mi")        -> 14
//
// Only categories in use are known: the built-in ones and the custom rows
// not free; a free row's "Custom" is not a category.
//
// Nothing is built before it is asked for: one conversion looks up two
// names and converts two rows' names to UTF-8. The set of every name and
// alias, which turns a batch's unknown names away without a search (and
// without remembering them: a stream of misspellings would only fill the
// maps), is made once a run has looked up more than a few distinct names;
// the "did you mean" candidates when a name is not found.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "name_hash.h"
#include "name_suggestions.h"
#include "text_memo.h"
#include "unit_lookup.h"

struct WordMeanings;
struct Expression;

class NameIndex {
public:
    // Answers from the catalogue as it stands (after the profile is loaded);
    // the catalogue must outlive the index and not change while it is in use.
    explicit NameIndex(const Catalogue& catalogue);
    ~NameIndex();

    // The catalogue the index was built from.
    const Catalogue& Indexed() const { return catalogue_; }

    // The rows of the categories in use, in catalogue order.
    const std::vector<int>& CategoryRows() const { return categoryRows_; }

    std::optional<int> Category(std::string_view utf8Name) const;
    // One place per row that holds the name, rows ascending. Valid until
    // the next Forget().
    std::span<const UnitPlace> Units(std::string_view utf8Name) const;
    std::optional<int> UnitIn(int row, std::string_view utf8Name) const;
    // AmbiguousCandidates for a name in UTF-8: empty at once for a name that
    // is neither a unit's (in any case) nor left ambiguous on purpose.
    std::vector<UnitPlace> Ambiguous(std::string_view utf8Name) const;

    // Position 0 is the category's name.
    const std::string& Utf8Name(int row, int position) const {
        return Utf8NamesOf(row)[static_cast<std::size_t>(position)];
    }

    // "Did you mean" offers (UTF-8) for a name that matched nothing: among
    // the category names, among every unit name and alias, or among those of
    // one row. Valid until the next call of either.
    enum class Among { Categories, Units };
    std::span<const std::string_view> Suggestions(Among among, std::string_view utf8Name) const;
    std::span<const std::string_view> SuggestionsIn(int row, std::string_view utf8Name) const;

    // The message for a problem met before with the same names, else the
    // one `make` appends to the empty text it is given, kept: a batch
    // repeats the same slips, and each message is worth writing only once.
    // `key` tells the problems apart. Valid until the next Message() or
    // Forget().
    template <typename Make>
    std::string_view Message(std::string_view key, Make make) const {
        if (const auto found = messages_.Find(key)) return *found;
        draft_.clear();
        make(draft_);
        return messages_.Add(key, draft_);
    }

    // What a word of an expression means (unit_word.h), as read before:
    // reading one tries every SI unit under every prefix, and a batch
    // repeats its words, and its slips. Null for a word not read yet; a
    // word that means nothing has no meanings. Valid until the next Forget().
    const WordMeanings* RememberedWord(std::string_view utf8Word) const;
    bool HasRememberedWords() const { return !words_.empty(); }
    void RememberWord(std::string_view utf8Word, const WordMeanings& meanings) const;
    // The same for a whole side of a conversion read as an expression
    // (quantity_expression.h): a place to read it into, its views into a
    // copy of the text kept with it, or null once enough are kept. Drop one
    // that did not read.
    const Expression* RememberedExpression(std::string_view utf8Text) const;
    std::pair<std::string_view, Expression*> PlaceForExpression(std::string_view utf8Text) const;
    void DropExpression(std::string_view utf8Text) const;
    // And why one did not read, for the slips a batch repeats.
    struct SideRefusal {
        std::string problem;
        bool namesNothing = false;
    };
    const SideRefusal* RememberedRefusal(std::string_view utf8Text) const;
    void RememberRefusal(std::string_view utf8Text, std::string_view problem,
                         bool namesNothing) const;

    // Lets go of the remembered answers once there are very many of them, so
    // a stream of distinct names cannot fill the memory. Call it only while
    // no answer handed out is in use.
    void Forget() const;

private:
    const Catalogue& catalogue_;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return static_cast<std::size_t>(NameHash(s));
        }
    };
    template <typename T>
    using Map = std::unordered_map<std::string, T, Hash, std::equal_to<>>;

    std::span<const std::string_view> Offers(const NameCandidates& candidates,
                                             std::string_view utf8Name) const;
    const std::vector<std::string>& Utf8NamesOf(int row) const;
    const NameCandidates& CandidatesIn(int row) const;
    const NameCandidates& CategoryCandidates() const;
    const NameCandidates& UnitCandidates() const;
    // True once the set of every name is made; makes it after a few lookups.
    // Asked on every lookup, so the usual answer stays inline.
    bool HasNameSet() const { return nameSetMade_ || (lookups_ > FewLookups && MakeNameSet()); }
    bool MakeNameSet() const;
    // Distinct names looked up by searching the catalogue before the set of
    // every name is made: one conversion needs two, a batch soon more.
    static constexpr std::size_t FewLookups = 8;
    // Whether a name in UTF-8 may be a unit's: a name not among every unit
    // name and alias is not, and is neither searched for nor remembered.
    bool MayNameUnit(std::string_view utf8Name) const;
    // The name in Windows-1252 and lower case, valid until the next call;
    // nothing when the code page cannot hold it.
    std::optional<std::string_view> Lowered(std::string_view utf8Name) const;

    std::vector<int> categoryRows_;
    mutable std::size_t lookups_ = 0;  // distinct names looked up so far
    mutable bool nameSetMade_ = false;
    mutable std::size_t longestName_ = 0;  // bytes of the longest UTF-8 name or alias
    mutable std::vector<std::vector<std::string>> utf8Names_;  // empty: not yet converted
    // Every unit name and alias, lower-cased: a name not among them names
    // no unit in any case, and needs no search of the catalogue. Beside
    // them, marked apart, the names left ambiguous on purpose. Flat, as the
    // remembered messages are: a batch asks about each bad line's name.
    mutable TextMemo loweredNames_;
    mutable NameCandidates categoryCandidates_;
    mutable NameCandidates unitCandidates_;
    mutable std::vector<NameCandidates> rowCandidates_;
    mutable Map<std::optional<int>> categories_;
    mutable Map<std::vector<UnitPlace>> units_;
    mutable Map<std::unique_ptr<WordMeanings>> words_;  // null: a word that means nothing
    mutable std::size_t wordsOfNoMeaning_ = 0;
    mutable Map<std::unique_ptr<Expression>> expressions_;
    mutable Map<SideRefusal> refusals_;
    mutable std::vector<std::string_view> offers_;  // the latest suggestions
    mutable std::string lowered_;                   // room for a name being looked up
    mutable std::string typed_;                     // a name being suggested for
    mutable TextMemo messages_;
    mutable std::string draft_;  // the message being made
};
