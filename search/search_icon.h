#pragma once
// The icon both desktops show beside each result: Mezura's own, by the
// application id its icon is installed under.
#include <QString>

inline QString SearchIconName() { return QStringLiteral("org.example.Mezura"); }
