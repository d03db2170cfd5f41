#include "name_clear_button.h"

#include <QLineEdit>
#include <QString>
#include <QToolButton>

void NameClearButton(QLineEdit& field, const QString& name) {
    // The field's only tool button is the one setClearButtonEnabled added.
    for (QToolButton* button : field.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
}
