#pragma once
// The search service's answers, without D-Bus: a launcher query in, the
// conversions to show out, in the user's result format and with the user's
// custom units and the cached exchange rates. The profile and the rates are
// read again whenever one of them has changed, so a unit added in the window
// or rates downloaded by it are found by the next query.
//
//   "5 km to mi" -> one answer: "3.1068559611867" "Miles",
//                   "5 km = 3.1068559611867 mi"
//   "5 km"       -> Miles, Yards, Meters (SuggestedTargets), after the
//                   favourite targets of Kilometers and those of its
//                   history (LearnedTargets)
//   "72 F"       -> Celsius, Kelvin, Rankine (72 °F), then the units of
//                   72 farads (ReadConversionPhrase)
//   "1 kg/m^3 to lb/ft^3"
//                -> one answer, as it was read (ReadExpressionPhrase):
//                   "0.062427960576145" "lb/ft³",
//                   "1 kg/m³ = 0.062427960576145 lb/ft³"
//   "hello"      -> none
//
// Every answer has an id that carries the conversion itself, so an answer
// can be shown or acted on again after the service has restarted: the
// catalogue's places and the value ("10:10:14:5"), or, for an expression,
// ExpressionIdMark and the query ("=1 kg/m^3 to lb/ft^3").
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "favourites.h"
#include "file_stamp.h"
#include "history.h"
#include "history_file.h"
#include "name_index.h"
#include "rates_cache.h"
#include "rates_in_use.h"
#include "result_format.h"
#include "shown_names.h"

// Longer queries are not read at all: no conversion is that long.
inline constexpr std::size_t MaxQueryBytes = 1024;
// What starts the id of an answer to an expression; no other id starts so.
inline constexpr char ExpressionIdMark = '=';

struct SearchAnswer {
    std::string id;
    std::string value;        // the result as the window would show it
    std::string unit;         // the target unit's name, UTF-8
    std::string description;  // "5 km = 3.1068559611867 mi"
    // "5 Kilometers to Miles", for `mezura QUERY`; for an expression the
    // same conversion between two units a category lists ("1
    // Kilograms/meter³ to Pound/foot³"), else the query as typed, which the
    // window reads as far as it can.
    std::string windowQuery;
    bool typedTarget = false;  // the query named the target unit
};

class SearchAnswers {
public:
    // `ratesPath` is the exchange-rate cache, `historyPath` the window's
    // history; by default the user's.
    explicit SearchAnswers(std::string profilePath, std::string ratesPath = RatesCachePath(),
                           std::string historyPath = HistoryFilePath());

    // The language of the names in the answers (English until set); what
    // the answers hand the window keeps the catalogue's own names.
    void SetNameLanguage(NameLanguage language) { language_ = language; }
    // In a decimal comma language the query's value may be written "1,5"
    // (or "1.5": a point is never a thousands separator), and the answers'
    // numbers are written with the comma, unless the profile's DecimalPoint
    // says the user chose the point, as the window then does.
    void SetDecimalComma(bool comma) { decimalComma_ = comma; }

    // Best first; none for anything that is not a conversion.
    std::vector<SearchAnswer> Answer(std::string_view utf8Query);
    // The answer an id of Answer's stands for; nothing for any other text.
    std::optional<SearchAnswer> AnswerFor(std::string_view id);

private:
    // The sources of a currency answer's rates, in short; empty for others.
    std::string RatesNote(int from, int to) const;
    void Refresh();
    SearchAnswer Make(double value, int row, int from, int to) const;
    // The answer to `query` read as an expression; nothing when it does not read.
    std::optional<SearchAnswer> MakeExpression(std::string_view query) const;
    // The number as the user's language writes it.
    std::string Written(std::string text) const;
    bool WritesComma() const { return decimalComma_ && !decimalPointChosen_; }

    std::string profilePath_;
    std::string ratesPath_;
    std::string historyPath_;
    NameLanguage language_ = NameLanguage::English;
    bool decimalComma_ = false;
    bool decimalPointChosen_ = false;  // the profile's DecimalPoint
    // Of the profile and the rates as last read; nothing when absent.
    std::optional<FileStamp> stamp_;
    std::array<std::optional<FileStamp>, RatesSources.size()> ratesStamps_;  // each source's cache
    KeptRates rates_;
    std::optional<FileStamp> historyStamp_;
    bool loaded_ = false;
    bool settled_ = false;
    // The service's own catalogue and result style, as the profile sets them.
    std::optional<Catalogue> catalogue_;
    ResultStyle style_;
    std::optional<NameIndex> index_;
    // The user's favourites and history, as the files last read hold them.
    Favourites favourites_;
    History history_;
};
