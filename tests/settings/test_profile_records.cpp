// The start-up load, the save and the record operations, on profile files
// written byte by byte here and read back byte by byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue.h"
#include "profile_records.h"
#include "result_format.h"

namespace {

namespace fs = std::filesystem;

constexpr int Distance = BuiltinRowNamed("Distance");
constexpr int DistanceBuiltinUnits = 19;

struct Entry {
    std::string section, key, value;
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
    return out << '[' << e.section << "] " << e.key << '=' << e.value;
}

class ProfileRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("mezura-records-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "mezura.INI").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Lines joined with CRLF, as the Windows functions write them.
    void WriteProfile(const std::vector<std::string>& lines) {
        std::ofstream out(path_, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
    }

    std::string FileBytes() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Every key=value line of the file in file order, under its section.
    std::vector<Entry> FileEntries() const {
        std::vector<Entry> entries;
        std::istringstream in(FileBytes());
        std::string line, section;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            if (line.front() == '[') {
                section = line.substr(1, line.find(']') - 1);
                continue;
            }
            const auto eq = line.find('=');
            entries.push_back({section, line.substr(0, eq), line.substr(eq + 1)});
        }
        return entries;
    }

    fs::path dir_;
    std::string path_;
    // A restart within a test builds a new one.
    std::optional<Catalogue> catalogue_{std::in_place};
    ResultStyle style_;
};

// --- Start-up load ---------------------------------------------------------

TEST_F(ProfileRecordsTest, NoFileLeavesEveryDefaultAndWritesNothing) {
    ProfileStore store(path_);
    LoadProfile(store, *catalogue_, style_);
    EXPECT_EQ(style_.format, 0);
    EXPECT_EQ(style_.precision, 5);
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        EXPECT_EQ(catalogue_->Visibility(row), 1) << row;
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row)
        EXPECT_TRUE(catalogue_->IsCustomRowFree(row)) << row;
    EXPECT_EQ(catalogue_->UnitCount(Distance), DistanceBuiltinUnits);
    EXPECT_EQ(StartCategoryName(store), "NONE");
    EXPECT_FALSE(IsOnTopStored(store));
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(ProfileRecordsTest, FormatAndPrecisionTakenOnlyInRange) {
    // Start from 1 and 3 so that "ignored" and "taken" give different results.
    struct Row {
        const char* name;
        const char* format;
        const char* precision;
        int expectedFormat, expectedPrecision;
    };
    const Row rows[] = {
        {"format 3 and precision 0 ignored", "3", "0", 1, 3},
        {"precision 10 ignored", "2", "10", 2, 3},
        {"negative values ignored", "-1", "-3", 1, 3},
        {"upper bounds taken", "2", "9", 2, 9},
        {"lower bounds taken", "0", "1", 0, 1},
        {"numeric prefix read", "2abc", "7x", 2, 7},
        {"no number reads 0: format taken, precision not", "abc", "abc", 0, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        style_.format = 1;
        style_.precision = 3;
        WriteProfile({"[Settings]", std::string("Format=") + row.format,
                      std::string("Precision=") + row.precision});
        LoadResultSettings(ProfileStore(path_), style_);
        EXPECT_EQ(style_.format, row.expectedFormat);
        EXPECT_EQ(style_.precision, row.expectedPrecision);
    }
}

TEST_F(ProfileRecordsTest, RememberedCategoryAndOnTopNeedExactlyTrue) {
    struct Row {
        const char* name;
        std::vector<std::string> settings;
        const char* startCategory;
        bool onTop;
    };
    const Row rows[] = {
        {"remembered", {"RememberCategory=TRUE", "LastCategory=Mass", "OnTop=TRUE"}, "Mass", true},
        {"lower-case true counts as false",
         {"RememberCategory=true", "LastCategory=Mass", "OnTop=true"},
         "NONE",
         false},
        {"no LastCategory stored", {"RememberCategory=TRUE"}, "NONE", false},
        {"FALSE", {"RememberCategory=FALSE", "LastCategory=Mass", "OnTop=FALSE"}, "NONE", false},
        {"stored empty name", {"RememberCategory=TRUE", "LastCategory="}, "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> lines{"[Settings]"};
        lines.insert(lines.end(), row.settings.begin(), row.settings.end());
        WriteProfile(lines);
        ProfileStore store(path_);
        EXPECT_EQ(StartCategoryName(store), row.startCategory);
        EXPECT_EQ(IsOnTopStored(store), row.onTop);
    }
}

TEST_F(ProfileRecordsTest, CategoryRecordsNameTheirOwnRowsOnly) {
    struct Row {
        const char* name;
        std::vector<std::string> records;
        std::vector<std::string> expectedNames;  // the custom rows
    };
    const Row rows[] = {
        {"record 2 alone", {"Custom_2=Money"}, {"Custom", "Money", "Custom", "Custom", "Custom"}},
        {"one character leaves the row free",
         {"Custom_1=X", "Custom_3=Xy"},
         {"Custom", "Custom", "Xy", "Custom", "Custom"}},
        {"empty and Custom are free",
         {"Custom_4=", "Custom_5=Custom"},
         {"Custom", "Custom", "Custom", "Custom", "Custom"}},
        {"all five",
         {"Custom_1=Aa", "Custom_2=Bb", "Custom_3=Cc", "Custom_4=Dd", "Custom_5=Ee"},
         {"Aa", "Bb", "Cc", "Dd", "Ee"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        catalogue_.emplace();
        std::vector<std::string> lines{"[Settings]"};
        lines.insert(lines.end(), row.records.begin(), row.records.end());
        WriteProfile(lines);
        LoadProfile(ProfileStore(path_), *catalogue_, style_);
        for (int k = 0; k < CustomCategoryCount; ++k) {
            EXPECT_EQ(catalogue_->Name(FirstCustomRow + k, 0), row.expectedNames[k])
                << "row " << FirstCustomRow + k;
            EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow + k), 0);
        }
    }
}

TEST_F(ProfileRecordsTest, CustomUnitsOutsideZeroToTenLoadNothing) {
    for (const char* count : {"11", "-1"}) {
        SCOPED_TRACE(count);
        catalogue_.emplace();
        WriteProfile({"[Distance]", std::string("CustomUnits=") + count, "CustomUnit_1=Rods",
                      "CustomValue_1=502.92000000000000"});
        LoadCustomUnits(ProfileStore(path_), *catalogue_);
        EXPECT_EQ(catalogue_->Factor(Distance, 0), DistanceBuiltinUnits);
        EXPECT_EQ(catalogue_->Name(Distance, DistanceBuiltinUnits + 1), "");
    }
}

// A profile from before Currency was built in, whose own category
// "Currency" keeps its units in that section: they stay its units alone.
TEST_F(ProfileRecordsTest, ACustomCategoryKeepsItsSectionFromTheBuiltinOfItsName) {
    WriteProfile({"[Settings]", "Custom_1=Currency", "[Currency]", "CustomUnits=2",
                  "CustomUnit_1=Dollar", "CustomValue_1=1", "CustomUnit_2=Cent",
                  "CustomValue_2=0.01"});
    LoadProfile(ProfileStore(path_), *catalogue_, style_);
    EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 2);
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 2), "Cent");
    EXPECT_EQ(catalogue_->UnitCount(CurrencyRow), catalogue_->BuiltinUnitsOf(CurrencyRow));
}

