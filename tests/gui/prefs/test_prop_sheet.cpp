// The Preferences sheet as Options > Preferences runs it: its shape, which
// pages act on OK, and what the main window takes over afterwards.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "catalogue.h"
#include "mezura_dlg.h"
#include "prefs_fixture.h"
#include "profile_records.h"
#include "prop_sheet.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "visibility_edited.h"

namespace {

constexpr int GeneralTab = 0;
constexpr int ResultFormatTab = 1;
constexpr int VisibleTab = 2;
constexpr int CustomTab = 3;

}  // namespace

using PropSheetTest = PrefsTest;

TEST_F(PropSheetTest, OpensOnGeneralWithFourTabsOkAndCancel) {
    StartWindow();
    RunPreferences([](CPropSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Preferences");
        EXPECT_TRUE(sheet.isModal());
        ASSERT_EQ(sheet.Tabs().count(), 4);
        const QStringList expected{"General", "Result Format", "Visible Categories", "Custom"};
        const std::vector<int> templates{162, 155, 160, 161};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(sheet.Tabs().tabText(i), expected[i]);
            EXPECT_EQ(sheet.Page(i).TemplateId(), templates[i]);
        }
        EXPECT_EQ(sheet.Tabs().currentIndex(), GeneralTab);
        EXPECT_TRUE(sheet.Page(GeneralTab).IsInitialised());
        for (int i : {ResultFormatTab, VisibleTab, CustomTab})
            EXPECT_FALSE(sheet.Page(i).IsInitialised()) << i;

        const QList<QAbstractButton*> buttons = sheet.Buttons().buttons();
        ASSERT_EQ(buttons.size(), 2);  // no Apply
        EXPECT_NE(sheet.Buttons().button(QDialogButtonBox::Ok), nullptr);
        EXPECT_NE(sheet.Buttons().button(QDialogButtonBox::Cancel), nullptr);
        EXPECT_EQ(sheet.Buttons().button(QDialogButtonBox::Apply), nullptr);
    });
}

TEST_F(PropSheetTest, PageLoadsWhenItsTabIsFirstShown) {
    WriteProfile("[Settings]\r\nFormat=2\r\nPrecision=3\r\n");
    StartWindow();
    ResultFormat = FormatAuto;  // differs from the stored value until the tab loads it
    RunPreferences([](CPropSheet& sheet) {
        EXPECT_EQ(ResultFormat, FormatAuto);
        ShowTab(sheet, ResultFormatTab);
        EXPECT_TRUE(sheet.Page(ResultFormatTab).IsInitialised());
        EXPECT_EQ(ResultFormat, FormatFixed);
        EXPECT_FALSE(sheet.Page(CustomTab).IsInitialised());
    });
}

TEST_F(PropSheetTest, OkAtOnceKeepsFormatAndListButConvertsAgain) {
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "2.5");
    const QString before = MainOutput().text();
    // A change the window has not shown yet: only a new conversion shows it.
    ResultFormat = FormatFixed;
    ResultPrecision = 2;

    RunPreferences([](CPropSheet& sheet) { PressOk(sheet); });

    EXPECT_EQ(ResultFormat, FormatFixed);
    EXPECT_EQ(ResultPrecision, 2);
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");
    EXPECT_EQ(MainOutput().text(), "2.50");
    EXPECT_NE(MainOutput().text(), before);
    // The Result Format page was never shown, so it stored nothing.
    EXPECT_EQ(Stored("Settings", "Format"), "(absent)");
    EXPECT_EQ(Stored("Settings", "Precision"), "(absent)");
}

TEST_F(PropSheetTest, ScientificWithPrecisionThreeShowsAtOnce) {
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "1234.6");
    RunPreferences([](CPropSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.m_resultsPage.m_scientificRadio);
        ChooseByKeys(sheet.m_resultsPage.m_precisionCombo, 2);  // "3"
        PressOk(sheet);
    });
    EXPECT_EQ(ResultFormat, FormatScientific);
    EXPECT_EQ(ResultPrecision, 3);
    EXPECT_EQ(MainOutput().text(), "1.235e+003");
    EXPECT_EQ(Stored("Settings", "Format"), "1");
    EXPECT_EQ(Stored("Settings", "Precision"), "3");
}

