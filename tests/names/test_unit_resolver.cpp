// One resolver for any count of names, over the built-in catalogue, and its
// messages: what is wrong and which names come close, with the front end's
// hint left as a value, never worded here.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "name_index.h"
#include "unit_resolver.h"

namespace {

class UnitResolverTest : public ::testing::Test {
protected:
    UnitsResolution Resolve(std::initializer_list<std::string_view> names,
                            std::optional<std::string_view> category = std::nullopt) {
        return ResolveUnits(index_, std::span(names.begin(), names.size()), category);
    }
    std::string Message(std::initializer_list<std::string_view> names, ProblemHint& hint,
                        std::optional<std::string_view> category = std::nullopt) {
        const auto typed = std::span(names.begin(), names.size());
        std::string text = "left over";
        hint = DescribeProblemInto(text, index_, ResolveUnits(index_, typed, category), typed,
                                   category);
        return text;
    }

    Catalogue catalogue_;
    NameIndex index_{catalogue_};
};

TEST_F(UnitResolverTest, ManyNamesFindTheOneCategoryThatHoldsThemAll) {
    const UnitsResolution found = Resolve({"ft", "in", "cm"});
    ASSERT_EQ(found.problem, ResolveProblem::None);
    EXPECT_EQ(catalogue_.CategoryName(found.row), "Distance");
    for (int i = 0; i < 3; ++i) EXPECT_GT(found.positions[i], 0) << i;
    EXPECT_NE(found.positions[0], found.positions[1]);

    // Two names resolve as ResolveConversion always did.
    const Resolution pair = ResolveConversion(index_, "ft", "cm", std::nullopt);
    EXPECT_EQ(pair.row, found.row);
    EXPECT_EQ(pair.from, found.positions[0]);
    EXPECT_EQ(pair.to, found.positions[2]);
}

TEST_F(UnitResolverTest, AProblemNamesTheNameItIsAbout) {
    auto found = Resolve({"ft", "in", "Zorkmids"});
    EXPECT_EQ(found.problem, ResolveProblem::UnknownTo);
    EXPECT_EQ(found.name, 2);
    found = Resolve({"ft", "lb", "in"});
    EXPECT_EQ(found.problem, ResolveProblem::NoCommonCategory);
    EXPECT_EQ(found.name, 0);
    EXPECT_EQ(found.other, 1);
    found = Resolve({"ft", "in", "lb"}, "Distance");
    EXPECT_EQ(found.problem, ResolveProblem::ToNotInCategory);
    EXPECT_EQ(found.name, 2);
    EXPECT_EQ(Resolve({"min", "min"}).problem, ResolveProblem::Ambiguous);
    EXPECT_EQ(Resolve({"ft"}, "Nope").problem, ResolveProblem::UnknownCategory);
}

TEST_F(UnitResolverTest, MessagesLeaveTheFrontEndsHintAsAValue) {
    ProblemHint hint = ProblemHint::None;
    EXPECT_EQ(Message({"Zorkmids", "mi"}, hint), "unknown unit \"Zorkmids\"");
    EXPECT_EQ(hint, ProblemHint::ListUnits);
    // Met again, the remembered message keeps its hint.
    EXPECT_EQ(Message({"Zorkmids", "mi"}, hint), "unknown unit \"Zorkmids\"");
    EXPECT_EQ(hint, ProblemHint::ListUnits);
    EXPECT_EQ(Message({"km", "mi"}, hint, "Nope"), "unknown category \"Nope\"");
    EXPECT_EQ(hint, ProblemHint::ListCategories);
    EXPECT_EQ(Message({"Kilometerz", "mi"}, hint)
                  .find("unknown unit \"Kilometerz\"; did you mean \"Kilometers\""),
              0U);
    EXPECT_EQ(hint, ProblemHint::None);
    EXPECT_EQ(Message({"min", "min"}, hint),
              "\"min\" fit several categories (\"Angle\", \"Time\")");
    EXPECT_EQ(hint, ProblemHint::NameCategory);
    EXPECT_EQ(Message({"ft", "in", "ft"}, hint, "Mass").find("\"ft\" is not a unit of \"Mass\""),
              0U);
    EXPECT_EQ(hint, ProblemHint::None);
}

}  // namespace