TEST_F(ProfileRecordsTest, FreedRecordIsSkippedAndOccupiedOneTaken) {
    WriteProfile({"[Distance]", "CustomUnits=1", "CustomUnit_1=Custom", "CustomUnit_2=Pace",
                  "CustomValue_2=22.86000000000000"});
    LoadCustomUnits(ProfileStore(path_), *catalogue_);
    ASSERT_EQ(catalogue_->Factor(Distance, 0), 20.0);
    EXPECT_EQ(catalogue_->Name(Distance, 20), "Pace");
    EXPECT_EQ(catalogue_->Factor(Distance, 20), 22.86);
    EXPECT_EQ(catalogue_->UnitByName(Distance, "Pace"), 20);
}

TEST_F(ProfileRecordsTest, RecordsTakenInOrderUpToTheStoredCount) {
    struct Row {
        const char* name;
        std::vector<std::string> section;
        std::vector<std::pair<std::string, double>> expected;
    };
    const Row rows[] = {
        {"count 2 of three occupied records",
         {"CustomUnits=2", "CustomUnit_1=Aa", "CustomValue_1=1", "CustomUnit_2=Bb",
          "CustomValue_2=2", "CustomUnit_3=Cc", "CustomValue_3=3"},
         {{"Aa", 1.0}, {"Bb", 2.0}}},
        {"count above the records present",
         {"CustomUnits=3", "CustomUnit_4=Dd", "CustomValue_4=4"},
         {{"Dd", 4.0}}},
        {"a one-character name is a free record",
         {"CustomUnits=1", "CustomUnit_1=X", "CustomValue_1=9", "CustomUnit_2=Ee",
          "CustomValue_2=5"},
         {{"Ee", 5.0}}},
        {"record 10 is the last one read",
         {"CustomUnits=2", "CustomUnit_10=Ten", "CustomValue_10=10", "CustomUnit_11=Eleven",
          "CustomValue_11=11"},
         {{"Ten", 10.0}}},
        {"missing, negative and non-numeric factors load as 0",
         {"CustomUnits=4", "CustomUnit_1=Nofactor", "CustomUnit_2=Negative", "CustomValue_2=-3.5",
          "CustomUnit_3=Words", "CustomValue_3=abc", "CustomUnit_4=Prefix", "CustomValue_4=2.5cm"},
         {{"Nofactor", 0.0}, {"Negative", 0.0}, {"Words", 0.0}, {"Prefix", 2.5}}},
        {"count 0 loads nothing", {"CustomUnits=0", "CustomUnit_1=Aa", "CustomValue_1=1"}, {}},
        {"no count loads nothing", {"CustomUnit_1=Aa", "CustomValue_1=1"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        catalogue_.emplace();
        std::vector<std::string> lines{"[Distance]"};
        lines.insert(lines.end(), row.section.begin(), row.section.end());
        WriteProfile(lines);
        LoadCustomUnits(ProfileStore(path_), *catalogue_);
        ASSERT_EQ(catalogue_->UnitCount(Distance),
                  DistanceBuiltinUnits + static_cast<int>(row.expected.size()));
        for (std::size_t i = 0; i < row.expected.size(); ++i) {
            const int position = DistanceBuiltinUnits + 1 + static_cast<int>(i);
            EXPECT_EQ(catalogue_->Name(Distance, position), row.expected[i].first);
            EXPECT_EQ(catalogue_->Factor(Distance, position), row.expected[i].second);
            EXPECT_FALSE(std::signbit(catalogue_->Factor(Distance, position)));
        }
    }
}

TEST_F(ProfileRecordsTest, CustomCategoryUnitsLoadAfterItsName) {
    WriteProfile({"[Settings]", "Custom_3=Money", "[Money]", "CustomUnits=2", "CustomUnit_1=Dollar",
                  "CustomValue_1=1.00000000000000", "CustomUnit_2=Cent",
                  "CustomValue_2=0.01000000000000"});
    LoadProfile(ProfileStore(path_), *catalogue_, style_);
    constexpr int Money = FirstCustomRow + 2;
    ASSERT_EQ(catalogue_->Name(Money, 0), "Money");
    ASSERT_EQ(catalogue_->UnitCount(Money), 2);
    EXPECT_EQ(catalogue_->Name(Money, 1), "Dollar");
    EXPECT_EQ(catalogue_->Name(Money, 2), "Cent");
    EXPECT_EQ(catalogue_->Factor(Money, 2), 0.01);
}

TEST_F(ProfileRecordsTest, FreeCustomRowsTakeNoUnitsFromTheCustomSection) {
    // Nothing writes [Custom]; a hand-made one must not give units to free
    // rows, or the next category added there would start with them.
    WriteProfile({"[Custom]", "CustomUnits=1", "CustomUnit_1=Stray", "CustomValue_1=1"});
    LoadProfile(ProfileStore(path_), *catalogue_, style_);
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        EXPECT_EQ(catalogue_->UnitCount(row), 0) << row;
        EXPECT_EQ(catalogue_->Name(row, 1), "") << row;
    }
}

TEST_F(ProfileRecordsTest, VisibilityKeptAsRead) {
    WriteProfile({"[Acceleration]", "Visibility=0", "[Angle]", "Visibility=7", "[Area]",
                  "Visibility=yes", "[Volume (Dry)]", "Visibility=-2"});
    LoadCategoryVisibility(ProfileStore(path_), *catalogue_);
    EXPECT_EQ(catalogue_->Visibility(0), 0);
    EXPECT_EQ(catalogue_->Visibility(1), 7);
    EXPECT_EQ(catalogue_->Visibility(4), 0);  // no number: hidden
    EXPECT_EQ(catalogue_->Visibility(2), 1);  // absent: listed
    EXPECT_EQ(catalogue_->Visibility(BuiltinCategoryCount - 1), -2);
}

// A profile written before the newer categories existed: its categories keep
// their settings by name, the new ones are listed, and the next save writes
// their Visibility like every other's.
TEST_F(ProfileRecordsTest, ProfileOfTheSmallerCatalogueLoadsUnchanged) {
    WriteProfile({"[Settings]", "Custom_1=Money", "[Temperature]", "Visibility=0", "[Money]",
                  "CustomUnits=1", "CustomUnit_1=Dollar", "CustomValue_1=1.00000000000000",
                  "[Distance]", "CustomUnits=1", "CustomUnit_1=Span", "CustomValue_1=22.86"});
    ProfileStore store(path_);
    LoadProfile(store, *catalogue_, style_);
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Money");
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 1), "Dollar");
    EXPECT_EQ(catalogue_->Name(Distance, catalogue_->UnitCount(Distance)), "Span");
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        EXPECT_EQ(catalogue_->Visibility(row), catalogue_->Name(row, 0) == "Temperature" ? 0 : 1)
            << row;

    ASSERT_EQ(SaveSettings(store, *catalogue_, style_, ""), std::nullopt);
    const auto entries = FileEntries();
    for (const char* added : {"Data rate", "Data storage", "Electric resistance", "Frequency",
                              "Fuel economy", "Temperature change", "Voltage"}) {
        EXPECT_NE(std::find(entries.begin(), entries.end(), Entry{added, "Visibility", "1"}),
                  entries.end())
            << added;
    }
}

