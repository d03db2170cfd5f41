// The main window as it opens and as it is left: the start-up population,
// the template's controls and menu, and what each way out writes.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <fstream>
#include <ostream>
#include <vector>

#include "catalogue.h"
#include "dialog_units.h"
#include "file_call_counter.h"
#include "main_window_fixture.h"
#include "profile_records.h"

namespace {

const std::vector<std::string> BuiltinCategoriesSorted = {"Acceleration",
                                                          "Angle",
                                                          "Angle (Solid)",
                                                          "Angular velocity",
                                                          "Area",
                                                          "Capacitance",
                                                          "Charge",
                                                          "Conductance",
                                                          "Currency",
                                                          "Current",
                                                          "Data rate",
                                                          "Data storage",
                                                          "Density",
                                                          "Distance",
                                                          "Electric resistance",
                                                          "Energy",
                                                          "Flow",
                                                          "Force",
                                                          "Frequency",
                                                          "Fuel economy",
                                                          "Illumination",
                                                          "Mass",
                                                          "Power",
                                                          "Pressure",
                                                          "Temperature",
                                                          "Temperature change",
                                                          "Time",
                                                          "Torque",
                                                          "Velocity",
                                                          "Viscosity (Dynamic)",
                                                          "Viscosity (Kinematic)",
                                                          "Voltage",
                                                          "Volume",
                                                          "Volume (Dry)"};

std::vector<std::string> Entries(const SortedComboBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.TextAt(i));
    return entries;
}

std::vector<std::string> Entries(const SortedListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.TextAt(i));
    return entries;
}

}  // namespace

// --- Start-up -------------------------------------------------------------

TEST_F(MainWindowTest, FreshProfileOpensOnAccelerationWithNothingWritten) {
    Start();

    EXPECT_EQ(Entries(Categories()), BuiltinCategoriesSorted);
    EXPECT_EQ(Categories().SelectedText(), "Acceleration");
    EXPECT_EQ(InputUnits().Count(), 10);
    EXPECT_EQ(Entries(InputUnits()), Entries(OutputUnits()));
    EXPECT_EQ(InputUnits().TextAt(0), "Centimeters/sec\xB2 ");
    EXPECT_EQ(InputUnits().SelectedPosition(), 0);
    EXPECT_EQ(OutputUnits().SelectedPosition(), 0);
    EXPECT_EQ(InputUnitLabel().text(), QString::fromUtf8("Centimeters/sec² "));
    EXPECT_EQ(OutputUnitLabel().text(), QString::fromUtf8("Centimeters/sec² "));
    EXPECT_EQ(InputEdit().text(), "0");
    EXPECT_EQ(OutputEdit().text(), "0");
    EXPECT_FALSE(ProfileExists());

    EXPECT_EQ(Window().windowTitle(), "Mezura");
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(QApplication::focusWidget(), &Categories());
    // Centred on the screen's work area (the offscreen screen has no frame).
    const QPoint offset =
        Window().frameGeometry().center() - Window().screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

struct StartCase {
    const char* name;
    std::string profile;
    std::string selectedCategory;  // "" when nothing is selected
    int listedCategories;
    std::string firstUnit;  // entry 0 of both unit lists, selected
    int unitCount;
    std::string labels;  // both labels: unit 1 of the slot shown
};
void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class StartCategoryTest : public MainWindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartCategoryTest, ShowsTheStartCategory) {
    const StartCase& c = GetParam();
    Start(c.profile);

    EXPECT_EQ(Categories().Count(), c.listedCategories);
    EXPECT_EQ(Categories().SelectedText(), c.selectedCategory);
    EXPECT_EQ(InputUnits().Count(), c.unitCount);
    EXPECT_EQ(Entries(InputUnits()), Entries(OutputUnits()));
    EXPECT_EQ(InputUnits().SelectedPosition(), c.unitCount > 0 ? 0 : -1);
    EXPECT_EQ(OutputUnits().SelectedPosition(), c.unitCount > 0 ? 0 : -1);
    EXPECT_EQ(InputUnits().TextAt(0), c.firstUnit);
    EXPECT_EQ(InputUnitLabel().text(), Shown(c.labels));
    EXPECT_EQ(OutputUnitLabel().text(), Shown(c.labels));
    EXPECT_EQ(OutputEdit().text(), "0");
}

