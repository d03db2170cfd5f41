// The history (Options > History, Ctrl+H) and the favourites (Ctrl+D,
// Options > Favourites, Ctrl+1 ... Ctrl+9) on the real window, driven by keys.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "custom_catalogue.h"
#include "favourites.h"
#include "file_call_counter.h"
#include "find_unit_popup.h"
#include "history_file.h"
#include "history_popup.h"
#include "main_window_fixture.h"

namespace {

class HistoryTest : public MainWindowTest {
protected:
    std::string HistoryPath() const {
        return folder_.filePath(QStringLiteral("state/mezura/history")).toStdString();
    }
    // The entries as the file holds them: "value input>output".
    std::vector<std::string> Stored() const {
        std::vector<std::string> shown;
        for (const HistoryEntry& entry : ReadHistoryFile(HistoryPath()).entries)
            shown.push_back(entry.value + " " + entry.pair.input + ">" + entry.pair.output);
        return shown;
    }
    void WriteHistory(const std::string& bytes) {
        QDir().mkpath(folder_.filePath(QStringLiteral("state/mezura")));
        std::ofstream(HistoryPath(), std::ios::binary) << bytes;
    }
    void Restart() {
        window_->close();
        window_.reset();
        app_.reset();
        catalogue_.emplace();
        Start();
    }
    HistoryPopup* OpenHistory() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return Window().isActiveWindow(); }));
        InputEdit().setFocus();
        QTest::keyClick(&InputEdit(), Qt::Key_H, Qt::ControlModifier);
        for (auto* popup : Window().findChildren<HistoryPopup*>())
            if (popup->isVisible() && QTest::qWaitFor([popup] { return popup->isActiveWindow(); }))
                return popup;
        ADD_FAILURE() << "Ctrl+H opened no popup";
        return nullptr;
    }
    static QLineEdit& Filter(HistoryPopup& popup) {
        return *popup.findChild<QLineEdit*>(QStringLiteral("filter"));
    }
    static QListWidget& Entries(HistoryPopup& popup) {
        return *popup.findChild<QListWidget*>(QStringLiteral("entries"));
    }
    std::vector<std::string> ShownPair() {
        return {Categories().SelectedText(), InputUnits().TextAt(InputUnits().SelectedPosition()),
                OutputUnits().TextAt(OutputUnits().SelectedPosition())};
    }
    QAction* Action(const char* name) { return Window().findChild<QAction*>(QLatin1String(name)); }
};

}  // namespace

// --- Recording ---------------------------------------------------------------

TEST_F(HistoryTest, KeystrokesAloneRecordNothingTwoSecondsOfQuietDo) {
    Start();
    TypeKilometersToMiles("100");
    EXPECT_TRUE(Stored().empty()) << "nothing on a keystroke";
    EXPECT_TRUE(Window().Recorder().Waiting());
    QTest::qWait(MainWindow::SettleMilliseconds + 300);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"100 Kilometers>Miles"}));
    QTest::qWait(MainWindow::SettleMilliseconds + 300);
    EXPECT_EQ(Stored().size(), 1u) << "an unchanged conversion is not recorded again";
}

