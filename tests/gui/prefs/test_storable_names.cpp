// Which names the profile gives back unchanged, and which would meet in one section.
#include <gtest/gtest.h>

#include <string>

#include "factor_key_filter.h"
#include "storable_names.h"

namespace {

struct NameCase {
    const char* name;
    std::string text;
    bool unit;
    bool category;
};

const NameCase NameCases[] = {
    {"plain", "Span", true, true},
    {"blanks at both ends", " sp an ", true, true},
    {"equals and semicolon", "a=b;c", true, true},
    {"double quotes", "\"q\"", true, true},
    {"accented", "Caf\xE9", true, true},
    {"euro sign", "\x80 rate", true, true},
    {"closing bracket", "Rates]", true, false},
    {"opening bracket", "[Rates", true, true},
    {"only blanks", "   ", true, false},
    {"line feed", "a\nb", false, false},
    {"carriage return", "a\rb", false, false},
    {"tab", "a\tb", false, false},
    {"delete", "a\x7F", false, false},
    {"undefined byte 0x81", "a\x81", false, false},
    {"undefined byte 0x9D", "a\x9D", false, false},
    {"longest read", std::string(4095, 'x'), true, true},
    {"one past the longest read", std::string(4096, 'x'), false, false},
};

}  // namespace

TEST(StorableNames, UnitAndCategoryNames) {
    for (const NameCase& c : NameCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsStorableUnitName(c.text), c.unit);
        EXPECT_EQ(IsStorableCategoryName(c.text), c.category);
    }
}

TEST(StorableNames, SectionsMeetIgnoringCaseAndOuterBlanks) {
    EXPECT_TRUE(SectionNamesMeet(" distance ", "Distance"));
    EXPECT_TRUE(SectionNamesMeet("CAF\xC9", "caf\xE9"));
    EXPECT_TRUE(SectionNamesMeet("Custom", "  custom"));
    EXPECT_FALSE(SectionNamesMeet("Dist ance", "Distance"));
    EXPECT_FALSE(SectionNamesMeet("Distances", "Distance"));
}

TEST(FactorKeyFilter, LetsOnlyNumberCharactersThrough) {
    struct KeyCase {
        int key;
        QString text;
        bool passes;
    };
    const KeyCase cases[] = {
        {Qt::Key_9, "9", true},
        {Qt::Key_Period, ".", true},
        {Qt::Key_E, "E", true},
        {Qt::Key_E, "e", true},
        {Qt::Key_Plus, "+", true},
        {Qt::Key_Minus, "-", true},
        {Qt::Key_X, "x", false},
        {Qt::Key_Comma, ",", false},
        {Qt::Key_Space, " ", false},
        {Qt::Key_V, QString(QChar(0x16)), false},
        {Qt::Key_A, QString(QChar(0x01)), false},
        {Qt::Key_Backspace, "\b", true},
        {Qt::Key_Delete, QString(QChar(0x7F)), true},
        {Qt::Key_Left, "", true},
        {Qt::Key_Tab, "\t", true},
        {Qt::Key_Return, "\r", true},
        {Qt::Key_Escape, QString(QChar(0x1B)), true},
        {Qt::Key_unknown, QStringLiteral("\u00E9"), false},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(FactorKeyFilter::Accepts(c.key, c.text), c.passes) << c.text.toStdString();
}
