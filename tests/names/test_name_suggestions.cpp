// "Did you mean": the distance and the choice of names offered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "name_suggestions.h"
#include "query_distance.h"
#include "text_1252.h"
#include "unit_lookup.h"

namespace {

TEST(NameDistance, CountsEditsIgnoringCase) {
    struct Row {
        const char* a;
        const char* b;
        int distance;
    };
    const Row rows[] = {
        {"Celsius", "Celsius", 0},       {"CELSIUS", "celsius", 0},
        {"Celcius", "Celsius", 1},        // replace
        {"Fahrenhiet", "Fahrenheit", 1},  // swap of neighbours
        {"Kilometer", "Kilometers", 1},   // insert
        {"Kilometre", "Kilometers", 2},  {"", "Gon", 3},
        {"Meters\xB2", "meters\xB2", 0}, {"\xC9tendue", "\xE9tendue", 0},  // É and é are one letter
        {"Stone", "Stere", 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NameDistance(row.a, row.b), row.distance) << row.a << " / " << row.b;
        EXPECT_EQ(NameDistance(row.b, row.a), row.distance)
            << "symmetric: " << row.a << " / " << row.b;
    }
}

TEST(ClosestNames, OffersOnlyPlausibleSlips) {
    const std::vector<std::string> names{"Kilometers", "Kilometers\xB2", "Miles",  "C",
                                         "Lux",        "Meters",         "Meters", "Feet",
                                         "Gon",        "Feet\xB2"};
    struct Row {
        const char* query;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"Kilometre", {"Kilometers", "Kilometers\xB2"}},
        {"kilometers", {"Kilometers", "Kilometers\xB2"}},
        {"Mile", {"Miles"}},
        {"meter", {"Meters"}},  // once, though listed twice
        {"Fet", {"Feet"}},
        {"Fee", {"Feet", "Feet\xB2"}},  // a start of the name counts
        {"x", {}},                      // rewriting all of it is no slip
        {"Zorkmids", {}},
        {"", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ClosestNames(row.query, names), row.expected) << row.query;
    EXPECT_EQ(ClosestNames("Kilometre", names, 1), std::vector<std::string>{"Kilometers"});
}

// The textbook table, every cell filled: the reference for the banded one.
int FullDistance(const std::string& x, const std::string& y) {
    std::vector<std::vector<int>> d(x.size() + 1, std::vector<int>(y.size() + 1));
    for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= x.size(); ++i) {
        for (std::size_t j = 1; j <= y.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[x.size()][y.size()];
}

TEST(LoweredDistanceWithin, AgreesWithTheFullTableUpToItsLimit) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 9), letter(0, 2);
    auto text = [&] {
        std::string s(static_cast<std::size_t>(length(random)), 'a');
        for (char& c : s) c = static_cast<char>('a' + letter(random));
        return s;
    };
    for (int n = 0; n < 20000; ++n) {
        const std::string x = text(), y = text();
        const int full = FullDistance(x, y);
        for (int limit = 0; limit <= 4; ++limit)
            ASSERT_EQ(LoweredDistanceWithin(x, y, limit), std::min(full, limit + 1))
                << x << " / " << y << " within " << limit;
    }
}

TEST(QueryDistance, AgreesWithTheFullTable) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> length(0, 64), letter(0, 3);
    auto text = [&](std::size_t most) {
        std::string s(std::min(most, static_cast<std::size_t>(length(random))), 'a');
        for (char& c : s) c = static_cast<char>('a' + letter(random));
        return s;
    };
    QueryDistance reused;  // as a search keeps it, from one query to the next
    for (int n = 0; n < 5000; ++n) {
        // Short texts too, where the word holds few rows.
        const std::string x = text(n % 2 ? 64 : 6), y = text(n % 3 ? 70 : 6);
        ASSERT_EQ(QueryDistance(x).To(y), FullDistance(x, y)) << x << " / " << y;
        reused.Reset(x);
        ASSERT_EQ(reused.To(y), FullDistance(x, y)) << "reused: " << x << " / " << y;
    }
}

TEST(ClosestNames, OffersUnitsForNearAliasesAndNothingForHugeQueries) {
    const NameCandidates candidates(
        {{"miles", "Miles"}, {"mi", "Miles"}, {"mph", "Miles/hour"}, {"km/h", "Kilometers/hour"}});
    EXPECT_EQ(ClosestNames("kmh", candidates), std::vector<std::string>{"Kilometers/hour"});
    EXPECT_EQ(ClosestNames("mile", candidates), std::vector<std::string>{"Miles"});  // once
    EXPECT_TRUE(ClosestNames(std::string(MaxSuggestedLength + 1, 'm'), candidates).empty());
    EXPECT_TRUE(ClosestNames("Miles", NameCandidates()).empty());  // a row with no units
}

// The rule as first written, every candidate looked at: a name the query
// starts (three letters or more) by its extra length, any other within the
// allowed distance by that distance; the first three distinct offers of the
// nearest. `distance(lowered, text, within)` gives the distance, or any
// value past `within` for a name farther than that.
template <typename Distance>
std::vector<std::string> ReferenceClosestNames(const std::string& query,
                                               const std::vector<NameCandidate>& candidates,
                                               Distance distance) {
    if (query.size() > MaxSuggestedLength) return {};
    const std::string lowered = LowerCp1252(query);
    const int within = std::min(std::max(1, static_cast<int>(query.size() / 3)),
                                static_cast<int>(query.size()) - 1);
    std::vector<std::pair<int, std::size_t>> near;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string& text = candidates[i].lowered;
        if (query.size() >= 3 && text.starts_with(lowered))
            near.emplace_back(static_cast<int>(text.size() - lowered.size()), i);
        else if (const int apart = distance(lowered, text, within); apart <= within)
            near.emplace_back(apart, i);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<std::string> closest;
    for (const auto& [apart, i] : near) {
        const std::string& offer = candidates[i].offer;
        if (closest.size() < 3 && std::find(closest.begin(), closest.end(), offer) == closest.end())
            closest.push_back(offer);
    }
    return closest;
}

