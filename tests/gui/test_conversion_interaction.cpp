// Converting as the user types and picks: real keys into the input field, real
// clicks on the unit lists, keys on the category list.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <ostream>

#include "main_window_fixture.h"
#include "result_format.h"

TEST_F(MainWindowTest, OneKilometerInMiles) {
    Start();
    TypeKilometersToMiles("1");

    EXPECT_EQ(OutputEdit().text(), "0.62137119223733");
    EXPECT_EQ(InputUnitLabel().text(), "Kilometers");
    EXPECT_EQ(OutputUnitLabel().text(), "Miles");
}

TEST_F(MainWindowTest, HundredCelsiusInFahrenheit) {
    Start();
    PickCategory("Temperature");
    ClickUnit(InputUnits(), "Celsius");
    ClickUnit(OutputUnits(), "Fahrenheit");
    ClearInput();
    TypeInput("100");

    EXPECT_EQ(OutputEdit().text(), "212");
    EXPECT_EQ(InputUnitLabel().text(), "Celsius");
    EXPECT_EQ(OutputUnitLabel().text(), "Fahrenheit");
}

TEST_F(MainWindowTest, EachClickConvertsWithTheSelectedPair) {
    Start();
    PickCategory("Distance");
    ClearInput();
    TypeInput("3");
    ClickUnit(InputUnits(), "Feet");
    EXPECT_EQ(OutputEdit().text(), "9144000000")
        << "3 feet in Angstrom, still selected on the output side";
    ClickUnit(OutputUnits(), "Inches");
    EXPECT_EQ(OutputEdit().text(), "36");
    EXPECT_EQ(InputUnits().TextAt(InputUnits().SelectedPosition()), "Feet")
        << "a click in one list leaves the other list's selection";
    EXPECT_EQ(InputUnitLabel().text(), "Feet");
    EXPECT_EQ(OutputUnitLabel().text(), "Inches");
}

TEST_F(MainWindowTest, CategoryChangeSelectsTheFirstUnitOnBothSides) {
    Start();
    TypeKilometersToMiles("2.5");

    PickCategory("Pressure");
    EXPECT_EQ(InputUnits().SelectedPosition(), 0);
    EXPECT_EQ(OutputUnits().SelectedPosition(), 0);
    EXPECT_EQ(InputUnits().TextAt(0), "Atmospheres");
    EXPECT_EQ(InputUnits().Count(), 19);
    EXPECT_EQ(OutputEdit().text(), "2.5") << "the first conversion after a change is the identity";
    EXPECT_EQ(InputUnitLabel().text(), "Atmospheres");
    EXPECT_EQ(OutputUnitLabel().text(), "Atmospheres");
}

