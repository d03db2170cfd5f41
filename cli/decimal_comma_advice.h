#pragma once
// mezura-convert reads and writes the decimal point whatever the language,
// for scripts; a value written with a decimal comma is refused with the
// value as it must be written.
//
//   DecimalCommaAdvice("1,5") -> "\"1,5\" has a decimal comma: write it as \"1.5\""
#include <string>
#include <string_view>

std::string DecimalCommaAdvice(std::string_view value);
