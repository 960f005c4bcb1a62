#include "astorb/float_reader.h"

#include "astorb/error.h"

#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

// Longer texts are not numbers.
constexpr std::size_t kMaxFloatText = 512;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> FloatReader::Parse(std::string_view text) const {
    const std::size_t size = text.size();
    if (size == 0 || size > kMaxFloatText) {
        return std::nullopt;
    }
    const char separator = format_.decimalSeparator;
    const bool pointSeparates = points_ == DecimalPoints::PointOrSeparator;
    const auto at = [&](std::size_t i) {
        return pointSeparates && text[i] == '.' ? separator : text[i];
    };
    // The text checked against the grammar and copied in the form from_chars reads: no "+",
    // the separator as a point.
    std::array<char, kMaxFloatText> buffer;
    std::size_t n = 0;
    std::size_t i = 0;
    if (at(0) == '+' || at(0) == '-') {
        if (at(0) == '-') {
            buffer[n++] = '-';
        }
        ++i;
    }
    int digits = 0;
    const auto takeDigits = [&] {
        while (i < size && IsDigit(at(i))) {
            buffer[n++] = at(i++);
            ++digits;
        }
    };
    takeDigits();
    if (i < size && at(i) == separator) {
        buffer[n++] = '.';
        ++i;
        takeDigits();
    }
    if (digits == 0) {
        return std::nullopt;
    }
    bool negativeExponent = false;
    if (i < size && (at(i) == 'e' || at(i) == 'E')) {
        buffer[n++] = 'e';
        ++i;
        if (i < size && (at(i) == '+' || at(i) == '-')) {
            negativeExponent = at(i) == '-';
            buffer[n++] = at(i++);
        }
        const int mantissaDigits = digits;
        takeDigits();
        if (digits == mantissaDigits) {
            return std::nullopt;
        }
    }
    if (i != size) {
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

double FloatReader::Value(std::string_view text) const {
    if (const std::optional<double> value = Parse(text)) {
        return *value;
    }
    if (points_ == DecimalPoints::PointOrSeparator) {
        RaiseNotAFloat(WithDecimalSeparator(text, format_));
    }
    RaiseNotAFloat(text);
}

double FloatReader::FieldValue(AstOrbRecord record, Field field) const {
    double value = 0.0;
    if (Read(record, field, value)) {
        return value;
    }
    return Value(TrimmedField(record, field));
}

} // namespace quorvane
