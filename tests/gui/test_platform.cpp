// The small platform layer: dialog units, the Unicode edge, finding a
// calculator, and the key filter of the input field.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <ostream>

#include "calculator.h"
#include "dialog_units.h"
#include "input_filter.h"
#include "text_edge.h"

// --- Dialog units -------------------------------------------------------------

struct UnitsCase {
    const char* name;
    int baseWidth, baseHeight;
    int x, y;            // dialog units
    int pixelX, pixelY;  // as the dialog manager rounds them
};
void PrintTo(const UnitsCase& c, std::ostream* out) { *out << c.name; }

class DialogUnitsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(DialogUnitsTest, ScalesAndRoundsLikeTheDialogManager) {
    const UnitsCase& c = GetParam();
    const DialogUnits units(c.baseWidth, c.baseHeight);
    EXPECT_EQ(units.X(c.x), c.pixelX);
    EXPECT_EQ(units.Y(c.y), c.pixelY);
    EXPECT_EQ(units.Rect(c.x, c.y, c.x, c.y), QRect(c.pixelX, c.pixelY, c.pixelX, c.pixelY));
    EXPECT_EQ(units.Size(c.x, c.y), QSize(c.pixelX, c.pixelY));
}

INSTANTIATE_TEST_SUITE_P(Bases, DialogUnitsTest,
                         ::testing::Values(UnitsCase{"Exact", 8, 16, 16, 14, 32, 28},
                                           UnitsCase{"RoundsHalfUp", 6, 13, 249, 191, 374, 310},
                                           UnitsCase{"RoundsDown", 7, 13, 147, 147, 257, 239},
                                           UnitsCase{"Zero", 7, 13, 0, 0, 0, 0},
                                           UnitsCase{"OneUnit", 7, 13, 1, 1, 2, 2}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(DialogUnitsFont, LargerFontsMakeLargerUnits) {
    const DialogUnits small(TemplateFont(QStringLiteral("Verdana"), 8));
    const DialogUnits large(TemplateFont(QStringLiteral("Verdana"), 16));
    EXPECT_GT(small.BaseWidth(), 3);
    EXPECT_GT(small.BaseHeight(), 8);
    EXPECT_GT(large.BaseWidth(), small.BaseWidth());
    EXPECT_GT(large.BaseHeight(), small.BaseHeight());
}

// --- Unicode edge ---------------------------------------------------------------

struct EdgeCase {
    const char* name;
    std::string bytes;
    QString text;
};
void PrintTo(const EdgeCase& c, std::ostream* out) { *out << c.name; }

class TextEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(TextEdgeTest, RoundTrips) {
    const EdgeCase& c = GetParam();
    EXPECT_EQ(QStringFromCp1252(c.bytes), c.text);
    EXPECT_EQ(Cp1252FromQString(c.text), c.bytes);
    EXPECT_EQ(Cp1252FromQStringLossy(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextEdgeTest,
    ::testing::Values(EdgeCase{"Ascii", "Miles", "Miles"},
                      EdgeCase{"SuperscriptTwoAndTrailingBlank", "Centimeters/sec\xB2 ",
                               QString::fromUtf8("Centimeters/sec² ")},
                      EdgeCase{"OrdinalIndicator", "BTU (39 \xBA F)",
                               QString::fromUtf8("BTU (39 º F)")},
                      EdgeCase{"EuroAndDagger", "\x80\x86", QString::fromUtf8("€†")},
                      EdgeCase{"UndefinedByte", "\x81", QString(QChar(0x81))},
                      EdgeCase{"Empty", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TextEdge, CharactersOutsideTheCodePage) {
    const QString text = QString::fromUtf8("1 ≠ 2 ж");
    EXPECT_FALSE(Cp1252FromQString(text).has_value()) << "a name must never be stored damaged";
    EXPECT_EQ(Cp1252FromQStringLossy(text), "1 ? 2 ?");
    EXPECT_EQ(Cp1252FromQStringLossy(QString::fromUtf8("😀5")), "?5") << "one mark per character";
}

// --- Calculator lookup --------------------------------------------------------

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", (folder_.filePath("a") + ":" + folder_.filePath("b")).toLocal8Bit());
        QDir().mkpath(folder_.filePath("a"));
        QDir().mkpath(folder_.filePath("b"));
    }
    void TearDown() override { qputenv("PATH", savedPath_); }

    QString Program(const QString& folder, const QString& name, bool executable = true) {
        const QString path = folder_.filePath(folder + "/" + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        return path;
    }

    QTemporaryDir folder_;
    QByteArray savedPath_;
};

TEST_F(CalculatorTest, TheBigDesktopsCalculatorsComeFirst) {
    EXPECT_EQ(CalculatorPrograms(),
              QStringList({"gnome-calculator", "kcalc", "qalculate-qt", "qalculate-gtk",
                           "galculator", "mate-calc", "xcalc"}));
    EXPECT_EQ(FindCalculator(), "") << "none on PATH";

    const QString xcalc = Program("a", "xcalc");
    EXPECT_EQ(FindCalculator(), xcalc);
    const QString mate = Program("b", "mate-calc");
    EXPECT_EQ(FindCalculator(), mate) << "the list's order beats PATH's order";
    Program("a", "kcalc", false);
    EXPECT_EQ(FindCalculator(), mate) << "a file that cannot run is no calculator";
    const QString gnome = Program("b", "gnome-calculator");
    EXPECT_EQ(FindCalculator(), gnome);
}

// --- The input field's key filter ----------------------------------------------

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool letThrough;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class InputFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(InputFilterTest, LetsThroughOnlyNumberCharactersAndTheWindowsKeys) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(NumberInputFilter::LetsThrough(event), c.letThrough);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, InputFilterTest,
    ::testing::Values(
        KeyCase{"Digit", Qt::Key_7, Qt::NoModifier, "7", true},
        KeyCase{"Point", Qt::Key_Period, Qt::NoModifier, ".", true},
        KeyCase{"KeypadDigit", Qt::Key_3, Qt::KeypadModifier, "3", true},
        KeyCase{"Plus", Qt::Key_Plus, Qt::ShiftModifier, "+", true},
        KeyCase{"Minus", Qt::Key_Minus, Qt::NoModifier, "-", true},
        KeyCase{"LowerE", Qt::Key_E, Qt::NoModifier, "e", true},
        KeyCase{"UpperE", Qt::Key_E, Qt::ShiftModifier, "E", true},
        KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", true},
        KeyCase{"LetterD", Qt::Key_D, Qt::NoModifier, "d", false},
        KeyCase{"Comma", Qt::Key_Comma, Qt::NoModifier, ",", false},
        KeyCase{"Space", Qt::Key_Space, Qt::NoModifier, " ", false},
        KeyCase{"AccentedE", Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"), false},
        KeyCase{"CtrlVAsX11SendsIt", Qt::Key_V, Qt::ControlModifier, QString(QChar(22)), true},
        KeyCase{"CtrlVWithItsLetter", Qt::Key_V, Qt::ControlModifier, "v", true},
        KeyCase{"CtrlA", Qt::Key_A, Qt::ControlModifier, QString(QChar(1)), true},
        KeyCase{"CtrlZ", Qt::Key_Z, Qt::ControlModifier, QString(QChar(26)), true},
        KeyCase{"CtrlE", Qt::Key_E, Qt::ControlModifier, QString(QChar(5)), false},
        KeyCase{"CtrlBackspace", Qt::Key_Backspace, Qt::ControlModifier, QString(QChar(127)),
                false},
        KeyCase{"AltE", Qt::Key_E, Qt::AltModifier, "e", false},
        KeyCase{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", true},
        KeyCase{"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, "", true},
        KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)), true},
        KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, "\r", true},
        KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, "", true},
        KeyCase{"DeleteThoughX11TypesDel", Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)),
                true},
        KeyCase{"ShiftInsert", Qt::Key_Insert, Qt::ShiftModifier, "", true}),
    [](const auto& row) { return std::string(row.param.name); });
