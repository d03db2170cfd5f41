#include "mixed_value.h"

#include "blank_text.h"
#include "number_text.h"

namespace {

constexpr std::string_view Degree = "\xC2\xB0";         // °
constexpr std::string_view Prime = "\xE2\x80\xB2";      // ′
constexpr std::string_view TwoPrimes = "\xE2\x80\xB3";  // ″

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads from the front of `text`, which shrinks as it goes.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return text_.empty(); }
    std::string_view Rest() const { return text_; }
    void SkipBlanks() {
        while (!text_.empty() && IsBlank(text_.front())) text_.remove_prefix(1);
    }
    bool Take(char c) {
        if (text_.empty() || text_.front() != c) return false;
        text_.remove_prefix(1);
        return true;
    }
    bool Take(std::string_view prefix) {
        if (!text_.starts_with(prefix)) return false;
        text_.remove_prefix(prefix.size());
        return true;
    }
    // Digits with at most one point, then an exponent only when digits
    // follow it ("5e" leaves the "e" to a unit). No sign; a 'd' is a unit's.
    std::optional<double> Number(bool& whole) {
        const NumberScan scan = ScanNumber(text_, false);
        whole = scan.whole;
        if (scan.end == 0) return std::nullopt;
        const std::size_t i = scan.end;
        // Whole numbers, most amounts, are read here: exact up to 15 digits
        // and far cheaper than the general reading.
        double value = 0;
        if (whole && i <= 15) {
            for (std::size_t k = 0; k < i; ++k) value = value * 10 + (text_[k] - '0');
        } else {
            value = ParseNumberPrefix(text_.substr(0, i));
        }
        text_.remove_prefix(i);
        return value;
    }
    // "N/D" right here, D not zero; nothing read otherwise.
    std::optional<double> Fraction(double numerator) {
        Reader ahead = *this;
        bool whole = false;
        if (!ahead.Take('/')) return std::nullopt;
        const auto denominator = ahead.Number(whole);
        if (!denominator || !whole || *denominator == 0) return std::nullopt;
        *this = ahead;
        return numerator / *denominator;
    }
    // A number, "N/D" or "W N/D".
    std::optional<double> Amount() {
        bool whole = false;
        const auto first = Number(whole);
        if (!first || !whole) return first;
        if (const auto fraction = Fraction(*first)) return fraction;
        Reader ahead = *this;
        ahead.SkipBlanks();
        if (ahead.Rest().size() == Rest().size()) return first;
        const auto numerator = ahead.Number(whole);
        if (!numerator || !whole) return first;
        const auto fraction = ahead.Fraction(*numerator);
        if (!fraction) return first;
        *this = ahead;
        return *first + *fraction;
    }

private:
    std::string_view text_;
};

// ' and ′ are feet, " and ″ inches, unless the value has degrees: then they
// are minutes and seconds of arc.
std::string_view LookupName(std::string_view label, bool angle) {
    if (label == Degree) return "deg";
    if (label == Prime || label == "'") return angle ? "arcmin" : "ft";
    if (label == TwoPrimes || label == "\"") return angle ? "arcsec" : "in";
    return label;
}

