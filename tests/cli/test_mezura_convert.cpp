// mezura-convert end to end: the built binary, run with its own empty
// configuration folder (so the user's real profile never leaks in), or with
// profiles written here byte by byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

namespace fs = std::filesystem;

class MezuraConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mezura-convert-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "config");
        fs::create_directories(dir_ / "scratch");
    }
    void TearDown() override { fs::remove_all(dir_); }

    ProgramRun Run(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return RunProgram(MEZURA_CONVERT_PATH, arguments, input,
                          {"XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                           "XDG_CACHE_HOME=" + (dir_ / "cache").string(), "HOME=" + dir_.string()},
                          dir_ / "scratch");
    }

    // Lines joined with CRLF and written as they are: Windows-1252 bytes.
    std::string WriteProfile(const fs::path& path, const std::vector<std::string>& lines) {
        std::ofstream out(path, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
        return path.string();
    }

    fs::path dir_;
};

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;                  // exact
    std::vector<std::string> errHas;  // each must appear in stderr; none means stderr empty
    int status;
};

void Check(const Case& c, const ProgramRun& run) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    if (c.errHas.empty()) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(Lines(run.err).size(), 1u) << "one line on stderr: " << run.err;
        EXPECT_TRUE(run.err.starts_with("mezura-convert: ")) << run.err;
    }
    for (const auto& part : c.errHas) EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
}

TEST_F(MezuraConvertTest, ConvertsLikeTheWindow) {
    const Case cases[] = {
        {"kilometers to miles", {"1", "Kilometers", "Miles"}, "0.62137119223733\n", {}, 0},
        {"temperature by formula", {"100", "Celsius", "Fahrenheit"}, "212\n", {}, 0},
        {"temperature through Celsius",
         {"0", "Rankine", "Kelvin"},
         "-5.6843418860808e-014\n",
         {},
         0},
        {"scientific",
         {"--format", "scientific", "1", "Kilometers", "Miles"},
         "6.21371e-001\n",
         {},
         0},
        {"fixed", {"--format", "fixed", "1", "Kilometers", "Miles"}, "0.62137\n", {}, 0},
        {"fixed precision 9",
         {"--format=fixed", "--precision=9", "1", "Kilometers", "Miles"},
         "0.621371192\n",
         {},
         0},
        {"precision 1 scientific carry",
         {"--format", "scientific", "--precision", "1", "9.96", "Meters", "Meters"},
         "1.0e+001\n",
         {},
         0},
        {"precision ignored in auto",
         {"--precision", "1", "1", "Kilometers", "Miles"},
         "0.62137119223733\n",
         {},
         0},
        {"negative value is no option", {"-40", "Celsius", "Fahrenheit"}, "-40\n", {}, 0},
        {"negative exponent value", {"-1e3", "Meters", "Kilometers"}, "-1\n", {}, 0},
        {"negative fraction", {"-.5", "Kilometers", "Meters"}, "-500\n", {}, 0},
        {"lone minus reads 0", {"-", "Kilometers", "Meters"}, "0\n", {}, 0},
        {"double dash ends options", {"--", "-5", "Meters", "Centimeters"}, "-500\n", {}, 0},
        {"options after operands",
         {"2", "Meters", "Centimeters", "--format", "fixed"},
         "200.00000\n",
         {},
         0},
        {"1d3 reads 1000", {"1d3", "Meters", "Kilometers"}, "1\n", {}, 0},
        {"empty reads 0", {"", "Meters", "Kilometers"}, "0\n", {}, 0},
        {"UTF-8 superscript", {"1", "Meters²", "Feet²"}, "10.76391041671\n", {}, 0},
        {"UTF-8 ordinal indicator", {"10", "BTU (39 º F)", "Joules"}, "10596.7\n", {}, 0},
        {"trailing blank is part of the name", {"1", "Centimeters/sec² ", "Galileo"}, "1\n", {}, 0},
        {"trailing blank may be left out", {"1", "Centimeters/sec²", "Galileo"}, "1\n", {}, 0},
        {"pair picks its only category", {"1", "Ounces", "Grams"}, "28.349523125\n", {}, 0},
        {"category picks among several",
         {"--category", "Volume", "1", "Ounces", "Milliliters"},
         "29.5735295625\n",
         {},
         0},
        // Minutes and Seconds stand in Angle and in Time, with different factors.
        {"category Time", {"--category", "Time", "3", "Minutes", "Seconds"}, "180\n", {}, 0},
        {"category Angle", {"--category", "Angle", "3", "Minutes", "Seconds"}, "180\n", {}, 0},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));
}

// Units defined as multiples of each other print the multiple, and the
// newer categories convert as GNU units does (`units -t '1/(30 mpg)'
// L/100km`, `units -t GiB MB`, `units -t '10 degC' degF` for a difference,
// `units -t kohm ohm`).
TEST_F(MezuraConvertTest, DefinedSizesAndNewCategoriesConvertAsGnuUnitsDoes) {
    const Case cases[] = {
        {"minute", {"1", "min", "s"}, "60\n", {}, 0},
        {"hour", {"1", "Hours", "Minutes"}, "60\n", {}, 0},
        {"day", {"1", "Days", "Hours"}, "24\n", {}, 0},
        {"pound", {"1", "Pounds", "Ounces"}, "16\n", {}, 0},
        {"cup", {"1", "Cups", "Ounces"}, "8\n", {}, 0},
        {"acre", {"1", "Acres", "Feet²"}, "43560\n", {}, 0},
        {"man page example", {"90", "min", "s"}, "5400\n", {}, 0},
        {"mpg to L/100 km", {"30", "mpg", "L/100km"}, "7.8404861111111\n", {}, 0},
        {"L/100 km to mpg", {"7.8404861111111", "L/100km", "mpg"}, "30\n", {}, 0},
        {"gibibyte", {"1", "GiB", "MB"}, "1073.741824\n", {}, 0},
        {"temperature change", {"10", "Degrees Celsius", "Degrees Fahrenheit"}, "18\n", {}, 0},
        {"kilohm", {"1", "kohm", "ohm"}, "1000\n", {}, 0},
        {"rpm", {"1800", "rpm", "Hz"}, "30\n", {}, 0},
        {"statvolt", {"1", "statV", "V"}, "299.792458\n", {}, 0},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));
}

