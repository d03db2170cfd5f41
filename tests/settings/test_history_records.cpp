// The history and favourites below the window: their stored forms read back
// byte for byte, and the history's rules for adding.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "escaped_text.h"
#include "favourites.h"
#include "history.h"
#include "history_file.h"
#include "unit_pair.h"

TEST(EscapedText, EveryByteReadsBackAndBrokenEscapesAreRefused) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte) every += static_cast<char>(byte);
    const std::string escaped = EscapeText(every);
    EXPECT_EQ(escaped.find_first_of(" \t\r\n;=\"'/"), std::string::npos);
    EXPECT_EQ(UnescapeText(escaped), every);
    EXPECT_EQ(EscapeText("Centimeters/sec\xB2 "), "Centimeters%2Fsec%B2%20");
    for (const char* broken : {"a%3", "a%", "a%G0", "a b", "a%3d"})
        EXPECT_EQ(UnescapeText(broken), std::nullopt) << broken;
}

TEST(FavouriteText, ThreeNamesOrNothing) {
    const UnitPair pair{"Distance", "A/b;c=\"d\"", "\xE9t\xE9 "};
    EXPECT_EQ(ReadFavouriteText(FavouriteText(pair)), pair);
    for (const char* broken : {"Distance/Kilometers", "a/b/c/d", "/b/c", "a/b%2/c"})
        EXPECT_EQ(ReadFavouriteText(broken), std::nullopt) << broken;
}

TEST(Favourites, ToggleUnpinsAndCapsTheCount) {
    Favourites favourites;
    const UnitPair pair{"Distance", "Kilometers", "Miles"};
    EXPECT_TRUE(favourites.Toggle(pair));
    EXPECT_FALSE(favourites.Toggle(pair));
    EXPECT_TRUE(favourites.Pairs().empty());
    for (int i = 0; i < Favourites::MaxCount + 3; ++i)
        favourites.Toggle({"Distance", std::to_string(i), "Miles"});
    EXPECT_EQ(favourites.Pairs().size(), static_cast<std::size_t>(Favourites::MaxCount));
}

TEST(History, NewestFirstNoRepeatAndTheOldestGoFirst) {
    History history;
    const UnitPair pair{"Distance", "Kilometers", "Miles"};
    EXPECT_TRUE(history.Add({pair, "1", "0.62"}));
    EXPECT_FALSE(history.Add({pair, "1", "0.62"})) << "never twice in a row";
    EXPECT_TRUE(history.Add({pair, "2", "1.24"}));
    EXPECT_TRUE(history.Add({pair, "1", "0.62"})) << "only the newest is compared";
    EXPECT_EQ(history.Entries().front().value, "1");
    for (std::size_t i = 0; i < History::MaxEntries; ++i)
        history.Add({pair, std::to_string(100 + i), "x"});
    EXPECT_EQ(history.Entries().size(), History::MaxEntries);
    EXPECT_EQ(history.Entries().back().value, "100") << "the oldest went";
    EXPECT_FALSE(history.Add({pair, std::string(History::MaxTextBytes + 1, '1'), "x"}));
    EXPECT_FALSE(history.Add({pair, "", "0"})) << "an emptied field";
    EXPECT_FALSE(history.Add({pair, "-.", "0"}));
}

TEST(History, FilterWantsEveryWordIgnoringCase) {
    EXPECT_TRUE(MatchesFilter("1 Kilometers = 0.62 Miles (Distance)", ""));
    EXPECT_TRUE(MatchesFilter("1 Kilometers = 0.62 Miles (Distance)", "kilo  MIL"));
    EXPECT_FALSE(MatchesFilter("1 Kilometers = 0.62 Miles (Distance)", "kilo feet"));
}

TEST(HistoryFile, WrittenEntriesReadBackWhole) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("mezura-history-" + std::to_string(::getpid()));
    const std::string path = (folder / "a" / "history").string();
    History history;
    history.Add({{"Distance", "Kilometers", "Miles"}, "1", "0.62137119223733"});
    history.Add({{"Temp\terature", "C\n", "F%"}, " 1e3 ", "5 ft 8 7/8 in"});
    ASSERT_FALSE(WriteHistoryFile(path, history));
    const HistoryRead read = ReadHistoryFile(path);
    EXPECT_EQ(read.problem, std::nullopt);
    EXPECT_EQ(read.entries, history.Entries());
    std::filesystem::remove_all(folder);

    EXPECT_EQ(ReadHistoryFile((folder / "none").string()).problem, std::nullopt)
        << "no file is an empty history";
}

// Favourites and history entries keep a currency's name as it was shown; the
// rates' names change with their source, the code they end in does not.
TEST(UnitPair, ACurrencyIsFoundByTheCodeItsStoredNameEndsIn) {
    Catalogue catalogue;
    const NamedFactor currencies[] = {{"Euro (EUR)", 1.0}, {"US Dollar (USD)", 0.9}};
    catalogue.ReplaceBuiltinUnits(CurrencyRow, currencies);
    const std::string currency(CurrencyName);
    const auto place = FindPair(catalogue, {currency, "US dollar (USD)", "euro (EUR)"});
    ASSERT_TRUE(place);
    EXPECT_EQ(catalogue.Name(place->row, place->input), "US Dollar (USD)");
    EXPECT_EQ(catalogue.Name(place->row, place->output), "Euro (EUR)");
    EXPECT_EQ(MissingName(catalogue, {currency, "Yen (JPY)", "Euro (EUR)"}), "Yen (JPY)");
    // Only currencies go by their code: a unit of another row must be named.
    EXPECT_FALSE(FindPair(catalogue, {"Distance", "Kilometres (KMS)", "Miles"}));
}
