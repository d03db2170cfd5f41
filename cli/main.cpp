// mezura-convert: the window's catalogue, arithmetic and number formatting
// for scripts. The command line is parsed, the profile's custom categories
// and units are loaded (read only), the names are indexed once, and one of the
// commands runs: a conversion, --all, --list, --names, --batch, --rates or
// --update-rates.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "batch_runner.h"
#include "catalogue.h"
#include "catalogue_limits.h"
#include "cli_options.h"
#include "cli_profile.h"
#include "commands.h"
#include "conversion_phrase.h"
#include "conversion_text.h"
#include "currency_units.h"
#include "decimal_comma.h"
#include "decimal_comma_advice.h"
#include "fd_writer.h"
#include "mixed_value.h"
#include "name_index.h"
#include "problem_hint.h"
#include "rates_commands.h"
#include "rates_update.h"
#include "result_format.h"
#include "shadowed_names.h"
#include "unit_resolver.h"
#include "unit_word.h"
#include "usage_text.h"
#include "visible_text.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitFailed = 1;  // bad --batch lines, or the output could not be written
constexpr int ExitBadInput = 2;

int Fail(FdWriter& err, std::string_view message, int status) {
    err.Write("mezura-convert: ");
    err.Write(message);
    err.Put('\n');
    return status;
}

// A word that could be a currency: one of the table's names or symbols, a
// current ISO code in any case, or three capitals (a code no list knows
// yet). "mil" or "nmi" is none, so a length never reads the rates.
bool MayNameCurrency(std::string_view utf8) {
    const auto name = UnitNameFromUtf8(utf8);
    if (!name) return false;
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (name->size() == 3 && std::all_of(name->begin(), name->end(), capital)) return true;
    return NamesKnownCurrency(*name);
}

// The cached rates add some 150 names and aliases; a conversion none of
// whose words could name a currency does without them.
bool NeedsRates(const CliOptions& options) {
    if (options.mode != CliMode::Convert && options.mode != CliMode::Explain) return true;
    for (std::string_view operand : options.operands) {
        while (!operand.empty()) {
            const std::size_t blank = operand.find(' ');
            if (MayNameCurrency(operand.substr(0, blank))) return true;
            if (blank == std::string_view::npos) break;
            operand.remove_prefix(blank + 1);
        }
    }
    return false;
}

// The code of the currency `name` is, in the index's catalogue.
std::optional<std::string_view> CodeOf(const NameIndex& index, std::string_view name) {
    if (name.empty()) return std::nullopt;
    const auto position = index.UnitIn(CurrencyRow, name);
    const CurrencyWords* words = position ? index.Indexed().CurrencyWordsAt(*position) : nullptr;
    if (!words) return std::nullopt;
    return words->code;
}

// A conversion into a currency says on stderr when the rates it used are
// old, each source by its own limit. One that names a currency while there
// are no rates says only that, as --rates does, and not which other units
// the names are close to.
// --explain says how it read the conversion instead of its result.
int ConvertNotingRates(const NameIndex& index, const PartStyle& parts,
                       const ConversionRequest& request, const KeptRates& rates, CliMode mode,
                       FdWriter& out, FdWriter& err) {
    if (CurrencyUnitCount(index.Indexed()) == 1) {
        for (const std::string_view name : {request.from, request.to}) {
            if (!index.Units(name).empty() ||
                !NamesKnownCurrency(UnitNameFromUtf8(name).value_or("")))
                continue;
            return Fail(err, Visible(NoRatesMessage(rates)), ExitBadInput);
        }
    }
    const bool explain = mode == CliMode::Explain;
    const int status = explain ? RunExplain(index, parts, request, out, err)
                               : RunConvert(index, parts, request, out, err);
    if (status == 0 && !explain && index.UnitIn(CurrencyRow, request.to)) {
        std::vector<std::string_view> codes;
        for (const std::string_view name : {request.from, request.to})
            if (const auto code = CodeOf(index, name)) codes.push_back(*code);
        err.Write(StaleRatesNote(rates, codes, std::time(nullptr)));
    }
    return status;
}

bool IsWordTo(std::string_view word) {
    return word.size() == 2 && (word[0] | 0x20) == 't' && (word[1] | 0x20) == 'o';
}

// The arguments of a phrase given word by word, joined by blanks as the
// shell split them: 5 km to mi -> "5 km to mi".
std::string JoinedWords(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty()) joined += ' ';
        joined += word;
    }
    return joined;
}

std::optional<std::string_view> CategoryOption(const CliOptions& options) {
    if (!options.category) return std::nullopt;
    return *options.category;
}