struct TypedCase {
    const char* name;
    QString keys;    // typed into an emptied field
    QString field;   // what the field then holds
    QString output;  // Centimeters/sec² to itself: the value read, formatted
};
void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class TypedInputTest : public MainWindowTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedInputTest, FilterAndReading) {
    const TypedCase& c = GetParam();
    Start();
    ClearInput();
    TypeInput(c.keys);
    EXPECT_EQ(InputEdit().text(), c.field);
    EXPECT_EQ(OutputEdit().text(), c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedInputTest,
    ::testing::Values(TypedCase{"Digits", "1234", "1234", "1234"},
                      TypedCase{"LettersDropped", "1a2b3x", "123", "123"},
                      TypedCase{"CommaDropped", "2,5", "25", "25"},
                      TypedCase{"SpaceDropped", " 7 ", "7", "7"},
                      TypedCase{"OtherSymbolsDropped", "4%$/*=_", "4", "4"},
                      TypedCase{"UpperCaseExponent", "1E2", "1E2", "100"},
                      TypedCase{"LowerCaseExponentWithSign", "-4.5e-1", "-4.5e-1", "-0.45"},
                      TypedCase{"PlusSign", "+3", "+3", "3"},
                      TypedCase{"TrailingExponentLetter", "1e", "1e", "1"},
                      TypedCase{"SecondPoint", "2.5.1", "2.5.1", "2.5"},
                      TypedCase{"LoneMinus", "-", "-", "0"}, TypedCase{"LonePoint", ".", ".", "0"},
                      TypedCase{"SignsAnywhere", "5-+", "5-+", "5"},
                      TypedCase{"NonLatinLetterDropped", QString::fromUtf8("9ж²"), "9", "9"},
                      TypedCase{"Huge", "1e999", "1e999", "Infinity"}),
    [](const ::testing::TestParamInfo<TypedCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindowTest, EmptyFieldReadsAsZero) {
    Start();
    TypeInput("5");
    ClearInput();
    EXPECT_EQ(InputEdit().text(), "");
    EXPECT_EQ(OutputEdit().text(), "0");
}

TEST_F(MainWindowTest, TypingInTheMiddleKeepsTheCaret) {
    Start();
    ClearInput();
    TypeInput("12");
    QTest::keyClick(&InputEdit(), Qt::Key_Home);
    TypeInput("3");
    EXPECT_EQ(InputEdit().text(), "312");
    EXPECT_EQ(InputEdit().cursorPosition(), 1) << "the field is never rewritten under the caret";
    QTest::keyClick(&InputEdit(), Qt::Key_Right);
    QTest::keyClick(&InputEdit(), Qt::Key_Delete);
    EXPECT_EQ(InputEdit().text(), "31") << "Delete types nothing and gets through";
    EXPECT_EQ(OutputEdit().text(), "31");
}

TEST_F(MainWindowTest, EditingShortcutsWorkInTheInputFieldAndPasteIsReadAsTyped) {
    Start();
    ClearInput();
    TypeInput("45");

    QTest::keyClick(&InputEdit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(InputEdit().selectedText(), "45") << "Ctrl+A selects the whole field";
    QTest::keyClick(&InputEdit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(InputEdit().text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "45") << "Ctrl+X cuts to the clipboard";
    EXPECT_EQ(OutputEdit().text(), "0") << "the cut converts like any edit";

    QApplication::clipboard()->setText(QStringLiteral("12abc"));
    QTest::keyClick(&InputEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(InputEdit().text(), "12abc") << "pasted text is not filtered";
    EXPECT_EQ(OutputEdit().text(), "12") << "and reads by its numeric prefix";

    QTest::keyClick(&InputEdit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(InputEdit().text(), "") << "Ctrl+Z undoes the paste";
    EXPECT_EQ(OutputEdit().text(), "0");

    QTest::keyClick(&InputEdit(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(InputEdit().text(), "") << "other Ctrl keys still type nothing";
}

TEST_F(MainWindowTest, PastedTextIsNotFilteredAndConverts) {
    Start();
    ClearInput();
    QApplication::clipboard()->setText(QStringLiteral("  6.5 kg"));
    InputEdit().paste();  // what the field's context menu does
    EXPECT_EQ(InputEdit().text(), "  6.5 kg");
    EXPECT_EQ(OutputEdit().text(), "6.5");

    ClearInput();
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(&InputEdit(), Qt::Key_Insert,
                    Qt::ShiftModifier);  // types nothing: not filtered
    EXPECT_EQ(InputEdit().text(), "abc");
    EXPECT_EQ(OutputEdit().text(), "0");
}

TEST_F(MainWindowTest, ProfileFormatReachesTheOutput) {
    Start("[Settings]\r\nFormat=1\r\nPrecision=3\r\n");
    TypeKilometersToMiles("1");
    EXPECT_EQ(OutputEdit().text(), "6.214e-001");
}

TEST_F(MainWindowTest, CategoryWithoutUnitsShowsNotANumber) {
    Start("[Settings]\r\nCustom_1=Vacuum\r\n");
    ClearInput();
    TypeInput("4");
    PickCategory("Vacuum");
    EXPECT_EQ(InputUnits().Count(), 0);
    EXPECT_EQ(OutputUnits().Count(), 0);
    EXPECT_EQ(InputUnitLabel().text(), "");
    EXPECT_EQ(OutputUnitLabel().text(), "");
    EXPECT_EQ(OutputEdit().text(), "Not a number");
}

TEST_F(MainWindowTest, UnitNamesWithCodePageLettersMapBack) {
    // "Feet/sec²" is two bytes apart from "Feet/sec" in Windows-1252; the
    // shown text must map back to exactly the catalogue's bytes.
    Start();
    ClickUnit(InputUnits(), "Feet/sec\xB2");
    ClickUnit(OutputUnits(), "Inches/sec\xB2");
    ClearInput();
    TypeInput("1");
    EXPECT_EQ(OutputEdit().text(), "12");
    EXPECT_EQ(InputUnitLabel().text(), QString::fromUtf8("Feet/sec²"));
}
