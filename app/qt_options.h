#pragma once
// Qt's own command-line options, taken out of an argument list so that the
// program's parser can read the rest before any display is opened (Qt takes
// them itself only once its application object exists).
//
//   {"mezura", "-style", "Fusion", "--version"}   -> {"mezura", "--version"}
//   {"mezura", "--platform=offscreen", "-h"}      -> {"mezura", "-h"}
//   {"mezura", "--frobnicate"}                    -> unchanged: not one of Qt's
#include <QStringList>

QStringList WithoutQtOptions(const QStringList& arguments);
