#include "commands.h"

#include <charconv>
#include <cmath>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"
#include "mixed_conversion.h"
#include "mixed_value.h"
#include "problem_hint.h"
#include "result_format.h"
#include "suggested_targets.h"
#include "text_1252.h"
#include "unit_resolver.h"
#include "unit_symbol.h"
#include "unit_word.h"
#include "visible_text.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitBadInput = 2;

constexpr std::string_view CategoryHint = "with --category";

int Fail(FdWriter& err, const std::string& message) {
    err.Write("mezura-convert: ");
    err.Write(message);
    err.Put('\n');
    return ExitBadInput;
}

// `text` as the answer, one line on standard output, or as the problem.
int Answer(bool answered, const std::string& text, FdWriter& out, FdWriter& err) {
    if (!answered) return Fail(err, text);
    out.Write(text);
    out.Put('\n');
    return ExitDone;
}

void WriteResult(FdWriter& out, double result, const ResultStyle& style) {
    // The options only give formats 0..2, so there is always a text.
    out.Write(FormatResult(result, style).value_or(""));
    out.Put('\n');
}

// The shortest text that reads back as the same double, so the listing shows
// factors exactly as the conversion uses them: plain for everyday sizes
// (100000, 0.0001), with an exponent for the extremes (1e-08, 1.6e-33).
void WriteFactor(FdWriter& out, double factor) {
    const double size = std::fabs(factor);
    const bool plain = size == 0 || (size >= 1e-4 && size < 1e15);
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, factor,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    out.Write(std::string_view(text, static_cast<std::size_t>(written.ptr - text)));
}

}  // namespace

int RunConvert(const NameIndex& index, const PartStyle& style, const ConversionRequest& request,
               FdWriter& out, FdWriter& err) {
    std::string text;
    return Answer(ConvertRequest(index, request, style, text, CategoryHint), text, out, err);
}

int RunExplain(const NameIndex& index, const PartStyle& style, const ConversionRequest& request,
               FdWriter& out, FdWriter& err) {
    std::string text;
    return Answer(ExplainRequest(index, request, style, text, CategoryHint), text, out, err);
}

namespace {

// A value in one unit, as --all and a value without a target take it: the
// unit's row and place, and the value read; else the failure's exit status.
struct OneUnitValue {
    Resolution found;
    double value = 0;
};

std::optional<OneUnitValue> ReadOneUnitValue(const NameIndex& index, std::string_view value,
                                             std::string_view from,
                                             std::optional<std::string_view> category,
                                             FdWriter& err, int& status) {
    const Resolution found = ResolveConversion(index, from, from, category);
    if (found.problem != ResolveProblem::None) {
        status = Fail(err, CliProblem(index, found, from, from, category, CategoryHint));
        return std::nullopt;
    }
    // Read whole, as a conversion's VALUE is: "5x" is no 5.
    bool whole = true;
    const auto read = ReadValue(value, whole);
    if (!read || !whole || !std::isfinite(*read)) {
        status = Fail(err, ValueProblem(value));
        return std::nullopt;
    }
    if (BelowAbsoluteZero(found.row, found.from, *read)) {
        status =
            Fail(err, "a temperature below absolute zero: " + Quoted(value) + " " + Quoted(from));
        return std::nullopt;
    }
    return OneUnitValue{found, *read};
}

}  // namespace

int RunAll(const NameIndex& index, const ResultStyle& style, std::string_view value,
           std::string_view from, std::optional<std::string_view> category, FdWriter& out,
           FdWriter& err) {
    int status = ExitDone;
    const auto read = ReadOneUnitValue(index, value, from, category, err, status);
    if (!read) return status;
    const Resolution& found = read->found;
    const Catalogue& catalogue = index.Indexed();
    for (int position = 1; position <= catalogue.UnitCount(found.row); ++position) {
        out.Write(Visible(index.Utf8Name(found.row, position)));
        out.Put('\t');
        WriteResult(out, ConvertValue(catalogue, found.row, found.from, position, read->value),
                    style);
    }
    return ExitDone;
}

int RunSuggested(const NameIndex& index, const ResultStyle& style, std::string_view value,
                 std::string_view from, std::optional<std::string_view> category, FdWriter& out,
                 FdWriter& err) {
    int status = ExitDone;
    const auto read = ReadOneUnitValue(index, value, from, category, err, status);
    if (!read) return status;
    const Resolution& found = read->found;
    const Catalogue& catalogue = index.Indexed();
    for (int to : SuggestedTargets(catalogue, found.row, found.from, read->value)) {
        out.Write(
            FormatResult(ConvertValue(catalogue, found.row, found.from, to, read->value), style)
                .value_or(""));
        out.Put(' ');
        // Some names end in a blank ("Centimeters/sec\xB2 "): the line does not.
        std::string unit = Utf8FromCp1252(UnitSymbol(catalogue, found.row, to));
        while (!unit.empty() && unit.back() == ' ') unit.pop_back();
        out.Write(Visible(unit));
        out.Put('\n');
    }
    return ExitDone;
}

int RunList(const NameIndex& index, std::optional<std::string_view> category, FdWriter& out,
            FdWriter& err) {
    if (!category) {
        for (int row : index.CategoryRows()) {
            out.Write(Visible(index.Utf8Name(row, 0)));
            out.Put('\n');
        }
        return ExitDone;
    }
    const auto row = index.Category(*category);
    if (!row) {
        const Resolution unknown{ResolveProblem::UnknownCategory};
        return Fail(err, CliProblem(index, unknown, {}, {}, category, CategoryHint));
    }
    // Temperature and fuel economy convert by formula; their factors mean nothing.
    const Catalogue& catalogue = index.Indexed();
    const bool byFormula = !ConvertsByFactors(catalogue, *row);
    for (int position = 1; position <= catalogue.UnitCount(*row); ++position) {
        out.Write(Visible(index.Utf8Name(*row, position)));
        if (!byFormula) {
            out.Put('\t');
            WriteFactor(out, catalogue.Factor(*row, position));
        }
        out.Put('\n');
    }
    return ExitDone;
}

int RunNames(const NameIndex& index, FdWriter& out) {
    const Catalogue& catalogue = index.Indexed();
    // A category without units has no names to list.
    for (int row : index.CategoryRows()) {
        const std::string category = Visible(index.Utf8Name(row, 0));
        for (int position = 1; position <= catalogue.UnitCount(row); ++position) {
            out.Write(category);
            out.Put('\t');
            out.Write(Visible(index.Utf8Name(row, position)));
            out.Put('\t');
            const char* separator = "";
            for (std::string_view alias : AliasesOf(catalogue, row, position)) {
                // An alias a profile's unit shares exactly means neither unit.
                if (FindUnitIn(catalogue, row, alias) != position) continue;
                out.Write(separator);
                out.Write(Visible(Utf8FromCp1252(alias)));
                separator = ", ";
            }
            out.Put('\n');
        }
    }
    return ExitDone;
}
