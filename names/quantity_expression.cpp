#include "quantity_expression.h"

#include <cmath>

#include "blank_text.h"
#include "number_text.h"
#include "text_1252.h"
#include "unit_symbol.h"
#include "visible_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

enum class Sign { None, Times, Divide, Power, Plus, Minus, Open, Close };

// The operator at the start of `text` and its length in bytes.
struct Operator {
    Sign sign = Sign::None;
    std::size_t length = 0;
};
Operator OperatorAt(std::string_view text) {
    if (text.empty()) return {};
    switch (text[0]) {
        case '*':
            return text.starts_with("**") ? Operator{Sign::Power, 2} : Operator{Sign::Times, 1};
        case '^':
            return {Sign::Power, 1};
        case '/':
            return {Sign::Divide, 1};
        case '+':
            return {Sign::Plus, 1};
        case '-':
            return {Sign::Minus, 1};
        case '(':
            return {Sign::Open, 1};
        case ')':
            return {Sign::Close, 1};
        default:
            break;
    }
    if (text.starts_with("\xC2\xB7") || text.starts_with("\xC3\x97"))
        return {Sign::Times, 2};                                    // · ×
    if (text.starts_with("\xE2\x8B\x85")) return {Sign::Times, 3};  // ⋅
    if (text.starts_with("\xE2\x88\x92")) return {Sign::Minus, 3};  // −
    return {};
}

// A superscript digit or minus at the start of `text`: its value (-1 for
// the minus) and length; length 0 for none.
struct Superscript {
    int digit = 0;
    std::size_t length = 0;
};
Superscript SuperscriptAt(std::string_view text) {
    if (text.starts_with("\xC2\xB9")) return {1, 2};
    if (text.starts_with("\xC2\xB2")) return {2, 2};
    if (text.starts_with("\xC2\xB3")) return {3, 2};
    if (text.size() >= 3 && text.starts_with("\xE2\x81")) {
        const auto c = static_cast<unsigned char>(text[2]);
        if (c == 0xB0) return {0, 3};
        if (c >= 0xB4 && c <= 0xB9) return {c - 0xB0, 3};
        if (c == 0xBB) return {-1, 3};
    }
    return {};
}

// Whether a name goes on at `text`: letters, digits, '_', '$', a hyphen
// between letters, and any character beyond ASCII but the signs and
// superscripts of the grammar.
bool NameGoesOn(std::string_view text, char before) {
    if (text.empty()) return false;
    const char c = text[0];
    if (IsLetter(c) || IsDigit(c) || c == '_' || c == '$') return true;
    if (c == '-') return IsLetter(before) && text.size() > 1 && IsLetter(text[1]);
    if (static_cast<unsigned char>(c) < 0x80) return false;
    if (text.starts_with("\xC2\xA0")) return false;  // no-break space
    return OperatorAt(text).sign == Sign::None && SuperscriptAt(text).length == 0;
}
bool NameStartsAt(std::string_view text) {
    return !text.empty() && !IsDigit(text[0]) && text[0] != '-' && NameGoesOn(text, ' ');
}

bool IsPer(std::string_view text) {
    if (text.size() < 3 || (text[0] | 0x20) != 'p' || (text[1] | 0x20) != 'e' ||
        (text[2] | 0x20) != 'r')
        return false;
    return text.size() == 3 || !NameGoesOn(text.substr(3), 'r');
}

// A word of several meanings: the readings choose among them.
unsigned char MergePick(unsigned char a, unsigned char b) { return a != NoPick ? a : b; }

class Parser {
public:
    Parser(const NameIndex& index, std::string_view text, std::string& problem)
        : index_(index), text_(text), problem_(problem) {}

