#include "reference/plain_scans.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "infobox/title.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/one_decimal.h"
#include "lists/orbit_type.h"
#include "reference/family_members.h"

#include <string>
#include <utility>

namespace quorvane {

namespace {

// A provisional designation in the Name field begins with the year; a name may begin with "0".
bool StartsWithDesignationDigit(AstOrbRecord record) {
    const std::string_view name = FieldChars(record, Field::Name);
    return !name.empty() && name[0] >= '1' && name[0] <= '9';
}

} // namespace

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
        if (ports.numberedOnly.IsNumberedOnly() && !IsNumbered(database.Current())) {
            break;
        }
        if (RecordHasOrbitType(database.Current(), choice.TypeIndex(), planet, ports.numbers)) {
            ports.browser.SetPosition(BrowserIndex(i));
            // The title is taken from the shared record as the move left it.
            list += "* [[" +
                    AsteroidTitle(database.Current(), ports.names.CurrentNames(), true, true) +
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
        const double a = GetSemiMajorAxis(record, ports.numbers);
        const double e = GetEccentricity(record, ports.numbers);
        const double s = SineOfInclination(GetInclination(record, ports.numbers));
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
                const double a = GetSemiMajorAxis(record, ports.numbers);
                const double e = GetEccentricity(record, ports.numbers);
                const double s = SineOfInclination(GetInclination(record, ports.numbers));
                const double d = FamilyDistance(members, a, e, s, MeanMotion(a));
                if (d <= tolerance.Tolerance()) {
                    ports.browser.SetPosition(BrowserIndex(i));
                    // The title is taken from the shared record as the move left it.
                    list +=
                        "* [[" +
                        AsteroidTitle(database.Current(), ports.names.CurrentNames(), true, true) +
                        "]] " + FormatOneDecimal(d, ports.numbers) + kListLineEnd;
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

ScanEnd ExtractNamesPlain(const ScanPorts& ports) {
    WaitCursorScope wait(ports.cursor);
    WindowDisabledScope disabled(ports.window);
    AstOrbDatabase& database = ports.database;
    std::string list;
    int count = 0;
    long long i = ports.browser.Minimum();
    for (;;) {
        if (!database.ReadRecord(i)) {
            return ScanEnd::ReadFailed;
        }
        const AstOrbRecord record = database.Current();
        if (!IsNumbered(record)) {
            break;
        }
        if (!StartsWithDesignationDigit(record)) {
            list += AsteroidTitle(record, ports.names.CurrentNames(), false, false) + kListLineEnd;
            ++count;
        }
        if (i == ports.browser.Maximum()) {
            break;
        }
        ++i;
        ports.events.ProcessPendingEvents();
    }
    ports.browser.SetPosition(BrowserIndex(i - 1));
    ports.clipboard.TakeText(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

ScanEnd ScanHighestInclinationPlain(const ScanPorts& ports) {
    AstOrbDatabase& database = ports.database;
    long long i = ports.browser.Position();
    if (!database.ReadRecord(i)) {
        return ScanEnd::ReadFailed;
    }
    double highest = FoldedInclination(GetInclination(database.Current(), ports.numbers));
    for (;;) {
        ++i;
        if (!database.ReadRecord(i)) {
            return ScanEnd::ReadFailed;
        }
        const AstOrbRecord record = database.Current();
        if (ports.numberedOnly.IsNumberedOnly() && !IsNumbered(record)) {
            break;
        }
        const double x = FoldedInclination(GetInclination(record, ports.numbers));
        if (x > highest) {
            ports.browser.SetPosition(BrowserIndex(i));
            highest = x;
        }
        if (i == ports.browser.Maximum()) {
            break;
        }
    }
    ports.messages.Inform("Done.");
    return ScanEnd::Finished;
}

} // namespace quorvane