// Every candidate through the full table, no shortcut. Whatever the fast
// search passes over must be what this drops.
std::vector<std::string> PlainClosestNames(const std::string& query,
                                           const std::vector<NameCandidate>& candidates) {
    return ReferenceClosestNames(query, candidates,
                                 [](const std::string& lowered, const std::string& text, int) {
                                     return FullDistance(lowered, text);
                                 });
}

// The candidates of a search among the built-in units: (the category names,)
// the unit names, then the aliases.
std::vector<NameCandidate> BuiltinCandidates(bool withCategories) {
    const Catalogue catalogue;
    std::vector<NameCandidate> every;
    const auto add = [&](std::string_view typed, int row, int position) {
        every.push_back({LowerCp1252(typed), catalogue.Name(row, position)});
    };
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (withCategories) add(catalogue.Name(row, 0), row, 0);
        for (int position = 1; position <= catalogue.UnitCount(row); ++position)
            add(catalogue.Name(row, position), row, position);
    }
    for (const AliasPlace& alias : EveryAlias(catalogue))
        add(alias.alias, alias.place.row, alias.place.position);
    return every;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr int SlipSamples = 150;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int SlipSamples = 150;
#else
constexpr int SlipSamples = 600;
#endif
#else
constexpr int SlipSamples = 600;
#endif

TEST(ClosestNames, OffersWhatTheFullTableOffersForSlipsOfEveryKind) {
    const std::vector<NameCandidate> every = BuiltinCandidates(true);
    const NameCandidates candidates(every);

    // Names with up to four slips: bytes put in, taken out, replaced (from
    // letters, digits and the whole code page) or swapped, and case changed.
    std::mt19937 random(11);
    auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto anyByte = [&] {
        const std::string pool = "aeioustrnlmkc0123456789/ .-\xB2\xE9\xC9";
        return below(4) == 0 ? static_cast<char>(below(256)) : pool[below(pool.size())];
    };
    // A seeded sample: the full table measures every name for each query,
    // so the sample is kept small, smaller still under the sanitizers; the
    // next test asks about slips of every name with a cheaper reference.
    for (int n = 0; n < SlipSamples; ++n) {
        std::string query = every[below(every.size())].offer;
        const std::size_t slips = below(5);
        for (std::size_t k = 0; k < slips; ++k) {
            const std::size_t at = query.empty() ? 0 : below(query.size());
            switch (below(5)) {
                case 0:
                    query.insert(below(query.size() + 1), 1, anyByte());
                    break;
                case 1:
                    if (!query.empty()) query.erase(at, 1);
                    break;
                case 2:
                    if (!query.empty()) query[at] = anyByte();
                    break;
                case 3:
                    if (at + 1 < query.size()) std::swap(query[at], query[at + 1]);
                    break;
                default:
                    if (!query.empty()) query[at] = UpperCp1252(query[at]);
                    break;
            }
        }
        if (below(8) == 0) query.resize(below(query.size() + 1));  // a start of a name
        ASSERT_EQ(ClosestNames(query, candidates), PlainClosestNames(query, every)) << query;
    }
}

// Every candidate measured, with no index and no bound but the length:
// fast enough to ask it about thousands of slips.
std::vector<std::string> MeasuredClosestNames(const std::string& query,
                                              const std::vector<NameCandidate>& candidates) {
    if (query.size() > MaxSuggestedLength) return {};  // too long to measure
    const QueryDistance measure(LowerCp1252(query));
    return ReferenceClosestNames(
        query, candidates, [&](const std::string& lowered, const std::string& text, int within) {
            const int longer =
                std::abs(static_cast<int>(text.size()) - static_cast<int>(lowered.size()));
            return longer > within ? longer : measure.To(text);
        });
}

TEST(ClosestNames, OffersWhatMeasuringEveryNameOffersForSlipsOfEachName) {
    const std::vector<NameCandidate> every = BuiltinCandidates(false);
    const NameCandidates candidates(every);

    // Of each name: one byte taken out, one put in, one replaced, two
    // neighbours swapped, and two pairs swapped ("abcdef" -> "acbedf": two
    // edits, yet not one pair of neighbouring letters left in common).
    std::mt19937 random(5);
    auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto letter = [&] { return static_cast<char>('a' + below(26)); };
    int compared = 0;
    for (const NameCandidate& name : every) {
        const std::string& text = name.offer;
        std::vector<std::string> slips;
        if (text.size() >= 2) {
            slips.push_back(std::string(text).erase(below(text.size()), 1));
            std::string swapped = text;
            const std::size_t at = below(text.size() - 1);
            std::swap(swapped[at], swapped[at + 1]);
            slips.push_back(swapped);
        }
        slips.push_back(std::string(text).insert(below(text.size() + 1), 1, letter()));
        std::string replaced = text;
        replaced[below(text.size())] = letter();
        slips.push_back(replaced);
        if (text.size() >= 5) {
            std::string twice = text;
            const std::size_t at = below(text.size() - 4);
            std::swap(twice[at + 1], twice[at + 2]);
            std::swap(twice[at + 3], twice[at + 4]);
            slips.push_back(twice);
        }
        for (const std::string& slip : slips) {
            ASSERT_EQ(ClosestNames(slip, candidates), MeasuredClosestNames(slip, every))
                << name.offer << " as " << slip;
            ++compared;
        }
    }
    EXPECT_GT(compared, 4000);
}

}  // namespace