    bool Read(Expression& out) {
        if (text_.size() > MaxExpressionBytes)
            return Fail("a unit expression may be at most 1024 bytes long");
        if (!Sum(out)) return false;
        SkipBlanks();
        if (pos_ < text_.size()) {
            if (text_[pos_] == ')') return Fail("a \"(\" is missing in " + Quoted(text_));
            return Fail("cannot read " + Quoted(text_.substr(pos_)) + " in " + Quoted(text_));
        }
        out.words = words_;
        for (int i = 0; i < words_; ++i) out.ambiguous[i] = ambiguous_[i];
        return true;
    }
    bool WholeWordUnknown() const { return wholeWordUnknown_; }

private:
    bool Fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }
    std::string_view Rest() const { return text_.substr(pos_); }

    // Sums and differences of quantities of one dimension.
    bool Sum(UnitProduct& out) {
        if (!Term(out)) return false;
        for (;;) {
            SkipBlanks();
            const Operator op = OperatorAt(Rest());
            if (op.sign != Sign::Plus && op.sign != Sign::Minus) return true;
            pos_ += op.length;
            UnitProduct right;
            if (!Term(right)) return false;
            if (!Add(out, right, op.sign == Sign::Minus ? -1.0 : 1.0)) return false;
        }
    }

    // Products and quotients by "*", "·", "×", "/" and "per", left to right.
    bool Term(UnitProduct& out) {
        if (!Juxtaposed(out)) return false;
        for (;;) {
            SkipBlanks();
            const Operator op = OperatorAt(Rest());
            bool divide = op.sign == Sign::Divide;
            if (op.sign == Sign::Times || divide) {
                pos_ += op.length;
            } else if (IsPer(Rest())) {
                pos_ += 3;
                divide = true;
            } else {
                return true;
            }
            UnitProduct right;
            if (!Juxtaposed(right)) return false;
            if (!Combine(out, right, divide)) return false;
        }
    }

    // Factors side by side, a space or nothing between them: "kg m", "5km".
    bool Juxtaposed(UnitProduct& out) {
        SkipBlanks();
        bool negative = false;
        // One sign at most: "--5" is no number.
        if (const Operator op = OperatorAt(Rest());
            op.sign == Sign::Plus || op.sign == Sign::Minus) {
            negative = op.sign == Sign::Minus;
            pos_ += op.length;
            SkipBlanks();
        }
        if (!Power(out)) return false;
        for (;;) {
            const std::size_t before = pos_;
            SkipBlanks();
            const std::string_view rest = Rest();
            // A number right after a number is no product: "2.5.1" is not 2.5 × .1.
            const bool number = !rest.empty() && (IsDigit(rest[0]) || rest[0] == '.');
            if (number && pos_ == before && lastWasNumber_)
                return Fail("cannot read " + Quoted(rest) + " in " + Quoted(text_));
            const bool starts =
                !rest.empty() && (number || rest[0] == '(' || (NameStartsAt(rest) && !IsPer(rest)));
            if (!starts) {
                pos_ = before;
                break;
            }
            UnitProduct right;
            if (!Power(right)) return false;
            if (!Combine(out, right, false)) return false;
        }
        if (negative)
            for (int i = 0; i < out.count; ++i) out.readings[i].number = -out.readings[i].number;
        return true;
    }

    // A factor and its powers: "m^2", "m**2", "m²", "s⁻¹", "2^10".
    bool Power(UnitProduct& out) {
        if (!Primary(out)) return false;
        for (;;) {
            const std::size_t before = pos_;
            SkipBlanks();
            const Operator op = OperatorAt(Rest());
            int power = 0;
            if (op.sign == Sign::Power) {
                pos_ += op.length;
                if (!Exponent(power)) return false;
            } else if (pos_ == before && SuperscriptAt(Rest()).length > 0) {
                if (!Superscripts(power)) return false;
            } else {
                pos_ = before;
                return true;
            }
            if (!Raise(out, power)) return false;
        }
    }

    bool Exponent(int& power) {
        SkipBlanks();
        const bool bracketed = pos_ < text_.size() && text_[pos_] == '(';
        if (bracketed) {
            ++pos_;
            SkipBlanks();
        }
        bool negative = false;
        const Operator sign = OperatorAt(Rest());
        if (sign.sign == Sign::Minus || sign.sign == Sign::Plus) {
            negative = sign.sign == Sign::Minus;
            pos_ += sign.length;
        }
        const std::size_t start = pos_;
        long value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            value = value * 10 + (text_[pos_] - '0');
            if (value > MaxPower) return TooLargePower(start);
            ++pos_;
        }
        // "m^1.5" and "m^1/2" are powers that are not whole; "m^2/s" divides.
        const auto at = [&](std::size_t i) { return i < text_.size() ? text_[i] : '\0'; };
        if (pos_ == start || at(pos_) == '.' || (at(pos_) == '/' && IsDigit(at(pos_ + 1))))
            return Fail("a power must be a whole number, in " + Quoted(text_));
        if (bracketed) {
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != ')')
                return Fail("a \")\" is missing in " + Quoted(text_));
            ++pos_;
        }
        power = negative ? -static_cast<int>(value) : static_cast<int>(value);
        return true;
    }
    bool Superscripts(int& power) {
        const std::size_t start = pos_;
        bool negative = false;
        Superscript s = SuperscriptAt(Rest());
        if (s.digit == -1) {
            negative = true;
            pos_ += s.length;
            s = SuperscriptAt(Rest());
            if (s.length == 0 || s.digit < 0)
                return Fail("cannot read " + Quoted(text_.substr(start)) + " in " + Quoted(text_));
        }
        int value = 0;
        while ((s = SuperscriptAt(Rest())).length > 0 && s.digit >= 0) {
            value = value * 10 + s.digit;
            if (value > MaxPower) return TooLargePower(start);
            pos_ += s.length;
        }
        power = negative ? -value : value;
        return true;
    }
    bool TooLargePower(std::size_t start) {
        std::size_t end = start;
        while (end < text_.size() && !IsBlank(text_[end])) ++end;
        return Fail("powers go up to " + std::to_string(MaxPower) + ", not " +
                    Quoted(text_.substr(start, end - start)) + " in " + Quoted(text_));
    }

    bool Primary(UnitProduct& out) {
        SkipBlanks();
        const std::string_view rest = Rest();
        if (rest.empty()) return Fail("something is missing at the end of " + Quoted(text_));
        if (rest[0] == '(') {
            if (++depth_ > MaxNesting)
                return Fail("parentheses may nest at most " + std::to_string(MaxNesting) + " deep");
            ++pos_;
            if (!Sum(out)) return false;
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != ')')
                return Fail("a \")\" is missing in " + Quoted(text_));
            ++pos_;
            --depth_;
            return true;
        }
        lastWasNumber_ = false;
        if (IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1]))) {
            lastWasNumber_ = true;
            return Number(out);
        }
        if (NameStartsAt(rest)) return Name(out);
        // Unreadable from its very start: no expression at all.
        wholeWordUnknown_ = text_.find_first_not_of(" \t") == pos_;
        return Fail("cannot read " + Quoted(rest) + " in " + Quoted(text_));
    }

    // A number; "N/D" with no blanks and "W N/D" are one number each.
    bool Number(UnitProduct& out) {
        double value = 0;
        bool whole = false;
        if (!ScanValue(value, whole)) return false;
        if (whole) {
            if (pos_ < text_.size() && text_[pos_] == '/') {
                const std::size_t before = pos_;
                ++pos_;
                double denominator = 0;
                bool wholeDenominator = false;
                if (ScanValue(denominator, wholeDenominator) && wholeDenominator)
                    value /= denominator;
                else
                    pos_ = before;
            } else {
                // "1 1/2": a whole number, blanks, a fraction of whole numbers.
                const std::size_t before = pos_;
                SkipBlanks();
                double numerator = 0, denominator = 0;
                bool w1 = false, w2 = false;
                if (pos_ > before && ScanValue(numerator, w1) && w1 && pos_ < text_.size() &&
                    text_[pos_] == '/' && (++pos_, ScanValue(denominator, w2)) && w2)
                    value += numerator / denominator;
                else
                    pos_ = before;
            }
        }
        out.count = 1;
        out.readings[0] = ExpressionReading{};
        out.readings[0].number = value;
        return true;
    }
    bool ScanValue(double& value, bool& whole) {
        const NumberScan scan = ScanNumber(Rest(), false);
        if (scan.end == 0) return false;
        value = ParseNumberPrefix(text_.substr(pos_, scan.end));
        whole = scan.whole;
        pos_ += scan.end;
        return true;
    }

    // The end of the name that starts at `from`.
    std::size_t NameEnd(std::size_t from) const {
        std::size_t end = from;
        char before = ' ';
        while (end < text_.size() && NameGoesOn(text_.substr(end), before)) {
            before = text_[end];
            ++end;
        }
        return end;
    }

    // A name of several words the catalogue knows: "fl oz", "Pound Force",
    // "BTU (IT)". Only blanks part its words, and none holds a sign.
    std::size_t CatalogueNameEnd(std::size_t start, std::size_t firstEnd) const {
        if (firstEnd >= text_.size() || !IsBlank(text_[firstEnd])) return 0;
        constexpr int MostMoreWords = 4;
        std::size_t ends[MostMoreWords];
        int count = 0;
        std::size_t at = firstEnd;
        while (count < MostMoreWords) {
            while (at < text_.size() && IsBlank(text_[at])) ++at;
            if (at == text_.size()) break;
            std::size_t end = at;
            bool plain = true;
            while (end < text_.size() && !IsBlank(text_[end])) {
                const Sign sign = OperatorAt(text_.substr(end)).sign;
                if (sign != Sign::None && sign != Sign::Open && sign != Sign::Close &&
                    !(sign == Sign::Minus && end > at))
                    plain = false;
                ++end;
            }
            if (!plain || IsPer(text_.substr(at))) break;
            ends[count++] = end;
            at = end;
        }
        for (int k = count - 1; k >= 0; --k) {
            const std::string_view candidate = text_.substr(start, ends[k] - start);
            int open = 0;
            bool balanced = true;
            for (char c : candidate) {
                open += c == '(' ? 1 : c == ')' ? -1 : 0;
                balanced = balanced && open >= 0;
            }
            if (balanced && open == 0 && !index_.Units(candidate).empty()) return ends[k];
        }
        return 0;
    }

    bool Name(UnitProduct& out) {
        const std::size_t start = pos_;
        const std::size_t end = NameEnd(start);
        std::size_t withSuperscripts = end;
        while (SuperscriptAt(text_.substr(withSuperscripts)).length > 0)
            withSuperscripts += SuperscriptAt(text_.substr(withSuperscripts)).length;

        WordMeanings meanings;
        std::string_view word;
        int power = 1;
        if (const std::size_t longer = CatalogueNameEnd(start, end)) {
            word = text_.substr(start, longer - start);
            meanings = ReadUnitWord(index_, word);
            pos_ = longer;
        } else {
            if (withSuperscripts > end) {
                word = text_.substr(start, withSuperscripts - start);
                meanings = ReadUnitWord(index_, word);
                if (meanings.count > 0) pos_ = withSuperscripts;
            }
            if (meanings.count == 0) {
                word = text_.substr(start, end - start);
                if (IsPer(word)) return Fail("\"per\" needs a unit before it, in " + Quoted(text_));
                meanings = ReadUnitWord(index_, word);
                pos_ = end;
            }
            // "m2", "ft3": a trailing digit raises the unit.
            if (meanings.count == 0 && word.size() > 1 && word.back() >= '2' &&
                word.back() <= '9' && IsLetter(word[word.size() - 2])) {
                power = word.back() - '0';
                word.remove_suffix(1);
                meanings = ReadUnitWord(index_, word);
            }
        }
        if (meanings.count == 0) {
            const std::string_view unknown = text_.substr(start, end - start);
            std::size_t first = 0, last = text_.size();
            while (first < last && IsBlank(text_[first])) ++first;
            while (last > first && IsBlank(text_[last - 1])) --last;
            wholeWordUnknown_ = first == start && last == end;
            return Fail("unknown unit " + Quoted(unknown) + " in " + Quoted(text_));
        }
        int pick = -1;
        if (meanings.count > 1) {
            if (words_ == MostPicks)
                return Fail("too many words of several meanings in " + Quoted(text_));
            pick = words_;
            ambiguous_[words_++] = {word, meanings};
        }
        out.count = meanings.count;
        for (int i = 0; i < meanings.count; ++i) {
            const UnitMeaning& meaning = meanings.meanings[i];
            ExpressionReading& reading = out.readings[i];
            reading = ExpressionReading{};
            reading.size = meaning.size;
            reading.dimension = meaning.dimension;
            reading.scale = static_cast<signed char>(meaning.scale);
            if (pick >= 0) reading.picked[pick] = static_cast<unsigned char>(i);
        }
        out.hasUnits = true;
        out.terms = 1;
        out.normal[0] = {word, 1};
        if (pick >= 0) {
            out.normal[0].word = static_cast<signed char>(pick);
        } else if (meanings.meanings[0].row >= 0) {
            out.normal[0].row = static_cast<short>(meanings.meanings[0].row);
            out.normal[0].position = static_cast<short>(meanings.meanings[0].position);
        }
        return power == 1 || Raise(out, power);
    }

    bool Raise(UnitProduct& out, int power) {
        if (power < -MaxPower || power > MaxPower)
            return Fail("powers go up to " + std::to_string(MaxPower) + " in " + Quoted(text_));
        for (int i = 0; i < out.count; ++i) {
            ExpressionReading& r = out.readings[i];
            if (r.dimension.LargestExponent() * std::abs(power) > MaxDimensionExponent)
                return Fail("the powers in " + Quoted(text_) + " are too large");
            r.number = std::pow(r.number, power);
            r.size = std::pow(r.size, power);
            r.dimension = r.dimension.Pow(power);
            if (out.hasUnits && power != 1) r.scale = -1;
        }
        for (int t = 0; t < out.terms; ++t) out.normal[t].power *= power;
        return true;
    }

    bool Combine(UnitProduct& left, const UnitProduct& right, bool divide) {
        UnitProduct product;
        if (!CombineInto(left, right, divide, product, problem_)) return false;
        left = product;
        return true;
    }

