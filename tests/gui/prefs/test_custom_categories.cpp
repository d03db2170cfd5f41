// Custom categories on the Custom tab: adding, the refusals, removing.
#include <QApplication>
#include <QTest>

#include "catalogue.h"
#include "custom_page.h"
#include "custom_steps.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "sorted_combo_box.h"
#include "text_edge.h"

using CustomCategoriesTest = PrefsTest;

namespace {

const QString Invalid = QStringLiteral("Please Enter a valid name for the Category");
const QString Exists = QStringLiteral("This category name already exists.");
const QString Limit = QStringLiteral("You have reached the maximum allowed custom categories");

bool Lists(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string FiveCategories() {
    return "[Settings]\r\nCustom_1=Aa\r\nCustom_2=Bb\r\nCustom_3=Cc\r\nCustom_4=Dd\r\n"
           "Custom_5=Ee\r\n";
}

}  // namespace

TEST_F(CustomCategoriesTest, AddedCategoryReachesRowProfileAndWindowAtOnce) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        AddCategory(page, "metric UNITS");
        EXPECT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(desktop_.exclamations, 1);
        EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Metric units");
        EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 0);
        EXPECT_EQ(Stored("Settings", "Custom_1"), "Metric units");
        // The main window lists it while the sheet is still open.
        EXPECT_TRUE(Lists(MainCategoryNames(), "Metric units"));
        EXPECT_TRUE(Lists(Entries(page.categoryCombo_), "Metric units"));
        EXPECT_EQ(page.categoryEdit_.text(), "");
        EXPECT_EQ(QApplication::focusWidget(), &page.categoryEdit_);
        PressCancel(sheet);  // undoes nothing
    });
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Metric units");
    EXPECT_TRUE(Lists(MainCategoryNames(), "Metric units"));
}

TEST_F(CustomCategoriesTest, RefusedNamesChangeNothing) {
    struct Case {
        const char* name;
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {"one letter", "x", Invalid},
        {"built-in in other case", "distance", Exists},
        {"Custom while a row is free", "Custom", Exists},
        {"custom while a row is free", "cUSTOM", Exists},
        {"blanks around a built-in", "  Distance ", Exists},
        {"closing bracket", "Rates]", Invalid},
        {"outside the code page", QStringLiteral("\u03C0 rates"),
         QStringLiteral("The settings file cannot hold the character \"\u03C0\": please choose a "
                        "name without it.")},
        {"only blanks", "    ", Invalid},
        {"empty", "", Invalid},
    };
    StartWindow();
    const std::vector<std::string> mainBefore = MainCategoryNames();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            desktop_.messages.clear();
            AddCategory(page, c.typed);
            ASSERT_EQ(desktop_.messages.size(), 1u);
            EXPECT_EQ(desktop_.messages[0].text, c.message);
            EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
            EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
            EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::Ok);
            EXPECT_EQ(page.categoryEdit_.text(), c.typed);  // kept for correcting
            EXPECT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));
        }
    });
    EXPECT_EQ(desktop_.exclamations, 0);
    EXPECT_EQ(MainCategoryNames(), mainBefore);
    EXPECT_EQ(Stored("Settings", "Custom_1"), "(absent)");
}

TEST_F(CustomCategoriesTest, ControlCharactersAreRefused) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        Click(page.addCategoryRadio_);
        page.categoryEdit_.setText(QStringLiteral("Two\nlines"));  // as pasted
        Click(page.addCategoryButton_);
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, Invalid);
    });
    EXPECT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));
}

TEST_F(CustomCategoriesTest, SixthCategoryAndCustomWhenFull) {
    WriteProfile(FiveCategories());
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        AddCategory(page, "Sixth");
        AddCategory(page, "Custom");
        ASSERT_EQ(desktop_.messages.size(), 2u);
        EXPECT_EQ(desktop_.messages[0].text, Limit);
        EXPECT_EQ(desktop_.messages[0].caption, "Operation failed");
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(desktop_.messages[1].text, Invalid);
        EXPECT_EQ(desktop_.messages[1].caption, "Mezura");
    });
    EXPECT_EQ(desktop_.exclamations, 0);
    EXPECT_FALSE(Lists(MainCategoryNames(), "Sixth"));
}