int Run(const CliOptions& options, Catalogue& catalogue, FdWriter& out, FdWriter& err) {
    switch (options.mode) {
        case CliMode::Help:
            out.Write(UsageText());
            return ExitDone;
        case CliMode::Version:
            out.Write(VersionText());
            out.Put('\n');
            return ExitDone;
        case CliMode::UpdateRates:
            return RunUpdateRates(options.profilePath, std::time(nullptr), out, err);
        default:
            break;
    }

    // The currencies are in the catalogue before the profile adds to it, so
    // that a custom unit is checked against them too.
    const KeptRates rates = NeedsRates(options)
                                ? UseCachedRates(catalogue, RatesCachePath(), std::time(nullptr))
                                : KeptRates{};
    const ResultStyle style{options.format, options.precision};
    // Mixed results and fractions add the --fraction denominator to it.
    const PartStyle parts{style, options.fraction};
    if (auto problem = LoadCliProfile(options.profilePath, catalogue))
        return Fail(err, *problem, ExitBadInput);
    for (const std::string& warning : ShadowWarnings(catalogue)) {
        err.Write("mezura-convert: warning: ");
        err.Write(warning);
        err.Put('\n');
    }
    const NameIndex index(catalogue);
    const auto& operands = options.operands;
    const auto category = CategoryOption(options);

    switch (options.mode) {
        case CliMode::All:
            return RunAll(index, style, operands[0], operands[1], category, out, err);
        case CliMode::List:
            return RunList(
                index, operands.empty() ? category : std::optional<std::string_view>(operands[0]),
                out, err);
        case CliMode::Batch: {
            // An unknown --category would fail every line: say so once, up front.
            if (category && !index.Category(*category)) {
                const Resolution unknown{ResolveProblem::UnknownCategory};
                return Fail(err, CliProblem(index, unknown, {}, {}, category, {}), ExitBadInput);
            }
            const BatchSummary summary = RunBatch(index, parts, category, 0, out, err);
            if (summary.readError != 0)
                return Fail(
                    err,
                    std::string("cannot read standard input: ") + std::strerror(summary.readError),
                    ExitFailed);
            return summary.badLines > 0 ? ExitFailed : ExitDone;
        }
        case CliMode::Names:
            return RunNames(index, out);
        case CliMode::Rates:
            return RunRates(rates, index.Indexed(), std::time(nullptr), out, err);
        default:
            break;
    }
    // Three arguments are VALUE FROM TO, as they have always been; only
    // where FROM is the word "to" and no unit is named so are they the words
    // of a phrase: 5km to mi.
    if (operands.size() == 3 && !(IsWordTo(operands[1]) && index.Units(operands[1]).empty()))
        return ConvertNotingRates(index, parts, {operands[0], operands[1], operands[2], category},
                                  rates, options.mode, out, err);
    // A value with its units, then the target: "'5 ft 3 in' cm".
    if (operands.size() == 2 && ReadQuantity(operands[0]))
        return ConvertNotingRates(index, parts, {operands[0], {}, operands[1], category}, rates,
                                  options.mode, out, err);
    // One phrase, quoted or its words given apart: "5 km to mi", 5 km to mi.
    const std::string joined = JoinedWords(operands);
    const std::string_view phrase = joined;
    if (const std::size_t start = phrase.find_first_not_of(" \t");
        start != std::string_view::npos && DecimalCommaAt(phrase, start))
        return Fail(err, DecimalCommaAdvice(phrase.substr(start, phrase.find(' ', start) - start)),
                    ExitBadInput);
    if (const auto text = SplitConversionPhrase(index, phrase, category))
        return ConvertNotingRates(index, parts, {text->value, text->from, text->to, category},
                                  rates, options.mode, out, err);
    // A value with one unit and no target: "5 km", in the units worth seeing
    // it in. One word that names no unit is a slip of its name ("5 kmz");
    // several are no conversion at all ("5 km zorkmids").
    if (options.mode == CliMode::Explain)
        return Fail(err,
                    "--explain explains a conversion with its target, such as "
                    "\"1 kg/m^3 to lb/ft^3\"",
                    ExitBadInput);
    if (const auto quantity = ReadQuantity(phrase); quantity && quantity->count == 1) {
        const auto value = SplitLeadingValue(phrase);
        if (value && !value->rest.empty() &&
            (value->rest.find_first_of(" \t") == std::string_view::npos ||
             !index.Units(value->rest).empty())) {
            // As the desktop search offers them: "72 F" is far more often the
            // weather than 72 farads, so the temperature comes first.
            const int scale = BareLetterScale(value->rest);
            const auto degrees = ReadValue(value->value);
            if (!category && scale >= 0 && degrees &&
                !BelowAbsoluteZero(TemperatureRow, scale + 1, *degrees)) {
                const std::string scaleName = "\xC2\xB0" + std::string(value->rest);
                if (const int status =
                        RunSuggested(index, style, value->value, scaleName, category, out, err))
                    return status;
            }
            return RunSuggested(index, style, value->value, value->rest, category, out, err);
        }
    }
    if (operands.size() == 2)
        return Fail(err,
                    "expected VALUE FROM TO, 'VALUE UNIT' TO or one \"VALUE FROM to TO\", "
                    "got 2 arguments, and " +
                        Quoted(operands[0]) + " is no value with its unit",
                    ExitBadInput);
    return Fail(err,
                "cannot read " + std::string("\"") + joined +
                    "\" as a conversion; write it as \"VALUE FROM to TO\", "
                    "for example \"5 km to mi\"",
                ExitBadInput);
}

}  // namespace

int main(int argc, char** argv) {
    FdWriter out(1);
    FdWriter err(2, 1 << 16);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CliParse parse = ParseCliOptions(arguments);
    // The run's catalogue: the built-in units, then what the profile adds.
    Catalogue catalogue;
    int status = parse.error.empty() ? Run(parse.options, catalogue, out, err)
                                     : Fail(err, parse.error, ExitBadInput);
    if (!out.Flush()) {
        status = Fail(err, std::string("cannot write the output: ") + std::strerror(out.Error()),
                      ExitFailed);
    }
    err.Flush();
    return status;
}
