// Start-up cost of mezura-convert against GNU units on one conversion, as a
// script calling it once per value would pay it.
//
//   bench_cli_startup [--runs R]
//
// Runs `mezura-convert 1 Kilometers Miles` and `units -t '1 km' mile` R times
// each, alternating so that both see the same machine, and takes the CPU
// time (user + system) of every whole process from wait4(). Reports the
// medians and their ratio next to the target: at most 0.5.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double TargetRatio = 0.5;

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
    const std::vector<std::string> gnu{"units", "-t", "1 km", "mile"};
    std::vector<double> ours, theirs;
    CpuSecondsOf(mezura);  // both binaries in the page cache before timing
    CpuSecondsOf(gnu);
    for (int run = 0; run < runs; ++run) {
        ours.push_back(CpuSecondsOf(mezura));
        theirs.push_back(CpuSecondsOf(gnu));
    }
    fs::remove_all(config);

    const double mine = Median(ours);
    const double units = Median(theirs);
    std::printf("one conversion as a whole process, CPU time (user + system), %d runs each\n",
                runs);
    std::printf("%-40s median %8.3f ms\n", "mezura-convert 1 Kilometers Miles", mine * 1e3);
    std::printf("%-40s median %8.3f ms\n", "units -t '1 km' mile", units * 1e3);
    std::printf("ratio mezura-convert / GNU units: %.2f  (target: at most %.1f)  %s\n",
                mine / units, TargetRatio, mine / units <= TargetRatio ? "met" : "NOT MET");
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_cli_startup: %s\n", e.what());
    return 1;
}
