#pragma once
// Profile texts and what a read of one section and key gives: one table for
// the scanning reader and the index, which must agree on every row.
#include <optional>
#include <string>
#include <vector>

struct ReadCase {
    const char* name;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;  // nothing: the key reads as absent
};

inline std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.name; }

inline std::vector<ReadCase> ReadCases() {
    using namespace std::string_literals;
    const std::optional<std::string> absent;
    return {
        {"Plain", "[S]\r\nA=1\r\n", "S", "A", "1"},
        {"SectionAndKeyIgnoreCase", "[Settings]\r\nFormat=2\r\n", "SETTINGS", "format", "2"},
        {"Latin1LettersIgnoreCase", "[\xC9t\xE9]\r\n\xC6=1\r\n", "\xE9T\xC9", "\xE6", "1"},
        {"CodePageLettersIgnoreCase", "[\x8A\x8C\x8E\x9F]\r\nk=1\r\n", "\x9A\x9C\x9E\xFF", "K",
         "1"},
        {"SharpSHasNoCapital",
         "[Stra\xDF"
         "e]\r\nk=1\r\n",
         "STRASSE", "k", absent},
        {"MultiplySignIsNotALetter", "[\xD7]\r\nk=1\r\n", "\xF7", "k", absent},
        {"BlanksInFileAreNotPartOfNames", "  [ \tS  ]  \r\n \t A \t = \t 1 \t \r\n", "S", "A", "1"},
        {"BlanksInCallAreNotPartOfNames", "[S]\r\nA=1\r\n", " S\t", "\tA ", "1"},
        {"InnerBlanksArePartOfNames", "[Angle (Solid)]\r\nmy key=1\r\n", "angle (solid)", "MY KEY",
         "1"},
        {"DoubleQuotesComeOff", "[S]\r\nA=\" x \"\r\n", "S", "A", " x "},
        {"SingleQuotesComeOff", "[S]\r\nA='y'\r\n", "S", "A", "y"},
        {"OnlyOnePairComesOff", "[S]\r\nA=\"\"a\"\"\r\n", "S", "A", "\"a\""},
        {"MismatchedQuotesStay", "[S]\r\nA=\"y'\r\n", "S", "A", "\"y'"},
        {"LoneQuoteStays", "[S]\r\nA=\"\r\n", "S", "A", "\""},
        {"EmptyQuotes", "[S]\r\nA=''\r\n", "S", "A", ""},
        {"SemicolonInsideValue", "[S]\r\nA=v ;x\r\n", "S", "A", "v ;x"},
        {"CommentLine", "[S]\r\n;A=1\r\n", "S", "A", absent},
        {"IndentedCommentLine", "[S]\r\n \t;A=1\r\n", "S", "A", absent},
        {"HashIsNotAComment", "[S]\r\n#A=1\r\n", "S", "#A", "1"},
        {"HeaderEndsAtFirstBracket", "[S]x]junk\r\nA=1\r\n", "S", "A", "1"},
        {"HeaderWithoutBracketIsNoHeader", "[S]\r\n[T\r\nA=1\r\n", "S", "A", "1"},
        {"HeaderWithoutBracketNamesNothing", "[S]\r\n[T\r\nA=1\r\n", "T", "A", absent},
        {"LinesBeforeFirstHeaderBelongNowhere", "A=1\r\n[S]\r\nB=2\r\n", "S", "A", absent},
        {"FirstSectionOfANameWins", "[S]\r\nA=1\r\n[s]\r\nA=2\r\n", "S", "A", "1"},
        {"LaterSectionOfANameIsNotSearched", "[S]\r\nA=1\r\n[s]\r\nB=3\r\n", "S", "B", absent},
        {"FirstKeyOfANameWins", "[S]\r\nA=1\r\na=2\r\n", "S", "A", "1"},
        {"KeyOfAnotherSection", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n", "S", "B", absent},
        {"LfLineEnds", "[S]\nA=1\nB=2\n", "S", "B", "2"},
        {"CrLineEnds", "[S]\rA=1\rB=2\r", "S", "B", "2"},
        {"MixedLineEnds", "[S]\r\nA=1\rB=2\nC=3", "S", "C", "3"},
        {"ByteOrderMarkBeforeHeader", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "A", "1"},
        {"NoFinalLineEnd", "[S]\r\nA=1", "S", "A", "1"},
        {"EmptyValue", "[S]\r\nA=\r\n", "S", "A", ""},
        {"EqualsInsideValue", "[S]\r\nA=b=c\r\n", "S", "A", "b=c"},
        {"NulBytesAreText", "[S]\r\nA=x\0y\r\n\0\0\r\nB=2\r\n"s, "S", "A", "x\0y"s},
        {"LineWithoutEqualsIsNoKey", "[S]\r\nA\r\n", "S", "A", absent},
        {"EmptyKeyIsNoKey", "[S]\r\n=1\r\n", "S", "", absent},
        {"EmptyText", "", "S", "A", absent},
        {"EmptySectionHeader", "[]\r\nA=1\r\n", "", "A", "1"},
    };
}
