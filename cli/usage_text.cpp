#include "usage_text.h"

#ifndef MEZURA_VERSION
#error "MEZURA_VERSION comes from the project version in CMake"
#endif

std::string_view VersionText() { return "mezura-convert " MEZURA_VERSION; }

std::string_view UsageText() {
    return R"(Usage:
  mezura-convert [OPTIONS] VALUE FROM TO     VALUE in unit FROM, written in unit TO
  mezura-convert [OPTIONS] 'VALUE FROM to TO'  the same as one argument: '5 km to mi', '100 °F in °C'
  mezura-convert [OPTIONS] VALUE FROM to TO  the same as words apart: 5 km to mi, 3 ft in in
  mezura-convert [OPTIONS] 'VALUE UNIT ...' TO  a value with its units: '5 ft 3 in' cm, "5' 3\"" cm
  mezura-convert [OPTIONS] 'VALUE UNIT'      VALUE in the units worth seeing it in, one "RESULT UNIT" a line
  mezura-convert [OPTIONS] --all VALUE FROM  VALUE in every unit of FROM's category, one "unit<TAB>text" a line
  mezura-convert --explain QUERY             how a conversion is read: its units in normal form, their
                                             dimension and the factor
  mezura-convert --list [CATEGORY]           the categories, or the units of one with their factors
  mezura-convert --names                     every unit as "CATEGORY<TAB>UNIT<TAB>ALIASES", aliases joined by ", "
  mezura-convert [OPTIONS] --batch           stdin lines VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY], one result a line
  mezura-convert --rates                     the exchange rates in use: each source, every rate
  mezura-convert --update-rates              download the latest exchange rates of every source

Options:
  --category NAME   the category of FROM and TO, needed when several hold both
                    (Ounces, Minutes, Seconds, Liters, Pints, Quarts)
  --format MODE     auto (default), scientific or fixed
  --precision N     decimals in scientific and fixed, 1 to 9 (default 5)
  --fraction N      the result, or the last unit of a list, to the nearest 1/N
                    (N = 2, 4, 8, 16, 32 or 64): 8 7/8
  --profile FILE    take custom categories and units from FILE instead of the
                    window's profile ($XDG_CONFIG_HOME/mezura.INI, or
                    ~/.config/mezura.INI); the profile is only read
  -h, --help        this text
  -V, --version     the version

A unit is named as the window shows it, blanks included ("Centimeters/sec² "
ends in a blank), in any case ("kilometers"), or by an alias: its symbol or a
usual spelling (km, mi, °C, degF, lb, kWh, mph, litre; --names lists them).
Case counts only where it is the meaning: mm and Mm, ms, mS and MS. A name
that fits units of several categories (min, L, pt) takes the category of the
other unit, or --category; "ton" and "therm" are refused with the units they
could mean. Category names match in any case. VALUE is a number (1.5, -5, 2e3), a
fraction or an expression (see below), read whole: a value with anything
left over ("2.5.1", "1e", "5x") is refused, naming what could not be read,
and so is a decimal comma ("1,5": write 1.5). "-5" is a value, not an option;
"--" ends the options. Units of "Temperature" and "Fuel economy" convert by formula and
are listed without factors; a factor is the size of one unit in the
category's reference unit.

A phrase reads alike as one argument or as its words apart; to and in (and
nach) count in any case ('2.5 KG TO LB'), and the number may be glued to its
unit (5km to mi). Three arguments are always VALUE FROM TO, however much they
look like a phrase, unless the second is "to": 5km in mi is refused, not read
as 5 inches in miles. A value with one unit and no target ('5 km', or 5 km) is written in the
units the desktop search offers first, each as the result and the unit's
symbol: 3.1068559611867 mi, 5468.0664916885 yd, 5000 m.

