#pragma once
// The defined size of every built-in unit, each written once, in SI units
// (m, kg, s, A, K, bit) unless said otherwise. Sources: the SI brochure (SI),
// the 1959 international yard and pound agreement (1959), US customary and
// imperial measures as NIST Handbook 44 gives them (US, UK), and NIST SP 811
// appendix B for the rest (SP 811). The catalogue divides these by a
// category's reference unit; long double keeps that division exact to a
// double's precision.
//
// Where a name has had two definitions, the one in force is used.
namespace unit_size {

inline constexpr long double Pi = 3.14159265358979323846264338327950288L;

// Length
inline constexpr long double Meter = 1.0L;
inline constexpr long double Centimeter = 1e-2L;
inline constexpr long double Millimeter = 1e-3L;
inline constexpr long double Kilometer = 1e3L;
inline constexpr long double Inch = 0.0254L;  // 1959
inline constexpr long double Foot = 12 * Inch;
inline constexpr long double Yard = 3 * Foot;
inline constexpr long double Mile = 5280 * Foot;
inline constexpr long double Furlong = 660 * Foot;
inline constexpr long double Rod = 16.5L * Foot;      // US: also the perch
inline constexpr long double NauticalMile = 1852.0L;  // international, 1929
inline constexpr long double Angstrom = 1e-10L;
inline constexpr long double Fermi = 1e-15L;
inline constexpr long double Micron = 1e-6L;
inline constexpr long double AstronomicalUnit = 149597870700.0L;       // IAU 2012
inline constexpr long double Parsec = 648000 / Pi * AstronomicalUnit;  // IAU 2015
inline constexpr long double PlanckLength = 1.616255e-35L;             // CODATA 2018
inline constexpr long double SpeedOfLight = 299792458.0L;              // m/s, SI

// Time
inline constexpr long double Second = 1.0L;
inline constexpr long double Minute = 60.0L;
inline constexpr long double Hour = 3600.0L;
inline constexpr long double Day = 86400.0L;
inline constexpr long double Week = 7 * Day;
inline constexpr long double Year = 365 * Day;  // the catalogue's year: 100 make a century
inline constexpr long double LeapYear = 366 * Day;
inline constexpr long double Century = 100 * Year;
inline constexpr long double Shake = 1e-8L;  // SP 811
// The IAU's light year: light's distance in a Julian year of 365.25 days,
// 9460730472580800 m exactly.
inline constexpr long double JulianYear = 365.25L * Day;
inline constexpr long double LightYear = SpeedOfLight * JulianYear;

// Plane and solid angle
inline constexpr long double Radian = 1.0L;
inline constexpr long double Turn = 2 * Pi;
inline constexpr long double Degree = Turn / 360;
inline constexpr long double ArcMinute = Degree / 60;
inline constexpr long double ArcSecond = Degree / 3600;
inline constexpr long double Gon = Turn / 400;
inline constexpr long double Mil = Turn / 6400;  // NATO
inline constexpr long double Steradian = 1.0L;
inline constexpr long double Sphere = 4 * Pi;

// Area
inline constexpr long double Acre = 43560 * Foot * Foot;  // 1959 foot: the survey acre is withdrawn
inline constexpr long double Hectare = 1e4L;
inline constexpr long double Barn = 1e-28L;        // SP 811
inline constexpr long double Sulung = 200 * Acre;  // Kentish, as reckoned by the catalogue

// Volume
inline constexpr long double Liter = 1e-3L;  // SI, since 1964
inline constexpr long double CubicInch = Inch * Inch * Inch;
inline constexpr long double CubicFoot = Foot * Foot * Foot;
inline constexpr long double CubicYard = Yard * Yard * Yard;
inline constexpr long double Gallon = 231 * CubicInch;       // US
inline constexpr long double FluidOunce = Gallon / 128;      // US
inline constexpr long double ImperialGallon = 4.54609e-3L;   // UK, Weights and Measures Act 1985
inline constexpr long double Bushel = 2150.42L * CubicInch;  // US, dry
inline constexpr long double DryBarrel = 7056 * CubicInch;   // US

// Mass
inline constexpr long double Kilogram = 1.0L;
inline constexpr long double Gram = 1e-3L;
inline constexpr long double Pound = 0.45359237L;  // 1959
inline constexpr long double Ounce = Pound / 16;
inline constexpr long double Grain = Pound / 7000;
inline constexpr long double TroyOunce = 480 * Grain;
inline constexpr long double ShortTon = 2000 * Pound;
inline constexpr long double Carat = 0.2e-3L;  // metric

// Force, energy, power, pressure
inline constexpr long double StandardGravity = 9.80665L;  // m/s^2, CGPM 1901
inline constexpr long double Newton = 1.0L;
inline constexpr long double Dyne = 1e-5L;
inline constexpr long double KilogramForce = StandardGravity;
inline constexpr long double PoundForce = Pound * StandardGravity;
inline constexpr long double Poundal = Pound * Foot;
inline constexpr long double Slug = PoundForce / Foot;  // kg
inline constexpr long double Joule = 1.0L;
inline constexpr long double CalorieIT = 4.1868L;
inline constexpr long double CalorieTh = 4.184L;
inline constexpr long double CalorieMean = 4.19002L;  // SP 811
inline constexpr long double Calorie15C = 4.18580L;   // SP 811
inline constexpr long double Calorie20C = 4.18190L;   // SP 811
inline constexpr long double BtuIT = 1055.05585262L;
inline constexpr long double BtuTh = CalorieTh * (Pound / Gram) * 5 / 9;
inline constexpr long double BtuMean = 1055.87L;                   // SP 811
inline constexpr long double Btu39F = 1059.67L;                    // SP 811
inline constexpr long double Btu59F = 1054.80L;                    // SP 811
inline constexpr long double ElementaryCharge = 1.602176634e-19L;  // C, SI 2019
inline constexpr long double Avogadro = 6.02214076e23L;            // 1/mol, SI 2019
inline constexpr long double ThermEC = 105506000.0L;               // SP 811
inline constexpr long double ThermUS = 105480400.0L;               // SP 811
inline constexpr long double TonOfTnt = 4.184e9L;                  // SP 811, by convention
inline constexpr long double Watt = 1.0L;
inline constexpr long double Horsepower = 550 * Foot * PoundForce;  // mechanical
// The metric horsepower (PS, ch, cv): 75 kilogram-force metres a second,
// 735.49875 W exactly.
inline constexpr long double MetricHorsepower = 75 * KilogramForce;
inline constexpr long double Pascal = 1.0L;
inline constexpr long double Atmosphere = 101325.0L;  // standard
inline constexpr long double Bar = 1e5L;
// The catalogue's mercury columns are the torr's, 1/760 atmosphere per
// millimeter, not the conventional 133.322387415 Pa of SP 811.
inline constexpr long double MillimeterOfMercury = Atmosphere / 760;
inline constexpr long double Psi = PoundForce / (Inch * Inch);
// A centipoise fluid through 1 cm^2 at 1 cm^3/s under 1 atm/cm: SP 811
// rounds it to 9.869233e-13 m^2.
inline constexpr long double Darcy = 1e-3L * 1e-4L / Atmosphere;

// Viscosity, light, sound
inline constexpr long double Poise = 0.1L;    // Pa s
inline constexpr long double Stokes = 1e-4L;  // m^2/s
inline constexpr long double Lux = 1.0L;
inline constexpr long double Phot = 1e4L;
inline constexpr long double FootCandle = 1 / (Foot * Foot);
inline constexpr long double Mach = 331.46L;  // m/s: sound in dry air at 0 degrees C, as catalogued

// Electricity: SI units, and the CGS ones through c in cm/s (exact by the
// CGS definitions): electromagnetic (ab-) and electrostatic (stat-) units.
inline constexpr long double CgsLightSpeed = SpeedOfLight * 100;
inline constexpr long double Abampere = 10.0L;
inline constexpr long double Statampere = Abampere / CgsLightSpeed;
inline constexpr long double Abcoulomb = 10.0L;
inline constexpr long double Statcoulomb = Abcoulomb / CgsLightSpeed;
inline constexpr long double Abfarad = 1e9L;
inline constexpr long double Statfarad = Abfarad / (CgsLightSpeed * CgsLightSpeed);
inline constexpr long double Abmho = 1e9L;
inline constexpr long double Statmho = Abmho / (CgsLightSpeed * CgsLightSpeed);
inline constexpr long double Abvolt = 1e-8L;
inline constexpr long double Statvolt = Abvolt * CgsLightSpeed;
inline constexpr long double Abohm = 1e-9L;
inline constexpr long double Statohm = Abohm * CgsLightSpeed * CgsLightSpeed;
inline constexpr long double Gilbert = 10 / (4 * Pi);                // ampere-turns
inline constexpr long double Faraday = ElementaryCharge * Avogadro;  // C/mol, SI 2019

// Information (IEC 80000-13)
inline constexpr long double Bit = 1.0L;
inline constexpr long double Byte = 8.0L;
inline constexpr long double Kibi = 1024.0L;

}  // namespace unit_size