TEST_F(MezuraConvertTest, RefusesBadInputWithOneLineAndStatusTwo) {
    const Case cases[] = {
        {"ambiguous pair",
         {"1", "Ounces", "Ounces"},
         "",
         {"\"Ounces\"", "\"Mass\", \"Volume\"", "--category"},
         2},
        {"ambiguous pair of two names",
         {"1", "Liters", "Quarts"},
         "",
         {"\"Liters\" and \"Quarts\"", "\"Volume\", \"Volume (Dry)\""},
         2},
        {"unknown unit with suggestion",
         {"1", "Kilomters", "Miles"},
         "",
         {"unknown unit \"Kilomters\"", "did you mean \"Kilometers\""},
         2},
        {"suggestion through an alias", {"1", "mpj", "kph"}, "", {"\"Miles/gallon (US)\""}, 2},
        {"case is meaning for mm", {"1", "MM", "km"}, "", {"unknown unit \"MM\""}, 2},
        {"value half read", {"2.5.1", "Meters", "Centimeters"}, "", {"\".1\""}, 2},
        {"value with letters", {"1e", "Meters", "Centimeters"}, "", {"unknown unit \"e\""}, 2},
        {"value of letters", {"abc", "Meters", "Kilometers"}, "", {"\"abc\""}, 2},
        {"value of two signs", {"--", "--5", "Meters", "Kilometers"}, "", {"\"--5\""}, 2},
        {"value not finite", {"1e999", "Meters", "Kilometers"}, "", {"not a finite number"}, 2},
        {"unknown TO",
         {"1", "Celsius", "Farenheit"},
         "",
         {"unknown unit \"Farenheit\"", "\"Fahrenheit\""},
         2},
        {"nothing close",
         {"1", "Zorkmids", "Miles"},
         "",
         {"unknown unit \"Zorkmids\"", "--list"},
         2},
        {"not Windows-1252", {"1", "Meters\xE2\x82\xAC", "Miles"}, "", {"unknown unit"}, 2},
        {"not UTF-8", {"1", "Meters\xB2", "Miles"}, "", {"unknown unit"}, 2},
        {"no common category",
         {"1", "Kilometers", "Grams"},
         "",
         {"not units of one category", "\"Distance\"", "\"Mass\""},
         2},
        {"unknown category",
         {"--category", "Distanse", "1", "Feet", "Meters"},
         "",
         {"unknown category \"Distanse\"", "did you mean \"Distance\""},
         2},
        {"unit not in category",
         {"--category", "Mass", "1", "Ounces", "Cups"},
         "",
         {"\"Cups\" is not a unit of \"Mass\"", "it is in \"Volume\""},
         2},
        {"unknown option",
         {"--precison", "3", "1", "Feet", "Meters"},
         "",
         {"unknown option \"--precison\"", "--precision"},
         2},
        {"unknown short option is an operand",
         {"-x", "Feet", "Meters", "extra"},
         "",
         {"cannot read \"-x Feet Meters extra\" as a conversion"},
         2},
        {"precision 0", {"--precision", "0", "1", "Feet", "Meters"}, "", {"1 to 9", "\"0\""}, 2},
        {"precision 10", {"--precision", "10", "1", "Feet", "Meters"}, "", {"1 to 9", "\"10\""}, 2},
        {"precision missing",
         {"1", "Feet", "Meters", "--precision"},
         "",
         {"--precision needs a value"},
         2},
        {"bad format",
         {"--format", "sci", "1", "Feet", "Meters"},
         "",
         {"auto, scientific or fixed", "\"sci\""},
         2},
        {"two operands, no unit", {"1", "2"}, "", {"VALUE FROM TO", "got 2"}, 2},
        {"no operands", {}, "", {"missing VALUE FROM TO"}, 2},
        {"two modes", {"--all", "--list"}, "", {"--all and --list"}, 2},
        {"flag with value", {"--batch=yes"}, "", {"takes no value"}, 2},
        {"all without FROM", {"--all", "1"}, "", {"--all expects VALUE FROM"}, 2},
        {"batch with operands", {"--batch", "1"}, "", {"--batch", "no arguments"}, 2},
        {"list of unknown category",
         {"--list", "Distanc"},
         "",
         {"unknown category \"Distanc\"", "\"Distance\""},
         2},
        {"free custom slot is no category",
         {"--list", "Custom"},
         "",
         {"unknown category \"Custom\""},
         2},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));
}

