// Batch throughput of mezura-convert, in lines per second.
//
//   bench_cli_batch [--lines N] [--runs R] [--units-lines M] [--bad-lines B]
//
// 1. N lines over every unit of every built-in category (a random pair of
//    one category a line, typical value texts, the category given on half
//    of the lines and always where the pair needs it), converted R times by
//    `mezura-convert --batch` into a file; the median, fastest and slowest
//    rates are reported.
// 2. The same lines with the unit names as people type them: an alias of the
//    unit where it has one, or the name in other case (with the category).
// 3. B lines of which every FROM is misspelt (one letter replaced, so no
//    unit matches), against B good lines: the CPU time of both and its
//    ratio, since a bad line should cost about what a good one does. The
//    misspellings come from a pool of 1,000, as the same slips recur in
//    real data; a second figure draws every one afresh.
// 4. B lines of mixed values (sums such as "5 ft 3 in", lists such as
//    "ft+in", fractions such as "3/4", with and without --fraction 16)
//    against B plain lines over the same units: the median CPU time of
//    both, runs interleaved, and the ratio per line (the aim is at most 2).
// 5. B lines of prefixed units the lists do not hold ("kJ", "GWh") and B
//    lines of expressions ("kg/m^3", "10 km / 2 h"), each against B plain
//    lines over listed units of the same categories: median CPU times, runs
//    interleaved, and the ratios (the aims: 1.2 and 3).
// 6. When GNU units is installed: M lines over the units both programs know,
//    converted by `mezura-convert --batch` and by `units -t` (which reads
//    "VALUE FROM" and "TO" line pairs), R times each; medians of both.
//
// Wall-clock time of the whole process, start-up included, as a script
// would see it. Run it on a quiet machine: it measures one core.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "gnu_units_names.h"
#include "text_1252.h"
#include "unit_lookup.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// No negative value: in Temperature it may lie below absolute zero, which is
// refused.
constexpr const char* ValueTexts[] = {"1",     "2.5",  "40",      "1e3", "123.456",
                                      "0.001", "98.6", "1000000", "7"};

struct Options {
    long lines = 2'000'000;
    int runs = 7;
    long unitsLines = 100'000;
    long badLines = 1'000'000;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const long value = std::atol(argv[i + 1]);
        if (name == "--lines")
            options.lines = std::max(1L, value);
        else if (name == "--runs")
            options.runs = static_cast<int>(std::max(1L, value));
        else if (name == "--units-lines")
            options.unitsLines = std::max(1L, value);
        else if (name == "--bad-lines")
            options.badLines = std::max(1L, value);
        else
            throw std::runtime_error("unknown option " + std::string(name));
    }
    return options;
}

// For each row and position: the unit's name stands in more than one category.
// The built-in catalogue the inputs are written from (no profile).
const Catalogue& Builtin() {
    static const Catalogue catalogue;
    return catalogue;
}

std::vector<std::vector<bool>> NamesInSeveralCategories() {
    std::vector<std::vector<bool>> several(BuiltinCategoryCount);
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        several[row].resize(RowEntryCount);
        for (int position = 1; position <= Builtin().UnitCount(row); ++position) {
            int rows = 0;
            for (int other = 0; other < BuiltinCategoryCount; ++other)
                rows += Builtin().UnitByName(other, Builtin().Name(row, position)) ? 1 : 0;
            several[row][position] = rows > 1;
        }
    }
    return several;
}

enum class Naming { Exact, AsTyped, FromMisspelt };

// A name as people type it: one of its aliases, or else the name lower-cased.
std::string TypedName(int row, int position, std::mt19937& random) {
    const auto aliases = AliasesOf(Builtin(), row, position);
    if (aliases.empty()) return Utf8FromCp1252(LowerCp1252(Builtin().Name(row, position)));
    std::uniform_int_distribution<std::size_t> anyAlias(0, aliases.size() - 1);
    return Utf8FromCp1252(aliases[anyAlias(random)]);
}

// The name with one letter replaced by another, so that it names nothing.
std::string MisspeltName(int row, int position, std::mt19937& random) {
    const std::string& name = Builtin().Name(row, position);
    std::uniform_int_distribution<std::size_t> anyPlace(0, name.size() - 1);
    std::uniform_int_distribution<int> anyLetter('a', 'z');
    for (;;) {
        std::string typo = name;
        typo[anyPlace(random)] = static_cast<char>(anyLetter(random));
        if (FindUnits(Builtin(), typo).empty() && AmbiguousCandidates(Builtin(), typo).empty())
            return Utf8FromCp1252(typo);
    }
}

