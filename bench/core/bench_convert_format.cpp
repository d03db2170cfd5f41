// What one keystroke costs in the core: ConvertValue and FormatResult, as the
// main window runs them, over a mix of categories, unit pairs and typed
// values. Target: under 250 ns per call in AutoFormat.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "result_format.h"

namespace {

struct Conversion {
    int row;
    int input;
    int output;
    double value;
};

// Every built-in category, random unit pairs, and values of the kind people
// type: small integers, decimals, a temperature below zero, large and tiny
// magnitudes.
std::vector<Conversion> ConversionMix() {
    const double typed[] = {1.0, 2.5, 100.0, 0.001, 12345.678, 98.6, -40.0, 1e6, 0.3048, 7.0};
    std::mt19937 random(4242);
    std::vector<Conversion> mix;
    for (int i = 0; i < 4096; ++i) {
        const int row = static_cast<int>(random() % BuiltinCategoryCount);
        const auto count = static_cast<std::uint32_t>(UnitCount(row));
        mix.push_back({row, static_cast<int>(random() % count) + 1,
                       static_cast<int>(random() % count) + 1, typed[random() % std::size(typed)]});
    }
    return mix;
}

void BM_ConvertAndFormat(benchmark::State& state, int format, int precision) {
    const std::vector<Conversion> mix = ConversionMix();
    const int savedFormat = ResultFormat;
    const int savedPrecision = ResultPrecision;
    ResultFormat = format;
    ResultPrecision = precision;
    std::size_t next = 0;
    for (auto _ : state) {
        const Conversion& c = mix[next];
        next = (next + 1) % mix.size();
        const double result = ConvertValue(c.row, c.input, c.output, c.value);
        std::optional<std::string> text = FormatResult(result);
        benchmark::DoNotOptimize(text);
    }
    ResultFormat = savedFormat;
    ResultPrecision = savedPrecision;
}

BENCHMARK_CAPTURE(BM_ConvertAndFormat, AutoFormat, FormatAuto, 5);
BENCHMARK_CAPTURE(BM_ConvertAndFormat, Scientific5, FormatScientific, 5);
BENCHMARK_CAPTURE(BM_ConvertAndFormat, Fixed5, FormatFixed, 5);

}  // namespace
