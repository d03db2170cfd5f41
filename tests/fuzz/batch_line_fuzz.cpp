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

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// True when `text` is well-formed UTF-8 holding no C0 control, no DEL and no
// C1 control (U+0080..U+009F).
bool IsTerminalSafe(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || text.size() - i < length) return false;
        std::uint32_t codePoint = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        const std::uint32_t least[] = {0, 0, 0xA0, 0x800, 0x10000};  // 0xA0: no C1 control
        if (codePoint < least[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
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
