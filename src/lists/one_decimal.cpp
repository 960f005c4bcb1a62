#include "lists/one_decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

std::string FixedText(double value, int decimals) {
    // Enough for any finite double in fixed notation with two decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

// A tie sits exactly halfway between two tenths: in binary only the odd multiples of 0.25 do.
bool IsHalfTenth(double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    const double quarters = value * 4.0; // exact: a power of two
    return quarters == std::trunc(quarters) && std::fmod(quarters, 2.0) != 0.0;
}

// "12.3" from "12.25", "-0.8" from "-0.75": a tie ends in .25 or .75, so dropping the 5 leaves
// a tenth digit of 2 or 7, which takes the carry without passing it on.
std::string RoundTieAway(std::string digits) {
    digits.pop_back();
    ++digits.back();
    return digits;
}

} // namespace

std::string FormatOneDecimal(double value, const NumberFormat& format) {
    std::string text = IsHalfTenth(value) ? RoundTieAway(FixedText(value, 2)) : FixedText(value, 1);
    for (char& c : text) {
        if (c == '.') {
            c = format.decimalSeparator;
        }
    }
    return text;
}

} // namespace quorvane
