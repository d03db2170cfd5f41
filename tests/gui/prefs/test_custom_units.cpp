// Custom units on the Custom tab: the factor arithmetic, the limits, the
// refusals, removal, and the factor field's key filter.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTest>

#include "catalogue.h"
#include "custom_page.h"
#include "custom_steps.h"
#include "number_text.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "profile_keys.h"
#include "sorted_combo_box.h"

using CustomUnitsTest = PrefsTest;

namespace {

const QString InvalidName = QStringLiteral("Please enter a valid name for the new unit.");
const QString InUse = QStringLiteral("The name you have chosen \nis already in use.");
const QString BadFactor = QStringLiteral("Enter a valid conversion factor for the unit");
const QString TenUnits =
    QStringLiteral("You have reached maximum allowed custom unit for this category.");
const QString FullRow =
    QStringLiteral("You have reached the maximum allowed custom units for this category");

constexpr int DistanceRow = BuiltinRowNamed("Distance");

bool Lists(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TEST_F(CustomUnitsTest, SpanAsNineInches) {
    StartWindow();
    ChooseMainCategory("Distance");
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        AddUnit(page, "span", "9", "Inches");
        EXPECT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(desktop_.exclamations, 1);
        EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 20);
        EXPECT_EQ(catalogue_->Name(DistanceRow, 20), "Span");
        const double inches =
            catalogue_->Factor(DistanceRow, *catalogue_->UnitByName(DistanceRow, "Inches"));
        EXPECT_EQ(catalogue_->Factor(DistanceRow, 20), 9 * inches);
        EXPECT_EQ(Stored("Distance", "CustomUnit_1"), "Span");
        EXPECT_EQ(ParseNumberPrefix(Stored("Distance", "CustomValue_1")), 9 * inches);
        EXPECT_EQ(Stored("Distance", "CustomUnits"), "1");
        EXPECT_EQ(page.unitNameEdit_.text(), "");
        EXPECT_EQ(page.factorEdit_.text(), "");
        EXPECT_EQ(page.unitCombo_.SelectedText(), "Inches");  // selection unchanged
        EXPECT_TRUE(Lists(Entries(page.unitCombo_), "Span"));
        // The main window shows the new unit at once, still on its category.
        EXPECT_TRUE(Lists(MainUnitNames(), "Span"));
        EXPECT_EQ(MainCategories().SelectedText(), "Distance");
    });
}

TEST_F(CustomUnitsTest, FirstUnitOfAnEmptyCategoryIsItsReferenceUnit) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        AddCategory(page, "Beer");
        ChooseCategory(page, "Beer");
        EXPECT_FALSE(page.factorEdit_.isEnabled());
        AddUnit(page, "pint", "");
        const int row = *catalogue_->CategoryByName("Beer");
        EXPECT_EQ(catalogue_->UnitCount(row), 1);
        EXPECT_EQ(catalogue_->Name(row, 1), "Pint");
        EXPECT_EQ(catalogue_->Factor(row, 1), 1.0);
        EXPECT_EQ(Stored("Beer", "CustomValue_1"), "1");
        EXPECT_EQ(page.unitNameEdit_.text(), "") << "cleared for the next unit";
        EXPECT_EQ(page.unitCombo_.SelectedText(), "Pint");
        EXPECT_TRUE(page.unitCombo_.isEnabled());
        EXPECT_TRUE(page.factorEdit_.isEnabled());
        EXPECT_TRUE(page.removeUnitButton_.isEnabled());

        AddUnit(page, "crate", "24", "Pint");
        EXPECT_EQ(catalogue_->Factor(row, 2), 24.0);
        EXPECT_EQ(Stored("Beer", "CustomValue_2"), "24");
        AddUnit(page, "pallet", "40", "Crate");
        EXPECT_EQ(catalogue_->Factor(row, 3), 960.0);
        EXPECT_TRUE(desktop_.messages.empty());
    });
}

