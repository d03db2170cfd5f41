#pragma once
// A picture label drawn from one of our SVG icons, sharp at any scale: the
// drawing is rendered for the device pixel ratio of the screen the label is
// on, again whenever that ratio or the palette changes.
//
// A tinted label draws the whole picture in the palette's text colour
// (made readable on the window colour), so the "=" sign follows a dark
// theme instead of staying black; an untinted one keeps the drawing's own
// colours, as the application icon does.
#include <QLabel>
#include <QSize>
#include <QString>

class SvgLabel : public QLabel {
    Q_OBJECT
public:
    enum class Ink { Drawing, Palette };

    // Shows nothing until it is given the picture's size.
    SvgLabel(QString path, Ink ink, QWidget* parent = nullptr);

    // The picture's size in logical pixels, centred in the label.
    void SetPictureSize(QSize size);
    // The colour a tinted picture is drawn in.
    QColor InkColour() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Render();

    QString path_;
    Ink ink_;
    QSize pictureSize_;
};
