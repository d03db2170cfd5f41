#include "si_units.h"

#include <array>
#include <cstdint>
#include <iterator>

#include "text_1252.h"

namespace {

using namespace dim;

constexpr double ElementaryCharge = 1.602176634e-19;

constinit const SiUnit UnitTable[] = {
    {"m", "metre|meter", 1, L, true},
    {"g", "gram|gramme", 1e-3, M, true},
    {"s", "second", 1, T, true},
    {"A", "ampere|amp", 1, I, true},
    {"K", "kelvin", 1, Theta, true, false, true},
    {"cd", "candela", 1, J, true},
    {"mol", "mole", 1, N, true},
    {"rad", "radian", 1, A, true},
    {"sr", "steradian", 1, A* A, true},
    {"N", "newton", 1, Force, true},
    {"Pa", "pascal", 1, Force / Area, true},
    {"J", "joule", 1, Energy, true},
    {"W", "watt", 1, Power, true},
    {"C", "coulomb", 1, Charge, true},
    {"V", "volt", 1, Voltage, true},
    {"F", "farad", 1, Charge / Voltage, true},
    {"\xCE\xA9", "ohm", 1, Voltage / I, true},   // Ω, the Greek capital omega
    {"\xE2\x84\xA6", "", 1, Voltage / I, true},  // Ω, the ohm sign
    {"ohm", "", 1, Voltage / I, true},
    {"S", "siemens", 1, I / Voltage, true},
    {"Hz", "hertz", 1, None / T, true},
    {"lm", "lumen", 1, J* A* A, true},
    {"lx", "lux", 1, J* A* A / Area, true},
    {"L", "litre|liter", 1e-3, Volume, true},
    {"l", "", 1e-3, Volume, true},
    {"t", "tonne", 1e3, M, true},
    {"bar", "bar", 1e5, Force / Area, true},
    {"eV", "electronvolt", ElementaryCharge, Energy, true},
    {"Wh", "watt hour|watthour", 3600, Energy, true},
    {"Ah", "ampere hour", 3600, Charge, true},
    {"bit", "bit", 1, Info, true, true},
    {"b", "", 1, Info, true, true},
    {"B", "byte", 8, Info, true, true},
    // The barn (1e-28 m²) of nuclear physics: "Gb" may be a gigabarn too.
    {"b", "barn", 1e-28, Area, true},
};

constinit const SiPrefix PrefixTable[] = {
    {"Q", "quetta", 1e30},  {"R", "ronna", 1e27},        {"Y", "yotta", 1e24},
    {"Z", "zetta", 1e21},   {"E", "exa", 1e18},          {"P", "peta", 1e15},
    {"T", "tera", 1e12},    {"G", "giga", 1e9},          {"M", "mega", 1e6},
    {"k", "kilo", 1e3},     {"h", "hecto", 1e2},         {"da", "deca", 1e1},
    {"", "deka", 1e1},      {"d", "deci", 1e-1},         {"c", "centi", 1e-2},
    {"m", "milli", 1e-3},   {"\xC2\xB5", "micro", 1e-6},  // µ, the micro sign
    {"\xCE\xBC", "", 1e-6},                               // μ, the Greek small mu
    {"u", "", 1e-6},        {"n", "nano", 1e-9},         {"p", "pico", 1e-12},
    {"f", "femto", 1e-15},  {"a", "atto", 1e-18},        {"z", "zepto", 1e-21},
    {"y", "yocto", 1e-24},  {"r", "ronto", 1e-27},       {"q", "quecto", 1e-30},
};

constinit const SiPrefix BinaryTable[] = {
    {"Ki", "kibi", 1024.0},
    {"Mi", "mebi", 1024.0 * 1024},
    {"Gi", "gibi", 1024.0 * 1024 * 1024},
    {"Ti", "tebi", 1024.0 * 1024 * 1024 * 1024},
    {"Pi", "pebi", 1024.0 * 1024 * 1024 * 1024 * 1024},
    {"Ei", "exbi", 1024.0 * 1024 * 1024 * 1024 * 1024 * 1024},
};

// Whether `word` is one of the "|"-separated `names`, in any case, or its plural.
bool IsNamed(std::string_view word, std::string_view names) {
    while (!names.empty()) {
        const std::size_t bar = names.find('|');
        const std::string_view name = names.substr(0, bar);
        if (!name.empty() && (EqualsNoCase(word, name) ||
                              (word.size() == name.size() + 1 && (word.back() | 0x20) == 's' &&
                               EqualsNoCase(word.substr(0, name.size()), name))))
            return true;
        if (bar == std::string_view::npos) break;
        names.remove_prefix(bar + 1);
    }
    return false;
}

bool SymbolIs(std::string_view word, std::string_view symbol, bool exactCase) {
    if (symbol.empty()) return false;
    return exactCase ? word == symbol : EqualsNoCase(word, symbol);
}

class Collector {
public:
    explicit Collector(std::span<SiReading> into) : into_(into) {}
    void Add(const SiUnit& unit, double factor) {
        for (int i = 0; i < count_; ++i)
            if (into_[i].unit == &unit && into_[i].factor == factor) return;
        if (static_cast<std::size_t>(count_) < into_.size()) into_[count_++] = {&unit, factor};
    }
    int Count() const { return count_; }

private:
    std::span<SiReading> into_;
    int count_ = 0;
};

// The units whose symbol or a name ends in a byte, folded as EqualsNoCase
// folds it, one bit each: a unit can be read in a word, with a prefix or
// without, only where the word (or its singular) ends in such a byte. Most
// words that are no SI unit are so turned away without a comparison.
using UnitSet = std::uint64_t;
static_assert(std::size(UnitTable) <= 64);

std::size_t Folded(char c) { return static_cast<unsigned char>(LowerCp1252(c)); }

UnitSet UnitsEndingIn(char last) {
    static const std::array<UnitSet, 256> byLastByte = [] {
        std::array<UnitSet, 256> units{};
        for (std::size_t i = 0; i < std::size(UnitTable); ++i) {
            const SiUnit& unit = UnitTable[i];
            if (!unit.symbol.empty()) units[Folded(unit.symbol.back())] |= UnitSet{1} << i;
            for (std::string_view names = unit.names; !names.empty();) {
                const std::size_t bar = names.find('|');
                const std::string_view name = names.substr(0, bar);
                if (!name.empty()) units[Folded(name.back())] |= UnitSet{1} << i;
                names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 1);
            }
        }
        return units;
    }();
    return byLastByte[Folded(last)];
}

