#include "batch_line.h"

#include <charconv>
#include <cstring>
#include <string>
#include <utility>

#include "mixed_conversion.h"

namespace {

constexpr std::size_t MaxFields = 4;

std::string FieldCountProblem(std::size_t count, std::string_view first) {
    if (count == 1 && first.empty())
        return "empty line; expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]";
    return "expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY], found " +
           (count > MaxFields ? std::string("more than 4") : std::to_string(count)) + " field" +
           (count == 1 ? "" : "s");
}

// A carriage return inside a line is invisible in most editors and turns a
// good name into an unknown one; the quoted name shows it as \r, and this
// says where it came from.
constexpr std::string_view StrayReturnNote =
    " (the line holds a stray carriage return, shown as \\r)";

std::string WithStrayReturn(std::string problem, std::string_view line) {
    if (line.find('\r') != std::string_view::npos) problem += StrayReturnNote;
    return problem;
}

}  // namespace

void RefuseBatchLine(std::uint64_t lineNumber, std::string_view problem, FdWriter& out,
                     FdWriter& err) {
    constexpr std::string_view Start = "mezura-convert: line ";
    char head[64];
    std::memcpy(head, Start.data(), Start.size());
    char* end = std::to_chars(head + Start.size(), head + sizeof head - 2, lineNumber).ptr;
    *end++ = ':';
    *end++ = ' ';
    err.Write(std::string_view(head, static_cast<std::size_t>(end - head)));
    err.Write(problem);
    err.Put('\n');
    out.Put('\n');
}

bool ConvertBatchLine(const NameIndex& index, const PartStyle& style,
                      std::optional<std::string_view> defaultCategory, std::uint64_t lineNumber,
                      std::string_view line, FdWriter& out, FdWriter& err) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view whole = line;

    std::string_view fields[MaxFields];
    std::size_t count = 0;
    for (;;) {
        const char* tab = static_cast<const char*>(std::memchr(line.data(), '\t', line.size()));
        const std::size_t length = tab ? static_cast<std::size_t>(tab - line.data()) : line.size();
        if (count == MaxFields) {
            ++count;  // a fifth field: too many, no need to count further
            break;
        }
        fields[count++] = line.substr(0, length);
        if (!tab) break;
        line.remove_prefix(length + 1);
    }
    if (count < 3 || count > MaxFields) {
        RefuseBatchLine(lineNumber, WithStrayReturn(FieldCountProblem(count, fields[0]), whole),
                        out, err);
        return false;
    }

    std::optional<std::string_view> category = defaultCategory;
    if (count == 4 && !fields[3].empty()) category = fields[3];
    // One text for every line of the run: long results (AutoFormat reaches
    // 21 characters) and the problems of bad lines would otherwise allocate
    // line after line.
    thread_local std::string text;
    if (!ConvertRequest(index, {fields[0], fields[1], fields[2], category}, style, text,
                        "in a fourth field or with --category")) {
        if (whole.find('\r') != std::string_view::npos) text += StrayReturnNote;
        RefuseBatchLine(lineNumber, text, out, err);
        return false;
    }
    out.Write(text);
    out.Put('\n');
    return true;
}
