#include "readable_colour.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](float a, float b) {
        return a + (b - a) * static_cast<float>(share);
    };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableColour(const QColor& preferred, const QColor& background, double minimum) {
    if (ContrastRatio(preferred, background) >= minimum) return preferred;
    // White on black reaches 21:1, so one of the two ends always has room
    // for 4.5:1; the one further from the background is the one to go to.
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    // The least mix that reaches the contrast, found by halving: contrast
    // grows steadily along the way to the end chosen.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        if (ContrastRatio(Mix(preferred, end, middle), background) >= minimum)
            high = middle;
        else
            low = middle;
    }
    QColor mixed = Mix(preferred, end, high);
    // Rounding to 8-bit channels may lose a hair of the contrast.
    for (int step = 0; step < 8 && ContrastRatio(mixed, background) < minimum; ++step)
        mixed = Mix(mixed, end, 0.05);
    return mixed;
}
