// The float reader's text conversion against the plain definition: the same double, bit for
// bit, or the same refusal, for every text and separator, under either reading of "."; the
// fields' rule's error quoting the field with each "." replaced by the separator; and the
// field layouts a reader learns kept apart per record layout.
#include "astorb/error.h"
#include "astorb/float_reader.h"
#include "core/fast_generator.h"
#include "reference/plain_float.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {
namespace {

std::string Mapped(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

// Bits, so that -0.0 and 0.0 differ.
std::optional<std::uint64_t> Bits(std::optional<double> value) {
    if (!value) {
        return std::nullopt;
    }
    return std::bit_cast<std::uint64_t>(*value);
}

void ExpectSameConversion(const std::string& text, char separator) {
    SCOPED_TRACE("'" + text + "' separator '" + std::string(1, separator) + "'");
    const NumberFormat format{separator};
    EXPECT_EQ(Bits(FloatReader(format, DecimalPoints::Separator).Parse(text)),
              Bits(reference::ParseFloatPlain(text, separator)));
    EXPECT_EQ(Bits(FloatReader(format, DecimalPoints::PointOrSeparator).Parse(text)),
              Bits(reference::ParseFloatPlain(Mapped(text, separator), separator)));
}

// Separators that look like nothing else, and some that look like a digit, a sign or an
// exponent mark, which the grammar reads in its own order.
constexpr char kSeparators[] = {'.', ',', 'e', '5', '-', '+', ' '};

TEST(QuickFloat, TableOfShapes) {
    const char* const texts[] = {
        "2.5",
        "0.12345678",
        "  2.12345678",
        "2,5",
        "-0",
        "-0.0",
        "+.5",
        "5.",
        ".",
        "",
        "-",
        "+",
        "1e5",
        "1E-5",
        "1e",
        "1e+",
        "2.5.1",
        "1,5.2",
        "9007199254740992",
        "9007199254740993",
        "9007199254740993.0",
        "0.9007199254740993",
        "12345678901234567890",
        "1234567890123456789",
        "0.0000000000000000000001",
        "0.00000000000000000000001",
        "1e22",
        "1e23",
        "1e-22",
        "1e-23",
        "1e400",
        "1e-400",
        "-1e-400",
        "00000000000000000000001",
        "12345678.12345678",
        "1.2345678e10",
        "abc",
        "1 2",
        "0x10",
        "inf",
        "nan",
        "\xE9",
        "1.5e0001",
        "1.5e99999999999",
    };
    for (const char* text : texts) {
        for (const char separator : kSeparators) {
            ExpectSameConversion(text, separator);
        }
    }
    // Texts beyond 512 characters are no numbers, whatever their digits.
    ExpectSameConversion(std::string(600, '0') + "1", '.');
}

TEST(QuickFloat, RandomTextsOverTheGrammarsAlphabet) {
    constexpr char kAlphabet[] = "0123456789012345678901234567890123456789..,,ee+-E x";
    test::SmallRandom random(7);
    for (int k = 0; k < 200000; ++k) {
        std::string text;
        const int length = random.Below(14);
        for (int c = 0; c < length; ++c) {
            text += kAlphabet[random.Below(sizeof kAlphabet - 1)];
        }
        ExpectSameConversion(text, kSeparators[random.Below(sizeof kSeparators)]);
    }
}

TEST(QuickFloat, RandomDecimalsRoundLikeTheGeneralConversion) {
    // Field-shaped numbers with up to 20 digits, around the 2^53 and 10^22 edges of exact
    // decimal conversion.
    test::SmallRandom random(11);
    for (int k = 0; k < 200000; ++k) {
        std::string digits = std::to_string(random.Next());
        digits = digits.substr(0, 1 + static_cast<std::size_t>(random.Below(20)));
        const std::size_t point =
            static_cast<std::size_t>(random.Below(static_cast<int>(digits.size()) + 1));
        std::string text = (random.Below(4) == 0 ? "-" : "") + digits.substr(0, point) + "." +
                           digits.substr(point);
        if (random.Below(5) == 0) {
            text += "e" + std::to_string(random.Below(60) - 30);
        }
        ExpectSameConversion(text, random.Below(2) == 0 ? '.' : ',');
    }
}

TEST(QuickFloat, FloatRuleErrorQuotesTheFieldWithTheSeparator) {
    const FloatReader comma(NumberFormat{','});
    EXPECT_EQ(comma.Value("2.5"), 2.5);
    EXPECT_EQ(comma.Value("2,5"), 2.5);
    try {
        comma.Value("2.5.1");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2,5,1' n'est pas une valeur en virgule flottante correcte");
    }
    // Read with the separator alone, the text is quoted as it stands.
    try {
        FloatReader(NumberFormat{','}, DecimalPoints::Separator).Value("2.5");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2.5' n'est pas une valeur en virgule flottante correcte");
    }
}

// A field's shape learned in one layout never serves the other: the semi-major axis starts in
// the same column in both, but the six-digit layout's runs one column further.
TEST(FloatReader, KeepsWhatItLearnedApartPerLayout) {
    const std::string record = test::MakeRecord({.number = "1",
                                                 .name = "2014 FE72",
                                                 .eccentricity = "0.98000000",
                                                 .semiMajorAxis = "2155.12345678"},
                                                RecordLayout::SixDigit);
    const AstOrbRecord asFive{record, RecordLayout::FiveDigit};
    const AstOrbRecord asSix{record, RecordLayout::SixDigit};
    for (const bool fiveFirst : {true, false}) {
        SCOPED_TRACE(fiveFirst ? "five-digit first" : "six-digit first");
        const FloatReader fields(NumberFormat{'.'});
        for (int pass = 0; pass < 2; ++pass) {
            for (const AstOrbRecord& view :
                 fiveFirst ? std::array{asFive, asSix} : std::array{asSix, asFive}) {
                double value = 0.0;
                ASSERT_TRUE(fields.Read(view, Field::SemiMajorAxis, value));
                EXPECT_EQ(value, GetSemiMajorAxis(view, NumberFormat{'.'}));
            }
        }
    }
    EXPECT_EQ(GetSemiMajorAxis(asSix, NumberFormat{'.'}), 2155.12345678);
    EXPECT_EQ(GetSemiMajorAxis(asFive, NumberFormat{'.'}), 2155.1234567);
}

} // namespace
} // namespace quorvane
