// New custom names that a query would read as its own words or signs are
// refused on the Custom tab, each with why; names next to them that only
// look alike are taken.
#include <QTest>

#include "catalogue.h"
#include "custom_page.h"
#include "custom_steps.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"

using CustomGrammarNamesTest = PrefsTest;

namespace {

QString IsWord(const char* name) {
    return QStringLiteral(
               "\"%1\" is one of the words queries are written with (to, in, per): "
               "please choose another name.")
        .arg(QLatin1String(name));
}
QString HoldsSign(const char* sign) {
    return QStringLiteral(
               "The name cannot hold \"%1\": queries read + ; * / ^ ( ) as signs. "
               "Please choose another name.")
        .arg(QLatin1String(sign));
}
QString IsNumber(const char* name) {
    return QStringLiteral(
               "\"%1\" would be read as a number in a query: please choose another "
               "name.")
        .arg(QLatin1String(name));
}

struct Refusal {
    const char* typed;
    QString message;
};

const Refusal Refusals[] = {
    {"to", IsWord("to")},      {"TO", IsWord("TO")},           {"In", IsWord("In")},
    {" per ", IsWord("per")},  {"nach", IsWord("nach")},       {"ft+in", HoldsSign("+")},
    {"st;lb", HoldsSign(";")}, {"N*m", HoldsSign("*")},        {"km/h", HoldsSign("/")},
    {"m^2", HoldsSign("^")},   {"Cup (big)", HoldsSign("(")},  {"big)", HoldsSign(")")},
    {"12", IsNumber("12")},    {"-1.5e3", IsNumber("-1.5e3")}, {"2,5", IsNumber("2,5")},
};

// Words and signs inside a longer name are no clash.
const char* const Taken[] = {"Tons", "Pint-to-go", "Inch-pound", "2x4 boards", "Per cent"};

}  // namespace

TEST_F(CustomGrammarNamesTest, UnitNamesAQueryWouldMisreadAreRefused) {
    constexpr int DistanceRow = BuiltinRowNamed("Distance");
    StartWindow();
    const int count = catalogue_->UnitCount(DistanceRow);
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        ChooseCategory(page, "Distance");
        for (const Refusal& refusal : Refusals) {
            SCOPED_TRACE(refusal.typed);
            desktop_.messages.clear();
            AddUnit(page, refusal.typed, "2", "Feet");
            ASSERT_EQ(desktop_.messages.size(), 1u);
            EXPECT_EQ(desktop_.messages[0].text, refusal.message);
            EXPECT_EQ(desktop_.messages[0].caption, "Mezura");
            EXPECT_EQ(desktop_.messages[0].icon, Desktop::Icon::Information);
            EXPECT_EQ(catalogue_->UnitCount(DistanceRow), count);
            EXPECT_EQ(page.unitNameEdit_.text(), refusal.typed);  // kept for correcting
        }
        EXPECT_EQ(desktop_.exclamations, 0);
        desktop_.messages.clear();
        for (const char* name : Taken) AddUnit(page, name, "2", "Feet");
        EXPECT_TRUE(desktop_.messages.empty());
    });
    EXPECT_EQ(catalogue_->UnitCount(DistanceRow), count + std::size(Taken));
    EXPECT_EQ(Stored("Distance", "CustomUnits"), std::to_string(std::size(Taken)));
}

TEST_F(CustomGrammarNamesTest, CategoryNamesAQueryWouldMisreadAreRefused) {
    StartWindow();
    RunPreferences([&](PreferencesSheet& sheet) {
        CustomPage& page = OpenCustomTab(sheet);
        for (const Refusal& refusal : Refusals) {
            SCOPED_TRACE(refusal.typed);
            desktop_.messages.clear();
            AddCategory(page, refusal.typed);
            ASSERT_EQ(desktop_.messages.size(), 1u);
            EXPECT_EQ(desktop_.messages[0].text, refusal.message);
            EXPECT_EQ(page.categoryEdit_.text(), refusal.typed);
            EXPECT_TRUE(catalogue_->IsCustomRowFree(FirstCustomRow));
        }
        desktop_.messages.clear();
        AddCategory(page, "Per cent");
        EXPECT_TRUE(desktop_.messages.empty());
    });
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Per cent");
    EXPECT_EQ(Stored("Settings", "Custom_1"), "Per cent");
}
