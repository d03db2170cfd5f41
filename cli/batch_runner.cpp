#include "batch_runner.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include "conversion.h"
#include "number_text.h"
#include "result_format.h"
#include "unit_resolver.h"

namespace {

constexpr std::size_t ReadBlock = 1 << 20;
constexpr std::size_t MaxFields = 4;

class BatchLines {
public:
    BatchLines(const NameIndex& index, std::optional<std::string_view> defaultCategory,
               FdWriter& out, FdWriter& err)
        : index_(index), defaultCategory_(defaultCategory), out_(out), err_(err) {}

    void Convert(std::string_view line) {
        ++summary_.lines;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view fields[MaxFields];
        std::size_t count = 0;
        for (;;) {
            const char* tab = static_cast<const char*>(std::memchr(line.data(), '\t', line.size()));
            const std::size_t length =
                tab ? static_cast<std::size_t>(tab - line.data()) : line.size();
            if (count == MaxFields) {
                ++count;  // a fifth field: too many, no need to count further
                break;
            }
            fields[count++] = line.substr(0, length);
            if (!tab) break;
            line.remove_prefix(length + 1);
        }
        if (count < 3 || count > MaxFields) return Bad(FieldCountProblem(count, fields[0]));

        std::optional<std::string_view> category = defaultCategory_;
        if (count == 4 && !fields[3].empty()) category = fields[3];
        const Resolution found = ResolveConversion(index_, fields[1], fields[2], category);
        if (found.problem != ResolveProblem::None)
            return Bad(DescribeProblem(index_, found, fields[1], fields[2], category,
                                       "in a fourth field or with --category"));

        const double result =
            ConvertValue(found.row, found.from, found.to, ParseNumberPrefix(fields[0]));
        // ResultFormat is always 0..2 here, so the text is always written.
        FormatResultInto(text_, result);
        out_.Write(text_);
        out_.Put('\n');
    }

    BatchSummary& Summary() { return summary_; }

private:
    static std::string FieldCountProblem(std::size_t count, std::string_view first) {
        if (count == 1 && first.empty())
            return "empty line; expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]";
        return "expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY], found " +
               (count > MaxFields ? std::string("more than 4") : std::to_string(count)) + " field" +
               (count == 1 ? "" : "s");
    }

    void Bad(const std::string& problem) {
        ++summary_.badLines;
        char number[24];
        const auto written = std::to_chars(number, number + sizeof number, summary_.lines);
        err_.Write("mezura-convert: line ");
        err_.Write(std::string_view(number, static_cast<std::size_t>(written.ptr - number)));
        err_.Write(": ");
        err_.Write(problem);
        err_.Put('\n');
        out_.Put('\n');
    }

    const NameIndex& index_;
    std::optional<std::string_view> defaultCategory_;
    FdWriter& out_;
    FdWriter& err_;
    BatchSummary summary_;
    std::string text_;  // one result's text, its storage reused line after line
};

}  // namespace

BatchSummary RunBatch(const NameIndex& index, std::optional<std::string_view> defaultCategory,
                      int inputFd, FdWriter& out, FdWriter& err) {
    BatchLines lines(index, defaultCategory, out, err);
    // Lines are converted where they lie in the block; the unfinished last
    // line moves to the front before the next read. A line longer than the
    // block doubles it.
    std::vector<char> block(ReadBlock);
    std::size_t kept = 0;
    for (;;) {
        if (kept == block.size()) block.resize(block.size() * 2);
        const ssize_t n = ::read(inputFd, block.data() + kept, block.size() - kept);
        if (n < 0) {
            if (errno == EINTR) continue;
            lines.Summary().readError = errno;
            return lines.Summary();
        }
        if (n == 0) break;
        const char* const end = block.data() + kept + n;
        const char* start = block.data();
        while (const char* newline =
                   static_cast<const char*>(std::memchr(start, '\n', end - start))) {
            lines.Convert(std::string_view(start, static_cast<std::size_t>(newline - start)));
            start = newline + 1;
        }
        kept = static_cast<std::size_t>(end - start);
        std::memmove(block.data(), start, kept);
    }
    if (kept > 0) lines.Convert(std::string_view(block.data(), kept));
    return lines.Summary();
}
