#pragma once
// The command line of mezura-convert, parsed.
//
// An argument is an option only when it starts with "--" or is one of the
// short options -h and -V; everything else, "-", "-5", "-.5" and "-1e3"
// included, is an operand, so negative values need no quoting. "--" ends the
// options. Options that take a value accept "--precision 3" and
// "--precision=3".
//
//   mezura-convert -5 Celsius Fahrenheit          Convert, operands {-5, Celsius, Fahrenheit}
//   mezura-convert --all 1 Meters                 All, operands {1, Meters}
//   mezura-convert --list Distance                List, operands {Distance}
//   mezura-convert '5 km to mi'                   Convert, operands {5 km to mi}
//   mezura-convert '5 ft 3 in' cm                 Convert, operands {5 ft 3 in, cm}
//   mezura-convert 5 km to mi                     Convert, operands {5, km, to, mi} (one phrase)
//   mezura-convert --fraction 16 1.75 m ft+in     Convert, fraction 16
//   mezura-convert --explain '1 kg/m^3 to lb/ft^3'  Explain, operands {1 kg/m^3 to lb/ft^3}
//   mezura-convert --names                        Names
//   mezura-convert --rates                        Rates (the cached exchange rates)
//   mezura-convert --update-rates                 UpdateRates (downloads them)
//   mezura-convert --format fixed --batch         Batch, format 2
//   mezura-convert --precision 10 1 Feet Meters   error: --precision takes a whole number from 1 to
//   9, not "10"
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class CliMode { Convert, Explain, All, List, Names, Batch, Help, Version, Rates, UpdateRates };

struct CliOptions {
    CliMode mode = CliMode::Convert;
    std::vector<std::string> operands;  // UTF-8, as typed
    std::optional<std::string> category;
    int format = 0;     // the result style's format: 0 auto, 1 scientific, 2 fixed
    int precision = 5;  // the result style's precision, 1..9
    int fraction = 0;   // --fraction: 0 none, else 2, 4, 8, 16, 32 or 64
    std::optional<std::string> profilePath;
};

struct CliParse {
    CliOptions options;
    std::string error;  // empty when the command line is good
};

// `arguments` without the program name.
CliParse ParseCliOptions(std::span<const std::string_view> arguments);
