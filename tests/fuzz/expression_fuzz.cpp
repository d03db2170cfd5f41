// Arbitrary bytes as a conversion between two expressions, "SOURCE\nTARGET"
// (the source carries its value and units, as '10 km / 2 h' does). The reader
// must hold its limits on every input, say what it refused in a message safe
// on a terminal, and never answer with a number that is not finite. Where a
// conversion by a factor succeeds both ways, the two factors must be each
// other's inverse: a reading that depended on the order of the sides, or a
// size taken from the wrong unit, breaks that. Any breach aborts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "expression_conversion.h"
#include "name_index.h"
#include "quantity_expression.h"
#include "terminal_safe.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

void CheckReading(const Expression& expression) {
    Check(expression.count >= 1 && expression.count <= MostReadings);
    Check(expression.words >= 0 && expression.words <= MostPicks);
    for (int i = 0; i < expression.count; ++i)
        Check(expression.readings[i].dimension.LargestExponent() <= MaxDimensionExponent);
}

// "× 0.0624…" ends a conversion by a factor; temperatures end in "= …".
bool ByFactor(const std::string& explanation) {
    return explanation.find("\xC3\x97 ") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Catalogue catalogue;
    static const NameIndex index(catalogue);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    const std::string_view source = input.substr(0, cut);
    const std::string_view target = cut == std::string_view::npos ? "" : input.substr(cut + 1);

    for (const std::string_view side : {source, target}) {
        Expression expression;
        std::string problem;
        if (ReadExpression(index, side, expression, problem)) {
            CheckReading(expression);
            Check(side.size() <= MaxExpressionBytes);
        } else {
            Check(!problem.empty() && IsTerminalSafe(problem));
        }
    }

    ExpressionConversion there;
    there.explain = true;
    std::string problem;
    if (!ConvertExpression(index, source, {}, target, there, problem)) {
        Check(!problem.empty() && IsTerminalSafe(problem));
        return 0;
    }
    Check(std::isfinite(there.result) && IsTerminalSafe(there.explanation));
    if (!ByFactor(there.explanation) || there.result == 0 ||
        std::fabs(std::log10(std::fabs(there.result))) > 250)
        return 0;
    // Back again: the target with the source's number, to the source's units.
    ExpressionConversion back;
    back.explain = true;
    if (!ConvertExpression(index, target, {}, source, back, problem)) return 0;
    if (!ByFactor(back.explanation)) return 0;
    Check(std::fabs(there.result * back.result - 1) < 1e-9);
    return 0;
}
