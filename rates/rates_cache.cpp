#include "rates_cache.h"

#include <charconv>
#include <cstdlib>

#include "atomic_file.h"
#include "ecb_publication.h"
#include "file_path.h"
#include "file_read.h"

namespace {

constexpr std::string_view Header = "Mezura exchange rates 1";

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// The next line, without its end; the text moves past it.
std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

// "key value" with exactly that key.
std::optional<std::string_view> Field(std::string_view line, std::string_view key) {
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ' ')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

std::optional<CachedRates> Parse(std::string_view text) {
    if (NextLine(text) != Header) return std::nullopt;
    CachedRates cached;
    const auto source = Field(NextLine(text), "source");
    const auto fetched = Field(NextLine(text), "fetched");
    const auto date = Field(NextLine(text), "date");
    if (!source || !fetched || !date || !IsIsoDate(*date)) return std::nullopt;
    cached.source = *source;
    const auto [end, error] =
        std::from_chars(fetched->data(), fetched->data() + fetched->size(), cached.fetched);
    if (error != std::errc() || end != fetched->data() + fetched->size()) return std::nullopt;
    cached.rates.date = *date;
    while (!text.empty()) {
        const std::string_view line = NextLine(text);
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) return std::nullopt;
        const auto code = line.substr(0, blank);
        // Written by us with the shortest exact text, which may use an exponent.
        double perEuro = 0;
        const auto value = line.substr(blank + 1);
        const auto [valueEnd, valueError] =
            std::from_chars(value.data(), value.data() + value.size(), perEuro);
        if (!IsCurrencyCode(code) || valueError != std::errc() ||
            valueEnd != value.data() + value.size() || !(perEuro > 0) ||
            perEuro > 1e300)  // finite, and its inverse not zero
            return std::nullopt;
        for (const CurrencyRate& seen : cached.rates.rates)
            if (seen.code == code) return std::nullopt;
        cached.rates.rates.push_back({std::string(code), perEuro});
    }
    if (cached.rates.rates.empty()) return std::nullopt;
    return cached;
}

}  // namespace

std::string RatesCachePath() {
    const std::string_view xdg = Variable("XDG_CACHE_HOME");
    if (xdg.starts_with('/')) return std::string(xdg) + "/mezura/rates";
    const std::string_view home = Variable("HOME");
    if (home.empty()) return {};
    return std::string(home) + "/.cache/mezura/rates";
}

CachedRatesRead ReadRatesCache(const std::string& path) {
    if (path.empty()) return {};
    const FileRead read = ReadProfileFile(path);
    if (read.error) return {std::nullopt, ReadFailureReason(read.error)};
    if (!read.exists) return {};
    if (read.text.size() > 2 * MaxRatesFileBytes) return {std::nullopt, "File too large"};
    auto cached = Parse(read.text);
    if (!cached) return {std::nullopt, "not a rates file Mezura wrote"};
    return {std::move(cached), {}};
}

std::string RatesCacheText(const CachedRates& cached) {
    std::string text(Header);
    text += "\nsource " + cached.source + "\nfetched " + std::to_string(cached.fetched) +
            "\ndate " + cached.rates.date + "\n";
    for (const CurrencyRate& rate : cached.rates.rates) {
        char number[32];
        const auto end = std::to_chars(number, number + sizeof number, rate.perEuro).ptr;
        text += rate.code + " " + std::string(number, end) + "\n";
    }
    return text;
}

std::error_code WriteRatesCache(const std::string& path, const CachedRates& cached) {
    if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
    if (const auto error = MakeFolders(ParentFolder(path))) return error;
    return ReplaceFileAtomically(path, RatesCacheText(cached));
}

bool IsBehindEcb(const CachedRates& cached, std::int64_t nowUtc) {
    return cached.fetched < LatestEcbPublication(nowUtc);
}

std::string RatesDateLine(const CachedRates& cached, std::int64_t nowUtc) {
    std::string line = "ECB reference rates of " + cached.rates.date;
    const std::int64_t age = DaysSince(cached.rates.date.c_str(), nowUtc);
    if (age > StaleRatesDays) line += " (" + std::to_string(age) + " days old)";
    return line;
}
