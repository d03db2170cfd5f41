#pragma once
// The window's texts in the user's language. The catalogues are compiled
// into the program (":/i18n/mezura_de.qm"); the language comes from the
// locale's list of UI languages, which on Linux reads LANGUAGE before
// LC_ALL, LC_MESSAGES and LANG. A language we have no catalogue for leaves
// every text in English, exactly as written in the code.
//
// Qt's own texts (a line edit's context menu) follow when the system has
// Qt's catalogue for the language installed.
//
// Installed while the object lives:
//   Translations german(QLocale(QLocale::German));   // menus read "&Datei" ...
#include <QLocale>
#include <QTranslator>

class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // True when Mezura's own catalogue for the locale was found.
    bool Loaded() const { return ownLoaded_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownLoaded_ = false;
    bool qtLoaded_ = false;
};
