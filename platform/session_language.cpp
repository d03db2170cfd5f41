#include "session_language.h"

#include <QCoreApplication>
#include <QLocale>

NameLanguage SessionNameLanguage() {
    //: The language of the unit and category names: "de" shows the German ones.
    const QString marker = QCoreApplication::translate("SessionLanguage", "en");
    return marker == QLatin1String("de") ? NameLanguage::German : NameLanguage::English;
}

bool SessionDecimalComma() {
    return SessionNameLanguage() == NameLanguage::German &&
           QLocale().decimalPoint() == QStringLiteral(",");
}
