#include "stays_on_top.h"

#include <QGuiApplication>

bool StaysOnTopSupported(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool StaysOnTopSupported() { return StaysOnTopSupported(QGuiApplication::platformName()); }