std::string AllHidden() {
    std::string text;
    for (const std::string& name : BuiltinCategoriesSorted)
        text += "[" + name + "]\r\nVisibility=0\r\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, StartCategoryTest,
    ::testing::Values(
        StartCase{"RememberedPressure",
                  "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Pressure\r\n", "Pressure",
                  BuiltinCategoryCount, "Atmospheres", 19, "Atmospheres"},
        StartCase{"RememberSwitchInLowerCaseIsOff",
                  "[Settings]\r\nRememberCategory=true\r\nLastCategory=Pressure\r\n",
                  "Acceleration", BuiltinCategoryCount, "Centimeters/sec\xB2 ", 10,
                  "Centimeters/sec\xB2 "},
        StartCase{"RememberedCategoryNoLongerExists",
                  "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Gone custom\r\n",
                  "Acceleration", BuiltinCategoryCount, "Centimeters/sec\xB2 ", 10,
                  "Centimeters/sec\xB2 "},
        StartCase{"RememberedCustomCategoryWithItsUnits",
                  "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Speed of light\r\n"
                  "Custom_2=Speed of light\r\n"
                  "[Speed of light]\r\nCustomUnits=2\r\nCustomUnit_1=Lightyear/year\r\n"
                  "CustomValue_1=1.00000000000000\r\nCustomUnit_2=C "
                  "(light)\r\nCustomValue_2=1.00000000000000\r\n",
                  "Speed of light", BuiltinCategoryCount + 1, "C (light)", 2, "Lightyear/year"},
        StartCase{"AllCategoriesHiddenListsNothingButShowsSlotZero", AllHidden(), "", 0,
                  "Centimeters/sec\xB2 ", 10, "Centimeters/sec\xB2 "},
        // A hidden remembered category is not listed: the window starts on
        // entry 0 with its units, so list, units and labels agree.
        StartCase{"RememberedCategoryHidden",
                  "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Pressure\r\n[Pressure]"
                  "\r\nVisibility=0\r\n",
                  "Acceleration", BuiltinCategoryCount - 1, "Centimeters/sec\xB2 ", 10,
                  "Centimeters/sec\xB2 "},
        // A custom unit sorting before unit 1 is selected at entry 0 while
        // the labels name unit 1 until the next change.
        StartCase{"CustomUnitSortsFirst",
                  "[Acceleration]\r\nCustomUnits=1\r\nCustomUnit_1=Aardvark/sec\r\n"
                  "CustomValue_1=3.00000000000000\r\n",
                  "Acceleration", BuiltinCategoryCount, "Aardvark/sec", 11,
                  "Centimeters/sec\xB2 "}),
    [](const ::testing::TestParamInfo<StartCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindowTest, OnTopOpensTopmostAt150150) {
    Start("[Settings]\r\nOnTop=TRUE\r\n");
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Window().pos(), QPoint(150, 150));

    Window().SetTopmost(false);
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Window().isVisible()) << "changing the state must not end the window";
    EXPECT_EQ(Window().pos(), QPoint(150, 150));
}

// --- The template -----------------------------------------------------------

struct ControlCase {
    const char* name;
    const char* className;
    const char* text;  // nullptr: not a text control
    int x, y, width, height;
};
void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.name; }

TEST_F(MainWindowTest, ControlsSitAtTheirTemplatePlaces) {
    Start();
    const std::vector<ControlCase> controls = {
        {"categoryCombo", "SortedComboBox", nullptr, 16, 14, 98, -1},
        {"inputUnits", "SortedListBox", nullptr, 20, 50, 95, -1},  // whole rows: below
        {"outputUnits", "SortedListBox", nullptr, 137, 50, 95, -1},
        {"inputEdit", "QLineEdit", "0", 20, 147, 96, 14},
        {"outputEdit", "QLineEdit", "0", 137, 147, 93, 14},
        {"inputCaption", "QLabel", "INPUT", 57, 41, 23, 8},
        {"outputCaption", "QLabel", "OUTPUT", 170, 42, 31, 8},
        {"inputUnitLabel", "QLabel", nullptr, 20, 167, 90, 8},
        {"outputUnitLabel", "QLabel", nullptr, 137, 167, 91, 8},
        {"equalsIcon", "SvgLabel", nullptr, 115, 143, 20, 20},
        {"quantityCaption", "QLabel", "(Select quantity)", 131, 15, 66, 8},
        {"hiddenDefault", "QPushButton", nullptr, 230, 185, 6, 6},
        {"unitsGroup", "GroupFrame", nullptr, 10, 32, 230, 98},
        {"resultGroup", "GroupFrame", nullptr, 11, 132, 229, 50},
    };
    const DialogUnits units(Window().font());
    for (const ControlCase& c : controls) {
        SCOPED_TRACE(c.name);
        auto* control = Window().findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), c.className);
        EXPECT_EQ(control->pos(), QPoint(units.X(c.x), units.Y(c.y)));
        EXPECT_EQ(control->width(), units.X(c.width));
        if (c.height >= 0) {
            EXPECT_EQ(control->height(), units.Y(c.height));
        }
        if (c.text == nullptr) continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text(), c.text);
            // No caption runs into its neighbour: each fits in its own width.
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            EXPECT_EQ(edit->text(), c.text);
        }
    }

    // The lists take the template's height less the part of a row.
    for (SortedListBox* list : {&InputUnits(), &OutputUnits()}) {
        EXPECT_LE(list->height(), units.Y(75));
        EXPECT_GT(list->height(), units.Y(75) - list->sizeHintForRow(0));
    }

    auto* button = Window().findChild<QPushButton*>(QStringLiteral("hiddenDefault"));
    EXPECT_TRUE(button->isDefault());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(Window().findChild<QLabel*>(QStringLiteral("equalsIcon"))->pixmap().isNull());
    EXPECT_FALSE(Window().windowIcon().isNull());
}

