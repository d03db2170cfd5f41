// Windows-1252 text: conversion to and from UTF-8, case and order.
// Windows-1252 bytes are written as escapes; UTF-8 text as the characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "text_1252.h"

namespace {

std::string Byte(unsigned b) { return std::string(1, static_cast<char>(b)); }

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(Utf8FromCp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (unsigned b = 0; b < 256; ++b) {
        all += Byte(b);
        EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(Byte(b))), Byte(b)) << "byte " << b;
    }
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(Utf8FromCp1252, CodePageCharactersOf0x80To0x9F) {
    // The five bytes the code page leaves undefined keep their C1 value.
    const char* const expected[32] = {
        "€", "\u0081", "‚",      "ƒ", "„",      "…",      "†", "‡",      "ˆ", "‰", "Š",
        "‹", "Œ",      "\u008D", "Ž", "\u008F", "\u0090", "‘", "’",      "“", "”", "•",
        "–", "—",      "˜",      "™", "š",      "›",      "œ", "\u009D", "ž", "Ÿ",
    };
    for (unsigned b = 0x80; b <= 0x9F; ++b) {
        EXPECT_EQ(Utf8FromCp1252(Byte(b)), expected[b - 0x80]) << "byte " << b;
    }
}

TEST(Utf8FromCp1252, NamesWithLatin1Bytes) {
    struct Case {
        const char* label;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"squared, trailing blank", "Centimeters/sec\xB2 ", "Centimeters/sec² "},
        {"cubed", "Grams/centimeter\xB3", "Grams/centimeter³"},
        {"masculine ordinal", "BTU (39 \xBA F)", "BTU (39 º F)"},
        {"no-break space", "\xA0", "\u00A0"},
        {"y diaeresis", "\xFF", "ÿ"},
        {"embedded nul", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Utf8FromCp1252(c.bytes), c.utf8);
        EXPECT_EQ(Cp1252FromUtf8(c.utf8), c.bytes);
    }
}

