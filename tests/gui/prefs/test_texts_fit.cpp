// No text is cut: in English and in German, every label, push button,
// check box and radio button of the main window, the About box and each
// Preferences page is as wide as the style needs to draw its text, and lies
// inside the surface that holds it.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <memory>

#include "about_dialog.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"
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

INSTANTIATE_TEST_SUITE_P(Languages, TextsFitTest, ::testing::Values("en_US", "de_DE"));

}  // namespace