TEST_F(CustomUnitsTest, RefusedUnitsChangeNothing) {
    struct Case {
        const char* name;
        const char* category;
        const char* existing;
        QString unit;
        QString factor;
        QString message;
    };
    const Case cases[] = {
        {"temperature factors are all 0", "Temperature", "Kelvin", "warm", "2", BadFactor},
        {"built-in name in other case", "Distance", "Feet", "meters", "3", InUse},
        {"symbol of a built-in unit", "Distance", "Feet", "km", "3",
         QStringLiteral("\"km\" is already the symbol of \"Kilometers\"")},
        {"symbol in other case", "Distance", "Feet", "MI", "3",
         QStringLiteral("\"mi\" is already the symbol of \"Miles\"")},
        {"alias of a mass unit", "Mass", "Grams", "Lb", "3",
         QStringLiteral("\"lb\" is already the symbol of \"Pounds\"")},
        {"custom in any case", "Distance", "Feet", "cUsToM", "3", InvalidName},
        {"one letter", "Distance", "Feet", "q", "3", InvalidName},
        {"empty factor", "Distance", "Feet", "nothing", "", BadFactor},
        {"negative", "Distance", "Feet", "back", "-2", BadFactor},
        {"not finite", "Distance", "Feet", "huge", "1e999", BadFactor},
        {"product not finite", "Distance", "Light years", "vast", "1e300", BadFactor},
        {"no number", "Distance", "Feet", "dots", "..", BadFactor},
        {"outside the code page", "Distance", "Feet", QStringLiteral("\u2126 ohm"), "2",
         QStringLiteral("The settings file cannot hold the character \"\u2126\": please choose "
                        "a name without it.")},
    };
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            desktop_.messages.clear();
            ChooseCategory(page, c.category);
            const int row = *catalogue_->CategoryByName(c.category);
            const int count = catalogue_->UnitCount(row);
            AddUnit(page, c.unit, c.factor, c.existing);
            ASSERT_EQ(desktop_.messages.size(), 1u);
            EXPECT_EQ(desktop_.messages[0].text, c.message);
            EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
            EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
            EXPECT_EQ(catalogue_->UnitCount(row), count);
            EXPECT_EQ(page.unitNameEdit_.text(), c.unit);
        }
    });
    EXPECT_EQ(desktop_.exclamations, 0);
    EXPECT_EQ(Stored("Distance", "CustomUnits"), "(absent)");
    EXPECT_EQ(Stored("Temperature", "CustomUnits"), "(absent)");
    EXPECT_EQ(Stored("Mass", "CustomUnits"), "(absent)");
}

TEST_F(CustomUnitsTest, SmallFactorsKeepEveryDigit) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        // Centimeters is the reference unit.
        AddUnit(page, "speck", "0.000000000123456", "Centimeters");
        AddUnit(page, "mote", "0.000000000000004", "Centimeters");
        EXPECT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(ParseNumberPrefix(Stored("Distance", "CustomValue_1")), 0.000000000123456);
        EXPECT_EQ(catalogue_->Factor(DistanceRow, 20), 0.000000000123456);
        EXPECT_EQ(catalogue_->Factor(DistanceRow, 21), 0.000000000000004);
    });
}

TEST_F(CustomUnitsTest, RemovedUnitLeavesTheWindowWhenTheProfileCannotBeWritten) {
    WriteProfile("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Span\r\nCustomValue_1=22.86\r\n");
    StartWindow();
    ChooseMainCategory("Distance");
    ASSERT_TRUE(Lists(MainUnitNames(), "Span"));
    // A lock that cannot be taken fails every write, as a full disk does.
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(ProfilePath() + ".lock")));
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        RemoveUnit(page, "Span");
        EXPECT_FALSE(Lists(Entries(page.unitCombo_), "Span"));
        EXPECT_FALSE(Lists(MainUnitNames(), "Span"));
    });
    ASSERT_EQ(desktop_.messages.size(), 2u);  // the confirmation, then the failed write
    EXPECT_TRUE(desktop_.messages[1].text.contains(QString::fromStdString(ProfilePath())));
    EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 19);
}

TEST_F(CustomUnitsTest, VelocityKeepsItsOneLetterUnit) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Velocity");
        const int row = *catalogue_->CategoryByName("Velocity");
        ASSERT_EQ(catalogue_->UnitCount(row), 18);
        AddUnit(page, "half light", "0.5", "C");
        EXPECT_EQ(catalogue_->Name(row, 19), "Half light");
        EXPECT_EQ(catalogue_->Name(row, 1), "C");
        EXPECT_EQ(Stored("Velocity", "CustomUnit_1"), "Half light");
    });
}

TEST_F(CustomUnitsTest, EleventhUnitIsRefusedBeforeTheNameIsRead) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        for (int i = 1; i <= 10; ++i)
            AddUnit(page, QStringLiteral("step %1").arg(i), QString::number(i), "Meters");
        ASSERT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(Stored("Distance", "CustomUnits"), "10");
        AddUnit(page, "x", "1");  // a bad name too: the limit speaks first
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, TenUnits);
        EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 29);
    });
    EXPECT_EQ(desktop_.exclamations, 10);
}

TEST_F(CustomUnitsTest, NoFreeRecordInTheProfileSaysTheFileIsFull) {
    StartWindow();
    // Records 1..10 taken by hand while CustomUnits says 2.
    std::string text = "[Distance]\r\nCustomUnits=2\r\n";
    for (int k = 1; k <= 10; ++k)
        text += "CustomUnit_" + std::to_string(k) + "=Hand" + std::to_string(k) +
                "\r\nCustomValue_" + std::to_string(k) + "=1\r\n";
    WriteProfile(text);
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        AddUnit(page, "span", "9", "Inches");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "The settings file has no room left for another custom unit in this category.");
        EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
    });
    EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 19);
    EXPECT_EQ(Stored("Distance", "CustomUnits"), "2");
    EXPECT_EQ(desktop_.exclamations, 0);
}