// --- Saving ------------------------------------------------------------------

TEST_F(ProfileRecordsTest, SaveWritesFormatPrecisionAndVisibilityInOrder) {
    style_.format = 2;
    style_.precision = 9;
    catalogue_->SetVisibility(3, 0);
    ProfileStore store(path_);
    ASSERT_EQ(SaveSettings(store, *catalogue_, style_, "Volume (Dry)"), std::nullopt);

    std::vector<Entry> expected{{"Settings", "Format", "2"},
                                {"Settings", "Precision", "9"},
                                {"Settings", "LastCategory", "Volume (Dry)"}};
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        expected.push_back({catalogue_->Name(row, 0), "Visibility", row == 3 ? "0" : "1"});
    // LastCategory joins its section; every other key is new and in write order.
    EXPECT_EQ(FileEntries(), expected);
}

TEST_F(ProfileRecordsTest, StoredVisibilityOfSevenIsWrittenBackAsSeven) {
    WriteProfile({"[Settings]", "LastCategory=Mass", "[Angle]", "Visibility=7"});
    ProfileStore store(path_);
    LoadProfile(store, *catalogue_, style_);
    ASSERT_EQ(SaveSettings(store, *catalogue_, style_, ""), std::nullopt);
    const auto entries = FileEntries();
    EXPECT_NE(std::find(entries.begin(), entries.end(), Entry{"Angle", "Visibility", "7"}),
              entries.end());
    EXPECT_NE(std::find(entries.begin(), entries.end(), Entry{"Settings", "LastCategory", ""}),
              entries.end());
}

