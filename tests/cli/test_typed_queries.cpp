// mezura-convert as people type a query: the built binary, with its own empty
// configuration folder, or with a profile written here byte by byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

namespace fs = std::filesystem;

class TypedQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mezura-typed-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "config");
        fs::create_directories(dir_ / "scratch");
    }
    void TearDown() override { fs::remove_all(dir_); }

    ProgramRun Run(std::vector<std::string> arguments, const std::string& input = {}) {
        if (!profile_.empty()) arguments.insert(arguments.begin(), {"--profile", profile_});
        return RunProgram(MEZURA_CONVERT_PATH, arguments, input,
                          {"XDG_CONFIG_HOME=" + (dir_ / "config").string(),
                           "XDG_CACHE_HOME=" + (dir_ / "cache").string(), "HOME=" + dir_.string()},
                          dir_ / "scratch");
    }

    // The profile every later Run reads: lines joined with CRLF, Windows-1252 bytes.
    void UseProfile(const std::vector<std::string>& lines) {
        profile_ = (dir_ / "profile.ini").string();
        std::ofstream out(profile_, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
    }

    fs::path dir_;
    std::string profile_;
};

// What a run printed and how it ended, for one comparison.
struct Outcome {
    std::string out;
    int status;
    bool operator==(const Outcome&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "status " << o.status << ", out \"" << o.out << "\"";
}
Outcome Of(const ProgramRun& run) { return {run.out, run.status}; }

}  // namespace

// Names a profile may hold from before they were refused: each still loads
// and converts when named exactly as written, and never takes a query's
// words or signs over.
TEST_F(TypedQueryTest, ProfileNamesLikeTheGrammarAreMatchedOnlyAsWritten) {
    UseProfile({"[Settings]", "Custom_1=In", "[Volume]", "CustomUnits=1", "CustomUnit_1=To",
                "CustomValue_1=946.35294600000000", "[Distance]", "CustomUnits=1",
                "CustomUnit_1=Ft+in", "CustomValue_1=1000.00000000000000", "[In]", "CustomUnits=1",
                "CustomUnit_1=Per", "CustomValue_1=1.00000000000000"});
    // Exactly as written: the profile's units, 1 To = 2 pints, 1 Ft+in = 10 m.
    EXPECT_EQ(Of(Run({"2", "To", "Pints"})), (Outcome{"4\n", 0}));
    EXPECT_EQ(Of(Run({"1", "Ft+in", "Meters"})), (Outcome{"10\n", 0}));
    EXPECT_EQ(Of(Run({"--category", "In", "3", "Per", "Per"})), (Outcome{"3\n", 0}));
    // In another case, or as a word of a phrase, the grammar's.
    EXPECT_EQ(Of(Run({"2 to pints"})).status, 2);
    EXPECT_EQ(Of(Run({"2 to pints"})).out, "");
    EXPECT_EQ(Of(Run({"2", "to", "Pints"})).status, 2);
    const Outcome list{"5 ft 8.8976377952756 in\n", 0};
    EXPECT_EQ(Of(Run({"1.75", "m", "ft+in"})), list);
    EXPECT_EQ(Of(Run({"1.75 m to ft+in"})), list);
    EXPECT_EQ(Of(Run({"--batch"}, "1.75\tm\tft+in\n")), list);
    EXPECT_EQ(Of(Run({"--category", "in", "3", "Per", "Per"})).status, 2);
}

// A phrase is read alike quoted as one argument or given word by word, its
// "to" or "in" in any case, its number glued to its unit or not.
TEST_F(TypedQueryTest, APhraseGivenWordByWordReadsAsOneArgument) {
    const struct {
        std::vector<std::string> typed;
        std::string phrase;  // the same, quoted
    } cases[] = {
        {{"5", "km", "to", "mi"}, "5 km to mi"},
        {{"3", "ft", "in", "in"}, "3 ft in in"},
        {{"2.5", "KG", "TO", "LB"}, "2.5 kg to lb"},
        {{"2.5 KG TO LB"}, "2.5 kg to lb"},
        {{"100", "°F", "In", "°C"}, "100 °F in °C"},
        {{"5km", "to", "mi"}, "5 km to mi"},
        {{"5km", "TO", "mi"}, "5 km to mi"},
        {{"5km to mi"}, "5 km to mi"},
        {{"1", "Light", "years", "to", "Parsecs"}, "1 Light years to Parsecs"},
        {{"5", "ft", "3", "in", "to", "cm"}, "5 ft 3 in to cm"},
        {{"1.75", "m", "to", "ft+in"}, "1.75 m to ft+in"},
    };
    for (const auto& c : cases) {
        const ProgramRun quoted = Run({c.phrase});
        const ProgramRun typed = Run(c.typed);
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(quoted.status, 0) << quoted.err;
        EXPECT_FALSE(quoted.out.empty());
        EXPECT_EQ(Of(typed), Of(quoted)) << typed.err;
    }
    const ProgramRun bad = Run({"5", "km", "zorkmids", "mi"});
    EXPECT_EQ(Of(bad), (Outcome{"", 2}));
    EXPECT_NE(bad.err.find("cannot read \"5 km zorkmids mi\" as a conversion"), std::string::npos)
        << bad.err;
}

