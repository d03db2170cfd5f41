#pragma once
// Lets only number characters be typed into the factor field: the
// characters of "+-0123456789Ee." and backspace. Any other typed character
// is dropped, control characters such as Ctrl+V's included, so the field's
// clipboard keys do nothing; keys that type nothing (arrows, Delete, Tab,
// Return, Escape) pass, and so does the order of the characters ("1e+e" can
// be typed; the factor is read as its numeric prefix).
//
//   typed "9x.5"   -> field shows "9.5"
//   typed "2,54"   -> field shows "254"
#include <QObject>

class FactorKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True when the typed `text` of a key press may reach the field.
    static bool Accepts(int key, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