TEST(Cp1252FromUtf8, RejectsBadSequencesAndForeignCharacters) {
    struct Case {
        const char* label;
        std::string utf8;
    };
    const Case cases[] = {
        {"lone continuation byte", "\x80"},
        {"cut-off sequence", "abc\xC3"},
        {"cut-off three-byte", "\xE2\x82"},
        {"overlong slash", "\xC0\xAF"},
        {"overlong three-byte", "\xE0\x80\xAF"},
        {"surrogate", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
        {"byte FF", "\xFF"},
        {"continuation missing", "\xC3 "},
        {"arrow", "1 → 2"},
        {"emoji", "😀"},
        {"C1 control without a byte", "\u0080"},
        {"A macron", "Ā"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Cp1252FromUtf8(c.utf8), std::nullopt);
    }
    EXPECT_EQ(Cp1252FromUtf8("5 €"), "5 \x80");
    EXPECT_EQ(Cp1252FromUtf8("Ÿ"), "\x9F");
}

TEST(CaseMapping, CodePageLetterPairs) {
    struct Case {
        const char* label;
        unsigned capital;
        unsigned small;
    };
    const Case cases[] = {
        {"A", 'A', 'a'},         {"Z", 'Z', 'z'},
        {"A grave", 0xC0, 0xE0}, {"E acute", 0xC9, 0xE9},
        {"O slash", 0xD8, 0xF8}, {"thorn", 0xDE, 0xFE},
        {"S caron", 0x8A, 0x9A}, {"OE", 0x8C, 0x9C},
        {"Z caron", 0x8E, 0x9E}, {"Y diaeresis", 0x9F, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(LowerCp1252(static_cast<char>(c.capital)), static_cast<char>(c.small));
        EXPECT_EQ(UpperCp1252(static_cast<char>(c.small)), static_cast<char>(c.capital));
        EXPECT_EQ(LowerCp1252(static_cast<char>(c.small)), static_cast<char>(c.small));
        EXPECT_EQ(UpperCp1252(static_cast<char>(c.capital)), static_cast<char>(c.capital));
    }
}

TEST(CaseMapping, NonLettersAndCaselessLettersStay) {
    struct Case {
        const char* label;
        unsigned byte;
    };
    const Case cases[] = {
        {"times", 0xD7},        {"divide", 0xF7},        {"sharp s", 0xDF},  {"micro", 0xB5},
        {"fem. ordinal", 0xAA}, {"masc. ordinal", 0xBA}, {"squared", 0xB2},  {"euro", 0x80},
        {"at sign", '@'},       {"bracket", '['},        {"backquote", '`'}, {"brace", '{'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(LowerCp1252(static_cast<char>(c.byte)), static_cast<char>(c.byte));
        EXPECT_EQ(UpperCp1252(static_cast<char>(c.byte)), static_cast<char>(c.byte));
    }
}

// 26 ASCII, 4 in 0x80..0x9F and 30 Latin-1 capitals; each maps back.
TEST(CaseMapping, SixtyCapitalsEachWithItsSmallLetter) {
    int capitals = 0;
    for (unsigned b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (LowerCp1252(c) == c) continue;
        ++capitals;
        EXPECT_EQ(UpperCp1252(LowerCp1252(c)), c) << "byte " << b;
    }
    EXPECT_EQ(capitals, 60);
    EXPECT_EQ(LowerCp1252(std::string_view("M\xC9TRE \x8C")), "m\xE9tre \x9C");
}

TEST(EqualsNoCase, IgnoresCaseOnly) {
    struct Case {
        const char* label;
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"ASCII", "Distance", "dISTANCE", true},
        {"accented capitals", "\xC9mile", "\xE9MILE", true},
        {"Y diaeresis", "\x9F", "\xFF", true},
        {"free marker", "Custom", "CUSTOM", true},
        {"accent differs", "e", "\xE9", false},
        {"length differs", "Area", "Areas", false},
        {"sharp s is not SS", "\xDF", "SS", false},
        {"times is not divide", "\xD7", "\xF7", false},
        {"trailing blank", "Feet", "Feet ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal);
    }
}

TEST(CollateNoCase, LettersFirstThenAccentsThenCase) {
    struct Case {
        const char* label;
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"case ignored first", "apple", "Banana", -1},
        {"accent beside base letter", "\xC9mile", "Fred", -1},
        {"accent ignored first", "\xC9mile", "emma", -1},
        {"plain before accented", "emile", "\xC9mile", -1},
        {"capital before small", "\xC9mile", "\xE9mile", -1},
        {"capital before small, ASCII", "Area", "area", -1},
        {"prefix first", "Angle", "Angle (Solid)", -1},
        {"word by word", "Angle (Solid)", "Angular velocity", -1},
        {"umlaut is a", "\xC4pfel", "Birne", -1},
        {"OE ligature spelt out", "\x8Cuvre", "Oeuvre", 1},
        {"sharp s spelt out", "Fu\xDF", "Fusz", -1},
        {"identical", "Pints", "Pints", 0},
        {"both empty", "", "", 0},
        {"empty first", "", "a", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Sign(CollateNoCase(c.a, c.b)), c.sign);
        EXPECT_EQ(Sign(CollateNoCase(c.b, c.a)), -c.sign);
    }
}

// A sort needs a total order: only identical texts compare equal, and
// sorting any permutation gives the same list.
TEST(CollateNoCase, IsATotalOrder) {
    std::vector<std::string> names = {
        "emile",  "\xC9mile", "\xE9mile", "Emile",  "EMILE", "Emma",     "\x8Cuvre",
        "Oeuvre", "oeuvre",   "\x9Cuvre", "Fu\xDF", "Fuss",  "FUSS",     "a",
        "A",      "\xC0",     "\xE0",     "",       " ",     "Feet\xB2", "Feet\xB3",
        "Feet",   "feet",     "\xD7",     "\xF7",   "x",
    };
    for (const std::string& a : names) {
        for (const std::string& b : names) {
            EXPECT_EQ(CollateNoCase(a, b) == 0, a == b) << a << " / " << b;
        }
    }
    auto less = [](const std::string& a, const std::string& b) { return CollateNoCase(a, b) < 0; };
    std::vector<std::string> reversed(names.rbegin(), names.rend());
    std::sort(names.begin(), names.end(), less);
    std::sort(reversed.begin(), reversed.end(), less);
    EXPECT_EQ(names, reversed);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), less));
}

TEST(NormaliseName, LowerCaseWithTheFirstCharacterUpperCased) {
    struct Case {
        const char* label;
        const char* name;
        const char* normalised;
    };
    const Case cases[] = {
        {"two words", "heavy WEIGHTS", "Heavy weights"},
        {"leading blank kept", " heavy WEIGHTS", " heavy weights"},
        // Octal escapes, as hex would take the letters after them: \351 is
        // e acute, \311 E acute.
        {"accented first letter", "\351CLAIR", "\311clair"},
        {"y diaeresis first", "\xFFOU", "\x9Fou"},
        {"sharp s has no capital", "\xDFIG", "\xDFig"},
        {"accented capitals inside", "M\xC9TRE", "M\xE9tre"},
        {"digit first", "1st PLACE", "1st place"},
        {"one letter", "x", "X"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(NormaliseName(c.name), c.normalised);
    }
}

}  // namespace
