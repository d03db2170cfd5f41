// A German session shows German category and unit names, sorted as German
// sorts, while every name the profile stores stays the catalogue's own: a
// profile written in German opens the same way in English and back.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>

#include "catalogue.h"
#include "find_unit_popup.h"
#include "main_window_fixture.h"
#include "result_format.h"
#include "results_page.h"
#include "text_1252.h"
#include "translations.h"

namespace {

std::vector<std::string> ShownEntries(const SortedListBox& list) {
    std::vector<std::string> shown;
    for (int i = 0; i < list.Count(); ++i) shown.push_back(list.ShownAt(i));
    return shown;
}

bool SortedAsShown(const std::vector<std::string>& shown) {
    for (std::size_t i = 1; i < shown.size(); ++i)
        if (CollateNoCase(shown[i - 1], shown[i]) > 0) return false;
    return true;
}

class GermanSessionTest : public MainWindowTest {
protected:
    void Restart() {
        window_.reset();
        app_.reset();
        catalogue_.emplace();
        Start();
    }
    void LeaveByCloseBox() { Window().close(); }
};

TEST_F(GermanSessionTest, ListsAndLabelsShowGermanNamesSortedAsShown) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    ASSERT_TRUE(german.Loaded());
    Start();
    PickCategory("Distance");
    // The list shows "Länge" and reads back the catalogue's name.
    EXPECT_EQ(Categories().ShownAt(Categories().SelectedPosition()), "L\xE4nge");
    EXPECT_EQ(Categories().SelectedText(), "Distance");
    ClickUnit(InputUnits(), "Inches");
    ClickUnit(OutputUnits(), "Centimeters");
    EXPECT_EQ(InputUnitLabel().text(), QStringLiteral("Zoll"));
    EXPECT_EQ(OutputUnitLabel().text(), QStringLiteral("Zentimeter"));
    TypeInput(QStringLiteral("10"));
    EXPECT_EQ(OutputEdit().text(), QStringLiteral("25.4"));
    const std::vector<std::string> units = ShownEntries(InputUnits());
    EXPECT_TRUE(SortedAsShown(units));
    // "Ångström" sorts beside the A's, not after "Z".
    EXPECT_EQ(units.front(), "\xC5ngstr\xF6m");
    std::vector<std::string> categories;
    for (int i = 0; i < Categories().Count(); ++i) categories.push_back(Categories().ShownAt(i));
    EXPECT_TRUE(SortedAsShown(categories));
}

// German names run longer than the English ones the window's template was
// drawn for ("Astronomische Einheiten (AE)"): every built-in unit's shows
// whole in both lists, as far as the list's text room goes.
TEST_F(GermanSessionTest, EveryBuiltInUnitNameShowsWhole) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    Start();
    std::vector<std::string> rows;
    for (int i = 0; i < Categories().Count(); ++i)
        if (Categories().TextAt(i) != CurrencyName) rows.push_back(Categories().TextAt(i));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(BuiltinCategoryCount - 1));
    for (const std::string& category : rows) {
        PickCategory(category);
        for (SortedListBox* list : {&InputUnits(), &OutputUnits()}) {
            // The view draws an entry's text inside its focus margins and
            // elides what does not fit.
            const int margin =
                list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                EXPECT_LE(list->fontMetrics().horizontalAdvance(text) + 2 * margin,
                          list->viewport()->width())
                    << category << ": " << text.toStdString();
            }
        }
    }
}

TEST_F(GermanSessionTest, EnglishSessionsShowTheCatalogueNames) {
    Start();
    PickCategory("Distance");
    EXPECT_EQ(Categories().ShownAt(Categories().SelectedPosition()), "Distance");
    ClickUnit(InputUnits(), "Inches");
    EXPECT_EQ(InputUnitLabel().text(), QStringLiteral("Inches"));
}

