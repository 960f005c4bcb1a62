#include "astorb/numbers.h"

#include "astorb/error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace quorvane {

namespace {

char gDecimalSeparator = '.';

// Longer texts are not numbers.
constexpr std::size_t kMaxFloatText = 512;

// 10^0 to 10^22: every one is exact as a double.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

char DecimalSeparator() {
    return gDecimalSeparator;
}

void SetDecimalSeparator(char separator) {
    gDecimalSeparator = separator;
}

namespace {

// The value of a text the grammar below has accepted, through the general decimal conversion:
// the characters as the grammar read them, the separator at `separatorAt` (`text.size()` when
// there is none) as a point and a leading "+" dropped, in the form from_chars reads.
std::optional<double> GeneralConversion(std::string_view text, char separator, bool dotIsSeparator,
                                        std::size_t separatorAt, bool negativeExponent) {
    const auto at = [&](std::size_t i) {
        return dotIsSeparator && text[i] == '.' ? separator : text[i];
    };
    std::array<char, kMaxFloatText> buffer;
    std::size_t n = 0;
    for (std::size_t i = at(0) == '+' ? 1 : 0; i < text.size(); ++i) {
        buffer[n++] = i == separatorAt ? '.' : at(i);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(buffer.data(), buffer.data() + n, value);
    if (ec == std::errc::result_out_of_range) {
        // Overflow fails; underflow reads as zero, as a decimal conversion to a double does.
        long double wide = 0.0L;
        const auto [wideEnd, wideEc] = std::from_chars(buffer.data(), buffer.data() + n, wide);
        const bool tiny = wideEc == std::errc() ? std::fabs(wide) < 1.0L : negativeExponent;
        if (!tiny) {
            return std::nullopt;
        }
        return buffer[0] == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != buffer.data() + n) {
        return std::nullopt;
    }
    return value;
}

// The float grammar over `text` with every "." read as `separator` when `dotIsSeparator`. A
// mantissa of at most 2^53 scaled by an exact power of ten up to 10^22 is one correctly rounded
// operation on exact operands, so it equals the decimal conversion; anything else (more
// digits, larger exponents) goes to the general conversion. Allocation-free.
std::optional<double> ParseFloatMapped(std::string_view text, char separator, bool dotIsSeparator) {
    const std::size_t size = text.size();
    if (size == 0 || size > kMaxFloatText) {
        return std::nullopt;
    }
    const auto at = [&](std::size_t i) {
        const char c = text[i];
        return dotIsSeparator && c == '.' ? separator : c;
    };
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    std::size_t i = 0;
    bool negative = false;
    if (at(0) == '+' || at(0) == '-') {
        negative = at(0) == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int digits = 0;
    int significant = 0; // digits after the leading zeros
    int scale = 0;       // power of ten that the mantissa's digits lack
    // The first 19 significant digits go into the mantissa; an integer digit beyond them
    // raises the scale, a fraction digit within them lowers it.
    const auto takeDigits = [&](bool fraction) {
        while (i < size && IsDigit(at(i))) {
            const int digit = at(i++) - '0';
            ++digits;
            if (significant > 0 || digit != 0) {
                ++significant;
            }
            if (significant <= 19) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit);
                scale -= fraction ? 1 : 0;
            } else {
                scale += fraction ? 0 : 1;
            }
        }
    };
    takeDigits(false);
    std::size_t separatorAt = size;
    if (i < size && at(i) == separator) {
        separatorAt = i++;
        takeDigits(true);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    int exponent = 0;
    bool exponentTooLong = false;
    bool negativeExponent = false;
    if (i < size && (at(i) == 'e' || at(i) == 'E')) {
        ++i;
        if (i < size && (at(i) == '+' || at(i) == '-')) {
            negativeExponent = at(i) == '-';
            ++i;
        }
        int exponentDigits = 0;
        while (i < size && IsDigit(at(i))) {
            if (exponent < 100000) {
                exponent = exponent * 10 + (at(i) - '0');
            } else {
                exponentTooLong = true;
            }
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != size) {
        return std::nullopt;
    }
    const int power = scale + exponent;
    if (significant <= 19 && !exponentTooLong && mantissa <= kExactMantissa && power >= -22 &&
        power <= 22) {
        double value = static_cast<double>(mantissa);
        if (power < 0) {
            value /= kExactPowersOfTen[static_cast<std::size_t>(-power)];
        } else {
            value *= kExactPowersOfTen[static_cast<std::size_t>(power)];
        }
        return negative ? -value : value;
    }
    return GeneralConversion(text, separator, dotIsSeparator, separatorAt, negativeExponent);
}

} // namespace

std::optional<double> ParseFloat(std::string_view text, char separator) {
    return ParseFloatMapped(text, separator, false);
}

std::optional<double> ParseFloatRule(std::string_view fieldText, char separator) {
    return ParseFloatMapped(fieldText, separator, true);
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

double StrToFloat(std::string_view text) {
    if (const auto value = ParseFloat(text, gDecimalSeparator)) {
        return *value;
    }
    RaiseNotAFloat(text);
}

std::int32_t StrToInt(std::string_view text) {
    if (const auto value = ParseInt(text)) {
        return *value;
    }
    RaiseNotAnInteger(text);
}

std::string WithDecimalSeparator(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.') {
            c = gDecimalSeparator;
        }
    }
    return out;
}

double FloatRule(std::string_view fieldText) {
    if (const auto value = ParseFloatRule(fieldText, gDecimalSeparator)) {
        return *value;
    }
    RaiseNotAFloat(WithDecimalSeparator(fieldText));
}

} // namespace quorvane
