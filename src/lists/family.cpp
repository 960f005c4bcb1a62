#include "lists/family.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/title.h"
#include "lists/family_index.h"
#include "lists/one_decimal.h"
#include "lists/plain_scans.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace quorvane {

void FamilyMembers::Add(double a, double e, double s, int index) {
    semiMajorAxis.push_back(a);
    eccentricity.push_back(e);
    sineInclination.push_back(s);
    recordIndex.push_back(index);
}

double MeanMotion(double a) {
    return kGaussK / std::sqrt(a * a * a);
}

double SineOfInclination(double inclinationDegrees) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    return std::sin(inclinationDegrees * kRadiansPerDegree);
}

bool IsFamilyMember(const FamilyMembers& members, long long index) {
    for (const int member : members.recordIndex) {
        if (member == index) {
            return true;
        }
    }
    return false;
}

double FamilyDistance(const FamilyMembers& members, double a, double e, double s, double n) {
    double smallest = kDistanceStart;
    const double scale = kAuPerDayInMetresPerSecond * n * a;
    for (std::size_t j = 0; j < members.size(); ++j) {
        const double da = (a - members.semiMajorAxis[j]) / a;
        const double de = e - members.eccentricity[j];
        const double ds = s - members.sineInclination[j];
        const double d = scale * std::sqrt(1.25 * (da * da) + 2.0 * (de * de) + 2.0 * (ds * ds));
        if (d < smallest) {
            smallest = d;
        }
    }
    return smallest;
}

std::string ToleranceCaption(int position) {
    return "&Tolerance (m/s): " + std::to_string(position);
}

std::string PassCompleteQuestion(int added) {
    return "Pass complete. " + std::to_string(added) + " asteroids added. Another pass?";
}

