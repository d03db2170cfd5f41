// mezura-convert: the window's catalogue, arithmetic and number formatting
// for scripts. The command line is parsed, the profile's custom categories
// and units are loaded (read only), the names are indexed once, and one of the
// commands runs: a conversion, --all, --list, --names or --batch.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <string_view>
#include <vector>

#include "batch_runner.h"
#include "catalogue_limits.h"
#include "cli_options.h"
#include "cli_profile.h"
#include "commands.h"
#include "conversion_text.h"
#include "currency_units.h"
#include "fd_writer.h"
#include "name_index.h"
#include "rates_commands.h"
#include "rates_update.h"
#include "result_format.h"
#include "shadowed_names.h"
#include "unit_resolver.h"
#include "usage_text.h"

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

// A conversion of money with rates more than four days old says so on stderr.
int ConvertNotingOldRates(const NameIndex& index, std::string_view value, std::string_view from,
                          std::string_view to, std::optional<std::string_view> category,
                          const std::string& oldRatesNote, FdWriter& out, FdWriter& err) {
    const int status = RunConvert(index, value, from, to, category, out, err);
    if (status == 0 && !oldRatesNote.empty() &&
        ResolveConversion(index, from, to, category).row == CurrencyRow)
        err.Write(oldRatesNote);
    if (status != 0 && CurrencyUnitCount() == 1) {
        for (const std::string_view name : {from, to}) {
            if (!NamesKnownCurrency(UnitNameFromUtf8(name).value_or(""))) continue;
            err.Write(
                "mezura-convert: no exchange rates yet; mezura-convert --update-rates "
                "downloads them\n");
            break;
        }
    }
    return status;
}

// A name that could be a currency: one of the table's, or any three letters
// (a code the table does not know yet).
bool MayNameCurrency(std::string_view utf8) {
    const auto name = UnitNameFromUtf8(utf8);
    if (!name) return false;
    const auto letter = [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
    if (name->size() == 3 && std::all_of(name->begin(), name->end(), letter)) return true;
    return NamesKnownCurrency(*name);
}

// The cached rates put some 150 names and aliases into the name index; a
// conversion that names no currency does without them.
bool NeedsRates(const CliOptions& options) {
    if (options.mode != CliMode::Convert) return true;
    const auto& operands = options.operands;
    if (operands.size() == 3) return MayNameCurrency(operands[1]) || MayNameCurrency(operands[2]);
    const auto text = SplitConversionText(operands[0]);
    return !text || MayNameCurrency(text->from) || MayNameCurrency(text->to);
}

std::optional<std::string_view> CategoryOption(const CliOptions& options) {
    if (!options.category) return std::nullopt;
    return *options.category;
}

int Run(const CliOptions& options, FdWriter& out, FdWriter& err) {
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

    ResultFormat = options.format;
    ResultPrecision = options.precision;
    if (auto problem = LoadCliProfile(options.profilePath))
        return Fail(err, *problem, ExitBadInput);
    for (const std::string& warning : ShadowWarnings()) {
        err.Write("mezura-convert: warning: ");
        err.Write(warning);
        err.Put('\n');
    }
    // The names of the currencies must be known before the index is built.
    const CachedRatesRead rates =
        NeedsRates(options) ? UseCachedRates(RatesCachePath()) : CachedRatesRead{};
    const std::int64_t now = std::time(nullptr);
    const NameIndex index;
    const auto& operands = options.operands;
    const auto category = CategoryOption(options);

    switch (options.mode) {
        case CliMode::All:
            return RunAll(index, operands[0], operands[1], category, out, err);
        case CliMode::List:
            return RunList(
                index, operands.empty() ? category : std::optional<std::string_view>(operands[0]),
                out, err);
        case CliMode::Batch: {
            // An unknown --category would fail every line: say so once, up front.
            if (category && !index.Category(*category)) {
                const Resolution unknown{ResolveProblem::UnknownCategory};
                return Fail(err, DescribeProblem(index, unknown, {}, {}, category, {}),
                            ExitBadInput);
            }
            const BatchSummary summary = RunBatch(index, category, 0, out, err);
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
            return RunRates(rates, now, out, err);
        default:
            break;
    }
    const std::string oldRatesNote = StaleRatesNote(rates, now);
    if (operands.size() == 3)
        return ConvertNotingOldRates(index, operands[0], operands[1], operands[2], category,
                                     oldRatesNote, out, err);
    const auto text = SplitConversionText(operands[0]);
    if (!text)
        return Fail(err,
                    "cannot read " + std::string("\"") + operands[0] +
                        "\" as a conversion; write it as \"VALUE FROM to TO\", "
                        "for example \"5 km to mi\"",
                    ExitBadInput);
    return ConvertNotingOldRates(index, text->value, text->from, text->to, category, oldRatesNote,
                                 out, err);
}

}  // namespace

int main(int argc, char** argv) {
    FdWriter out(1);
    FdWriter err(2, 1 << 16);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CliParse parse = ParseCliOptions(arguments);
    int status =
        parse.error.empty() ? Run(parse.options, out, err) : Fail(err, parse.error, ExitBadInput);
    if (!out.Flush()) {
        status = Fail(err, std::string("cannot write the output: ") + std::strerror(out.Error()),
                      ExitFailed);
    }
    err.Flush();
    return status;
}
