#pragma once
// Comparisons with GNU units, the reference program: a test that runs
// `mezura-convert --batch` and `units -t` over the same conversions, each
// once, in a folder of its own, and reads their answers line by line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"

// A value as both programs read it: ten significant digits.
inline std::string Text(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

class GnuUnitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("units --version >/dev/null 2>&1") != 0) {
            // scripts/setup installs it: without it these comparisons would prove nothing.
            FAIL() << "GNU units is not installed (scripts/setup installs it)";
        }
        dir_ = std::filesystem::temp_directory_path() /
               ("mezura-gnu-units-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_ / "config");
    }
    void TearDown() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }

    // mezura-convert's answers to the `batch` lines, one a line, with nothing on stderr.
    std::vector<std::string> Mezura(const std::vector<std::string>& options,
                                    const std::string& batch) {
        std::vector<std::string> arguments = options;
        arguments.push_back("--batch");
        const ProgramRun run = RunProgram(MEZURA_CONVERT_PATH, arguments, batch,
                                          {"XDG_CONFIG_HOME=" + (dir_ / "config").string()}, dir_);
        EXPECT_EQ(run.err, "");
        return Lines(run.out);
    }

    // GNU units' answers to `pairs` of "VALUE FROM" and "TO" lines, one a
    // pair, written with `digits` significant digits.
    std::vector<std::string> Units(const std::string& pairs, int digits) {
        const ProgramRun run =
            RunProgram("/usr/bin/env", {"units", "-t", "-d", std::to_string(digits)}, pairs,
                       {"LC_ALL=C"}, dir_);
        EXPECT_EQ(run.status, 0) << run.err;
        return Lines(run.out);
    }

    std::filesystem::path dir_;
};
