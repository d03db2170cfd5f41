#pragma once
// What may be typed into the input field: the characters "+-0123456789Ee."
// and backspace. Everything else the user types is dropped before the field
// sees it; pasted text, from the context menu or Ctrl+V, is not looked at
// (the conversion reads whatever text there is).
//
//   "7", "e", "E", "+", "-", ".", Backspace   reach the field
//   "a", ",", " ", "%"                        are dropped
//   Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z,   reach the field: select, copy,
//   Ctrl+Shift+Z, Ctrl+Y                       paste, cut, undo, redo
//   Ctrl+E, Alt+E, Ctrl+Backspace              are dropped: with Ctrl or Alt a
//                                             letter is a control or menu key
//   Tab, Shift+Tab, Esc, Enter                go on to the window (moving the
//                                             focus, leaving, nothing)
//   arrows, Home, End, Delete, Shift+Insert   reach the field: they type nothing
//                                             (Delete even where X11 calls it DEL)
#include <QObject>

class QKeyEvent;

class NumberInputFilter : public QObject {
public:
    // Filters the key presses of `field`; the filter belongs to the field.
    // With `decimalComma` the field also takes "," (a decimal comma language).
    static NumberInputFilter* Install(QObject* field, bool decimalComma = false);

    // The user chose the other decimal separator on the Result Format page.
    void SetDecimalComma(bool decimalComma) { decimalComma_ = decimalComma; }

    // True when the key press may reach the field.
    static bool LetsThrough(const QKeyEvent& event, bool decimalComma = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberInputFilter(QObject* parent, bool decimalComma)
        : QObject(parent), decimalComma_(decimalComma) {}
    bool decimalComma_;
};
