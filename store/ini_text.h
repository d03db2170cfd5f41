#pragma once
// Profile text as bytes: how one line is understood, how one value is found,
// and how one write changes the text. Pure functions, no files; the store
// and the fuzz target both sit on them.
//
// Lines end in CRLF, LF or CR; a UTF-8 byte-order mark before the first line
// is skipped when reading and kept when writing. Blanks are spaces and tabs.
//
//   "  [ Distance ]  junk"   header of section "Distance" (ends at the first "]")
//   "Key = Value "          key "Key", value "Value"
//   "Key=  \" padded \""    key "Key", value " padded " (one pair of quotes comes off)
//   "Key=v ;x"              key "Key", value "v ;x" (";" only starts a comment line)
//   "  ; note"              comment
//   "[no end", "word", "=v" not understood: kept, never read
#include <optional>
#include <string>
#include <string_view>

namespace ini {

enum class LineKind { Blank, Comment, Header, Key, Other };

struct Line {
    LineKind kind = LineKind::Blank;
    std::string_view name;   // Header: section name; Key: key name; blanks trimmed
    std::string_view value;  // Key: the value as stored, blanks trimmed, quotes kept
};

// `content` is one line without its line end.
Line ParseLine(std::string_view content);

// Walks the lines of a text in order, with their byte positions.
//   LineReader reader(text);
//   while (auto line = reader.Next()) { ... }
class LineReader {
public:
    struct Placed {
        size_t begin;       // first byte of the line
        size_t contentEnd;  // first byte of its line end
        size_t end;         // first byte after its line end
        Line line;
    };

    explicit LineReader(std::string_view text);
    std::optional<Placed> Next();

private:
    static constexpr size_t Unknown = static_cast<size_t>(-1);
    size_t NextOf(char c, size_t& cached);

    std::string_view text_;
    size_t pos_;
    size_t nextLf_ = Unknown;  // the next "\n" at or after pos_, or the text's size
    size_t nextCr_ = Unknown;
};

// Size of a UTF-8 byte-order mark at the start of `text`: 3 or 0.
size_t ByteOrderMarkSize(std::string_view text);

std::string_view TrimBlanks(std::string_view text);

// One matching pair of double or single quotes comes off:
//   "\"a b\"" -> "a b", "'x'" -> "x", "\"x'" -> "\"x'", "\"" -> "\"".
std::string_view Unquote(std::string_view stored);

// What a read returns, unquoted but not shortened: the first section named
// `section` (case-insensitively), and in it the first key named `key`;
// nothing when either is missing. Blanks around the names are ignored.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// The decimal integer at the start of a value, saturating at the int range:
//   "12abc" -> 12, "-7" -> -7, "+5" -> 5, "abc" -> 0, "" -> 0, "- 1" -> 0,
//   "0x10" -> 0, "99999999999" -> 2147483647, "-99999999999" -> -2147483648.
int LeadingInteger(std::string_view value);

// The stored form of a value that reads back as itself: a value that starts
// or ends with a blank, or is wrapped in a matching pair of quotes, gets one
// more pair of double quotes: " a" -> "\" a\"", "'x'" -> "\"'x'\"", "a b" -> "a b".
std::string EncodeValue(std::string_view value);

// Why a write cannot be stored safely, or nothing when it can. Names are
// taken without their surrounding blanks. Refused: a line break or NUL in
// the section, the key or the value; an empty section or key; "]" in a
// section; "=" in a key; a key starting with ";" or "[" (it would read back
// as a comment or a header).
std::optional<std::string> RefuseWrite(std::string_view section, std::string_view key,
                                       std::optional<std::string_view> value);

// The text after one write, or nothing when the write changes no byte.
// The write must have passed RefuseWrite.
//  - an existing key (the first of its name in the first section of its name)
//    gets the new value on its own line; the stored spelling of key and
//    section, the blanks before the value and the line end stay;
//  - a new key goes after the last key line of its section (before any
//    trailing blank lines and comments), a new section at the end of the text;
//  - no value deletes every line of the key in that section, so that the key
//    reads as absent afterwards;
//  - new lines end in CRLF; a last line without a line end gets CRLF first.
//   ApplyWrite("[S]\nA=1\n\n;c\n", "s", "b", "2") == "[S]\nA=1\nb=2\r\n\n;c\n"
std::optional<std::string> ApplyWrite(std::string_view text, std::string_view section,
                                      std::string_view key, std::optional<std::string_view> value);

}  // namespace ini