TEST_F(MezuraConvertTest, VersionAndHelp) {
    Check({"version", {"--version"}, "mezura-convert 4.0.0\n", {}, 0}, Run({"--version"}));
    Check({"version wins over what follows", {}, "mezura-convert 4.0.0\n", {}, 0},
          Run({"-V", "--bogus"}));
    for (const char* help : {"--help", "-h"}) {
        const ProgramRun run = Run({help});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(run.out.starts_with("Usage:\n")) << run.out;
        for (const char* part :
             {"VALUE FROM TO", "--all VALUE FROM", "--list [CATEGORY]", "--batch", "--category",
              "--format", "--precision", "--profile", "at most 65536 bytes", "Exit status"})
            EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
}

TEST_F(MezuraConvertTest, AllListsEveryUnitOfTheCategoryInCatalogueOrder) {
    ProgramRun run = Run({"--all", "100", "Celsius"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Celsius\t100\nFahrenheit\t212\nKelvin\t373.15\nRankine\t671.67\nReaumur\t80\n");

    run = Run({"--format", "fixed", "--precision", "2", "--all", "1", "Kilometers"});
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "Angstrom\t10000000000000.00");
    EXPECT_EQ(lines[9], "Kilometers\t1.00");
    EXPECT_EQ(lines[13], "Miles\t0.62");

    Check({"ambiguous FROM", {}, "", {"\"Ounces\" fits several categories"}, 2},
          Run({"--all", "1", "Ounces"}));
    run = Run({"--category", "Mass", "--all", "1", "Ounces"});
    EXPECT_EQ(Lines(run.out).size(), 17u);
    EXPECT_EQ(Lines(run.out)[2], "Grams\t28.349523125");
}

TEST_F(MezuraConvertTest, ListShowsCategoriesAndUnitsWithFactors) {
    ProgramRun run = Run({"--list"});
    EXPECT_EQ(run.status, 0);
    auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines.front(), "Acceleration");
    EXPECT_EQ(lines[8], "Currency");
    EXPECT_EQ(lines[10], "Data rate");
    EXPECT_EQ(lines[13], "Distance");
    EXPECT_EQ(lines.back(), "Volume (Dry)");

    run = Run({"--list", "Distance"});
    lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "Angstrom\t1e-08");
    EXPECT_EQ(lines[9], "Kilometers\t100000");
    EXPECT_EQ(lines[13], "Miles\t160934.4");

    EXPECT_EQ(Run({"--list", "Temperature"}).out,
              "Celsius\nFahrenheit\nKelvin\nRankine\nReaumur\n");
    EXPECT_EQ(Run({"--list", "Fuel economy"}).out,
              "Kilometers/liter\nLiters/100 km\nMiles/gallon (UK)\nMiles/gallon (US)\n");
    EXPECT_EQ(Lines(Run({"--list", "Area"}).out)[2], "Centimeters²\t2.4710538146716533e-08");
    EXPECT_EQ(Lines(Run({"--list", "Distance"}).out)[1], "Astronomical Unit (AU)\t14959787070000");
    EXPECT_EQ(Lines(Run({"--list", "Distance"}).out)[16], "Parsecs\t3.0856775814913674e+18");
    EXPECT_EQ(Run({"--category", "Angle (Solid)", "--list"}).out,
              Run({"--list", "Angle (Solid)"}).out);
}

TEST_F(MezuraConvertTest, BatchKeepsOutputInStepWithInput) {
    const std::string input =
        "1\tKilometers\tMiles\n"
        "1\tParsecs\n"  // too few fields
        "3\tOunces\tOunces\tMass\n"
        "\n"                            // empty line
        "100\tCelsius\tFahrenheit\r\n"  // CRLF
        "5\tFoo\tMeters\n"              // unknown unit
        "7\tOunces\tOunces\n"           // ambiguous
        "1\t2\t3\t4\t5\n"               // too many fields
        "-40\tFahrenheit\tCelsius\t\n"  // empty category field
        "2\tMeters\tCentimeters";       // no line end
    const ProgramRun run = Run({"--batch"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "0.62137119223733\n\n3\n\n212\n\n\n\n-40\n200\n");
    const auto errors = Lines(run.err);
    ASSERT_EQ(errors.size(), 5u) << run.err;
    const char* expected[][2] = {{"line 2: ", "found 2 fields"},
                                 {"line 4: ", "empty line"},
                                 {"line 6: ", "unknown unit \"Foo\""},
                                 {"line 7: ", "several categories"},
                                 {"line 8: ", "more than 4 fields"}};
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_NE(errors[i].find(expected[i][0]), std::string::npos) << errors[i];
        EXPECT_NE(errors[i].find(expected[i][1]), std::string::npos) << errors[i];
    }
}

TEST_F(MezuraConvertTest, BatchUsesOptionsAndLargeInputs) {
    ProgramRun run =
        Run({"--batch", "--category", "Volume", "--format", "scientific", "--precision", "2"},
            "1\tOunces\tMilliliters\n1\tOunces\tGrams\tMass\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2.96e+001\n2.83e+001\n");

    EXPECT_EQ(Run({"--batch"}, "").out, "");
    EXPECT_EQ(Run({"--batch"}, "").status, 0);

    Check({"unknown default category", {}, "", {"unknown category \"Volumes\""}, 2},
          Run({"--batch", "--category", "Volumes"}, "1\tOunces\tCups\n"));

    // Lines across block boundaries, and one line longer than a block: past
    // the cap, refused without holding it whole; the next line still converts.
    std::string big, expected;
    for (int i = 0; i < 100000; ++i) {
        big += std::to_string(i) + "\tMeters\tCentimeters\n";
        expected += std::to_string(i * 100) + "\n";
    }
    big += std::string(3 << 20, '7') + "\tMeters\tMeters\n3\tMeters\tCentimeters";
    expected += "\n300\n";
    run = Run({"--batch"}, big);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "mezura-convert: line 100001: line longer than 65536 bytes, the most a line may "
              "hold\n");
    ASSERT_EQ(run.out.size(), expected.size());
    EXPECT_EQ(run.out.substr(0, 1000), expected.substr(0, 1000));
    EXPECT_TRUE(run.out == expected);
}

