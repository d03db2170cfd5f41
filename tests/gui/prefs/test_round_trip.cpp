// Custom categories and units made in the window come back unchanged in the
// next run, convert the same, and reach mezura-convert through the profile.
#include <QProcess>
#include <QTest>

#include "catalogue.h"
#include "conversion.h"
#include "custom_page.h"
#include "custom_steps.h"
#include "main_window.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "sorted_list_box.h"
#include "text_1252.h"
#include "text_edge.h"

using RoundTripTest = PrefsTest;

namespace {

struct Row {
    std::vector<std::string> names;  // entry 0 the category
    std::vector<double> factors;     // entry 0 the count
};

std::vector<Row> Snapshot(const Catalogue& catalogue) {
    std::vector<Row> rows;
    for (int row = 0; row < CategoryRowCount; ++row) {
        Row r;
        for (int k = 0; k <= catalogue.UnitCount(row); ++k) {
            r.names.push_back(catalogue.Name(row, k));
            r.factors.push_back(catalogue.Factor(row, k));
        }
        rows.push_back(r);
    }
    return rows;
}

// Names the profile has to give back byte for byte: blanks at either end,
// "=", "#", quotes, accented letters (typed as Unicode, kept as Windows-1252).
// (A ";" a query would read as a list of units: new names cannot hold it.)
const QString Categories[] = {
    QStringLiteral(" leading blank"),       QStringLiteral("trailing blank "),
    QStringLiteral("key=value#x"),          QStringLiteral("\"quoted\""),
    QStringLiteral("caf\u00E9 CR\u00C8ME"),
};
const std::string StoredCategories[] = {" leading blank", "Trailing blank ", "Key=value#x",
                                        "\"quoted\"", "Caf\xE9 cr\xE8me"};

struct UnitStep {
    QString name;
    QString factor;
};
const UnitStep Units[] = {
    {QStringLiteral(" sp an "), QStringLiteral("1")},
    {QStringLiteral("a=b"), QStringLiteral("2.5")},
    {QStringLiteral("#hash"), QStringLiteral("3")},
    {QStringLiteral("'single'"), QStringLiteral("0.125")},
    {QStringLiteral("\u00FCber"), QStringLiteral("7")},
};

QString RunConvert(const QStringList& arguments) {
    QProcess convert;
    convert.start(QStringLiteral(MEZURA_CONVERT), arguments);
    EXPECT_TRUE(convert.waitForFinished(30000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    return QString::fromUtf8(convert.readAllStandardOutput());
}

}  // namespace

TEST_F(RoundTripTest, CustomCategoriesAndUnitsComeBackUnchanged) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        for (const QString& name : Categories) AddCategory(page, name);
        for (const std::string& category : StoredCategories) {
            ChooseCategory(page, category);
            for (const UnitStep& unit : Units) {
                // Each unit is stated against the one shown first in the list.
                AddUnit(page, unit.name, unit.factor);
            }
        }
        ChooseCategory(page, "Distance");
        AddUnit(page, "span", "9", "Inches");
        PressOk(sheet);
    });
    ASSERT_TRUE(desktop_.messages.empty()) << desktop_.messages[0].text.toStdString();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(catalogue_->Name(FirstCustomRow + k, 0), StoredCategories[k]);
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 1), " sp an ");
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 5),
              "\xDC"
              "ber");
    const std::vector<Row> before = Snapshot(*catalogue_);

    // What the window shows for 3 of the first unit in the last one.
    ChooseMainCategory("Caf\xE9 cr\xE8me");
    auto& output = *Window().findChild<SortedListBox*>(QStringLiteral("outputUnits"));
    QTest::keyClick(&output, Qt::Key_End);
    TypeInto(MainInput(), "3");
    const QString shown = MainOutput().text();
    ASSERT_NE(shown, "0");

    QuitWindow();
    ASSERT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));  // the process state is gone
    StartWindow();

    const std::vector<Row> after = Snapshot(*catalogue_);
    for (int row = 0; row < CategoryRowCount; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(after[row].names, before[row].names);
        EXPECT_EQ(after[row].factors, before[row].factors);
    }
    ChooseMainCategory("Caf\xE9 cr\xE8me");
    QTest::keyClick(Window().findChild<SortedListBox*>(QStringLiteral("outputUnits")), Qt::Key_End);
    TypeInto(MainInput(), "3");
    EXPECT_EQ(MainOutput().text(), shown);

    // The command-line converter reads the same profile.
    const QString profile = QString::fromStdString(ProfilePath());
    const QString listed = RunConvert({"--profile", profile, "--list"});
    for (const std::string& category : StoredCategories)
        EXPECT_TRUE(listed.contains(QStringFromCp1252(category))) << category;
    const QString units =
        RunConvert({"--profile", profile, "--list", QStringFromCp1252(StoredCategories[4])});
    for (const UnitStep& unit : Units)
        EXPECT_TRUE(units.contains(QStringFromCp1252(NormaliseName(*Cp1252FromQString(unit.name)))))
            << unit.name.toStdString();
    EXPECT_EQ(RunConvert({"--profile", profile, "--category", "Distance", "2", "Span", "Inches"})
                  .trimmed(),
              "18");
}

TEST_F(RoundTripTest, AThousandthOfASecondConvertsExactlyHereAndInTheConverter) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Time");
        AddUnit(page, "blink", "0.001", "Seconds");
        AddUnit(page, "flash", "0.000001", "Seconds");
        PressOk(sheet);
    });
    ASSERT_TRUE(desktop_.messages.empty()) << desktop_.messages[0].text.toStdString();
    QuitWindow();
    StartWindow();
    ChooseMainCategory("Time");
    auto& input = *Window().findChild<SortedListBox*>(QStringLiteral("inputUnits"));
    auto& output = *Window().findChild<SortedListBox*>(QStringLiteral("outputUnits"));
    for (const auto& [unit, seconds] :
         {std::pair{"Blink", "0.001"}, std::pair{"Flash", "1e-006"}}) {
        SCOPED_TRACE(unit);
        input.Select(input.FindExact(unit));
        output.Select(output.FindExact("Seconds"));
        TypeInto(MainInput(), "1");
        EXPECT_EQ(MainOutput().text(), seconds);
    }
    const QString profile = QString::fromStdString(ProfilePath());
    EXPECT_EQ(
        RunConvert({"--profile", profile, "--category", "Time", "1", "Blink", "Seconds"}).trimmed(),
        "0.001");
}
