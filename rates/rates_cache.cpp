#include "rates_cache.h"

#include <charconv>
#include <cstdlib>

#include "atomic_file.h"
#include "ecb_publication.h"
#include "file_path.h"
#include "file_read.h"
#include "number_text.h"
#include "rates_check.h"

namespace {

constexpr std::string_view Header = "Mezura exchange rates 1";

// Reads the cache's text line by line, each refusal naming its line.
class CacheReader {
public:
    CacheReader(std::string_view text, std::int64_t nowUtc, RatesSource table)
        : text_(text), check_(nowUtc, InfoOf(table).base), table_(table) {}

    CachedRatesRead Read() {
        CachedRates cached;
        cached.table = table_;
        if (!Next() || line_ != Header) return Refuse("not a rates file Mezura wrote");
        const auto source = Next() ? Field("source") : std::nullopt;
        if (!source) return Refuse("\"source ...\" was expected");
        cached.source = *source;
        const auto fetched = Next() ? Field("fetched") : std::nullopt;
        if (!fetched || !WholeNumber(*fetched, cached.fetched))
            return Refuse("\"fetched\" and a whole number of seconds were expected");
        const auto date = Next() ? Field("date") : std::nullopt;
        if (!date) return Refuse("\"date ...\" was expected");
        if (std::string problem = check_.Date(*date); !problem.empty())
            return Refuse(std::move(problem));
        cached.rates.date = *date;
        const std::string_view base = InfoOf(table_).base;
        if (base != "EUR") {
            const auto given = Next() ? Field("base") : std::nullopt;
            if (!given || *given != base)
                return Refuse("\"base " + std::string(base) + "\" was expected");
        }
        while (Next()) {
            const std::size_t blank = line_.find(' ');
            const auto code = line_.substr(0, blank);
            if (std::string problem = check_.Code(code); !problem.empty())
                return Refuse(std::move(problem));
            const auto value =
                blank == std::string_view::npos ? std::string_view() : line_.substr(blank + 1);
            double perEuro = 0;
            // Written with the shortest text that reads back exactly, and so
            // only ever in that one way: "1.0", a line cut short from
            // "1.0523", was never written by Mezura.
            if (!WrittenRate(value, perEuro))
                return Refuse("the rate of " + std::string(code) +
                              " is not as Mezura wrote it: " + QuotedExcerpt(value));
            if (std::string problem = RatesCheck::Value(code, perEuro); !problem.empty())
                return Refuse(std::move(problem));
            cached.rates.rates.push_back({std::string(code), perEuro});
        }
        if (!error_.empty()) return {std::nullopt, error_};
        if (cached.rates.rates.empty()) return {std::nullopt, "the file gives no rates"};
        return {std::move(cached), {}};
    }

private:
    // The next line, without its end; false at the end of the text, or when
    // the text ends inside the line (every line Mezura writes is ended).
    bool Next() {
        if (!error_.empty()) return false;
        ++number_;
        if (text_.empty()) return false;
        const std::size_t end = text_.find('\n');
        if (end == std::string_view::npos) {
            error_ = "line " + std::to_string(number_) + " is cut off: " + QuotedExcerpt(text_);
            return false;
        }
        line_ = text_.substr(0, end);
        text_.remove_prefix(end + 1);
        return true;
    }

    // "key value" with exactly that key.
    std::optional<std::string_view> Field(std::string_view key) const {
        if (!line_.starts_with(key) || line_.size() <= key.size() || line_[key.size()] != ' ')
            return std::nullopt;
        return line_.substr(key.size() + 1);
    }

    static bool WholeNumber(std::string_view text, std::int64_t& value) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size();
    }

    static bool WrittenRate(std::string_view text, double& value) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size()) return false;
        return ShortestText(value) == text;
    }

    // The error of the line read last, unless the text ended inside it.
    CachedRatesRead Refuse(std::string reason) {
        if (error_.empty()) error_ = "line " + std::to_string(number_) + ": " + std::move(reason);
        return {std::nullopt, error_};
    }

    std::string_view text_;
    RatesCheck check_;
    RatesSource table_;
    std::string_view line_;
    int number_ = 0;
    std::string error_;
};

}  // namespace

std::string RatesCachePath() { return XdgFilePath("XDG_CACHE_HOME", ".cache", "mezura/rates"); }

CachedRatesRead ReadRatesCache(const std::string& path, std::int64_t nowUtc, RatesSource table) {
    if (path.empty()) return {};
    const FileRead read = ReadProfileFile(path);
    if (read.error) return {std::nullopt, ReadFailureReason(read.error)};
    if (!read.exists) return {};
    if (read.text.size() > 2 * MaxRatesFileBytes) return {std::nullopt, "File too large"};
    return ReadRatesCacheText(read.text, nowUtc, table);
}

CachedRatesRead ReadRatesCacheText(std::string_view text, std::int64_t nowUtc, RatesSource table) {
    return CacheReader(text, nowUtc, table).Read();
}

std::string RatesCacheText(const CachedRates& cached) {
    std::string text(Header);
    text += "\nsource " + cached.source + "\nfetched " + std::to_string(cached.fetched) +
            "\ndate " + cached.rates.date + "\n";
    if (const std::string_view base = InfoOf(cached.table).base; base != "EUR")
        text += "base " + std::string(base) + "\n";
    for (const CurrencyRate& rate : cached.rates.rates)
        text += rate.code + " " + ShortestText(rate.perEuro) + "\n";
    return text;
}

std::error_code WriteRatesCache(const std::string& path, const CachedRates& cached) {
    if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
    if (const auto error = MakeFolders(ParentFolder(path))) return error;
    return ReplaceFileAtomically(path, RatesCacheText(cached));
}

bool IsBehindSource(const CachedRates& cached, std::int64_t nowUtc) {
    std::int64_t published = LatestEcbPublication(nowUtc);
    if (cached.table == RatesSource::NbpTableB) {
        // Back over working days to the latest Wednesday (1970-01-01 was a Thursday).
        while ((published / 86400 + 4) % 7 != 3) published = LatestEcbPublication(published - 1);
    }
    return cached.fetched < published;
}

bool IsStale(const CachedRates& cached, std::int64_t nowUtc) {
    return DaysSince(cached.rates.date.c_str(), nowUtc) > InfoOf(cached.table).staleDays;
}

std::string RatesDateLine(const CachedRates& cached, std::int64_t nowUtc) {
    std::string line = std::string(InfoOf(cached.table).name) + " of " + cached.rates.date;
    const std::int64_t age = DaysSince(cached.rates.date.c_str(), nowUtc);
    if (IsStale(cached, nowUtc)) line += " (" + std::to_string(age) + " days old)";
    return line;
}