public:
    static bool CombineInto(const UnitProduct& left, const UnitProduct& right, bool divide,
                            UnitProduct& product, std::string& problem) {
        product.count = 0;
        for (int i = 0; i < left.count; ++i) {
            for (int j = 0; j < right.count; ++j) {
                const ExpressionReading& a = left.readings[i];
                const ExpressionReading& b = right.readings[j];
                ExpressionReading r;
                r.number = divide ? a.number / b.number : a.number * b.number;
                r.size = divide ? a.size / b.size : a.size * b.size;
                r.dimension = divide ? a.dimension / b.dimension : a.dimension * b.dimension;
                if (r.dimension.LargestExponent() > MaxDimensionExponent) {
                    problem = "the powers of the units are too large";
                    return false;
                }
                r.scale = !right.hasUnits ? a.scale : (!left.hasUnits && !divide ? b.scale : -1);
                for (int k = 0; k < MostPicks; ++k)
                    r.picked[k] = MergePick(a.picked[k], b.picked[k]);
                if (product.count == MostReadings) {
                    problem = "too many ways to read the units";
                    return false;
                }
                product.readings[product.count++] = r;
            }
        }
        product.hasUnits = left.hasUnits || right.hasUnits;
        product.terms = left.terms;
        for (int t = 0; t < left.terms; ++t) product.normal[t] = left.normal[t];
        for (int t = 0; t < right.terms; ++t) {
            NormalTerm term = right.normal[t];
            if (divide) term.power = -term.power;
            bool merged = false;
            for (int u = 0; u < product.terms && !merged; ++u) {
                if (product.normal[u].symbol == term.symbol) {
                    product.normal[u].power += term.power;
                    merged = true;
                }
            }
            if (!merged && product.terms < MostTerms) product.normal[product.terms++] = term;
        }
        return true;
    }