// The unit after an amount: one symbol, or text up to "+", a blank before
// a number, or the end.
std::string_view UnitText(Reader& reader) {
    reader.SkipBlanks();
    // A symbol stands alone only when no letter follows it: "°F" is a name.
    for (std::string_view symbol :
         {Degree, Prime, TwoPrimes, std::string_view("'"), std::string_view("\"")}) {
        const std::string_view rest = reader.Rest();
        if (!rest.starts_with(symbol)) continue;
        const char next = rest.size() > symbol.size() ? rest[symbol.size()] : ' ';
        if (IsBlank(next) || IsDigit(next) || next == '+' || next == '.') {
            reader.Take(symbol);
            return symbol;
        }
    }
    const std::string_view rest = reader.Rest();
    // A second number is no unit: "3 2.5 in" is not read as 3 of "2.5 in".
    if (!rest.empty() && (IsDigit(rest.front()) || rest.front() == '.')) return {};
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '+') {
        if (!IsBlank(rest[end])) {
            ++end;
            continue;
        }
        // A run of blanks is looked at once, as a whole: either a number
        // follows it, or it belongs to the name ("fl oz").
        std::size_t next = end;
        while (next < rest.size() && IsBlank(rest[next])) ++next;
        // A number, or a sign before one (refused later: only the whole sum
        // takes a sign).
        std::size_t digit = next;
        if (digit < rest.size() && (rest[digit] == '-' || rest[digit] == '.')) ++digit;
        if (digit < rest.size() && IsDigit(rest[digit])) break;
        end = next;
    }
    const std::string_view unit = Trimmed(rest.substr(0, end));
    reader.Take(rest.substr(0, end));
    return unit;
}

}  // namespace

std::optional<double> ReadAmount(std::string_view text) {
    Reader reader(Trimmed(text));
    const bool negative = reader.Take('-');
    if (!negative) reader.Take('+');
    const auto amount = reader.Amount();
    if (!amount || !reader.AtEnd()) return std::nullopt;
    return negative ? -*amount : *amount;
}

std::optional<double> ReadValue(std::string_view text) {
    bool whole = true;
    return ReadValue(text, whole);
}

std::optional<double> ReadValue(std::string_view text, bool& whole) {
    whole = true;
    if (text.find('/') != std::string_view::npos) return ReadAmount(text);
    std::size_t end = 0;
    const double value = ParseNumberPrefix(text, end);
    // With no number at all, only blanks and a sign may stand there: an
    // empty field has always read as 0.
    std::size_t i = end;
    if (end == 0) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    }
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    whole = i == text.size();
    return value;
}

std::size_t AmountLength(std::string_view text) {
    Reader reader(text);
    if (!reader.Take('-')) reader.Take('+');
    if (!reader.Amount()) return 0;
    return text.size() - reader.Rest().size();
}

std::optional<Quantity> ReadQuantity(std::string_view text, std::size_t* stop) {
    Reader reader(Trimmed(text));
    // Where the reading gave up, for the caller that tries ever shorter texts.
    const auto refuse = [&]() -> std::optional<Quantity> {
        if (stop) *stop = static_cast<std::size_t>(reader.Rest().data() - text.data());
        return std::nullopt;
    };
    Quantity quantity;
    quantity.negative = reader.Take('-');
    if (!quantity.negative) reader.Take('+');
    bool angle = false;
    while (!reader.AtEnd()) {
        if (quantity.count == MaxMixedParts) return refuse();
        const auto amount = reader.Amount();
        if (!amount) return refuse();
        const std::string_view unit = UnitText(reader);
        if (unit.empty()) return refuse();
        quantity.parts[quantity.count++] = {*amount, unit, unit};
        angle = angle || unit == Degree;
        reader.SkipBlanks();
        if (reader.Take('+')) {
            reader.SkipBlanks();
            if (reader.AtEnd()) return refuse();
        }
    }
    if (quantity.count == 0) return refuse();
    for (int i = 0; i < quantity.count; ++i) {
        MixedPart& part = quantity.parts[i];
        part.name = LookupName(part.label, angle);
    }
    return quantity;
}

std::size_t ListSeparator(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '+' || text[i] == ';') return i;
    return std::string_view::npos;
}

std::optional<UnitList> ReadUnitList(std::string_view text) {
    if (ListSeparator(text) == std::string_view::npos) return std::nullopt;
    UnitList list;
    bool angle = false;
    for (;;) {
        const std::size_t end = ListSeparator(text);
        const std::string_view unit = Trimmed(text.substr(0, end));
        if (unit.empty() || list.count == MaxMixedParts) return std::nullopt;
        list.labels[list.count++] = unit;
        angle = angle || unit == Degree;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    for (int i = 0; i < list.count; ++i) list.names[i] = LookupName(list.labels[i], angle);
    return list;
}
