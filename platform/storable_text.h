#pragma once
// The first character of a typed name that the profile (Windows-1252)
// cannot hold, so that a refusal can name it: "Łódź" -> "Ł". Empty when
// every character has a byte.
#include <QString>

QString FirstCharacterOutsideCp1252(const QString& text);