TEST_F(ProfileRecordsTest, FailedSaveIsReportedOnceNamingTheFile) {
    // A folder that cannot be made: its parent is a file.
    std::ofstream(dir_ / "blocker") << "x";
    ProfileStore store((dir_ / "blocker" / "sub" / "mezura.INI").string());
    int heard = 0;
    store.SetWriteErrorListener([&](const ProfileError&) { ++heard; });
    const auto error = SaveSettings(store, *catalogue_, style_);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->path.find("mezura.INI"), std::string::npos);
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(heard, 1);
}

// --- Custom category records ---------------------------------------------------

TEST_F(ProfileRecordsTest, AddCategoryTakesTheFirstFreeRecord) {
    WriteProfile({"[Settings]", "Custom_1=Money", "Custom_2=X", "Custom_3=Custom"});
    ProfileStore store(path_);
    ASSERT_TRUE(HasFreeCategoryRecord(store));
    ASSERT_TRUE(AddCategoryRecord(store, "Speed"));
    EXPECT_EQ(store.GetProfileString("Settings", "Custom_2"), "Speed");
    EXPECT_EQ(store.GetProfileString("Settings", "Custom_3"), "Custom");
    ASSERT_TRUE(AddCategoryRecord(store, "Data"));
    EXPECT_EQ(store.GetProfileString("Settings", "Custom_3"), "Data");
    ASSERT_TRUE(AddCategoryRecord(store, "Light"));  // record 4, absent, reads "Custom"
    EXPECT_EQ(store.GetProfileString("Settings", "Custom_4"), "Light");
}

