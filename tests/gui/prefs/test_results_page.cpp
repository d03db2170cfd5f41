// The Result Format tab: modes, precision, the live preview, and what OK stores.
#include <QFontInfo>
#include <QTest>

#include "file_call_counter.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "profile_store.h"
#include "result_format.h"
#include "results_page.h"

using ResultsPageTest = PrefsTest;

namespace {

constexpr int ResultFormatTab = 1;

struct PreviewRow {
    int precision;
    const char* scientific;
    const char* fixed;
};

const PreviewRow PreviewTable[] = {
    {1, "1.2e+002", "123.5"},
    {2, "1.23e+002", "123.46"},
    {3, "1.235e+002", "123.457"},
    {4, "1.2346e+002", "123.4568"},
    {5, "1.23457e+002", "123.45679"},
    {6, "1.234568e+002", "123.456790"},
    {7, "1.2345679e+002", "123.4567898"},
    {8, "1.23456790e+002", "123.45678977"},
    {9, "1.234567898e+002", "123.456789769"},
};

struct Opening {
    const char* name;
    const char* profile;  // as the window starts
    int checkedFormat;    // -1 none
    int precisionRow;     // -1 none
    bool comboEnabled;
    const char* preview;
};

const Opening OpeningCases[] = {
    {"nothing stored", "", 0, 4, false, "123.45678976898"},
    {"Scientific 3", "[Settings]\r\nFormat=1\r\nPrecision=3\r\n", 1, 2, true, "1.235e+002"},
    {"Fixed 9", "[Settings]\r\nFormat=2\r\nPrecision=9\r\n", 2, 8, true, "123.456789769"},
    // What the window did not take, the page does not show either.
    {"Format out of range", "[Settings]\r\nFormat=3\r\nPrecision=4\r\n", 0, 3, false,
     "123.45678976898"},
    {"Precision out of range", "[Settings]\r\nFormat=2\r\nPrecision=2147483647\r\n", 2, 4, true,
     "123.45679"},
};

int CheckedFormat(const ResultsPage& page) {
    if (page.autoRadio_.isChecked()) return 0;
    if (page.scientificRadio_.isChecked()) return 1;
    if (page.fixedRadio_.isChecked()) return 2;
    return -1;
}

}  // namespace

TEST_F(ResultsPageTest, OpensOnTheWindowsFormatAndPrecision) {
    for (const Opening& c : OpeningCases) {
        SCOPED_TRACE(c.name);
        WriteProfile(c.profile);
        StartWindow();
        RunPreferences([&](PreferencesSheet& sheet) {
            ShowTab(sheet, ResultFormatTab);
            const ResultsPage& page = sheet.resultsPage_;
            EXPECT_EQ(CheckedFormat(page), c.checkedFormat);
            EXPECT_EQ(page.precisionCombo_.currentIndex(), c.precisionRow);
            EXPECT_EQ(page.precisionCombo_.isEnabled(), c.comboEnabled);
            EXPECT_EQ(page.preview_.text(), c.preview);
            // The whole text shows, in the bold face too.
            EXPECT_GE(page.preview_.width(), page.preview_.sizeHint().width());
        });
        QuitWindow();
    }
}

TEST_F(ResultsPageTest, PreviewFollowsEveryModeAndPrecision) {
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        ResultsPage& page = sheet.resultsPage_;
        for (const PreviewRow& row : PreviewTable) {
            SCOPED_TRACE(row.precision);
            Click(page.scientificRadio_);
            ChooseByKeys(page.precisionCombo_, row.precision - 1);
            EXPECT_EQ(page.preview_.text(), row.scientific);
            Click(page.fixedRadio_);
            EXPECT_EQ(page.preview_.text(), row.fixed);
            EXPECT_TRUE(page.precisionCombo_.isEnabled());
            Click(page.autoRadio_);
            EXPECT_EQ(page.preview_.text(), "123.45678976898");
            EXPECT_FALSE(page.precisionCombo_.isEnabled());
        }
    });
}

TEST_F(ResultsPageTest, ChoosingAPrecisionUpdatesThePreviewAtOnce) {
    WriteProfile("[Settings]\r\nFormat=1\r\nPrecision=5\r\n");
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        ResultsPage& page = sheet.resultsPage_;
        ChooseByKeys(page.precisionCombo_, 1);
        EXPECT_EQ(page.preview_.text(), "1.23e+002");
        EXPECT_EQ(page.precisionIndex_, 1);
        EXPECT_EQ(page.format_, 1);
    });
}

TEST_F(ResultsPageTest, ShowsTheWindowsSettingsNotTheFilesAndShowingWritesNothing) {
    WriteProfile("[Settings]\r\nFormat=1\r\nPrecision=3\r\nMixedUnits=TRUE\r\nInchFraction=64\r\n");
    StartWindow();
    // Another program rewrites the file while the window runs.
    WriteProfile("[Settings]\r\nFormat=2\r\nPrecision=9\r\n");
    const std::string stored = ProfileText();
    FileCalls written;
    RunPreferences([&](PreferencesSheet& sheet) {
        const FileCalls before = FileCallsSoFar();
        ShowTab(sheet, ResultFormatTab);
        written = FileCallsSince(before);
        const ResultsPage& page = sheet.resultsPage_;
        EXPECT_EQ(CheckedFormat(page), FormatScientific);
        EXPECT_EQ(page.precisionCombo_.currentIndex(), 2);
        EXPECT_TRUE(page.mixedUnitsCheck_.isChecked());
        EXPECT_EQ(page.inchFractionCombo_.currentText(), "1/64");
        EXPECT_EQ(page.preview_.text(),
                  "1.235e+002\n" + ResultsPage::MixedPreviewText(FormatScientific, 3, 64, false));
        PressCancel(sheet);
    });
    EXPECT_EQ(written.renames, 0);
    EXPECT_EQ(ProfileText(), stored);
}

