#include "conversion_phrase.h"

#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "mixed_value.h"
#include "number_text.h"
#include "unit_resolver.h"

namespace {

// More words than any two unit names hold: such a text is not tried word by
// word, so a long query costs no more than a short one.
constexpr std::size_t MostWords = 12;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where each word of `text` starts and ends; nothing past MostWords.
struct Word {
    std::size_t begin;
    std::size_t end;
};
std::vector<Word> Words(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        if (i == text.size()) break;
        const std::size_t begin = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (words.size() == MostWords) return {};
        words.push_back({begin, i});
    }
    return words;
}

std::optional<ConversionText> SplitAtBlank(const NameIndex& index, const ValueAndRest& parts,
                                           std::optional<std::string_view> category) {
    const std::vector<Word> words = Words(parts.rest);
    for (std::size_t k = 1; k < words.size(); ++k) {
        const std::string_view from = parts.rest.substr(0, words[k - 1].end);
        const std::string_view to = parts.rest.substr(words[k].begin);
        if (ResolveConversion(index, from, to, category).problem == ResolveProblem::None)
            return ConversionText{std::string(parts.value), std::string(from), std::string(to)};
    }
    return std::nullopt;
}

// The meaning of a value typed as `typed`, read as the command line reads its
// VALUE. The window's field reads its text by the atof rule, so a fraction
// goes there as the number it stands for.
std::optional<PhraseMeaning> Meaning(std::string_view typed, int row, int from,
                                     std::optional<int> to) {
    const auto value = ReadValue(typed);
    if (!value) return std::nullopt;
    std::string valueText =
        typed.find('/') == std::string_view::npos ? std::string(typed) : ShortestText(*value);
    return PhraseMeaning{std::move(valueText), *value, row, from, to};
}

// A sum such as "5 ft 3 in" toward `to`: every part in the category of the
// first part and the target, the total counted in the last part's unit, so
// "5 ft 3 in to cm" means 63 inches to centimeters. Temperatures and fuel
// economies do not add.
std::optional<PhraseMeaning> ReadSum(const NameIndex& index, const ConversionText& split) {
    const auto quantity = ReadQuantity(split.value);
    if (!quantity || quantity->count < 2) return std::nullopt;
    const Resolution found =
        ResolveConversion(index, quantity->parts[0].name, split.to, std::nullopt);
    if (found.problem != ResolveProblem::None) return std::nullopt;
    const Catalogue& catalogue = index.Indexed();
    if (!ConvertsByFactors(catalogue, found.row)) return std::nullopt;
    int last = found.from;
    double total = 0;
    for (int i = 0; i < quantity->count; ++i) {
        const auto position = index.UnitIn(found.row, quantity->parts[i].name);
        if (!position) return std::nullopt;
        last = *position;
        total += quantity->parts[i].amount * catalogue.Factor(found.row, last);
    }
    const double size = catalogue.Factor(found.row, last);
    if (size == 0) return std::nullopt;
    const double value = (quantity->negative ? -total : total) / size;
    return PhraseMeaning{ShortestText(value), value, found.row, last, found.to};
}

}  // namespace

std::optional<ConversionText> SplitConversionPhrase(const NameIndex& index, std::string_view text,
                                                    std::optional<std::string_view> category) {
    if (auto split = SplitConversionText(text)) return split;
    const auto parts = SplitLeadingValue(text);
    if (!parts) return std::nullopt;
    return SplitAtBlank(index, *parts, category);
}

std::optional<PhraseMeaning> ReadConversionPhrase(const NameIndex& index, std::string_view text) {
    const auto parts = SplitLeadingValue(text);
    if (!parts || parts->rest.empty()) return std::nullopt;
    // "5 in" alone is inches, not a split with nothing on either side.
    auto split = SplitConversionText(text);
    if (split && split->from.empty()) return ReadSum(index, *split);
    if (split && ResolveConversion(index, split->from, split->to, std::nullopt).problem !=
                     ResolveProblem::None)
        split.reset();
    if (!split) split = SplitAtBlank(index, *parts, std::nullopt);
    if (split) {
        const Resolution found = ResolveConversion(index, split->from, split->to, std::nullopt);
        return Meaning(split->value, found.row, found.from, found.to);
    }
    index.Forget();
    const auto places = index.Units(parts->rest);
    if (places.empty()) return std::nullopt;
    return Meaning(parts->value, places.front().row, places.front().position, std::nullopt);
}
