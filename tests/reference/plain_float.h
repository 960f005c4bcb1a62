// The plain definition of the float grammar and its value: the text checked character by
// character, then the standard library's general decimal conversion. Every quicker reader of
// a number in the product is held to it, bit for bit.
#pragma once

#include <optional>
#include <string_view>

namespace quorvane::reference {

// Optional sign, digits, optional `separator` and digits (at least one digit in all), optional
// exponent (e or E, optional sign, digits), nothing else; empty when the text does not follow
// it or its value overflows a double. A value too small for a double reads as zero.
std::optional<double> ParseFloatPlain(std::string_view text, char separator);

} // namespace quorvane::reference
