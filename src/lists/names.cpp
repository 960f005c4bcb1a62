#include "lists/names.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/title.h"

#include <optional>
#include <utility>

namespace quorvane {

namespace {

// A provisional designation in the Name field begins with the year; a name may begin with "0".
[[gnu::always_inline]] inline bool StartsWithDesignationDigit(AstOrbRecord record) {
    const std::string_view name = FieldChars(record, Field::Name);
    return !name.empty() && name[0] >= '1' && name[0] <= '9';
}

} // namespace

ScanOutcome ExtractNames(AstOrbDatabase& database, const DiacriticalNames* names,
                         const BrowserRange& browser,
                         const std::function<const DiacriticalNames*()>& letMessagesRun) {
    ScanOutcome outcome;
    ListText list;
    int count = 0;
    long long i = browser.minimum;
    {
        RecordBlockReader reader(database);
        const ScanEnd end = WithLayout(reader.Layout(), [&](auto layout) {
            for (;;) {
                const std::optional<AstOrbRecord> record =
                    reader.RecordOf<decltype(layout)::value>(i);
                if (!record) {
                    return ScanEnd::ReadFailed;
                }
                if (!IsNumberedRecord(*record)) {
                    break;
                }
                if (!StartsWithDesignationDigit(*record)) {
                    list += AsteroidTitle(*record, names, false, false);
                    list += kListLineEnd;
                    ++count;
                }
                if (i == browser.maximum) {
                    break;
                }
                ++i;
                // Messages run here: the window must see the record just read.
                reader.Sync();
                names = letMessagesRun();
            }
            return ScanEnd::Finished;
        });
        if (end != ScanEnd::Finished) {
            outcome.end = end;
            return outcome;
        }
    }
    outcome.moves.push_back(BrowserIndex(i - 1));
    outcome.clipboard.emplace(std::move(list));
    outcome.count = count;
    outcome.message = DoneMessage(count);
    return outcome;
}

} // namespace quorvane
