// The fixed-column decoder against the general conversion of the trimmed field: where it
// takes a field it gives the same double, bit for bit, and it takes the shapes the file holds;
// the bytes beyond the field's width never matter. A learned field layout reads what the
// decoder reads.
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

constexpr DecimalPoints kRule = DecimalPoints::PointOrSeparator;

FixedFieldSeparator Prepared(char separator, DecimalPoints points = kRule) {
    return MakeFixedFieldSeparator(NumberFormat{separator}, points);
}

// The fixed-column path's value of `field` (with the 8 bytes before it and 16 from it
// readable), as the float reader takes it.
bool FixedFieldDecimalTo(const char* field, std::size_t width, char separator, double& value,
                         DecimalPoints points = kRule) {
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    if (!FixedFieldDecimalParts(field, width, Prepared(separator, points), mantissa,
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

// The field's text as the plain definition reads it: trimmed of bytes up to 32, every "." read
// as the separator under the fields' rule.
std::optional<double> ReferenceValue(const std::string& field, char separator,
                                     DecimalPoints points) {
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
        if (c == '.' && points == kRule) {
            c = separator;
        }
    }
    return reference::ParseFloatPlain(text, separator);
}

// `field` placed in a record-like buffer with 8 bytes before it and `tail` after it; whether
// the decoder took it.
bool ExpectSameWhereTaken(const std::string& field, char separator, char tail = '7',
                          DecimalPoints points = kRule) {
    SCOPED_TRACE("'" + field + "' separator '" + std::string(1, separator) + "'" +
                 (points == kRule ? "" : " alone"));
    std::string buffer = std::string(8, '9') + field + std::string(24, tail);
    double value = 0.0;
    const bool taken =
        FixedFieldDecimalTo(buffer.data() + 8, field.size(), separator, value, points);
    if (taken) {
        EXPECT_EQ(std::optional<std::uint64_t>(std::bit_cast<std::uint64_t>(value)),
                  Bits(ReferenceValue(field, separator, points)));
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
    // The separator and "." both read as the separator; read with the separator alone, a "."
    // is left to the general conversion, which refuses it.
    EXPECT_TRUE(ExpectSameWhereTaken("  2,5", ','));
    EXPECT_TRUE(ExpectSameWhereTaken("  2.5", ','));
    EXPECT_TRUE(ExpectSameWhereTaken("  2,5", ',', '7', DecimalPoints::Separator));
    EXPECT_FALSE(ExpectSameWhereTaken("  2.5", ',', '7', DecimalPoints::Separator));
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
        const DecimalPoints points = random.Below(4) == 0 ? DecimalPoints::Separator : kRule;
        if (ExpectSameWhereTaken(field, kSeparators[random.Below(sizeof kSeparators)], tail,
                                 points)) {
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

// Where a learned layout takes a field it reads what the general fixed-column path reads.
bool ExpectLayoutAgrees(const FixedFieldLayout& layout, const std::string& field, char separator,
                        char tail, DecimalPoints points = kRule) {
    SCOPED_TRACE("'" + field + "' separator '" + std::string(1, separator) + "'" +
                 (points == kRule ? "" : " alone"));
    const std::string buffer = std::string(8, tail) + field + std::string(24, tail);
    const FixedFieldSeparator prepared = Prepared(separator, points);
    std::uint64_t mantissa = 0;
    if (!FixedLayoutDecimalParts(buffer.data() + 8, layout, prepared, mantissa)) {
        return false;
    }
    std::uint64_t expected = 0;
    int fractionDigits = 0;
    EXPECT_TRUE(FixedFieldDecimalParts(buffer.data() + 8, field.size(), prepared, expected,
                                       fractionDigits));
    EXPECT_EQ(mantissa, expected);
    EXPECT_EQ(layout.fractionDigits, fractionDigits);
    return true;
}

FixedFieldLayout Learn(const std::string& field, char separator = '.') {
    const std::string buffer = std::string(8, '9') + field + std::string(24, '9');
    return LearnFixedFieldLayout(buffer.data() + 8, field.size(), Prepared(separator));
}

TEST(FixedFieldLayout, LearnsTheFileShapesOnly) {
    struct Row {
        std::string field;
        bool usable;
        int point;
    };
    const Row rows[] = {
        {" 12.938307", true, 3},       {"0.16830079", true, 1},   {"  2.12071083", true, 3},
        {"12345678.1234567", true, 8}, {"123456789.5", false, 0}, {"  5.25  ", false, 0},
        {"    42", false, 0},          {"   5.", false, 0},       {" -1.5", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        const FixedFieldLayout layout = Learn(row.field);
        EXPECT_EQ(layout.usable, row.usable);
        if (row.usable) {
            EXPECT_EQ(layout.point, row.point);
            EXPECT_TRUE(ExpectLayoutAgrees(layout, row.field, '.', '9'));
        }
    }
    // The integer part may be shorter or longer within the columns before the separator.
    const FixedFieldLayout inclination = Learn(" 12.938307");
    for (const char* field : {"  2.938307", "112.938307", "  0.000000"}) {
        EXPECT_TRUE(ExpectLayoutAgrees(inclination, field, '.', '9')) << field;
    }
    EXPECT_TRUE(ExpectLayoutAgrees(inclination, " 12,938307", ',', '9'));
    // Other shapes go back to the decoder.
    for (const char* field : {" 12.93830 ", "  1 .93830", "1 2.938307", "   .938307", " 12.9383.7",
                              "\t12.938307", " 12,938307", "-12.938307", "  12938307"}) {
        EXPECT_FALSE(ExpectLayoutAgrees(inclination, field, '.', '9')) << field;
    }
}

TEST(FixedFieldLayout, RandomFieldsAgreeWithTheGeneralPath) {
    constexpr char kAlphabet[] = "0123456789012345678901234567890123456789  .  ,-\t\x01\xe9";
    constexpr char kSeparators[] = {'.', ',', ';'};
    const std::string learnedFrom[] = {" 12.938307", "0.16830079", "  2.12071083", "13.40",
                                       "12345678.1234567"};
    test::SmallRandom random(41);
    int taken = 0;
    for (const std::string& sample : learnedFrom) {
        const FixedFieldLayout layout = Learn(sample);
        ASSERT_TRUE(layout.usable) << sample;
        for (int k = 0; k < 100000; ++k) {
            std::string field = sample;
            // A few bytes changed at random, so that most fields stay close to the shape.
            for (int changes = 1 + random.Below(3); changes > 0; --changes) {
                field[static_cast<std::size_t>(random.Below(static_cast<int>(field.size())))] =
                    kAlphabet[random.Below(sizeof kAlphabet - 1)];
            }
            const char tail = kAlphabet[random.Below(sizeof kAlphabet - 1)];
            const DecimalPoints points = random.Below(4) == 0 ? DecimalPoints::Separator : kRule;
            if (ExpectLayoutAgrees(layout, field, kSeparators[random.Below(3)], tail, points)) {
                ++taken;
            }
        }
    }
    EXPECT_GT(taken, 100000);
}

#endif

} // namespace
} // namespace quorvane
