#include "infobox/patterns.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace quorvane {

namespace {

constexpr int kSignificantDigits = 18;
constexpr int kMaxDecimals = 4;

int DecimalsOf(std::string_view pattern) {
    if (pattern == "0") {
        return 0;
    }
    if (pattern.size() < 3 || pattern.size() > 2 + kMaxDecimals || pattern.substr(0, 2) != "0.") {
        throw std::invalid_argument("unknown number pattern");
    }
    for (const char c : pattern.substr(2)) {
        if (c != '0') {
            throw std::invalid_argument("unknown number pattern");
        }
    }
    return static_cast<int>(pattern.size()) - 2;
}

} // namespace

std::string FormatFloat(std::string_view pattern, long double value, const NumberFormat& format) {
    const int decimals = DecimalsOf(pattern);
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }

    // glibc prints the exact binary value correctly rounded, so these are the 18 leading
    // significant digits of the value itself, not of a re-rounded approximation.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, value);
    const std::string_view text(buffer);
    const bool negative = text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    std::string digits;
    digits += text[first];
    const std::size_t exponentAt = text.find('e');
    digits += text.substr(first + 2, exponentAt - first - 2);
    const int exponent = std::stoi(std::string(text.substr(exponentAt + 1)));

    // digits holds d1 d2 ... d18 and the value is 0.d1d2...d18 x 10^(exponent + 1); `kept` is
    // how many of them lie left of the rounding position.
    const int integerDigits = value == 0 ? 1 : exponent + 1;
    const int kept = integerDigits + decimals;
    std::string rounded; // the kept digits, most significant first
    if (kept > 0) {
        rounded = digits.substr(0, static_cast<std::size_t>(std::min(kept, kSignificantDigits)));
        rounded.append(static_cast<std::size_t>(std::max(0, kept - kSignificantDigits)), '0');
        if (kept < kSignificantDigits && digits[static_cast<std::size_t>(kept)] >= '5') {
            std::size_t i = rounded.size();
            while (i > 0 && rounded[i - 1] == '9') {
                rounded[--i] = '0';
            }
            if (i == 0) {
                rounded.insert(rounded.begin(), '1');
            } else {
                ++rounded[i - 1];
            }
        }
    } else if (kept == 0 && digits[0] >= '5') {
        rounded = "1";
    }

    // Scale the kept digits back: `rounded` now stands for an integer of units 10^-decimals.
    const int wanted = decimals + 1;
    if (static_cast<int>(rounded.size()) < wanted) {
        rounded.insert(0, static_cast<std::size_t>(wanted - static_cast<int>(rounded.size())), '0');
    }
    std::string out;
    if (negative && rounded.find_first_not_of('0') != std::string::npos) {
        out += '-';
    }
    const std::size_t integerPart = rounded.size() - static_cast<std::size_t>(decimals);
    const std::size_t leading =
        std::min(rounded.find_first_not_of('0'), integerPart - 1); // keep one digit
    out.append(rounded, leading, integerPart - leading);
    if (decimals > 0) {
        out += format.decimalSeparator;
        out.append(rounded, integerPart, std::string::npos);
    }
    return out;
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

} // namespace quorvane
