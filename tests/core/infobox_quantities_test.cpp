// The derived quantities of the infobox, written with their output patterns.
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "infobox/patterns.h"
#include "infobox/quantities.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvane {
namespace {

constexpr NumberFormat kPoint{'.'};

// Reference values for a = 2.766 AU, e = 0.0789 (an orbit like Ceres'), A = 0.1, D = 848.4 km
// and a density of 2 g/cm3, as published with the formulas.
TEST(DerivedQuantities, ReferenceOrbitAndBody) {
    const double a = 2.766;
    const double e = 0.0789;
    const double period = OrbitalPeriod(a);
    EXPECT_EQ(FormatFloat("0.000", SemiMajorAxisGm(a), kPoint), "413.788");
    EXPECT_EQ(FormatFloat("0.000", period, kPoint), "1680.261");
    EXPECT_EQ(FormatFloat("0.00", PeriodInJulianYears(period), kPoint), "4.60");
    EXPECT_EQ(FormatFloat("0.00", MeanOrbitalSpeed(a, e, period), kPoint), "17.88");
    EXPECT_EQ(FormatFloat("0", EquilibriumTemperature(a, 0.1), kPoint), "167");

    const double diameter = 848.4;
    const double mass = Mass(diameter, 2.0);
    const MassParts parts = SplitMass(mass);
    EXPECT_EQ(parts.exponent, 20);
    EXPECT_EQ(FormatFloat("0.0", parts.mantissa, kPoint), "6.4");
    EXPECT_EQ(FormatFloat("0.0000", SurfaceGravity(mass, diameter), kPoint), "0.2371");
    EXPECT_EQ(FormatFloat("0.0000", EscapeVelocity(mass, diameter), kPoint), "0.4485");
}

TEST(DerivedQuantities, PerihelionAndAphelion) {
    // By hand: (1 -+ 0.1) x 2.5 AU, times 149.597870691 Gm/AU.
    EXPECT_EQ(FormatFloat("0.000", PerihelionAU(2.5, 0.1), kPoint), "2.250");
    EXPECT_EQ(FormatFloat("0.000", PerihelionGm(2.5, 0.1), kPoint), "336.595");
    EXPECT_EQ(FormatFloat("0.000", AphelionAU(2.5, 0.1), kPoint), "2.750");
    EXPECT_EQ(FormatFloat("0.000", AphelionGm(2.5, 0.1), kPoint), "411.394");
}

TEST(DerivedQuantities, AlbedoOneGivesZeroKelvin) {
    EXPECT_EQ(EquilibriumTemperature(2.766, 1.0), 0.0L);
}

TEST(DerivedQuantities, MassSplitTruncatesTheExponentTowardZero) {
    struct Row {
        const char* name;
        double mass;
        int exponent;
        const char* mantissa;
    };
    const Row rows[] = {
        {"half a kilogram", 0.5, 0, "0.5"},
        {"a twentieth of a kilogram", 0.05, -1, "0.5"},
        // 2 x pi x 1e12 x 10^3 / 6: the worked example's asteroid of 10 km.
        {"ten kilometres of density 2", Mass(10.0, 2.0), 15, "1.0"},
        // 211.95 km gives 9.9708e18 kg: the mantissa is written 10.0 and the exponent stays.
        {"mantissa rounding up to ten", Mass(211.95, 2.0), 18, "10.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MassParts parts = SplitMass(row.mass);
        EXPECT_EQ(parts.exponent, row.exponent);
        EXPECT_EQ(FormatFloat("0.0", parts.mantissa, kPoint), row.mantissa);
    }
}

TEST(DerivedQuantities, FaultsRaiseTheRuntimeMessages) {
    struct Row {
        const char* name;
        std::function<void()> compute;
        const char* message;
    };
    const std::string divisionByZero = "Division par z\xC3\xA9ro en virgule flottante";
    const std::string invalid = "Op\xC3\xA9ration en virgule flottante incorrecte";
    const Row rows[] = {
        {"density 0: no logarithm of a mass of 0", [] { SplitMass(Mass(10.0, 0.0)); },
         divisionByZero.c_str()},
        {"eccentricity above 1: square root of a negative number",
         [] { MeanOrbitalSpeed(2.5, 1.5, OrbitalPeriod(2.5)); }, invalid.c_str()},
        {"semi-major axis 0: period 0, speed 0/0",
         [] { MeanOrbitalSpeed(0.0, 0.1, OrbitalPeriod(0.0)); }, invalid.c_str()},
        {"negative semi-major axis: period from a negative cube", [] { OrbitalPeriod(-1.0); },
         invalid.c_str()},
        {"semi-major axis 0: temperature divides by zero", [] { EquilibriumTemperature(0.0, 0.1); },
         divisionByZero.c_str()},
        {"mass too large for a double", [] { Mass(1e200, 2.0); },
         "D\xC3\xA9"
         "bordement de capacit\xC3\xA9 en virgule flottante"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.compute();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), row.message);
        }
    }
}

TEST(DerivedQuantities, EccentricityOneIsStillAnOrbit) {
    const double period = OrbitalPeriod(2.5);
    // b = 0: the perimeter is pi x (6a - sqrt(3a^2)) AU.
    EXPECT_NO_THROW(MeanOrbitalSpeed(2.5, 1.0, period));
}

} // namespace
} // namespace quorvane
