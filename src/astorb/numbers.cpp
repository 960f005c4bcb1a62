#include "astorb/numbers.h"

#include "astorb/error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quorvane {

namespace {

char gDecimalSeparator = '.';

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

std::optional<double> ParseFloat(std::string_view text, char separator) {
    // Validate the grammar and copy it into a buffer in the form from_chars reads.
    constexpr std::size_t kMaxLength = 512;
    if (text.empty() || text.size() > kMaxLength) {
        return std::nullopt;
    }
    std::array<char, kMaxLength + 1> buffer{};
    std::size_t n = 0;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') {
            buffer[n++] = '-';
        }
        ++i;
    }
    int digits = 0;
    bool negativeExponent = false;
    while (i < text.size() && IsDigit(text[i])) {
        buffer[n++] = text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == separator) {
        buffer[n++] = '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            buffer[n++] = text[i++];
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        buffer[n++] = 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            buffer[n++] = text[i++];
        }
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            buffer[n++] = text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
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
    return StrToFloat(WithDecimalSeparator(fieldText));
}

} // namespace quorvane