TEST_F(ProfileRecordsTest, AddCategoryWithNoFreeRecordWritesNothing) {
    WriteProfile(
        {"[Settings]", "Custom_1=Aa", "Custom_2=Bb", "Custom_3=Cc", "Custom_4=Dd", "Custom_5=Ee"});
    const std::string before = FileBytes();
    ProfileStore store(path_);
    EXPECT_FALSE(HasFreeCategoryRecord(store));
    EXPECT_FALSE(AddCategoryRecord(store, "Ff"));
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ProfileRecordsTest, RemoveCategoryFreesEveryExactMatchAndTakesItsUnits) {
    WriteProfile({"[Settings]", "Custom_1=Money", "Custom_2=money", "Custom_4=Money", "[Money]",
                  "CustomUnits=2", "CustomUnit_1=Dollar", "CustomValue_1=1", "CustomUnit_7=Euro",
                  "CustomValue_7=1.1", "Note=kept"});
    ProfileStore store(path_);
    EXPECT_EQ(RemoveCategoryRecord(store, "Money"), std::nullopt);
    const std::vector<Entry> expected{{"Settings", "Custom_1", "Custom"},
                                      {"Settings", "Custom_2", "money"},
                                      {"Settings", "Custom_4", "Custom"},
                                      {"Money", "Note", "kept"}};
    EXPECT_EQ(FileEntries(), expected);
}

TEST_F(ProfileRecordsTest, AddedCategoryLeavesNoOrphanedUnitsOfItsName) {
    // Written by a version that kept a removed category's units: the
    // section outlived its category.
    WriteProfile({"[Settings]", "Custom_1=Custom", "[Money]", "CustomUnits=10",
                  "CustomUnit_1=Dollar", "CustomValue_1=1"});
    ProfileStore store(path_);
    ASSERT_TRUE(AddCategoryRecord(store, "Money"));
    LoadProfile(ProfileStore(path_), *catalogue_, style_);
    EXPECT_EQ(catalogue_->Name(FirstCustomRow, 0), "Money");
    EXPECT_EQ(catalogue_->UnitCount(FirstCustomRow), 0);
    EXPECT_EQ(StoredCustomUnitCount(store, "Money"), 0);
    EXPECT_TRUE(HasFreeUnitRecord(store, "Money"));
}

// --- Custom unit records -------------------------------------------------------

TEST_F(ProfileRecordsTest, AddUnitWritesNameValueThenCount) {
    ProfileStore store(path_);
    ASSERT_TRUE(AddUnitRecord(store, "Distance", "Pace", "76.20000000000000"));
    const std::vector<Entry> expected{{"Distance", "CustomUnit_1", "Pace"},
                                      {"Distance", "CustomValue_1", "76.20000000000000"},
                                      {"Distance", "CustomUnits", "1"}};
    EXPECT_EQ(FileEntries(), expected);
}

