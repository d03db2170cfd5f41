// What one keystroke costs in the core: ConvertValue and FormatResult, as the
// main window runs them, over a mix of categories, unit pairs and typed
// values. Target: under 250 ns per call in AutoFormat.
//
// Floor: the work no format can avoid on the same values, one multiply, one
// divide and one std::to_chars(scientific, 16). AutoFormat into a reused
// text (as mezura-convert writes its results) should cost at most 1.3 times
// that; the ratio of the medians is printed after the table (run with
// --benchmark_repetitions=N for medians of N runs, and with
// --benchmark_enable_random_interleaving=true on a busy machine).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "result_format.h"

namespace {

constexpr double TargetRatio = 1.3;

struct Conversion {
    int row;
    int input;
    int output;
    double value;
};

// Every built-in category, random unit pairs, and values of the kind people
// type: small integers, decimals, a temperature below zero, large and tiny
// magnitudes.
const Catalogue& Builtin() {
    static const Catalogue catalogue;
    return catalogue;
}

std::vector<Conversion> ConversionMix() {
    const double typed[] = {1.0, 2.5, 100.0, 0.001, 12345.678, 98.6, -40.0, 1e6, 0.3048, 7.0};
    std::mt19937 random(4242);
    std::vector<Conversion> mix;
    for (int i = 0; i < 4096; ++i) {
        const int row = static_cast<int>(random() % BuiltinCategoryCount);
        const auto count = static_cast<std::uint32_t>(Builtin().UnitCount(row));
        mix.push_back({row, static_cast<int>(random() % count) + 1,
                       static_cast<int>(random() % count) + 1, typed[random() % std::size(typed)]});
    }
    return mix;
}

// Runs `body` once per iteration over the mix, with the style given.
template <typename Body>
void OverTheMix(benchmark::State& state, int format, int precision, Body body) {
    const std::vector<Conversion> mix = ConversionMix();
    const ResultStyle style{format, precision};
    std::size_t next = 0;
    for (auto _ : state) {
        body(mix[next], style);
        next = (next + 1) % mix.size();
    }
}

void BM_ConvertAndFormat(benchmark::State& state, int format, int precision) {
    const Catalogue& catalogue = Builtin();
    OverTheMix(state, format, precision, [&](const Conversion& c, const ResultStyle& style) {
        std::optional<std::string> text =
            FormatResult(ConvertValue(catalogue, c.row, c.input, c.output, c.value), style);
        benchmark::DoNotOptimize(text);
    });
}

void BM_ConvertAndFormatInto(benchmark::State& state) {
    std::string text;
    const Catalogue& catalogue = Builtin();
    OverTheMix(state, FormatAuto, 5, [&](const Conversion& c, const ResultStyle& style) {
        FormatResultInto(text, ConvertValue(catalogue, c.row, c.input, c.output, c.value), style);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    });
}

void BM_Floor(benchmark::State& state) {
    char text[32];
    const Catalogue& catalogue = Builtin();
    OverTheMix(state, FormatAuto, 5, [&](const Conversion& c, const ResultStyle&) {
        const double product = c.value * catalogue.Factor(c.row, c.input);
        const double result = product / catalogue.Factor(c.row, c.output);
        const auto written =
            std::to_chars(text, text + sizeof text, result, std::chars_format::scientific, 16);
        benchmark::DoNotOptimize(written.ptr);
        benchmark::ClobberMemory();
    });
}

BENCHMARK_CAPTURE(BM_ConvertAndFormat, AutoFormat, FormatAuto, 5);
BENCHMARK_CAPTURE(BM_ConvertAndFormat, Scientific5, FormatScientific, 5);
BENCHMARK_CAPTURE(BM_ConvertAndFormat, Fixed5, FormatFixed, 5);
BENCHMARK(BM_ConvertAndFormatInto);
BENCHMARK(BM_Floor);

// The console table, and the CPU time of every run kept by name: the median
// when repetitions are asked for, the single run otherwise.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                times_[run.run_name.str()][median] = run.GetAdjustedCPUTime();
        }
    }

    // Median if there is one, else the last single run.
    double Time(const std::string& name) const {
        const auto found = times_.find(name);
        if (found == times_.end()) return 0;
        const auto median = found->second.find(true);
        return median != found->second.end() ? median->second : found->second.at(false);
    }

private:
    std::map<std::string, std::map<bool, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double floor = reporter.Time("BM_Floor");
    const double into = reporter.Time("BM_ConvertAndFormatInto");
    const double fresh = reporter.Time("BM_ConvertAndFormat/AutoFormat");
    if (floor > 0 && into > 0) {
        std::printf("\nAutoFormat convert + format / floor (multiply, divide, to_chars):\n");
        std::printf("  into a reused text   %.2f  (target: at most %.1f)  %s\n", into / floor,
                    TargetRatio, into / floor <= TargetRatio ? "met" : "NOT MET");
        if (fresh > 0) std::printf("  as a new std::string %.2f\n", fresh / floor);
    }
    benchmark::Shutdown();
    return 0;
}
