#include "input_filter.h"

#include <QKeyEvent>

#include "number_text.h"

namespace {

constexpr QKeySequence::StandardKey EditingKeys[] = {
    QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
    QKeySequence::Paste,     QKeySequence::Undo, QKeySequence::Redo,
};

}  // namespace

NumberInputFilter* NumberInputFilter::Install(QObject* field, bool decimalComma) {
    auto* filter = new NumberInputFilter(field, decimalComma);
    field->installEventFilter(filter);
    return filter;
}

bool NumberInputFilter::LetsThrough(const QKeyEvent& event, bool decimalComma) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;  // the window's keys, handled before any character exists
        case Qt::Key_Delete:
            return true;  // an editing key, though X11 gives it the text DEL
        default:
            break;
    }
    // The editing shortcuts do what they do in any field; what they paste is
    // read by the conversion's own rule, like text pasted from the menu.
    for (const QKeySequence::StandardKey editing : EditingKeys)
        if (event.matches(editing)) return true;
    const QString text = event.text();
    if (text.isEmpty())
        return true;  // a key that types nothing: caret movement, Delete, Shift+Insert
    // Typed with Ctrl (or Alt, or the Meta key) a key makes a control
    // character or a menu key, never a digit: Ctrl+V is character 22.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event.key() == Qt::Key_Backspace) return true;
    if (text.size() != 1) return false;
    const char16_t character = text.front().unicode();
    if (decimalComma && character == u',') return true;
    return character < 0x80 &&
           NumberInputChars.find(static_cast<char>(character)) != std::string_view::npos;
}

bool NumberInputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        !LetsThrough(*static_cast<QKeyEvent*>(event), decimalComma_))
        return true;  // dropped
    return QObject::eventFilter(watched, event);
}
