// Profile text byte for byte: how lines read, what one write makes of a
// text, and which writes are refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ini_text.h"
#include "read_cases.h"
#include "row_name.h"

namespace {

using namespace std::string_literals;

class FindValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FindValueTest, ReadsLikeTheWindowsFunctions) {
    const ReadCase& c = GetParam();
    const std::optional<std::string_view> found = ini::FindValue(c.text, c.section, c.key);
    EXPECT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FindValueTest, ::testing::ValuesIn(ReadCases()), RowName());

struct WriteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::optional<std::string> value;  // nothing deletes
    std::optional<std::string> after;  // nothing: no byte changes
};
std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.name; }

class ApplyWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ApplyWriteTest, ChangesOnlyItsOwnLine) {
    const WriteCase& c = GetParam();
    const std::optional<std::string_view> value =
        c.value ? std::optional<std::string_view>(*c.value) : std::nullopt;
    EXPECT_EQ(ini::ApplyWrite(c.before, c.section, c.key, value), c.after);
}

const std::optional<std::string> Delete;
const std::optional<std::string> Unchanged;

INSTANTIATE_TEST_SUITE_P(
    Table, ApplyWriteTest,
    ::testing::Values(
        WriteCase{"NewFile", "", "S", "A", "1", "[S]\r\nA=1\r\n"},
        WriteCase{"BlanksAroundCallNames", "", " S\t", "\tA ", "1", "[S]\r\nA=1\r\n"},
        WriteCase{"ReplaceKeepsSpellingLayoutAndLineEnd", "[Settings]\nformat = 1 \nx=y\n",
                  "SETTINGS", "FORMAT", "22", "[Settings]\nformat = 22\nx=y\n"},
        WriteCase{"ReplaceKeepsCrLineEnds", "[S]\rA=1\rB=2\r", "S", "A", "9", "[S]\rA=9\rB=2\r"},
        WriteCase{"ReplaceEmptyValue", "[S]\r\nA=\r\n", "S", "A", "1", "[S]\r\nA=1\r\n"},
        WriteCase{"ReplaceOnLastLineWithoutEnd", "[S]\r\nA=1", "S", "a", "2", "[S]\r\nA=2"},
        WriteCase{"SameValueChangesNothing", "[S]\r\nA=1\r\n", "s", "a", "1", Unchanged},
        WriteCase{"NewKeyAfterLastKeyLine", "[S]\r\nA=1\r\n\r\n; c\r\n[T]\r\n", "S", "B", "2",
                  "[S]\r\nA=1\r\nB=2\r\n\r\n; c\r\n[T]\r\n"},
        WriteCase{"NewKeyAfterUnknownLinesStaysBeforeThem", "[S]\nA=1\nword\n", "S", "B", "2",
                  "[S]\nA=1\nB=2\r\nword\n"},
        WriteCase{"NewKeyInSectionWithoutKeys", "[S]\n\n[T]\n", "S", "A", "1",
                  "[S]\nA=1\r\n\n[T]\n"},
        WriteCase{"NewKeyAfterHeaderWithoutEnd", "[S]", "S", "A", "1", "[S]\r\nA=1\r\n"},
        WriteCase{"NewKeyAfterLastLineWithoutEnd", "[S]\r\nA=1", "S", "B", "2",
                  "[S]\r\nA=1\r\nB=2\r\n"},
        WriteCase{"NewSectionAtTheEnd", "[S]\nA=1\n", "T", "B", "2", "[S]\nA=1\n[T]\r\nB=2\r\n"},
        WriteCase{"NewSectionAfterLastLineWithoutEnd", "[S]\nA=1", "T", "B", "2",
                  "[S]\nA=1\r\n[T]\r\nB=2\r\n"},
        WriteCase{"NewSectionAfterCrEnd", "[S]\rA=1\r", "T", "B", "2", "[S]\rA=1\r[T]\r\nB=2\r\n"},
        WriteCase{"ByteOrderMarkAloneIsKept", "\xEF\xBB\xBF", "S", "A", "1",
                  "\xEF\xBB\xBF[S]\r\nA=1\r\n"},
        WriteCase{"ByteOrderMarkKeptOnReplace", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "A", "2",
                  "\xEF\xBB\xBF[S]\r\nA=2\r\n"},
        WriteCase{"FirstSectionOfANameIsWritten", "[S]\r\nA=1\r\n[s]\r\nB=2\r\n", "S", "B", "3",
                  "[S]\r\nA=1\r\nB=3\r\n[s]\r\nB=2\r\n"},
        WriteCase{"FirstKeyOfANameIsWritten", "[S]\r\nA=1\r\na=2\r\n", "S", "A", "3",
                  "[S]\r\nA=3\r\na=2\r\n"},
        WriteCase{"KeyBeforeFirstHeaderIsNotTheSectionsKey", "A=1\r\n[S]\r\n", "S", "A", "2",
                  "A=1\r\n[S]\r\nA=2\r\n"},
        WriteCase{"UnknownLinesKept", "junk\r\n[S]\r\nword\r\n[broken\r\n\0\x01\r\nA=1\r\n"s, "S",
                  "A", "2", "junk\r\n[S]\r\nword\r\n[broken\r\n\0\x01\r\nA=2\r\n"s},
        WriteCase{"ValueWithEdgeBlanksGetsQuotes", "", "S", "A", " a ", "[S]\r\nA=\" a \"\r\n"},
        WriteCase{"QuotedValueGetsMoreQuotes", "", "S", "A", "'a'", "[S]\r\nA=\"'a'\"\r\n"},
        WriteCase{"DeleteRemovesTheLineOnly", "[S]\r\nA=1\r\nB=2\r\n", "S", "a", Delete,
                  "[S]\r\nB=2\r\n"},
        WriteCase{"DeleteRemovesDuplicatesOfFirstSection", "[S]\r\nA=1\r\na=2\r\n[S]\r\nA=3\r\n",
                  "S", "A", Delete, "[S]\r\n[S]\r\nA=3\r\n"},
        WriteCase{"DeleteLastLineWithoutEnd", "[S]\r\nA=1\r\nB=2", "S", "B", Delete,
                  "[S]\r\nA=1\r\n"},
        WriteCase{"DeleteAbsentKey", "[S]\r\nA=1\r\n", "S", "B", Delete, Unchanged},
        WriteCase{"DeleteInAbsentSection", "[S]\r\nA=1\r\n", "T", "A", Delete, Unchanged},
        WriteCase{"DeleteInEmptyText", "", "T", "A", Delete, Unchanged}),
    RowName());