// What the German session stores, the English one opens; and the other way.
TEST_F(GermanSessionTest, TheProfileKeepsTheCatalogueNamesInBothDirections) {
    {
        const Translations german(QLocale(QStringLiteral("de_DE")));
        Start(
            "[Settings]\r\nRememberCategory=TRUE\r\nCustom_1=Meine Ma\xDF"
            "e\r\n"
            "[Meine Ma\xDF"
            "e]\r\nCustomUnits=1\r\nCustomUnit_1=Elle\r\nCustomValue_1=1\r\n");
        PickCategory("Volume");
        LeaveByCloseBox();
    }
    ProfileKeys keys = ReadProfileKeys();
    EXPECT_EQ(keys["Settings"]["LastCategory"], "Volume");
    EXPECT_EQ(keys["Volume"]["Visibility"], "1");
    EXPECT_FALSE(keys.contains("Volumen"));
    Restart();  // English
    EXPECT_EQ(Categories().SelectedText(), "Volume");
    EXPECT_EQ(Categories().ShownAt(Categories().SelectedPosition()), "Volume");
    PickCategory(
        "Meine Ma\xDF"
        "e");
    EXPECT_EQ(InputUnits().ShownAt(0), "Elle");  // custom names as typed
    PickCategory("Time");
    LeaveByCloseBox();
    EXPECT_EQ(ReadProfileKeys()["Settings"]["LastCategory"], "Time");
    const Translations german(QLocale(QStringLiteral("de_DE")));
    Restart();
    EXPECT_EQ(Categories().SelectedText(), "Time");
    EXPECT_EQ(Categories().ShownAt(Categories().SelectedPosition()), "Zeit");
}

TEST_F(GermanSessionTest, FindUnitShowsGermanNamesAndTakesEnglishOnes) {
    const Translations german(QLocale(QStringLiteral("de_DE")));
    Start();
    Window().OnFindUnit();
    auto* popup = Window().findChild<FindUnitPopup*>();
    ASSERT_NE(popup, nullptr);
    auto* filter = popup->findChild<QLineEdit*>(QStringLiteral("filter"));
    auto* list = popup->findChild<QListWidget*>();
    ASSERT_NE(filter, nullptr);
    ASSERT_NE(list, nullptr);
    filter->setText(QStringLiteral("Zoll"));
    ASSERT_GT(list->count(), 0);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Zoll")));
    // The English name still finds the unit, shown in German.
    filter->setText(QStringLiteral("Inches"));
    ASSERT_GT(list->count(), 0);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Zoll")));
    popup->close();
}

// A German session in a comma locale reads and writes the decimal comma;
// an English one drops the comma as it always has.
TEST_F(GermanSessionTest, ACommaLocaleReadsAndWritesTheDecimalComma) {
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    {
        const Translations german(QLocale(QStringLiteral("de_DE")));
        Start();
        TypeKilometersToMiles(QStringLiteral("1,5"));
        EXPECT_EQ(InputEdit().text(), QStringLiteral("1,5"));
        EXPECT_EQ(OutputEdit().text(), QStringLiteral("0,932056788356"));
        ClearInput();
        TypeInput(QStringLiteral("1.5"));  // a point is never a thousands separator
        EXPECT_EQ(OutputEdit().text(), QStringLiteral("0,932056788356"));
        EXPECT_EQ(ResultsPage::PreviewText(FormatFixed, 2, SessionDecimalComma()),
                  QStringLiteral("123,46"));
        window_.reset();
        app_.reset();
        catalogue_.emplace();
    }
    Start();  // English, in the same locale
    TypeKilometersToMiles(QStringLiteral("1,5"));
    EXPECT_EQ(InputEdit().text(), QStringLiteral("15"));
    EXPECT_EQ(ResultsPage::PreviewText(FormatFixed, 2, SessionDecimalComma()),
              QStringLiteral("123.46"));
    QLocale::setDefault(before);
}

}  // namespace
