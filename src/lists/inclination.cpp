#include "lists/inclination.h"

#include "astorb/database.h"
#include "astorb/float_reader.h"
#include "astorb/record.h"
#include "astorb/scanner.h"

#include <optional>

namespace quorvane {

double FoldedInclination(double inclinationDegrees) {
    return inclinationDegrees > 90.0 ? 180.0 - inclinationDegrees : inclinationDegrees;
}

ScanOutcome ScanHighestInclination(AstOrbDatabase& database, const BrowserRange& browser,
                                   bool numberedOnly, const NumberFormat& format) {
    ScanOutcome outcome;
    long long i = browser.position;
    if (!database.ReadRecord(i)) {
        outcome.end = ScanEnd::ReadFailed;
        return outcome;
    }
    BrowserTrail trail(browser);
    double highest = 0.0;
    try {
        highest = FoldedInclination(GetInclination(database.Current(), format));
    } catch (...) {
        outcome.error = std::current_exception();
        outcome.errorRecord = i;
        trail.End(outcome, ScanEnd::Raised, -1);
        return outcome;
    }
    RecordBlockReader reader(database);
    WithLayout(reader.Layout(), [&](auto layout) {
        const FloatReader fields(format);
        const long long last = browser.maximum;
        GuardScan(outcome, trail, i, [&] {
            for (;;) {
                ++i;
                const std::optional<AstOrbRecord> record =
                    reader.RecordOf<decltype(layout)::value>(i);
                if (!record) {
                    return trail.End(outcome, ScanEnd::ReadFailed, i - 1);
                }
                if (numberedOnly && !IsNumberedRecord(*record)) {
                    break;
                }
                double inclination = 0.0;
                if (!fields.Read(*record, Field::Inclination, inclination)) {
                    reader.Sync();
                    inclination = GetInclination(database.Current(), format);
                }
                const double x = FoldedInclination(inclination);
                if (x > highest) {
                    if (!trail.MoveTo(i, *record, outcome)) {
                        return;
                    }
                    highest = x;
                }
                if (i == last) {
                    break;
                }
            }
            trail.End(outcome, ScanEnd::Finished, i);
            outcome.message = "Done.";
        });
    });
    return outcome;
}

} // namespace quorvane
