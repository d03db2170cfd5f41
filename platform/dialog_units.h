#pragma once
// Dialog units: the layout grid of our window templates, converted to pixels
// the way the Windows dialog manager does, so every control keeps its place
// relative to the text whatever font the machine picks.
//
// The base units come from the window's font: the base width is the width of
// "ABC...Zabc...z" divided by 52, rounded (the manager takes (w / 26 + 1) / 2);
// the base height is the font's height. One horizontal unit is a quarter of
// the base width, one vertical unit an eighth of the base height, rounded
// to the nearest pixel:
//
//   base 7 x 13:   X(16) = 28   Y(14) = 23   Rect(20, 147, 96, 14) = (35, 239, 168 x 23)
//   base 6 x 13:   X(249) = 374 Y(191) = 310
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class DialogUnits {
public:
    // Base units of `font` as the dialog manager measures them.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseWidth, int baseHeight);

    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }

    int X(int horizontalUnits) const;
    int Y(int verticalUnits) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    int baseWidth_;
    int baseHeight_;
};

// The font a template names (for instance "Verdana", 8 points), or the
// nearest the machine has: DejaVu Sans, drawn after Verdana's model, comes
// next, then whatever the font matcher offers.
QFont TemplateFont(const QString& family, int pointSize);