TEST_F(PropSheetTest, CancelAfterFormatChangeKeepsWhatTheTabLoaded) {
    WriteProfile("[Settings]\r\nFormat=1\r\nPrecision=2\r\n");
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "7");
    const QString shown = MainOutput().text();
    ResultFormat = FormatAuto;
    ResultPrecision = 5;

    RunPreferences([](CPropSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.m_resultsPage.m_fixedRadio);
        ChooseByKeys(sheet.m_resultsPage.m_precisionCombo, 7);
        PressCancel(sheet);
    });

    EXPECT_EQ(MainOutput().text(), shown);  // not converted again
    EXPECT_EQ(Stored("Settings", "Format"), "1");
    EXPECT_EQ(Stored("Settings", "Precision"), "2");
    EXPECT_EQ(ResultFormat, FormatScientific);  // as the tab loaded them
    EXPECT_EQ(ResultPrecision, 2);
}

TEST_F(PropSheetTest, LeavingATabTakesItsControlsIntoItsMembers) {
    StartWindow();
    RunPreferences([](CPropSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.m_resultsPage.m_fixedRadio);
        EXPECT_EQ(sheet.m_resultsPage.m_nFormat, FormatAuto);  // the click alone does not
        ShowTab(sheet, CustomTab);
        EXPECT_EQ(sheet.m_resultsPage.m_nFormat, FormatFixed);
        PressOk(sheet);
    });
    EXPECT_EQ(ResultFormat, FormatFixed);
}

TEST_F(PropSheetTest, VisibilityEditedRebuildsTheListOnEveryLaterOk) {
    StartWindow();
    // First run: the list gets the focus, then Cancel.
    RunPreferences([](CPropSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.m_visiblePage.m_categoryList;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(5)).center());
        PressCancel(sheet);
    });
    EXPECT_TRUE(VisibilityEdited);
    ChooseMainCategory("Distance");

    // Second run: OK at once, the Visible tab never shown.
    RunPreferences([](CPropSheet& sheet) { PressOk(sheet); });
    EXPECT_EQ(MainCategories().SelectedPosition(), 0);
    EXPECT_EQ(MainCategories().SelectedText(), "Acceleration");
    EXPECT_EQ(MainCategories().Count(), BuiltinCategoryCount + 1);  // and Currency
    std::vector<std::string> units = MainUnitNames();
    ASSERT_FALSE(units.empty());
    EXPECT_TRUE(std::find(units.begin(), units.end(), UnitNames[0][1]) != units.end());
}

TEST_F(PropSheetTest, RebuiltListLeavesFreeSlotsOutAndListsTwoLetterNames) {
    WriteProfile("[Settings]\r\nCustom_2=Ab\r\n");
    StartWindow();
    VisibilityEdited = true;
    RunPreferences([](CPropSheet& sheet) { PressOk(sheet); });
    const std::vector<std::string> names = MainCategoryNames();
    EXPECT_EQ(names.size(), 28u);  // 26, "Ab" and Currency
    EXPECT_TRUE(std::find(names.begin(), names.end(), "Ab") != names.end());
    EXPECT_TRUE(std::find(names.begin(), names.end(), "Custom") == names.end());
}

TEST_F(PropSheetTest, ClearingEveryVisibleCategoryEmptiesTheList) {
    StartWindow();
    RunPreferences([](CPropSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.m_visiblePage.m_categoryList;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(0)).center());
        for (int row = 0; row < list.count(); ++row) {
            QTest::keyClick(&list, Qt::Key_Space);
            QTest::keyClick(&list, Qt::Key_Down);
        }
        for (int row = 0; row < list.count(); ++row)
            EXPECT_EQ(list.item(row)->checkState(), Qt::Unchecked) << row;
        EXPECT_TRUE(VisibilityEdited);
        PressOk(sheet);
        EXPECT_FALSE(sheet.isVisible());
    });
    for (int row = 0; row < BuiltinCategoryCount; ++row) EXPECT_EQ(CategoryVisible[row], 0) << row;
    // Currency, which has no Visibility, is all that is left.
    EXPECT_EQ(MainCategories().Count(), 1);
    EXPECT_EQ(MainCategories().SelectedText(), "Currency");
}
