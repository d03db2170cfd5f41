// Options > Find unit (Ctrl+F), Options > Swap units (Alt+S) and typing
// ahead in the window's lists, all driven by keys.
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
    void SetUp() override {
        MainWindowTest::SetUp();
        // Letters typed one after another make one search however slowly
        // the machine delivers them.
        savedInterval_ = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60 * 60 * 1000);
    }
    void TearDown() override {
        QApplication::setKeyboardInputInterval(savedInterval_);
        MainWindowTest::TearDown();
    }

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

private:
    int savedInterval_ = 0;
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

TEST_F(FindAndSwapTest, FindLeavesEverythingAsItWasOnEsc) {
    Start();
    TypeKilometersToMiles("1");
    const std::vector<std::string> before = Shown();

    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    QTest::keyClicks(&Filter(*popup), "lb/in2");  // an alias
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Pounds/inch² — Pressure"));
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
    QApplication::processEvents();

    EXPECT_FALSE(popup && popup->isVisible());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(InputUnitLabel().text(), "Kilometers");
    EXPECT_EQ(OutputUnitLabel().text(), "Miles");
    EXPECT_TRUE(Window().isVisible()) << "Esc in the popup does not end the window";
}

TEST_F(FindAndSwapTest, FindOffersOnlyTheListedCategories) {
    // Distance hidden; a custom category with a unit of its own.
    Start(
        "[Distance]\r\nVisibility=0\r\n"
        "[Settings]\r\nCustom_1=Stacks\r\n"
        "[Stacks]\r\nCustomUnits=1\r\nCustomUnit_1=Crates\r\nCustomValue_1=1.0\r\n");
    QPointer<FindUnitPopup> popup = OpenFind();
    ASSERT_TRUE(popup);
    QTest::keyClicks(&Filter(*popup), "kilometers");
    auto* matches = popup->findChild<QListWidget*>(QStringLiteral("matches"));
    for (int i = 0; i < matches->count(); ++i)
        EXPECT_FALSE(matches->item(i)->text().endsWith(QStringLiteral("Distance")));

    Filter(*popup).clear();
    QTest::keyClicks(&Filter(*popup), "crat");
    EXPECT_EQ(Current(*popup), QString::fromUtf8("Crates — Stacks"));
    // The Output unit button's key; a button pressed by key shows itself
    // pressed for a moment before it clicks.
    QTest::keyClick(&Filter(*popup), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&popup] { return !popup || !popup->isVisible(); }));
    EXPECT_EQ(Shown()[0], "Stacks");
    EXPECT_EQ(Shown()[2], "Crates");
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

TEST_F(FindAndSwapTest, TypingInTheListsJumpsToTheEntryAndConverts) {
    Start();
    ClearInput();
    TypeInput("1");

    Categories().setFocus();
    QTest::keyClicks(&Categories(), "di");  // past "Density" to "Distance"
    EXPECT_EQ(Categories().SelectedText(), "Distance");
    EXPECT_EQ(InputUnits().TextAt(0), "Angstrom") << "the category's units are listed";

    InputUnits().setFocus();
    QTest::keyClicks(&InputUnits(), "mil");  // past "Meters" and "Micron"
    OutputUnits().setFocus();
    QTest::keyClicks(&OutputUnits(), "n");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Distance", "Miles", "Nautical miles",
                                                 "0.86897624190065"}));
    EXPECT_EQ(InputUnitLabel().text(), "Miles");
}
