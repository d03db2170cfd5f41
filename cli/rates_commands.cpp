#include "rates_commands.h"

#include <charconv>

#include "currency_units.h"
#include "ecb_publication.h"
#include "fetch_helper.h"
#include "profile_store.h"
#include "rates_settings.h"
#include "rates_update.h"
#include "text_1252.h"
#include "visible_text.h"

namespace {

void Line(FdWriter& out, std::string_view label, std::string_view value) {
    out.Write(label);
    out.Put('\t');
    out.Write(value);
    out.Put('\n');
}

std::string DaysText(std::int64_t days) {
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

// The messages hold what a server, the helper or the cache said, byte for
// byte: they are written escaped, so none of it can act on the terminal.
int Fail(FdWriter& err, const std::string& message, int status) {
    err.Write("mezura-convert: " + Visible(message) + "\n");
    return status;
}

}  // namespace

std::string NoRatesMessage(const CachedRatesRead& cache) {
    if (!cache.error.empty())
        return "cannot use the cached rates in " + RatesCachePath() + ": " + cache.error;
    return "no exchange rates yet; mezura-convert --update-rates downloads them";
}

int RunRates(const CachedRatesRead& cache, std::int64_t nowUtc, FdWriter& out, FdWriter& err) {
    if (!cache.cached) return Fail(err, NoRatesMessage(cache), 1);
    const CachedRates& cached = *cache.cached;
    Line(out, "date", cached.rates.date);
    Line(out, "source", Visible(cached.source));
    Line(out, "age", DaysText(DaysSince(cached.rates.date.c_str(), nowUtc)));
    for (const CurrencyRate& rate : cached.rates.rates) {
        char number[32];
        const auto end = std::to_chars(number, number + sizeof number, rate.perEuro).ptr;
        out.Write(rate.code);
        out.Put('\t');
        out.Write(std::string_view(number, static_cast<std::size_t>(end - number)));
        out.Put('\t');
        out.Write(Utf8FromCp1252(CurrencyUnitName(rate.code)));
        out.Put('\n');
    }
    return 0;
}

int RunUpdateRates(const std::optional<std::string>& profilePath, std::int64_t nowUtc,
                   FdWriter& out, FdWriter& err) {
    const ProfileStore store(profilePath ? *profilePath : ProfilePathForProgram("mezura"));
    const std::string url = RatesUrl(store);
    if (const std::string problem = RatesUrlProblem(url); !problem.empty())
        return Fail(err, problem, 2);
    // A little over the limit, so that an oversized answer is seen as such.
    const HelperRun run = RunFetchHelper(FetchHelperPath(), url, MaxRatesFileBytes + 1);
    if (!run.ok) return Fail(err, "cannot download the rates from " + url + ": " + run.output, 1);
    const RatesUpdate update = AcceptDownloadedRates(run.output, url, nowUtc, RatesCachePath());
    if (!update.cached) return Fail(err, update.error + " (from " + url + ")", 1);
    out.Write(RatesDateLine(*update.cached, nowUtc) + ", " +
              std::to_string(update.cached->rates.rates.size()) + " currencies, from " +
              Visible(url) + "\n");
    return 0;
}

std::string StaleRatesNote(const CachedRatesRead& cache, std::int64_t nowUtc) {
    if (!cache.cached) return {};
    const std::int64_t age = DaysSince(cache.cached->rates.date.c_str(), nowUtc);
    if (age <= StaleRatesDays) return {};
    return "mezura-convert: note: the exchange rates are of " + cache.cached->rates.date + ", " +
           DaysText(age) + " old (mezura-convert --update-rates downloads new ones)\n";
}
