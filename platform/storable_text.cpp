#include "storable_text.h"

#include <QList>

#include "text_1252.h"

QString FirstCharacterOutsideCp1252(const QString& text) {
    for (const uint codePoint : text.toUcs4()) {
        if (!Cp1252OfCodePoint(static_cast<char32_t>(codePoint)))
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
    }
    return {};
}
