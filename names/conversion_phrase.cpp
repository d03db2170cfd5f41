#include "conversion_phrase.h"

#include <cctype>
#include <vector>

#include "blank_text.h"
#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"
#include "expression_conversion.h"
#include "mixed_value.h"
#include "number_text.h"
#include "quantity_expression.h"
#include "unit_resolver.h"
#include "unit_word.h"

namespace {

// More words than any two unit names hold: such a text is not tried word by
// word, so a long query costs no more than a short one.
constexpr std::size_t MostWords = 12;

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
    return PhraseMeaning{std::move(valueText), *value, row, from, to, std::nullopt};
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
    return PhraseMeaning{ShortestText(value), value, found.row, last, found.to, std::nullopt};
}

// Whether a unit name could start `text`: not a sign, digit or parenthesis
// of the expression grammar ("^10 B" is the rest of "2^10 B").
bool StartsLikeName(std::string_view text) {
    if (text.empty()) return false;
    const auto c = static_cast<unsigned char>(text[0]);
    return c >= 0x80 ? !text.starts_with("\xC2\xB7") && !text.starts_with("\xC3\x97") &&
                           !text.starts_with("\xC2\xB2") && !text.starts_with("\xC2\xB3") &&
                           !text.starts_with("\xE2")
                     : std::isalpha(c) || c == '_' || c == '$';
}

// A phrase whose value is an expression: "2^10 B to KiB", "(5+3) ft in",
// "3*12 in ft", "1 nm m". After " to " the split is textual; without it,
// the first split at " in " or at a blank (from the right) that converts.
std::optional<ConversionText> SplitExpressionPhrase(const NameIndex& index, std::string_view text) {
    text = Trimmed(text);
    for (std::size_t at = text.size(); at-- > 1;) {
        if (IsWordBetweenBlanks(text, at, "to")) {
            const std::string_view left = Trimmed(text.substr(0, at));
            const std::string_view right = Trimmed(text.substr(at + 2));
            // A value is a number: "km to mi" is no conversion.
            if (left.empty() || right.empty() ||
                left.find_first_of("0123456789") == std::string_view::npos)
                return std::nullopt;
            return ConversionText{std::string(left), {}, std::string(right)};
        }
    }
    // Each try reads both sides: a few from the right find any phrase people
    // type, while a hostile one full of blanks would cost the square of its
    // length.
    constexpr int MostTries = 16;
    int tries = 0;
    const auto converts = [&](std::string_view left, std::string_view right) {
        ExpressionConversion answer;
        std::string problem;
        return !left.empty() && !right.empty() && tries++ < MostTries &&
               ConvertExpression(index, left, {}, right, answer, problem);
    };
    for (std::size_t at = text.size(); at-- > 1;) {
        if (!IsWordBetweenBlanks(text, at, "in")) continue;
        const std::string_view left = Trimmed(text.substr(0, at));
        const std::string_view right = Trimmed(text.substr(at + 2));
        if (converts(left, right)) return ConversionText{std::string(left), {}, std::string(right)};
    }
    for (std::size_t at = text.size(); at-- > 1;) {
        if (!IsBlank(text[at]) || IsBlank(text[at - 1])) continue;
        const std::string_view left = Trimmed(text.substr(0, at));
        const std::string_view right = Trimmed(text.substr(at));
        if (converts(left, right)) return ConversionText{std::string(left), {}, std::string(right)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ConversionText> SplitConversionPhrase(const NameIndex& index, std::string_view text,
                                                    std::optional<std::string_view> category) {
    auto split = SplitConversionText(text);
    if (split && (split->from.empty() || StartsLikeName(split->from))) return split;
    if (const auto parts = SplitLeadingValue(text); parts && !split) {
        if (auto atBlank = SplitAtBlank(index, *parts, category)) return atBlank;
    }
    if (text.size() <= MaxExpressionBytes) {
        if (auto expression = SplitExpressionPhrase(index, text)) return expression;
    }
    return split;
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
    const UnitPlace first = places.front();
    // A launcher's "72 F" or "20 C" is far more often the weather, typed
    // without the degree sign few keyboards have, than 72 farads or 20 times
    // the speed of light: the temperature comes first, and the catalogue's
    // unit of the letter after it.
    if (const int scale = BareLetterScale(parts->rest); scale >= 0) {
        auto meaning = Meaning(parts->value, TemperatureRow, scale + 1, std::nullopt);
        if (meaning) meaning->alsoMeant = first;
        return meaning;
    }
    return Meaning(parts->value, first.row, first.position, std::nullopt);
}

namespace {

// The first unit of `row` that is `size` SI units of `dimension` (or the
// temperature scale `scale`).
std::optional<int> UnitOfSize(const Catalogue& catalogue, int row, double size,
                              const Dimension& dimension, int scale) {
    for (int position = 1; position <= catalogue.UnitCount(row); ++position) {
        const auto meaning = CatalogueMeaning(catalogue, row, position);
        if (meaning && HasSize(*meaning, size, dimension, scale)) return position;
    }
    return std::nullopt;
}

// The conversion between two units of one category of the sizes of the two
// sides, the first such category in catalogue order; the source's number
// is the value.
std::optional<PhraseMeaning> PlainConversion(const Catalogue& catalogue,
                                             const ExpressionConversion& conversion) {
    const ExpressionReading& s = conversion.source;
    const ExpressionReading& t = conversion.target;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const auto from = UnitOfSize(catalogue, row, s.size, s.dimension, s.scale);
        if (!from) continue;
        const auto to = UnitOfSize(catalogue, row, t.size * t.number, t.dimension, t.scale);
        if (!to) continue;
        return PhraseMeaning{
            ShortestText(conversion.number), conversion.number, row, *from, *to, std::nullopt};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ExpressionPhrase> ReadExpressionPhrase(const NameIndex& index,
                                                     std::string_view text) {
    if (text.size() > MaxExpressionBytes) return std::nullopt;
    const auto split = SplitConversionPhrase(index, text, std::nullopt);
    if (!split) return std::nullopt;
    ExpressionPhrase phrase;
    phrase.conversion.write = true;
    std::string problem;
    if (!ConvertExpression(index, split->value, split->from, split->to, phrase.conversion, problem))
        return std::nullopt;
    phrase.plain = PlainConversion(index.Indexed(), phrase.conversion);
    return phrase;
}
