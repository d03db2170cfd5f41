#include "unit_search.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "catalogue.h"
#include "name_index.h"
#include "quantity_expression.h"
#include "text_1252.h"
#include "unit_lookup.h"
#include "unit_word.h"

namespace {

// Best first.
enum class MatchKind { Exact, Prefix, WordStart, Substring };

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What comparisons see: lower case, and the superscripts as the digits a
// keyboard types.
std::string SearchKey(std::string_view text) {
    std::string key = LowerCp1252(TrimBlanks(text));
    for (char& c : key) {
        if (c == '\xB2') c = '2';
        if (c == '\xB3') c = '3';
    }
    return key;
}

// Letters (the code page's accented ones and µ too) and digits make words;
// blanks, slashes, brackets and signs part them.
bool IsWordChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 'A' && byte <= 'Z') || byte >= 0xC0 || byte == 0xB5;
}

std::optional<MatchKind> Classify(std::string_view key, std::string_view query) {
    if (query.empty()) return MatchKind::Substring;
    if (key == query) return MatchKind::Exact;
    if (key.starts_with(query)) return MatchKind::Prefix;
    std::optional<MatchKind> kind;
    for (auto at = key.find(query, 1); at != std::string_view::npos; at = key.find(query, at + 1)) {
        if (!IsWordChar(key[at - 1])) return MatchKind::WordStart;
        kind = MatchKind::Substring;
    }
    return kind;
}

// How well one unit matches; smaller is better.
struct Score {
    MatchKind kind;
    bool otherCase;
    bool aliasOnly;
    auto Tuple() const { return std::tuple(kind, otherCase, aliasOnly); }
};

std::optional<Score> ScoreText(std::string_view text, bool isAlias, std::string_view query,
                               std::string_view queryKey) {
    const std::optional<MatchKind> kind = Classify(SearchKey(text), queryKey);
    if (!kind) return std::nullopt;
    // Case only tells apart names that are otherwise the same ("mm", "Mm").
    const bool otherCase = *kind == MatchKind::Exact && TrimBlanks(text) != query;
    return Score{*kind, otherCase, isAlias};
}

std::optional<Score> ScoreUnit(const FindableUnit& unit, std::string_view query,
                               std::string_view queryKey) {
    std::optional<Score> best = ScoreText(unit.name, false, query, queryKey);
    for (const std::string& alias : unit.aliases) {
        const std::optional<Score> score = ScoreText(alias, true, query, queryKey);
        if (score && (!best || score->Tuple() < best->Tuple())) best = score;
    }
    return best;
}

}  // namespace

std::vector<FindableUnit> ListFindableUnits(const Catalogue& catalogue,
                                            const UnitAliasSource& aliasesOf) {
    std::vector<FindableUnit> units;
    for (int row = 0; row < CategoryRowCount; ++row) {
        const bool listed = row < BuiltinCategoryCount ? catalogue.Visibility(row) != 0
                                                       : IsCategoryInUse(catalogue, row);
        if (!listed) continue;
        const int count = catalogue.UnitCount(row);
        for (int position = 1; position <= count; ++position) {
            const std::string& name = catalogue.Name(row, position);
            if (catalogue.UnitByName(row, name) != position) continue;  // offered at its last place
            FindableUnit unit{row, position, catalogue.CategoryName(row), name, {}};
            if (aliasesOf)
                for (std::string_view alias : aliasesOf(row, position))
                    unit.aliases.emplace_back(alias);
            units.push_back(std::move(unit));
        }
    }
    return units;
}

std::vector<std::size_t> MatchFindableUnits(std::span<const FindableUnit> units,
                                            std::string_view query,
                                            std::span<const std::size_t> sized) {
    query = TrimBlanks(query);
    const std::string queryKey = SearchKey(query);
    struct Scored {
        std::size_t unit;
        Score score;
    };
    std::vector<Scored> scored;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (const std::optional<Score> score = ScoreUnit(units[i], query, queryKey))
            scored.push_back({i, *score});

    std::stable_sort(scored.begin(), scored.end(), [&units](const Scored& a, const Scored& b) {
        if (a.score.Tuple() != b.score.Tuple()) return a.score.Tuple() < b.score.Tuple();
        const FindableUnit& x = units[a.unit];
        const FindableUnit& y = units[b.unit];
        if (const int byName = CollateNoCase(x.name, y.name); byName != 0) return byName < 0;
        return CollateNoCase(x.category, y.category) < 0;
    });

    std::vector<std::size_t> found;
    found.reserve(scored.size() + sized.size());
    const auto exact = std::find_if(scored.begin(), scored.end(), [](const Scored& s) {
        return s.score.kind != MatchKind::Exact;
    });
    for (auto s = scored.begin(); s != exact; ++s) found.push_back(s->unit);
    for (const std::size_t unit : sized)
        if (std::find(found.begin(), found.end(), unit) == found.end()) found.push_back(unit);
    for (auto s = exact; s != scored.end(); ++s)
        if (std::find(sized.begin(), sized.end(), s->unit) == sized.end()) found.push_back(s->unit);
    return found;
}

std::vector<std::size_t> UnitsOfExpression(const NameIndex& index,
                                           std::span<const FindableUnit> units,
                                           std::string_view utf8Query) {
    std::vector<std::size_t> found;
    Expression expression;
    std::string problem;
    if (!LooksLikeExpression(utf8Query) || !ReadExpression(index, utf8Query, expression, problem) ||
        !expression.hasUnits)
        return found;
    const Catalogue& catalogue = index.Indexed();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto meaning = CatalogueMeaning(catalogue, units[i].row, units[i].position);
        if (!meaning) continue;
        for (int r = 0; r < expression.count; ++r) {
            const ExpressionReading& reading = expression.readings[r];
            // A temperature with a number is a temperature, not a unit's size.
            if (reading.scale >= 0 && reading.number != 1) continue;
            if (HasSize(*meaning, reading.number * reading.size, reading.dimension,
                        reading.scale)) {
                found.push_back(i);
                break;
            }
        }
    }
    // Among units of one size, the one whose symbol the query is, written
    // as one writes it, comes first: "N*m" is the newton metre's "N·m"
    // before it is the joule.
    if (const auto written = Cp1252FromUtf8(TidiedExpression(utf8Query))) {
        const auto named = [&](std::size_t i) {
            const FindableUnit& unit = units[i];
            return unit.name == *written || std::find(unit.aliases.begin(), unit.aliases.end(),
                                                      *written) != unit.aliases.end();
        };
        std::stable_partition(found.begin(), found.end(), named);
    }
    return found;
}
