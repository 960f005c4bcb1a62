// The "0.0" number pattern of the family list: one decimal, rounded half away from zero, with
// the decimal separator of the number format it is given.
#pragma once

#include "astorb/numbers.h"

#include <string>

namespace quorvane {

// `value` rounded to one decimal, halves away from zero, with at least one digit before
// `format`'s separator: 84.24 gives "84.2", 0.25 gives "0.3" ("0,3" with a comma separator).
// The exact binary value is rounded, so 0.35 (stored as 0.34999...) gives "0.3".
std::string FormatOneDecimal(double value, const NumberFormat& format);

} // namespace quorvane
