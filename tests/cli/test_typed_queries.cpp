// mezura-convert as people type a query: the built binary, with its own empty
// configuration folder, or with a profile written here byte by byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

namespace fs = std::filesystem;

class TypedQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mezura-typed-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "config");
        fs::create_directories(dir_ / "scratch");
    }
    void TearDown() override { fs::remove_all(dir_); }

    ProgramRun Run(std::vector<std::string> arguments, const std::string& input = {}) {
        if (!profile_.empty()) arguments.insert(arguments.begin(), {"--profile", profile_});
        return RunProgram(MEZURA_CONVERT_PATH, arguments, input,
                          {"XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                           "XDG_CACHE_HOME=" + (dir_ / "cache").string(), "HOME=" + dir_.string()},
                          dir_ / "scratch");
    }

    // The profile every later Run reads: lines joined with CRLF, Windows-1252 bytes.
    void UseProfile(const std::vector<std::string>& lines) {
        profile_ = (dir_ / "profile.ini").string();
        std::ofstream out(profile_, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
    }

    fs::path dir_;
    std::string profile_;
};

// What a run printed and how it ended, for one comparison.
struct Outcome {
    std::string out;
    int status;
    bool operator==(const Outcome&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "status " << o.status << ", out \"" << o.out << "\"";
}
Outcome Of(const ProgramRun& run) { return {run.out, run.status}; }

}  // namespace

// Names a profile may hold from before they were refused: each still loads
// and converts when named exactly as written, and never takes a query's
// words or signs over.
TEST_F(TypedQueryTest, ProfileNamesLikeTheGrammarAreMatchedOnlyAsWritten) {
    UseProfile({"[Settings]", "Custom_1=In", "[Volume]", "CustomUnits=1", "CustomUnit_1=To",
                "CustomValue_1=946.35294600000000", "[Distance]", "CustomUnits=1",
                "CustomUnit_1=Ft+in", "CustomValue_1=1000.00000000000000", "[In]", "CustomUnits=1",
                "CustomUnit_1=Per", "CustomValue_1=1.00000000000000"});
    // Exactly as written: the profile's units, 1 To = 2 pints, 1 Ft+in = 10 m.
    EXPECT_EQ(Of(Run({"2", "To", "Pints"})), (Outcome{"4\n", 0}));
    EXPECT_EQ(Of(Run({"1", "Ft+in", "Meters"})), (Outcome{"10\n", 0}));
    EXPECT_EQ(Of(Run({"--category", "In", "3", "Per", "Per"})), (Outcome{"3\n", 0}));
    // In another case, or as a word of a phrase, the grammar's.
    EXPECT_EQ(Of(Run({"2 to pints"})).status, 2);
    EXPECT_EQ(Of(Run({"2 to pints"})).out, "");
    EXPECT_EQ(Of(Run({"2", "to", "Pints"})).status, 2);
    const Outcome list{"5 ft 8.8976377952756 in\n", 0};
    EXPECT_EQ(Of(Run({"1.75", "m", "ft+in"})), list);
    EXPECT_EQ(Of(Run({"1.75 m to ft+in"})), list);
    EXPECT_EQ(Of(Run({"--batch"}, "1.75\tm\tft+in\n")), list);
    EXPECT_EQ(Of(Run({"--category", "in", "3", "Per", "Per"})).status, 2);
}
