// The fixed-column fast paths of FloatReader (float_reader.h): a record's numeric field of the
// shape the file's fields have (blanks, digits, the separator, digits, blanks) taken in one
// 16-byte look, inline so that a scan's inner loop holds it with the field's columns as
// constants, and the field layouts a reader learns from it. Any other text goes to the
// reader's general path.
#pragma once

#include "astorb/numbers.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>

namespace quorvane {

namespace detail {

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::uint64_t LoadWord(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
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

// 10^0 to 10^8, exact as doubles.
inline constexpr std::array<double, 9> kPowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
};

// The value of the `count` (1 to 8) digits that end just before `end`, read as one word; the
// bytes before them are replaced by "0"s.
inline std::uint64_t DigitsEndingAt(const char* end, int count) {
    const int shift = 8 * (8 - count);
    const std::uint64_t word = LoadWord(end - 8);
    const std::uint64_t kept = ~std::uint64_t{0} << shift; // the last `count` bytes
    return EightDigitsValue((word & kept) | (0x3030303030303030ULL & ~kept));
}

} // namespace detail

// The characters that separate the decimals as the fixed-column path looks for them, prepared
// once for a whole scan: the format's separator, and "." under the fields' rule (the separator
// again otherwise). A separator that is a blank, a digit, a sign or an exponent mark is never
// looked for.
struct FixedFieldSeparator {
    __m128i separatorBytes;
    __m128i pointBytes;
    char separator;
    char point;
    bool usable;
};

inline FixedFieldSeparator MakeFixedFieldSeparator(const NumberFormat& format,
                                                   DecimalPoints points) {
    const char separator = format.decimalSeparator;
    const char point = points == DecimalPoints::PointOrSeparator ? '.' : separator;
    const bool usable = static_cast<unsigned char>(separator) > 32 &&
                        !detail::IsDecimalDigit(separator) && separator != '+' &&
                        separator != '-' && separator != 'e' && separator != 'E';
    return {_mm_set1_epi8(separator), _mm_set1_epi8(point), separator, point, usable};
}

// A numeric field of the common shape in its fixed columns, decoded without a branch that
// depends on the digits: blanks (any byte up to 32), 1 to 8 digits, the separator (or "."
// under the fields' rule), 0 to 8 digits, blanks, within the `width` (at most 16) bytes from
// `field`. The 16 bytes from `field` and the 8 before it must be readable. Gives the digits as
// an integer `mantissa` and the number of them after the separator (FixedFieldValue turns them
// into the value), so that a scan that only checks the field skips the division. False for any
// other text, which then goes the longer way.
[[gnu::always_inline]] inline bool FixedFieldDecimalParts(const char* field, std::size_t width,
                                                          const FixedFieldSeparator& separator,
                                                          std::uint64_t& mantissa,
                                                          int& fractionDigits) {
    if (width == 0 || width > 16 || !separator.usable) {
        return false;
    }
    const unsigned widthMask = (1U << width) - 1U;
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field));
    const __m128i fromZero = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero);
    const __m128i blank = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(32)), bytes);
    const __m128i point = _mm_or_si128(_mm_cmpeq_epi8(bytes, separator.pointBytes),
                                       _mm_cmpeq_epi8(bytes, separator.separatorBytes));
    const unsigned digits = static_cast<unsigned>(_mm_movemask_epi8(digit)) & widthMask;
    const unsigned blanks = static_cast<unsigned>(_mm_movemask_epi8(blank)) & widthMask;
    const unsigned points = static_cast<unsigned>(_mm_movemask_epi8(point)) & widthMask;
    const unsigned body = digits | points;
    if ((body | blanks) != widthMask || digits == 0 || (points & (points - 1U)) != 0) {
        return false;
    }
    const int low = __builtin_ctz(body);
    const unsigned run = body >> low;
    if ((run & (run + 1U)) != 0) {
        return false; // a blank inside the text
    }
    const int high = 32 - __builtin_clz(body);
    const int at = points != 0 ? __builtin_ctz(points) : high;
    const int integerDigits = at - low;
    fractionDigits = points != 0 ? high - at - 1 : 0;
    if (integerDigits < 1 || integerDigits > 8 || fractionDigits > 8) {
        return false;
    }
    mantissa = detail::DigitsEndingAt(field + at, integerDigits);
    if (fractionDigits > 0) {
        mantissa =
            mantissa * detail::kIntegerPowersOfTen[static_cast<std::size_t>(fractionDigits)] +
            detail::DigitsEndingAt(field + high, fractionDigits);
    }
    return true;
}