private:
    // left + sign × right, in left's units; only readings of one dimension add.
    bool Add(UnitProduct& left, const UnitProduct& right, double sign) {
        UnitProduct sum;
        for (int i = 0; i < left.count; ++i) {
            for (int j = 0; j < right.count; ++j) {
                const ExpressionReading& a = left.readings[i];
                const ExpressionReading& b = right.readings[j];
                if (!(a.dimension == b.dimension) || sum.count == MostReadings) continue;
                ExpressionReading r = a;
                r.number = a.number + sign * b.number * b.size / a.size;
                r.scale = -1;
                for (int k = 0; k < MostPicks; ++k)
                    r.picked[k] = MergePick(a.picked[k], b.picked[k]);
                sum.readings[sum.count++] = r;
            }
        }
        if (sum.count == 0)
            return Fail("cannot add quantities of different dimensions in " + Quoted(text_));
        sum.hasUnits = left.hasUnits || right.hasUnits;
        sum.terms = left.terms;
        sum.normal = left.normal;
        left = sum;
        return true;
    }

    const NameIndex& index_;
    std::string_view text_;
    std::string& problem_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int words_ = 0;
    std::array<AmbiguousWord, MostPicks> ambiguous_;
    bool wholeWordUnknown_ = false;
    bool lastWasNumber_ = false;
};

