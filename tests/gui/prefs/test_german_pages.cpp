// The Preferences pages of a German session show the German names, sorted
// as shown, and still act on the catalogue's rows and names.
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "catalogue.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "results_page.h"
#include "sorted_combo_box.h"
#include "text_1252.h"
#include "text_edge.h"
#include "translations.h"

using GermanPagesTest = PrefsTest;

namespace {

constexpr int VisibleTab = 2;
constexpr int CustomTab = 3;

bool SortedAsShown(const std::vector<std::string>& shown) {
    for (std::size_t i = 1; i < shown.size(); ++i)
        if (CollateNoCase(shown[i - 1], shown[i]) > 0) return false;
    return true;
}

}  // namespace

TEST_F(GermanPagesTest, VisibleCategoriesAreSortedByGermanNamesAndMapToTheirRows) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, VisibleTab);
        QListWidget& list = sheet.visiblePage_.categoryList_;
        ASSERT_EQ(list.count(), BuiltinCategoryCount);
        std::vector<std::string> shown;
        for (int i = 0; i < list.count(); ++i)
            shown.push_back(Cp1252FromQStringLossy(list.item(i)->text()));
        EXPECT_TRUE(SortedAsShown(shown));
        EXPECT_NE(std::find(shown.begin(), shown.end(), "L\xE4nge"), shown.end());
        // Unchecking "Länge" hides Distance, wherever it stands in the list.
        catalogue_->MarkVisibilityEdited();
        for (int i = 0; i < list.count(); ++i)
            if (list.item(i)->text() == QStringLiteral("L\u00E4nge"))
                list.item(i)->setCheckState(Qt::Unchecked);
        PressOk(sheet);
    });
    EXPECT_EQ(Stored("Distance", "Visibility", "1"), "1");  // written on leaving
    const std::vector<std::string> listed = MainCategoryNames();
    EXPECT_EQ(std::find(listed.begin(), listed.end(), "Distance"), listed.end());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "Time"), listed.end());
    QuitWindow();
    EXPECT_EQ(Stored("Distance", "Visibility"), "0");
    EXPECT_EQ(Stored("L\xE4nge", "Visibility"), "(absent)");
}

TEST_F(GermanPagesTest, TheCustomPageShowsGermanNamesAndAddsUnderTheCatalogueName) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, CustomTab);
        SortedComboBox& categories = sheet.customPage_.categoryCombo_;
        std::vector<std::string> shown;
        for (int i = 0; i < categories.Count(); ++i) shown.push_back(categories.ShownAt(i));
        EXPECT_TRUE(SortedAsShown(shown));
        const int distance = categories.FindExact("Distance");
        ASSERT_GE(distance, 0);
        EXPECT_EQ(categories.ShownAt(distance), "L\xE4nge");
    });
}

// The existing unit's list shows every built-in unit's German name whole
// ("Newtonsekunden/Quadratmeter"), as far as the style leaves room for the
// current entry's text.
TEST_F(GermanPagesTest, TheExistingUnitListShowsEveryGermanNameWhole) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, CustomTab);
        CustomPage& page = sheet.customPage_;
        Click(page.existingRadio_);
        QStyleOptionComboBox option;
        option.initFrom(&page.unitCombo_);
        const int room = page.style()
                             ->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, &page.unitCombo_)
                             .width();
        for (int i = 0; i < page.categoryCombo_.Count(); ++i) {
            if (page.categoryCombo_.TextAt(i) == CurrencyName) continue;
            page.categoryCombo_.Select(i);
            page.OnCategorySelected();
            for (int k = 0; k < page.unitCombo_.count(); ++k) {
                const QString name = page.unitCombo_.itemText(k);
                EXPECT_LE(page.unitCombo_.fontMetrics().horizontalAdvance(name), room)
                    << name.toStdString();
            }
        }
    });
}

// The profile is Windows-1252: a name it cannot hold is refused with the
// character that stands in the way, and nothing is added.
TEST_F(GermanPagesTest, ANameTheProfileCannotHoldNamesTheCharacter) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    StartWindow();
    RunPreferences([this](PreferencesSheet& sheet) {
        ShowTab(sheet, CustomTab);
        sheet.customPage_.categoryEdit_.setText(QStringLiteral("\u0141\u00F3d\u017A"));
        sheet.customPage_.OnAddCategory();
        ASSERT_FALSE(desktop_.messages.empty());
        EXPECT_TRUE(desktop_.messages.back().text.contains(QStringLiteral("\u201E\u0141\u201C")))
            << desktop_.messages.back().text.toStdString();
        // "Köln" has its bytes and is added.
        const std::size_t before = desktop_.messages.size();
        sheet.customPage_.categoryEdit_.setText(QStringLiteral("K\u00F6ln"));
        sheet.customPage_.OnAddCategory();
        EXPECT_EQ(desktop_.messages.size(), before);
    });
    EXPECT_EQ(Stored("Settings", "Custom_1"), "K\xF6ln");
}

