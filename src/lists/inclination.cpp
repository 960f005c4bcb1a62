#include "lists/inclination.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "lists/plain_scans.h"

#include <cmath>
#include <optional>

namespace quorvane {

double FoldedInclination(double inclinationDegrees) {
    return inclinationDegrees > 90.0 ? 180.0 - inclinationDegrees : inclinationDegrees;
}

ScanEnd ScanHighestInclinationPlain(const ScanPorts& ports) {
    AstOrbDatabase& database = ports.database;
    long long i = ports.browser.Position();
    if (!database.ReadRecord(i)) {
        return ScanEnd::ReadFailed;
    }
    double highest = FoldedInclination(GetInclination(database.Current()));
    for (;;) {
        ++i;
        if (!database.ReadRecord(i)) {
            return ScanEnd::ReadFailed;
        }
        const AstOrbRecord record = database.Current();
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

namespace quorvane {

ScanEnd ScanHighestInclination(const ScanPorts& ports) {
    AstOrbDatabase& database = ports.database;
    long long i = ports.browser.Position();
    if (!database.ReadRecord(i)) {
        return ScanEnd::ReadFailed;
    }
    double highest = FoldedInclination(GetInclination(database.Current()));
    RecordBlockReader reader(database);
    return WithLayout(reader.Layout(), [&](auto layout) {
        const FloatFieldReader fields;
        // Read once: the scan lets no event through, so neither can change while it runs.
        const bool numberedOnly = ports.numberedOnly.IsNumberedOnly();
        const long long last = ports.browser.Maximum();
        for (;;) {
            ++i;
            const std::optional<AstOrbRecord> record = reader.RecordOf<decltype(layout)::value>(i);
            if (!record) {
                return ScanEnd::ReadFailed;
            }
            if (numberedOnly && !IsNumberedRecord(*record)) {
                break;
            }
            // The estimate is within 1e-15 * (|i| + 180) of the folded value: a record well
            // below the highest needs no exact value.
            double estimate = 0.0;
            if (fields.Estimate(*record, Field::Inclination, estimate)) {
                const double margin = 1e-12 * (1.0 + std::fabs(estimate));
                if (FoldedInclination(estimate) < highest - margin) {
                    if (i == last) {
                        break;
                    }
                    continue;
                }
            }
            double inclination = 0.0;
            if (!fields.Read(*record, Field::Inclination, inclination)) {
                reader.Sync();
                inclination = GetInclination(database.Current());
            }
            const double x = FoldedInclination(inclination);
            if (x > highest) {
                reader.Sync();
                ports.browser.SetPosition(BrowserIndex(i));
                highest = x;
            }
            if (i == last) {
                break;
            }
        }
        reader.Sync();
        ports.messages.Inform("Done.");
        return ScanEnd::Finished;
    });
}

} // namespace quorvane
