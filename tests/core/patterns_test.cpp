// The number patterns of the wiki outputs.
#include "astorb/numbers.h"
#include "infobox/patterns.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace quorvane {
namespace {

TEST(NumberPatterns, RoundsTheEighteenLeadingDigitsHalvesAwayFromZero) {
    struct Row {
        const char* name;
        const char* pattern;
        long double value;
        char separator;
        const char* expected;
    };
    // Expected values by hand from the exact decimal expansion of each value.
    const Row rows[] = {
        {"half up", "0", 2.5L, '.', "3"},
        {"negative half away from zero", "0", -2.5L, '.', "-3"},
        {"below half", "0", 0.4L, '.', "0"},
        {"only half", "0", 0.5L, '.', "1"},
        {"negative rounding to zero has no sign", "0", -0.4L, '.', "0"},
        {"negative zero", "0.00", -0.0L, '.', "0.00"},
        {"negative tiny value", "0.0", -0.04L, '.', "0.0"},
        {"exact binary half, one decimal", "0.0", 0.25L, '.', "0.3"},
        {"exact binary half, two decimals", "0.00", 0.125L, '.', "0.13"},
        {"negative half", "0.0", -1.25L, '.', "-1.3"},
        {"carry into a new digit", "0.0", 9.96L, '.', "10.0"},
        {"just above 9.95", "0.0", std::nextafter(9.95, 10.0), '.', "10.0"},
        // The double nearest 9.95 is 9.949999999999999289...: below the half.
        {"double nearest 9.95", "0.0", 9.95, '.', "9.9"},
        // 0.125 less one unit of the last place is 0.12499999999999999999322...; its 18 digits
        // are 0.125000000000000000, which is a half.
        {"eighteen digits decide the half", "0.00", std::nextafter(0.125L, 0.0L), '.', "0.13"},
        {"double 1.005 lies below the half", "0.00", 1.005, '.', "1.00"},
        {"large integer keeps 18 digits", "0", 123456789012345678901.0L, '.',
         "123456789012345679000"},
        {"leading zero before the separator", "0.0000", 0.00005, '.', "0.0001"},
        {"four decimals", "0.0000", 0.2371499, '.', "0.2371"},
        {"padding zeros", "0.000", 2.5L, '.', "2.500"},
        {"comma separator", "0.0", 2453661.5L, ',', "2453661,5"},
        {"zero", "0", 0.0L, '.', "0"},
        {"infinity", "0.0", std::numeric_limits<long double>::infinity(), '.', "INF"},
        {"not a number", "0", std::numeric_limits<long double>::quiet_NaN(), '.', "NAN"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatFloat(row.pattern, row.value, NumberFormat{row.separator}), row.expected);
    }
}

TEST(NumberPatterns, IntegerPatternAndUnknownPatterns) {
    EXPECT_EQ(FormatInt(20), "20");
    EXPECT_EQ(FormatInt(-1), "-1");
    EXPECT_EQ(FormatInt(0), "0");
    for (const char* pattern : {"", "0.", "0.00000", "#.0", "0,0", "00"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(FormatFloat(pattern, 1.0L, NumberFormat{}), std::invalid_argument);
    }
}

} // namespace
} // namespace quorvane
