#include "batch_runner.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "batch_line.h"

namespace {

constexpr std::size_t ReadBlock = 1 << 20;
static_assert(ReadBlock > 2 * (MaxBatchLineBytes + 2), "a block holds the longest line twice");

}  // namespace

BatchSummary RunBatch(const NameIndex& index, const PartStyle& style,
                      std::optional<std::string_view> defaultCategory, int inputFd, FdWriter& out,
                      FdWriter& err) {
    BatchSummary summary;
    const std::string tooLong = "line longer than " + std::to_string(MaxBatchLineBytes) +
                                " bytes, the most a line may hold";
    const auto refuseTooLong = [&] {
        ++summary.badLines;
        RefuseBatchLine(++summary.lines, tooLong, out, err);
    };
    const auto convert = [&](std::string_view line) {
        const std::size_t end = line.ends_with('\r') ? 1 : 0;
        if (line.size() - end > MaxBatchLineBytes) return refuseTooLong();
        if (!ConvertBatchLine(index, style, defaultCategory, ++summary.lines, line, out, err))
            ++summary.badLines;
    };

    // block[begin, fill) is the unfinished line, of which [begin, scanned)
    // holds no "\n". It moves to the front only when the space behind it gets
    // short, so a line that arrives in small pieces (from a pipe) is neither
    // searched nor moved more than once or twice.
    std::vector<char> block(ReadBlock);
    char* const data = block.data();
    std::size_t begin = 0, scanned = 0, fill = 0;
    bool skipping = false;  // inside a line already refused as too long
    for (;;) {
        if (block.size() - fill < MaxBatchLineBytes + 2) {
            std::memmove(data, data + begin, fill - begin);
            scanned -= begin;
            fill -= begin;
            begin = 0;
        }
        const ssize_t n = ::read(inputFd, data + fill, block.size() - fill);
        if (n < 0) {
            if (errno == EINTR) continue;
            summary.readError = errno;
            return summary;
        }
        if (n == 0) break;
        fill += static_cast<std::size_t>(n);
        while (const char* newline =
                   static_cast<const char*>(std::memchr(data + scanned, '\n', fill - scanned))) {
            const std::size_t at = static_cast<std::size_t>(newline - data);
            if (skipping)
                skipping = false;
            else
                convert(std::string_view(data + begin, at - begin));
            begin = scanned = at + 1;
            // Output nobody can receive (a closed pipe with SIGPIPE ignored,
            // a full disk) ends the run instead of converting on for ever.
            if (out.Error() != 0) return summary;
        }
        scanned = fill;
        // One more byte may be the "\r" of a CRLF end.
        if (!skipping && fill - begin > MaxBatchLineBytes + 1) {
            refuseTooLong();
            skipping = true;
        }
        if (skipping) begin = scanned = fill = 0;
    }
    if (!skipping && fill > begin) convert(std::string_view(data + begin, fill - begin));
    return summary;
}