TEST_F(CustomUnitsTest, FullRowWritesNothingToTheProfile) {
    StartWindow();
    while (catalogue_->AppendUnit(
        DistanceRow, "Filler" + std::to_string(catalogue_->UnitCount(DistanceRow)), 1.0)) {
    }
    ASSERT_EQ(catalogue_->UnitCount(DistanceRow), MaxUnitsPerRow);
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        AddUnit(page, "span", "9", "Inches");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, FullRow);
        EXPECT_FALSE(Lists(Entries(page.unitCombo_), "Span"));
    });
    EXPECT_EQ(desktop_.exclamations, 0);
    EXPECT_EQ(Stored("Distance", "CustomUnits"), "(absent)");
    EXPECT_EQ(Stored("Distance", "CustomUnit_1"), "(absent)");
}

TEST_F(CustomUnitsTest, BuiltInUnitCannotBeRemoved) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        RemoveUnit(page, "Feet");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tFeet\n\nYou may only remove previously added units.");
        EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::Ok);
    });
    EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 19);
}

TEST_F(CustomUnitsTest, RemovingAAmongABAndC) {
    StartWindow();
    ChooseMainCategory("Pressure");
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        AddUnit(page, "aa", "1", "Meters");
        AddUnit(page, "bb", "2", "Meters");
        AddUnit(page, "cc", "3", "Meters");
        ASSERT_EQ(catalogue_->UnitCount(DistanceRow), 22);

        desktop_.answers = {Desktop::Answer::Cancel};
        RemoveUnit(page, "Aa");
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text,
                  "\tAa\n\nAre you sure you want to remove the selected unit?");
        EXPECT_EQ(desktop_.messages[0].buttons, Desktop::Buttons::OkCancel);
        EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 22);
        EXPECT_EQ(MainCategories().SelectedText(), "Pressure");

        RemoveUnit(page, "Aa");
        EXPECT_EQ(catalogue_->UnitCount(DistanceRow), 21);
        EXPECT_EQ(catalogue_->Name(DistanceRow, 20), "Bb");
        EXPECT_EQ(catalogue_->Factor(DistanceRow, 20), 200.0);
        EXPECT_EQ(catalogue_->Name(DistanceRow, 21), "Cc");
        EXPECT_EQ(catalogue_->Factor(DistanceRow, 21), 300.0);
        EXPECT_EQ(catalogue_->Name(DistanceRow, 22), "");
        EXPECT_FALSE(Lists(Entries(page.unitCombo_), "Aa"));
        EXPECT_EQ(page.unitCombo_.SelectedPosition(), 0);
        // The main window turns to the category the unit left.
        EXPECT_EQ(MainCategories().SelectedText(), "Distance");
        EXPECT_FALSE(Lists(MainUnitNames(), "Aa"));
    });
    EXPECT_EQ(Stored("Distance", "CustomUnit_1"), "Custom");
    EXPECT_EQ(Stored("Distance", "CustomValue_1"), "(absent)");
    EXPECT_EQ(Stored("Distance", "CustomUnit_2"), "Bb");
    EXPECT_EQ(Stored("Distance", "CustomUnit_3"), "Cc");
    EXPECT_EQ(Stored("Distance", "CustomUnits"), "2");
}

TEST_F(CustomUnitsTest, RemovingTheOnlyUnitDisablesTheUnitChoice) {
    WriteProfile(
        "[Settings]\r\nCustom_1=Beer\r\n"
        "[Beer]\r\nCustomUnits=1\r\nCustomUnit_1=Pint\r\nCustomValue_1=1\r\n");
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Beer");
        RemoveUnit(page, "Pint");
        EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 0);
        EXPECT_EQ(page.unitCombo_.Count(), 0);
        EXPECT_FALSE(page.unitCombo_.isEnabled());
        EXPECT_FALSE(page.factorEdit_.isEnabled());
        EXPECT_FALSE(page.removeUnitButton_.isEnabled());
        EXPECT_TRUE(page.unitNameEdit_.isEnabled());
        EXPECT_TRUE(page.addUnitButton_.isEnabled());
    });
    EXPECT_EQ(Stored("Beer", "CustomUnits"), "0");
}

TEST_F(CustomUnitsTest, FactorFieldTakesOnlyNumberCharacters) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        QTest::keyClicks(&page.factorEdit_, "9x.5,e+E-a ");
        EXPECT_EQ(page.factorEdit_.text(), "9.5e+E-");
        QTest::keyClick(&page.factorEdit_, Qt::Key_Backspace);
        EXPECT_EQ(page.factorEdit_.text(), "9.5e+E");
        QApplication::clipboard()->setText(QStringLiteral("777"));
        QTest::keyClick(&page.factorEdit_, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(page.factorEdit_.text(), "9.5e+E");  // the clipboard keys do nothing
        QTest::keyClicks(&page.unitNameEdit_, "x,y z");
        EXPECT_EQ(page.unitNameEdit_.text(), "x,y z");  // the name is not filtered
    });
}
