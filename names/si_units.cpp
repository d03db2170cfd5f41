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

std::size_t Folded(char c) { return static_cast<unsigned char>(LowerCp1252(c)); }

// The first byte first: most prefixes are turned away by it, without a call.
bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return !start.empty() && text.size() >= start.size() && Folded(text[0]) == Folded(start[0]) &&
           EqualsNoCase(text.substr(0, start.size()), start);
}

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

bool EndsWithNoCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

// The units whose symbol or one of whose names (or its plural) ends the
// word, one bit each: no other can be read in it, with a prefix or without.
// Most words that are no SI unit end in none, and are turned away at once.
using UnitSet = std::uint64_t;
static_assert(std::size(UnitTable) <= 64);

// By the last byte, folded as EqualsNoCase folds it: the units whose symbol
// or a name ends in it.
const std::array<UnitSet, 256>& UnitsByLastByte() {
    static const std::array<UnitSet, 256> table = [] {
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
    return table;
}

UnitSet UnitsEnding(std::string_view word) {
    UnitSet units = 0;
    const std::string_view singular =
        word.size() > 1 && (word.back() | 0x20) == 's' ? word.substr(0, word.size() - 1) : word;
    const auto& byLastByte = UnitsByLastByte();
    const UnitSet maybe = byLastByte[Folded(word.back())] | byLastByte[Folded(singular.back())];
    for (std::size_t i = 0; i < std::size(UnitTable); ++i) {
        if (!((maybe >> i) & 1)) continue;
        const SiUnit& unit = UnitTable[i];
        bool ends = !unit.symbol.empty() && EndsWithNoCase(word, unit.symbol);
        for (std::string_view names = unit.names; !ends && !names.empty();) {
            const std::size_t bar = names.find('|');
            const std::string_view name = names.substr(0, bar);
            ends = !name.empty() && (EndsWithNoCase(word, name) || EndsWithNoCase(singular, name));
            names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 1);
        }
        if (ends) units |= UnitSet{1} << i;
    }
    return units;
}

// Whether `pre` is a prefix: a symbol before a symbol ("k" of "kJ"), a
// name before a name ("kilo" of "kilojoule"); binary ones only where allowed.
bool IsPrefix(std::string_view pre, bool bySymbol, bool binary, bool exactCase) {
    const auto is = [&](std::string_view prefix, bool caseCounts) {
        return !prefix.empty() && pre.size() == prefix.size() &&
               (caseCounts ? pre == prefix : EqualsNoCase(pre, prefix));
    };
    for (const SiPrefix& prefix : PrefixTable)
        if (bySymbol ? is(prefix.symbol, exactCase) : is(prefix.name, false)) return true;
    if (binary)
        for (const SiPrefix& prefix : BinaryTable)
            if (bySymbol ? is(prefix.symbol, exactCase) : is(prefix.name, false)) return true;
    return false;
}

// Whether some unit of `candidates` ends the word after a prefix: most
// words that are no unit of their own ("Kilometeys", "Mbters") are none.
bool MayCarryPrefix(std::string_view word, UnitSet candidates, bool exactCase, bool byName) {
    const auto afterPrefix = [&](std::string_view text, std::string_view ending, bool bySymbol,
                                 bool binary) {
        if (ending.empty() || text.size() <= ending.size()) return false;
        const std::string_view tail = text.substr(text.size() - ending.size());
        const bool caseCounts = bySymbol && exactCase;
        return (caseCounts ? tail == ending : EqualsNoCase(tail, ending)) &&
               IsPrefix(text.substr(0, text.size() - ending.size()), bySymbol, binary, exactCase);
    };
    const bool plural = word.size() > 1 && (word.back() | 0x20) == 's';
    const std::string_view singular = word.substr(0, word.size() - 1);
    for (std::size_t i = 0; i < std::size(UnitTable); ++i) {
        const SiUnit& unit = UnitTable[i];
        if (!((candidates >> i) & 1) || !unit.prefixed) continue;
        if (afterPrefix(word, unit.symbol, true, unit.binary)) return true;
        for (std::string_view names = unit.names; byName && !names.empty();) {
            const std::size_t bar = names.find('|');
            const std::string_view name = names.substr(0, bar);
            if (afterPrefix(word, name, false, unit.binary) ||
                (plural && afterPrefix(singular, name, false, unit.binary)))
                return true;
            names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 1);
        }
    }
    return false;
}

bool In(UnitSet units, const SiUnit& unit) {
    return (units >> static_cast<std::size_t>(&unit - UnitTable)) & 1;
}

// `rest` after a prefix of `factor`: a symbol after a symbol, a name after a name.
void ReadAfterPrefix(std::string_view rest, double factor, bool bySymbol, bool binary,
                     bool exactCase, UnitSet candidates, Collector& found) {
    if (rest.empty()) return;
    for (const SiUnit& unit : UnitTable) {
        if (!In(candidates, unit) || !unit.prefixed || (binary && !unit.binary)) continue;
        if (bySymbol ? SymbolIs(rest, unit.symbol, exactCase) : IsNamed(rest, unit.names))
            found.Add(unit, factor);
    }
}

}  // namespace

constinit const std::span<const SiUnit> SiUnits = UnitTable;
constinit const std::span<const SiPrefix> SiPrefixes = PrefixTable;
constinit const std::span<const SiPrefix> BinaryPrefixes = BinaryTable;

int ReadSiWord(std::string_view word, bool exactCase, std::span<SiReading> into, bool byName) {
    Collector found(into);
    if (word.empty()) return 0;
    const UnitSet candidates = UnitsEnding(word);
    if (candidates == 0) return 0;
    for (const SiUnit& unit : UnitTable) {
        if (!In(candidates, unit)) continue;
        if (SymbolIs(word, unit.symbol, exactCase) || (byName && IsNamed(word, unit.names)))
            found.Add(unit, 1);
    }
    // A unit's own symbol or name wins over a prefix reading of it ("Pa" is
    // no petayear, "min" no milli-inch).
    if (found.Count() > 0 || !MayCarryPrefix(word, candidates, exactCase, byName))
        return found.Count();
    for (const SiPrefix& prefix : PrefixTable) {
        if (!prefix.symbol.empty() &&
            (exactCase ? word.starts_with(prefix.symbol) : StartsWithNoCase(word, prefix.symbol)))
            ReadAfterPrefix(word.substr(prefix.symbol.size()), prefix.factor, true, false,
                            exactCase, candidates, found);
        if (byName && !prefix.name.empty() && StartsWithNoCase(word, prefix.name))
            ReadAfterPrefix(word.substr(prefix.name.size()), prefix.factor, false, false, exactCase,
                            candidates, found);
    }
    for (const SiPrefix& prefix : BinaryTable) {
        if (exactCase ? word.starts_with(prefix.symbol) : StartsWithNoCase(word, prefix.symbol))
            ReadAfterPrefix(word.substr(prefix.symbol.size()), prefix.factor, true, true, exactCase,
                            candidates, found);
        if (byName && StartsWithNoCase(word, prefix.name))
            ReadAfterPrefix(word.substr(prefix.name.size()), prefix.factor, false, true, exactCase,
                            candidates, found);
    }
    return found.Count();
}
