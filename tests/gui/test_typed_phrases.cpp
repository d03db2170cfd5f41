// One phrase, three ways in: `mezura-convert 'PHRASE'`, the desktop search
// and `mezura PHRASE` must read the same value from it. Each of them once
// read the number its own way, and the search and the window took "3/4" for 3.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "run_program.h"
#include "search_answers.h"

namespace {

namespace fs = std::filesystem;

class TypedPhrasesTest : public MainWindowTest {
protected:
    fs::path Folder() const { return folder_.path().toStdString(); }

    // The result text and the status of mezura-convert on the same profile.
    ProgramRun Convert(const std::string& phrase) {
        fs::create_directories(Folder() / "scratch");
        return RunProgram(
            MEZURA_CONVERT_PATH, {phrase}, {},
            {"XDG_CONFIG_HOME=" + Folder().string(),
             "XDG_CACHE_HOME=" + (Folder() / "cache").string(), "HOME=" + Folder().string()},
            Folder() / "scratch");
    }
    std::vector<SearchAnswer> Search(const std::string& phrase) {
        SearchAnswers answers(ProfilePath(), (Folder() / "cache" / "rates").string());
        return answers.Answer(phrase);
    }
};

// Values from GNU units: `units -t '3/4 mi' km`, `units -t '1|3 hr' min`,
// `units -t '1.5 ft' in`, `units -t '5 ft + 3 in' cm`.
TEST_F(TypedPhrasesTest, TheCliTheSearchAndTheWindowReadTheSameValue) {
    struct Row {
        const char* phrase;
        const char* result;
        const char* unit;
        const char* typed;  // what the window's input field shows
    };
    const Row rows[] = {
        {"3/4 mi to km", "1.207008", "Kilometers", "0.75"},
        {"1/3 h to min", "20", "Minutes", "0.3333333333333333"},
        {"1 1/2 ft in in", "18", "Inches", "1.5"},
        {"-1 1/2 ft to in", "-18", "Inches", "-1.5"},
        {"3/4 mi km", "1.207008", "Kilometers", "0.75"},
        {"5 km to mi", "3.1068559611867", "Miles", "5"},
        {"2.5e1 in to cm", "63.5", "Centimeters", "2.5e1"},
    };
    Start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.phrase);
        const ProgramRun cli = Convert(row.phrase);
        EXPECT_EQ(cli.status, 0) << cli.err;
        EXPECT_EQ(cli.out, std::string(row.result) + "\n");

        const std::vector<SearchAnswer> found = Search(row.phrase);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].value, row.result);
        EXPECT_EQ(found[0].unit, row.unit);

        Window().StartOn(row.phrase);
        EXPECT_EQ(OutputEdit().text().toStdString(), row.result);
        EXPECT_EQ(OutputUnits().TextAt(OutputUnits().SelectedPosition()), row.unit);
        EXPECT_EQ(InputEdit().text().toStdString(), row.typed);
    }
}

// A fraction that does not read is refused everywhere, never taken for
// its leading number.
TEST_F(TypedPhrasesTest, ABadFractionMeansNothingAnywhere) {
    Start();
    const std::string shown = OutputEdit().text().toStdString();
    for (const char* phrase : {"1/0 ft to in", "0/0 ft to in", "1/2/3 ft to in", "1 -1/2 ft to in",
                               "1/1e5 ft to in", "1/0 ft"}) {
        SCOPED_TRACE(phrase);
        EXPECT_EQ(Convert(phrase).status, 2);
        EXPECT_TRUE(Search(phrase).empty());
        Window().StartOn(phrase);
        EXPECT_EQ(InputEdit().text().toStdString(), "0");
        EXPECT_EQ(OutputEdit().text().toStdString(), shown);
    }
}

}  // namespace
