// Custom categories and units through their model, on a real profile file and
// the real catalogue, with a listener that records what the window would hear.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "custom_catalogue.h"
#include "factor_text.h"
#include "number_text.h"
#include "profile_records.h"

namespace {

namespace fs = std::filesystem;

constexpr int Distance = 10;
constexpr int Time = 24;

struct RecordingListener : CatalogueListener {
    int OnCatalogueChanged(int row, int code) override {
        heard.emplace_back(row, code);
        return 0;
    }
    std::vector<std::pair<int, int>> heard;
};

class CustomCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCatalogue();
        dir_ = fs::temp_directory_path() /
               ("mezura-custom-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        ResetCatalogue();
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    // What the next run finds in the profile.
    void Restart(const std::string& path) {
        ResetCatalogue();
        LoadProfile(ProfileStore(path));
    }

    fs::path dir_;
    RecordingListener window_;
};

TEST_F(CustomCatalogueTest, RemovedUnitIsToldOnceWhenTheProfileCannotBeWritten) {
    const std::string path = PathOf("mezura.INI");
    Write("mezura.INI",
          "[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Span\r\nCustomValue_1=22.86\r\n");
    Restart(path);
    // A lock that cannot be taken fails the write as a full disk would.
    fs::create_directory(path + ".lock");
    ProfileStore profile(path);
    int failures = 0;
    profile.SetWriteErrorListener([&](const ProfileError&) { ++failures; });
    CustomCatalogue custom(profile, window_);

    const CustomResult result = custom.RemoveUnit(Distance, "Span");
    EXPECT_TRUE(result.changed);
    EXPECT_FALSE(UnitByName(Distance, "Span"));
    EXPECT_EQ(window_.heard, (std::vector<std::pair<int, int>>{{Distance, -2}}));
    EXPECT_EQ(failures, 1);
}

TEST_F(CustomCatalogueTest, RemovedCategoryTakesItsUnitsAndComesBackEmpty) {
    const std::string path = PathOf("mezura.INI");
    ProfileStore profile(path);
    CustomCatalogue custom(profile, window_);
    ASSERT_TRUE(custom.AddCategory("Beer").changed);
    ASSERT_TRUE(custom.AddUnit(26, "Pint", "", "").changed);
    for (int k = 2; k <= 10; ++k)
        ASSERT_TRUE(custom.AddUnit(26, "Crate " + std::to_string(k), "24", "Pint").changed) << k;
    ASSERT_EQ(custom.AddUnit(26, "Keg", "88", "Pint").message, CustomMessage::UnitLimit);

    ASSERT_TRUE(custom.RemoveCategory("Beer").changed);
    EXPECT_TRUE(IsCustomRowFree(26));
    EXPECT_EQ(window_.heard.back(), std::make_pair(26, -1));
    Restart(path);
    EXPECT_TRUE(IsCustomRowFree(26));

    // Added again, with another reference unit: nothing of the old one returns.
    ASSERT_TRUE(custom.AddCategory("beer").changed);
    EXPECT_EQ(UnitCount(26), 0);
    const CustomResult first = custom.AddUnit(26, "Litre", "", "");
    EXPECT_TRUE(first.changed);
    EXPECT_EQ(first.message, CustomMessage::None);
    Restart(path);
    EXPECT_EQ(UnitNames[26][0], "Beer");
    ASSERT_EQ(UnitCount(26), 1);
    EXPECT_EQ(UnitNames[26][1], "Litre");
}

TEST_F(CustomCatalogueTest, OrphanedUnitsOfAnOlderProfileAreNeverAttached) {
    // An older version left the units of a removed category behind.
    const std::string path = PathOf("mezura.INI");
    Write("mezura.INI",
          "[Settings]\r\nCustom_1=Custom\r\n[Beer]\r\nCustomUnits=2\r\nCustomUnit_1=Pint\r\n"
          "CustomValue_1=1\r\nCustomUnit_2=Crate\r\nCustomValue_2=24.00000000000000\r\n");
    Restart(path);
    EXPECT_TRUE(IsCustomRowFree(26));
    ProfileStore profile(path);
    CustomCatalogue custom(profile, window_);
    ASSERT_TRUE(custom.AddCategory("Beer").changed);
    EXPECT_EQ(UnitCount(26), 0);
    Restart(path);
    EXPECT_EQ(UnitNames[26][0], "Beer");
    EXPECT_EQ(UnitCount(26), 0);
}

TEST_F(CustomCatalogueTest, SmallUnitsKeepTheirPrecisionAcrossARestart) {
    const std::string path = PathOf("mezura.INI");
    ProfileStore profile(path);
    CustomCatalogue custom(profile, window_);
    const int seconds = *UnitByName(Time, "Seconds");
    const struct {
        const char* name;
        const char* factor;
        double inSeconds;
    } units[] = {{"Blink", "0.001", 0.001}, {"Flash", "1e-6", 1e-6}, {"Aeon", "3e25", 3e25}};
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.name);
        ASSERT_TRUE(custom.AddUnit(Time, unit.name, unit.factor, "Seconds").changed);
    }
    Restart(path);
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.name);
        const std::optional<int> position = UnitByName(Time, unit.name);
        ASSERT_TRUE(position);
        EXPECT_DOUBLE_EQ(ConvertValue(Time, *position, seconds, 1.0), unit.inSeconds);
    }
}