// Every value a caller may store reads back as itself.
TEST(EncodeValueTest, EveryValueReadsBackUnchanged) {
    const std::string values[] = {"",
                                  " ",
                                  "\t",
                                  "  a",
                                  "a ",
                                  "a b",
                                  "\"a\"",
                                  "'a'",
                                  "\"a'",
                                  "\"",
                                  "'",
                                  "\"\"",
                                  "''",
                                  "\" a \"",
                                  "a=b",
                                  ";x",
                                  "v ;x",
                                  "[x]",
                                  "\xB2\xB3\xBA",
                                  "30.48000000000000",
                                  std::string(5000, 'x')};
    for (const std::string& value : values) {
        const std::optional<std::string> text =
            ini::ApplyWrite("[S]\r\nA=old\r\n", "S", "A", value);
        ASSERT_TRUE(text) << value;
        EXPECT_EQ(ini::FindValue(*text, "S", "A"), value) << *text;
    }
}

struct RefusalCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    bool refused;
};
std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.name; }

class RefuseWriteTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefuseWriteTest, RefusesWhatCannotBeStoredSafely) {
    const RefusalCase& c = GetParam();
    const std::optional<std::string> reason = ini::RefuseWrite(c.section, c.key, c.value);
    EXPECT_EQ(reason.has_value(), c.refused) << reason.value_or("");
    if (reason) {
        EXPECT_FALSE(reason->empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefuseWriteTest,
    ::testing::Values(RefusalCase{"Plain", "Settings", "Format", "1", false},
                      RefusalCase{"AnythingElseInValue", "S", "K", "a=b]; [x] \x01\xFF", false},
                      RefusalCase{"BracketsInsideNames", "a[b", "k]", "v", false},
                      RefusalCase{"CrInValue", "S", "K", "a\rb", true},
                      RefusalCase{"LfInValue", "S", "K", "a\n", true},
                      RefusalCase{"NulInValue", "S", "K", "a\0b"s, true},
                      RefusalCase{"LfInKey", "S", "K\nX", "v", true},
                      RefusalCase{"CrInSection", "S\r", "K", "v", true},
                      RefusalCase{"NulInSection", "S\0"s, "K", "v", true},
                      RefusalCase{"EmptySection", "", "K", "v", true},
                      RefusalCase{"BlankSection", " \t ", "K", "v", true},
                      RefusalCase{"EmptyKey", "S", "", "v", true},
                      RefusalCase{"BlankKey", "S", "  ", "v", true},
                      RefusalCase{"BracketInSection", "a]b", "K", "v", true},
                      RefusalCase{"EqualsInKey", "S", "a=b", "v", true},
                      RefusalCase{"KeyReadingAsComment", "S", " ;k", "v", true},
                      RefusalCase{"KeyReadingAsHeader", "S", "[k", "v", true}),
    RowName());

TEST(RefuseWriteTest, DeletionChecksNamesOnly) {
    EXPECT_FALSE(ini::RefuseWrite("S", "K", std::nullopt));
    EXPECT_TRUE(ini::RefuseWrite("S", "a=b", std::nullopt));
}

}  // namespace
