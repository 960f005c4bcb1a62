#include "lists/orbit_type.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/title.h"
#include "lists/plain_scans.h"

#include <cmath>
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

bool RecordHasOrbitType(std::string_view record, int typeIndex, const PlanetOrbit& planet) {
    const double a = GetSemiMajorAxis(record);
    const double e = GetEccentricity(record);
    const double q = (1.0 - e) * a;
    const double Q = (1.0 + e) * a;
    if (typeIndex < 0 || typeIndex > static_cast<int>(OrbitType::Retrograde)) {
        return false;
    }
    const auto type = static_cast<OrbitType>(typeIndex);
    if (type == OrbitType::Retrograde) {
        return IsRetrograde(GetInclination(record));
    }
    return IsOrbitOfType(type, q, Q, planet);
}

bool PlanetGroupEnabled(int typeIndex) {
    return typeIndex != static_cast<int>(OrbitType::Retrograde);
}

ScanEnd ExtractOrbitTypeListPlain(const ScanPorts& ports, const OrbitTypeChoice& choice) {
    WaitCursorScope wait(ports.cursor);
    const int planetIndex = choice.PlanetIndex();
    if (planetIndex < 0) {
        ports.messages.Inform("Must select a planet.");
        return ScanEnd::NoPlanetChosen;
    }
    const PlanetOrbit& planet = PlanetOrbitAt(planetIndex);

    AstOrbDatabase& database = ports.database;
    std::string list;
    int count = 0;
    for (long long i = 0;; ++i) {
        if (!database.ReadRecord(i)) {
            return ScanEnd::ReadFailed;
        }
        if (ports.numberedOnly.IsNumberedOnly() && !IsNumbered(database.CurrentRecord())) {
            break;
        }
        if (RecordHasOrbitType(database.CurrentRecord(), choice.TypeIndex(), planet)) {
            ports.browser.SetPosition(BrowserIndex(i));
            // The title is taken from the shared record as the move left it.
            list +=
                "* [[" +
                AsteroidTitle(database.CurrentRecord(), ports.names.CurrentNames(), true, true) +
                "]]" + kListLineEnd;
            ++count;
        }
        if (i == ports.browser.Maximum()) {
            break;
        }
    }
    ports.clipboard.TakeText(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

} // namespace quorvane

namespace quorvane {

namespace {

// RecordHasOrbitType with the fields decoded in the same order; nothing when one of them is
// malformed, so that the plain test raises its error.
std::optional<bool> QuickOrbitTypeTest(const FloatFieldReader& fields, std::string_view record,
                                       int typeIndex, const PlanetOrbit& planet) {
    if (typeIndex < 0 || typeIndex >= static_cast<int>(OrbitType::Retrograde)) {
        // The axis and the eccentricity are only checked, as the plain test reads them first
        // whatever the type.
        if (!fields.Check(record, Field::SemiMajorAxis) ||
            !fields.Check(record, Field::Eccentricity)) {
            return std::nullopt;
        }
        if (typeIndex != static_cast<int>(OrbitType::Retrograde)) {
            return false;
        }
        double inclination = 0.0;
        if (!fields.Read(record, Field::Inclination, inclination)) {
            return std::nullopt;
        }
        return IsRetrograde(inclination);
    }
    const auto type = static_cast<OrbitType>(typeIndex);
    double a = 0.0;
    double e = 0.0;
    if (fields.Estimate(record, Field::SemiMajorAxis, a) &&
        fields.Estimate(record, Field::Eccentricity, e)) {
        // Estimates within 1e-15 of their magnitudes put q and Q within 1e-14 * (1 + e) * a of
        // their exact values: the test is decided on them when both stay clear of the planet's
        // perihelion and aphelion by far more than that.
        const double q = (1.0 - e) * a;
        const double Q = (1.0 + e) * a;
        const double margin = 1e-12 * (1.0 + std::fabs(e)) * (1.0 + std::fabs(a));
        const auto clear = [margin](double x, double y) { return std::fabs(x - y) > margin; };
        if (clear(q, planet.perihelion) && clear(q, planet.aphelion) &&
            clear(Q, planet.perihelion) && clear(Q, planet.aphelion)) {
            return IsOrbitOfType(type, q, Q, planet);
        }
    }
    if (!fields.Read(record, Field::SemiMajorAxis, a) ||
        !fields.Read(record, Field::Eccentricity, e)) {
        return std::nullopt;
    }
    const double q = (1.0 - e) * a;
    const double Q = (1.0 + e) * a;
    return IsOrbitOfType(type, q, Q, planet);
}

} // namespace

ScanEnd ExtractOrbitTypeList(const ScanPorts& ports, const OrbitTypeChoice& choice) {
    WaitCursorScope wait(ports.cursor);
    const int planetIndex = choice.PlanetIndex();
    if (planetIndex < 0) {
        ports.messages.Inform("Must select a planet.");
        return ScanEnd::NoPlanetChosen;
    }
    const PlanetOrbit& planet = PlanetOrbitAt(planetIndex);

    AstOrbDatabase& database = ports.database;
    std::string list;
    int count = 0;
    {
        RecordBlockReader reader(database);
        const FloatFieldReader fields;
        for (long long i = 0;; ++i) {
            const std::optional<std::string_view> record = reader.Record(i);
            if (!record) {
                return ScanEnd::ReadFailed;
            }
            if (ports.numberedOnly.IsNumberedOnly() && !IsNumberedRecord(*record)) {
                break;
            }
            const int typeIndex = choice.TypeIndex();
            std::optional<bool> listed = QuickOrbitTypeTest(fields, *record, typeIndex, planet);
            if (!listed) {
                reader.Sync();
                listed = RecordHasOrbitType(database.CurrentRecord(), typeIndex, planet);
            }
            if (*listed) {
                reader.Sync();
                ports.browser.SetPosition(BrowserIndex(i));
                // Appended piece by piece: no temporary line per result.
                list += "* [[";
                list +=
                    AsteroidTitle(database.CurrentRecord(), ports.names.CurrentNames(), true, true);
                list += "]]";
                list += kListLineEnd;
                ++count;
            }
            if (i == ports.browser.Maximum()) {
                break;
            }
        }
    }
    ports.clipboard.TakeText(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

} // namespace quorvane