// Three arguments are VALUE FROM TO, read as ever, however much they look
// like a phrase; only a FROM of "to", which names no unit, makes them one.
TEST_F(TypedQueryTest, ThreeArgumentsStayValueFromTo) {
    // A VALUE of "5km" is not half-read as 5 inches: it is refused, since
    // "in" is FROM here and the km would be dropped without a word.
    EXPECT_EQ(Of(Run({"5km", "in", "mi"})), (Outcome{"", 2}));
    EXPECT_EQ(Of(Run({"1", "Light", "years"})).status, 2);
    EXPECT_EQ(Of(Run({"3", "ft", "in"})), (Outcome{"36\n", 0}));
    // A unit the profile calls "To" keeps its three-argument meaning.
    UseProfile(
        {"[Volume]", "CustomUnits=1", "CustomUnit_1=To", "CustomValue_1=946.35294600000000"});
    EXPECT_EQ(Of(Run({"2", "To", "Pints"})), (Outcome{"4\n", 0}));
}

// A value with one unit and nothing to convert it to is written in the
// units the desktop search offers first, one a line.
TEST_F(TypedQueryTest, AValueWithoutATargetInTheSuggestedUnits) {
    const Outcome km{"3.1068559611867 mi\n5468.0664916885 yd\n5000 m\n", 0};
    EXPECT_EQ(Of(Run({"5 km"})), km);
    EXPECT_EQ(Of(Run({"5km"})), km);
    EXPECT_EQ(Of(Run({"5", "km"})), km);
    EXPECT_EQ(Of(Run({"--format", "fixed", "--precision", "2", "2 h"})),
              (Outcome{"7200.00 s\n120.00 min\n0.08 d\n", 0}));
    EXPECT_EQ(Of(Run({"100 °C"})), (Outcome{"212 °F\n373.15 K\n671.67 °R\n", 0}));
    // "min" is in Angle and Time: named by --category, else refused as ever.
    const ProgramRun minutes = Run({"5 min"});
    EXPECT_EQ(Of(minutes), (Outcome{"", 2}));
    EXPECT_NE(minutes.err.find("--category"), std::string::npos) << minutes.err;
    EXPECT_EQ(Of(Run({"--category", "Time", "5 min"})).out,
              "300 s\n0.083333333333333 h\n0.0034722222222222 d\n");
    const ProgramRun slip = Run({"5 kmz"});
    EXPECT_EQ(Of(slip), (Outcome{"", 2}));
    EXPECT_NE(slip.err.find("unknown unit \"kmz\""), std::string::npos) << slip.err;
}

// Nothing is half-read and no number that is not the answer is printed: each
// refusal exits 2 with nothing on standard output and says what it refused.
TEST_F(TypedQueryTest, RefusesWhatItCannotReadWholeOrWriteFinite) {
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } refusals[] = {
        // Something left over after the number.
        {{"2.5.1", "m", "ft"}, "\".1\""},
        {{"3*12x", "in", "ft"}, "\"x\""},
        {{"1e", "m", "ft"}, "\"e\""},
        {{"1,5", "km", "mi"}, "1.5"},
        {{"1,5 km to mi"}, "1.5"},
        // Not finite: the value, an unwritable power, a division by zero,
        // and a result past the largest double.
        {{"1e400", "m", "ft"}, "not a finite number"},
        {{"1e400 m to ft"}, "not a finite number"},
        {{"1 m^999 to ft^999"}, "powers go up to 32"},
        {{"10/0 m to ft"}, "not a finite number"},
        {{"10/0", "m", "ft"}, "\"10/0\""},
        {{"1e300 km^3 to mm^3"}, "not a finite number"},
        {{"1e300*1e300 m to ft"}, "not a finite number"},
        // Colder than anything can be, on either scale and either way in.
        {{"-300", "°C", "K"}, "below absolute zero"},
        {{"-500 °F to °C"}, "below absolute zero"},
        {{"-1 K to °C"}, "below absolute zero"},
    };
    for (const auto& refusal : refusals) {
        const ProgramRun run = Run(refusal.arguments);
        SCOPED_TRACE(refusal.arguments.front());
        EXPECT_EQ(Of(run), (Outcome{"", 2}));
        EXPECT_NE(run.err.find(refusal.says), std::string::npos) << run.err;
    }
    // A --batch line is refused alike, its output line left empty.
    const ProgramRun batch = Run({"--batch"}, "1e400\tm\tft\n3*12\tin\tft\n-300\t°C\tK\n");
    EXPECT_EQ(Of(batch), (Outcome{"\n3\n\n", 1}));
}