TEST_F(HistoryTest, CopyOutputRecordsOnceAndAUnitOrCategoryChangeSettlesWhatWasShown) {
    Start();
    TypeKilometersToMiles("5");
    const FileCalls before = FileCallsSoFar();
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(FileCallsSince(before).renames, 1) << "one replace of the file per entry";
    EXPECT_EQ(Stored(), (std::vector<std::string>{"5 Kilometers>Miles"})) << "never twice in a row";

    ClearInput();
    TypeInput("7");
    ClickUnit(OutputUnits(), "Feet");
    EXPECT_EQ(Stored().front(), "7 Kilometers>Miles") << "the conversion before the change";
    ClickUnit(OutputUnits(), "Inches");
    EXPECT_EQ(Stored().size(), 2u) << "walking the list records nothing more";

    TypeInput("0");
    PickCategory("Mass");
    EXPECT_EQ(Stored().front(), "70 Kilometers>Inches");
    EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(HistoryTest, LeavingRecordsTheShownConversionButEscDoesNot) {
    Start();
    TypeKilometersToMiles("3");
    QTest::keyClick(&InputEdit(), Qt::Key_Escape);
    EXPECT_TRUE(Stored().empty()) << "Esc leaves without recording";

    window_.reset();
    app_.reset();
    catalogue_.emplace();
    Start();
    TypeKilometersToMiles("4");
    Window().close();
    EXPECT_EQ(Stored(), (std::vector<std::string>{"4 Kilometers>Miles"}));
}

// --- The History list ----------------------------------------------------------

TEST_F(HistoryTest, HistoryListFiltersRestoresDeletesAndClears) {
    Start();
    TypeKilometersToMiles("1");
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    PickCategory("Temperature");
    ClickUnit(InputUnits(), "Celsius");
    ClickUnit(OutputUnits(), "Fahrenheit");
    ClearInput();
    TypeInput("100");
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(Stored().size(), 2u);
    Restart();

    QPointer<HistoryPopup> popup = OpenHistory();
    ASSERT_TRUE(popup);
    ASSERT_EQ(Entries(*popup).count(), 2);
    EXPECT_EQ(Entries(*popup).item(0)->text(), "100 Celsius = 212 Fahrenheit (Temperature)")
        << "newest first";
    QTest::keyClicks(&Filter(*popup), "kilo");
    ASSERT_EQ(Entries(*popup).count(), 1);
    QTest::keyClick(&Filter(*popup), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(popup && popup->isVisible());
    EXPECT_EQ(ShownPair(), (std::vector<std::string>{"Distance", "Kilometers", "Miles"}));
    EXPECT_EQ(InputEdit().text(), "1");
    EXPECT_EQ(OutputEdit().text(), "0.62137119223733");
    EXPECT_EQ(Stored().size(), 2u) << "a restored entry is not recorded again";

    popup = OpenHistory();
    ASSERT_TRUE(popup);
    QTest::keyClick(&Filter(*popup), Qt::Key_Down);
    QTest::keyClick(&Filter(*popup), Qt::Key_Delete);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"100 Celsius>Fahrenheit"}));
    ASSERT_EQ(Entries(*popup).count(), 1);
    QTest::mouseClick(popup->findChild<QPushButton*>(QStringLiteral("clearButton")),
                      Qt::LeftButton);
    EXPECT_TRUE(Stored().empty());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(HistoryPath())));
    EXPECT_EQ(Entries(*popup).item(0)->text(), "No conversions yet");
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
}

TEST_F(HistoryTest, SwitchedOffNothingIsReadOrRecorded) {
    WriteHistory("Mezura history 1\nDistance\tKilometers\tMiles\t9\t5.5923407301360\n");
    Start("[Settings]\r\nKeepHistory=FALSE\r\n");
    EXPECT_TRUE(Window().Recorder().Entries().Entries().empty()) << "nothing read";
    TypeKilometersToMiles("2");
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    Window().close();
    EXPECT_EQ(Stored(), (std::vector<std::string>{"9 Kilometers>Miles"})) << "nothing recorded";

    // "Clear history" still empties it.
    window_.reset();
    app_.reset();
    catalogue_.emplace();
    Start("[Settings]\r\nKeepHistory=FALSE\r\n");
    Window().ClearHistory();
    EXPECT_TRUE(Stored().empty());
}

struct BadFileCase {
    const char* name;
    std::string bytes;
};
void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.name; }