TEST_F(MainWindowTest, WindowHasAFixedFrameWithoutMaximiseBox) {
    Start();
    const DialogUnits units(Window().font());
    EXPECT_EQ(Window().findChild<QWidget*>(QStringLiteral("client"))->size(), units.Size(249, 191));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    const Qt::WindowFlags flags = Window().windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    // What the window system is told, not only the widget's own flags.
    QWindow* native = Window().windowHandle();
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->flags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(native->minimumSize(), native->maximumSize());
    EXPECT_EQ(native->minimumSize(), Window().size());
}

TEST_F(MainWindowTest, UnitListsShowWholeRowsAndTooltipsForLongNames) {
    Start(
        "[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Chinese yuan renminbi furlongs\r\n"
        "CustomValue_1=1.0\r\n");
    PickCategory("Distance");
    for (SortedListBox* list : {&InputUnits(), &OutputUnits()}) {
        const int row = list->sizeHintForRow(0);
        ASSERT_GT(row, 0);
        EXPECT_EQ(list->viewport()->height() % row, 0) << "no half-cut last row";
        bool longSeen = false;
        for (int i = 0; i < list->Count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const bool cut =
                list->fontMetrics().horizontalAdvance(item->text()) > list->viewport()->width();
            if (cut) {
                longSeen = true;
                EXPECT_EQ(item->toolTip(), item->text()) << item->text().toStdString();
            }
        }
        EXPECT_TRUE(longSeen) << "the custom unit's name is longer than the list";
    }
}

TEST_F(MainWindowTest, TabVisitsTheFiveControlsInTemplateOrder) {
    Start();
    const std::vector<QWidget*> order = {&Categories(), &InputUnits(), &OutputUnits(), &InputEdit(),
                                         &OutputEdit()};
    ASSERT_EQ(QApplication::focusWidget(), order[0]);
    for (size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "after Tab " << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &InputEdit()) << "Shift+Tab passes the input filter";
}

TEST_F(MainWindowTest, MenuHoldsTheTemplateTextsAndShortcuts) {
    Start();
    auto* menuBar = Window().findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    std::vector<QString> seen;
    for (QAction* popup : menuBar->actions()) {
        seen.push_back(popup->text());
        for (QAction* item : popup->menu()->actions())
            seen.push_back(item->isSeparator() ? QStringLiteral("--") : "  " + item->text());
    }
    const std::vector<QString> expected = {"&File",
                                           "  &Exit",
                                           "&Options",
                                           "  Copy output\tAlt+C",
                                           "  Calculator\tAlt+L",
                                           "--",
                                           "  Preferences" + QString(14, u' '),
                                           "--",
                                           QString::fromUtf8("  &Find unit…"),
                                           "  &Swap units",
                                           "--",
                                           QString::fromUtf8("  &History…"),
                                           "  &Add to favourites",
                                           "  Fa&vourites",
                                           "&Help",
                                           "  &About"};
    EXPECT_EQ(seen, expected);

    QAction* copy = menuBar->actions()[1]->menu()->actions()[0];
    QAction* calculator = menuBar->actions()[1]->menu()->actions()[1];
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
    EXPECT_EQ(calculator->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));
    // The additions take keys that nothing else in the window uses.
    QAction* find = menuBar->actions()[1]->menu()->actions()[5];
    QAction* swap = menuBar->actions()[1]->menu()->actions()[6];
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(swap->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
}

// --- The three ways out ------------------------------------------------------

enum class WayOut { CloseBox, FileExit, Escape };

