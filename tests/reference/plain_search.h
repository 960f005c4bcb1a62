// The field search in its plain form, one ReadRecord per record examined: the reference whose
// every observable effect FindNext must reproduce.
#pragma once

#include "search/search.h"

namespace quorvane {

// FindNext with every record read by ReadRecord and every field copied and upper-cased.
SearchOutcome FindNextPlain(SearchState& state, const SearchContext& context);

} // namespace quorvane