TEST_F(ProfileRecordsTest, AddUnitFillsTheFreedRecordAndRaisesTheCount) {
    WriteProfile({"[Distance]", "CustomUnits=1", "CustomUnit_1=Custom", "CustomUnit_2=Pace",
                  "CustomValue_2=76.20000000000000"});
    ProfileStore store(path_);
    ASSERT_TRUE(AddUnitRecord(store, "Distance", "Rods", "502.92000000000000"));
    EXPECT_EQ(store.GetProfileString("Distance", "CustomUnit_1"), "Rods");
    EXPECT_EQ(store.GetProfileString("Distance", "CustomValue_1"), "502.92000000000000");
    EXPECT_EQ(StoredCustomUnitCount(store, "Distance"), 2);
    EXPECT_EQ(store.GetProfileString("Distance", "CustomUnit_2"), "Pace");
}

TEST_F(ProfileRecordsTest, AddUnitWithAllTenRecordsTakenWritesNothing) {
    std::vector<std::string> lines{"[Mass]", "CustomUnits=10"};
    for (int k = 1; k <= 10; ++k)
        lines.push_back("CustomUnit_" + std::to_string(k) + "=Unit" + std::to_string(k));
    WriteProfile(lines);
    const std::string before = FileBytes();
    ProfileStore store(path_);
    EXPECT_FALSE(HasFreeUnitRecord(store, "Mass"));
    EXPECT_FALSE(AddUnitRecord(store, "Mass", "Extra", "1.00000000000000"));
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ProfileRecordsTest, RemoveUnitLeavesCustomAndNoValueKey) {
    WriteProfile({"[Distance]", "CustomUnits=2", "CustomUnit_1=Pace",
                  "CustomValue_1=76.20000000000000", "CustomUnit_2=Rods",
                  "CustomValue_2=502.92000000000000"});
    ProfileStore store(path_);
    EXPECT_EQ(RemoveUnitRecord(store, "Distance", "Pace"), 1);
    const std::vector<Entry> expected{{"Distance", "CustomUnits", "1"},
                                      {"Distance", "CustomUnit_1", "Custom"},
                                      {"Distance", "CustomUnit_2", "Rods"},
                                      {"Distance", "CustomValue_2", "502.92000000000000"}};
    EXPECT_EQ(FileEntries(), expected);
    EXPECT_EQ(FileBytes().find("CustomValue_1"), std::string::npos);
}

TEST_F(ProfileRecordsTest, RemoveUnitCountsDown) {
    struct Row {
        const char* name;
        std::vector<std::string> section;
        int removed;
        int countAfter;
    };
    const Row rows[] = {
        {"absent count reads 1 and becomes 0", {"CustomUnit_3=Pace"}, 1, 0},
        {"each duplicate lowers the count",
         {"CustomUnits=3", "CustomUnit_1=Pace", "CustomUnit_5=Pace"},
         2,
         1},
        {"a different case is another name", {"CustomUnits=1", "CustomUnit_1=pace"}, 0, 1},
        {"never below zero", {"CustomUnits=0", "CustomUnit_1=Pace"}, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> lines{"[Distance]"};
        lines.insert(lines.end(), row.section.begin(), row.section.end());
        WriteProfile(lines);
        ProfileStore store(path_);
        EXPECT_EQ(RemoveUnitRecord(store, "Distance", "Pace"), row.removed);
        EXPECT_EQ(StoredCustomUnitCount(store, "Distance"), row.countAfter);
    }
}

TEST_F(ProfileRecordsTest, RemovedUnitIsGoneAtTheNextStart) {
    ProfileStore store(path_);
    ASSERT_TRUE(AddUnitRecord(store, "Distance", "Pace", "76.20000000000000"));
    ASSERT_TRUE(AddUnitRecord(store, "Distance", "Rods", "502.92000000000000"));
    ASSERT_EQ(RemoveUnitRecord(store, "Distance", "Pace"), 1);
    LoadProfile(ProfileStore(path_), *catalogue_, style_);
    ASSERT_EQ(catalogue_->UnitCount(Distance), DistanceBuiltinUnits + 1);
    EXPECT_EQ(catalogue_->Name(Distance, 20), "Rods");
    EXPECT_EQ(catalogue_->Factor(Distance, 20), 502.92);
}

}  // namespace