struct WayOutCase {
    const char* name;
    WayOut way;
    bool writesSettings;
    bool writesLastCategory;
};
void PrintTo(const WayOutCase& c, std::ostream* out) { *out << c.name; }

class WayOutTest : public MainWindowTest, public ::testing::WithParamInterface<WayOutCase> {
protected:
    void Leave(WayOut way) {
        switch (way) {
            case WayOut::CloseBox:
                Window().close();
                break;
            case WayOut::FileExit: {
                auto* file = Window().findChild<QMenuBar*>()->actions()[0]->menu();
                file->actions()[0]->trigger();
                break;
            }
            case WayOut::Escape:
                QTest::keyClick(&InputEdit(), Qt::Key_Escape);
                break;
        }
    }
};

TEST_P(WayOutTest, WritesExactlyItsKeys) {
    const WayOutCase& c = GetParam();
    Start();
    PickCategory("Distance");
    Leave(c.way);

    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Window().result(), QDialog::Rejected);
    ProfileKeys expected;
    if (c.writesSettings) {
        expected["Settings"] = {{"Format", "0"}, {"Precision", "5"}};
        for (const std::string& name : BuiltinCategoriesSorted)
            expected[name] = {{"Visibility", "1"}};
    }
    if (c.writesLastCategory) expected["Settings"]["LastCategory"] = "Distance";
    EXPECT_EQ(ReadProfileKeys(), expected);
    EXPECT_EQ(ProfileExists(), c.writesSettings);
}

TEST_P(WayOutTest, KeepsOrReplacesTheRememberedCategory) {
    const WayOutCase& c = GetParam();
    Start(
        "[Settings]\r\nRememberCategory=TRUE\r\nLastCategory=Pressure\r\nFormat=2\r\nPrecision="
        "3\r\n"
        "[Area]\r\nVisibility=7\r\n[Mass]\r\nVisibility=0\r\n");
    PickCategory("Distance");
    Leave(c.way);

    const ProfileKeys keys = ReadProfileKeys();
    EXPECT_EQ(keys.at("Settings").at("LastCategory"),
              c.writesLastCategory ? "Distance" : "Pressure");
    EXPECT_EQ(keys.at("Settings").at("Format"), "2");
    EXPECT_EQ(keys.at("Settings").at("Precision"), "3");
    EXPECT_EQ(keys.at("Area").at("Visibility"), "7") << "a stored value is written back as read";
    EXPECT_EQ(keys.at("Mass").at("Visibility"), "0");
    EXPECT_EQ(keys.count("Distance"), c.writesSettings ? 1u : 0u);
}

TEST_P(WayOutTest, ReplacesTheFileOnceAndAnUnchangedFileNever) {
    const WayOutCase& c = GetParam();
    Start();
    PickCategory("Distance");
    const FileCalls before = FileCallsSoFar();
    Leave(c.way);
    const FileCalls first = FileCallsSince(before);
    EXPECT_EQ(first.renames, c.writesSettings ? 1 : 0);
    EXPECT_LE(first.fsyncs, 2 * first.renames);
    if (!c.writesSettings) return;

    // The next run leaves the same way with nothing changed: not even the
    // lock is taken.
    const QString lock = QString::fromStdString(ProfilePath() + ".lock");
    ASSERT_TRUE(QFile::remove(lock));
    window_.reset();
    app_.reset();
    catalogue_.emplace();
    Start();
    PickCategory("Distance");
    const FileCalls again = FileCallsSoFar();
    Leave(c.way);
    const FileCalls second = FileCallsSince(again);
    EXPECT_EQ(second.renames, 0);
    EXPECT_EQ(second.fsyncs, 0);
    EXPECT_FALSE(QFile::exists(lock));
}

INSTANTIATE_TEST_SUITE_P(Ways, WayOutTest,
                         ::testing::Values(WayOutCase{"CloseBox", WayOut::CloseBox, true, true},
                                           WayOutCase{"FileExit", WayOut::FileExit, true, false},
                                           WayOutCase{"Escape", WayOut::Escape, false, false}),
                         [](const ::testing::TestParamInfo<WayOutCase>& row) {
                             return std::string(row.param.name);
                         });

TEST_F(MainWindowTest, EnterNeverEndsTheWindow) {
    Start();
    ClearInput();
    TypeInput("5");
    for (QWidget* control :
         std::vector<QWidget*>{&InputEdit(), &Categories(), &InputUnits(), &OutputEdit()}) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(Window().isVisible()) << control->objectName().toStdString();
    }
    EXPECT_EQ(InputEdit().text(), "5");
    EXPECT_EQ(OutputEdit().text(), "5");
    EXPECT_FALSE(ProfileExists());
}

