#include "search_answers.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>

#include "blank_text.h"
#include "catalogue.h"
#include "conversion.h"
#include "conversion_phrase.h"
#include "currency_units.h"
#include "decimal_comma.h"
#include "expression_conversion.h"
#include "history_file.h"
#include "learned_targets.h"
#include "number_text.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "profile_store.h"
#include "rates_update.h"
#include "result_format.h"
#include "suggested_targets.h"
#include "text_1252.h"
#include "unit_lookup.h"
#include "unit_symbol.h"

namespace {

// A unit's name as shown, in UTF-8: some built-in names end in a blank.
std::string ShownName(const Catalogue& catalogue, int row, int position,
                      NameLanguage language = NameLanguage::English) {
    std::string name = Utf8FromCp1252(ShownUnitName(catalogue, row, position, language));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return StampOf(status);
}

}  // namespace

SearchAnswers::SearchAnswers(std::string profilePath, std::string ratesPath,
                             std::string historyPath)
    : profilePath_(std::move(profilePath)),
      ratesPath_(std::move(ratesPath)),
      historyPath_(std::move(historyPath)) {}

void SearchAnswers::Refresh() {
    const auto stamp = StampOfFile(profilePath_);
    std::array<std::optional<FileStamp>, RatesSources.size()> ratesStamps;
    for (const RatesSource source : RatesSources)
        ratesStamps[IndexOf(source)] = StampOfFile(SourceCachePath(ratesPath_, source));
    const bool anyRates = std::any_of(ratesStamps.begin(), ratesStamps.end(),
                                      [](const auto& s) { return s.has_value(); });
    const auto historyStamp = StampOfFile(historyPath_);
    // A file changed within the clock's last tick may change again into
    // the same stamp: it is read again until it has settled.
    if (loaded_ && settled_ && stamp == stamp_ && ratesStamps == ratesStamps_ &&
        historyStamp == historyStamp_)
        return;
    // The index refers to the catalogue: it goes first and comes back last.
    index_.reset();
    catalogue_.emplace();
    style_ = ResultStyle{};
    // The currencies first, as the window has them when it loads the profile.
    rates_ = anyRates ? UseCachedRates(*catalogue_, ratesPath_, std::time(nullptr), language_)
                      : KeptRates{};
    favourites_ = Favourites{};
    history_.Clear();
    decimalPointChosen_ = false;
    if (stamp) {
        const ProfileStore profile(profilePath_);
        LoadProfile(profile, *catalogue_, style_);
        decimalPointChosen_ = ReadSwitch(profile, profile::DecimalPointKey);
        favourites_ = Favourites::Load(profile);
        // The user's switch holds here too: off, the history is not read.
        if (IsHistoryKept(profile)) history_.Assign(ReadHistoryFile(historyPath_).entries);
    } else {
        history_.Assign(ReadHistoryFile(historyPath_).entries);
    }
    stamp_ = stamp;
    ratesStamps_ = ratesStamps;
    historyStamp_ = historyStamp;
    const std::int64_t now = WallClockNs();
    settled_ =
        (!stamp || IsSettled(*stamp, now)) && (!historyStamp || IsSettled(*historyStamp, now));
    for (const auto& ratesStamp : ratesStamps)
        settled_ = settled_ && (!ratesStamp || IsSettled(*ratesStamp, now));
    loaded_ = true;
    index_.emplace(*catalogue_);
}

std::string SearchAnswers::RatesNote(int from, int to) const {
    // Whose rates of which day, in short: " (ECB 2026-12-07, NBP B 2026-12-02)".
    std::vector<std::string_view> codes;
    for (const int position : {from, to})
        if (const CurrencyWords* words = catalogue_->CurrencyWordsAt(position))
            codes.push_back(words->code);
    std::string note;
    for (const SourceUse& use : SourcesUsed(rates_, rates_.inUse, codes, std::time(nullptr)))
        note += (note.empty() ? " (" : ", ") + std::string(InfoOf(use.source).shortName) + ' ' +
                use.date;
    return note.empty() ? note : note + ')';
}

SearchAnswer SearchAnswers::Make(double value, int row, int from, int to) const {
    const Catalogue& catalogue = *catalogue_;
    const double result = ConvertValue(catalogue, row, from, to, value);
    SearchAnswer answer;
    answer.id = std::to_string(row) + ':' + std::to_string(from) + ':' + std::to_string(to) + ':' +
                ShortestText(value);
    answer.value = FormatResult(result, StyleForUnit(catalogue, row, to, style_))
                       .value_or(ShortestText(result));
    answer.unit = ShownName(catalogue, row, to, language_);
    const std::string typed =
        Written(FormatResultAs(value, FormatAuto, 0).value_or(ShortestText(value)));
    answer.value = Written(std::move(answer.value));
    // The line under the result, in symbols as one writes it: "1 mi = 1.609344 km";
    // a unit without a symbol by the name the session shows.
    const auto symbol = [&](int position) {
        const std::string written = Utf8FromCp1252(UnitSymbol(catalogue, row, position));
        return written == ShownName(catalogue, row, position)
                   ? ShownName(catalogue, row, position, language_)
                   : written;
    };
    answer.description = typed + ' ' + symbol(from) + " = " + answer.value + ' ' + symbol(to);
    if (row == CurrencyRow) answer.description += RatesNote(from, to);
    answer.windowQuery = ShortestText(value) + ' ' + ShownName(catalogue, row, from) + " to " +
                         ShownName(catalogue, row, to);
    return answer;
}

