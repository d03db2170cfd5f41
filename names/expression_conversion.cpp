#include "expression_conversion.h"

#include <cmath>
#include <cstdio>

#include "builtin_units.h"
#include "catalogue_limits.h"
#include "conversion_text.h"
#include "quantity_expression.h"
#include "text_1252.h"
#include "unit_word.h"
#include "visible_text.h"

namespace {

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14g", value);
    return text;
}

bool Fits(const ExpressionReading& from, const ExpressionReading& to) {
    return from.dimension == to.dimension && (from.scale >= 0) == (to.scale >= 0);
}

// One way both sides read, and what it gives.
struct Fit {
    int from;
    int to;
    double result;
    double kelvin;  // for temperatures, the source in kelvins
};

// The meanings a fit took, "Minutes (Time)", for the list of readings.
std::string FitText(const NameIndex& index, const Expression& source, const Expression& target,
                    const Fit& fit) {
    std::string text;
    const auto add = [&](const Expression& side, const ExpressionReading& reading) {
        for (int k = 0; k < side.words; ++k) {
            if (reading.picked[k] == NoPick) continue;
            if (!text.empty()) text += ", ";
            text += Quoted(side.ambiguous[k].word) + " as " +
                    MeaningText(index, side.ambiguous[k].meanings.meanings[reading.picked[k]]);
        }
    };
    add(source, source.readings[fit.from]);
    add(target, target.readings[fit.to]);
    return text;
}

// Whether a reading took a bare "F" or "C" for a temperature.
bool TookBareLetter(const Expression& side, const ExpressionReading& reading) {
    for (int k = 0; k < side.words; ++k)
        if (reading.picked[k] != NoPick &&
            side.ambiguous[k].meanings.meanings[reading.picked[k]].bareLetter)
            return true;
    return false;
}

bool HasBareLetter(const Expression& side) {
    for (int k = 0; k < side.words; ++k)
        for (int m = 0; m < side.ambiguous[k].meanings.count; ++m)
            if (side.ambiguous[k].meanings.meanings[m].bareLetter) return true;
    return false;
}

bool Refuse(std::string& problem, std::string text) {
    problem = std::move(text);
    return false;
}

}  // namespace

std::string KindText(const Dimension& dimension) {
    std::string kinds;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (row == FuelEconomyRow || !(BuiltinCategories[row].dimension == dimension)) continue;
        if (!kinds.empty()) kinds += " or ";
        kinds += Utf8FromCp1252(LowerCp1252(BuiltinCategories[row].name));
    }
    const std::string text = DimensionText(dimension);
    return kinds.empty() ? text : kinds + " (" + text + ")";
}

bool ConvertKnownWords(const NameIndex& index, double value, std::string_view from,
                       std::string_view to, double& result) {
    if (!index.HasRememberedWords()) return false;
    const WordMeanings* source = index.RememberedWord(from);
    if (!source) return false;
    const WordMeanings* target = index.RememberedWord(to);
    // A pair of the catalogue's names converts by its factors, not here.
    if (!target || (source->catalogueName && target->catalogueName)) return false;
    int fits = 0;
    for (int i = 0; i < source->count; ++i) {
        const UnitMeaning& s = source->meanings[i];
        if (s.scale >= 0) return false;
        for (int j = 0; j < target->count; ++j) {
            const UnitMeaning& t = target->meanings[j];
            if (t.scale >= 0) return false;
            if (!(s.dimension == t.dimension)) continue;
            // As ConvertExpression works it out, to the last bit.
            const double fit = value * s.size / (t.size * 1.0);
            if (fits > 0 && std::fabs(result - fit) > 1e-12 * std::fabs(fit)) return false;
            if (fits++ == 0) result = fit;
        }
    }
    return fits > 0 && std::isfinite(result);
}