// Names in messages are shown, never obeyed: a terminal gets no control
// character but the line end, and valid UTF-8 stays readable.
TEST_F(MezuraConvertTest, MessagesShowControlCharactersAsEscapes) {
    const std::string oddProfile = (dir_ / "odd\x1B[2J.ini").string();
    const Case cases[] = {
        {"terminal title and clear",
         {"1", "\x1B]0;owned\a\x1B[2J", "Miles"},
         "",
         {"unknown unit \"\\e]0;owned\\a\\e[2J\""},
         2},
        {"control byte in an option value",
         {"--format", "scientific\x01", "1", "Feet", "Meters"},
         "",
         {"not \"scientific\\x01\""},
         2},
        {"unknown option", {"--all\x1B[1m", "1", "Feet"}, "", {"\"--all\\e[1m\""}, 2},
        {"byte that is not UTF-8",
         {"1", "Meters\xB2", "Miles"},
         "",
         {"unknown unit \"Meters\\xB2\"", "\"Meters\xC2\xB2\""},
         2},
        {"C1 control",
         {"1",
          "Feet\xC2\x9B"
          "2J",
          "Miles"},
         "",
         {"\"Feet\\u009B2J\""},
         2},
        {"unit not in category",
         {"--category", "Mass", "1", "Ounces", "Cups\r"},
         "",
         {"\"Cups\\r\" is not a unit of \"Mass\""},
         2},
        {"profile name",
         {"--profile", oddProfile, "--list"},
         "",
         {"cannot read profile", "odd\\e[2J.ini\""},
         2},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Run(c.arguments);
        Check(c, run);
        EXPECT_EQ(std::count_if(run.err.begin(), run.err.end(),
                                [](char b) { return (b >= 0 && b < 0x20) || b == 0x7F; }),
                  1)
            << c.name << ": " << run.err;
    }

    // A line whose CRLF end was doubled: the name shows its "\r", and the
    // message says where it came from.
    const ProgramRun run = Run({"--batch"}, "1\tKilometers\tMiles\r\r\n1\tFeet\tMeters\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "\n0.3048\n");
    EXPECT_NE(run.err.find("line 1: unknown unit \"Miles\\r\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("stray carriage return"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos) << run.err;
}

// --- The profile -------------------------------------------------------------------

TEST_F(MezuraConvertTest, ProfileCustomUnitsListAndConvert) {
    const std::string profile =
        WriteProfile(dir_ / "units.ini",
                     {"[Settings]", "Custom_2=Money", "Format=2", "[Distance]", "CustomUnits=2",
                      "CustomUnit_1=Pace", "CustomValue_1=76.20000000000000",
                      "CustomUnit_2=Coud\xE9"
                      "e",
                      "CustomValue_2=50.00000000000000", "[Money]", "CustomUnits=2",
                      "CustomUnit_1=Dollar", "CustomValue_1=1.00000000000000", "CustomUnit_2=Cent",
                      "CustomValue_2=0.01000000000000", "[Temperature]", "CustomUnits=1",
                      "CustomUnit_1=Gas mark", "CustomValue_1=1.00000000000000"});
    const auto before = fs::last_write_time(profile);

    ProgramRun run = Run({"--profile", profile, "--list", "Distance"});
    auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 21u) << run.err;
    EXPECT_EQ(lines[19], "Pace\t76.2");
    EXPECT_EQ(lines[20], "Coudée\t50");

    // The profile's Format is the window's setting, not the converter's.
    Check({"custom unit", {}, "2.5\n", {}, 0}, Run({"--profile", profile, "1", "Pace", "Feet"}));
    Check({"UTF-8 custom unit", {}, "0.5\n", {}, 0},
          Run({"--profile=" + profile, "1", "Coudée", "Meters"}));
    Check({"custom category", {}, "1\n", {}, 0},
          Run({"--profile", profile, "100", "Cent", "Dollar"}));
    Check({"custom temperature unit", {}, "Not a number\n", {}, 0},
          Run({"--profile", profile, "10", "Gas mark", "Fahrenheit"}));
    lines = Lines(Run({"--profile", profile, "--list"}).out);
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines.back(), "Money");

    // Read only: the file and its folder are left as they were.
    EXPECT_EQ(fs::last_write_time(profile), before);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"config", "scratch", "units.ini"}));
}

TEST_F(MezuraConvertTest, DefaultProfileIsTheWindowsOne) {
    WriteProfile(dir_ / "config" / "mezura.INI", {"[Mass]", "CustomUnits=1", "CustomUnit_1=Slug",
                                                  "CustomValue_1=14593.90293720600000"});
    Check({"default profile", {}, "1\n", {}, 0}, Run({"14593.902937206", "Grams", "Slug"}));
    // --profile replaces it.
    const std::string other = WriteProfile(dir_ / "other.ini", {"[Settings]"});
    Check({"other profile", {}, "", {"unknown unit \"Slug\""}, 2},
          Run({"--profile", other, "1", "Grams", "Slug"}));
}

// A custom unit never takes over a built-in unit's name or alias: typed in
// exactly one's case a name means that one, else the two are refused as
// ambiguous; one warning names each clash, whatever its case. A custom
// category that repeats a built-in name still takes its place, and is named.
TEST_F(MezuraConvertTest, CustomUnitsNeverTakeOverBuiltInNames) {
    const std::string units = WriteProfile(dir_ / "units.ini", {"[Distance]",
                                                                "CustomUnits=5",
                                                                "CustomUnit_1=Km",
                                                                "CustomValue_1=1.00000000000000",
                                                                "CustomUnit_2=Mi",
                                                                "CustomValue_2=2.00000000000000",
                                                                "CustomUnit_3=Miles",
                                                                "CustomValue_3=1000.00000000000000",
                                                                "CustomUnit_4=MILES",
                                                                "CustomValue_4=2000.00000000000000",
                                                                "CustomUnit_5=Pace",
                                                                "CustomValue_5=76.20000000000000",
                                                                "[Mass]",
                                                                "CustomUnits=1",
                                                                "CustomUnit_1=Lb",
                                                                "CustomValue_1=1.00000000000000",
                                                                "[Pressure]",
                                                                "CustomUnits=1",
                                                                "CustomUnit_1=Psi",
                                                                "CustomValue_1=1.00000000000000"});
    const auto convert = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--profile", units});
        return Run(arguments);
    };
    const struct {
        std::vector<std::string> typed;
        std::vector<std::string> builtin;  // the same conversion by built-in names only
    } meaning[] = {
        {{"5", "km", "mi"}, {"5", "Kilometers", "Miles"}},
        {{"10 km to m"}, {"10", "Kilometers", "Meters"}},
        {{"1", "lb", "kg"}, {"1", "Pounds", "Kilograms"}},
    };
    for (const auto& m : meaning) {
        const ProgramRun typed = convert(m.typed);
        SCOPED_TRACE(m.typed.back());
        EXPECT_EQ(typed.status, 0) << typed.err;
        EXPECT_EQ(typed.out, Run(m.builtin).out);
    }
    // Typed as the profile writes it, the profile's unit: 1 Km = 1 cm.
    Check({"custom exact case", {}, "100000\n", {}, 0}, [&] {
        ProgramRun run = convert({"1", "Kilometers", "Km"});
        run.err.clear();  // the warnings
        return run;
    }());
    // Neither typed exactly as one of them is written: refused, both named.
    const struct {
        std::vector<std::string> typed;
        std::string candidates;
    } ties[] = {
        {{"1", "KM", "Meters"}, "\"KM\" could mean \"Kilometers\" (Distance) or \"Km\" (Distance)"},
        {{"1", "miles", "Meters"},
         "\"miles\" could mean \"Miles\" (Distance) or \"MILES\" (Distance)"},
        {{"1", "psi", "Pascals"}, "\"psi\" could mean \"PSI\" (Pressure) or \"Psi\" (Pressure)"},
    };
    for (const auto& tie : ties) {
        const ProgramRun run = convert(tie.typed);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(tie.candidates), std::string::npos) << run.err;
    }

    // One warning per clash: Km, Mi, Miles (and MILES, the same name), Lb, Psi.
    const ProgramRun run = convert({"1", "Pace", "Feet"});
    EXPECT_EQ(run.out, "2.5\n");
    const auto warnings = Lines(run.err);
    EXPECT_EQ(warnings.size(), 5u) << run.err;
    for (const std::string name : {"Km", "Mi", "Miles", "Lb", "Psi"})
        EXPECT_NE(run.err.find("unit \"" + name + "\""), std::string::npos) << name;
    EXPECT_NE(run.err.find("\"Kilometers\" (\"km\")"), std::string::npos) << run.err;

    const std::string category =
        WriteProfile(dir_ / "category.ini", {"[Settings]", "Custom_1=Mass", "Custom_2=Money"});
    const ProgramRun list = Run({"--profile", category, "--list"});
    Check({"custom category Mass", {}, list.out, {"warning", "category \"Mass\"", "built-in"}, 0},
          list);
    EXPECT_EQ(list.err.find("Money"), std::string::npos);
}

