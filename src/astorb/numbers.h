// Text-to-number rules shared by the record fields and the parameter boxes, and the
// process-wide decimal separator that every number formatting and parsing uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The process-wide decimal separator: taken from the regional settings at start-up, changed by
// the English infobox.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Puts the decimal separator it found back when it ends, however its scope is left; the
// constructor with a separator sets that one meanwhile.
class DecimalSeparatorScope {
public:
    DecimalSeparatorScope() : saved_(DecimalSeparator()) {}
    explicit DecimalSeparatorScope(char separator) : DecimalSeparatorScope() {
        SetDecimalSeparator(separator);
    }
    ~DecimalSeparatorScope() { SetDecimalSeparator(saved_); }
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    char saved_;
};

// Strict floating-point grammar: optional sign, digits, optional `separator` and digits (at
// least one digit in all), optional exponent (e or E, optional sign, digits). Nothing else, no
// blanks, no "inf", no hexadecimal. Empty when the text does not follow it or overflows.
std::optional<double> ParseFloat(std::string_view text, char separator);

// The record fields' rule without building a text: ParseFloat of `fieldText` with every "."
// read as `separator`, so both "." and the separator separate the decimals.
std::optional<double> ParseFloatRule(std::string_view fieldText, char separator);

// Strict signed decimal integer: optional sign, then digits; empty on anything else or overflow.
std::optional<std::int32_t> ParseInt(std::string_view text);

// Conversions that raise the runtime's messages: "'%s' n'est pas une valeur ... correcte".
double StrToFloat(std::string_view text);
std::int32_t StrToInt(std::string_view text);

// The record fields' rule: every "." becomes the current separator, then StrToFloat, so a
// point is always accepted whatever the separator is.
double FloatRule(std::string_view fieldText);

// Replaces every "." by the current decimal separator.
std::string WithDecimalSeparator(std::string_view text);

} // namespace quorvane
