// The field search in its plain form, one ReadRecord per record examined: the reference whose
// every observable effect FindNext must reproduce.
#pragma once

#include "reference/ports.h"
#include "search/search.h"

namespace quorvane {

// FindNext with every record read by ReadRecord and every field copied and upper-cased.
SearchOutcome FindNextPlain(SearchState& state, const SearchContext& context);

// F3 in its plain form, on the window's ports: FindNextPlain from the record shown under the wait
// cursor, then the browser moved to the record found, or "No more occurrences.".
SearchOutcome FindAgainPlain(SearchState& state, const ScanPorts& ports);

} // namespace quorvane