VALUE may be a fraction (3/4) or a mixed number (1 1/2); a text with a / that
is neither (1/0, 1/2/3) is refused. A value may carry its units as a sum of
one category: 5 ft 3 in, 5 ft + 3 in, 5' 3", 5 ft 3 1/2 in, 3 lb 4 oz,
12 st 4 lb, 2 h 30 min, 30° 15′ 10″ (' and " are minutes and seconds beside
degrees); a leading minus is the whole sum's, and temperatures and fuel
economies do not add. TO may list units largest first, joined by + or ;:
ft+in, 'ft;in', st+lb, yd+ft+in, h+min+s, °+′+″; the result is then whole
numbers of each unit but the last, which holds the rest:
5 ft 8.8976377952756 in.

Units by their dimensions. Where FROM or TO is no unit of the catalogue,
it is read as an expression, in GNU units' grammar, over the catalogue's
units and the SI units (m g s A K mol cd rad sr N Pa J W C V F ohm or Ω S Hz
lm lx L t bar eV Wh Ah bit B), which take the SI prefixes from quecto to
quetta (q r y z a f p n µ or u m c d da h k M G T P E Z Y R Q; Ki Mi Gi Ti
Pi Ei on bit and B):
  kg/m^3  kg/m3  kg/m³  kg·m⁻³   a blank, *, · or × multiply; / and per divide
  ft**2  s⁻¹  m2  ft³            ^, **, a trailing digit, ² ³ ⁻¹: whole powers
  J / mol K                      is J/(mol·K): a blank binds tighter than /
  W/(m*°C)                       in a product a degree is a difference (W/(m*K))
A name of the catalogue wins over a prefix (min, nmi, Pa, ft), and case is the
meaning (mm and Mm, µs and µS, nm and Nm). Units of one dimension convert
into each other: 10 kJ to kcal, 1 Nm to ft lbf, 50 Hz to 1/min,
9.81 m/s^2 to ft/s^2, 1 W/(m*K) to BTU/(h*ft*°F). A word of several meanings
(min, pt, Gb, F) takes the one under which both sides have one dimension;
where several fit, the conversion is refused with the list.
The value may hold arithmetic, 3*12 in, (5+3) ft, 2^10 B (digits/digits
stays one number: 1/3 cup is a third of a cup), and quantities multiplied
and divided: '10 km / 2 h to km/h', '3000 mAh * 3.7 V to Wh',
'60 mi/h * 30 min to km'. Nothing is half-read: a value with anything left
over, a value or result that is no finite number (1e400 m, 10/0 m, m^999)
and a temperature below absolute zero (-300 °C) are refused with exit status
2. A query holds at most 1024 bytes, 32 levels of parentheses and powers up
to 32. --explain '1 kg/m^3 to lb/ft^3' prints how it was read:
1 kg·m⁻³ → lb·ft⁻³, density (mass/length³), × 0.062427960576145

Currency converts with the European Central Bank's daily euro reference rates
and, for the currencies the ECB lacks, the National Bank of Poland's tables A
(daily) and B (weekly), cross rates through the euro. A currency is named by
its code in any case (USD, ars), its ISO name (US Dollar) or a symbol that
means only it: US$, €, £, ¥ (the yen), ₹, ₩, zł. --update-rates downloads
every source from the profile's [Currency] RatesUrl, NbpTableAUrl and
NbpTableBUrl, by default the banks' own, into $XDG_CACHE_HOME/mezura/rates
(and rates-nbp-a, rates-nbp-b beside it) or ~/.cache/mezura/; a source that
fails keeps its rates. Conversions read them from there and never go online,
and say so on stderr when a source's rates are old (the daily ones more than
4 days, table B more than 9). In AutoFormat money is written to its
currency's minor unit (92.57 USD, 15010 JPY).

In --batch, a line's CATEGORY (or else --category) names the category; an
empty FROM means VALUE carries its units ("5 ft 3 in<TAB><TAB>cm"). A bad
line gets its error on stderr and an empty line on stdout, so the output stays
in step with the input. A line may hold at most 65536 bytes (64 KiB, its end
not counted); a longer one is a bad line.

Exit status: 0 done; 1 some --batch lines were bad, or output failed;
2 bad arguments, unknown names or an unreadable profile.
)";
}