// --- A profile that cannot be read or written --------------------------------

TEST_F(MainWindowTest, ProfileTooLargeIsReportedAtStartOnce) {
    {
        std::ofstream file(ProfilePath(), std::ios::binary);
        file << "[Settings]\r\nOnTop=TRUE\r\n";
    }
    // Sparse: over the size limit without taking the disk space.
    ASSERT_EQ(::truncate(ProfilePath().c_str(), 300 << 20), 0);
    StartAt(ProfilePath());
    ASSERT_EQ(desktop_.messages.size(), 1u) << "said as the window starts";
    const RecordingDesktop::Message& message = desktop_.messages[0];
    EXPECT_EQ(message.caption, "Mezura");
    EXPECT_TRUE(message.text.contains(QString::fromStdString(ProfilePath())))
        << message.text.toStdString();
    EXPECT_TRUE(message.text.contains(QStringLiteral("too large"))) << message.text.toStdString();
    EXPECT_EQ(message.parent, &Window());
    EXPECT_TRUE(message.parentShown) << "over the window, not at the screen's corner";

    Window().close();
    EXPECT_EQ(desktop_.messages.size(), 1u) << "the writes at close fail for the same reason";
    struct stat status {};
    ASSERT_EQ(::stat(ProfilePath().c_str(), &status), 0);
    EXPECT_EQ(status.st_size, 300 << 20) << "the file is left as it is";
}

TEST_F(MainWindowTest, FailedWriteIsReportedOncePerRunAndTheWindowCarriesOn) {
    const std::string path = ProfileBehindAFile();
    StartAt(path);
    EXPECT_TRUE(desktop_.messages.empty()) << "reading an unreachable profile is not a failure";

    EXPECT_TRUE(app_->Profile().WriteProfileString("Settings", "OnTop", "TRUE").has_value());
    ASSERT_EQ(desktop_.messages.size(), 1u);
    const RecordingDesktop::Message& message = desktop_.messages[0];
    EXPECT_EQ(message.caption, "Mezura");
    EXPECT_TRUE(message.text.contains(QString::fromStdString(path))) << message.text.toStdString();
    EXPECT_TRUE(message.text.contains(QStringLiteral("Not a directory")))
        << message.text.toStdString();
    EXPECT_EQ(message.icon, Desktop::Icon::Information);
    EXPECT_EQ(message.buttons, Desktop::Buttons::Ok);
    EXPECT_EQ(message.parent, &Window());

    ClearInput();
    TypeInput("7");
    EXPECT_EQ(OutputEdit().text(), "7") << "the window carries on";
    Window().close();
    EXPECT_EQ(desktop_.messages.size(), 1u) << "later failures of the run stay quiet";
    EXPECT_FALSE(Window().isVisible());
}

// Another program holding the settings file's lock (a stopped one holds it
// for ever) costs a save at most a moment: the window says the file is in
// use and carries on, and closing still ends it, after saying so too.
TEST_F(MainWindowTest, ALockHeldElsewhereNeverFreezesTheWindow) {
    Start();
    const std::string lockPath = ProfilePath() + ".lock";
    const int holder = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    const auto waited = [](auto action) {
        const auto start = std::chrono::steady_clock::now();
        action();
        return std::chrono::steady_clock::now() - start;
    };
    EXPECT_LT(waited([&] { app_->Profile().WriteProfileString("Settings", "OnTop", "TRUE"); }),
              std::chrono::milliseconds(3500));
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_TRUE(desktop_.messages[0].text.contains(QStringLiteral("in use by another program")))
        << desktop_.messages[0].text.toStdString();
    ClearInput();
    TypeInput("7");
    EXPECT_EQ(OutputEdit().text(), "7") << "the window carries on";

    EXPECT_LT(waited([&] { Window().close(); }), std::chrono::milliseconds(3500));
    EXPECT_FALSE(Window().isVisible());
    ASSERT_EQ(desktop_.messages.size(), 2u) << "each stopped save is said";
    EXPECT_TRUE(desktop_.messages[1].text.contains(QStringLiteral("in use by another program")));
    ::close(holder);
    EXPECT_FALSE(ProfileExists());
}

TEST_F(MainWindowTest, AFailedSaveOnLeavingSaysTheSettingsCouldNotBeSaved) {
    const std::string path = ProfileBehindAFile();
    StartAt(path);
    Window().close();
    ASSERT_EQ(desktop_.messages.size(), 1u);
    const QString text = desktop_.messages[0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString(path))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Not a directory"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("could not save"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("stay in effect"))) << text.toStdString();
}
