#pragma once
// Colours that stay legible on whatever palette the desktop hands us: a
// colour the program prefers (the About box's blue, the ink of the "="
// sign) is kept while it stands out from its background by the contrast
// that WCAG asks of text, 4.5:1, and otherwise moved towards white or black,
// whichever the background leaves more room for, just far enough.
//
//   ReadableColour(blue, light grey)  -> blue, unchanged (7.4:1)
//   ReadableColour(blue, #353535)     -> a light blue that reaches 4.5:1
#include <QColor>

inline constexpr double MinimumTextContrast = 4.5;

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio (1..21).
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& first, const QColor& second);

QColor ReadableColour(const QColor& preferred, const QColor& background,
                      double minimum = MinimumTextContrast);
