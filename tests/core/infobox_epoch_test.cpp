// The epoch pieces of the infobox: month names and the Julian date.
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/epoch.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

test::RecordText EpochRecord(const std::string& epoch,
                             RecordLayout layout = RecordLayout::FiveDigit) {
    test::RecordSpec fields;
    fields.epoch = epoch;
    return {test::MakeRecord(fields, layout), layout};
}

TEST(EpochPieces, JulianDayNumbers) {
    struct Row {
        int year, month, day;
        int jdn;
    };
    // Published Julian Day Numbers: the worked epoch, J2000, the origin of the Modified Julian
    // Date (JD 2400000.5), 1 January of year 1 (proleptic Gregorian), a leap day.
    const Row rows[] = {
        {2005, 10, 18, 2453662}, {2000, 1, 1, 2451545},  {1858, 11, 17, 2400001},
        {1, 1, 1, 1721426},      {2000, 2, 29, 2451604},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.year << "-" << row.month << "-" << row.day);
        EXPECT_EQ(JulianDayNumber(row.year, row.month, row.day), row.jdn);
    }
}

TEST(EpochPieces, JulianDateUsesTheSeparator) {
    EXPECT_EQ(GetEpochJulianDate(EpochRecord("20051018"), NumberFormat{'.'}), "2453661.5");
    EXPECT_EQ(GetEpochJulianDate(EpochRecord("20000229"), NumberFormat{','}), "2451603,5");
}

TEST(EpochPieces, MonthNamesAndDayWithItsLeadingZero) {
    struct Row {
        const char* epoch;
        const char* english;
        const char* french;
    };
    const Row rows[] = {
        {"20050105", "January", "janvier"},
        {"20050228", "February", "f\xE9vrier"},
        {"20050801", "August", "ao\xFBt"},
        {"20051231", "December",
         "d\xE9"
         "cembre"},
    };
    for (const RecordLayout layout : test::kBothLayouts) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.epoch);
            const test::RecordText record = EpochRecord(row.epoch, layout);
            EXPECT_EQ(GetEpochMonthNameEN(record), row.english);
            EXPECT_EQ(GetEpochMonthNameFR(record), row.french);
        }
        EXPECT_EQ(GetEpochDay(EpochRecord("20050105", layout)), "05");
        EXPECT_EQ(GetEpochYear(EpochRecord("20050105", layout)), "2005");
    }
}

TEST(EpochPieces, InvalidEpochs) {
    struct Row {
        const char* name;
        const char* epoch;
        std::string monthNameError; // what fetching the month name raises; empty for none
        std::string julianDateError;
    };
    const auto noDate = [](const std::string& joined) {
        return "'" + joined + "' ne correspond pas \xC3\xA0 une date et une heure correctes";
    };
    const Row rows[] = {
        {"30 February", "20050230", "", noDate("2005-02-30")},
        {"29 February of a common century year", "19000229", "", noDate("1900-02-29")},
        {"month 13", "20051300", noDate("2005-13-00"), noDate("2005-13-00")},
        {"month 00", "20050001", noDate("2005-00-01"), noDate("2005-00-01")},
        {"day 00", "20050100", "", noDate("2005-01-00")},
        {"year 0", "00000101", "", noDate("0000-01-01")},
        {"month that is no number", "2005ab01", "'ab' n'est pas une valeur enti\xC3\xA8re correcte",
         noDate("2005-ab-01")},
        {"blank epoch", "", "'  ' n'est pas une valeur enti\xC3\xA8re correcte",
         noDate("    -  -  ")},
    };
    for (const auto& [row, layout] :
         test::EveryLayout(std::vector<Row>(std::begin(rows), std::end(rows)))) {
        SCOPED_TRACE(row.name);
        const test::RecordText record = EpochRecord(row.epoch, layout);
        if (row.monthNameError.empty()) {
            EXPECT_NO_THROW(GetEpochMonthNameEN(record));
        } else {
            for (const auto& monthName : {GetEpochMonthNameEN, GetEpochMonthNameFR}) {
                try {
                    monthName(record);
                    ADD_FAILURE() << "no error raised";
                } catch (const Error& error) {
                    EXPECT_EQ(error.what(), row.monthNameError);
                }
            }
        }
        try {
            GetEpochJulianDate(record, NumberFormat{'.'});
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), row.julianDateError);
        }
    }
}

} // namespace
} // namespace quorvane
