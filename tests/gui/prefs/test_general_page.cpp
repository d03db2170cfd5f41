// The General tab: two switches that act and are stored on each click.
#include <QApplication>
#include <QTest>

#include "general_page.h"
#include "mezura_dlg.h"
#include "prefs_fixture.h"
#include "prop_sheet.h"

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
            EXPECT_EQ(sheet.m_generalPage.m_onTopCheck.isChecked(), c.onTop);
            EXPECT_EQ(sheet.m_generalPage.m_rememberCategoryCheck.isChecked(), c.remember);
            EXPECT_EQ(sheet.m_generalPage.m_bOnTop, c.onTop ? 1 : 0);
        });
        QuitWindow();
    }
}

TEST_F(GeneralPageTest, AlwaysOnTopActsAtOnceAndSurvivesCancel) {
    MainWindow& window = StartWindow();
    const QRect place = window.geometry();
    RunPreferences([&](PreferencesSheet& sheet) {
        Click(sheet.m_generalPage.m_onTopCheck);
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(Stored("Settings", "OnTop"), "TRUE");
        PressCancel(sheet);
    });
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Stored("Settings", "OnTop"), "TRUE");
    EXPECT_EQ(window.geometry(), place);

    RunPreferences([&](PreferencesSheet& sheet) {
        EXPECT_TRUE(sheet.m_generalPage.m_onTopCheck.isChecked());
        Click(sheet.m_generalPage.m_onTopCheck);
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
        Click(sheet.m_generalPage.m_rememberCategoryCheck);
        EXPECT_EQ(Stored("Settings", "RememberCategory"), "TRUE");
        Click(sheet.m_generalPage.m_rememberCategoryCheck);
        EXPECT_EQ(Stored("Settings", "RememberCategory"), "FALSE");
        PressCancel(sheet);
    });
    EXPECT_EQ(Stored("Settings", "RememberCategory"), "FALSE");
    EXPECT_EQ(MainCategories().SelectedText(), "Pressure");
    EXPECT_EQ(Stored("Settings", "OnTop"), "(absent)");
}

TEST_F(GeneralPageTest, ControlsSitInTemplateOrder) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        GeneralPage& page = sheet.m_generalPage;
        EXPECT_EQ(page.m_onTopCheck.text(), "Always on top");
        EXPECT_EQ(page.m_optionsFrame.Title(), "General Options  ");
        EXPECT_EQ(page.m_rememberCategoryCheck.text(), "Remember last used category on startup");
        EXPECT_EQ(page.m_onTopCheck.property("controlId").toInt(), 1088);
        EXPECT_EQ(page.m_rememberCategoryCheck.property("controlId").toInt(), 1090);
        EXPECT_LT(page.m_onTopCheck.y(), page.m_rememberCategoryCheck.y());
        page.m_onTopCheck.setFocus();
        QTest::keyClick(&page.m_onTopCheck, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &page.m_rememberCategoryCheck);
        EXPECT_TRUE(page.m_optionsFrame.geometry().contains(page.m_onTopCheck.geometry()));
    });
}
