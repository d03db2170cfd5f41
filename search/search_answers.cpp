#include "search_answers.h"

#include <sys/stat.h>

#include <charconv>

#include "catalogue.h"
#include "conversion.h"
#include "conversion_phrase.h"
#include "decimal_comma.h"
#include "profile_records.h"
#include "profile_store.h"
#include "rates_update.h"
#include "result_format.h"
#include "suggested_targets.h"
#include "text_1252.h"
#include "unit_lookup.h"

namespace {

// A unit's name as shown, in UTF-8: some built-in names end in a blank.
std::string ShownName(const Catalogue& catalogue, int row, int position,
                      NameLanguage language = NameLanguage::English) {
    std::string name = Utf8FromCp1252(ShownUnitName(catalogue, row, position, language));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// The shortest text that reads back as the same double.
std::string ExactText(double value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return StampOf(status);
}

}  // namespace

SearchAnswers::SearchAnswers(std::string profilePath, std::string ratesPath)
    : profilePath_(std::move(profilePath)), ratesPath_(std::move(ratesPath)) {}

void SearchAnswers::Refresh() {
    const auto stamp = StampOfFile(profilePath_);
    const auto ratesStamp = StampOfFile(ratesPath_);
    // A file changed within the clock's last tick may change again into
    // the same stamp: it is read again until it has settled.
    if (loaded_ && settled_ && stamp == stamp_ && ratesStamp == ratesStamp_) return;
    // The index refers to the catalogue: it goes first and comes back last.
    index_.reset();
    catalogue_.emplace();
    style_ = ResultStyle{};
    // The currencies first, as the window has them when it loads the profile.
    if (ratesStamp) UseCachedRates(*catalogue_, ratesPath_);
    if (stamp) LoadProfile(ProfileStore(profilePath_), *catalogue_, style_);
    stamp_ = stamp;
    ratesStamp_ = ratesStamp;
    const std::int64_t now = WallClockNs();
    settled_ = (!stamp || IsSettled(*stamp, now)) && (!ratesStamp || IsSettled(*ratesStamp, now));
    loaded_ = true;
    index_.emplace(*catalogue_);
}

SearchAnswer SearchAnswers::Make(double value, int row, int from, int to) const {
    const Catalogue& catalogue = *catalogue_;
    const double result = ConvertValue(catalogue, row, from, to, value);
    SearchAnswer answer;
    answer.id = std::to_string(row) + ':' + std::to_string(from) + ':' + std::to_string(to) + ':' +
                ExactText(value);
    answer.value = FormatResult(result, style_).value_or(ExactText(result));
    answer.unit = ShownName(catalogue, row, to, language_);
    std::string typed = FormatResultAs(value, FormatAuto, 0).value_or(ExactText(value));
    if (decimalComma_) {
        answer.value = WithDecimalComma(answer.value);
        typed = WithDecimalComma(typed);
    }
    answer.description = typed + ' ' + ShownName(catalogue, row, from, language_) + " = " +
                         answer.value + ' ' + answer.unit;
    answer.windowQuery = ExactText(value) + ' ' + ShownName(catalogue, row, from) + " to " +
                         ShownName(catalogue, row, to);
    return answer;
}

std::vector<SearchAnswer> SearchAnswers::Answer(std::string_view utf8Query) {
    if (utf8Query.size() > MaxQueryBytes) return {};
    Refresh();
    // "1,5 km" is read as "1.5 km"; only the value's comma changes.
    std::string pointed;
    if (const std::size_t start = utf8Query.find_first_not_of(" \t");
        decimalComma_ && start != std::string_view::npos && DecimalCommaAt(utf8Query, start)) {
        pointed = std::string(utf8Query);
        pointed[pointed.find(',', start)] = '.';
        utf8Query = pointed;
    }
    const auto meaning = ReadConversionPhrase(*index_, utf8Query);
    if (!meaning) return {};
    if (meaning->to) {
        SearchAnswer answer = Make(meaning->value, meaning->row, meaning->from, *meaning->to);
        answer.typedTarget = true;
        return {answer};
    }
    std::vector<SearchAnswer> answers;
    for (int to : SuggestedTargets(*catalogue_, meaning->row, meaning->from))
        answers.push_back(Make(meaning->value, meaning->row, meaning->from, to));
    return answers;
}

std::optional<SearchAnswer> SearchAnswers::AnswerFor(std::string_view id) {
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
    if (read.ec != std::errc() || read.ptr != end) return std::nullopt;
    const auto [row, from, to] = parts;
    if (row < 0 || row >= CategoryRowCount || !IsCategoryInUse(*catalogue_, row))
        return std::nullopt;
    const int count = catalogue_->UnitCount(row);
    if (from < 1 || from > count || to < 1 || to > count) return std::nullopt;
    return Make(value, row, from, to);
}