std::string SearchAnswers::Written(std::string text) const {
    return WritesComma() ? WithDecimalComma(text) : text;
}

std::optional<SearchAnswer> SearchAnswers::MakeExpression(std::string_view query) const {
    const auto phrase = ReadExpressionPhrase(*index_, query);
    if (!phrase) return std::nullopt;
    const ExpressionConversion& conversion = phrase->conversion;
    SearchAnswer answer;
    answer.id = ExpressionIdMark + std::string(query);
    answer.value =
        Written(FormatResult(conversion.result, style_).value_or(ShortestText(conversion.result)));
    answer.unit = conversion.targetUnits;
    // As it was read, in the form of the other answers: "1 kg/m³ = 0.0624… lb/ft³".
    std::string source =
        Written(conversion.sourceTyped.empty() ? FormatResultAs(conversion.number, FormatAuto, 0)
                                                     .value_or(ShortestText(conversion.number))
                                               : conversion.sourceTyped);
    if (conversion.sourceTyped.empty() && !conversion.sourceUnits.empty())
        source += ' ' + conversion.sourceUnits;
    answer.description = source + " = " + answer.value + ' ' + conversion.targetUnits;
    if (const auto& plain = phrase->plain)
        answer.windowQuery = plain->valueText + ' ' +
                             ShownName(*catalogue_, plain->row, plain->from) + " to " +
                             ShownName(*catalogue_, plain->row, *plain->to);
    else
        answer.windowQuery = std::string(query);
    answer.typedTarget = true;
    return answer;
}

std::vector<SearchAnswer> SearchAnswers::Answer(std::string_view utf8Query) {
    if (utf8Query.size() > MaxQueryBytes) return {};
    Refresh();
    // "1,5 km" is read as "1.5 km"; only the value's comma changes.
    std::string pointed;
    if (const std::size_t start = utf8Query.find_first_not_of(" \t");
        WritesComma() && start != std::string_view::npos && DecimalCommaAt(utf8Query, start)) {
        pointed = std::string(utf8Query);
        pointed[pointed.find(',', start)] = '.';
        utf8Query = pointed;
    }
    const auto meaning = ReadConversionPhrase(*index_, utf8Query);
    if (!meaning) {
        // Units by their dimensions ("kg/m^3", "3*12 in", "350 F to C"),
        // tried only when the catalogue's names do not read: a plain query
        // costs what it always did.
        if (auto answer = MakeExpression(Trimmed(utf8Query))) return {std::move(*answer)};
        return {};
    }
    if (meaning->to) {
        SearchAnswer answer = Make(meaning->value, meaning->row, meaning->from, *meaning->to);
        answer.typedTarget = true;
        return {answer};
    }
    // What the user pinned and converted before comes ahead of the
    // suggestions, in as many answers as the suggestions alone would give.
    const std::vector<int> suggested =
        SuggestedTargets(*catalogue_, meaning->row, meaning->from, meaning->value);
    std::vector<SearchAnswer> answers;
    for (int to : LearnedTargets(*catalogue_, meaning->row, meaning->from, favourites_, history_,
                                 suggested, std::max<std::size_t>(suggested.size(), 5)))
        answers.push_back(Make(meaning->value, meaning->row, meaning->from, to));
    // "72 F": after the temperature, the farads.
    if (const auto& other = meaning->alsoMeant)
        for (int to : SuggestedTargets(*catalogue_, other->row, other->position, meaning->value))
            answers.push_back(Make(meaning->value, other->row, other->position, to));
    return answers;
}

std::optional<SearchAnswer> SearchAnswers::AnswerFor(std::string_view id) {
    if (!id.empty() && id.front() == ExpressionIdMark) {
        id.remove_prefix(1);
        if (id.size() > MaxQueryBytes) return std::nullopt;
        Refresh();
        return MakeExpression(id);
    }
    if (id.size() > MaxQueryBytes) return std::nullopt;
    Refresh();
    int parts[3];
    const char* at = id.data();
    const char* end = id.data() + id.size();
    for (int& part : parts) {
        const auto read = std::from_chars(at, end, part);
        if (read.ec != std::errc() || read.ptr == end || *read.ptr != ':') return std::nullopt;
        at = read.ptr + 1;
    }
    double value = 0;
    const auto read = std::from_chars(at, end, value);
    // from_chars reads "nan" and "infinity" too; no answer is made of them.
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return std::nullopt;
    const auto [row, from, to] = parts;
    if (row < 0 || row >= CategoryRowCount || !IsCategoryInUse(*catalogue_, row))
        return std::nullopt;
    const int count = catalogue_->UnitCount(row);
    if (from < 1 || from > count || to < 1 || to > count) return std::nullopt;
    // A value past the range of doubles in the target unit is no result either.
    if (!std::isfinite(ConvertValue(*catalogue_, row, from, to, value))) return std::nullopt;
    return Make(value, row, from, to);
}
