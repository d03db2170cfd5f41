#pragma once
// Whether the windowing system lets a program keep its window above others.
// X11 honours the request; Wayland leaves stacking to the compositor, and
// Qt's stay-on-top hint does nothing there, so the program says so rather
// than offering a switch that does nothing.
//
//   StaysOnTopSupported("xcb")          -> true
//   StaysOnTopSupported("wayland")      -> false   (also "wayland-egl", ...)
//   StaysOnTopSupported()               -> for the platform this run is on
#include <QString>

bool StaysOnTopSupported(const QString& platformName);
bool StaysOnTopSupported();