// The value of a fixed-column field from its parts: at most 16 digits, below 2^53, over a
// power of ten exact as a double, so one correctly rounded division of exact operands: the
// double the decimal conversion gives.
[[gnu::always_inline]] inline double FixedFieldValue(std::uint64_t mantissa, int fractionDigits) {
    return static_cast<double>(mantissa) /
           detail::kPowersOfTen[static_cast<std::size_t>(fractionDigits)];
}

// Where a field's separator stands and how many digits follow it, as the records of one file
// repeat it: a reader learns it from a field the decoder has taken, then checks each field
// against it with a few comparisons and reads the digits from known places. Kept beside the
// decoder because it saves about a tenth of the work of a scan that reads three float fields.
struct FixedFieldLayout {
    bool usable = false;
    int point = 0;          // offset of the separator in the field, 1 to 8
    int fractionDigits = 0; // digits from the separator to the field's end, 1 to 8
    unsigned widthMask = 0;
    unsigned fractionMask = 0;      // the fraction's bytes
    std::uint64_t integerKeep = 0;  // the bytes of the 8 before the separator inside the field
    std::uint64_t fractionKeep = 0; // the fraction's bytes among the field's last 8
};

// The layout of `field` when it has the shape the layout describes (blanks, 1 to 8 digits, the
// separator, digits to the field's end); an unusable one otherwise.
inline FixedFieldLayout LearnFixedFieldLayout(const char* field, std::size_t width,
                                              const FixedFieldSeparator& separator) {
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    FixedFieldLayout layout;
    if (!FixedFieldDecimalParts(field, width, separator, mantissa, fractionDigits) ||
        fractionDigits < 1) {
        return layout;
    }
    const int point = static_cast<int>(width) - 1 - fractionDigits;
    if (point < 1 || point > 8 ||
        (field[point] != separator.point && field[point] != separator.separator)) {
        return layout; // the digits stop before the field's end
    }
    layout.usable = true;
    layout.point = point;
    layout.fractionDigits = fractionDigits;
    layout.widthMask = (1U << width) - 1U;
    layout.fractionMask = layout.widthMask & ~((2U << point) - 1U);
    layout.integerKeep = point == 8 ? ~std::uint64_t{0} : ~(~std::uint64_t{0} >> (8 * point));
    layout.fractionKeep =
        fractionDigits == 8 ? ~std::uint64_t{0} : ~(~std::uint64_t{0} >> (8 * fractionDigits));
    return layout;
}

// FixedFieldDecimalParts for a field of the learned layout: the same mantissa, with
// `layout.fractionDigits` decimals. False when the field has another shape (blanks other
// than spaces included), where the decoder decides. The 8 bytes before the field and
// the 16 from it must be readable.
[[gnu::always_inline]] inline bool FixedLayoutDecimalParts(const char* field,
                                                           const FixedFieldLayout& layout,
                                                           const FixedFieldSeparator& separator,
                                                           std::uint64_t& mantissa) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field));
    const __m128i fromZero = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero);
    const __m128i space = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '));
    const __m128i point = _mm_or_si128(_mm_cmpeq_epi8(bytes, separator.pointBytes),
                                       _mm_cmpeq_epi8(bytes, separator.separatorBytes));
    const unsigned digits = static_cast<unsigned>(_mm_movemask_epi8(digit)) & layout.widthMask;
    const unsigned spaces = static_cast<unsigned>(_mm_movemask_epi8(space)) & layout.widthMask;
    const unsigned points = static_cast<unsigned>(_mm_movemask_epi8(point)) & layout.widthMask;
    const unsigned pointBit = 1U << layout.point;
    const unsigned integer = digits & (pointBit - 1U);
    // Every byte a digit, a space or the separator; the separator in its place; digits to the
    // end; and before it one run of digits that reaches it.
    if ((digits | spaces | points) != layout.widthMask || points != pointBit ||
        (digits & layout.fractionMask) != layout.fractionMask || integer == 0 ||
        integer + (integer & (0U - integer)) != pointBit) {
        return false;
    }
    constexpr std::uint64_t kZeros = 0x3030303030303030ULL;
    // A space with its 0x10 bit set is "0"; the bytes before the field become "0"s too.
    const std::uint64_t integerWord =
        ((detail::LoadWord(field + layout.point - 8) | 0x1010101010101010ULL) &
         layout.integerKeep) |
        (kZeros & ~layout.integerKeep);
    const std::uint64_t fractionWord =
        (detail::LoadWord(field + layout.point + 1 + layout.fractionDigits - 8) &
         layout.fractionKeep) |
        (kZeros & ~layout.fractionKeep);
    mantissa = detail::EightDigitsValue(integerWord) *
                   detail::kIntegerPowersOfTen[static_cast<std::size_t>(layout.fractionDigits)] +
               detail::EightDigitsValue(fractionWord);
    return true;
}

} // namespace quorvane

#endif