std::string CatalogueInput(long lines, std::mt19937& random, Naming naming = Naming::Exact,
                           std::size_t typoPool = 0) {
    const auto several = NamesInSeveralCategories();
    std::vector<std::string> typos;
    std::string input;
    std::uniform_int_distribution<int> anyRow(0, BuiltinCategoryCount - 1);
    std::uniform_int_distribution<std::size_t> anyValue(0, std::size(ValueTexts) - 1);
    for (long i = 0; i < lines; ++i) {
        const int row = anyRow(random);
        std::uniform_int_distribution<int> anyUnit(1, Builtin().UnitCount(row));
        const int p = anyUnit(random);
        const int q = anyUnit(random);
        std::string from = Utf8FromCp1252(Builtin().Name(row, p));
        std::string to = Utf8FromCp1252(Builtin().Name(row, q));
        if (naming == Naming::AsTyped) {
            from = TypedName(row, p, random);
            to = TypedName(row, q, random);
        } else if (naming == Naming::FromMisspelt) {
            if (typoPool == 0 || typos.size() < typoPool) {
                from = MisspeltName(row, p, random);
                typos.push_back(from);
            } else {
                std::uniform_int_distribution<std::size_t> anyTypo(0, typos.size() - 1);
                from = typos[anyTypo(random)];
            }
        }
        input += ValueTexts[anyValue(random)];
        input += '\t' + from + '\t' + to;
        if (i % 2 == 0 || several[row][p] || several[row][q] || naming == Naming::AsTyped)
            input += '\t' + Utf8FromCp1252(Builtin().Name(row, 0));
        input += '\n';
    }
    return input;
}

// The same conversions for both programs.
void SharedInputs(long lines, std::mt19937& random, std::string& ours, std::string& gnu) {
    std::uniform_int_distribution<std::size_t> anyName(0, GnuUnitNames.size() - 1);
    std::uniform_int_distribution<std::size_t> anyValue(0, std::size(ValueTexts) - 1);
    for (long i = 0; i < lines; ++i) {
        const GnuUnitName& from = GnuUnitNames[anyName(random)];
        const GnuUnitName* to = &GnuUnitNames[anyName(random)];
        while (std::string_view(to->category) != from.category) to = &GnuUnitNames[anyName(random)];
        const char* value = ValueTexts[anyValue(random)];
        ours +=
            std::string(value) + '\t' + from.unit + '\t' + to->unit + '\t' + from.category + '\n';
        gnu += std::string(value) + ' ' + from.gnu + '\n' + to->gnu + '\n';
    }
}

struct Times {
    double wall;  // seconds from start to exit
    double cpu;   // user and system seconds of the process
};