// --list and --names show a profile's names as messages do: no control byte
// reaches the terminal and no TAB splits a column.
TEST_F(MezuraConvertTest, ListingsShowControlBytesAsEscapes) {
    const std::string profile =
        WriteProfile(dir_ / "odd.ini", {"[Settings]", "Custom_1=Ev\x1B[2Jil", "[Ev\x1B[2Jil]",
                                        "CustomUnits=2", "CustomUnit_1=Be\all", "CustomValue_1=1",
                                        "CustomUnit_2=Ta\tb", "CustomValue_2=2"});
    for (const std::string mode : {"--names", "--list"}) {
        std::vector<std::string> arguments = {"--profile", profile, mode};
        if (mode == "--list") arguments.push_back("Ev\x1B[2Jil");
        const ProgramRun run = Run(arguments);
        SCOPED_TRACE(mode);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(
            std::count_if(
                run.out.begin(), run.out.end(),
                [](char b) { return (b >= 0 && b < 0x20 && b != '\t' && b != '\n') || b == 0x7F; }),
            0);
        EXPECT_NE(run.out.find("Be\\all"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("Ta\\tb"), std::string::npos) << run.out;
    }
    const ProgramRun names = Run({"--profile", profile, "--names"});
    EXPECT_NE(names.out.find("Ev\\e[2Jil\tTa\\tb\t\n"), std::string::npos) << names.out;
    const ProgramRun all = Run({"--profile", profile, "--list"});
    EXPECT_NE(all.out.find("Ev\\e[2Jil\n"), std::string::npos) << all.out;
}

TEST_F(MezuraConvertTest, UnreadableProfileIsAnError) {
    fs::create_directories(dir_ / "folder.ini");
    ASSERT_EQ(::mkfifo((dir_ / "fifo.ini").c_str(), 0600), 0);
    // Sparse: over the size limit without taking the disk space.
    const std::string big = WriteProfile(
        dir_ / "big.INI",
        {"[Distance]", "CustomUnits=1", "CustomUnit_1=Rods", "CustomValue_1=5.02920000000000"});
    ASSERT_EQ(::truncate(big.c_str(), 300 << 20), 0);
    const Case cases[] = {
        {"missing",
         {"--profile", (dir_ / "missing.ini").string(), "1", "Feet", "Meters"},
         "",
         {"cannot read profile", "missing.ini", "No such file"},
         2},
        {"folder",
         {"--profile", (dir_ / "folder.ini").string(), "--list"},
         "",
         {"cannot read profile", "folder.ini", "folder"},
         2},
        {"not a file",
         {"--profile", (dir_ / "fifo.ini").string(), "--list"},
         "",
         {"cannot read profile", "fifo.ini", "not a regular file"},
         2},
        {"empty name", {"--profile=", "--list"}, "", {"--profile needs a file name"}, 2},
        {"too large",
         {"--profile", big, "1", "Rods", "Meters"},
         "",
         {"cannot read profile", "big.INI", "too large"},
         2},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));

    // The window's own profile as a folder is no more readable.
    fs::create_directories(dir_ / "config" / "mezura.INI");
    Check({"default profile a folder", {}, "", {"cannot read profile", "mezura.INI"}, 2},
          Run({"--list"}));
    fs::remove(dir_ / "config" / "mezura.INI");
    fs::rename(big, dir_ / "config" / "mezura.INI");
    Check({"default profile too large",
           {},
           "",
           {"cannot read profile", "mezura.INI", "too large"},
           2},
          Run({"1", "Feet", "Meters"}));
}

}  // namespace

// --- Names as people type them -------------------------------------------------

