#include "grammar_clash.h"

#include <array>

#include "blank_text.h"
#include "number_text.h"
#include "text_1252.h"

namespace {

// The words that split a query or divide in it; "nach" is German's "to".
constexpr std::array<std::string_view, 4> GrammarWords = {"to", "in", "per", "nach"};
// Sums and lists of units (+ ;), products, quotients and powers, grouping.
constexpr std::string_view GrammarSigns = "+;*/^()";

// A sign, digits with at most one point or comma, an exponent: what a value
// is read as, so that "12" or "2,5" could never be told from a number.
bool IsNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    std::string pointed(text);
    if (const std::size_t comma = pointed.find(','); comma != std::string::npos)
        pointed[comma] = '.';
    const NumberScan scan = ScanNumber(pointed, true);
    return scan.end > 0 && scan.end == pointed.size();
}

}  // namespace

GrammarClash GrammarClashOf(std::string_view name) {
    const std::string_view word = Trimmed(name);
    for (std::string_view grammar : GrammarWords) {
        if (EqualsNoCase(word, grammar)) return GrammarClash::Word;
    }
    // "+12" is a number first, though it holds a sign.
    if (IsNumber(word)) return GrammarClash::Number;
    if (word.find_first_of(GrammarSigns) != std::string_view::npos) return GrammarClash::Sign;
    return GrammarClash::None;
}
