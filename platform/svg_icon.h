#pragma once
// Our icons are SVG drawings in the program's resources. They are drawn
// here with Qt SVG directly rather than through the image plug-ins, so a
// missing plug-in can never leave the window without its icons.
//
//   SvgPixmap(":/icons/equals.svg", QSize(32, 32)) -> a 32 x 32 picture,
//                                                     transparent around the drawing
//   SvgIcon(":/icons/mezura.svg")  -> an icon holding 16, 24, 32, 48 and 64 pixel sizes
//   a path that holds no SVG       -> a null pixmap, an empty icon
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

QPixmap SvgPixmap(const QString& path, QSize size);
QIcon SvgIcon(const QString& path);
