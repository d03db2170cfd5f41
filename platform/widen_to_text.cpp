#include "widen_to_text.h"

#include <QLabel>

void WidenToText(QWidget& control) {
    // A label needs the width of its text; a check box or radio button also
    // its indicator and spacing, which only its size hint knows.
    const auto* label = qobject_cast<const QLabel*>(&control);
    const int needed = label != nullptr && !label->text().isEmpty()
                           ? label->fontMetrics().horizontalAdvance(label->text())
                           : control.sizeHint().width();
    if (label != nullptr && label->text().isEmpty()) return;
    if (needed > control.width()) control.resize(needed, control.height());
}