namespace {

// Each typed form against the same conversion written with exact names.
TEST_F(MezuraConvertTest, AliasesAndAnyCaseConvertAsTheExactNames) {
    struct Row {
        std::vector<std::string> typed;
        std::vector<std::string> exact;
    };
    const Row rows[] = {
        {{"5", "km", "mi"}, {"5", "Kilometers", "Miles"}},
        {{"5 km to mi"}, {"5", "Kilometers", "Miles"}},
        {{"5km in mi"}, {"5", "Kilometers", "Miles"}},
        {{"5km mi"}, {"5", "Kilometers", "Miles"}},
        {{"3.2 Pound Force N"}, {"3.2", "Pound Force", "Newtons"}},
        {{"3.2 pound force  newtons"}, {"3.2", "Pound Force", "Newtons"}},
        {{"1 Light years Parsecs"}, {"1", "Light years", "Parsecs"}},
        {{"100 °F to °C"}, {"100", "Fahrenheit", "Celsius"}},
        {{"-1.5e3 in to cm"}, {"-1500", "Inches", "Centimeters"}},
        {{"2 in in cm"}, {"2", "Inches", "Centimeters"}},
        {{"1", "KILOMETERS", "miles"}, {"1", "Kilometers", "Miles"}},
        {{"1", "µm", "mm"}, {"1", "Micron", "Millimeters"}},
        {{"3", "min", "s"}, {"--category", "Time", "3", "Minutes", "Seconds"}},
        {{"3", "min", "deg"}, {"--category", "Angle", "3", "Minutes", "Degrees"}},
        {{"--category", "angle", "3", "min", "sec"},
         {"--category", "Angle", "3", "Minutes", "Seconds"}},
        {{"1", "Gal", "ft/s²"}, {"1", "Galileo", "Feet/sec²"}},
        {{"1", "psi", "kPa"}, {"1", "PSI", "Kilopascals"}},
        {{"--all", "1", "lb"}, {"--all", "1", "Pounds"}},
        {{"--list", "volume (dry)"}, {"--list", "Volume (Dry)"}},
    };
    for (const Row& row : rows) {
        const ProgramRun typed = Run(row.typed);
        const ProgramRun exact = Run(row.exact);
        SCOPED_TRACE(row.typed.back());
        EXPECT_EQ(typed.err, "");
        EXPECT_EQ(typed.status, 0);
        EXPECT_FALSE(exact.out.empty());
        EXPECT_EQ(typed.out, exact.out);
    }
}

TEST_F(MezuraConvertTest, AmbiguousNamesListTheirCandidates) {
    const Case cases[] = {
        {"across categories",
         {"1", "min", "sec"},
         "",
         {"\"Minutes\" and \"Seconds\" in \"Angle\"", "\"Minutes\" and \"Seconds\" in \"Time\"",
          "--category"},
         2},
        {"within a category",
         {"1", "ton", "kg"},
         "",
         {"\"ton\" could mean \"Tons\" (Mass), \"Tons(long)\" (Mass) or \"Tons(metric)\" (Mass)"},
         2},
        {"within a named category",
         {"--category", "Mass", "1", "kg", "TON"},
         "",
         {"could mean"},
         2},
        {"case is meaning", {"1", "Mm", "km"}, "1000\n", {}, 0},
        {"one argument without a number",
         {"km to mi"},
         "",
         {"\"km to mi\"", "VALUE FROM to TO"},
         2},
        {"one argument whose words name no two units",
         {"5 km zorkmids"},
         "",
         {"VALUE FROM to TO"},
         2},
        {"names takes no argument", {"--names", "Distance"}, "", {"--names takes no arguments"}, 2},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));
}

TEST_F(MezuraConvertTest, NamesPrintsEveryUnitWithItsAliasesCustomOnesIncluded) {
    const std::string profile =
        WriteProfile(dir_ / "names.ini",
                     {"[Settings]", "Custom_1=Empty", "Custom_2=Money", "[Money]", "CustomUnits=1",
                      "CustomUnit_1=Dollar", "CustomValue_1=1.0", "[Distance]", "CustomUnits=1",
                      "CustomUnit_1=Smoot", "CustomValue_1=170.18"});
    const ProgramRun run = Run({"--profile", profile, "--names"});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 413u + 2u);  // two custom units; the empty category has no line
    for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    // The German spellings follow the English ones, each once.
    EXPECT_TRUE(has("Distance\tMiles\tmi, mile, Meilen, Meile, Landmeile, Landmeilen"));
    EXPECT_TRUE(has("Temperature\tCelsius\t°C, degC, deg C, centigrade, Grad Celsius"));
    EXPECT_TRUE(
        has("Power\tMetric horsepower\tmetric hp, hp(M), metric horsepowers, PS, "
            "Pferdestärke, Pferdestärken"));
    EXPECT_TRUE(has("Distance\tSmoot\t"));
    EXPECT_TRUE(has("Money\tDollar\t"));
    for (const auto& line : lines) EXPECT_FALSE(line.starts_with("Empty")) << line;
    // Custom units match in any case too.
    Check({"custom unit in any case", {}, "170.18\n", {}, 0},
          Run({"--profile", profile, "1", "SMOOT", "cm"}));
}

// German spellings are names like any other, whatever the language of the
// session; "in" and "nach" read like "to".
TEST_F(MezuraConvertTest, GermanNamesConvertInAnyLanguage) {
    for (const char* language : {"LANGUAGE=de:en", "LANGUAGE=en"}) {
        SCOPED_TRACE(language);
        const auto run = [&](const std::vector<std::string>& arguments,
                             const std::string& input = {}) {
            return RunProgram(MEZURA_CONVERT_PATH, arguments, input,
                              {"XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                               "XDG_CACHE_HOME=" + (dir_ / "cache").string(),
                               "HOME=" + dir_.string(), language, "LC_ALL=de_DE.UTF-8"},
                              dir_ / "scratch");
        };
        Check({"Zoll", {}, "25.4\n", {}, 0}, run({"10 Zoll in Zentimeter"}));
        Check({"PS", {}, "735.49875\n", {}, 0}, run({"1 PS in W"}));
        Check({"Grad Celsius", {}, "68\n", {}, 0}, run({"20 Grad Celsius in Fahrenheit"}));
        Check({"nach", {}, "3.048\n", {}, 0}, run({"10 Fuß nach m"}));
        Check({"three arguments", {}, "50\n", {}, 0}, run({"1", "Zentner", "kg"}));
        Check({"batch", {}, "1.852\n180\n1000\n", {}, 0},
              run({"--batch"}, "1\tSeemeile\tkm\n3\tStunden\tMinuten\n1\tKubikmeter\tLiter\n"));
        Check({"German category", {}, "1.609344\n", {}, 0},
              run({"--category", "Entfernung", "1", "Meile", "km"}));
    }
}