namespace {

constexpr int ResultFormatTab = 1;

// A German session in a locale that writes a decimal comma, for one test.
class CommaLocale {
public:
    CommaLocale() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }
    ~CommaLocale() { QLocale::setDefault(before_); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

private:
    QLocale before_;
    Translations german_{QLocale(QStringLiteral("de_DE"))};
};

}  // namespace

// "Decimal separator": the preview follows the list at once; after OK the
// window writes and reads the point, the typed value keeps its meaning, and
// DecimalPoint is stored (only when it changed) for the next start.
TEST_F(GermanPagesTest, ThePointChosenForTheDecimalSeparatorReachesPreviewWindowAndProfile) {
    const CommaLocale comma;
    StartWindow();
    // Acceleration's first unit to itself: the output repeats the value.
    TypeInto(MainInput(), QStringLiteral("1,5"));
    ASSERT_EQ(MainOutput().text(), QStringLiteral("1,5"));
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        ResultsPage& page = sheet.resultsPage_;
        EXPECT_TRUE(page.separatorCombo_.isEnabled());
        EXPECT_EQ(page.separatorCombo_.currentIndex(), 0);
        EXPECT_EQ(page.separatorCombo_.itemText(0), QStringLiteral("Die der Sprache (,)"));
        EXPECT_EQ(page.preview_.text(), QStringLiteral("123,45678976898"));
        ChooseByKeys(page.separatorCombo_, 1);
        EXPECT_EQ(page.preview_.text(), QStringLiteral("123.45678976898"));
        Click(page.mixedUnitsCheck_);
        EXPECT_TRUE(page.preview_.text().endsWith(QStringLiteral("24.44316834 s")));
        Click(page.mixedUnitsCheck_);
        PressOk(sheet);
    });
    EXPECT_EQ(Stored("Settings", "DecimalPoint"), "TRUE");
    EXPECT_TRUE(Window().DecimalPointChosen());
    EXPECT_EQ(MainInput().text(), QStringLiteral("1.5"));
    EXPECT_EQ(MainOutput().text(), QStringLiteral("1.5"));
    TypeText(MainInput(), QStringLiteral(",25"));  // the comma is no longer taken
    EXPECT_EQ(MainOutput().text(), QStringLiteral("1.525"));

    // The next start keeps the point, and a second OK writes nothing new.
    QuitWindow();
    StartWindow();
    TypeInto(MainInput(), QStringLiteral("2.5"));
    EXPECT_EQ(MainOutput().text(), QStringLiteral("2.5"));
    const std::string stored = ProfileText();
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        EXPECT_EQ(sheet.resultsPage_.separatorCombo_.currentIndex(), 1);
        EXPECT_EQ(sheet.resultsPage_.preview_.text(), QStringLiteral("123.45678976898"));
        PressOk(sheet);
    });
    EXPECT_EQ(ProfileText(), stored);

    // Back to the language's: the comma returns to both fields.
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        ChooseByKeys(sheet.resultsPage_.separatorCombo_, 0);
        EXPECT_EQ(sheet.resultsPage_.preview_.text(), QStringLiteral("123,45678976898"));
        PressOk(sheet);
    });
    EXPECT_EQ(Stored("Settings", "DecimalPoint"), "FALSE");
    EXPECT_EQ(MainInput().text(), QStringLiteral("2,5"));
    EXPECT_EQ(MainOutput().text(), QStringLiteral("2,5"));
}

// Where the language writes a point already, the choice would change
// nothing: it is greyed out and says why, and a stored choice changes nothing.
TEST_F(GermanPagesTest, ThePointLanguagesSeparatorChoiceIsGreyedOut) {
    WriteProfile("[Settings]\r\nDecimalPoint=TRUE\r\n");
    StartWindow();
    TypeInto(MainInput(), QStringLiteral("1,5"));
    EXPECT_EQ(MainOutput().text(), QStringLiteral("15"));
    RunPreferences([](PreferencesSheet& sheet) {
        ShowTab(sheet, ResultFormatTab);
        const ResultsPage& page = sheet.resultsPage_;
        EXPECT_FALSE(page.separatorCombo_.isEnabled());
        EXPECT_FALSE(page.separatorCombo_.toolTip().isEmpty());
        EXPECT_EQ(page.separatorCombo_.itemText(0), QStringLiteral("The language's (.)"));
        EXPECT_EQ(page.separatorCombo_.currentIndex(), 1);
        PressOk(sheet);
    });
    EXPECT_EQ(Stored("Settings", "DecimalPoint"), "TRUE");
}
