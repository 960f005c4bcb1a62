#include "reference/plain_float.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace quorvane::reference {

namespace {

// Longer texts are not numbers.
constexpr std::size_t kMaxFloatText = 512;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> ParseFloatPlain(std::string_view text, char separator) {
    // Validate the grammar and copy it into a buffer in the form from_chars reads.
    constexpr std::size_t kMaxLength = kMaxFloatText;
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

} // namespace quorvane::reference
