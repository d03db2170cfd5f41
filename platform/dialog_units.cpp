#include "dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace {

// MulDiv's rounding: to the nearest, halves away from zero.
int ScaleRounded(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (alphabetWidth / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

DialogUnits::DialogUnits(int baseWidth, int baseHeight)
    : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

int DialogUnits::X(int horizontalUnits) const {
    return ScaleRounded(horizontalUnits, baseWidth_, 4);
}

int DialogUnits::Y(int verticalUnits) const { return ScaleRounded(verticalUnits, baseHeight_, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const { return QSize(X(width), Y(height)); }

QFont TemplateFont(const QString& family, int pointSize) {
    QFont font;
    // Only faces the machine has: a missing one sends the font matcher
    // through its substitution rules for every script the window draws, a
    // tenth of the start-up's work for a result that is DejaVu Sans anyway.
    QStringList installed;
    for (const QString& name : {family, QStringLiteral("DejaVu Sans")})
        if (QFontDatabase::hasFamily(name)) installed << name;
    if (!installed.isEmpty()) font.setFamilies(installed);
    font.setPointSize(pointSize);
    return font;
}