TEST_F(CustomCategoriesTest, NoFreeRecordInTheProfileSaysTheFileIsFull) {
    StartWindow();
    // Another program fills the five records while this window runs: the
    // catalogue still has free rows, the profile none.
    WriteProfile(FiveCategories());
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        AddCategory(page, "Lost");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "The settings file has no room left for another custom category.");
        EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
        EXPECT_FALSE(Lists(Entries(page.categoryCombo_), "Lost"));
    });
    EXPECT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));
    EXPECT_FALSE(Lists(MainCategoryNames(), "Lost"));
    EXPECT_EQ(desktop_.exclamations, 0);
}

TEST_F(CustomCategoriesTest, BuiltInCategoryCannotBeRemoved) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Distance");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tDistance\n\nYou may only remove previously added categories.");
        EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(page.categoryCombo_.SelectedText(), "Distance");
    });
    EXPECT_TRUE(Lists(MainCategoryNames(), "Distance"));
    EXPECT_EQ(*catalogue_->CategoryByName("Distance"), BuiltinRowNamed("Distance"));
}

TEST_F(CustomCategoriesTest, RemovingACustomCategoryWithOkAndWithCancel) {
    WriteProfile(
        "[Settings]\r\nCustom_1=Alpha\r\nCustom_2=Beta\r\n"
        "[Alpha]\r\nCustomUnits=1\r\nCustomUnit_1=Foo\r\nCustomValue_1=1\r\n");
    StartWindow();
    ChooseMainCategory("Alpha");
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        desktop_.answers = {Desktop::Answer::Cancel};
        RemoveCategory(page, "Alpha");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tAlpha\n\nAre you sure you want to remove the selected Category?");
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::None);
        EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::OkCancel);
        EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Alpha");
        EXPECT_EQ(Entries(page.unitCombo_), std::vector<std::string>{"Foo"});
        EXPECT_TRUE(page.unitCombo_.isEnabled());

        RemoveCategory(page, "Alpha");  // OK this time
        EXPECT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));
        EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 0);
        EXPECT_EQ(Stored("Settings", "Custom_1"), "Custom");
        EXPECT_EQ(Stored("Settings", "Custom_2"), "Beta");
        EXPECT_FALSE(Lists(Entries(page.categoryCombo_), "Alpha"));
        EXPECT_EQ(page.categoryCombo_.SelectedPosition(), 0);
        const int first = *catalogue_->CategoryByName(page.categoryCombo_.SelectedText());
        EXPECT_EQ(page.shownRow_, first);
        EXPECT_EQ(page.unitCombo_.Count(), catalogue_->UnitCount(first));
        // The window showed it: it turns to the first listed category.
        EXPECT_EQ(MainCategories().SelectedText(), "Acceleration");
        EXPECT_FALSE(Lists(MainUnitNames(), "Foo"));
        EXPECT_TRUE(Lists(MainUnitNames(), "Centimeters/sec\xB2 "));
        PressCancel(sheet);
    });
    EXPECT_FALSE(Lists(MainCategoryNames(), "Alpha"));
    EXPECT_TRUE(Lists(MainCategoryNames(), "Beta"));
    // Its units went with it.
    EXPECT_EQ(Stored("Alpha", "CustomUnit_1"), "(absent)");
    EXPECT_EQ(Stored("Alpha", "CustomUnits"), "(absent)");
}

TEST_F(CustomCategoriesTest, CategoryAddedAgainStartsEmptyAndTakesItsFirstUnit) {
    std::string text = "[Settings]\r\nCustom_1=Alpha\r\n[Alpha]\r\nCustomUnits=10\r\n";
    for (int k = 1; k <= 10; ++k)
        text += "CustomUnit_" + std::to_string(k) + "=Old" + std::to_string(k) +
                "\r\nCustomValue_" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";
    WriteProfile(text);
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Alpha");
        AddCategory(page, "Alpha");
        ChooseCategory(page, "Alpha");
        EXPECT_EQ(page.unitCombo_.Count(), 0);
        AddUnit(page, "new", "");
        PressOk(sheet);
    });
    EXPECT_EQ(desktop_.messages.size(), 1u);  // only the confirmation of the removal
    QuitWindow();
    StartWindow();
    const int row = *catalogue_->CategoryByName("Alpha");
    ASSERT_EQ(catalogue_->UnitCount(row), 1);
    EXPECT_EQ(catalogue_->Name(row, 1), "New");
}

