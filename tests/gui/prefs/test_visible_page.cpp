// The Visible Categories tab: the built-in categories with check boxes, and
// when their checks reach the catalogue and the main window.
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "catalogue.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "profile_records.h"
#include "text_edge.h"
#include "visible_page.h"

using VisiblePageTest = PrefsTest;

namespace {

constexpr int VisibleTab = 2;

void ClickRowCheck(QListWidget& list, int row) {
    // The check box sits at the start of the row; a click on it toggles the
    // check (and, as the list takes the focus, counts as an edit).
    list.scrollToItem(list.item(row));
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + rect.height() / 2, rect.center().y()));
}

bool Lists(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TEST_F(VisiblePageTest, ListsTheBuiltInCategoriesInCatalogueOrder) {
    WriteProfile("[Settings]\r\nCustom_1=Metric units\r\n[Temperature]\r\nVisibility=0\r\n");
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        const VisiblePage& page = sheet.visiblePage_;
        ASSERT_EQ(page.categoryList_.count(), BuiltinCategoryCount);  // no custom category
        EXPECT_EQ(page.categoryList_.item(0)->text(), "Acceleration");
        EXPECT_EQ(page.categoryList_.item(BuiltinCategoryCount - 1)->text(), "Volume (Dry)");
        for (int row = 0; row < BuiltinCategoryCount; ++row) {
            EXPECT_EQ(page.categoryList_.item(row)->text(),
                      QStringFromCp1252(catalogue_->Name(row, 0)));
            EXPECT_EQ(page.categoryList_.item(row)->checkState(),
                      row == TemperatureRow ? Qt::Unchecked : Qt::Checked)
                << row;
        }
        EXPECT_FALSE(page.displayAllCheck_.isChecked());
        EXPECT_EQ(page.displayAllCheck_.text(), "Display all Categories");
    });
}

TEST_F(VisiblePageTest, ClearingTemperatureHidesItAfterOk) {
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        ClickRowCheck(sheet.visiblePage_.categoryList_, TemperatureRow);
        EXPECT_EQ(sheet.visiblePage_.categoryList_.item(TemperatureRow)->checkState(),
                  Qt::Unchecked);
        EXPECT_EQ(catalogue_->Visibility(TemperatureRow), 1);  // nothing before OK
        PressOk(sheet);
    });
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        EXPECT_EQ(catalogue_->Visibility(row), row == TemperatureRow ? 0 : 1) << row;
    EXPECT_FALSE(Lists(MainCategoryNames(), "Temperature"));
    EXPECT_EQ(MainCategories().Count(), BuiltinCategoryCount - 1);
}

TEST_F(VisiblePageTest, DisplayAllChecksEveryRowWithoutTheListsFocus) {
    WriteProfile("[Angle]\r\nVisibility=0\r\n[Volume (Dry)]\r\nVisibility=0\r\n");
    StartWindow();
    ASSERT_FALSE(Lists(MainCategoryNames(), "Angle"));
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        VisiblePage& page = sheet.visiblePage_;
        Click(page.displayAllCheck_);
        EXPECT_TRUE(catalogue_->VisibilityEdited());
        Click(page.displayAllCheck_);  // clearing it again leaves the rows
        for (int row = 0; row < BuiltinCategoryCount; ++row)
            EXPECT_EQ(page.categoryList_.item(row)->checkState(), Qt::Checked) << row;
        EXPECT_NE(QApplication::focusWidget(), &page.categoryList_);
        PressOk(sheet);
    });
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        EXPECT_EQ(catalogue_->Visibility(row), 1) << row;
    EXPECT_TRUE(Lists(MainCategoryNames(), "Angle"));
    EXPECT_TRUE(Lists(MainCategoryNames(), "Volume (Dry)"));
}

TEST_F(VisiblePageTest, OpeningTheTabIsNoEdit) {
    WriteProfile("[Angle]\r\nVisibility=7\r\n[Mass]\r\nVisibility=0\r\n");
    StartWindow();
    ChooseMainCategory("Distance");
    RunPreferences([](PreferencesSheet& sheet) {
        // The focus sits in the General page when the tab is clicked, as it
        // does after the user ticks a box there.
        sheet.generalPage_.rememberCategoryCheck_.setFocus();
        ShowTab(sheet, VisibleTab);
        EXPECT_NE(QApplication::focusWidget(), &sheet.visiblePage_.categoryList_);
        PressOk(sheet);
    });
    EXPECT_FALSE(catalogue_->VisibilityEdited());
    const int angle = *catalogue_->CategoryByName("Angle");
    const int mass = *catalogue_->CategoryByName("Mass");
    EXPECT_EQ(catalogue_->Visibility(angle), 7);  // the stored value stays as read
    EXPECT_EQ(catalogue_->Visibility(mass), 0);
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");  // not rebuilt
}

TEST_F(VisiblePageTest, CancelKeepsTheChecksButNotTheEditMark) {
    StartWindow();
    ChooseMainCategory("Distance");
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        ClickRowCheck(sheet.visiblePage_.categoryList_, TemperatureRow);
        PressCancel(sheet);
    });
    EXPECT_EQ(catalogue_->Visibility(TemperatureRow), 1);
    EXPECT_TRUE(catalogue_->VisibilityEdited());
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");

    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);  // rows start afresh from CategoryVisible
        EXPECT_EQ(sheet.visiblePage_.categoryList_.item(TemperatureRow)->checkState(), Qt::Checked);
        PressOk(sheet);
    });
    EXPECT_EQ(catalogue_->Visibility(TemperatureRow), 1);
    // Rebuilt, and the category shown stays shown.
    EXPECT_EQ(MainCategories().Count(), BuiltinCategoryCount);
    EXPECT_EQ(MainCategories().SelectedText(), "Distance");
}

TEST_F(VisiblePageTest, KeyboardTogglesOnlyWithTheFocus) {
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.visiblePage_.categoryList_;
        EXPECT_FALSE(catalogue_->VisibilityEdited());
        list.setFocus();  // Tab into the list
        EXPECT_TRUE(catalogue_->VisibilityEdited());
        list.setCurrentRow(3);
        QTest::keyClick(&list, Qt::Key_Space);
        EXPECT_EQ(list.item(3)->checkState(), Qt::Unchecked);
        PressOk(sheet);
    });
    EXPECT_EQ(catalogue_->Visibility(3), 0);
}