// "¹⁰": the digits of `number` as superscripts.
void AppendSuperscript(std::string& text, int number) {
    static constexpr std::string_view Digits[10] = {
        "\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",     "\xE2\x81\xB4",
        "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7", "\xE2\x81\xB8", "\xE2\x81\xB9"};
    for (char c : std::to_string(number)) text += Digits[c - '0'];
}

// "²", "⁻¹" ... for a power other than 1.
void AppendPower(std::string& text, int power) {
    if (power == 1) return;
    if (power < 0) text += "\xE2\x81\xBB";
    AppendSuperscript(text, std::abs(power));
}

}  // namespace

bool ReadExpression(const NameIndex& index, std::string_view text, Expression& expression,
                    std::string& problem, bool* wholeWordUnknown) {
    Parser parser(index, text, problem);
    expression = Expression{};
    const bool read = parser.Read(expression);
    if (wholeWordUnknown) *wholeWordUnknown = !read && parser.WholeWordUnknown();
    return read;
}

const Expression* ReadKeptExpression(const NameIndex& index, std::string_view text,
                                     std::optional<Expression>& scratch, std::string& problem,
                                     bool& namesNothing) {
    if (const Expression* kept = index.RememberedExpression(text)) return kept;
    if (const NameIndex::SideRefusal* refused = index.RememberedRefusal(text)) {
        problem = refused->problem;
        namesNothing = refused->namesNothing;
        return nullptr;
    }
    const auto [keptText, place] = index.PlaceForExpression(text);
    Expression* into = place ? place : &scratch.emplace();
    bool unknown = false;
    if (ReadExpression(index, keptText, *into, problem, &unknown)) return into;
    if (place) index.DropExpression(text);
    namesNothing = unknown || !LooksLikeExpression(text);
    index.RememberRefusal(text, problem, namesNothing);
    return nullptr;
}

