// The fixed-column decoder against the general conversion of the trimmed field: where it
// takes a field it gives the same double, bit for bit, and it takes the shapes the file holds;
// the bytes beyond the field's width never matter.
#include "astorb/fixed_field.h"
#include "core/fast_generator.h"
#include "reference/plain_float.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {
namespace {

#if defined(__SSE2__)

// The fixed-column path's value of `field` (with the 8 bytes before it and 16 from it
// readable), as the scans' float reader takes it.
bool FixedFieldDecimalTo(const char* field, std::size_t width, char separator, double& value) {
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    if (!FixedFieldDecimalParts(field, width, MakeFixedFieldSeparator(separator), mantissa,
                                fractionDigits)) {
        return false;
    }
    value = FixedFieldValue(mantissa, fractionDigits);
    return true;
}

std::optional<std::uint64_t> Bits(std::optional<double> value) {
    if (!value) {
        return std::nullopt;
    }
    return std::bit_cast<std::uint64_t>(*value);
}

// The field's text as the scans' reference reads it: trimmed of bytes up to 32, every "."
// read as the separator.
std::optional<double> ReferenceValue(const std::string& field, char separator) {
    std::size_t begin = 0;
    std::size_t end = field.size();
    while (begin != end && static_cast<unsigned char>(field[begin]) <= 32) {
        ++begin;
    }
    while (end != begin && static_cast<unsigned char>(field[end - 1]) <= 32) {
        --end;
    }
    std::string text = field.substr(begin, end - begin);
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return reference::ParseFloatPlain(text, separator);
}

// `field` placed in a record-like buffer with 8 bytes before it and `tail` after it; whether
// the decoder took it.
bool ExpectSameWhereTaken(const std::string& field, char separator, char tail = '7') {
    SCOPED_TRACE("'" + field + "' separator '" + std::string(1, separator) + "'");
    std::string buffer = std::string(8, '9') + field + std::string(24, tail);
    double value = 0.0;
    const bool taken = FixedFieldDecimalTo(buffer.data() + 8, field.size(), separator, value);
    if (taken) {
        EXPECT_EQ(std::optional<std::uint64_t>(std::bit_cast<std::uint64_t>(value)),
                  Bits(ReferenceValue(field, separator)));
    }
    return taken;
}

TEST(FixedFieldFloat, TakesTheFileShapes) {
    // The inclination, eccentricity and semi-major axis columns of a generated record.
    struct Row {
        const char* name;
        std::string field;
        double value;
    };
    const Row rows[] = {
        {"inclination", " 12.938307", 12.938307},
        {"eccentricity", "0.16830079", 0.16830079},
        {"semi-major axis", "  2.12071083", 2.12071083},
        {"eight and eight digits", "12345678.1234567", 12345678.1234567},
        {"no point", "    42", 42.0},
        {"point last", "   5.", 5.0},
        {"tab and control bytes", "\t\x01 3.25\x1f ", 3.25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(ExpectSameWhereTaken(row.field, '.'));
        double value = 0.0;
        std::string buffer = std::string(8, ' ') + row.field + std::string(16, '1');
        ASSERT_TRUE(FixedFieldDecimalTo(buffer.data() + 8, row.field.size(), '.', value));
        EXPECT_EQ(value, row.value);
    }
    // The separator and "." both read as the separator.
    EXPECT_TRUE(ExpectSameWhereTaken("  2,5", ','));
    EXPECT_TRUE(ExpectSameWhereTaken("  2.5", ','));
}

TEST(FixedFieldFloat, LeavesOtherShapesToTheGeneralConversion) {
    const char* const fields[] = {
        "          ", " -1.5     ", " +1.5     ", "  .5      ",   "  1 .5    ",
        "  1.5.2   ", "  1,5.2   ", " 1e5      ", " 123456789.5", "1.123456789",
        "  x1.5    ", "  1.5x    ", "    .     ",
    };
    for (const char* field : fields) {
        EXPECT_FALSE(ExpectSameWhereTaken(field, field[3] == ',' ? ',' : '.'));
    }
    // Separators that could be read as something else.
    for (const char separator : {'e', 'E', '5', '-', '+', ' '}) {
        double value = 0.0;
        const std::string buffer = std::string(8, ' ') + "  2.5" + std::string(16, ' ');
        EXPECT_FALSE(FixedFieldDecimalTo(buffer.data() + 8, 5, separator, value)) << separator;
    }
}

TEST(FixedFieldFloat, RandomFieldsAgreeWithTheGeneralConversion) {
    constexpr char kAlphabet[] = "012345678901234567890123456789  ..,-+e\x01\x7f\xe9";
    constexpr char kSeparators[] = {'.', ',', ';'};
    test::SmallRandom random(23);
    int taken = 0;
    for (int k = 0; k < 300000; ++k) {
        const int width = 1 + random.Below(16);
        std::string field;
        for (int c = 0; c < width; ++c) {
            field += kAlphabet[random.Below(sizeof kAlphabet - 1)];
        }
        const char tail = kAlphabet[random.Below(sizeof kAlphabet - 1)];
        if (ExpectSameWhereTaken(field, kSeparators[random.Below(sizeof kSeparators)], tail)) {
            ++taken;
        }
    }
    // Field-shaped texts: blanks, digits, one point, digits, blanks.
    for (int k = 0; k < 300000; ++k) {
        const int width = 1 + random.Below(16);
        const int lead = random.Below(width);
        const int integer = random.Below(width - lead + 1);
        const int fraction = random.Below(width - lead - integer + 1);
        std::string field(static_cast<std::size_t>(lead), ' ');
        for (int c = 0; c < integer; ++c) {
            field += static_cast<char>('0' + random.Below(10));
        }
        if (fraction > 0) {
            field += '.';
            for (int c = 1; c < fraction; ++c) {
                field += static_cast<char>('0' + random.Below(10));
            }
        }
        field.resize(static_cast<std::size_t>(width), ' ');
        if (ExpectSameWhereTaken(field, '.', static_cast<char>('0' + random.Below(10)))) {
            ++taken;
        }
    }
    EXPECT_GT(taken, 100000);
}

#endif

} // namespace
} // namespace quorvane
