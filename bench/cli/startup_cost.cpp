// Start-up cost of mezura-convert on one conversion, as a script calling it
// once per value would pay it, against the least any C++ program pays to
// print one double (bench_cli_minimal, built alike) and against GNU units.
//
//   bench_cli_startup [--runs R]
//
// Runs `mezura-convert 1 Kilometers Miles`, `bench_cli_minimal 1` and
// `units -t '1 km' mile` R times each, in turn so that all see the same
// machine, and takes the CPU time (user + system) of every whole process
// from wait4(). Reports the medians and their ratios next to the targets: at
// most 1.2 times the minimal program, at most 0.5 times GNU units. Where
// valgrind is installed it also counts the instructions of one run of each
// (callgrind), which no load on the machine disturbs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double TargetRatio = 0.5;         // against GNU units
constexpr double TargetMinimalRatio = 1.2;  // against the minimal program

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// CPU seconds of one run, its output thrown away; throws when it fails.
double CpuSecondsOf(const std::vector<std::string>& command) {
    std::vector<std::string> text = command;
    std::vector<char*> argv;
    for (auto& a : text) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) throw std::runtime_error("cannot start " + command[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command[0] + " failed");
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

// Instructions of one run under callgrind; 0 when valgrind cannot tell.
double InstructionsOf(const std::vector<std::string>& command) {
    std::string line = "valgrind --tool=callgrind --callgrind-out-file=/dev/null";
    for (const std::string& part : command) line += " '" + part + "'";
    line += " 2>&1 >/dev/null";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return 0;
    double collected = 0;
    char text[512];
    while (std::fgets(text, sizeof text, pipe) != nullptr) {
        if (const char* at = std::strstr(text, "Collected :")) collected = std::atof(at + 11);
    }
    pclose(pipe);
    return collected;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) try {
    int runs = 301;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string_view(argv[i]) != "--runs")
            throw std::runtime_error("unknown option " + std::string(argv[i]));
        runs = std::max(1, std::atoi(argv[i + 1]));
    }
    if (std::system("units -V >/dev/null 2>&1") != 0) {
        std::printf("GNU units is not installed: no comparison\n");
        return 0;
    }
    // An empty configuration folder: the user's own profile plays no part.
    const fs::path config =
        fs::temp_directory_path() / ("mezura-bench-startup-" + std::to_string(::getpid()));
    fs::create_directories(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    const std::vector<std::string> mezura{MEZURA_CONVERT_PATH, "1", "Kilometers", "Miles"};
    const std::vector<std::string> minimal{MEZURA_MINIMAL_PATH, "1"};
    const std::vector<std::string> gnu{"units", "-t", "1 km", "mile"};
    std::vector<double> ours, least, theirs;
    CpuSecondsOf(mezura);  // every binary in the page cache before timing
    CpuSecondsOf(minimal);
    CpuSecondsOf(gnu);
    for (int run = 0; run < runs; ++run) {
        ours.push_back(CpuSecondsOf(mezura));
        least.push_back(CpuSecondsOf(minimal));
        theirs.push_back(CpuSecondsOf(gnu));
    }

    const double mine = Median(ours);
    const double floor = Median(least);
    const double units = Median(theirs);
    std::printf("one conversion as a whole process, CPU time (user + system), %d runs each\n",
                runs);
    std::printf("%-40s median %8.3f ms\n", "mezura-convert 1 Kilometers Miles", mine * 1e3);
    std::printf("%-40s median %8.3f ms\n", "minimal C++ program printing a double", floor * 1e3);
    std::printf("%-40s median %8.3f ms\n", "units -t '1 km' mile", units * 1e3);
    std::printf("ratio mezura-convert / minimal program: %.2f  (target: at most %.1f)  %s\n",
                mine / floor, TargetMinimalRatio,
                mine / floor <= TargetMinimalRatio ? "met" : "NOT MET");
    std::printf("ratio mezura-convert / GNU units: %.2f  (target: at most %.1f)  %s\n",
                mine / units, TargetRatio, mine / units <= TargetRatio ? "met" : "NOT MET");

    if (std::system("valgrind --version >/dev/null 2>&1") == 0) {
        const double mineCount = InstructionsOf(mezura);
        const double floorCount = InstructionsOf(minimal);
        if (mineCount > 0 && floorCount > 0)
            std::printf(
                "instructions (callgrind): mezura-convert %.0f, minimal program %.0f, "
                "ratio %.2f\n",
                mineCount, floorCount, mineCount / floorCount);
    }
    fs::remove_all(config);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_cli_startup: %s\n", e.what());
    return 1;
}
