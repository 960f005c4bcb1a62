#include "lists/inclination.h"

#include "astorb/database.h"
#include "astorb/record.h"

namespace quorvane {

double FoldedInclination(double inclinationDegrees) {
    return inclinationDegrees > 90.0 ? 180.0 - inclinationDegrees : inclinationDegrees;
}

ScanEnd ScanHighestInclination(const ScanPorts& ports) {
    AstOrbDatabase& database = ports.database;
    long long i = ports.browser.Position();
    if (!database.ReadRecord(i)) {
        return ScanEnd::ReadFailed;
    }
    double highest = FoldedInclination(GetInclination(database.CurrentRecord()));
    for (;;) {
        ++i;
        if (!database.ReadRecord(i)) {
            return ScanEnd::ReadFailed;
        }
        const std::string& record = database.CurrentRecord();
        if (ports.numberedOnly.IsNumberedOnly() && !IsNumbered(record)) {
            break;
        }
        const double x = FoldedInclination(GetInclination(record));
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