// The point in and out, for scripts, whatever the language: a decimal comma
// is refused with the value as it must be written, not read as 1.
TEST_F(MezuraConvertTest, ADecimalCommaIsRefusedWithThePointToWrite) {
    const std::string advice = "\"1,5\" has a decimal comma: write it as \"1.5\"";
    Check({"three arguments", {}, "", {advice}, 2}, Run({"1,5", "km", "m"}));
    Check({"one phrase", {}, "", {advice}, 2}, Run({"1,5 km to m"}));
    Check({"the point", {}, "1500\n", {}, 0}, Run({"1.5", "km", "m"}));
    const ProgramRun batch = Run({"--batch"}, "1,5\tkm\tm\n");
    EXPECT_NE(batch.err.find(advice), std::string::npos) << batch.err;
}

TEST_F(MezuraConvertTest, BatchTakesAliasesAndRemembersSuggestions) {
    std::string input = "1\tkm\tmi\n1\tKilometers\tMiles\n1\tmin\tsec\tTime\n";
    for (int i = 0; i < 3; ++i) input += "1\tKilomters\tMiles\n";
    const ProgramRun run = Run({"--batch"}, input);
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0], out[1]);
    EXPECT_EQ(out[2] + "\n", Run({"--category", "Time", "1", "Minutes", "Seconds"}).out);
    const auto errors = Lines(run.err);
    ASSERT_EQ(errors.size(), 3u);
    // The same advice for each bad line, remembered or not.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(errors[i], "mezura-convert: line " + std::to_string(4 + i) +
                                 ": unknown unit \"Kilomters\"; did you mean \"Kilometers\", "
                                 "\"Kilometers²\" or \"Kilobytes\"?");
}

// A batch turns unknown names away by the set of every name once it has
// looked up a few; its messages must still be those of one conversion.
TEST_F(MezuraConvertTest, BatchRefusesLinesAsOneConversionDoes) {
    const std::string profile = WriteProfile(
        dir_ / "tie.ini",
        {"[Distance]", "CustomUnits=1", "CustomUnit_1=Km", "CustomValue_1=1.00000000000000"});
    const std::vector<std::vector<std::string>> bad = {
        {"1", "ton", "kg"},                       // ambiguous on purpose
        {"1", "TON", "kg", "Mass"},               // the same within a category
        {"1", "KM", "Meters"},                    // a built-in and a custom unit alike
        {"1", "Kilomters", "Miles"},              // a slip among every unit
        {"1", "Kilomters", "Miles", "Distance"},  // a slip within a category
        {"1", "Cups", "Grams", "Mass"},           // a unit of another category
        {"1", "Kilo\xE2\x98\x83ters", "Miles"},   // beyond the code page
        {"1", "Km", "Miles", "Distanse"},         // a slip in the category
        {"1", "km", "kg"},                        // no category in common
    };
    // More distinct good names first than are looked up one by one.
    std::string input;
    for (const char* unit : {"Meters", "Feet", "Inches", "Yards", "Miles", "Kilometers",
                             "Centimeters", "Millimeters", "Furlongs", "Parsecs"})
        input += std::string("1\t") + unit + "\tMeters\n";
    for (const auto& fields : bad) {
        for (std::size_t i = 0; i < fields.size(); ++i) input += (i ? "\t" : "") + fields[i];
        input += '\n';
    }
    const ProgramRun batch = Run({"--profile", profile, "--batch"}, input);
    std::vector<std::string> refused;
    for (const std::string& line : Lines(batch.err)) {
        if (line.starts_with("mezura-convert: line ")) refused.push_back(line);
    }
    ASSERT_EQ(refused.size(), bad.size()) << batch.err;
    for (std::size_t i = 0; i < bad.size(); ++i) {
        std::vector<std::string> arguments{"--profile", profile};
        if (bad[i].size() == 4) arguments.insert(arguments.end(), {"--category", bad[i][3]});
        arguments.insert(arguments.end(), bad[i].begin(), bad[i].begin() + 3);
        const auto single = Lines(Run(arguments).err);
        ASSERT_FALSE(single.empty());
        EXPECT_EQ(refused[i], "mezura-convert: line " + std::to_string(11 + i) + ": " +
                                  single.back().substr(std::string("mezura-convert: ").size()));
    }
}

}  // namespace