TEST_F(CustomCategoriesTest, RemovedRowIsReusedWithoutItsUnits) {
    WriteProfile(
        "[Settings]\r\nCustom_1=Alpha\r\n"
        "[Alpha]\r\nCustomUnits=2\r\nCustomUnit_1=Foo\r\nCustomValue_1=1\r\n"
        "CustomUnit_2=Bar\r\nCustomValue_2=2\r\n");
    StartWindow();
    ASSERT_EQ(catalogue_->UnitCount(FirstCustomRow), 2);
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Alpha");
        AddCategory(page, "Gamma");
        EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Gamma");
        EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 0);
        EXPECT_EQ(catalogue_->Name(FirstCustomRow, 1), "");
        ChooseCategory(page, "Gamma");
        EXPECT_EQ(page.unitCombo_.Count(), 0);
        EXPECT_FALSE(page.unitCombo_.isEnabled());
        EXPECT_FALSE(page.factorEdit_.isEnabled());
        EXPECT_FALSE(page.removeUnitButton_.isEnabled());
    });
    EXPECT_EQ(Stored("Settings", "Custom_1"), "Gamma");
    EXPECT_EQ(Stored("Alpha", "CustomUnits"), "(absent)");
}

TEST_F(CustomCategoriesTest, HiddenBuiltInsStayChoosable) {
    WriteProfile("[Temperature]\r\nVisibility=0\r\n[Settings]\r\nCustom_3=Ab\r\n");
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        const std::vector<std::string> names = Entries(page.categoryCombo_);
        EXPECT_EQ(names.size(), static_cast<std::size_t>(BuiltinCategoryCount) + 1);
        EXPECT_TRUE(Lists(names, "Temperature"));
        EXPECT_TRUE(Lists(names, "Ab"));
        EXPECT_FALSE(Lists(names, "Custom"));
        EXPECT_EQ(page.categoryCombo_.SelectedPosition(), 0);
    });
}

TEST_F(CustomCategoriesTest, ModesEnableTheirControls) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        EXPECT_TRUE(page.addCategoryRadio_.isChecked());
        EXPECT_EQ(page.mode_, 0);
        const QWidget* categoryRow[] = {&page.categoryEdit_, &page.addCategoryButton_};
        const QWidget* existingRow[] = {&page.categoryCombo_,   &page.removeCategoryButton_,
                                        &page.unitNameEdit_,    &page.addUnitButton_,
                                        &page.unitCombo_,       &page.factorEdit_,
                                        &page.removeUnitButton_};
        for (const QWidget* w : categoryRow)
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        for (const QWidget* w : existingRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

        Click(page.existingRadio_);
        for (const QWidget* w : categoryRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        for (const QWidget* w : existingRow)  // the first category has units
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();

        Click(page.addCategoryRadio_);
        for (const QWidget* w : existingRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    });
}

TEST_F(CustomCategoriesTest, ControlsCarryTheirTemplateTextsAndTabOrder) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        EXPECT_EQ(page.categoryFrame_.Title(), "Add new category    ");
        EXPECT_EQ(page.unitFrame_.Title(), "Add units in existing category    ");
        EXPECT_EQ(page.addCategoryRadio_.text(), "Add category");
        EXPECT_EQ(page.existingRadio_.text(), "Existing category");
        EXPECT_EQ(page.addCategoryButton_.text(), "Add");
        EXPECT_EQ(page.removeCategoryButton_.text(), "Remove");
        EXPECT_EQ(page.unitHeading_.text(), "UNIT");
        EXPECT_EQ(page.factorHeading_.text(), "FACTOR");
        EXPECT_EQ(page.existingUnitHeading_.text(), "UNIT");
        EXPECT_EQ(page.oneLabel_.text(), "1");
        EXPECT_FALSE(page.equalsIcon_.pixmap().isNull());

        // Tab order in "Existing category" mode, where the most is enabled.
        Click(page.existingRadio_);
        const QWidget* order[] = {&page.existingRadio_,        &page.categoryCombo_,
                                  &page.removeCategoryButton_, &page.unitNameEdit_,
                                  &page.factorEdit_,           &page.unitCombo_,
                                  &page.addUnitButton_,        &page.removeUnitButton_};
        page.existingRadio_.setFocus();
        for (size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
        }
    });
}
