#include "svg_label.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "readable_colour.h"

SvgLabel::SvgLabel(QString path, Ink ink, QWidget* parent)
    : QLabel(parent), path_(std::move(path)), ink_(ink) {
    setAlignment(Qt::AlignCenter);
}

void SvgLabel::SetPictureSize(QSize size) {
    pictureSize_ = size;
    Render();
}

QColor SvgLabel::InkColour() const {
    return ReadableColour(palette().color(QPalette::WindowText), palette().color(QPalette::Window));
}

void SvgLabel::Render() {
    const QSize logical = pictureSize_;
    QSvgRenderer renderer(path_);
    if (!renderer.isValid() || logical.isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    if (ink_ == Ink::Palette) {
        // Keep the drawing's shape (its alpha), take the colour from the theme.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), InkColour());
    }
    painter.end();
    image.setDevicePixelRatio(ratio);
    setPixmap(QPixmap::fromImage(image));
}

void SvgLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) Render();
    QLabel::changeEvent(event);
}

void SvgLabel::paintEvent(QPaintEvent* event) {
    // The screen's ratio is known only once the label is on a screen, and a
    // window moved to another screen brings a new one.
    if (!pixmap().isNull() && pixmap().devicePixelRatio() != devicePixelRatioF()) Render();
    QLabel::paintEvent(event);
}
