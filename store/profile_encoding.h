#pragma once
// Profiles saved by editors in other encodings. A file that starts with a
// byte-order mark of UTF-8, UTF-16 LE or UTF-16 BE is read as Windows-1252
// text like any other profile, and a write changes its lines in the file's
// own encoding, so the editor that saved it can still read it whole.
//
//   "\xFF\xFE[\0S\0]\0"            -> UTF-16 LE, text "[S]"
//   "\xEF\xBB\xBF" "Coud\xC3\xA9e" -> UTF-8, text "Coud\xE9" "e"
//   "[S]"                          -> no mark: the bytes are the text
#include <optional>
#include <string>
#include <string_view>

enum class ProfileEncoding { Utf8, Utf16Le, Utf16Be };

struct DecodedProfile {
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    // Windows-1252, without the mark. A character the code page cannot hold
    // reads as "?"; so does a broken UTF-16 sequence, while a byte that is
    // not UTF-8 reads as itself (a Windows-1252 line amid UTF-8 ones).
    std::string text;
    // No broken UTF-16 sequence (odd length, lone surrogate) in the file: a
    // UTF-16 file is only ever written whole and well formed.
    bool wellFormed = true;
};

// Nothing when the file has no byte-order mark: its bytes are the text.
std::optional<DecodedProfile> DecodeProfile(std::string_view file);

// The file after its text `before.text` became `after` (by whole lines, as
// every write changes them): the changed lines in the file's encoding, every
// other byte, the mark included, as it was. Nothing when that would lose
// something: the file is not well formed, or a changed line holds a
// character that did not read as itself ("?", or a byte that is not UTF-8).
std::optional<std::string> EncodeProfileChange(std::string_view file, const DecodedProfile& before,
                                               std::string_view after);

// Why EncodeProfileChange gave nothing, for the user.
std::string EncodingFailureReason(const DecodedProfile& before);
