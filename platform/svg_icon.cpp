#include "svg_icon.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap Render(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap SvgPixmap(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    return Render(renderer, size);
}

QIcon SvgIcon(const QString& path) {
    QSvgRenderer renderer(path);
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (const int side : {16, 24, 32, 48, 64}) icon.addPixmap(Render(renderer, QSize(side, side)));
    return icon;
}