bool ConvertExpression(const NameIndex& index, std::string_view value, std::string_view from,
                       std::string_view to, ExpressionConversion& answer, std::string& problem,
                       bool* unknownWord) {
    bool namesNothing = false;
    if (unknownWord) *unknownWord = false;
    // The units' sides recur from line to line of a batch, slips and all:
    // each is read once, and before the value, which differs line by line.
    std::optional<Expression> scratch;
    const Expression* unit = nullptr;
    if (!from.empty()) {
        unit = ReadKeptExpression(index, from, scratch, problem, namesNothing);
        if (!unit) {
            if (unknownWord) *unknownWord = namesNothing;
            return false;
        }
    }
    // A plain number times the units is the units' readings, each number
    // scaled: as the product would have it to the bit, without writing it.
    std::optional<Expression> product;
    double scale = 1;
    const Expression* read = unit;
    {
        Expression amount;
        if (!ReadExpression(index, value, amount, problem)) return false;
        if (!unit) {
            read = &product.emplace(amount);
        } else if (amount.hasUnits || amount.count != 1 || amount.words != 0) {
            if (!MultiplyExpressions(amount, *unit, product.emplace(), problem)) return false;
            read = &*product;
        } else {
            scale = amount.readings[0].number;
        }
    }
    const Expression& source = *read;
    const auto number = [scale](const ExpressionReading& reading) {
        return scale * reading.number;
    };
    std::optional<Expression> targetScratch;
    const Expression* kept = ReadKeptExpression(index, to, targetScratch, problem, namesNothing);
    if (!kept) {
        if (unknownWord) *unknownWord = namesNothing;
        return false;
    }
    const Expression& target = *kept;
    const std::string_view sourceText = from.empty() ? value : from;
    if (!source.hasUnits)
        return Refuse(problem, "cannot read " + Quoted(value) + " as a value with its units");

    std::array<Fit, MostReadings * MostReadings> fits;
    int fitCount = 0;
    int distinct = 0;
    bool belowZero = false;
    for (int i = 0; i < source.count; ++i) {
        for (int j = 0; j < target.count; ++j) {
            const ExpressionReading& s = source.readings[i];
            const ExpressionReading& t = target.readings[j];
            if (!Fits(s, t)) continue;
            Fit fit{i, j, 0, 0};
            if (s.scale >= 0) {
                const double degrees = number(s) * (s.size / KelvinPerDegree(s.scale));
                fit.kelvin = KelvinFrom(s.scale, degrees);
                if (BelowAbsoluteZero(fit.kelvin)) belowZero = true;
                fit.result = DegreesFrom(t.scale, fit.kelvin) /
                             (t.size / KelvinPerDegree(t.scale)) / t.number;
            } else {
                fit.result = number(s) * s.size / (t.size * t.number);
            }
            bool same = false;
            for (int k = 0; k < fitCount; ++k)
                same =
                    same || std::fabs(fits[k].result - fit.result) <= 1e-12 * std::fabs(fit.result);
            if (!same) ++distinct;
            fits[fitCount++] = fit;
        }
    }
    if (fitCount == 0) {
        if (HasBareLetter(source) || HasBareLetter(target))
            return Refuse(problem, "cannot convert " + Quoted(sourceText) + " to " + Quoted(to) +
                                       "; did you mean \xC2\xB0"
                                       "F to \xC2\xB0"
                                       "C?");
        const ExpressionReading& s = source.readings[0];
        const ExpressionReading& t = target.readings[0];
        if (s.dimension == t.dimension) {
            const bool sourceAbsolute = s.scale >= 0;
            return Refuse(problem, Quoted(sourceAbsolute ? sourceText : to) +
                                       " is a temperature and " +
                                       Quoted(sourceAbsolute ? to : sourceText) +
                                       " a difference of temperatures: convert "
                                       "temperatures to temperatures");
        }
        return Refuse(problem, Quoted(sourceText) + " is " + KindText(s.dimension) + "; " +
                                   Quoted(to) + " is " + KindText(t.dimension));
    }
    if (distinct > 1) {
        std::string text = Quoted(sourceText) + " to " + Quoted(to) + " can be read ";
        text += std::to_string(distinct) + " ways: ";
        for (int k = 0; k < fitCount; ++k) {
            if (k > 0) text += "; ";
            text += FitText(index, source, target, fits[k]);
        }
        const ExpressionReading& first = source.readings[fits[0].from];
        if (TookBareLetter(source, first) || HasBareLetter(target))
            text +=
                "; did you mean \xC2\xB0"
                "F to \xC2\xB0"
                "C?";
        return Refuse(problem, text);
    }
    const Fit& fit = fits[0];
    // Only a refusal quotes what was typed.
    const auto typed = [&] {
        std::string text = Quoted(value);
        if (!from.empty()) {
            text += ' ';
            text += Quoted(from);
        }
        return text;
    };
    const ExpressionReading& s = source.readings[fit.from];
    const ExpressionReading& t = target.readings[fit.to];
    if (!std::isfinite(number(s)) || !std::isfinite(s.size) || !std::isfinite(t.number) ||
        !std::isfinite(t.size) || s.size == 0 || t.size == 0)
        return Refuse(problem, "not a finite number: " + typed());
    if (belowZero)
        return Refuse(problem, "a temperature below absolute zero: " + typed() + " is " +
                                   Number(fit.kelvin) + " K");
    if (!std::isfinite(fit.result)) return Refuse(problem, "the result is not a finite number");
    answer.result = fit.result;
    answer.number = number(s);
    answer.source = s;
    answer.source.number = number(s);
    answer.target = t;
    if (answer.write) {
        const Catalogue& catalogue = index.Indexed();
        answer.sourceUnits = WrittenUnits(catalogue, source, s);
        if (from.empty()) {
            const auto amount = SplitLeadingValue(value);
            if ((amount ? amount->rest : value).find_first_of("0123456789") !=
                std::string_view::npos)
                answer.sourceTyped = TidiedExpression(value);
        }
        answer.targetUnits = WrittenUnits(catalogue, target, t);
        if (t.number != 1) {
            const std::string units = answer.targetUnits;
            answer.targetUnits = '(' + Number(t.number) + (units.empty() ? "" : " " + units) + ')';
        }
    }
    if (!answer.explain) return true;
    answer.explanation = Number(number(s)) + " " + NormalForm(source) + " \xE2\x86\x92 " +
                         NormalForm(target) + ", " + KindText(s.dimension) +
                         (s.scale >= 0 ? ", = " + Number(fit.result)
                                       : ", \xC3\x97 " + Number(s.size / (t.size * t.number)));
    return true;
}
