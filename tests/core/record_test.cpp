// The record layout, FieldText and the number rules.
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace quorvane {
namespace {

using test::MakeRecord;
using test::RecordSpec;

constexpr NumberFormat kPoint{'.'};

TEST(FieldText, CutsTrimsAndStopsAtShortText) {
    struct Row {
        const char* name;
        std::string record;
        int start;
        int width;
        std::string expected;
    };
    const std::string full = MakeRecord({.number = "433", .name = "Eros"});
    const std::vector<Row> rows = {
        {"number right-aligned", full, 1, 5, "433"},
        {"name trailing blanks", full, 7, 18, "Eros"},
        {"all blank field", full, 54, 4, ""},
        {"control characters trimmed", "\t\x01 ab \x1f", 1, 7, "ab"},
        {"upper-half bytes kept", "\xe9t\xe9 ", 1, 4, "\xe9t\xe9"},
        {"field running past a short text", "  12", 3, 5, "12"},
        {"field starting past the end", "abc", 7, 18, ""},
        {"empty record", "", 1, 5, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FieldText(row.record, row.start, row.width), row.expected);
    }
}

TEST(FieldText, AccessorsReadTheirColumns) {
    // Values typed into their columns by the fixture builder.
    const std::string record = MakeRecord({.number = "1",
                                           .name = "Ceres",
                                           .h = "3.34",
                                           .irasClass = "G",
                                           .flags = "12",
                                           .epoch = "20051018",
                                           .meanAnomaly = "115.39",
                                           .argPerihelion = "73.15",
                                           .ascNode = "80.407",
                                           .inclination = "10.583",
                                           .eccentricity = "0.0789",
                                           .semiMajorAxis = "2.7663"});
    EXPECT_DOUBLE_EQ(GetSemiMajorAxis(test::FiveDigit(record), kPoint), 2.7663);
    EXPECT_DOUBLE_EQ(GetEccentricity(test::FiveDigit(record), kPoint), 0.0789);
    EXPECT_DOUBLE_EQ(GetInclination(test::FiveDigit(record), kPoint), 10.583);
    EXPECT_DOUBLE_EQ(GetAscNode(test::FiveDigit(record), kPoint), 80.407);
    EXPECT_DOUBLE_EQ(GetArgPerihelion(test::FiveDigit(record), kPoint), 73.15);
    EXPECT_DOUBLE_EQ(GetMeanAnomaly(test::FiveDigit(record), kPoint), 115.39);
    EXPECT_EQ(GetH(test::FiveDigit(record)), "3.34");
    EXPECT_EQ(GetIRASClass(test::FiveDigit(record)), "G");
    EXPECT_EQ(GetFlagCode(test::FiveDigit(record)), 12);
    EXPECT_EQ(GetEpochYear(test::FiveDigit(record)), "2005");
    EXPECT_EQ(GetEpochMonth(test::FiveDigit(record)), "10");
    EXPECT_EQ(GetEpochDay(test::FiveDigit(record)), "18");
    EXPECT_TRUE(IsNumbered(test::FiveDigit(record)));
    EXPECT_FALSE(IsNumbered(test::FiveDigit(MakeRecord({.name = "2004 XY12"}))));
}

TEST(FloatRule, GrammarUnderBothSeparators) {
    struct Row {
        const char* text;
        char separator;
        std::optional<double> expected;
    };
    const std::vector<Row> rows = {
        {"  1.234567", '.', 1.234567}, // the field is trimmed first
        {"  1.234567", ',', 1.234567}, // a point is accepted whatever the separator
        {"1,5", ',', 1.5},             // the separator itself is accepted
        {"1,5", '.', std::nullopt},
        {"", '.', std::nullopt},
        {"   ", ',', std::nullopt},
        {"-2.5", '.', -2.5},
        {"+2.5", '.', 2.5},
        {"1e3", '.', 1000.0},
        {"1.5E-2", ',', 0.015},
        {"2.E+1", '.', 20.0},
        {".5", '.', 0.5},
        {"1e", '.', std::nullopt},
        {"inf", '.', std::nullopt},
        {"nan", '.', std::nullopt},
        {"0x10", '.', std::nullopt},
        {"1 000", '.', std::nullopt},
        {"--1", '.', std::nullopt},
        {"1.2.3", '.', std::nullopt},
        {"1e999", '.', std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " with separator " + row.separator);
        const NumberFormat format{row.separator};
        const std::string record = MakeRecord({.semiMajorAxis = row.text});
        if (row.expected) {
            EXPECT_DOUBLE_EQ(GetSemiMajorAxis(test::FiveDigit(record), format), *row.expected);
        } else {
            EXPECT_THROW(GetSemiMajorAxis(test::FiveDigit(record), format), Error);
        }
    }
}

TEST(FloatRule, MessageQuotesTheConvertedText) {
    const NumberFormat comma{','};
    try {
        GetEccentricity(test::FiveDigit(MakeRecord({.eccentricity = "1.2x"})), comma);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'1,2x' n'est pas une valeur en virgule flottante correcte");
    }
    try {
        GetEccentricity(test::FiveDigit(MakeRecord({.eccentricity = ""})), comma);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' n'est pas une valeur en virgule flottante correcte");
    }
}

TEST(IntegerRule, Cases) {
    struct Row {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const std::vector<Row> rows = {
        {"5", 5},
        {"0032", 32},
        {"-7", -7},
        {"+7", 7},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1.0", std::nullopt},
        {"$10", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseInt(row.text), row.expected);
    }
    try {
        GetFlagCode(test::FiveDigit(MakeRecord({.flags = "abc"})));
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' n'est pas une valeur entière correcte");
    }
}

TEST(ReportText, AddsAPeriodAfterLettersOnly) {
    EXPECT_EQ(ReportText("'x' n'est pas une valeur entière correcte"),
              "'x' n'est pas une valeur entière correcte.");
    EXPECT_EQ(ReportText("Indice de liste hors limites (-1)"), "Indice de liste hors limites (-1)");
    EXPECT_EQ(ReportText("Type de données incorrect pour 'AstOrbDatPath'"),
              "Type de données incorrect pour 'AstOrbDatPath'");
    EXPECT_EQ(ReportText("Fini."), "Fini.");
    EXPECT_EQ(ReportText("Opération en virgule flottante incorrecte"),
              "Opération en virgule flottante incorrecte.");
    EXPECT_EQ(ReportText(""), "");
}

} // namespace
} // namespace quorvane
