#pragma once
// Names written where they must survive any byte a custom name may hold
// (";", "=", quotes, blanks at either end, accents): every byte outside
// letters, digits and "._()-" becomes "%" and two upper-case hex digits.
//
//   EscapeText("Centimeters/sec\xB2 ")  -> "Centimeters%2Fsec%B2%20"
//   UnescapeText("a%3Db")               -> "a=b"
//   UnescapeText("a%3")                 -> nothing: not written by EscapeText
#include <optional>
#include <string>
#include <string_view>

std::string EscapeText(std::string_view text);
// Nothing when `escaped` holds a byte EscapeText never writes or a broken
// "%" sequence.
std::optional<std::string> UnescapeText(std::string_view escaped);
