// mezura-convert against a profile that another program keeps replacing
// (write a copy, rename it over the file, as every careful writer does):
// each run answers from one version of the file, never from parts of two.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "run_program.h"

namespace {

namespace fs = std::filesystem;

// Two custom units whose factors the two versions swap: a run that read one
// factor from each version prints neither version's answer. The padding
// makes each read of the file take a while, so a replace lands between two.
std::string Profile(const char* pace, const char* step) {
    std::string text = "[Distance]\r\nCustomUnits=2\r\nCustomUnit_1=Pace\r\nCustomValue_1=";
    text += pace;
    text += "\r\nCustomUnit_2=Step\r\nCustomValue_2=";
    text += step;
    text += "\r\n";
    for (int line = 0; line < 20000; ++line) text += "; padding of a profile edited by hand\r\n";
    return text;
}

void Replace(const fs::path& path, const std::string& text) {
    const fs::path copy = path.string() + ".new";
    std::ofstream(copy, std::ios::binary) << text;
    fs::rename(copy, path);
}

TEST(ProfileReplacedTest, EveryRunAnswersFromOneVersion) {
    const fs::path dir =
        fs::temp_directory_path() / ("mezura-replaced-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "scratch");
    const fs::path profile = dir / "team.INI";
    const std::string versions[] = {Profile("2", "3"), Profile("5", "1")};
    Replace(profile, versions[0]);

    std::atomic<bool> done = false;
    std::atomic<int> replaced = 0;
    std::thread writer([&] {
        for (int n = 1; !done; ++n, ++replaced) Replace(profile, versions[n % 2]);
    });
    const std::set<std::string> convertAnswers = {"0.66666666666667\n", "5\n"};
    int runs = 0, strange = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (std::chrono::steady_clock::now() < until) {
        const ProgramRun run =
            RunProgram(MEZURA_CONVERT_PATH, {"--profile", profile.string(), "1", "Pace", "Step"},
                       {}, {}, dir / "scratch");
        ++runs;
        if (run.status != 0 || !convertAnswers.contains(run.out)) {
            ++strange;
            ADD_FAILURE() << "neither version's answer: \"" << run.out << "\" " << run.err;
            if (strange > 3) break;
        }
    }
    done = true;
    writer.join();
    fs::remove_all(dir);
    EXPECT_GT(runs, 20);
    // The file was replaced while the runs read it, many times over.
    EXPECT_GT(replaced, runs);
}

}  // namespace
