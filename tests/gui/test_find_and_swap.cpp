// Options > Find unit (Ctrl+F) and Options > Swap units (Alt+S), driven by
// keys.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "find_unit_popup.h"
#include "main_window_fixture.h"

namespace {

class FindAndSwapTest : public MainWindowTest {
protected:
    // Ctrl+F from the input field; the popup it opens.
    FindUnitPopup* OpenFind() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return Window().isActiveWindow(); }));
        InputEdit().setFocus();
        QTest::keyClick(&InputEdit(), Qt::Key_F, Qt::ControlModifier);
        // A chosen popup is deleted later; the one Ctrl+F opened is shown.
        // (A window counts as active for Qt while a child of it is, so the
        // popup's own activation is waited for.)
        for (auto* popup : Window().findChildren<FindUnitPopup*>())
            if (popup->isVisible() && QTest::qWaitFor([popup] { return popup->isActiveWindow(); }))
                return popup;
        ADD_FAILURE() << "Ctrl+F opened no popup";
        return nullptr;
    }
    static QLineEdit& Filter(FindUnitPopup& popup) {
        return *popup.findChild<QLineEdit*>(QStringLiteral("filter"));
    }
    static QString Current(FindUnitPopup& popup) {
        const QListWidgetItem* entry =
            popup.findChild<QListWidget*>(QStringLiteral("matches"))->currentItem();
        return entry == nullptr ? QString() : entry->text();
    }
    // What the window shows: category, the two selected units, the output.
    std::vector<std::string> Shown() {
        return {Categories().SelectedText(), InputUnits().TextAt(InputUnits().SelectedPosition()),
                OutputUnits().TextAt(OutputUnits().SelectedPosition()),
                OutputEdit().text().toStdString()};
    }
};

}  // namespace

TEST_F(FindAndSwapTest, FindPutsTheUnitOnEitherSideAndConverts) {
    Start();
    ClearInput();
    TypeInput("1");

    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    EXPECT_EQ(QApplication::focusWidget(), &Filter(*popup));
    QTest::keyClicks(&Filter(*popup), "kilometers");
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Kilometers — Distance"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(popup && popup->isVisible());
    EXPECT_EQ(Shown()[0], "Distance");
    EXPECT_EQ(Shown()[1], "Kilometers");
    EXPECT_EQ(InputUnitLabel().text(), "Kilometers");

    popup = OpenFind();
    ASSERT_TRUE(popup);
    // Part of a name will do; Down moves to the next match from the field.
    QTest::keyClicks(&Filter(*popup), "MILE");
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Miles — Distance"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Down);
    EXPECT_NE(Current(*popup), QString::fromUtf8("Miles — Distance"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Up);
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Miles — Distance"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Return, Qt::ShiftModifier);
    QApplication::processEvents();

    EXPECT_EQ(Shown(),
              (std::vector<std::string>{"Distance", "Kilometers", "Miles", "0.62137119223733"}))
        << "the input unit stays when the category does";
    EXPECT_EQ(OutputUnitLabel().text(), "Miles");
    EXPECT_EQ(InputEdit().text(), "1");
    EXPECT_EQ(QApplication::focusWidget(), &InputEdit()) << "ready for the number";
}

TEST_F(FindAndSwapTest, FindOffersTheListedUnitsByNameOrSymbolAndEscChangesNothing) {
    // Distance hidden; a custom category with a unit of its own.
    Start(
        "[Distance]\r\nVisibility=0\r\n"
        "[Settings]\r\nCustom_1=Stacks\r\n"
        "[Stacks]\r\nCustomUnits=1\r\nCustomUnit_1=Crates\r\nCustomValue_1=1.0\r\n");
    PickCategory("Temperature");
    const std::vector<std::string> before = Shown();

    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    // Whole rows, as in the window's lists: no half-cut last entry.
    const auto* list = popup->findChild<QListWidget*>(QStringLiteral("matches"));
    ASSERT_GT(list->sizeHintForRow(0), 0);
    EXPECT_EQ(list->viewport()->height() % list->sizeHintForRow(0), 0);
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"kilometers", "Kilometers/hour — Velocity"},  // not the hidden Distance's
        {"lb/in2", "Pounds/inch² — Pressure"},         // a symbol
        {"crat", "Crates — Stacks"},
    };
    for (const auto& [typed, first] : cases) {
        Filter(*popup).clear();
        QTest::keyClicks(&Filter(*popup), typed);
        EXPECT_EQ(Current(*popup), QString::fromUtf8(first)) << typed;
    }
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
    QApplication::processEvents();

    EXPECT_FALSE(popup && popup->isVisible());
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(Window().isVisible()) << "Esc in the popup does not end the window";
}

TEST_F(FindAndSwapTest, FindSaysWhyItsListIsEmpty) {
    // No rates cached: Currency holds the euro alone.
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", folder_.filePath(QStringLiteral("no-cache")).toLocal8Bit());
    Start();
    qputenv("XDG_CACHE_HOME", cache);
    const std::vector<std::string> before = Shown();
    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    auto* matches = popup->findChild<QListWidget*>(QStringLiteral("matches"));
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"zzqx", "No unit matches"},
        {"usd", "No exchange rates yet"},
    };
    for (const auto& [typed, note] : cases) {
        Filter(*popup).clear();
        QTest::keyClicks(&Filter(*popup), typed);
        ASSERT_EQ(matches->count(), 1) << typed;
        EXPECT_EQ(matches->item(0)->text(), note) << typed;
        EXPECT_EQ(Current(*popup), "") << "the note cannot be chosen";
        QTest::keyClick(&Filter(*popup), Qt::Key_Return);
        EXPECT_TRUE(popup->isVisible()) << "Enter on the note chooses nothing";
    }
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(Shown(), before);
}

// An expression finds the units of its size and dimension: a newton metre
// is the torque unit and, as a joule, energy's too.
TEST_F(FindAndSwapTest, FindReadsAnExpressionAsTheUnitsOfItsSize) {
    Start();
    ClearInput();
    TypeInput("2");
    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    QTest::keyClicks(&Filter(*popup), "N*m");
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Newton meter — Torque"));
    const auto* matches = popup->findChild<QListWidget*>(QStringLiteral("matches"));
    EXPECT_FALSE(
        matches->findItems(QString::fromUtf8("Joules — Energy"), Qt::MatchExactly).isEmpty());
    QTest::keyClick(&Filter(*popup), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Shown()[0], "Torque");
    EXPECT_EQ(Shown()[1], "Newton meter");

    popup = OpenFind();
    ASSERT_TRUE(popup);
    QTest::keyClicks(&Filter(*popup), "kg/m^3");
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Kilograms/meter³ — Density"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
}

TEST_F(FindAndSwapTest, AltSSwapsTheUnitsAndConverts) {
    Start();
    TypeKilometersToMiles("1");

    QTest::keyClick(&InputEdit(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Distance", "Miles", "Kilometers", "1.609344"}));
    EXPECT_EQ(InputUnitLabel().text(), "Miles");
    EXPECT_EQ(OutputUnitLabel().text(), "Kilometers");
    EXPECT_EQ(InputEdit().text(), "1") << "Alt+S types nothing";

    // From a list as well, and back again.
    InputUnits().setFocus();
    QTest::keyClick(&InputUnits(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{"Distance", "Kilometers", "Miles", "0.62137119223733"}));
}
