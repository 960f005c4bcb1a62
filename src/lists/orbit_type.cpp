#include "lists/orbit_type.h"

#include "astorb/database.h"
#include "astorb/float_reader.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/title.h"

#include <optional>
#include <utility>

namespace quorvane {

const PlanetOrbit& PlanetOrbitAt(int planetIndex) {
    const int last = static_cast<int>(PlanetOrbits.size()) - 1;
    return PlanetOrbits[static_cast<std::size_t>(planetIndex > last ? last : planetIndex)];
}

bool IsOrbitOfType(OrbitType type, double q, double Q, const PlanetOrbit& planet) {
    const double qp = planet.perihelion;
    const double Qp = planet.aphelion;
    switch (type) {
    case OrbitType::Inner:
        return Q < qp;
    case OrbitType::InnerGrazer:
        return q < qp && qp < Q && Q < Qp;
    case OrbitType::CoOrbital:
        return q > qp && Q < Qp;
    case OrbitType::Crosser:
        return q < qp && Q > Qp;
    case OrbitType::OuterGrazer:
        return qp < q && q < Qp && Q > Qp;
    case OrbitType::Outer:
        return q > Qp;
    case OrbitType::Retrograde:
        return false;
    }
    return false;
}

bool IsRetrograde(double inclinationDegrees) {
    return inclinationDegrees > 90.0;
}

bool RecordHasOrbitType(AstOrbRecord record, int typeIndex, const PlanetOrbit& planet,
                        const NumberFormat& format) {
    const double a = GetSemiMajorAxis(record, format);
    const double e = GetEccentricity(record, format);
    const double q = (1.0 - e) * a;
    const double Q = (1.0 + e) * a;
    if (typeIndex < 0 || typeIndex > static_cast<int>(OrbitType::Retrograde)) {
        return false;
    }
    const auto type = static_cast<OrbitType>(typeIndex);
    if (type == OrbitType::Retrograde) {
        return IsRetrograde(GetInclination(record, format));
    }
    return IsOrbitOfType(type, q, Q, planet);
}

bool PlanetGroupEnabled(int typeIndex) {
    return typeIndex != static_cast<int>(OrbitType::Retrograde);
}

namespace {

// RecordHasOrbitType for one of the six planet-relative types, fixed for the whole scan, with
// the fields decoded in the same order; nothing when one of them is malformed, so that the
// plain test raises its error.
template <OrbitType type> struct PlanetRelativeTest {
    const FloatReader& fields;
    const PlanetOrbit& planet;

    [[gnu::always_inline]] std::optional<bool> operator()(AstOrbRecord record) const {
        double a = 0.0;
        double e = 0.0;
        if (!fields.Read(record, Field::SemiMajorAxis, a) ||
            !fields.Read(record, Field::Eccentricity, e)) {
            return std::nullopt;
        }
        return IsOrbitOfType(type, (1.0 - e) * a, (1.0 + e) * a, planet);
    }
};

// The retrograde test, and (with `retrograde` false) a type index outside the list, which
// lists nothing: the axis and the eccentricity are only checked, as the plain test reads them
// first whatever the type.
template <bool retrograde> struct AxisCheckedTest {
    const FloatReader& fields;

    [[gnu::always_inline]] std::optional<bool> operator()(AstOrbRecord record) const {
        if (!fields.Check(record, Field::SemiMajorAxis) ||
            !fields.Check(record, Field::Eccentricity)) {
            return std::nullopt;
        }
        if (!retrograde) {
            return false;
        }
        double inclination = 0.0;
        if (!fields.Read(record, Field::Inclination, inclination)) {
            return std::nullopt;
        }
        return IsRetrograde(inclination);
    }
};

// The scan itself, with `listedQuick` as the record test; where that gives nothing (a malformed
// field) the accessors decide, and raise the field's error.
template <RecordLayout L, typename Test>
void ListOrbits(AstOrbDatabase& database, const DiacriticalNames* names,
                const OrbitTypeControls& controls, const PlanetOrbit& planet,
                const NumberFormat& format, RecordBlockReader& reader, const Test& listedQuick,
                ScanOutcome& outcome) {
    ListText list;
    int count = 0;
    BrowserTrail browser(controls.browser);
    const long long last = controls.browser.maximum;
    long long i = 0;
    GuardScan(outcome, browser, i, [&] {
        for (;; ++i) {
            const std::optional<AstOrbRecord> record = reader.RecordOf<L>(i);
            if (!record) {
                return browser.End(outcome, ScanEnd::ReadFailed, i - 1);
            }
            if (controls.numberedOnly && !IsNumberedRecord(*record)) {
                break;
            }
            std::optional<bool> listed = listedQuick(*record);
            if (!listed) {
                reader.Sync();
                listed = RecordHasOrbitType(database.Current(), controls.typeIndex, planet, format);
            }
            if (*listed) {
                if (!browser.MoveTo(i, *record, outcome)) {
                    return;
                }
                // Appended piece by piece: no temporary line per result.
                list += "* [[";
                list += AsteroidTitle(*record, names, true, true);
                list += "]]";
                list += kListLineEnd;
                ++count;
            }
            if (i == last) {
                break;
            }
        }
        browser.End(outcome, ScanEnd::Finished, i);
        outcome.clipboard.emplace(std::move(list));
        outcome.count = count;
        outcome.message = DoneMessage(count);
    });
}

} // namespace

ScanOutcome ExtractOrbitTypeList(AstOrbDatabase& database, const DiacriticalNames* names,
                                 const OrbitTypeControls& controls, const NumberFormat& format) {
    ScanOutcome outcome;
    if (controls.planetIndex < 0) {
        outcome.end = ScanEnd::NoPlanetChosen;
        outcome.message = "Must select a planet.";
        return outcome;
    }
    const PlanetOrbit& planet = PlanetOrbitAt(controls.planetIndex);
    RecordBlockReader reader(database);
    const FloatReader fields(format);
    WithLayout(reader.Layout(), [&](auto layout) {
        const auto run = [&](const auto& test) {
            ListOrbits<decltype(layout)::value>(database, names, controls, planet, format, reader,
                                                test, outcome);
        };
        switch (controls.typeIndex) {
        case static_cast<int>(OrbitType::Inner):
            return run(PlanetRelativeTest<OrbitType::Inner>{fields, planet});
        case static_cast<int>(OrbitType::InnerGrazer):
            return run(PlanetRelativeTest<OrbitType::InnerGrazer>{fields, planet});
        case static_cast<int>(OrbitType::CoOrbital):
            return run(PlanetRelativeTest<OrbitType::CoOrbital>{fields, planet});
        case static_cast<int>(OrbitType::Crosser):
            return run(PlanetRelativeTest<OrbitType::Crosser>{fields, planet});
        case static_cast<int>(OrbitType::OuterGrazer):
            return run(PlanetRelativeTest<OrbitType::OuterGrazer>{fields, planet});
        case static_cast<int>(OrbitType::Outer):
            return run(PlanetRelativeTest<OrbitType::Outer>{fields, planet});
        case static_cast<int>(OrbitType::Retrograde):
            return run(AxisCheckedTest<true>{fields});
        default:
            return run(AxisCheckedTest<false>{fields});
        }
    });
    return outcome;
}

} // namespace quorvane
