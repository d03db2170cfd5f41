#include "calculator.h"

#include <QStandardPaths>

QStringList CalculatorPrograms() {
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("qalculate-qt"),
            QStringLiteral("qalculate-gtk"),
            QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),
            QStringLiteral("xcalc")};
}

QString FindCalculator() {
    for (const QString& program : CalculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return path;
    }
    return {};
}