// --explain says how a query was read instead of its result, and names
// both dimensions where they differ.
TEST_F(TypedQueryTest, ExplainShowsTheReading) {
    EXPECT_EQ(Of(Run({"--explain", "1 kg/m^3 to lb/ft^3"})),
              (Outcome{"1 kg·m⁻³ → lb·ft⁻³, density (mass/length³), × 0.062427960576145\n", 0}));
    EXPECT_EQ(Of(Run({"--explain", "1", "Nm", "ft lbf"})).out,
              "1 Nm → ft lbf, energy or torque (mass·length²/time²), × 0.73756214927727\n");
    const ProgramRun apart = Run({"--explain", "1", "kg/m^3", "lb/ft^2"});
    EXPECT_EQ(Of(apart), (Outcome{"", 2}));
    EXPECT_NE(apart.err.find("\"kg/m^3\" is density (mass/length³); \"lb/ft^2\" is mass/length²"),
              std::string::npos)
        << apart.err;
    // What the dimensions do not reach still says its category and result.
    EXPECT_EQ(Of(Run({"--explain", "30 mpg to L/100km"})).out,
              "30 mpg → L/100km, fuel economy, = 7.8404861111111\n");
    EXPECT_EQ(Of(Run({"--explain", "5 ft 3 in", "cm"})).out, "5 ft 3 in → cm, = 160.02\n");
    EXPECT_EQ(Of(Run({"--explain", "5 km"})).status, 2);
    EXPECT_EQ(Of(Run({"--explain", "--batch"})).status, 2);
}

// A batch reads each side of an expression once and keeps its refusals: a
// line met again answers, or is refused, exactly as the first time.
TEST_F(TypedQueryTest, ALineMetAgainAnswersAsTheFirstTime) {
    const std::vector<std::string> lines = {
        "1\tkJ\tkcal",        "2.5\tkg/m^3\tlb/ft^3", "1\tkJz\tkcal",
        "3\tkg/m^3\tlb/ft^2", "1\tKilometeys\tmi",    "7\tGb\tMB",
        "1\tN*m\tft*lbf",     "4\tkm/h\tmph",
    };
    std::string once, twice;
    for (const auto& line : lines) once += line + "\n";
    twice = once + once;
    const ProgramRun first = Run({"--batch"}, once);
    const ProgramRun both = Run({"--batch"}, twice);
    EXPECT_EQ(both.out, first.out + first.out);
    // The messages name their line; past that, the same words.
    std::istringstream err(both.err);
    std::vector<std::string> messages;
    for (std::string line; std::getline(err, line);)
        messages.push_back(line.substr(line.find(':', line.find("line ")) + 1));
    ASSERT_EQ(messages.size() % 2, 0u) << both.err;
    const std::size_t half = messages.size() / 2;
    ASSERT_EQ(half, 3u) << both.err;
    for (std::size_t i = 0; i < half; ++i) EXPECT_EQ(messages[i], messages[half + i]);
    // And the first answers are each line's own, as a run of that line alone.
    EXPECT_EQ(Run({"1", "kJ", "kcal"}).out, "0.23900573613767\n");
    EXPECT_EQ(first.out.substr(0, first.out.find('\n') + 1), "0.23900573613767\n");
}

// A bare F or C after a number is the weather first, as the desktop search
// offers it, and the catalogue's unit of the letter after; a reading that
// would lie below absolute zero is left out. --all and a value without a
// target read their value whole, as a conversion does.
TEST_F(TypedQueryTest, ValueWithoutTargetReadsAsTheSearchOffersIt) {
    const ProgramRun weather = Run({"72 F"});
    EXPECT_EQ(weather.status, 0);
    EXPECT_TRUE(weather.out.starts_with("22.222222222222 °C\n")) << weather.out;
    EXPECT_NE(weather.out.find("µF\n"), std::string::npos) << weather.out;
    EXPECT_TRUE(Run({"20", "C"}).out.starts_with("68 °F\n"));
    const ProgramRun charge = Run({"-500 F"});
    EXPECT_EQ(charge.status, 0);
    EXPECT_TRUE(charge.out.starts_with("-500000000 µF\n")) << charge.out;
    EXPECT_EQ(Of(Run({"-500 °F"})), (Outcome{"", 2}));
    EXPECT_EQ(Of(Run({"--all", "5x", "km"})), (Outcome{"", 2}));
    EXPECT_EQ(Of(Run({"--all", "--", "-300", "°C"})), (Outcome{"", 2}));
}
