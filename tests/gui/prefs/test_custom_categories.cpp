// Custom categories on the Custom tab: adding, the refusals, removing.
#include <QApplication>
#include <QTest>

#include "catalogue.h"
#include "custom_page.h"
#include "custom_steps.h"
#include "prefs_fixture.h"
#include "prop_sheet.h"
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
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        AddCategory(page, "metric UNITS");
        EXPECT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(desktop_.exclamations, 1);
        EXPECT_EQ(UnitNames[26][0], "Metric units");
        EXPECT_EQ(UnitCount(26), 0);
        EXPECT_EQ(Stored("Settings", "Custom_1"), "Metric units");
        // The main window lists it while the sheet is still open.
        EXPECT_TRUE(Lists(MainCategoryNames(), "Metric units"));
        EXPECT_TRUE(Lists(Entries(page.m_categoryCombo), "Metric units"));
        EXPECT_EQ(page.m_categoryEdit.text(), "");
        EXPECT_EQ(QApplication::focusWidget(), &page.m_categoryEdit);
        PressCancel(sheet);  // undoes nothing
    });
    EXPECT_EQ(UnitNames[26][0], "Metric units");
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
        {"outside the code page", QStringLiteral("\u03C0 rates"), Invalid},
        {"only blanks", "    ", Invalid},
        {"empty", "", Invalid},
    };
    StartWindow();
    const std::vector<std::string> mainBefore = MainCategoryNames();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            desktop_.messages.clear();
            AddCategory(page, c.typed);
            ASSERT_EQ(desktop_.messages.size(), 1u);
            EXPECT_EQ(desktop_.messages[0].text, c.message);
            EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
            EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
            EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::Ok);
            EXPECT_EQ(page.m_categoryEdit.text(), c.typed);  // kept for correcting
            EXPECT_TRUE(IsCustomRowFree(26));
        }
    });
    EXPECT_EQ(desktop_.exclamations, 0);
    EXPECT_EQ(MainCategoryNames(), mainBefore);
    EXPECT_EQ(Stored("Settings", "Custom_1"), "(absent)");
}

TEST_F(CustomCategoriesTest, ControlCharactersAreRefused) {
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        Click(page.m_addCategoryRadio);
        page.m_categoryEdit.setText(QStringLiteral("Two\nlines"));  // as pasted
        Click(page.m_addCategoryButton);
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, Invalid);
    });
    EXPECT_TRUE(IsCustomRowFree(26));
}

TEST_F(CustomCategoriesTest, SixthCategoryAndCustomWhenFull) {
    WriteProfile(FiveCategories());
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
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
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        AddCategory(page, "Lost");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "The settings file has no room left for another custom category.");
        EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
        EXPECT_FALSE(Lists(Entries(page.m_categoryCombo), "Lost"));
    });
    EXPECT_TRUE(IsCustomRowFree(26));
    EXPECT_FALSE(Lists(MainCategoryNames(), "Lost"));
    EXPECT_EQ(desktop_.exclamations, 0);
}

TEST_F(CustomCategoriesTest, BuiltInCategoryCannotBeRemoved) {
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Distance");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tDistance\n\nYou may only remove previously added categories.");
        EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(page.m_categoryCombo.SelectedText(), "Distance");
    });
    EXPECT_TRUE(Lists(MainCategoryNames(), "Distance"));
    EXPECT_EQ(*CategoryByName("Distance"), 10);
}

TEST_F(CustomCategoriesTest, RemovingACustomCategoryWithOkAndWithCancel) {
    WriteProfile(
        "[Settings]\r\nCustom_1=Alpha\r\nCustom_2=Beta\r\n"
        "[Alpha]\r\nCustomUnits=1\r\nCustomUnit_1=Foo\r\nCustomValue_1=1\r\n");
    StartWindow();
    ChooseMainCategory("Alpha");
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        desktop_.answers = {Desktop::Answer::Cancel};
        RemoveCategory(page, "Alpha");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tAlpha\n\nAre you sure you want to remove the selected Category?");
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::None);
        EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::OkCancel);
        EXPECT_EQ(UnitNames[26][0], "Alpha");
        EXPECT_EQ(Entries(page.m_unitCombo), std::vector<std::string>{"Foo"});
        EXPECT_TRUE(page.m_unitCombo.isEnabled());

        RemoveCategory(page, "Alpha");  // OK this time
        EXPECT_TRUE(IsCustomRowFree(26));
        EXPECT_EQ(UnitCount(26), 0);
        EXPECT_EQ(Stored("Settings", "Custom_1"), "Custom");
        EXPECT_EQ(Stored("Settings", "Custom_2"), "Beta");
        EXPECT_FALSE(Lists(Entries(page.m_categoryCombo), "Alpha"));
        EXPECT_EQ(page.m_categoryCombo.SelectedPosition(), 0);
        const int first = *CategoryByName(page.m_categoryCombo.SelectedText());
        EXPECT_EQ(page.m_nCategory, first);
        EXPECT_EQ(page.m_unitCombo.Count(), UnitCount(first));
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
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Alpha");
        AddCategory(page, "Alpha");
        ChooseCategory(page, "Alpha");
        EXPECT_EQ(page.m_unitCombo.Count(), 0);
        AddUnit(page, "new", "");
        PressOk(sheet);
    });
    EXPECT_EQ(desktop_.messages.size(), 1u);  // only the confirmation of the removal
    QuitWindow();
    StartWindow();
    const int row = *CategoryByName("Alpha");
    ASSERT_EQ(UnitCount(row), 1);
    EXPECT_EQ(UnitNames[row][1], "New");
}

