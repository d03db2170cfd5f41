#include "text_edge.h"

#include <QList>

#include "text_1252.h"

QString QStringFromCp1252(std::string_view bytes) {
    const std::string utf8 = Utf8FromCp1252(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> Cp1252FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Cp1252FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

std::string Cp1252FromQStringLossy(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const uint codePoint : text.toUcs4()) {
        if (codePoint < 0x80) {  // ASCII is the same in both: the common case
            bytes.push_back(static_cast<char>(codePoint));
            continue;
        }
        const char32_t character = codePoint;
        const QByteArray utf8 = QString::fromUcs4(&character, 1).toUtf8();
        const auto one =
            Cp1252FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        bytes += one && one->size() == 1 ? *one : std::string("?");
    }
    return bytes;
}
