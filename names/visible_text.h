#pragma once
// User input and profile names as messages quote them: in double quotes, with
// every byte a terminal could act on written out, so a name can never move the
// cursor, retitle the window or clear the screen.
//
//   Quoted("Miles")           -> "Miles"
//   Quoted("Miles\r")         -> "Miles\r"        (a backslash and an r)
//   Quoted("\x1b]0;x\a")      -> "\e]0;x\a"
//   Quoted("scientific\x01")  -> "scientific\x01"
//   Quoted("Meters\xB2")      -> "Meters\xB2"     (not UTF-8: the byte in hex)
//   Quoted("Meters²")         -> "Meters²"        (valid UTF-8 stays as it is)
//   Quoted("a\"b\\c")         -> "a\"b\\c"        (so the quotes mean where it ends)
// C1 controls (U+0080..U+009F), valid UTF-8 but read as escapes by some
// terminals, are written as \u0080..\u009F.
#include <string>
#include <string_view>

std::string Quoted(std::string_view text);
// The same appended to `shown`, for messages built in one text.
void AppendQuoted(std::string& shown, std::string_view text);

// The same without the quotes, for names in listings, where a name ends at
// its TAB or line end: every escape as above but a double quote's.
//   Visible("Miles\tx")  -> Miles\tx    Visible("a\"b") -> a"b
std::string Visible(std::string_view text);
