// The window's commands (Copy output, Calculator, About) and the change
// notices of the Custom page.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "about_dialog.h"
#include "calculator.h"
#include "catalogue.h"
#include "main_window_fixture.h"

namespace {

QAction* MenuItem(MainWindow& window, int popup, int item) {
    return window.findChild<QMenuBar*>()->actions()[popup]->menu()->actions()[item];
}

// PATH for one test, put back afterwards.
class ScopedPath {
public:
    explicit ScopedPath(const QString& path) : saved_(qgetenv("PATH")) {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~ScopedPath() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

void MakeProgram(const QString& path, bool executable = true) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                   : QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

// --- Copy output ----------------------------------------------------------

TEST_F(MainWindowTest, AltCCopiesTheWholeOutput) {
    Start();
    TypeKilometersToMiles("1");
    QApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::keyClick(&InputEdit(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0.62137119223733");
    EXPECT_EQ(OutputEdit().selectedText(), "0.62137119223733") << "the selection stays";
    EXPECT_EQ(InputEdit().text(), "1") << "Alt+C types nothing";

    QApplication::clipboard()->setText(QStringLiteral("before"));
    MenuItem(Window(), 1, 0)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "0.62137119223733");
}

// --- Calculator -------------------------------------------------------------

TEST_F(MainWindowTest, AltLStartsTheFirstCalculatorOnPath) {
    const QString bin = folder_.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    MakeProgram(bin + "/xcalc");
    MakeProgram(bin + "/galculator");
    MakeProgram(bin + "/kcalc", false);  // not executable: not a candidate
    ScopedPath path(bin);
    Start();

    QTest::keyClick(&InputEdit(), Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(desktop_.starts.size(), 1u);
    EXPECT_EQ(desktop_.starts[0].program, bin + "/galculator");
    EXPECT_TRUE(desktop_.starts[0].arguments.isEmpty());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_EQ(InputEdit().text(), "0") << "Alt+L types nothing";

    MenuItem(Window(), 1, 1)->trigger();
    EXPECT_EQ(desktop_.starts.size(), 2u);
}

TEST_F(MainWindowTest, NoCalculatorSaysSoAndWhichProgramsItLookedFor) {
    const QString empty = folder_.filePath(QStringLiteral("empty"));
    ASSERT_TRUE(QDir().mkpath(empty));
    ScopedPath path(empty);
    Start();
    QTest::keyClick(&InputEdit(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(desktop_.starts.empty());
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
    EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
    EXPECT_TRUE(desktop_.messages[0].text.startsWith("No calculator is installed."));
    for (const QString& program : CalculatorPrograms())
        EXPECT_TRUE(desktop_.messages[0].text.contains(program)) << program.toStdString();
    EXPECT_TRUE(Window().isVisible());
}

// --- About box --------------------------------------------------------------

TEST_F(MainWindowTest, AboutBoxShowsItsLinesAndMailsTheAuthor) {
    Start();
    bool checked = false;
    QTimer::singleShot(0, &Window(), [&] {
        auto* box = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "About Mezura");
        std::vector<QString> texts;
        for (QLabel* label : box->findChildren<QLabel*>()) texts.push_back(label->text());
        for (const QString& line :
             {QStringLiteral("Mezura Version 4.0"), QStringLiteral("The Mezura developers"),
              QStringLiteral("mezura@example.org")})
            EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end())
                << line.toStdString();

        auto* address = box->findChild<QLabel*>(QStringLiteral("emailLink"));
        ASSERT_NE(address, nullptr);
        EXPECT_EQ(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_LE(address->fontMetrics().horizontalAdvance(address->text()), address->width())
            << "fits";
        auto* icon = box->findChild<QLabel*>(QStringLiteral("appIcon"));
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->pixmap().isNull());

        QTest::mouseClick(address, Qt::LeftButton);
        EXPECT_TRUE(box->isVisible()) << "the box stays open after the click";
        auto* ok = box->findChild<QPushButton*>(QStringLiteral("okButton"));
        EXPECT_TRUE(ok->isDefault());
        QTest::mouseClick(ok, Qt::LeftButton);
        checked = true;
    });
    MenuItem(Window(), 2, 0)->trigger();  // Help > About, modal until OK

    EXPECT_TRUE(checked);
    ASSERT_EQ(desktop_.urls.size(), 1u);
    const QUrl& url = desktop_.urls[0];
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "mezura@example.org");
    EXPECT_EQ(url.query(QUrl::FullyDecoded), "SUBJECT=Mezura v4.0");
    EXPECT_TRUE(Window().isVisible());
}

// --- Change notices from the Custom page --------------------------------------

namespace {

constexpr int DistanceRow = BuiltinRowNamed("Distance");
constexpr int PressureRow = BuiltinRowNamed("Pressure");

std::string Selected(const SortedListBox& list) { return list.TextAt(list.SelectedPosition()); }

}  // namespace

TEST_F(MainWindowTest, CategoryAddedJoinsTheListAndNothingElseMoves) {
    Start();
    PickCategory("Distance");
    ClickUnit(InputUnits(), "Miles");
    ClearInput();
    TypeInput("2");
    const QString output = OutputEdit().text();

    catalogue_->SetCategoryName(FirstCustomRow,
                                "Boiling points");  // what the Custom page has just done
    Window().OnCatalogueChanged({CatalogueChange::CategoryAdded, FirstCustomRow, "Boiling points"});

    EXPECT_EQ(Categories().Count(), BuiltinCategoryCount + 1);
    EXPECT_EQ(Categories().TextAt(5), "Boiling points") << "at its sorted place";
    EXPECT_EQ(Categories().SelectedText(), "Distance");
    EXPECT_EQ(Selected(InputUnits()), "Miles");
    EXPECT_EQ(OutputEdit().text(), output);
}

TEST_F(MainWindowTest, CategoryRemovedWhileShownTurnsToTheFirstListed) {
    Start(
        "[Settings]\r\nCustom_1=Boiling points\r\n[Boiling points]\r\nCustomUnits=2\r\n"
        "CustomUnit_1=Water\r\nCustomValue_1=100\r\nCustomUnit_2=Ethanol\r\n"
        "CustomValue_2=78.37\r\n");
    PickCategory("Boiling points");
    ClickUnit(InputUnits(), "Water");
    ClearInput();
    TypeInput("2");
    ASSERT_NE(OutputEdit().text(), "2");

    catalogue_->ClearCustomRow(FirstCustomRow);  // what the Custom page has just done
    Window().OnCatalogueChanged(
        {CatalogueChange::CategoryRemoved, FirstCustomRow, "Boiling points"});
    EXPECT_EQ(Categories().Count(), BuiltinCategoryCount);
    EXPECT_EQ(Categories().FindExact("Boiling points"), -1);
    EXPECT_EQ(Categories().SelectedText(), "Acceleration");
    EXPECT_EQ(InputUnits().Count(), 10);
    EXPECT_EQ(Selected(InputUnits()), "Centimeters/sec\xB2 ");
    EXPECT_EQ(Selected(OutputUnits()), "Centimeters/sec\xB2 ");
    EXPECT_EQ(InputUnitLabel().text(), Shown("Centimeters/sec\xB2 "));
    EXPECT_EQ(OutputEdit().text(), "2") << "converted in the category now shown";
}

TEST_F(MainWindowTest, CategoryRemovedElsewhereKeepsTheSelectionOnItsEntry) {
    Start("[Settings]\r\nCustom_3=aardvarks\r\n");
    PickCategory("Distance");
    catalogue_->ClearCustomRow(FirstCustomRow + 2);
    Window().OnCatalogueChanged(
        {CatalogueChange::CategoryRemoved, FirstCustomRow + 2, "aardvarks"});
    EXPECT_EQ(Categories().SelectedText(), "Distance");
    EXPECT_EQ(Categories().Count(), BuiltinCategoryCount);
}

struct UnitNoticeCase {
    const char* name;
    std::string profile;
    int slot;  // the category whose unit changed
    CatalogueChange change;
    std::string shownAfter;  // the category list's selection afterwards
    std::string unitsOf;     // whose units the lists then hold (their entry 0)
};
void PrintTo(const UnitNoticeCase& c, std::ostream* out) { *out << c.name; }

class UnitNoticeTest : public MainWindowTest,
                       public ::testing::WithParamInterface<UnitNoticeCase> {};

TEST_P(UnitNoticeTest, SwitchesOrStays) {
    const UnitNoticeCase& c = GetParam();
    Start(c.profile);
    PickCategory("Distance");
    ClickUnit(InputUnits(), "Miles");
    // What the Custom page did before telling the window.
    ASSERT_TRUE(catalogue_->AppendUnit(c.slot, "Aaa new unit", 2.0));
    if (c.change == CatalogueChange::UnitRemoved)
        catalogue_->RemoveUnitAt(c.slot, catalogue_->UnitCount(c.slot));

    Window().OnCatalogueChanged({c.change, c.slot, catalogue_->CategoryName(c.slot)});
    EXPECT_EQ(Categories().SelectedText(), c.shownAfter);
    EXPECT_EQ(InputUnits().TextAt(0), c.unitsOf);
    EXPECT_EQ(InputUnits().SelectedPosition(), 0);
    EXPECT_EQ(OutputUnits().SelectedPosition(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnitNoticeTest,
    ::testing::Values(UnitNoticeCase{"UnitAddedToTheShownCategory", "", DistanceRow,
                                     CatalogueChange::UnitAdded, "Distance", "Aaa new unit"},
                      UnitNoticeCase{"UnitAddedElsewhereStays", "", PressureRow,
                                     CatalogueChange::UnitAdded, "Distance", "Angstrom"},
                      UnitNoticeCase{"UnitRemovedElsewhereSwitches", "", PressureRow,
                                     CatalogueChange::UnitRemoved, "Pressure", "Atmospheres"},
                      UnitNoticeCase{"UnitRemovedFromAHiddenCategoryStays",
                                     "[Pressure]\r\nVisibility=0\r\n", PressureRow,
                                     CatalogueChange::UnitRemoved, "Distance", "Angstrom"}),
    [](const ::testing::TestParamInfo<UnitNoticeCase>& row) {
        return std::string(row.param.name);
    });

TEST_F(MainWindowTest, NoticesOfRowsOutsideTheCatalogueAreIgnored) {
    Start();
    PickCategory("Distance");
    ClickUnit(InputUnits(), "Miles");
    ClearInput();
    TypeInput("3");
    const QString output = OutputEdit().text();

    for (const auto& [slot, change] : std::vector<std::pair<int, CatalogueChange>>{
             {CategoryRowCount, CatalogueChange::CategoryAdded},
             {-1, CatalogueChange::UnitRemoved}}) {
        Window().OnCatalogueChanged({change, slot, "Distance"});
        EXPECT_EQ(Categories().Count(), BuiltinCategoryCount);
        EXPECT_EQ(Categories().SelectedText(), "Distance");
        EXPECT_EQ(Selected(InputUnits()), "Miles");
        EXPECT_EQ(OutputEdit().text(), output);
    }
}
