// No text is cut: in English and in German, every label, push button,
// check box and radio button of the main window, the About box and each
// Preferences page is as wide as the style needs to draw its text, and lies
// inside the surface that holds it.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "about_dialog.h"
#include "general_page.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
#include "results_page.h"
#include "translations.h"

namespace {

// Where the style draws the control's text; a label draws it in its
// contents.
int TextRoom(QWidget& control) {
    QStyleOptionButton option;
    option.initFrom(&control);
    QStyle::SubElement contents;
    if (qobject_cast<QCheckBox*>(&control) != nullptr)
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(&control) != nullptr)
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QPushButton*>(&control) != nullptr)
        contents = QStyle::SE_PushButtonContents;
    else
        return control.contentsRect().width();
    return control.style()->subElementRect(contents, &option, &control).width();
}

QString Caption(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->wordWrap() ? QString() : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return QString(button->text()).remove(u'&');
    return {};
}

// Every shown caption of `surface` that is cut, or reaches past the surface.
std::vector<std::string> CutTexts(QWidget& surface) {
    std::vector<std::string> cut;
    for (QWidget* control : surface.findChildren<QWidget*>()) {
        const QString text = Caption(*control);
        if (text.isEmpty() || !control->isVisibleTo(&surface)) continue;
        const int needed = control->fontMetrics().horizontalAdvance(text);
        const QWidget* holder = control->parentWidget();
        if (TextRoom(*control) < needed || control->geometry().right() >= holder->width())
            cut.push_back(text.toStdString() + " (" + std::to_string(control->width()) + " px, " +
                          std::to_string(needed) + " for the text)");
    }
    return cut;
}

class TextsFitTest : public PrefsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TextsFitTest, NoCaptionIsCut) {
    const Translations language{QLocale(QLatin1String(GetParam()))};
    EXPECT_EQ(language.Loaded(), QLatin1String(GetParam()) == u"de_DE");
    StartWindow();
    EXPECT_EQ(CutTexts(Window()), std::vector<std::string>{}) << "main window";
    AboutDialog about(&Window());
    EXPECT_EQ(CutTexts(about), std::vector<std::string>{}) << "About";
    RunPreferences([](PreferencesSheet& sheet) {
        for (int tab = 0; tab < sheet.Tabs().count(); ++tab) {
            ShowTab(sheet, tab);
            EXPECT_EQ(CutTexts(sheet.Page(tab)), std::vector<std::string>{})
                << sheet.Tabs().tabText(tab).toStdString();
        }
    });
}

// However long a language's texts make one page, every page spreads over
// the sheet: the frame or list that holds it keeps the margin on its right
// that it has on its left. Controls of one column keep their common edge.
TEST_P(TextsFitTest, PagesSpreadOverTheSheetAndColumnsKeepTheirEdges) {
    const Translations language{QLocale(QLatin1String(GetParam()))};
    StartWindow();
    RunPreferences([](PreferencesSheet& sheet) {
        for (int tab = 0; tab < sheet.Tabs().count(); ++tab) {
            ShowTab(sheet, tab);
            PropertyPage& page = sheet.Page(tab);
            SCOPED_TRACE(sheet.Tabs().tabText(tab).toStdString());
            const QWidget* outer = nullptr;
            for (const QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (outer == nullptr || child->width() > outer->width()) outer = child;
            ASSERT_NE(outer, nullptr);
            const int leftMargin = outer->x();
            const int rightMargin = page.width() - (outer->x() + outer->width());
            EXPECT_LE(std::abs(rightMargin - leftMargin), 1)  // a dialog unit's rounding
                << outer->objectName().toStdString() << ": " << leftMargin << " px on the left, "
                << rightMargin << " on the right of a page " << page.width() << " px wide";
        }

        const GeneralPage& general = sheet.generalPage_;
        for (const QWidget* below : std::initializer_list<const QWidget*>{
                 &general.rememberCategoryCheck_, &general.downloadRatesCheck_,
                 &general.keepHistoryCheck_, &general.clearHistoryButton_})
            EXPECT_EQ(below->x(), general.onTopCheck_.x()) << below->objectName().toStdString();

        // The format's lists end together at the frame's right, each beside
        // its caption.
        const ResultsPage& results = sheet.resultsPage_;
        EXPECT_LE(std::abs(results.separatorCombo_.geometry().right() -
                           results.precisionCombo_.geometry().right()),
                  1);
        for (const QLabel* caption : {&results.separatorLabel_, &results.precisionLabel_}) {
            const QWidget* list = caption->buddy();
            EXPECT_LT(caption->geometry().right(), list->x());
            EXPECT_LT(list->x() - caption->geometry().right(),
                      caption->fontMetrics().averageCharWidth() * 2)
                << caption->text().toStdString();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFitTest, ::testing::Values("en_US", "de_DE"));

}  // namespace
