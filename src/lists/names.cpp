#include "lists/names.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "lists/plain_scans.h"

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

} // namespace quorvane

namespace quorvane {

ScanEnd ExtractNames(const ScanPorts& ports) {
    WaitCursorScope wait(ports.cursor);
    WindowDisabledScope disabled(ports.window);
    AstOrbDatabase& database = ports.database;
    ListText list;
    int count = 0;
    long long i = ports.browser.Minimum();
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
                    list += AsteroidTitle(*record, ports.names.CurrentNames(), false, false);
                    list += kListLineEnd;
                    ++count;
                }
                if (i == ports.browser.Maximum()) {
                    break;
                }
                ++i;
                // The window runs its messages here: it must see the record just read.
                reader.Sync();
                ports.events.ProcessPendingEvents();
            }
            return ScanEnd::Finished;
        });
        if (end != ScanEnd::Finished) {
            return end;
        }
    }
    ports.browser.SetPosition(BrowserIndex(i - 1));
    ports.clipboard.TakeList(std::move(list));
    ports.messages.Inform(DoneMessage(count));
    return ScanEnd::Finished;
}

} // namespace quorvane
