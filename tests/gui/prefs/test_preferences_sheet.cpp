// The Preferences sheet as Options > Preferences runs it: its shape, which
// pages act on OK, and what the main window takes over afterwards.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "catalogue.h"
#include "main_window.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "profile_records.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"

namespace {

constexpr int GeneralTab = 0;
constexpr int ResultFormatTab = 1;
constexpr int VisibleTab = 2;
constexpr int CustomTab = 3;

}  // namespace

using PropSheetTest = PrefsTest;

TEST_F(PropSheetTest, OpensOnGeneralWithFourTabsOkAndCancel) {
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Preferences");
        EXPECT_TRUE(sheet.isModal());
        ASSERT_EQ(sheet.Tabs().count(), 4);
        const QStringList expected{"General", "Result Format", "Visible Categories", "Custom"};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(sheet.Tabs().tabText(i), expected[i]);
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
    RunPreferences([](PreferencesSheet& sheet) {
        EXPECT_FALSE(sheet.Page(ResultFormatTab).IsInitialised());
        EXPECT_EQ(sheet.resultsPage_.format_, -1);
        ShowTab(sheet, ResultFormatTab);
        EXPECT_TRUE(sheet.Page(ResultFormatTab).IsInitialised());
        EXPECT_EQ(sheet.resultsPage_.format_, FormatFixed);
        EXPECT_FALSE(sheet.Page(CustomTab).IsInitialised());
    });
}

TEST_F(PropSheetTest, OkAtOnceKeepsFormatAndListAndStoresNothing) {
    WriteProfile("[Settings]\r\nFormat=2\r\nPrecision=2\r\n");
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "2.5");
    const std::string stored = ProfileText();

    RunPreferences([](PreferencesSheet& sheet) { PressOk(sheet); });

    EXPECT_EQ(Window().Style(), (ResultStyle{FormatFixed, 2}));
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");
    EXPECT_EQ(MainOutput().text(), "2.50");
    // The Result Format page was never shown, so it stored nothing.
    EXPECT_EQ(ProfileText(), stored);
}

TEST_F(PropSheetTest, ScientificWithPrecisionThreeShowsAtOnce) {
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "1234.6");
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.resultsPage_.scientificRadio_);
        ChooseByKeys(sheet.resultsPage_.precisionCombo_, 2);  // "3"
        PressOk(sheet);
    });
    EXPECT_EQ(Window().Style(), (ResultStyle{FormatScientific, 3}));
    EXPECT_EQ(MainOutput().text(), "1.235e+003");
    EXPECT_EQ(Stored("Settings", "Format"), "1");
    EXPECT_EQ(Stored("Settings", "Precision"), "3");
}

TEST_F(PropSheetTest, CancelAfterFormatChangeKeepsTheWindowsStyle) {
    WriteProfile("[Settings]\r\nFormat=1\r\nPrecision=2\r\n");
    StartWindow();
    ChooseMainCategory("Distance");
    TypeInto(MainInput(), "7");
    const QString shown = MainOutput().text();

    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.resultsPage_.fixedRadio_);
        ChooseByKeys(sheet.resultsPage_.precisionCombo_, 7);
        PressCancel(sheet);
    });

    EXPECT_EQ(MainOutput().text(), shown);  // not converted again
    EXPECT_EQ(Stored("Settings", "Format"), "1");
    EXPECT_EQ(Stored("Settings", "Precision"), "2");
    EXPECT_EQ(Window().Style(), (ResultStyle{FormatScientific, 2}));
}

TEST_F(PropSheetTest, LeavingATabTakesItsControlsIntoItsMembers) {
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        Click(sheet.resultsPage_.fixedRadio_);
        EXPECT_EQ(sheet.resultsPage_.format_, FormatAuto);  // the click alone does not
        ShowTab(sheet, CustomTab);
        EXPECT_EQ(sheet.resultsPage_.format_, FormatFixed);
        PressOk(sheet);
    });
    EXPECT_EQ(Window().Style().format, FormatFixed);
}

TEST_F(PropSheetTest, VisibilityEditedRebuildsTheListOnEveryLaterOkKeepingWhatIsShown) {
    StartWindow();
    // First run: the list gets the focus, then Cancel.
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.visiblePage_.categoryList_;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(5)).center());
        PressCancel(sheet);
    });
    EXPECT_TRUE(catalogue_->VisibilityEdited());
    ChooseMainCategory("Distance");
    auto* input = Window().findChild<SortedListBox*>(QStringLiteral("inputUnits"));
    auto* output = Window().findChild<SortedListBox*>(QStringLiteral("outputUnits"));
    ASSERT_TRUE(input && output);
    input->Select(input->FindExact("Kilometers"));
    output->Select(output->FindExact("Miles"));
    MainInput().setText(QStringLiteral("1"));
    Window().Convert();

    // Second run: OK at once, the Visible tab never shown.
    RunPreferences([](PreferencesSheet& sheet) { PressOk(sheet); });
    EXPECT_EQ(MainCategories().Count(), BuiltinCategoryCount);
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");
    EXPECT_EQ(input->TextAt(input->SelectedPosition()), "Kilometers");
    EXPECT_EQ(output->TextAt(output->SelectedPosition()), "Miles");
    EXPECT_EQ(MainOutput().text(), "0.62137119223733");
}

TEST_F(PropSheetTest, OkFallsBackToTheFirstCategoryWhenTheShownOneIsHidden) {
    StartWindow();
    ChooseMainCategory("Acceleration");
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.visiblePage_.categoryList_;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(0)).center());
        QTest::keyClick(&list, Qt::Key_Space);  // Acceleration off
        PressOk(sheet);
    });
    EXPECT_EQ(MainCategories().Count(), BuiltinCategoryCount - 1);
    EXPECT_EQ(MainCategories().SelectedPosition(), 0);
    EXPECT_NE(MainCategories().SelectedText(), "Acceleration");
}

TEST_F(PropSheetTest, RebuiltListLeavesFreeSlotsOutAndListsTwoLetterNames) {
    WriteProfile("[Settings]\r\nCustom_2=Ab\r\n");
    StartWindow();
    catalogue_->MarkVisibilityEdited();
    RunPreferences([](PreferencesSheet& sheet) { PressOk(sheet); });
    const std::vector<std::string> names = MainCategoryNames();
    EXPECT_EQ(names.size(), static_cast<std::size_t>(BuiltinCategoryCount) + 1);
    EXPECT_TRUE(std::find(names.begin(), names.end(), "Ab") != names.end());
    EXPECT_TRUE(std::find(names.begin(), names.end(), "Custom") == names.end());
}

TEST_F(PropSheetTest, ClearingEveryVisibleCategoryEmptiesTheList) {
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.visiblePage_.categoryList_;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(0)).center());
        for (int row = 0; row < list.count(); ++row) {
            QTest::keyClick(&list, Qt::Key_Space);
            QTest::keyClick(&list, Qt::Key_Down);
        }
        for (int row = 0; row < list.count(); ++row)
            EXPECT_EQ(list.item(row)->checkState(), Qt::Unchecked) << row;
        EXPECT_TRUE(catalogue_->VisibilityEdited());
        PressOk(sheet);
        EXPECT_FALSE(sheet.isVisible());
    });
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        EXPECT_EQ(catalogue_->Visibility(row), 0) << row;
    EXPECT_EQ(MainCategories().Count(), 0);
    EXPECT_EQ(MainCategories().SelectedPosition(), -1);
}
