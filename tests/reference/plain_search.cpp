#include "reference/plain_search.h"

#include "astorb/database.h"
#include "astorb/record.h"

#include <cstdint>
#include <string>

namespace quorvane {

namespace {

SearchOutcome SearchFields(SearchState& state, const SearchContext& context) {
    const std::int64_t step = state.SearchForward ? 1 : -1;
    const int minimum = context.browser.minimum;
    const int maximum = context.browser.maximum;
    state.SearchPosition = context.browser.position;
    while (true) {
        const std::int64_t next = state.SearchPosition + step;
        if (next > maximum || next < minimum) {
            return SearchOutcome::NotFound;
        }
        state.SearchPosition = static_cast<int>(next);
        if (!context.database.ReadRecord(state.SearchPosition)) {
            return SearchOutcome::ReadFailed;
        }
        const AstOrbRecord record = context.database.Current();
        if (context.numberedOnly && !IsNumbered(record)) {
            return SearchOutcome::NotFound;
        }
        if (FieldMatches(state, record)) {
            return SearchOutcome::Found;
        }
        if (state.SearchPosition == maximum) {
            return SearchOutcome::NotFound;
        }
    }
}

} // namespace

SearchOutcome FindNextPlain(SearchState& state, const SearchContext& context) {
    if (!state.AgainEnabled) {
        return SearchOutcome::NotRun;
    }
    struct ForwardReset {
        SearchState& state;
        ~ForwardReset() { state.SearchForward = true; }
    } reset{state};
    if (SearchesNamesTable(state, context.names)) {
        return SearchNames(state, context, *context.names);
    }
    return SearchFields(state, context);
}

SearchOutcome FindAgainPlain(SearchState& state, const ScanPorts& ports) {
    WaitCursorScope wait(ports.cursor);
    const SearchContext context{
        ports.database,
        ports.names.CurrentNames(),
        {ports.browser.Position(), ports.browser.Minimum(), ports.browser.Maximum()},
        ports.numberedOnly.IsNumberedOnly()};
    const SearchOutcome outcome = FindNextPlain(state, context);
    if (outcome == SearchOutcome::Found) {
        ports.browser.SetPosition(state.SearchPosition);
    } else if (outcome == SearchOutcome::NotFound) {
        ports.messages.Inform(std::string(kNoMoreOccurrences));
    }
    return outcome;
}

} // namespace quorvane
