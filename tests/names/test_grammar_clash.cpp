// Which names a query would read as its own words, signs or numbers.
#include <gtest/gtest.h>

#include "grammar_clash.h"

TEST(GrammarClash, WordsSignsAndNumbersWhole) {
    const struct {
        const char* name;
        GrammarClash clash;
    } cases[] = {
        {"to", GrammarClash::Word},         {"TO", GrammarClash::Word},
        {"In", GrammarClash::Word},         {" per\t", GrammarClash::Word},
        {"NACH", GrammarClash::Word},       {"ft+in", GrammarClash::Sign},
        {"st;lb", GrammarClash::Sign},      {"N*m", GrammarClash::Sign},
        {"lb/ft", GrammarClash::Sign},      {"m^2", GrammarClash::Sign},
        {"Cup (big)", GrammarClash::Sign},  {"12", GrammarClash::Number},
        {"+12", GrammarClash::Number},      {"-1.5e3", GrammarClash::Number},
        {".5", GrammarClash::Number},       {"2,5", GrammarClash::Number},
        {"1d3", GrammarClash::Number},      {" 7 ", GrammarClash::Number},
        {"Span", GrammarClash::None},       {"Tons", GrammarClash::None},
        {"Inch", GrammarClash::None},       {"Per cent", GrammarClash::None},
        {"to go", GrammarClash::None},      {"2x4", GrammarClash::None},
        {"1e", GrammarClash::None},         {"1,5,0", GrammarClash::None},
        {"Light-year", GrammarClash::None}, {"\xB5m", GrammarClash::None},
        {"", GrammarClash::None},           {"-", GrammarClash::None},
    };
    for (const auto& c : cases) EXPECT_EQ(GrammarClashOf(c.name), c.clash) << '"' << c.name << '"';
}