TEST_F(CustomCategoriesTest, RemovedRowIsReusedWithoutItsUnits) {
    WriteProfile(
        "[Settings]\r\nCustom_1=Alpha\r\n"
        "[Alpha]\r\nCustomUnits=2\r\nCustomUnit_1=Foo\r\nCustomValue_1=1\r\n"
        "CustomUnit_2=Bar\r\nCustomValue_2=2\r\n");
    StartWindow();
    ASSERT_EQ(UnitCount(26), 2);
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        RemoveCategory(page, "Alpha");
        AddCategory(page, "Gamma");
        EXPECT_EQ(UnitNames[26][0], "Gamma");
        EXPECT_EQ(UnitCount(26), 0);
        EXPECT_EQ(UnitNames[26][1], "");
        ChooseCategory(page, "Gamma");
        EXPECT_EQ(page.m_unitCombo.Count(), 0);
        EXPECT_FALSE(page.m_unitCombo.isEnabled());
        EXPECT_FALSE(page.m_factorEdit.isEnabled());
        EXPECT_FALSE(page.m_removeUnitButton.isEnabled());
    });
    EXPECT_EQ(Stored("Settings", "Custom_1"), "Gamma");
    EXPECT_EQ(Stored("Alpha", "CustomUnits"), "(absent)");
}

TEST_F(CustomCategoriesTest, HiddenBuiltInsStayChoosable) {
    WriteProfile("[Temperature]\r\nVisibility=0\r\n[Settings]\r\nCustom_3=Ab\r\n");
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        const std::vector<std::string> names = Entries(page.m_categoryCombo);
        EXPECT_EQ(names.size(), 28u);  // 26, "Ab" and Currency
        EXPECT_TRUE(Lists(names, "Temperature"));
        EXPECT_TRUE(Lists(names, "Ab"));
        EXPECT_FALSE(Lists(names, "Custom"));
        EXPECT_EQ(page.m_categoryCombo.SelectedPosition(), 0);
    });
}

TEST_F(CustomCategoriesTest, ModesEnableTheirControls) {
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        EXPECT_TRUE(page.m_addCategoryRadio.isChecked());
        EXPECT_EQ(page.m_nMode, 0);
        const QWidget* categoryRow[] = {&page.m_categoryEdit, &page.m_addCategoryButton};
        const QWidget* existingRow[] = {&page.m_categoryCombo,   &page.m_removeCategoryButton,
                                        &page.m_unitNameEdit,    &page.m_addUnitButton,
                                        &page.m_unitCombo,       &page.m_factorEdit,
                                        &page.m_removeUnitButton};
        for (const QWidget* w : categoryRow)
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        for (const QWidget* w : existingRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

        Click(page.m_existingRadio);
        for (const QWidget* w : categoryRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        for (const QWidget* w : existingRow)  // the first category has units
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();

        Click(page.m_addCategoryRadio);
        for (const QWidget* w : existingRow)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    });
}

TEST_F(CustomCategoriesTest, ControlsCarryTheirTemplateTextsAndTabOrder) {
    StartWindow();
    RunPreferences([&](CPropSheet& sheet) {
        CCustom& page = OpenCustomTab(sheet);
        EXPECT_EQ(page.m_categoryFrame.Title(), "Add new category    ");
        EXPECT_EQ(page.m_unitFrame.Title(), "Add units in existing category    ");
        EXPECT_EQ(page.m_addCategoryRadio.text(), "Add category");
        EXPECT_EQ(page.m_existingRadio.text(), "Existing category");
        EXPECT_EQ(page.m_addCategoryButton.text(), "Add");
        EXPECT_EQ(page.m_removeCategoryButton.text(), "Remove");
        EXPECT_EQ(page.m_unitHeading.text(), "UNIT");
        EXPECT_EQ(page.m_factorHeading.text(), "FACTOR");
        EXPECT_EQ(page.m_existingUnitHeading.text(), "UNIT");
        EXPECT_EQ(page.m_oneLabel.text(), "1");
        EXPECT_FALSE(page.m_equalsIcon.pixmap().isNull());

        // Tab order in "Existing category" mode, where the most is enabled.
        Click(page.m_existingRadio);
        const QWidget* order[] = {&page.m_existingRadio,        &page.m_categoryCombo,
                                  &page.m_removeCategoryButton, &page.m_unitNameEdit,
                                  &page.m_factorEdit,           &page.m_unitCombo,
                                  &page.m_addUnitButton,        &page.m_removeUnitButton};
        page.m_existingRadio.setFocus();
        for (size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
        }
        const std::pair<const QWidget*, int> ids[] = {
            {&page.m_addCategoryRadio, 1079},  {&page.m_existingRadio, 1080},
            {&page.m_categoryCombo, 1078},     {&page.m_categoryEdit, 1084},
            {&page.m_addCategoryButton, 1082}, {&page.m_removeCategoryButton, 1083},
            {&page.m_unitNameEdit, 1087},      {&page.m_factorEdit, 1086},
            {&page.m_unitCombo, 1085},         {&page.m_addUnitButton, 1054},
            {&page.m_removeUnitButton, 1089}};
        for (const auto& [widget, id] : ids)
            EXPECT_EQ(widget->property("controlId").toInt(), id)
                << widget->objectName().toStdString();
    });
}
