// The number patterns of the wiki outputs: "0", "0.0", "0.00", "0.000", "0.0000" and "%d",
// written with the decimal separator of the number format they are given.
#pragma once

#include "astorb/numbers.h"

#include <string>
#include <string_view>

namespace quorvane {

// Writes `value` with a fixed-point pattern ("0" or "0." and one to four "0"): the value is
// first cut to its 18 leading significant decimal digits, then rounded to the pattern's
// decimals, halves away from zero. At least one digit before `format`'s separator, no
// grouping, no sign on a value that rounds to zero. Infinities and NaN, which the callers never
// pass, are written "INF", "-INF" and "NAN". An unknown pattern throws std::invalid_argument.
std::string FormatFloat(std::string_view pattern, long double value, const NumberFormat& format);

// The "%d" pattern: a signed decimal integer.
std::string FormatInt(int value);

} // namespace quorvane
