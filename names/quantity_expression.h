#pragma once
// Quantities written as expressions, in GNU units' grammar, read from UTF-8:
//
//   "kg/m^3", "kg/m3", "kg/m³", "kg·m⁻³"      the density unit
//   "N*m", "N m", "N·m", "N×m"                a newton metre (a space or a
//                                             sign multiplies)
//   "J / mol K"                               J/(mol·K): a space binds tighter
//                                             than "/", "*" and "/" alike
//   "BTU/(h*ft*°F)"                           degrees in a product are differences
//   "mi per h", "s⁻¹", "ft**2", "m2"          "per", powers, a trailing digit
//   "3*12 in", "(5+3) ft", "2^10 B"           arithmetic in the value
//   "1/3 cup", "1 1/2 in"                     digits/digits is one number
//   "10 km / 2 h", "3000 mAh * 3.7 V"         quantities multiplied and divided
//
// Each word is read by unit_word.h; a word with several meanings ("min",
// "Gb") gives the expression several readings, one per choice, and the
// other side of a conversion decides (expression_conversion.h).
//
// Nothing is half-read: anything left over is refused, naming it. Limits:
// MaxExpressionBytes of text, MaxNesting levels of parentheses, powers of at
// most MaxPower in size.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dimension.h"
#include "name_index.h"
#include "unit_word.h"

inline constexpr std::size_t MaxExpressionBytes = 1024;
inline constexpr int MaxNesting = 32;
inline constexpr int MaxPower = 32;
inline constexpr int MostReadings = 8;
inline constexpr int MostPicks = 4;
inline constexpr int MostTerms = 8;
inline constexpr unsigned char NoPick = 0xFF;

// One way of reading every word: the numbers multiplied out, the units'
// size in SI units and their dimension.
struct ExpressionReading {
    double number = 1;
    double size = 1;
    Dimension dimension;
    signed char scale = -1;  // a temperature unit alone (times numbers): its scale
    // For each word of several meanings (Expression::words), the one taken.
    std::array<unsigned char, MostPicks> picked{NoPick, NoPick, NoPick, NoPick};
};

// A unit as typed and its power, for the normal form ("kg·m⁻³"), with what
// it was read as: the catalogue's unit for a word of one meaning, else the
// word of several meanings (Expression::ambiguous) whose pick says.
struct NormalTerm {
    std::string_view symbol;
    int power = 0;
    short row = -1;
    short position = 0;
    signed char word = -1;
};

struct AmbiguousWord {
    std::string_view word;
    WordMeanings meanings;
};

// The readings of a part of an expression.
struct UnitProduct {
    int count = 0;
    std::array<ExpressionReading, MostReadings> readings;
    int terms = 0;
    std::array<NormalTerm, MostTerms> normal;
    bool hasUnits = false;
};

// The whole, with its words of several meanings, which the readings' picks index.
struct Expression : UnitProduct {
    int words = 0;
    std::array<AmbiguousWord, MostPicks> ambiguous;
};

// The expression in `text`, else false with the problem in `problem`:
//   unknown unit "xyz" in "kg/xyz"
//   cannot read ",5" in "1,5"
//   powers go up to 32: "m^999"
// `wholeWordUnknown` is set when the text is one word that names nothing:
// the caller's own message for an unknown name then stands.
bool ReadExpression(const NameIndex& index, std::string_view text, Expression& expression,
                    std::string& problem, bool* wholeWordUnknown = nullptr);

// The same, kept in the index for the next time the same text comes, and
// so is a refusal: the kept expression, else `scratch` read afresh (made
// only then), else null with the problem and `namesNothing` set where the
// text is one word that names nothing, or a name without any sign of the
// grammar that does not read. Valid until the index's next Forget().
const Expression* ReadKeptExpression(const NameIndex& index, std::string_view text,
                                     std::optional<Expression>& scratch, std::string& problem,
                                     bool& namesNothing);

// Whether the text holds anything of the grammar beyond a name: an
// operator, a parenthesis, a digit or the word "per".
bool LooksLikeExpression(std::string_view text);

// The units in normal form, UTF-8: "kg·m⁻³"; "" for a pure number.
std::string NormalForm(const Expression& expression);

// The units as `reading` reads them, as one writes them, UTF-8: each by its
// catalogue symbol where it is a catalogue unit (a bare "F" is "°F", "m3"
// is "m³"), else as typed; those of positive powers, then "/" and the
// others: "kg/m³", "km/h", "N·m", "J/(mol·K)"; "s⁻¹" with nothing above
// the line; "" for a pure number.
std::string WrittenUnits(const Catalogue& catalogue, const Expression& expression,
                         const ExpressionReading& reading);

// The text as typed with the signs one writes: powers as superscripts
// ("m^2", "m**2" -> "m²", "s^-1" -> "s⁻¹"), "*" as "·", runs of blanks as
// one: "60 mi/h * 30 min" -> "60 mi/h · 30 min".
std::string TidiedExpression(std::string_view text);

// a × b: every reading of one with every reading of the other.
bool MultiplyExpressions(const Expression& a, const Expression& b, Expression& product,
                         std::string& problem);