TEST_F(MezuraConvertTest, ReadsAndWritesMixedValues) {
    const std::vector<std::string> fixed2 = {"--format", "fixed", "--precision", "2"};
    auto with = [](std::vector<std::string> options, std::vector<std::string> operands) {
        options.insert(options.end(), operands.begin(), operands.end());
        return options;
    };
    const Case cases[] = {
        {"fraction", {"3/4", "in", "cm"}, "1.905\n", {}, 0},
        {"mixed number", {"1 1/2", "ft", "in"}, "18\n", {}, 0},
        {"sum with its units", {"5 ft 3 in", "cm"}, "160.02\n", {}, 0},
        {"sum with plus", {"5 ft + 3 in", "cm"}, "160.02\n", {}, 0},
        {"primes", {"5' 3\"", "cm"}, "160.02\n", {}, 0},
        {"primes without blanks", {"5'3\"", "in"}, "63\n", {}, 0},
        {"sum with a mixed number", {"5 ft 3 1/2 in", "in"}, "63.5\n", {}, 0},
        {"minus for the whole sum", {"-5 ft 3 in", "in"}, "-63\n", {}, 0},
        {"pounds and ounces", with(fixed2, {"3 lb 4 oz", "lb"}), "3.25\n", {}, 0},
        {"stones and pounds", with(fixed2, {"12 st 4 lb", "lb"}), "172.00\n", {}, 0},
        {"hours and minutes", with(fixed2, {"2 h 30 min", "min"}), "150.00\n", {}, 0},
        {"h min s", with(fixed2, {"1 h 2 min 3 s", "s"}), "3723.00\n", {}, 0},
        {"degrees minutes seconds",
         with({"--format", "fixed"}, {"30\xC2\xB0 15\xE2\x80\xB2 10\xE2\x80\xB3", "deg"}),
         "30.25278\n",
         {},
         0},
        {"degrees with ASCII primes",
         with({"--format", "fixed"}, {"30\xC2\xB0 15' 10\"", "deg"}),
         "30.25278\n",
         {},
         0},
        {"feet and inches", {"1.75", "m", "ft+in"}, "5 ft 8.8976377952756 in\n", {}, 0},
        {"semicolon list", {"1.75", "m", "ft;in"}, "5 ft 8.8976377952756 in\n", {}, 0},
        {"rounding carries", {"1.8288", "m", "ft+in"}, "6 ft 0 in\n", {}, 0},
        {"to an eighth", {"--fraction", "8", "1.75", "m", "ft+in"}, "5 ft 8 7/8 in\n", {}, 0},
        {"one target to a sixteenth", {"--fraction", "16", "3.3 cm", "in"}, "1 5/16\n", {}, 0},
        {"negative target", {"--fraction", "2", "-1.75", "m", "ft+in"}, "-5 ft 9 in\n", {}, 0},
        {"three parts", {"100", "in", "yd+ft+in"}, "2 yd 2 ft 4 in\n", {}, 0},
        {"stones", with(fixed2, {"172", "lb", "st+lb"}), "12 st 4.00 lb\n", {}, 0},
        {"hours", with(fixed2, {"2.5", "h", "h+min+s"}), "2 h 30 min 0.00 s\n", {}, 0},
        {"degrees",
         with(fixed2, {"30.2528", "deg", "\xC2\xB0+\xE2\x80\xB2+\xE2\x80\xB3"}),
         "30\xC2\xB0 15\xE2\x80\xB2 10.08\xE2\x80\xB3\n",
         {},
         0},
        {"phrase with a sum", {"5 ft 3 in to cm"}, "160.02\n", {}, 0},
        {"phrase split at the last good in", {"5 ft 3 in in cm"}, "160.02\n", {}, 0},
        {"phrase with a fraction", {"3/4 in to cm"}, "1.905\n", {}, 0},
        {"phrase to a list", {"1.8288 m in ft+in"}, "6 ft 0 in\n", {}, 0},
        {"categories named both",
         {"5 ft 3 lb", "cm"},
         "",
         {"\"ft\" and \"lb\" are not units of one category", "Distance", "Mass"},
         2},
        {"amount without a unit", {"5 ft 3", "cm"}, "", {"\"5 ft 3\"", "value with its unit"}, 2},
        {"list smallest first", {"1", "m", "in+ft"}, "", {"largest to the smallest"}, 2},
        {"temperatures are not summed",
         {"5 \xC2\xB0"
          "C 3 \xC2\xB0"
          "C",
          "K"},
         "",
         {"temperatures cannot be added"},
         2},
        {"fuel economies are not summed",
         {"1 mpg 2 mpg", "mpg"},
         "",
         {"fuel economies cannot be added"},
         2},
        {"fuel economies are not summed in km/L",
         {"10 km/L 5 km/L", "km/L"},
         "",
         {"fuel economies cannot be added"},
         2},
        {"a fuel economy is not split", {"30", "mpg", "mpg+km/L"}, "", {"cannot be split"}, 2},
        // The digits of 1e300 m in feet are noise: the result format.
        {"huge whole part",
         {"--format", "scientific", "1e300 m", "ft+in"},
         "3.28084e+300 ft 0.00000e+000 in\n",
         {},
         0},
        {"several categories fit",
         {"3 min 2 sec", "sec"},
         "",
         {"fit several categories (\"Angle\", \"Time\")", "--category"},
         2},
        {"bad fraction", {"--fraction", "10", "1", "m", "in"}, "", {"--fraction takes 2, 4"}, 2},
    };
    for (const Case& c : cases) Check(c, Run(c.arguments));
}

// A fraction gone wrong is refused as VALUE, on a --batch line and by --all
// as the one-argument phrase refuses it, never read as its leading number.
TEST_F(MezuraConvertTest, BadFractionsAreRefusedWhereverAValueIsRead) {
    const std::vector<std::string> bad = {"1/0", "5/0", "0/0", "1/2/3", "1 -1/2", "1/1e5", "3/4x"};
    std::string input;
    for (const std::string& value : bad) {
        const ProgramRun run = Run({value, "ft", "in"});
        EXPECT_EQ(run.status, 2) << value;
        EXPECT_EQ(run.out, "") << value;
        EXPECT_EQ(run.err, "mezura-convert: cannot read \"" + value +
                               "\" as a value; write a number, a fraction such as \"3/4\" or a "
                               "mixed number such as \"1 1/2\"\n");
        EXPECT_EQ(Run({value + " ft to in"}).status, 2) << value;
        EXPECT_EQ(Run({"--all", value, "ft"}).status, 2) << value;
        input += value + "\tft\tin\n";
    }
    input += "3/4\tft\tin\n1 mpg 2 mpg\t\tmpg\n";
    const ProgramRun batch = Run({"--batch"}, input);
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.out, std::string(bad.size(), '\n') + "9\n\n");
    EXPECT_NE(batch.err.find("line 4: cannot read \"1/2/3\" as a value"), std::string::npos)
        << batch.err;
    EXPECT_NE(batch.err.find("line 9: fuel economies cannot be added"), std::string::npos)
        << batch.err;
    const ProgramRun all = Run({"--all", "3/4", "mi"});
    EXPECT_NE(all.out.find("Kilometers\t1.207008\n"), std::string::npos) << all.out;
}

TEST_F(MezuraConvertTest, BatchLinesTakeMixedValues) {
    const ProgramRun run = Run({"--batch", "--fraction", "8"},
                               "5 ft 3 in\t\tin\n"
                               "1.75\tm\tft+in\n"
                               "1 1/2\tft\tin\n"
                               "5 ft 3 lb\t\tcm\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "63\n5 ft 8 7/8 in\n18\n\n");
    EXPECT_NE(run.err.find("line 4: \"ft\" and \"lb\""), std::string::npos) << run.err;
}
