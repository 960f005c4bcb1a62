// The quick scans decide exactly at their thresholds: records whose perihelion or aphelion falls
// exactly on a planet's, or a hair beside it, and inclinations equal to the highest so far,
// give the same lists and moves as the plain scans.
#include "core/fast_compare.h"
#include "core/fast_generator.h"
#include "lists/inclination.h"
#include "lists/orbit_type.h"
#include "reference/plain_scans.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using test::CompareRuns;
using test::RecordSpec;
using test::WindowSetup;

// Axis and eccentricity pairs around Mercury (perihelion 0.30749951), Mars (perihelion
// 1.381333463, aphelion 1.665991157) and Earth (0.98328978, 1.01671022): with a zero eccentricity q
// = Q = a, so an axis written as a planet's value lands exactly on it; the others land within 1e-9
// of it.
struct Orbit {
    const char* axis;
    const char* eccentricity;
};
constexpr Orbit kOrbits[] = {
    {"1.381333463", "0.0"}, {"1.381333462", "0.0"},    {"1.381333464", "0.0"},
    {"1.665991157", "0.0"}, {"1.665991156", "0.0"},    {"1.665991158", "0.0"},
    {"0.98328978", "0"},    {"1.01671022", "0.00000"}, {"1.534814959", "0.1"},
    {"1.514537415", "0.1"}, {"1.51453742", "0.1"},     {"1.5236622", "0.0934"},
    {"2.5", "0.5"},         {"0.98328978", "0.5"},     {"1.6659911570", "0.0"},
};

std::string ThresholdFile(const test::TempFolder& folder) {
    std::vector<RecordSpec> records;
    int number = 1;
    const char* const inclinations[] = {"45.5", "45.5",       "45.50", "89.9999999", "90.0",
                                        "90",   "90.0000001", "134.5", "134.50"};
    for (const Orbit& orbit : kOrbits) {
        for (const char* inclination : inclinations) {
            RecordSpec fields;
            fields.number = std::to_string(number);
            fields.name = "Rock" + std::to_string(number);
            ++number;
            fields.semiMajorAxis = orbit.axis;
            fields.eccentricity = orbit.eccentricity;
            fields.inclination = inclination;
            records.push_back(fields);
        }
    }
    return folder.Write("AstOrb.dat", test::RecordBytes(records));
}

TEST(QuickThresholds, OrbitTypesOnThePlanetsOrbitsMatchThePlainScan) {
    const test::TempFolder folder;
    const std::string path = ThresholdFile(folder);
    for (int type = 0; type <= 6; ++type) {
        for (const int planet : {0, 2, 3}) {
            SCOPED_TRACE("type " + std::to_string(type) + " planet " + std::to_string(planet));
            WindowSetup setup;
            setup.numberedOnly = false;
            setup.type = type;
            setup.planet = planet;
            CompareRuns(
                path, setup, [](FakeWindow& w) { return w.RunSpecial(); },
                [](FakeWindow& w) { return ExtractOrbitTypeListPlain(w.Ports(), w); });
        }
    }
}

TEST(QuickThresholds, EqualInclinationsDoNotMoveTheBrowser) {
    const test::TempFolder folder;
    const std::string path = ThresholdFile(folder);
    for (const int start : {0, 1, 3, 7}) {
        SCOPED_TRACE("from " + std::to_string(start));
        WindowSetup setup;
        setup.numberedOnly = false;
        setup.position = start;
        CompareRuns(
            path, setup, [](FakeWindow& w) { return w.RunInclination(); },
            [](FakeWindow& w) { return ScanHighestInclinationPlain(w.Ports()); });
    }
}

} // namespace
} // namespace quorvane
