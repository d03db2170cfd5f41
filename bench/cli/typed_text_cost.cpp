// The cost of reading typed text that holds N blanks, at N and at 2N: every
// reader of typed text should be linear, so the second time is about twice
// the first (the aim: at most 2.3 times).
//
//   bench_typed_text [--blanks N] [--runs R]      (N 64000, R 9 by default)
//
// Texts, each read the way its program reads it, in process:
//   batch run      the --batch line "5 a" + N blanks + "b 3<TAB><TAB>cm"
//   argument run   mezura-convert "5 a" + N blanks + "b to cm" (one argument)
//   argument tos   mezura-convert "5 a" + " to" x N/2 + " 3 to" x N/4
//   phrase run     the search's and `mezura QUERY`'s reading of the argument run
//   phrase tos     the same of the argument tos
// Each figure is the median of R samples, a sample being the time per
// reading over as many readings as fill 20 ms; the samples at N and 2N are
// taken in turn.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch_line.h"
#include "catalogue.h"
#include "conversion_phrase.h"
#include "fd_writer.h"
#include "mixed_conversion.h"
#include "name_index.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::size_t blanks = 64000;
    int runs = 9;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const long value = std::max(1L, std::atol(argv[i + 1]));
        if (name == "--blanks") {
            options.blanks = static_cast<std::size_t>(value);
        } else if (name == "--runs") {
            options.runs = static_cast<int>(value);
        } else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            std::exit(2);
        }
    }
    return options;
}

// Seconds per reading of one text, over as many readings as fill 20 ms.
double Sample(const std::function<void()>& read) {
    long count = 0;
    const auto start = Clock::now();
    auto now = start;
    do {
        read();
        ++count;
        now = Clock::now();
    } while (now - start < std::chrono::milliseconds(20));
    return std::chrono::duration<double>(now - start).count() / static_cast<double>(count);
}

double Median(std::vector<double> samples) {
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

// The medians of `runs` samples of each reading, the samples taken in turn
// so that a busy machine slows both alike; one sample of each first, to warm
// the caches and the index's memory of names.
std::pair<double, double> MedianSeconds(const std::function<void()>& once,
                                        const std::function<void()>& twice, int runs) {
    Sample(once);
    Sample(twice);
    std::vector<double> first, second;
    for (int run = 0; run < runs; ++run) {
        first.push_back(Sample(once));
        second.push_back(Sample(twice));
    }
    return {Median(first), Median(second)};
}

std::string RunText(std::size_t blanks, std::string_view tail) {
    return "5 a" + std::string(blanks, ' ') + std::string(tail);
}

std::string TosText(std::size_t blanks) {
    std::string text = "5 a";
    for (std::size_t i = 0; i < blanks / 2; ++i) text += " to";
    for (std::size_t i = 0; i < blanks / 4; ++i) text += " 3 to";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    const Catalogue catalogue;
    const NameIndex index(catalogue);
    const PartStyle style{};
    const int sink = ::open("/dev/null", O_WRONLY);
    FdWriter out(sink);
    FdWriter err(sink);

    const auto batchLine = [&](std::size_t blanks) {
        const std::string line = RunText(blanks, "b 3\t\tcm");
        return [&, line] { ConvertBatchLine(index, style, std::nullopt, 1, line, out, err); };
    };
    // As mezura-convert's main reads its one argument.
    const auto argument = [&](std::string text) {
        return [&, text] {
            std::string result;
            if (const auto split = SplitConversionPhrase(index, text, std::nullopt))
                ConvertRequest(index, {split->value, split->from, split->to, std::nullopt}, style,
                               result, "");
        };
    };
    const auto phrase = [&](std::string text) {
        return [&, text] { (void)ReadConversionPhrase(index, text); };
    };

    struct Shape {
        const char* name;
        std::function<std::function<void()>(std::size_t)> make;
    };
    const Shape shapes[] = {
        {"batch run", batchLine},
        {"argument run", [&](std::size_t n) { return argument(RunText(n, "b to cm")); }},
        {"argument tos", [&](std::size_t n) { return argument(TosText(n)); }},
        {"phrase run", [&](std::size_t n) { return phrase(RunText(n, "b to cm")); }},
        {"phrase tos", [&](std::size_t n) { return phrase(TosText(n)); }},
    };
    const std::size_t n = options.blanks;
    std::printf("%-14s %14s %14s %7s\n", "text", "N blanks", "2N blanks", "2N/N");
    bool linear = true;
    for (const Shape& shape : shapes) {
        const auto [once, twice] = MedianSeconds(shape.make(n), shape.make(2 * n), options.runs);
        const double ratio = twice / once;
        linear = linear && ratio <= 2.3;
        std::printf("%-14s %11.3f ms %11.3f ms %7.2f\n", shape.name, once * 1e3, twice * 1e3,
                    ratio);
    }
    out.Flush();
    err.Flush();
    std::printf("N = %zu blanks; %s\n", n,
                linear ? "every reading within 2.3 times at 2N" : "NOT LINEAR");
    return linear ? 0 : 1;
}