bool LooksLikeExpression(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (IsDigit(text[i]) || OperatorAt(rest).sign != Sign::None ||
            SuperscriptAt(rest).length > 0)
            return true;
        if ((i == 0 || IsBlank(text[i - 1])) && IsPer(rest)) return true;
    }
    return false;
}

std::string WrittenUnits(const Catalogue& catalogue, const Expression& expression,
                         const ExpressionReading& reading) {
    const auto symbol = [&](const NormalTerm& term) -> std::string {
        int row = term.row, position = term.position;
        if (term.word >= 0 && reading.picked[term.word] != NoPick) {
            const UnitMeaning& meaning =
                expression.ambiguous[term.word].meanings.meanings[reading.picked[term.word]];
            row = meaning.row;
            position = meaning.position;
        }
        std::string written = row < 0 ? std::string(term.symbol)
                                      : Utf8FromCp1252(UnitSymbol(catalogue, row, position));
        // A symbol that is a quotient itself ("km/h") keeps together beside others.
        if (written.find('/') != std::string::npos && (expression.terms > 1 || term.power != 1))
            written = '(' + written + ')';
        return written;
    };
    // With nothing above the line, none is drawn: "s⁻¹", not "1/s".
    bool anyAbove = false;
    for (int t = 0; t < expression.terms; ++t)
        anyAbove = anyAbove || expression.normal[t].power > 0;
    std::string above, below;
    int belowCount = 0;
    for (int t = 0; t < expression.terms; ++t) {
        const NormalTerm& term = expression.normal[t];
        if (term.power == 0) continue;
        std::string& side = term.power > 0 || !anyAbove ? above : below;
        if (!side.empty()) side += "\xC2\xB7";
        side += symbol(term);
        AppendPower(side, anyAbove ? std::abs(term.power) : term.power);
        if (term.power < 0) ++belowCount;
    }
    if (below.empty()) return above;
    return above + '/' + (belowCount > 1 ? '(' + below + ')' : below);
}

