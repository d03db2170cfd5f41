// How the ECB reader's time grows with its input, on the files a hostile
// server could send under the 1 MiB limit:
//   attributes  a root element with N attributes (and the usual rates), the
//               worst case once: each attribute was compared with all before
//   rates       N currencies of three letters, each checked against the others
//
//   bench_ecb_rates_scaling [--runs R]
//
// Each shape is read at N and at 2N, R times in turn (default 9), and the
// medians of the thread's CPU time are printed with their ratio. A reader linear in its input stays
// within 2.3 times from N to 2N; the target for attributes is N = 70,000.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ecb_rates.h"

namespace {

constexpr double TargetRatio = 2.3;
constexpr std::int64_t Now = 1796817600;  // 2026-12-09 12:00 UTC

const std::string RatesBody =
    "<Cube><Cube time='2026-12-07'><Cube currency='USD' rate='1.0803'/></Cube></Cube>";

// A different name of three characters for each k below 53 * 65 * 65.
std::string NameOf(int k) {
    static const std::string start = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    static const std::string rest = start + "0123456789-.";
    const auto r = static_cast<int>(rest.size());
    return {start[static_cast<std::size_t>(k / (r * r))], rest[static_cast<std::size_t>(k / r % r)],
            rest[static_cast<std::size_t>(k % r)]};
}

std::string ManyAttributes(int count) {
    std::string text = "<gesmes:Envelope";
    for (int k = 0; k < count; ++k) text += ' ' + NameOf(k) + "=''";
    return text + ">" + RatesBody + "</gesmes:Envelope>";
}

std::string ManyRates(int count) {
    std::string text = "<gesmes:Envelope><Cube><Cube time='2026-12-07'>";
    for (int k = 0, written = 0; written < count; ++k) {
        const std::string code{char('A' + k / 676 % 26), char('A' + k / 26 % 26),
                               char('A' + k % 26)};
        if (code == "EUR") continue;
        text += "<Cube currency='" + code + "' rate='1.5'/>";
        ++written;
    }
    return text + "</Cube></Cube></gesmes:Envelope>";
}

// CPU seconds of this thread, which other programs on a busy machine do not
// add to as they add to the time on the clock.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds to read `text` once, from `times` reads in a row.
double SecondsToRead(const std::string& text, int times) {
    const double start = ThreadSeconds();
    for (int k = 0; k < times; ++k) {
        const EcbRatesParse parse = ParseEcbRates(text, Now);
        if (!parse.rates) {
            std::fprintf(stderr, "refused: %s\n", parse.error.c_str());
            std::exit(1);
        }
    }
    return (ThreadSeconds() - start) / times;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool Report(const char* shape, int n, const std::string& once, const std::string& twice, int runs,
            int times) {
    std::vector<double> atN, at2N;
    for (int run = 0; run < runs; ++run) {
        atN.push_back(SecondsToRead(once, times));
        at2N.push_back(SecondsToRead(twice, times));
    }
    const double ratio = Median(at2N) / Median(atN);
    std::printf(
        "%-10s N = %6d (%7zu bytes): median %8.3f ms   2N (%7zu bytes): median %8.3f ms"
        "   ratio %.2f (target <= %.1f) %s\n",
        shape, n, once.size(), Median(atN) * 1e3, twice.size(), Median(at2N) * 1e3, ratio,
        TargetRatio, ratio <= TargetRatio ? "ok" : "MISSED");
    return ratio <= TargetRatio;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 9;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
    const int attributes = 70000, rates = 8000;
    bool ok = Report("attributes", attributes, ManyAttributes(attributes),
                     ManyAttributes(2 * attributes), runs, 2);
    ok = Report("rates", rates, ManyRates(rates), ManyRates(2 * rates), runs, 20) && ok;
    return ok ? 0 : 1;
}
