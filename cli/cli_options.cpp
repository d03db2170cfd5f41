#include "cli_options.h"

#include <array>

#include "name_suggestions.h"
#include "visible_text.h"

namespace {

constexpr std::array<std::string_view, 15> OptionNames = {
    "--all",      "--batch", "--category",     "--explain", "--format",
    "--fraction", "--help",  "--list",         "--names",   "--precision",
    "--profile",  "--rates", "--update-rates", "--version", "--",
};

std::optional<int> ParseFormat(std::string_view text) {
    if (text == "auto") return 0;
    if (text == "scientific") return 1;
    if (text == "fixed") return 2;
    return std::nullopt;
}

// Exactly one digit 1..9: "05", "+5" and "5x" are refused rather than guessed.
std::optional<int> ParsePrecision(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '9') return std::nullopt;
    return text[0] - '0';
}

// 2, 4, 8, 16, 32 or 64, written plainly.
std::optional<int> ParseFraction(std::string_view text) {
    for (int denominator = 2; denominator <= 64; denominator *= 2)
        if (text == std::to_string(denominator)) return denominator;
    return std::nullopt;
}

std::string ModeName(CliMode mode) {
    switch (mode) {
        case CliMode::Explain:
            return "--explain";
        case CliMode::All:
            return "--all";
        case CliMode::List:
            return "--list";
        case CliMode::Batch:
            return "--batch";
        case CliMode::Names:
            return "--names";
        case CliMode::Rates:
            return "--rates";
        case CliMode::UpdateRates:
            return "--update-rates";
        default:
            return "";
    }
}

std::string UnknownOption(std::string_view name) {
    std::vector<std::string> known(OptionNames.begin(), OptionNames.end() - 1);
    const auto closest = ClosestNames(name, known, 1);
    std::string text = "unknown option " + Quoted(name);
    if (!closest.empty()) text += "; did you mean " + closest.front() + "?";
    return text + " (mezura-convert --help lists the options)";
}

std::string OperandCountError(const CliOptions& options) {
    const std::size_t given = options.operands.size();
    switch (options.mode) {
        case CliMode::Convert:
        case CliMode::Explain:
            // Three are VALUE FROM TO; two a value with its units and the
            // target, "'5 ft 3 in' cm"; one, or four and more, the words of
            // one phrase, "5 km to mi".
            if (given >= 1) return {};
            return "missing VALUE FROM TO (mezura-convert --help shows the usage)";
        case CliMode::All:
            if (given == 2) return {};
            return "--all expects VALUE FROM, got " + std::to_string(given) + " argument" +
                   (given == 1 ? "" : "s");
        case CliMode::List:
            if (given <= 1) return {};
            return "--list expects at most one CATEGORY, got " + std::to_string(given) +
                   " arguments";
        case CliMode::Names:
        case CliMode::Rates:
        case CliMode::UpdateRates:
            if (given == 0) return {};
            return ModeName(options.mode) + " takes no arguments, got " +
                   Quoted(options.operands[0]);
        case CliMode::Batch:
            if (given == 0) return {};
            return "--batch reads its lines from standard input and takes no arguments, got " +
                   Quoted(options.operands[0]);
        default:
            return {};
    }
}

}  // namespace

CliParse ParseCliOptions(std::span<const std::string_view> arguments) {
    CliParse parse;
    CliOptions& options = parse.options;
    bool optionsEnded = false;
    bool modeChosen = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !(argument.starts_with("--") || argument == "-h" || argument == "-V")) {
            options.operands.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            options.mode = CliMode::Help;
            return parse;
        }
        if (argument == "-V" || argument == "--version") {
            options.mode = CliMode::Version;
            return parse;
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string_view> inlineValue;
        if (equals != std::string_view::npos) inlineValue = argument.substr(equals + 1);

        std::optional<CliMode> mode;
        if (name == "--all") mode = CliMode::All;
        if (name == "--explain") mode = CliMode::Explain;
        if (name == "--list") mode = CliMode::List;
        if (name == "--batch") mode = CliMode::Batch;
        if (name == "--names") mode = CliMode::Names;
        if (name == "--rates") mode = CliMode::Rates;
        if (name == "--update-rates") mode = CliMode::UpdateRates;
        if (mode) {
            if (inlineValue) {
                parse.error = Quoted(name) + " takes no value";
                return parse;
            }
            if (modeChosen && options.mode != *mode) {
                parse.error =
                    ModeName(options.mode) + " and " + ModeName(*mode) + " cannot be used together";
                return parse;
            }
            options.mode = *mode;
            modeChosen = true;
            continue;
        }

        if (name != "--category" && name != "--format" && name != "--precision" &&
            name != "--profile" && name != "--fraction") {
            parse.error = UnknownOption(name);
            return parse;
        }
        if (!inlineValue) {
            if (i + 1 == arguments.size()) {
                parse.error = std::string(name) + " needs a value";
                return parse;
            }
            inlineValue = arguments[++i];
        }
        const std::string_view value = *inlineValue;
        if (name == "--category") {
            options.category = std::string(value);
        } else if (name == "--profile") {
            if (value.empty()) {
                parse.error = "--profile needs a file name";
                return parse;
            }
            options.profilePath = std::string(value);
        } else if (name == "--format") {
            const auto format = ParseFormat(value);
            if (!format) {
                parse.error = "--format takes auto, scientific or fixed, not " + Quoted(value);
                return parse;
            }
            options.format = *format;
        } else if (name == "--fraction") {
            const auto fraction = ParseFraction(value);
            if (!fraction) {
                parse.error = "--fraction takes 2, 4, 8, 16, 32 or 64, not " + Quoted(value);
                return parse;
            }
            options.fraction = *fraction;
        } else {
            const auto precision = ParsePrecision(value);
            if (!precision) {
                parse.error = "--precision takes a whole number from 1 to 9, not " + Quoted(value);
                return parse;
            }
            options.precision = *precision;
        }
    }
    parse.error = OperandCountError(options);
    return parse;
}
