// The quick path of the float conversion, inline so that a scan's inner loop can use it: the
// common shape of a record field read in one tight loop, eight digits at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace quorvane {

// 10^0 to 10^22: every one is exact as a double.
inline constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

namespace detail {

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::uint64_t LoadWord(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// How many of the 8 bytes of `word`, first byte lowest, are decimal digits before the first
// byte that is not one (8 when all are).
inline int LeadingDigits(std::uint64_t word) {
    // A byte of `other` is zero exactly when the byte is a digit (up to the first non-digit:
    // a carry out of a non-digit byte may spoil the bytes after it, which are not looked at).
    const std::uint64_t other =
        ((word & 0xF0F0F0F0F0F0F0F0ULL) ^ 0x3030303030303030ULL) |
        (((word + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) ^ 0x3030303030303030ULL);
    const std::uint64_t nonzero =
        (((other & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | other) & 0x8080808080808080ULL;
    return nonzero == 0 ? 8 : __builtin_ctzll(nonzero) / 8;
}

// The value of the 8 decimal digits of `word`, its first byte the most significant digit.
inline std::uint64_t EightDigitsValue(std::uint64_t word) {
    constexpr std::uint64_t kMask = 0x000000FF000000FFULL;
    constexpr std::uint64_t kMul1 = 0x000F424000000064ULL; // 100 + (1000000 << 32)
    constexpr std::uint64_t kMul2 = 0x0000271000000001ULL; // 1 + (10000 << 32)
    word -= 0x3030303030303030ULL;
    word = (word * 10) + (word >> 8);
    return (((word & kMask) * kMul1) + (((word >> 16) & kMask) * kMul2)) >> 32;
}

inline constexpr std::array<std::uint64_t, 9> kIntegerPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
};

// Digits from `p` on into `mantissa`, read eight bytes at a time while eight remain in the
// text, byte by byte after that. Unsigned arithmetic: more than 19 digits may wrap, and are
// refused by the caller.
inline const char* ReadDigits(const char* p, const char* end, std::uint64_t& mantissa) {
    while (end - p >= 8) {
        const std::uint64_t word = LoadWord(p);
        const int digits = LeadingDigits(word);
        if (digits == 8) {
            mantissa = mantissa * 100000000 + EightDigitsValue(word);
            p += 8;
            continue;
        }
        if (digits > 0) {
            // The digits moved to the end of the word, behind "0"s.
            const int shift = 8 * (8 - digits);
            const std::uint64_t aligned = (word << shift) | (0x3030303030303030ULL >> (64 - shift));
            mantissa = mantissa * kIntegerPowersOfTen[static_cast<std::size_t>(digits)] +
                       EightDigitsValue(aligned);
        }
        return p + digits;
    }
    while (p != end && IsDecimalDigit(*p)) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        ++p;
    }
    return p;
}

} // namespace detail

// [sign] digits [separator digits], with "." read as the separator when `dotIsSeparator`: at
// most 19 digits, at most 22 after the separator and a mantissa of at most 2^53, so the value
// is one correctly rounded division of exact operands, the double the decimal conversion
// gives. False for any other text (the full grammar then decides), and false when the
// separator could be mistaken for a sign, a digit or an exponent mark. The value goes out
// through a reference: a returned optional double costs a store-forwarding stall per field.
inline bool QuickDecimalTo(std::string_view text, char separator, bool dotIsSeparator,
                           double& value) {
    if (text.empty() || detail::IsDecimalDigit(separator) || separator == '+' || separator == '-' ||
        separator == 'e' || separator == 'E') {
        return false;
    }
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = *p == '-';
    if (negative || *p == '+') {
        ++p;
    }
    std::uint64_t mantissa = 0;
    const char* const integerStart = p;
    p = detail::ReadDigits(p, end, mantissa);
    std::ptrdiff_t digits = p - integerStart;
    std::ptrdiff_t fraction = 0;
    if (p != end && (*p == separator || (dotIsSeparator && *p == '.'))) {
        const char* const fractionStart = ++p;
        p = detail::ReadDigits(p, end, mantissa);
        fraction = p - fractionStart;
        digits += fraction;
    }
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    if (p != end || digits == 0 || digits > 19 || fraction > 22 || mantissa > kExactMantissa) {
        return false;
    }
    const double magnitude =
        static_cast<double>(mantissa) / kExactPowersOfTen[static_cast<std::size_t>(fraction)];
    value = negative ? -magnitude : magnitude;
    return true;
}

// QuickDecimalTo as an optional.
inline std::optional<double> QuickDecimal(std::string_view text, char separator,
                                          bool dotIsSeparator) {
    double value = 0.0;
    if (!QuickDecimalTo(text, separator, dotIsSeparator, value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace quorvane
