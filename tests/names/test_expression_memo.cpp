// The index keeps what it has read of expressions (each word's meanings, each
// side's whole reading) so that a batch reads each once. What is kept must
// answer exactly as a fresh reading does, and the short way for two known
// words must give the whole way's result to the last bit, or stand aside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "expression_conversion.h"
#include "name_index.h"
#include "si_units.h"

namespace {

// Prefixed SI symbols, bare SI symbols, catalogue aliases and words of
// several meanings, across many dimensions.
std::vector<std::string> Words() {
    std::vector<std::string> words;
    for (const char* unit : {"m", "g", "s", "J", "W", "Pa", "Hz", "F", "B", "bit", "L", "eV", "Wh"})
        for (const char* prefix : {"", "k", "M", "G", "m", "\xC2\xB5", "n", "c", "Ki"})
            words.push_back(std::string(prefix) + unit);
    for (const char* alias : {"km", "mi", "ft", "kcal", "kWh", "psi", "lb", "min", "pt", "Gb", "C",
                              "\xC2\xB0"
                              "F",
                              "mph", "gal", "Nm", "nm", "ohm", "h"})
        words.emplace_back(alias);
    return words;
}

TEST(ExpressionMemoTest, KeptReadingsAnswerAsFreshOnes) {
    const Catalogue catalogue;
    const NameIndex index(catalogue);
    const auto words = Words();
    int shortWay = 0;
    for (const std::string& from : words) {
        for (const std::string& to : words) {
            SCOPED_TRACE(from + " -> " + to);
            ExpressionConversion first, again;
            std::string firstProblem, againProblem;
            const bool converted = ConvertExpression(index, "2.5", from, to, first, firstProblem);
            // Read again, now from what the index kept.
            EXPECT_EQ(ConvertExpression(index, "2.5", from, to, again, againProblem), converted);
            EXPECT_EQ(again.result, first.result);
            EXPECT_EQ(againProblem, firstProblem);
            // An index that has kept nothing reads it the same.
            const NameIndex fresh(catalogue);
            ExpressionConversion afresh;
            std::string freshProblem;
            EXPECT_EQ(ConvertExpression(fresh, "2.5", from, to, afresh, freshProblem), converted);
            EXPECT_EQ(afresh.result, first.result);
            double known = 0;
            if (ConvertKnownWords(index, 2.5, from, to, known)) {
                ++shortWay;
                EXPECT_TRUE(converted) << firstProblem;
                EXPECT_EQ(known, first.result);
            }
        }
    }
    // The short way is taken, not only ever declined.
    EXPECT_GT(shortWay, 200);
}

// Two names of the catalogue convert by its factors: never the short way,
// even once both have been read as words of expressions.
TEST(ExpressionMemoTest, CataloguePairsTakeThePlainWay) {
    const Catalogue catalogue;
    const NameIndex index(catalogue);
    ExpressionConversion answer;
    std::string problem;
    ASSERT_TRUE(ConvertExpression(index, "1", "km", "mi", answer, problem)) << problem;
    double known = 0;
    EXPECT_FALSE(ConvertKnownWords(index, 1, "km", "mi", known));
    // With a word the lists lack, once it has been read, the short way serves.
    ASSERT_TRUE(ConvertExpression(index, "1", "Mm", "mi", answer, problem)) << problem;
    EXPECT_TRUE(ConvertKnownWords(index, 1, "Mm", "mi", known));
    EXPECT_EQ(known, answer.result);
}

}  // namespace
