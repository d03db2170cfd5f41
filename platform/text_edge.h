#pragma once
// The widget edge of the program's text. Inside, every name is a
// Windows-1252 byte string; the widgets hold Unicode. Names cross here and
// nowhere else.
//
//   QStringFromCp1252("Centimeters/sec\xB2 ")  -> u"Centimeters/sec² "
//   Cp1252FromQString(u"BTU (39 º F)")        -> "BTU (39 \xBA F)"
//   Cp1252FromQString(u"1 ≠ 2")               -> nothing (≠ has no byte)
//   Cp1252FromQStringLossy(u"1 ≠ 2")          -> "1 ? 2"
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Every byte has a character, so any byte string survives the round trip.
QString QStringFromCp1252(std::string_view bytes);

// Nothing when the text holds a character the code page cannot hold.
std::optional<std::string> Cp1252FromQString(const QString& text);

// Each character the code page cannot hold becomes '?'. For text that is
// only read (a typed number), never for names that are stored.
std::string Cp1252FromQStringLossy(const QString& text);
