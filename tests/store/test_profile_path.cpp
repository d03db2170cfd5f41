// Where a program's profile lives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "profile_store.h"
#include "row_name.h"

namespace {

struct PathCase {
    const char* name;
    std::optional<std::string> xdgConfigHome;  // nothing: unset
    std::string home;
    std::string program;
    std::string expected;
};
std::ostream& operator<<(std::ostream& out, const PathCase& c) { return out << c.name; }

void SetOrUnset(const char* variable, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(variable, value->c_str(), 1);
    } else {
        ::unsetenv(variable);
    }
}

std::optional<std::string> Saved(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

class ProfilePathTest : public ::testing::TestWithParam<PathCase> {
protected:
    void TearDown() override {
        SetOrUnset("XDG_CONFIG_HOME", xdg_);
        SetOrUnset("HOME", home_);
    }
    std::optional<std::string> xdg_ = Saved("XDG_CONFIG_HOME");
    std::optional<std::string> home_ = Saved("HOME");
};

TEST_P(ProfilePathTest, NamedAfterTheProgram) {
    const PathCase& c = GetParam();
    SetOrUnset("XDG_CONFIG_HOME", c.xdgConfigHome);
    SetOrUnset("HOME", c.home);
    EXPECT_EQ(ProfilePathForProgram(c.program), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfilePathTest,
    ::testing::Values(
        PathCase{"XdgConfigHome", "/xdg", "/home/u", "mezura", "/xdg/mezura.INI"},
        PathCase{"XdgUnset", std::nullopt, "/home/u", "mezura", "/home/u/.config/mezura.INI"},
        PathCase{"XdgEmpty", "", "/home/u", "mezura", "/home/u/.config/mezura.INI"},
        PathCase{"XdgRelativeIsIgnored", "conf", "/home/u", "mezura", "/home/u/.config/mezura.INI"},
        PathCase{"FolderOfTheProgramDropped", "/x", "/h", "build/mezura", "/x/mezura.INI"},
        PathCase{"ExtensionReplaced", "/x", "/h", "/opt/bin/Mezura.exe", "/x/Mezura.INI"},
        PathCase{"OnlyLastExtension", "/x", "/h", "mezura.4.0", "/x/mezura.4.INI"},
        PathCase{"DotFileKeepsItsName", "/x", "/h", "/bin/.mezura", "/x/.mezura.INI"},
        PathCase{"DotInFolderIsNoExtension", "/x", "/h", "./v4.0/mezura", "/x/mezura.INI"}),
    RowName());

}  // namespace