std::string TidiedExpression(std::string_view text) {
    std::string tidied;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            while (i < text.size() && IsBlank(text[i])) ++i;
            if (!tidied.empty() && i < text.size()) tidied += ' ';
            continue;
        }
        const Operator op = OperatorAt(text.substr(i));
        if (op.sign == Sign::Power) {
            std::size_t at = i + op.length;
            const bool negative = at < text.size() && text[at] == '-';
            if (negative) ++at;
            int power = 0;
            std::size_t digits = at;
            while (digits < text.size() && IsDigit(text[digits]) && power <= MaxPower)
                power = power * 10 + (text[digits++] - '0');
            if (digits > at && power <= MaxPower) {
                if (negative) tidied += "\xE2\x81\xBB";
                AppendSuperscript(tidied, power);
                i = digits;
                continue;
            }
        }
        if (op.sign == Sign::Times && op.length == 1) {
            tidied += "\xC2\xB7";
            ++i;
            continue;
        }
        tidied += text[i++];
    }
    return tidied;
}

std::string NormalForm(const Expression& expression) {
    std::string text;
    for (int t = 0; t < expression.terms; ++t) {
        const NormalTerm& term = expression.normal[t];
        if (term.power == 0) continue;
        if (!text.empty()) text += "\xC2\xB7";
        text += term.symbol;
        AppendPower(text, term.power);
    }
    return text;
}

bool MultiplyExpressions(const Expression& a, const Expression& b, Expression& product,
                         std::string& problem) {
    if (a.words + b.words > MostPicks) {
        problem = "too many words of several meanings";
        return false;
    }
    // b's words of several meanings follow a's.
    Expression shifted = b;
    for (int t = 0; t < shifted.terms; ++t)
        if (shifted.normal[t].word >= 0)
            shifted.normal[t].word = static_cast<signed char>(shifted.normal[t].word + a.words);
    for (int i = 0; i < shifted.count; ++i) {
        auto& picked = shifted.readings[i].picked;
        std::array<unsigned char, MostPicks> moved{NoPick, NoPick, NoPick, NoPick};
        for (int k = 0; k < b.words; ++k) moved[a.words + k] = picked[k];
        picked = moved;
    }
    if (!Parser::CombineInto(a, shifted, false, product, problem)) return false;
    product.words = a.words + b.words;
    for (int k = 0; k < a.words; ++k) product.ambiguous[k] = a.ambiguous[k];
    for (int k = 0; k < b.words; ++k) product.ambiguous[a.words + k] = b.ambiguous[k];
    return true;
}
