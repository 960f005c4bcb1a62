// The number format every formatting and parsing of a decimal number is given, and the integer
// rule of the record fields. Floats are read through FloatReader (float_reader.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// How numbers are written and read: each front end keeps one, taken from the regional settings
// at start-up (or the command line's --decimal-separator), and hands it to every command.
struct NumberFormat {
    char decimalSeparator = '.';
};

// Which characters separate a number's decimals when it is read.
enum class DecimalPoints {
    Separator,        // the format's separator only
    PointOrSeparator, // the fields' rule: every "." read as the separator, so both separate
};

// Strict signed decimal integer: optional sign, then digits; empty on anything else or overflow.
std::optional<std::int32_t> ParseInt(std::string_view text);

// ParseInt, raising "'%s' n'est pas une valeur entière correcte".
std::int32_t StrToInt(std::string_view text);

// Replaces every "." by the format's decimal separator.
std::string WithDecimalSeparator(std::string_view text, const NumberFormat& format);

} // namespace quorvane
