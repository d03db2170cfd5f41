// The window speaks the user's language where a catalogue ships (German),
// and English otherwise, byte for byte as written in the code. Category and
// unit names are shown in German too, but stored as the catalogue has them.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "custom_page.h"
#include "main_window_fixture.h"
#include "translations.h"

// Failures show the texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QStringList MenuTitles(MainWindow& window) {
    QStringList titles;
    for (QAction* popup : window.findChild<QMenuBar*>()->actions()) titles << popup->text();
    return titles;
}

QString PreferencesItem(MainWindow& window) {
    return window.findChild<QMenuBar*>()->actions()[1]->menu()->actions()[3]->text();
}

class TranslationTest : public MainWindowTest {
protected:
    // The Custom page's answer to a one-letter category name.
    QString RefusalOfShortName() {
        CustomPage page(*catalogue_, app_->Profile(), Window());
        page.categoryEdit_.setText(QStringLiteral("x"));
        page.OnAddCategory();
        return desktop_.messages.empty() ? QString() : desktop_.messages.back().text;
    }
    QString WriteError() {
        return MezuraApp::WriteErrorText({"/ro/mezura.INI", "Permission denied"});
    }
};

TEST_F(TranslationTest, EnglishTextsAreTheOriginals) {
    for (const char* name : {"en_US", "fr_FR", "C"}) {
        SCOPED_TRACE(name);
        const Translations none{QLocale(QLatin1String(name))};
        EXPECT_FALSE(none.Loaded());
    }
    Start();
    EXPECT_EQ(MenuTitles(Window()),
              (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"),
                           QStringLiteral("&Help")}));
    EXPECT_EQ(PreferencesItem(Window()), QStringLiteral("Preferences              "));
    EXPECT_EQ(RefusalOfShortName(), QStringLiteral("Please Enter a valid name for the Category"));
    EXPECT_EQ(WriteError(),
              QStringLiteral("Mezura could not save its settings to\n/ro/mezura.INI\n\n"
                             "Permission denied\n\nThe settings stay in effect until Mezura "
                             "is closed."));
}

TEST_F(TranslationTest, GermanLocaleGetsGermanTexts) {
    const Translations german(QLocale(QStringLiteral("de_AT")));  // falls back to "de"
    ASSERT_TRUE(german.Loaded());
    Start();
    EXPECT_EQ(MenuTitles(Window()),
              (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Optionen"),
                           QStringLiteral("&Hilfe")}));
    // The blanks after the item text stay, as in English.
    EXPECT_EQ(PreferencesItem(Window()), QStringLiteral("Einstellungen              "));
    EXPECT_EQ(RefusalOfShortName(),
              QStringLiteral("Bitte geben Sie einen gültigen Namen für die Kategorie ein"));
    EXPECT_EQ(WriteError(),
              QStringLiteral("Mezura konnte seine Einstellungen nicht speichern in\n"
                             "/ro/mezura.INI\n\nPermission denied\n\nDie Einstellungen gelten "
                             "weiter, bis Mezura geschlossen wird."));
    // The history and favourites items are German too.
    auto* history = Window().findChild<QAction*>(QStringLiteral("historyAction"));
    auto* favourite = Window().findChild<QAction*>(QStringLiteral("favouriteAction"));
    ASSERT_TRUE(history && favourite);
    EXPECT_EQ(history->text(), QString::fromUtf8("&Verlauf…"));
    EXPECT_EQ(favourite->text(), QString::fromUtf8("Zu Favoriten &hinzufügen"));
    // Category names are shown in German and sorted so: "Beleuchtungsstärke"
    // (Illumination) comes first; the list still reads back the catalogue's name.
    EXPECT_EQ(Categories().ShownAt(0), "Beleuchtungsst\xE4rke");
    EXPECT_EQ(Categories().SelectedText(), "Illumination");
    // Qt's own texts come from Qt's catalogue (scripts/setup installs it).
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_F).toString(QKeySequence::NativeText),
              QStringLiteral("Strg+F"));
}

}  // namespace