ScanEnd ExtractFamilyPlain(const ScanPorts& ports, const ToleranceSetting& tolerance) {
    WaitCursorScope wait(ports.cursor);
    AstOrbDatabase& database = ports.database;
    const int seed = ports.browser.Position();
    if (!database.ReadRecord(seed)) {
        return ScanEnd::ReadFailed;
    }
    std::string list = "[[" +
                       AsteroidTitle(database.Current(), ports.names.CurrentNames(), false, false) +
                       " family]] members; tolerance " + std::to_string(tolerance.Tolerance()) +
                       " m/s" + kListLineEnd;

    FamilyMembers members;
    {
        const AstOrbRecord record = database.Current();
        const double a = GetSemiMajorAxis(record);
        const double e = GetEccentricity(record);
        const double s = SineOfInclination(GetInclination(record));
        members.Add(a, e, s, seed);
    }
    int count = 1;

    for (bool again = true; again;) {
        const int countAtStart = count;
        for (long long i = 0;; ++i) {
            if (!IsFamilyMember(members, i)) {
                if (!database.ReadRecord(i)) {
                    return ScanEnd::ReadFailed;
                }
                const AstOrbRecord record = database.Current();
                if (ports.numberedOnly.IsNumberedOnly() && !IsNumbered(record)) {
                    break;
                }
                const double a = GetSemiMajorAxis(record);
                const double e = GetEccentricity(record);
                const double s = SineOfInclination(GetInclination(record));
                const double d = FamilyDistance(members, a, e, s, MeanMotion(a));
                if (d <= tolerance.Tolerance()) {
                    ports.browser.SetPosition(BrowserIndex(i));
                    // The title is taken from the shared record as the move left it.
                    list +=
                        "* [[" +
                        AsteroidTitle(database.Current(), ports.names.CurrentNames(), true, true) +
                        "]] " + FormatOneDecimal(d) + kListLineEnd;
                    ++count;
                    members.Add(a, e, s, BrowserIndex(i));
                }
            }
            if (i == ports.browser.Maximum()) {
                break;
            }
        }
        ports.browser.SetPosition(seed);
        ports.events.ProcessPendingEvents();
        again = ports.messages.AskYesNo(PassCompleteQuestion(count - countAtStart));
    }
    ports.clipboard.TakeText(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

} // namespace quorvane

namespace quorvane {

namespace {

// The exact test of one candidate: when its distance to the family is within `limit`, adds it
// to the index and gives the distance; nothing otherwise. A malformed field raises its error,
// as the accessors do, in their order.
std::optional<double> AddIfWithin(RecordBlockReader& reader, AstOrbRecord record,
                                  const FloatFieldReader& fields, FamilyIndex& index, int limit) {
    double a = 0.0;
    double e = 0.0;
    double inclination = 0.0;
    if (!fields.Read(record, Field::SemiMajorAxis, a) ||
        !fields.Read(record, Field::Eccentricity, e) ||
        !fields.Read(record, Field::Inclination, inclination)) {
        reader.Sync();
        const AstOrbRecord text = reader.Database().Current();
        a = GetSemiMajorAxis(text);
        e = GetEccentricity(text);
        inclination = GetInclination(text);
    }
    const double n = MeanMotion(a);
    // Far from every member: no need for the sine.
    if (!index.MayBeWithin(a, e, n, limit)) {
        return std::nullopt;
    }
    const double s = SineOfInclination(inclination);
    const double d = index.Distance(a, e, s, n, limit);
    if (!(d <= limit)) {
        return std::nullopt;
    }
    index.Add(a, e, s);
    return d;
}

} // namespace

ScanEnd ExtractFamily(const ScanPorts& ports, const ToleranceSetting& tolerance) {
    WaitCursorScope wait(ports.cursor);
    AstOrbDatabase& database = ports.database;
    const int seed = ports.browser.Position();
    if (!database.ReadRecord(seed)) {
        return ScanEnd::ReadFailed;
    }
    ListText list;
    list += "[[" + AsteroidTitle(database.Current(), ports.names.CurrentNames(), false, false) +
            " family]] members; tolerance " + std::to_string(tolerance.Tolerance()) + " m/s" +
            kListLineEnd;

    // The members live in the index and the bitmap only: a family chained across the whole
    // catalogue keeps one copy of each orbit.
    FamilyIndex index;
    MemberBitmap isMember;
    {
        const AstOrbRecord record = database.Current();
        const double a = GetSemiMajorAxis(record);
        const double e = GetEccentricity(record);
        const double s = SineOfInclination(GetInclination(record));
        index.Add(a, e, s);
        isMember.Set(seed);
    }
    int count = 1;

    for (bool again = true; again;) {
        const int countAtStart = count;
        RecordBlockReader reader(database);
        const ScanEnd end = WithLayout(reader.Layout(), [&](auto layout) {
            const FloatFieldReader fields;
            // Read once a pass: messages run only between passes, so none of them can change
            // while one runs.
            const bool numberedOnly = ports.numberedOnly.IsNumberedOnly();
            const long long last = ports.browser.Maximum();
            const int limit = tolerance.Tolerance();
            for (long long i = 0;; ++i) {
                if (!isMember.Has(i)) {
                    const std::optional<AstOrbRecord> record =
                        reader.RecordOf<decltype(layout)::value>(i);
                    if (!record) {
                        return ScanEnd::ReadFailed;
                    }
                    if (numberedOnly && !IsNumberedRecord(*record)) {
                        break;
                    }
                    // Well-formed fields whose estimates lie far from every member: not one.
                    double aEstimate = 0.0;
                    double eEstimate = 0.0;
                    const bool setAside =
                        fields.Estimate(*record, Field::SemiMajorAxis, aEstimate) &&
                        fields.Estimate(*record, Field::Eccentricity, eEstimate) &&
                        fields.Check(*record, Field::Inclination) &&
                        !index.MayBeNearEstimate(aEstimate, eEstimate, limit);
                    if (!setAside) {
                        const std::optional<double> distance =
                            AddIfWithin(reader, *record, fields, index, limit);
                        if (distance) {
                            reader.Sync();
                            ports.browser.SetPosition(BrowserIndex(i));
                            list += "* [[" +
                                    AsteroidTitle(database.Current(), ports.names.CurrentNames(),
                                                  true, true) +
                                    "]] " + FormatOneDecimal(*distance) + kListLineEnd;
                            ++count;
                            isMember.Set(BrowserIndex(i));
                        }
                    }
                }
                if (i == last) {
                    break;
                }
            }
            return ScanEnd::Finished;
        });
        reader.Sync();
        if (end != ScanEnd::Finished) {
            return end;
        }
        ports.browser.SetPosition(seed);
        ports.events.ProcessPendingEvents();
        again = ports.messages.AskYesNo(PassCompleteQuestion(count - countAtStart));
    }
    ports.clipboard.TakeList(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

} // namespace quorvane
