#include "profile_encoding.h"

#include "text_1252.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
constexpr char Unknown = '?';

size_t MarkSize(ProfileEncoding encoding) {
    return encoding == ProfileEncoding::Utf8 ? Utf8Mark.size() : Utf16LeMark.size();
}

// One character of the file: where its bytes end, its Windows-1252 byte
// (nothing when it has none), whether writing that byte back gives the same
// bytes, and whether the file's encoding allowed it at all.
struct Character {
    size_t end;
    std::optional<char> byte;
    bool exact = true;
    bool wellFormed = true;
};

class Reader {
public:
    Reader(std::string_view file, ProfileEncoding encoding)
        : file_(file), encoding_(encoding), pos_(MarkSize(encoding)) {}

    size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= file_.size(); }

    Character Next() {
        const Character c = encoding_ == ProfileEncoding::Utf8 ? NextUtf8() : NextUtf16();
        pos_ = c.end;
        return c;
    }

private:
    Character NextUtf8() const {
        size_t end = pos_;
        if (const std::optional<char32_t> codePoint = NextUtf8CodePoint(file_, end)) {
            const std::optional<char> byte = Cp1252OfCodePoint(*codePoint);
            return {end, byte, byte.has_value()};
        }
        // Kept as it is where its line is not changed, as in any profile.
        return {pos_ + 1, file_[pos_], false};
    }

    char16_t UnitAt(size_t at) const {
        const auto first = static_cast<unsigned char>(file_[at]);
        const auto second = static_cast<unsigned char>(file_[at + 1]);
        return static_cast<char16_t>(encoding_ == ProfileEncoding::Utf16Le ? first | second << 8
                                                                           : first << 8 | second);
    }

    Character NextUtf16() const {
        if (file_.size() - pos_ < 2)
            return {file_.size(), std::nullopt, false, false};  // odd length
        const char16_t unit = UnitAt(pos_);
        if (unit < 0xD800 || unit > 0xDFFF) {
            const std::optional<char> byte = Cp1252OfCodePoint(unit);
            return {pos_ + 2, byte, byte.has_value()};
        }
        // No character above U+FFFF is in the code page: a pair is only checked.
        const bool paired = unit < 0xDC00 && file_.size() - pos_ >= 4 &&
                            UnitAt(pos_ + 2) >= 0xDC00 && UnitAt(pos_ + 2) <= 0xDFFF;
        return paired ? Character{pos_ + 4, std::nullopt, false}
                      : Character{pos_ + 2, std::nullopt, false, false};
    }

    std::string_view file_;
    ProfileEncoding encoding_;
    size_t pos_;
};

// Where the character that became text position `textPos` starts in the file.
size_t FileOffset(std::string_view file, ProfileEncoding encoding, size_t textPos) {
    Reader reader(file, encoding);
    for (size_t i = 0; i < textPos && !reader.AtEnd(); ++i) reader.Next();
    return reader.Position();
}

bool AllKept(std::string_view file, ProfileEncoding encoding, size_t from, size_t to) {
    Reader reader(file.substr(0, to), encoding);
    while (reader.Position() < from) reader.Next();
    while (!reader.AtEnd()) {
        if (!reader.Next().exact) return false;
    }
    return true;
}

std::string Encode(std::string_view text, ProfileEncoding encoding) {
    if (encoding == ProfileEncoding::Utf8) return Utf8FromCp1252(text);
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        // Every character of the code page lies below U+FFFF.
        const auto unit = static_cast<unsigned>(CodePointOfCp1252(c));
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += encoding == ProfileEncoding::Utf16Le ? low : high;
        out += encoding == ProfileEncoding::Utf16Le ? high : low;
    }
    return out;
}

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

std::optional<DecodedProfile> DecodeProfile(std::string_view file) {
    DecodedProfile decoded;
    if (file.starts_with(Utf8Mark)) {
        decoded.encoding = ProfileEncoding::Utf8;
    } else if (file.starts_with(Utf16LeMark)) {
        decoded.encoding = ProfileEncoding::Utf16Le;
    } else if (file.starts_with(Utf16BeMark)) {
        decoded.encoding = ProfileEncoding::Utf16Be;
    } else {
        return std::nullopt;
    }
    Reader reader(file, decoded.encoding);
    decoded.text.reserve(file.size());
    while (!reader.AtEnd()) {
        const Character c = reader.Next();
        decoded.text += c.byte.value_or(Unknown);
        decoded.wellFormed = decoded.wellFormed && c.wellFormed;
    }
    return decoded;
}

std::optional<std::string> EncodeProfileChange(std::string_view file, const DecodedProfile& before,
                                               std::string_view after) {
    if (!before.wellFormed) return std::nullopt;
    const std::string_view old = before.text;
    const size_t common = std::min(old.size(), after.size());
    size_t prefix = 0;
    while (prefix < common && old[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < common - prefix &&
           old[old.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    // Whole lines: a kept line keeps its bytes, a changed one is written anew.
    while (prefix > 0 && !IsLineEnd(old[prefix - 1])) --prefix;
    while (suffix > 0 && suffix < old.size() && !IsLineEnd(old[old.size() - suffix - 1])) --suffix;

    const size_t from = FileOffset(file, before.encoding, prefix);
    const size_t to = FileOffset(file, before.encoding, old.size() - suffix);
    if (!AllKept(file, before.encoding, from, to)) return std::nullopt;
    std::string out(file.substr(0, from));
    out += Encode(after.substr(prefix, after.size() - suffix - prefix), before.encoding);
    out += file.substr(to);
    return out;
}

std::string EncodingFailureReason(const DecodedProfile& before) {
    const char* name = before.encoding == ProfileEncoding::Utf8      ? "UTF-8"
                       : before.encoding == ProfileEncoding::Utf16Le ? "UTF-16 LE"
                                                                     : "UTF-16 BE";
    return before.wellFormed
               ? std::string("The line to change holds characters Windows-1252 cannot hold")
               : "The file is not well-formed " + std::string(name) + " text";
}