TEST_F(CustomCatalogueTest, FactorTextIsTheShortestThatReadsBackTheSameDouble) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double factor = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = StoredFactorText(factor);
        ASSERT_EQ(ParseNumberPrefix(text), factor) << text;
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), factor) << text;  // as atof reads it
        char longest[40];
        std::snprintf(longest, sizeof longest, "%.17g", factor);
        ASSERT_LE(text.size(), std::string(longest).size()) << text;
    }
    EXPECT_EQ(StoredFactorText(22.86), "22.86");
    EXPECT_EQ(StoredFactorText(1.0), "1");
    // Texts written by earlier versions read as they always did.
    EXPECT_EQ(ParseNumberPrefix("0.00000000000032"), 3.2e-13);
    EXPECT_EQ(ParseNumberPrefix("22.86000000000000"), 22.86);
}

TEST_F(CustomCatalogueTest, AFullProfileIsToldApartFromTheLimits) {
    std::string units = "[Distance]\r\nCustomUnits=2\r\n";
    for (int k = 1; k <= 10; ++k)
        units += "CustomUnit_" + std::to_string(k) + "=Hand" + std::to_string(k) + "\r\n";
    Write("mezura.INI",
          "[Settings]\r\nCustom_1=Aa\r\nCustom_2=Bb\r\nCustom_3=Cc\r\nCustom_4=Dd\r\n"
          "Custom_5=Ee\r\n[Mass]\r\nCustomUnits=10\r\n" +
              units);
    ProfileStore profile(PathOf("mezura.INI"));  // not loaded: the rows stay free
    CustomCatalogue custom(profile, window_);
    const std::string before = profile.GetProfileString("Distance", "CustomUnit_1");

    EXPECT_EQ(custom.AddCategory("Beer").message, CustomMessage::NoRoomForCategory);
    EXPECT_EQ(custom.AddUnit(Distance, "Span", "9", "Inches").message,
              CustomMessage::NoRoomForUnit);
    EXPECT_EQ(custom.AddUnit(*CategoryByName("Mass"), "Stone", "14", "Pounds").message,
              CustomMessage::UnitLimit);
    for (int row = FirstCustomRow; row < CustomRowEnd; ++row) EXPECT_TRUE(IsCustomRowFree(row));
    EXPECT_EQ(UnitCount(Distance), 19);
    EXPECT_TRUE(window_.heard.empty());
    EXPECT_EQ(profile.GetProfileString("Distance", "CustomUnit_1"), before);
}

}  // namespace
