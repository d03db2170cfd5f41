#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// The catalogue for the first of the user's languages that we can show:
// English needs none, and a user who lists English before German
// ("LANGUAGE=en:de") gets English.
bool LoadFirst(QTranslator& translator, const QStringList& languages, const QString& name,
               const QString& folder) {
    for (QString language : languages) {
        language.replace(u'-', u'_');
        if (language.startsWith(QLatin1String("en")) || language == QLatin1String("C"))
            return false;
        // "de_AT" falls back to "de".
        for (const QString& candidate : {language, language.section(u'_', 0, 0)}) {
            if (translator.load(name + u'_' + candidate, folder)) return true;
        }
    }
    return false;
}

}  // namespace

Translations::Translations(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    ownLoaded_ = LoadFirst(own_, languages, QStringLiteral("mezura"), QStringLiteral(":/i18n"));
    if (!ownLoaded_) return;
    QCoreApplication::installTranslator(&own_);
    qtLoaded_ = LoadFirst(qt_, languages, QStringLiteral("qtbase"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtLoaded_) QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
    if (ownLoaded_) QCoreApplication::removeTranslator(&own_);
    if (qtLoaded_) QCoreApplication::removeTranslator(&qt_);
}
