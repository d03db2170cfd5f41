#include "factor_key_filter.h"

#include <QKeyEvent>

#include "number_text.h"

bool FactorKeyFilter::Accepts(int key, const QString& text) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;  // they move the focus, close the sheet or edit: nothing is typed
        default:
            break;
    }
    if (text.isEmpty()) return true;
    if (text.size() != 1) return false;
    const QChar c = text.front();
    return c == QLatin1Char('\b') ||
           (c.unicode() < 0x80 &&
            NumberInputChars.find(static_cast<char>(c.unicode())) != std::string_view::npos);
}

bool FactorKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!Accepts(key->key(), key->text())) return true;
    }
    return QObject::eventFilter(watched, event);
}
