#include "reference/plain_search.h"

#include "astorb/database.h"
#include "astorb/record.h"

#include <cstdint>

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

} // namespace quorvane
