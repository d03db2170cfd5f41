// The mixed-units option in the main window: feet and inches, stones and
// pounds, degrees, minutes and seconds in the output field, Copy output
// copying what is shown, and everything as before with the option off.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "main_window_fixture.h"

namespace {

struct MixedCase {
    const char* category;
    const char* input;
    const char* output;
    const char* typed;
    const char* text;
};

// Fixed with two decimals: the ounce and the minute of the catalogue's table
// are not exactly a sixteenth of a pound and a sixtieth of an hour, which
// AutoFormat's 14 digits would show.
const char* const MixedOn =
    "[Settings]\r\nMixedUnits=TRUE\r\nInchFraction=8\r\nFormat=2\r\nPrecision=2\r\n";

}  // namespace

TEST_F(MainWindowTest, MixedUnitsShowTheOutputAsPeopleWriteIt) {
    const MixedCase cases[] = {
        {"Distance", "Meters", "Feet", "1.75", "5 ft 8 7/8 in"},
        {"Distance", "Meters", "Inches", "1.75", "68 7/8 in"},
        {"Distance", "Meters", "Feet", "1.8288", "6 ft 0 in"},
        {"Distance", "Meters", "Feet", "-1.75", "-5 ft 8 7/8 in"},
        {"Distance", "Meters", "Miles", "1609.344", "1.00"},  // no mixed form: as ever
        {"Mass", "Pounds", "Stones", "172", "12 st 4.00 lb"},
        {"Mass", "Ounces", "Pounds", "52", "3 lb 4.00 oz"},
        {"Time", "Minutes", "Hours", "150", "2 h 30 min 0.00 s"},
        {"Angle", "Degrees", "Degrees", "30.2528", "30\u00B0 15\u2032 10.08\u2033"},
    };
    Start(MixedOn);
    for (const MixedCase& c : cases) {
        SCOPED_TRACE(std::string(c.output) + " " + c.typed);
        PickCategory(c.category);
        ClickUnit(InputUnits(), c.input);
        ClickUnit(OutputUnits(), c.output);
        ClearInput();
        TypeInput(QString::fromUtf8(c.typed));
        EXPECT_EQ(OutputEdit().text(), QString::fromUtf8(c.text));
    }
    // Copy output copies the text shown.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromUtf8("30\u00B0 15\u2032 10.08\u2033"));
}

class MixedUnitsOffTest : public MainWindowTest {
protected:
    QString MetersAsFeet(const QString& typed) {
        PickCategory("Distance");
        ClickUnit(InputUnits(), "Meters");
        ClickUnit(OutputUnits(), "Feet");
        ClearInput();
        TypeInput(typed);
        return OutputEdit().text();
    }
};

TEST_F(MixedUnitsOffTest, ByDefault) {
    Start();
    EXPECT_EQ(MetersAsFeet(QStringLiteral("1.75")), "5.741469816273");
}

TEST_F(MixedUnitsOffTest, UnlessStoredAsTRUE) {
    Start(std::string("[Settings]\r\nMixedUnits=true\r\n"));
    EXPECT_EQ(MetersAsFeet(QStringLiteral("1.75")), "5.741469816273");
}
