#include "infobox/quantities.h"

#include "astorb/error.h"

#include <cfloat>
#include <cmath>

namespace quorvane {

namespace {

// The checks stand in for the processor's floating-point exceptions, which C++ leaves masked.
long double CheckedSqrt(long double x) {
    if (std::isnan(x) || x < 0) {
        RaiseInvalidFloatOperation();
    }
    return std::sqrt(x);
}

long double CheckedDivide(long double numerator, long double denominator) {
    if (denominator == 0) {
        if (numerator == 0 || std::isnan(numerator)) {
            RaiseInvalidFloatOperation();
        }
        RaiseFloatDivisionByZero();
    }
    return numerator / denominator;
}

long double CheckedLn(long double x) {
    if (x == 0) {
        RaiseFloatDivisionByZero();
    }
    if (std::isnan(x) || x < 0) {
        RaiseInvalidFloatOperation();
    }
    return std::log(x);
}

// Storing an extended value too large for a double is the processor's overflow fault; C++
// would leave the conversion undefined.
double StoreDouble(long double x) {
    if (std::fabs(x) > static_cast<long double>(DBL_MAX)) {
        throw Error("Débordement de capacité en virgule flottante");
    }
    return static_cast<double>(x);
}

} // namespace

long double SemiMajorAxisGm(double a) {
    return a * kKilometresPerAU / kKilometresPerGigametre;
}

long double PerihelionAU(double a, double e) {
    return (1.0L - e) * a;
}

long double PerihelionGm(double a, double e) {
    return (1.0L - e) * a * kKilometresPerAU / kKilometresPerGigametre;
}

long double AphelionAU(double a, double e) {
    return (1.0L + e) * a;
}

long double AphelionGm(double a, double e) {
    return (1.0L + e) * a * kKilometresPerAU / kKilometresPerGigametre;
}

double OrbitalPeriod(double a) {
    const long double wide = a;
    return StoreDouble(CheckedSqrt(wide * wide * wide) * kTwoPi / kGaussianConstant);
}

long double PeriodInJulianYears(double period) {
    return period / kDaysPerJulianYear;
}

long double MeanOrbitalSpeed(double a, double e, double period) {
    const long double wideA = a;
    const long double wideE = e;
    const long double b = wideA * CheckedSqrt(1.0L - wideE * wideE);
    const long double perimeter =
        kPi * (3.0L * (wideA + b) - CheckedSqrt((wideA + 3.0L * b) * (3.0L * wideA + b)));
    return CheckedDivide(perimeter * kKilometresPerAU, period * kSecondsPerDay);
}

double Mass(double diameter, double density) {
    const long double d = diameter;
    return StoreDouble(density * kPi * kMassScale * d * d * d / kSphereVolumeDivisor);
}

MassParts SplitMass(double mass) {
    const long double lnTen = std::log(kTen);
    const int exponent = static_cast<int>(std::trunc(CheckedLn(mass) / lnTen));
    const double mantissa = StoreDouble(mass / std::exp(exponent * lnTen));
    return {exponent, mantissa};
}

double SurfaceGravity(double mass, double diameter) {
    const long double d = diameter;
    return StoreDouble(CheckedDivide(kGravityConstant * mass, d * d));
}

double EscapeVelocity(double mass, double diameter) {
    return StoreDouble(CheckedSqrt(CheckedDivide(kEscapeConstant * mass, diameter)) /
                       kMetresPerKilometre);
}

long double EquilibriumTemperature(double a, double albedo) {
    const long double wideA = a;
    const long double flux =
        CheckedDivide((1.0L - albedo) * kSolarLuminosity,
                      kTemperatureConstant * wideA * wideA * kKilometresPerAU * kKilometresPerAU);
    return CheckedSqrt(CheckedSqrt(flux));
}

} // namespace quorvane
