#include "rates_commands.h"

#include <charconv>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "ecb_publication.h"
#include "fetch_helper.h"
#include "profile_store.h"
#include "rates_settings.h"
#include "rates_update.h"
#include "text_1252.h"
#include "visible_text.h"

namespace {

std::string DaysText(std::int64_t days) {
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

// The messages hold what a server, the helper or the cache said, byte for
// byte: they are written escaped, so none of it can act on the terminal.
int Fail(FdWriter& err, const std::string& message, int status) {
    err.Write("mezura-convert: " + Visible(message) + "\n");
    return status;
}

std::string UnitNameOf(const Catalogue& catalogue, std::string_view code) {
    for (int position = 1; position <= catalogue.BuiltinUnitsOf(CurrencyRow); ++position) {
        const CurrencyWords* words = catalogue.CurrencyWordsAt(position);
        if (words && words->code == code)
            return Utf8FromCp1252(catalogue.Name(CurrencyRow, position));
    }
    return std::string(code);
}

}  // namespace

std::string NoRatesMessage(const KeptRates& kept) {
    const std::string path = RatesCachePath();
    for (const RatesSource source : RatesSources) {
        const std::string& error = kept.Of(source).error;
        if (!error.empty())
            return "cannot use the cached rates in " + SourceCachePath(path, source) + ": " + error;
    }
    return "no exchange rates yet; mezura-convert --update-rates downloads them";
}

int RunRates(const KeptRates& kept, const Catalogue& catalogue, std::int64_t nowUtc, FdWriter& out,
             FdWriter& err) {
    if (!kept.Any()) return Fail(err, NoRatesMessage(kept), 1);
    for (const RatesSource source : RatesSources) {
        const CachedRatesRead& read = kept.Of(source);
        std::string line = "source\t" + std::string(InfoOf(source).name) + "\t";
        if (read.cached)
            line += read.cached->rates.date + "\t" +
                    DaysText(DaysSince(read.cached->rates.date.c_str(), nowUtc)) + "\t" +
                    Visible(read.cached->source);
        else
            line += read.error.empty() ? "none yet" : "refused: " + Visible(read.error);
        out.Write(line + "\n");
    }
    for (const RateInUse& rate : kept.inUse) {
        char number[32];
        const auto end = std::to_chars(number, number + sizeof number, rate.perEuro).ptr;
        out.Write(rate.code + "\t" + std::string(number, end) + "\t" +
                  UnitNameOf(catalogue, rate.code) + "\t" + std::string(InfoOf(rate.source).name) +
                  " of " + kept.Of(rate.source).cached->rates.date + "\n");
    }
    return 0;
}

int RunUpdateRates(const std::optional<std::string>& profilePath, std::int64_t nowUtc,
                   FdWriter& out, FdWriter& err) {
    const ProfileStore store(profilePath ? *profilePath : ProfilePathForProgram("mezura"));
    // Every address is checked before anything is asked of any server.
    std::vector<std::string> urls;
    for (const RatesSource source : RatesSources) {
        urls.push_back(SourceUrl(store, source));
        if (const std::string problem = RatesUrlProblem(urls.back()); !problem.empty())
            return Fail(err, problem, 2);
    }
    int status = 0;
    for (const RatesSource source : RatesSources) {
        const std::string& url = urls[IndexOf(source)];
        // A little over the limit, so that an oversized answer is seen as such.
        const HelperRun run = RunFetchHelper(FetchHelperPath(), url, MaxRatesFileBytes + 1);
        if (!run.ok) {
            status = Fail(err, "cannot download the rates from " + url + ": " + run.output, 1);
            continue;
        }
        const RatesUpdate update = AcceptDownloadedRates(
            run.output, url, nowUtc, SourceCachePath(RatesCachePath(), source), source);
        if (!update.cached) {
            status = Fail(err, update.error + " (from " + url + ")", 1);
            continue;
        }
        out.Write(RatesDateLine(*update.cached, nowUtc) + ", " +
                  std::to_string(update.cached->rates.rates.size()) + " currencies, from " +
                  Visible(url) + "\n");
    }
    return status;
}

std::string StaleRatesNote(const KeptRates& kept, const std::vector<std::string_view>& codes,
                           std::int64_t nowUtc) {
    std::string note;
    for (const SourceUse& use : SourcesUsed(kept, kept.inUse, codes, nowUtc)) {
        if (!use.stale) continue;
        note += "mezura-convert: note: the exchange rates are of " + use.date + " (" +
                std::string(InfoOf(use.source).name) + "), " + DaysText(use.age) +
                " old (mezura-convert --update-rates downloads new ones)\n";
    }
    return note;
}