class BadHistoryTest : public HistoryTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadHistoryTest, IsRefusedWithOneMessageAndStartedAfresh) {
    WriteHistory(GetParam().bytes);
    Start();
    QTest::qWait(50);  // the message comes once the window is shown
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_TRUE(desktop_.messages[0].text.contains(QString::fromStdString(HistoryPath())));
    EXPECT_TRUE(Window().Recorder().Entries().Entries().empty());
    TypeKilometersToMiles("6");
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"6 Kilometers>Miles"})) << "a new history";
    EXPECT_EQ(desktop_.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadHistoryTest,
    ::testing::Values(BadFileCase{"Torn", "Mezura history 1\nDistance\tKilometers\tMiles\t1\t0.6"},
                      BadFileCase{"TenMegabytes",
                                  "Mezura history 1\n" + std::string(10 << 20, 'x') + "\n"},
                      BadFileCase{"NotAHistory", "<html>\n"},
                      BadFileCase{"HostileBytes", "Mezura history 1\nDist\x01nce\tKm\tMi\t1\t1\n"},
                      BadFileCase{"TooManyEntries",
                                  [] {
                                      std::string text = "Mezura history 1\n";
                                      for (int i = 0; i < 201; ++i)
                                          text += "Distance\tKilometers\tMiles\t" +
                                                  std::to_string(i) + "\t1\n";
                                      return text;
                                  }()}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Favourites -----------------------------------------------------------------

TEST_F(HistoryTest, CtrlDPinsAndUnpinsAndCtrl1SwitchesKeepingTheValue) {
    Start();
    TypeKilometersToMiles("2");
    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(ReadProfileKeys()["Settings"]["Favourite_1"], "Distance/Kilometers/Miles");
    EXPECT_EQ(Action("favouriteAction")->text(), "&Remove from favourites");
    QAction* first = Action("favouriteAction1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QString::fromUtf8("Distance: Kilometers → Miles"));
    EXPECT_EQ(first->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));

    PickCategory("Temperature");
    ClickUnit(InputUnits(), "Celsius");
    ClickUnit(OutputUnits(), "Fahrenheit");
    EXPECT_EQ(Action("favouriteAction")->text(), "&Add to favourites");
    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);
    ClearInput();
    TypeInput("100");

    InputEdit().setFocus();
    QTest::keyClick(&InputEdit(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(ShownPair(), (std::vector<std::string>{"Distance", "Kilometers", "Miles"}));
    EXPECT_EQ(InputEdit().text(), "100") << "the typed value stays";
    EXPECT_EQ(OutputEdit().text(), "62.137119223733");
    QTest::keyClick(&InputEdit(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(ShownPair(), (std::vector<std::string>{"Temperature", "Celsius", "Fahrenheit"}));
    EXPECT_EQ(OutputEdit().text(), "212");

    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);  // unpins Temperature
    ProfileKeys keys = ReadProfileKeys();
    EXPECT_EQ(keys["Settings"]["Favourite_1"], "Distance/Kilometers/Miles");
    EXPECT_EQ(keys["Settings"].count("Favourite_2"), 0u);
    EXPECT_EQ(Action("favouriteAction2"), nullptr);
}

TEST_F(HistoryTest, FavouritesSurviveAnyCustomNameAndOneWritePerAction) {
    const std::string name = "A;b=\"c\" \xE9t\xE9/%";  // ; = quotes, accents, the separator
    Start("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=" + name + "\r\nCustomValue_1=2.0\r\n");
    PickCategory("Distance");
    ClickUnit(InputUnits(), name);
    ClickUnit(OutputUnits(), "Meters");
    const FileCalls before = FileCallsSoFar();
    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(FileCallsSince(before).renames, 1) << "one replace of the profile";

    Restart();
    ASSERT_EQ(Window().Favourite().Pairs().size(), 1u);
    EXPECT_EQ(Window().Favourite().Pairs()[0], (UnitPair{"Distance", name, "Meters"}));
}

TEST_F(HistoryTest, AnOlderWindowKeepsTheFavouritesItDoesNotKnow) {
    // An older copy of the window reads and saves its own keys only; every
    // other line of [Settings] stays as it is.
    Start("[Settings]\r\nFavourite_1=Distance/Kilometers/Miles\r\nSomethingNewer=1\r\n");
    Window().close();
    ProfileKeys keys = ReadProfileKeys();
    EXPECT_EQ(keys["Settings"]["Favourite_1"], "Distance/Kilometers/Miles");
    EXPECT_EQ(keys["Settings"]["SomethingNewer"], "1");
}

TEST_F(HistoryTest, ARemovedCustomUnitLeavesItsHistoryUnrestorableAndItsFavouritesGo) {
    Start("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Span\r\nCustomValue_1=0.2286\r\n");
    PickCategory("Distance");
    ClickUnit(InputUnits(), "Span");
    ClickUnit(OutputUnits(), "Meters");
    TypeInput("2");
    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(Window().Favourite().Pairs().size(), 1u);

    CustomCatalogue custom(*catalogue_, app_->Profile(), Window());
    const int distance = *catalogue_->CategoryByName("Distance");
    custom.RemoveUnit(distance, "Span");
    EXPECT_TRUE(Window().Favourite().Pairs().empty());
    EXPECT_EQ(ReadProfileKeys()["Settings"].count("Favourite_1"), 0u);

    QPointer<HistoryPopup> popup = OpenHistory();
    ASSERT_TRUE(popup);
    ASSERT_EQ(Entries(*popup).count(), 1);
    EXPECT_EQ(Entries(*popup).item(0)->toolTip(), "Span no longer exists.");
    const std::vector<std::string> before = ShownPair();
    QTest::keyClick(&Filter(*popup), Qt::Key_Return);
    EXPECT_TRUE(popup->isVisible()) << "it cannot be restored";
    EXPECT_FALSE(popup->findChild<QPushButton*>(QStringLiteral("restoreButton"))->isEnabled());
    QTest::keyClick(&Filter(*popup), Qt::Key_Escape);
    EXPECT_EQ(ShownPair(), before);
}

TEST_F(HistoryTest, RemovingACustomUnitKeepsTheFavouritesOfOtherCategories) {
    // No rates are loaded: the currency favourite's units are not there now,
    // and must not be lost for it.
    Start(
        "[Settings]\r\nFavourite_1=Currency/US%20Dollar%20(USD)/Euro%20(EUR)\r\n"
        "[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Span\r\nCustomValue_1=0.2286\r\n");
    ASSERT_EQ(Window().Favourite().Pairs().size(), 1u);
    CustomCatalogue custom(*catalogue_, app_->Profile(), Window());
    custom.RemoveUnit(*catalogue_->CategoryByName("Distance"), "Span");
    ASSERT_EQ(Window().Favourite().Pairs().size(), 1u);
    EXPECT_EQ(ReadProfileKeys()["Settings"]["Favourite_1"],
              "Currency/US%20Dollar%20(USD)/Euro%20(EUR)");
}

TEST_F(HistoryTest, FindUnitListsTheFavouritePairsFirstBeforeAnythingIsTyped) {
    Start();
    TypeKilometersToMiles("3");
    QTest::keyClick(&InputEdit(), Qt::Key_D, Qt::ControlModifier);
    PickCategory("Mass");

    InputEdit().setFocus();
    QTest::keyClick(&InputEdit(), Qt::Key_F, Qt::ControlModifier);
    FindUnitPopup* popup = nullptr;
    for (auto* shown : Window().findChildren<FindUnitPopup*>())
        if (shown->isVisible()) popup = shown;
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isActiveWindow(); }));
    auto* matches = popup->findChild<QListWidget*>(QStringLiteral("matches"));
    EXPECT_EQ(matches->item(0)->text(), QString::fromUtf8("★ Distance: Kilometers → Miles"));
    EXPECT_EQ(matches->currentRow(), 0);
    QTest::keyClick(popup->findChild<QLineEdit*>(QStringLiteral("filter")), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(ShownPair(), (std::vector<std::string>{"Distance", "Kilometers", "Miles"}));
    EXPECT_EQ(OutputEdit().text(), "1.864113576712");
}
