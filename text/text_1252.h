#pragma once
// Windows-1252 text: the encoding of every name inside the program and in
// the profile. The window and the command line convert at their edges.
#include <optional>
#include <string>
#include <string_view>

// Every byte maps to one character; the five bytes the code page leaves
// undefined map to U+0081, U+008D, U+008F, U+0090 and U+009D, as Windows does,
// so any byte string survives the round trip.
std::string Utf8FromCp1252(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character the code
// page cannot hold.
std::optional<std::string> Cp1252FromUtf8(std::string_view utf8);

// Case mapping with the code page's own letters: A-Z, the Latin-1 letters
// (É/é ... Þ/þ, not × and ÷), Š/š, Œ/œ, Ž/ž and Ÿ/ÿ. ß and µ have no
// single-byte capital and stay as they are.
char LowerCp1252(char c);
char UpperCp1252(char c);
std::string LowerCp1252(std::string_view text);

// One character at a time, for texts in other encodings: the character of
// a byte, the byte of a character (nothing when the code page has none),
// and the next well-formed UTF-8 sequence at text[i] (i moves past it;
// nothing, with i unmoved, when the bytes there are not well-formed).
char32_t CodePointOfCp1252(char byte);
std::optional<char> Cp1252OfCodePoint(char32_t codePoint);
std::optional<char32_t> NextUtf8CodePoint(std::string_view text, size_t& i);

bool EqualsNoCase(std::string_view a, std::string_view b);

// The order of the sorted lists: case-insensitive, accented letters next to
// their base letter; ties broken by the bytes so the order is total and
// stable. Negative, zero or positive like strcmp.
int CollateNoCase(std::string_view a, std::string_view b);

// New category and unit names: the whole name lower-cased, then its first
// character upper-cased. Nothing is trimmed: " heavy" stays " heavy".
std::string NormaliseName(std::string_view name);
