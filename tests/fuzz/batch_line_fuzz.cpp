// Arbitrary bytes as one --batch line, after a first byte that picks the
// result format, the precision, the --category and --fraction. Whatever the line, it
// must give exactly one output line, text on a good line and an error line
// on a bad one, and the error line must be safe on a terminal: valid UTF-8
// with no control character but its final "\n". Any breach aborts, which the
// fuzzer reports as a crash.
#include <fcntl.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "batch_line.h"
#include "fd_writer.h"
#include "name_index.h"
#include "result_format.h"
#include "terminal_safe.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Catalogue catalogue;
    static const NameIndex index(catalogue);
    static const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    static FdWriter out(sink), err(sink);
    if (size == 0) return 0;

    const int pick = data[0];
    const ResultStyle style{pick % 3, 1 + pick / 3 % 9};
    const std::optional<std::string_view> categories[] = {std::nullopt, "Volume", "Angle"};
    const auto category = categories[pick / 27 % 3];
    std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
    line = line.substr(0, line.find('\n'));  // the reader never hands over a line end

    // Above 161 the last part of a list of units goes to sixteenths.
    const PartStyle parts{style, pick > 161 ? 16 : 0};
    const bool good = ConvertBatchLine(index, parts, category, 42, line, out, err);
    const std::string_view result = out.Pending();
    const std::string_view error = err.Pending();
    Check(result.find('\n') + 1 == result.size());
    Check(good == (result.size() > 1));
    if (good) {
        Check(error.empty());
    } else {
        constexpr std::string_view Start = "mezura-convert: line 42: ";
        Check(error.starts_with(Start) && error.size() > Start.size());
        Check(error.find('\n') + 1 == error.size());
        Check(IsTerminalSafe(error.substr(0, error.size() - 1)));
    }
    out.Flush();
    err.Flush();
    return 0;
}
