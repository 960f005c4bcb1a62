// The quick float conversion against the general one: the same double, bit for bit, or the same
// refusal, for every text and separator; and the float rule's error quoting the field with each
// "." replaced by the separator.
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "core/fast_generator.h"
#include "reference/plain_float.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(Bits(ParseFloat(text, separator)), Bits(reference::ParseFloatPlain(text, separator)));
    EXPECT_EQ(Bits(ParseFloatRule(text, separator)),
              Bits(reference::ParseFloatPlain(Mapped(text, separator), separator)));
}

// Separators that look like nothing else, and some that look like a digit, a sign or an
// exponent mark, where the quick loop must step aside.
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
    // Field-shaped numbers with up to 20 digits: the quick path's exact cases and the edges
    // where it must hand over.
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
    const DecimalSeparatorScope separator(',');
    EXPECT_EQ(FloatRule("2.5"), 2.5);
    EXPECT_EQ(FloatRule("2,5"), 2.5);
    try {
        FloatRule("2.5.1");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2,5,1' n'est pas une valeur en virgule flottante correcte");
    }
}

} // namespace
} // namespace quorvane
