// The derived quantities of the infobox: orbit sizes, period and speed from the semi-major
// axis a (AU) and the eccentricity e; mass, gravity and escape velocity from the diameter D (km)
// and the density (g/cm3); the equilibrium temperature from a and the albedo.
//
// Arithmetic runs in long double (80-bit extended on x86-64); the values the infobox keeps
// (period, mass, mantissa, gravity, escape velocity) are rounded to double where they are
// stored, as the written digits depend on it. A fault the hardware would trap on is detected
// and raised: "Division par zéro en virgule flottante" for a division by zero or the logarithm
// of 0, "Opération en virgule flottante incorrecte" for the square root of a negative number or
// 0/0.
#pragma once

namespace quorvane {

inline constexpr long double kKilometresPerAU = 149597870.691L;
inline constexpr long double kGaussianConstant = 0.01720209895L; // k, radians per day
inline constexpr long double kTwoPi = 6.283185307179586477L;
inline constexpr long double kPi = 3.141592653589793239L;
inline constexpr long double kDaysPerJulianYear = 365.25L;
inline constexpr long double kSecondsPerDay = 86400.0;
inline constexpr long double kKilometresPerGigametre = 1000000.0;
inline constexpr long double kMassScale = 1.0e12L; // g/cm3 and km3 to kg
inline constexpr long double kSphereVolumeDivisor = 6.0;
inline constexpr long double kGravityConstant = 2.668968e-16L; // G / 250000, D in km
inline constexpr long double kEscapeConstant = 2.668968e-13L;  // 2G / 500, D in km
inline constexpr long double kMetresPerKilometre = 1000.0;
inline constexpr long double kSolarLuminosity = 3.827e26L; // W
inline constexpr long double kTemperatureConstant = 2.565228119343373084L;
inline constexpr long double kTen = 10.0L;

long double SemiMajorAxisGm(double a);
long double PerihelionAU(double a, double e);
long double PerihelionGm(double a, double e);
long double AphelionAU(double a, double e);
long double AphelionGm(double a, double e);

// Days, by Kepler's third law with the Gaussian constant. Raises for a below 0.
double OrbitalPeriod(double a);
long double PeriodInJulianYears(double period);

// km/s: Ramanujan's perimeter of the ellipse over the period. Raises for e above 1 and, through
// the division, for a period of 0 (0/0 when a is 0).
long double MeanOrbitalSpeed(double a, double e, double period);

// kg, for a sphere of diameter D km and the density in g/cm3.
double Mass(double diameter, double density);

// The mass as mantissa x 10^exponent, the exponent being the base-10 logarithm truncated
// toward zero (so 0.05 kg is 0.5 x 10^-1). Raises for a mass of 0 (no logarithm).
struct MassParts {
    int exponent;
    double mantissa;
};
MassParts SplitMass(double mass);

// m/s2 and km/s, D above 0.
double SurfaceGravity(double mass, double diameter);
double EscapeVelocity(double mass, double diameter);

// Kelvin, the fourth root taken as two square roots.
long double EquilibriumTemperature(double a, double albedo);

} // namespace quorvane