TEST_F(ResultsPageTest, PreviewIsBoldArialTenPoints) {
    EXPECT_EQ(ResultsPage::PreviewFontHeight(96), -13);
    EXPECT_EQ(ResultsPage::PreviewFontHeight(120), -16);
    EXPECT_EQ(ResultsPage::PreviewFontHeight(72), -10);
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        const ResultsPage& page = sheet.resultsPage_;
        ASSERT_NE(page.previewFont_, nullptr);
        EXPECT_EQ(page.previewFont_->family(), "Arial");
        EXPECT_EQ(page.preview_.font().pixelSize(),
                  -ResultsPage::PreviewFontHeight(page.logicalDpiY()));
        EXPECT_TRUE(QFontInfo(page.preview_.font()).bold());
    });
}

TEST_F(ResultsPageTest, OkStoresPrecisionThenFormatAndCancelNothing) {
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.resultsPage_.fixedRadio_);
        ChooseByKeys(sheet.resultsPage_.precisionCombo_, 6);
        PressCancel(sheet);
    });
    EXPECT_EQ(Stored("Settings", "Format"), "(absent)");
    EXPECT_EQ(Stored("Settings", "Precision"), "(absent)");
    EXPECT_EQ(Window().Style(), ResultStyle{});

    FileCalls written;
    RunPreferences([&](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.resultsPage_.fixedRadio_);
        ChooseByKeys(sheet.resultsPage_.precisionCombo_, 6);
        const FileCalls before = FileCallsSoFar();
        PressOk(sheet);
        written = FileCallsSince(before);
    });
    EXPECT_EQ(written.renames, 1) << "both keys in one replace of the file";
    EXPECT_LE(written.fsyncs, 2);
    const std::string text = ProfileText();
    const size_t precision = text.find("Precision=7");
    const size_t format = text.find("Format=2");
    ASSERT_NE(precision, std::string::npos);
    ASSERT_NE(format, std::string::npos);
    EXPECT_LT(precision, format);
    EXPECT_EQ(Window().Style(), (ResultStyle{FormatFixed, 7}));
}

TEST_F(ResultsPageTest, ControlsCarryTheirTemplateTexts) {
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        const ResultsPage& page = sheet.resultsPage_;
        EXPECT_EQ(page.formatFrame_.Title(), "Select the format of the results     ");
        EXPECT_EQ(page.autoRadio_.text(), "AutoFormat");
        EXPECT_EQ(page.scientificRadio_.text(), "Scientific");
        EXPECT_EQ(page.fixedRadio_.text(), "Fixed");
        EXPECT_EQ(page.precisionLabel_.text(), "Set decimal precision ");
        EXPECT_EQ(page.previewFrame_.Title(), " Preview ");
        ASSERT_EQ(page.precisionCombo_.count(), 9);
        for (int row = 0; row < 9; ++row)
            EXPECT_EQ(page.precisionCombo_.itemText(row), QString::number(row + 1));
    });
}

TEST_F(ResultsPageTest, MixedUnitsOptionPreviewsStoresAndReachesTheWindow) {
    StartWindow();
    ChooseMainCategory("Distance");
    FileCalls written;
    RunPreferences([&](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        ResultsPage& page = sheet.resultsPage_;
        EXPECT_FALSE(page.mixedUnitsCheck_.isChecked());
        EXPECT_FALSE(page.inchFractionCombo_.isEnabled());
        EXPECT_EQ(page.inchFractionCombo_.currentText(), "1/16");
        EXPECT_EQ(page.preview_.text(), "123.45678976898");
        Click(page.mixedUnitsCheck_);
        EXPECT_TRUE(page.inchFractionCombo_.isEnabled());
        // 0.4567897689834 ft is 5.4814772278 in: 5 1/2 to the sixteenth,
        // 5 31/64 to the sixty-fourth; 0.4567897689834 h is 27 min 24.44316834 s.
        EXPECT_EQ(page.preview_.text(),
                  "123.45678976898\n123 ft 5 1/2 in   123 h 27 min 24.44316834 s");
        ChooseByKeys(page.inchFractionCombo_, 5);
        EXPECT_TRUE(page.preview_.text().contains("123 ft 5 31/64 in"));
        Click(page.fixedRadio_);
        EXPECT_TRUE(page.preview_.text().endsWith("123 h 27 min 24.44317 s"));
        Click(page.autoRadio_);
        const FileCalls before = FileCallsSoFar();
        PressOk(sheet);
        written = FileCallsSince(before);
    });
    EXPECT_EQ(Stored("Settings", "MixedUnits"), "TRUE");
    EXPECT_EQ(Stored("Settings", "InchFraction"), "64");
    EXPECT_EQ(written.renames, 2) << "the result format, then the mixed units";

    MainInput().clear();
    TypeInto(MainInput(), "1");
    // The first units of Distance: Angstrom to Angstrom, no mixed form.
    EXPECT_EQ(MainOutput().text(), "1");

    // OK without a change to the option leaves its keys alone.
    WriteProfile("[Settings]\r\nFormat=0\r\n");
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        PressOk(sheet);
    });
    EXPECT_EQ(Stored("Settings", "MixedUnits"), "(absent)");
    EXPECT_EQ(Stored("Settings", "InchFraction"), "(absent)");
}