// `unit` read in `text` after a prefix, where `text` ends in `ending`: its
// symbol after a prefix's symbol ("kJ"), a name after a prefix's name
// ("kilojoule"). What stands before the ending must be a prefix, binary ones
// only on bit and byte.
void ReadPrefixed(std::string_view text, std::string_view ending, bool bySymbol, bool exactCase,
                  const SiUnit& unit, Collector& found) {
    if (ending.empty() || text.size() <= ending.size()) return;
    const bool caseCounts = bySymbol && exactCase;
    const std::string_view tail = text.substr(text.size() - ending.size());
    if (!(caseCounts ? tail == ending : EqualsNoCase(tail, ending))) return;
    const std::string_view before = text.substr(0, text.size() - ending.size());
    const auto isPrefix = [&](const SiPrefix& prefix) {
        const std::string_view written = bySymbol ? prefix.symbol : prefix.name;
        return !written.empty() && written.size() == before.size() &&
               (caseCounts ? before == written : EqualsNoCase(before, written));
    };
    for (const SiPrefix& prefix : PrefixTable)
        if (isPrefix(prefix)) found.Add(unit, prefix.factor);
    if (unit.binary)
        for (const SiPrefix& prefix : BinaryTable)
            if (isPrefix(prefix)) found.Add(unit, prefix.factor);
}

}  // namespace

constinit const std::span<const SiUnit> SiUnits = UnitTable;
constinit const std::span<const SiPrefix> SiPrefixes = PrefixTable;
constinit const std::span<const SiPrefix> BinaryPrefixes = BinaryTable;

int ReadSiWord(std::string_view word, bool exactCase, std::span<SiReading> into, bool byName) {
    Collector found(into);
    if (word.empty()) return 0;
    const bool plural = word.size() > 1 && (word.back() | 0x20) == 's';
    const UnitSet candidates =
        UnitsEndingIn(word.back()) | (plural ? UnitsEndingIn(word[word.size() - 2]) : 0);
    const auto candidate = [&](const SiUnit& unit) {
        return (candidates >> static_cast<std::size_t>(&unit - UnitTable)) & 1;
    };
    for (const SiUnit& unit : UnitTable) {
        if (candidate(unit) &&
            (SymbolIs(word, unit.symbol, exactCase) || (byName && IsNamed(word, unit.names))))
            found.Add(unit, 1);
    }
    // A unit's own symbol or name wins over a prefix reading of it ("Pa" is
    // no petayear, "min" no milli-inch).
    if (found.Count() > 0) return found.Count();
    for (const SiUnit& unit : UnitTable) {
        if (!candidate(unit) || !unit.prefixed) continue;
        ReadPrefixed(word, unit.symbol, true, exactCase, unit, found);
        for (std::string_view names = unit.names; byName && !names.empty();) {
            const std::size_t bar = names.find('|');
            const std::string_view name = names.substr(0, bar);
            ReadPrefixed(word, name, false, exactCase, unit, found);
            if (plural)
                ReadPrefixed(word.substr(0, word.size() - 1), name, false, exactCase, unit, found);
            names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 1);
        }
    }
    return found.Count();
}
