// The General tab: two switches that act and are stored on each click.
#include <QApplication>
#include <QTest>

#include "general_page.h"
#include "main_window.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"

using GeneralPageTest = PrefsTest;

namespace {

struct StoredSwitches {
    const char* name;
    const char* profile;
    bool onTop;
    bool remember;
};

const StoredSwitches OpeningCases[] = {
    {"no keys", "", false, false},
    {"both TRUE", "[Settings]\r\nOnTop=TRUE\r\nRememberCategory=TRUE\r\n", true, true},
    {"lower-case true", "[Settings]\r\nOnTop=true\r\nRememberCategory=True\r\n", false, false},
    {"one and empty", "[Settings]\r\nOnTop=1\r\nRememberCategory=\r\n", false, false},
    {"only remember", "[Settings]\r\nOnTop=FALSE\r\nRememberCategory=TRUE\r\n", false, true},
};

}  // namespace

TEST_F(GeneralPageTest, BoxesOpenFromTheExactTextTrue) {
    for (const StoredSwitches& c : OpeningCases) {
        SCOPED_TRACE(c.name);
        WriteProfile(c.profile);
        StartWindow();
        RunPreferences([&](PreferencesSheet& sheet) {
            EXPECT_EQ(sheet.generalPage_.onTopCheck_.isChecked(), c.onTop);
            EXPECT_EQ(sheet.generalPage_.rememberCategoryCheck_.isChecked(), c.remember);
            EXPECT_EQ(sheet.generalPage_.onTop_, c.onTop);
        });
        QuitWindow();
    }
}

TEST_F(GeneralPageTest, AlwaysOnTopActsAtOnceAndSurvivesCancel) {
    MainWindow& window = StartWindow();
    const QRect place = window.geometry();
    RunPreferences([&](PreferencesSheet& sheet) {
        Click(sheet.generalPage_.onTopCheck_);
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(Stored("Settings", "OnTop"), "TRUE");
        PressCancel(sheet);
    });
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Stored("Settings", "OnTop"), "TRUE");
    EXPECT_EQ(window.geometry(), place);

    RunPreferences([&](PreferencesSheet& sheet) {
        EXPECT_TRUE(sheet.generalPage_.onTopCheck_.isChecked());
        Click(sheet.generalPage_.onTopCheck_);
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(Stored("Settings", "OnTop"), "FALSE");
        PressOk(sheet);
    });
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.geometry(), place);
}

TEST_F(GeneralPageTest, RememberCategoryOnlyStoresTheChoice) {
    StartWindow();
    ChooseMainCategory("Pressure");
    RunPreferences([&](PreferencesSheet& sheet) {
        Click(sheet.generalPage_.rememberCategoryCheck_);
        EXPECT_EQ(Stored("Settings", "RememberCategory"), "TRUE");
        Click(sheet.generalPage_.rememberCategoryCheck_);
        EXPECT_EQ(Stored("Settings", "RememberCategory"), "FALSE");
        PressCancel(sheet);
    });
    EXPECT_EQ(Stored("Settings", "RememberCategory"), "FALSE");
    EXPECT_EQ(MainCategories().SelectedText(), "Pressure");
    EXPECT_EQ(Stored("Settings", "OnTop"), "(absent)");
}

TEST_F(GeneralPageTest, KeepHistoryIsOnByDefaultAndActsAtOnceAndClearAlwaysWorks) {
    MainWindow& window = StartWindow();
    MainInput().setFocus();
    QTest::keyClicks(&MainInput(), "5");
    QTest::keyClick(&MainInput(), Qt::Key_C, Qt::AltModifier);  // settles: one entry
    ASSERT_EQ(window.Recorder().Entries().Entries().size(), 1u);

    RunPreferences([&](PreferencesSheet& sheet) {
        EXPECT_TRUE(sheet.generalPage_.keepHistoryCheck_.isChecked()) << "on with no key";
        Click(sheet.generalPage_.keepHistoryCheck_);
        EXPECT_EQ(Stored("Settings", "KeepHistory"), "FALSE");
        EXPECT_FALSE(window.Recorder().Kept());
        EXPECT_TRUE(sheet.generalPage_.clearHistoryButton_.isEnabled());
        Click(sheet.generalPage_.clearHistoryButton_);
        PressCancel(sheet);
    });
    // Back on: the file, emptied while off, is read again.
    RunPreferences([&](PreferencesSheet& sheet) {
        EXPECT_FALSE(sheet.generalPage_.keepHistoryCheck_.isChecked());
        Click(sheet.generalPage_.keepHistoryCheck_);
        EXPECT_EQ(Stored("Settings", "KeepHistory"), "TRUE");
        PressOk(sheet);
    });
    EXPECT_TRUE(window.Recorder().Kept());
    EXPECT_TRUE(window.Recorder().Entries().Entries().empty());
}

TEST_F(GeneralPageTest, ControlsSitInTemplateOrder) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        GeneralPage& page = sheet.generalPage_;
        EXPECT_EQ(page.onTopCheck_.text(), "Always on top");
        EXPECT_EQ(page.optionsFrame_.Title(), "General Options  ");
        EXPECT_EQ(page.rememberCategoryCheck_.text(), "Remember last used category on startup");
        EXPECT_LT(page.onTopCheck_.y(), page.rememberCategoryCheck_.y());
        page.onTopCheck_.setFocus();
        QTest::keyClick(&page.onTopCheck_, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &page.rememberCategoryCheck_);
        EXPECT_TRUE(page.optionsFrame_.geometry().contains(page.onTopCheck_.geometry()));
    });
}