// Throws when the program fails (exits other than `status`); its messages
// go to /dev/null.
Times TimedRun(const std::vector<std::string>& command, const fs::path& input,
               const fs::path& output, int expectedStatus = 0) {
    std::vector<char*> argv;
    std::vector<std::string> text = command;
    for (auto& a : text) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + command[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus)
        throw std::runtime_error(command[0] + " failed on " + input.string());
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {elapsed.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

long CountLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return static_cast<long>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

struct Rates {
    double median, fastest, slowest;
};

Rates Measure(const std::vector<std::string>& command, const fs::path& input,
              const fs::path& output, long lines, int runs) {
    std::vector<double> rates;
    for (int run = 0; run < runs; ++run)
        rates.push_back(static_cast<double>(lines) / TimedRun(command, input, output).wall);
    if (CountLines(output) != lines)
        throw std::runtime_error(command[0] + " did not answer every line");
    std::sort(rates.begin(), rates.end());
    return {rates[rates.size() / 2], rates.back(), rates.front()};
}

void Report(const char* what, long lines, const Rates& r) {
    std::printf("%-44s %9ld lines  median %12.0f lines/s  (fastest %.0f, slowest %.0f)\n", what,
                lines, r.median, r.fastest, r.slowest);
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median CPU seconds of R runs.
double MedianCpu(const std::vector<std::string>& command, const fs::path& input,
                 const fs::path& output, int runs, int expectedStatus) {
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run)
        cpu.push_back(TimedRun(command, input, output, expectedStatus).cpu);
    return Median(std::move(cpu));
}

// A line of some kind beside a plain line over the same units.
struct Form {
    const char* other;  // printf pattern: whole numbers a, b, or a value v first
    const char* plain;
};

// Mixed values of every form.
constexpr Form MixedForms[] = {
    {"%d ft %d in\t\tcm\n", "%d\tft\tcm\n"},
    {"%d' %d 1/2\"\t\tm\n", "%d\tin\tm\n"},
    {"%g\tm\tft+in\n", "%g\tm\tft\n"},
    {"%g\tin\tyd+ft+in\n", "%g\tin\tyd\n"},
    {"%d st %d lb\t\tkg\n", "%d\tst\tkg\n"},
    {"%g\tkg\tlb;oz\n", "%g\tkg\tlb\n"},
    {"%d h %d min\t\ts\n", "%d\th\ts\n"},
    {"%g\ts\th+min+s\n", "%g\ts\th\n"},
    {"%d\xC2\xB0 %d\xE2\x80\xB2 10\xE2\x80\xB3\t\tdeg\n", "%d\tdeg\tarcmin\n"},
    {"%g\tdeg\t\xC2\xB0+\xE2\x80\xB2+\xE2\x80\xB3\n", "%g\tdeg\tarcmin\n"},
    {"%d %d/4\tin\tcm\n", "%d.%d\tin\tcm\n"},
};

// Prefixed units the lists do not hold, beside listed ones of the category.
constexpr Form PrefixedForms[] = {
    {"%g\tkJ\tkcal\n", "%g\tJ\tkcal\n"},
    {"%g\tGWh\tkWh\n", "%g\tWh\tkWh\n"},
    {"%g\tnF\tpF\n",
     "%g\t\xC2\xB5"
     "F\tpF\n"},
    {"%g\tMm\tmi\n", "%g\tkm\tmi\n"},
    {"%g\tng\tmg\n", "%g\tg\tmg\n"},
    {"%g\tkeV\teV\n", "%g\tJ\teV\n"},
};

// Products, quotients, powers and arithmetic, beside the listed units they equal.
constexpr Form ExpressionForms[] = {
    {"%g\tkg/m^3\tlb/ft^3\n", "%g\tkg/m3\tlb/ft3\n"},
    {"%g\tN*m\tft*lbf\n", "%g\tJ\tft lbf\n"},
    {"%g\tm/s^2\tft/s^2\n", "%g\tm/s2\tft/s2\n"},
    {"%g km / 2 h\t\tkm/h\n", "%g\tkm/h\tmph\n"},
    {"%g*12\tin\tft\n", "%g\tin\tft\n"},
    {"%g\tW/(m*K)\tBTU/(h*ft*\xC2\xB0"
     "F)\n",
     "%g\tW\tBTU/h\n"},
};

void OtherAndPlainInputs(std::span<const Form> forms, long lines, std::mt19937& random,
                         std::string& other, std::string& plain) {
    std::uniform_int_distribution<std::size_t> anyForm(0, forms.size() - 1);
    std::uniform_int_distribution<int> whole(1, 59);
    std::uniform_real_distribution<double> value(0.01, 5000);
    char text[128];
    for (long i = 0; i < lines; ++i) {
        const Form& form = forms[anyForm(random)];
        const int a = whole(random), b = whole(random) % 4;
        const double v = value(random);
        const bool takesValue = std::string_view(form.other).starts_with("%g");
        if (takesValue) {
            std::snprintf(text, sizeof text, form.other, v);
            other += text;
            std::snprintf(text, sizeof text, form.plain, v);
        } else {
            std::snprintf(text, sizeof text, form.other, a, b);
            other += text;
            std::snprintf(text, sizeof text, form.plain, a, b);
        }
        plain += text;
    }
}

bool HaveGnuUnits() { return std::system("units -V >/dev/null 2>&1") == 0; }

}  // namespace

int main(int argc, char** argv) try {
    const Options options = ParseOptions(argc, argv);
    const fs::path dir =
        fs::temp_directory_path() / ("mezura-bench-cli-" + std::to_string(::getpid()));
    fs::create_directories(dir / "config");
    // An empty configuration folder: the user's own profile plays no part.
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    std::mt19937 random(20240401);

    WriteFile(dir / "catalogue.txt", CatalogueInput(options.lines, random));
    const std::vector<std::string> mezura{MEZURA_CONVERT_PATH, "--batch"};
    std::printf("mezura-convert --batch, %d runs each\n", options.runs);
    Report("every built-in category", options.lines,
           Measure(mezura, dir / "catalogue.txt", dir / "out.txt", options.lines, options.runs));
    WriteFile(dir / "typed.txt", CatalogueInput(options.lines, random, Naming::AsTyped));
    Report("names as typed (aliases, any case)", options.lines,
           Measure(mezura, dir / "typed.txt", dir / "out.txt", options.lines, options.runs));

    WriteFile(dir / "good.txt", CatalogueInput(options.badLines, random));
    WriteFile(dir / "bad.txt",
              CatalogueInput(options.badLines, random, Naming::FromMisspelt, 1000));
    WriteFile(dir / "fresh.txt", CatalogueInput(options.badLines, random, Naming::FromMisspelt));
    const double good = MedianCpu(mezura, dir / "good.txt", dir / "out.txt", options.runs, 0);
    const double bad = MedianCpu(mezura, dir / "bad.txt", dir / "out.txt", options.runs, 1);
    const double fresh = MedianCpu(mezura, dir / "fresh.txt", dir / "out.txt", options.runs, 1);
    std::printf("%ld good lines: median %.3f s CPU\n", options.badLines, good);
    std::printf("%ld misspelt lines, 1,000 distinct slips: median %.3f s CPU, %.2f times\n",
                options.badLines, bad, bad / good);
    std::printf("%ld misspelt lines, every slip new: median %.3f s CPU, %.2f times\n",
                options.badLines, fresh, fresh / good);

    {
        std::string mixed, plain;
        OtherAndPlainInputs(MixedForms, options.badLines, random, mixed, plain);
        WriteFile(dir / "mixed.txt", mixed);
        WriteFile(dir / "plain.txt", plain);
        std::vector<std::string> sixteenths = mezura;
        sixteenths.insert(sixteenths.end(), {"--fraction", "16"});
        std::vector<double> plainCpu, mixedCpu, fractionCpu;
        for (int run = 0; run < options.runs; ++run) {
            plainCpu.push_back(TimedRun(mezura, dir / "plain.txt", dir / "out.txt").cpu);
            mixedCpu.push_back(TimedRun(mezura, dir / "mixed.txt", dir / "out.txt").cpu);
            fractionCpu.push_back(TimedRun(sixteenths, dir / "mixed.txt", dir / "out.txt").cpu);
        }
        const double p = Median(plainCpu), m = Median(mixedCpu), f = Median(fractionCpu);
        std::printf("%ld plain lines (same units): median %.3f s CPU, %.0f ns a line\n",
                    options.badLines, p, p / static_cast<double>(options.badLines) * 1e9);
        std::printf("%ld mixed lines: median %.3f s CPU, %.2f times a plain line\n",
                    options.badLines, m, m / p);
        std::printf("%ld mixed lines, --fraction 16: median %.3f s CPU, %.2f times a plain line\n",
                    options.badLines, f, f / p);
    }

    for (const auto& [kind, forms] :
         {std::pair{"prefixed", std::span<const Form>(PrefixedForms)},
          std::pair{"expression", std::span<const Form>(ExpressionForms)}}) {
        std::string other, plain;
        OtherAndPlainInputs(forms, options.badLines, random, other, plain);
        WriteFile(dir / "other.txt", other);
        WriteFile(dir / "plain.txt", plain);
        std::vector<double> plainCpu, otherCpu;
        for (int run = 0; run < options.runs; ++run) {
            plainCpu.push_back(TimedRun(mezura, dir / "plain.txt", dir / "out.txt").cpu);
            otherCpu.push_back(TimedRun(mezura, dir / "other.txt", dir / "out.txt").cpu);
        }
        const double p = Median(plainCpu), o = Median(otherCpu);
        std::printf("%ld %s lines: median %.3f s CPU, %.2f times a plain line (%.3f s)\n",
                    options.badLines, kind, o, o / p, p);
    }

    if (HaveGnuUnits()) {
        std::string ours, gnu;
        SharedInputs(options.unitsLines, random, ours, gnu);
        WriteFile(dir / "shared.txt", ours);
        WriteFile(dir / "shared-gnu.txt", gnu);
        const Rates mine =
            Measure(mezura, dir / "shared.txt", dir / "out.txt", options.unitsLines, options.runs);
        const Rates theirs = Measure({"units", "-t", "-o", "%.14g"}, dir / "shared-gnu.txt",
                                     dir / "out-gnu.txt", options.unitsLines, options.runs);
        Report("shared units: mezura-convert --batch", options.unitsLines, mine);
        Report("shared units: GNU units -t", options.unitsLines, theirs);
        std::printf("mezura-convert is %.0f times as fast as GNU units on the same conversions\n",
                    mine.median / theirs.median);
    } else {
        std::printf("GNU units is not installed: no comparison\n");
    }
    fs::remove_all(dir);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_cli_batch: %s\n", e.what());
    return 1;
}
