// The orbit-type list: the type tests against a planet's orbit and the "Spe&cial" scan.
#include "astorb/error.h"
#include "core/fixture_window.h"
#include "lists/orbit_type.h"
#include "reference/plain_scans.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvane {
namespace {

using test::FixtureWindow;
using test::MakeRecord;
using test::Orbit;

constexpr NumberFormat kPoint{'.'};
constexpr int kEarth = 2;
constexpr int kMars = 3;
constexpr int kJupiter = 4;
constexpr int kPlanetRelativeTypes = 6; // Inner .. Outer

// The types (0..5) whose test the record passes for the planet.
std::vector<int> TypesOf(const std::string& record, int planetIndex) {
    std::vector<int> types;
    for (int type = 0; type < kPlanetRelativeTypes; ++type) {
        if (RecordHasOrbitType(test::FiveDigit(record), type, PlanetOrbitAt(planetIndex), kPoint)) {
            types.push_back(type);
        }
    }
    return types;
}

TEST(OrbitType, WorkedClassifications) {
    // The worked table of classifications: each orbit falls into exactly one type per planet.
    struct Row {
        const char* name;
        const char* a;
        const char* e;
        OrbitType earth;
        OrbitType mars;
        OrbitType jupiter;
    };
    const Row rows[] = {
        {"q 0.75 Q 2.25", "1.5", "0.5", OrbitType::Crosser, OrbitType::Crosser, OrbitType::Inner},
        {"q 1.08 Q 1.32", "1.2", "0.1", OrbitType::Outer, OrbitType::Inner, OrbitType::Inner},
        {"q 1.33 Q 1.47", "1.4", "0.05", OrbitType::Outer, OrbitType::InnerGrazer,
         OrbitType::Inner},
        {"q 1.425 Q 1.575", "1.5", "0.05", OrbitType::Outer, OrbitType::CoOrbital,
         OrbitType::Inner},
        {"q 1.615 Q 1.785", "1.7", "0.05", OrbitType::Outer, OrbitType::OuterGrazer,
         OrbitType::Inner},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string record = MakeRecord(Orbit("1", "Test", row.a, row.e));
        EXPECT_EQ(TypesOf(record, kEarth), std::vector<int>{static_cast<int>(row.earth)});
        EXPECT_EQ(TypesOf(record, kMars), std::vector<int>{static_cast<int>(row.mars)});
        EXPECT_EQ(TypesOf(record, kJupiter), std::vector<int>{static_cast<int>(row.jupiter)});
    }
}

TEST(OrbitType, EqualityWithThePlanetFallsIntoNoType) {
    // Earth's q_p and Q_p exactly; a hair away from each, the orbit gets exactly one type again.
    const PlanetOrbit& earth = PlanetOrbits[kEarth];
    const double qp = earth.perihelion;
    const double Qp = earth.aphelion;
    struct Row {
        const char* name;
        double q;
        double Q;
        double nudgedQ; // Q moved off the equality (or q, when nudgeQ is false)
        bool nudgeQ;
    };
    const Row rows[] = {
        {"Q equals q_p", 0.5, qp, std::nextafter(qp, 0.0), true},
        {"q equals q_p, Q inside", qp, 1.0, std::nextafter(qp, 0.0), false},
        {"q equals q_p, Q outside", qp, 2.0, std::nextafter(qp, 2.0), false},
        {"Q equals Q_p, q inside", 1.0, Qp, std::nextafter(Qp, 2.0), true},
        {"Q equals Q_p, q outside", 0.5, Qp, std::nextafter(Qp, 0.0), true},
        {"q equals Q_p", Qp, 2.0, std::nextafter(Qp, 2.0), false},
    };
    auto matches = [&](double q, double Q) {
        int count = 0;
        for (int type = 0; type < kPlanetRelativeTypes; ++type) {
            count += IsOrbitOfType(static_cast<OrbitType>(type), q, Q, earth) ? 1 : 0;
        }
        return count;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(matches(row.q, row.Q), 0);
        EXPECT_EQ(row.nudgeQ ? matches(row.q, row.nudgedQ) : matches(row.nudgedQ, row.Q), 1);
    }
}

TEST(OrbitType, RetrogradeIsStrictlyAboveNinetyDegreesWhateverThePlanet) {
    struct Row {
        const char* inclination;
        bool retrograde;
    };
    const Row rows[] = {{"90.0", false}, {"90.000001", true}, {"170", true}, {"89.9", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inclination);
        const std::string record = MakeRecord(Orbit("1", "Test", "2.5", "0.1", row.inclination));
        for (int planet = 0; planet < 9; ++planet) {
            EXPECT_EQ(RecordHasOrbitType(test::FiveDigit(record), 6, PlanetOrbitAt(planet), kPoint),
                      row.retrograde);
        }
    }
}

TEST(OrbitType, PlanetRowsAndTypeIndexesOutsideTheGroup) {
    EXPECT_EQ(&PlanetOrbitAt(7), &PlanetOrbits[7]);
    EXPECT_EQ(&PlanetOrbitAt(8), &PlanetOrbits[8]);
    EXPECT_EQ(&PlanetOrbitAt(42), &PlanetOrbits[8]); // any index above 7 is Pluto
    const std::string retrograde = MakeRecord(Orbit("1", "Test", "1.5", "0.05", "170"));
    EXPECT_FALSE(RecordHasOrbitType(test::FiveDigit(retrograde), -1, PlanetOrbits[kMars], kPoint));
    EXPECT_FALSE(RecordHasOrbitType(test::FiveDigit(retrograde), 7, PlanetOrbits[kMars], kPoint));
}

TEST(OrbitType, PlanetGroupIsDisabledOnlyForRetrograde) {
    for (int type = 0; type < 7; ++type) {
        SCOPED_TRACE(type);
        EXPECT_EQ(PlanetGroupEnabled(type), type != 6);
    }
}

TEST(OrbitType, InclinationIsDecodedOnlyForRetrograde) {
    test::RecordSpec fields = Orbit("1", "Test", "1.5", "0.05", "x5");
    const std::string badInclination = MakeRecord(fields);
    EXPECT_TRUE(
        RecordHasOrbitType(test::FiveDigit(badInclination), 2, PlanetOrbits[kMars], kPoint));
    EXPECT_THROW(
        RecordHasOrbitType(test::FiveDigit(badInclination), 6, PlanetOrbits[kMars], kPoint), Error);
    fields = Orbit("1", "Test", "1.5", "0,05x");
    EXPECT_THROW(
        RecordHasOrbitType(test::FiveDigit(MakeRecord(fields)), 6, PlanetOrbits[kMars], kPoint),
        Error);
}

// Five numbered records (the worked orbits for Mars) and one unnumbered Mars crosser after them.
std::vector<test::RecordSpec> MarsFile() {
    test::RecordSpec unnumbered = Orbit("", "2004 AB1", "1.5", "0.5");
    return {Orbit("1", "Crossa", "1.5", "0.5"),  Orbit("2", "Innera", "1.2", "0.1"),
            Orbit("3", "Grazea", "1.4", "0.05"), Orbit("4", "Coorba", "1.5", "0.05"),
            Orbit("5", "Outgra", "1.7", "0.05"), unnumbered,
            Orbit("6", "Crossb", "1.5", "0.5")};
}

TEST(OrbitTypeScan, ListsMatchesFollowingThemWithTheBrowser) {
    FixtureWindow window;
    window.Open(MarsFile());
    window.SetPosition(3); // from anywhere: the scan starts at record 0
    window.planet = kMars;
    window.type = static_cast<int>(OrbitType::Crosser);
    EXPECT_EQ(window.RunSpecial(), CommandEnd::Finished);
    // Numbered only: the scan ends at record 5, before the numbered crosser after it.
    EXPECT_EQ(window.clipboard, "* [[1 Crossa]]\r\n");
    EXPECT_EQ(window.Position(), 0);
    EXPECT_EQ(window.model.Display().Value(ValueLabel::Name), "Crossa");
    EXPECT_EQ(window.informed, std::vector<std::string>{"Done. 1 results in the clipboard."});
    EXPECT_EQ(window.cursorShown, 1);
    EXPECT_EQ(window.cursorRestored, 1);
    EXPECT_EQ(window.log.back(), "cursor default");
}

TEST(OrbitTypeScan, WithNumberedOnlyClearRunsToTheLastRecord) {
    FixtureWindow window;
    window.Open(MarsFile());
    window.numberedOnly = false;
    window.planet = kMars;
    window.type = static_cast<int>(OrbitType::Crosser);
    window.SetPosition(3);
    window.RunSpecial();
    EXPECT_EQ(window.clipboard, "* [[1 Crossa]]\r\n"
                                "* [[2004 AB1|2004 AB<sub>1</sub>]]\r\n"
                                "* [[6 Crossb]]\r\n");
    EXPECT_EQ(window.Position(), 6); // the browser shows the last listed record
    EXPECT_EQ(window.model.Display().Value(ValueLabel::Name), "Crossb");
    // The definition moves to every listed record in turn; only the last one is ever painted.
    FixtureWindow plain;
    plain.Open(MarsFile());
    plain.numberedOnly = false;
    plain.planet = kMars;
    plain.type = static_cast<int>(OrbitType::Crosser);
    plain.SetPosition(3);
    plain.browsed.clear();
    ExtractOrbitTypeListPlain(plain.Ports(), plain);
    EXPECT_EQ(plain.browsed, (std::vector<int>{0, 5, 6}));
    EXPECT_EQ(plain.clipboard, window.clipboard);
    EXPECT_EQ(window.informed.back(), "Done. 3 results in the clipboard.");
}

TEST(OrbitTypeScan, NothingQualifyingGivesAnEmptyClipboard) {
    FixtureWindow window;
    window.Open(MarsFile());
    window.planet = 12; // beyond the group: Pluto, whose orbit lies outside all of these
    window.type = static_cast<int>(OrbitType::Outer);
    window.SetPosition(2);
    window.RunSpecial();
    EXPECT_EQ(window.clipboard, "");
    EXPECT_EQ(window.Position(), 2);
    EXPECT_EQ(window.model.Display().Value(ValueLabel::Name), "Grazea");
    EXPECT_EQ(window.informed, std::vector<std::string>{"Done. 0 results in the clipboard."});
}

TEST(OrbitTypeScan, WithoutAPlanetOnlyTheMessage) {
    FixtureWindow window;
    window.Open(MarsFile());
    window.planet = -1;
    window.type = static_cast<int>(OrbitType::Retrograde);
    EXPECT_EQ(window.RunSpecial(), CommandEnd::NotRun);
    EXPECT_EQ(window.log, (std::vector<std::string>{"cursor wait", "inform Must select a planet.",
                                                    "cursor default"}));
    EXPECT_FALSE(window.clipboard);
}

TEST(OrbitTypeScan, ShortReadEndsQuietly) {
    FixtureWindow window;
    window.Open(test::PaddedTo(MarsFile(), 21));
    window.CutFileAfter(7); // the browser reaches past the end: the read of record 7 fails
    window.numberedOnly = false;
    window.planet = kMars;
    window.type = static_cast<int>(OrbitType::Crosser);
    EXPECT_EQ(window.RunSpecial(), CommandEnd::ReadFailed);
    EXPECT_FALSE(window.clipboard);
    EXPECT_TRUE(window.informed.empty());
    EXPECT_EQ(window.cursorRestored, 1);
}

TEST(OrbitTypeScan, MalformedNumberRaisesAfterRestoringTheCursor) {
    std::vector<test::RecordSpec> records = MarsFile();
    records[2].semiMajorAxis = "1.4.1";
    FixtureWindow window;
    window.Open(records);
    window.planet = kMars;
    window.type = static_cast<int>(OrbitType::Crosser);
    try {
        window.RunSpecial();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'1.4.1' n'est pas une valeur en virgule flottante correcte");
    }
    EXPECT_EQ(window.cursorShown, 1);
    EXPECT_EQ(window.cursorRestored, 1);
    EXPECT_FALSE(window.clipboard);
    EXPECT_TRUE(window.informed.empty());
}

} // namespace
} // namespace quorvane
