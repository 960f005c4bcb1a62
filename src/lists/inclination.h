// The highest-inclination scan ("(Inclinations)"): moves the browser to the first record after
// the one shown whose folded inclination exceeds every earlier one's.
#pragma once

#include "astorb/numbers.h"
#include "lists/scan.h"

namespace quorvane {

// i when i <= 90 degrees, 180 - i above: retrograde orbits fold back onto 0..90.
double FoldedInclination(double inclinationDegrees);

// Button1Click's scan, reading the inclinations by the fields' rule of `format`: starts from
// the record at the browser position; every later record with
// a strictly greater folded inclination than the running maximum moves the browser to it (ties
// keep the earlier). Ends after the browser's maximum index, or at the first unnumbered record
// when `numberedOnly`, with the message "Done."; a failed read ends it at once without it
// (ReadFailed), the browser on the last new maximum. It changes neither the cursor nor the
// clipboard and lets no message run.
ScanOutcome ScanHighestInclination(AstOrbDatabase& database, const BrowserRange& browser,
                                   bool numberedOnly, const NumberFormat& format);

} // namespace quorvane
