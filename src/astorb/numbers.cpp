#include "astorb/numbers.h"

#include "astorb/error.h"

#include <limits>

namespace quorvane {

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
        if (text[i] < '0' || text[i] > '9') {
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

std::int32_t StrToInt(std::string_view text) {
    if (const auto value = ParseInt(text)) {
        return *value;
    }
    RaiseNotAnInteger(text);
}

std::string WithDecimalSeparator(std::string_view text, const NumberFormat& format) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.') {
            c = format.decimalSeparator;
        }
    }
    return out;
}

} // namespace quorvane
