// `mezura QUERY`, as the desktop search's "Open in Mezura" starts the window.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "profile_keys.h"

namespace {

class StartQueryTest : public MainWindowTest {};

TEST_F(StartQueryTest, StartsOnTheCategoryUnitsAndValueOfTheQuery) {
    struct Row {
        const char* query;
        const char* category;
        const char* from;
        const char* to;
        const char* input;
        const char* output;
    };
    // Outputs from GNU units: 5 km / mi, (100 - 32) * 5/9, 3.2 lbf / N,
    // kg/m^3 / lb/ft^3, (72 - 32) * 5/9. An expression opens on the same
    // conversion between the listed units of its sizes; a bare F with no
    // target is the temperature.
    const Row rows[] = {
        {"5 km to mi", "Distance", "Kilometers", "Miles", "5", "3.1068559611867"},
        {"100 °F in °C", "Temperature", "Fahrenheit", "Celsius", "100", "37.777777777778"},
        {"3.2 pound force n", "Force", "Pound Force", "Newtons", "3.2", "14.234309168834"},
        {"5 km", "Distance", "Kilometers", "Miles", "5", "3.1068559611867"},
        {"1 kg/m^3 to lb/ft^3", "Density", "Kilograms/meter\xB3", "Pound/foot\xB3", "1",
         "0.062427960576145"},
        {"3*12 in to ft", "Distance", "Inches", "Feet", "36", "3"},
        {"72 F", "Temperature", "Fahrenheit", "Celsius", "72", "22.222222222222"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.query);
        Start();
        Window().StartOn(row.query);
        EXPECT_EQ(Categories().SelectedText(), row.category);
        EXPECT_EQ(InputUnits().TextAt(InputUnits().SelectedPosition()), row.from);
        EXPECT_EQ(OutputUnits().TextAt(OutputUnits().SelectedPosition()), row.to);
        EXPECT_EQ(InputEdit().text().toStdString(), row.input);
        EXPECT_EQ(OutputEdit().text().toStdString(), row.output);
        window_.reset();
        app_.reset();
    }
}

TEST_F(StartQueryTest, AHiddenCategoryIsShownAndRememberedOnlyOnANormalClose) {
    Start(
        "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Mass\r\n"
        "[Distance]\r\nVisibility=0\r\n");
    ASSERT_LT(Categories().FindExact("Distance"), 0);
    Window().StartOn("5 km to mi");
    EXPECT_EQ(Categories().SelectedText(), "Distance");
    EXPECT_EQ(OutputEdit().text().toStdString(), "3.1068559611867");
    EXPECT_EQ(ReadProfileKeys()["Settings"]["LastCategory"], "Mass");
    Window().close();
    EXPECT_EQ(ReadProfileKeys()["Settings"]["LastCategory"], "Distance");
    EXPECT_EQ(ReadProfileKeys()["Distance"]["Visibility"], "0");
}

TEST_F(StartQueryTest, TextThatIsNoConversionStartsAsUsual) {
    Start();
    const std::string category = Categories().SelectedText();
    // An expression no category lists units of both sizes for is no
    // conversion the window can show.
    for (const char* query :
         {"hello", "km to mi", "5 zorkmids", "", "1 J/(mol*K) to cal/(mol*K)"}) {
        Window().StartOn(query);
        EXPECT_EQ(Categories().SelectedText(), category) << query;
        EXPECT_EQ(InputEdit().text().toStdString(), "0") << query;
    }
}

}  // namespace
