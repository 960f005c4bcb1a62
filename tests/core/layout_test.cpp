// The two record layouts: how a file's layout and record length are told from its first
// record, and every field read from its columns in either layout.
#include "astorb/database.h"
#include "astorb/error.h"
#include "astorb/float_reader.h"
#include "astorb/numbers.h"
#include "astorb/paths.h"
#include "astorb/record.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using test::LineEnd;
using test::MakeRecord;
using test::RecordSpec;

constexpr NumberFormat kPoint{'.'};
const FloatReader kPointReader(kPoint);
using test::TempFolder;

constexpr RecordLayout kFive = RecordLayout::FiveDigit;
constexpr RecordLayout kSix = RecordLayout::SixDigit;

// `count` copies of a record of `layout` and `lineEnd`, then `extra` bytes of one more.
std::string Records(RecordLayout layout, LineEnd lineEnd, int count, std::size_t extra = 0) {
    const std::string record = MakeRecord({.number = "1", .name = "Ceres"}, layout, lineEnd);
    std::string bytes;
    for (int k = 0; k < count; ++k) {
        bytes += record;
    }
    return bytes + record.substr(0, extra);
}

TEST(RecordFormat, ToldFromTheFirstLineEnd) {
    struct Row {
        const char* name;
        std::string bytes;
        RecordFormat format;
        std::int64_t count;
    };
    std::string damaged = Records(kSix, LineEnd::LF, 2);
    damaged[100] = '\n'; // a line end where no layout has one, and none at 267
    damaged[267] = ' ';
    std::string crWithoutLf = Records(kSix, LineEnd::CRLF, 2);
    crWithoutLf[268] = ' ';
    // Sizes from the record lengths: 267 and 268 for the five-digit layout with LF and CR LF,
    // 268 and 269 for the six-digit one.
    const std::vector<Row> rows = {
        {"empty file", "", {kFive, 267}, 0},
        {"266 bytes: too short to tell", Records(kFive, LineEnd::LF, 0, 266), {kFive, 267}, 0},
        {"one five-digit record", Records(kFive, LineEnd::LF, 1), {kFive, 267}, 1},
        {"five-digit, CR LF", Records(kFive, LineEnd::CRLF, 1), {kFive, 268}, 1},
        {"one six-digit record", Records(kSix, LineEnd::LF, 1), {kSix, 268}, 1},
        {"six-digit, CR LF", Records(kSix, LineEnd::CRLF, 1), {kSix, 269}, 1},
        {"six-digit record without its line end: 267 bytes",
         Records(kSix, LineEnd::LF, 0, 267),
         {kFive, 267},
         1},
        {"five-digit CR LF record without its LF: 267 bytes",
         Records(kFive, LineEnd::CRLF, 0, 267),
         {kFive, 267},
         1},
        {"five-digit record and two bytes: 269",
         Records(kFive, LineEnd::LF, 1, 2),
         {kFive, 267},
         1},
        {"five-digit, partial last record", Records(kFive, LineEnd::LF, 3, 200), {kFive, 267}, 3},
        {"five-digit CR LF, partial last record",
         Records(kFive, LineEnd::CRLF, 3, 267),
         {kFive, 268},
         3},
        {"six-digit, partial last record", Records(kSix, LineEnd::LF, 3, 267), {kSix, 268}, 3},
        {"six-digit CR LF, partial last record",
         Records(kSix, LineEnd::CRLF, 3, 268),
         {kSix, 269},
         3},
        {"damaged first record", damaged, {kFive, 267}, 2},
        {"CR at 267 without LF after it", crWithoutLf, {kFive, 267}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DetectRecordFormat(row.bytes), row.format);
        TempFolder folder;
        folder.Write("AstOrb.dat", row.bytes);
        AstOrbDatabase database;
        database.ReplaceFile(AstOrbFilePath(folder.str()));
        EXPECT_EQ(database.Format(), row.format);
        EXPECT_EQ(database.RecordCount(),
                  static_cast<std::int64_t>(row.bytes.size()) / row.format.length);
        EXPECT_EQ(database.RecordCount(), row.count);
        const auto length = static_cast<std::size_t>(row.format.length);
        for (std::int64_t i = 0; i < row.count; ++i) {
            ASSERT_TRUE(database.ReadRecord(i));
            EXPECT_EQ(database.CurrentRecord(),
                      row.bytes.substr(static_cast<std::size_t>(i) * length, length));
            EXPECT_EQ(database.Current().layout, row.format.layout);
        }
        EXPECT_FALSE(database.ReadRecord(row.count)) << "the partial record is never read";
    }
}

// The same asteroids typed into both layouts read the same through every field reader; the
// six-digit layout holds numbers the other cannot, and a thirteen-digit semi-major axis.
TEST(RecordLayouts, EveryFieldReadsTheSameInBoth) {
    struct Row {
        const char* name;
        RecordSpec fields;
        bool fiveDigitToo;
    };
    const std::vector<Row> rows = {
        {"Eros",
         {.number = "433",
          .name = "Eros",
          .h = "11.16",
          .g = "0.46",
          .bv = "0.88",
          .diameter = "23.3",
          .irasClass = "S",
          .flags = "12",
          .epoch = "20051018",
          .meanAnomaly = "320.216000",
          .argPerihelion = "178.664000",
          .ascNode = "304.401000",
          .inclination = "10.829000",
          .eccentricity = "0.22290000",
          .semiMajorAxis = "1.45790000"},
         true},
        {"unnumbered, fields filling their columns",
         {.name = "2004 XY123456789AB",
          .h = "-1.10",
          .g = "-0.08",
          .bv = "1.00",
          .diameter = "999.9",
          .irasClass = "CX:U",
          .flags = "9999",
          .epoch = "19991231",
          .meanAnomaly = "359.999999",
          .argPerihelion = "123.456789",
          .ascNode = "359.000001",
          .inclination = "170.123456",
          .eccentricity = "0.99999999",
          .semiMajorAxis = "999.12345678"},
         true},
        {"six-digit number, thirteen-digit axis",
         {.number = "486958",
          .name = "Arrokoth",
          .flags = "0",
          .epoch = "20231222",
          .inclination = "2.454000",
          .eccentricity = "0.98000000",
          .semiMajorAxis = "2155.12345678"},
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RecordSpec& f = row.fields;
        const struct {
            Field field;
            const std::string& text;
        } expected[] = {
            {Field::Number, f.number},
            {Field::Name, f.name},
            {Field::H, f.h},
            {Field::G, f.g},
            {Field::BVColour, f.bv},
            {Field::Diameter, f.diameter},
            {Field::IRASClass, f.irasClass},
            {Field::FlagCode, f.flags},
            {Field::Epoch, f.epoch},
            {Field::MeanAnomaly, f.meanAnomaly},
            {Field::ArgPerihelion, f.argPerihelion},
            {Field::AscNode, f.ascNode},
            {Field::Inclination, f.inclination},
            {Field::Eccentricity, f.eccentricity},
            {Field::SemiMajorAxis, f.semiMajorAxis},
        };
        std::vector<RecordLayout> layouts = {kSix};
        if (row.fiveDigitToo) {
            layouts.push_back(kFive);
        }
        for (const RecordLayout layout : layouts) {
            for (const LineEnd lineEnd : {LineEnd::LF, LineEnd::CRLF}) {
                const test::RecordText record{MakeRecord(f, layout, lineEnd), layout};
                for (const auto& [field, text] : expected) {
                    EXPECT_EQ(FieldText(record, field), text) << static_cast<int>(field);
                }
                EXPECT_EQ(IsNumbered(record), !f.number.empty());
                EXPECT_EQ(GetFlagCode(record), ParseInt(f.flags).value());
                EXPECT_EQ(GetEpochYear(record), f.epoch.substr(0, 4));
                EXPECT_EQ(GetEpochMonth(record), f.epoch.substr(4, 2));
                EXPECT_EQ(GetEpochDay(record), f.epoch.substr(6, 2));
                EXPECT_EQ(GetH(record), f.h);
                EXPECT_EQ(GetIRASClass(record), f.irasClass);
                EXPECT_EQ(GetSemiMajorAxis(record, kPoint),
                          kPointReader.Parse(f.semiMajorAxis).value());
                EXPECT_EQ(GetEccentricity(record, kPoint),
                          kPointReader.Parse(f.eccentricity).value());
                EXPECT_EQ(GetInclination(record, kPoint),
                          kPointReader.Parse(f.inclination).value());
                EXPECT_EQ(GetAscNode(record, kPoint), kPointReader.Parse(f.ascNode).value());
                EXPECT_EQ(GetArgPerihelion(record, kPoint),
                          kPointReader.Parse(f.argPerihelion).value());
                EXPECT_EQ(GetMeanAnomaly(record, kPoint),
                          kPointReader.Parse(f.meanAnomaly).value());
            }
        }
    }
}

// 1 Ceres as today's astorb.dat publishes it (epoch 2023-12-22), and the same record in the
// five-digit layout. The expected values are the record's own digits.
TEST(RecordLayouts, RealRecordOfTodaysFile) {
    const std::string today =
        "     1 Ceres              L.H. Wasserman   3.33  0.15 0.72 848.4 G?      0   0   0   0"
        "   0   0 81218 6833 20231222  81.513198  73.391274  80.253704 10.587314 0.07897659   "
        "2.76719926 20230804 1.1E-02 -2.8E-06 20231107 2.3E-02 20240707 2.7E-02 20320228 2.7E-02 "
        "20320228\n";
    // The same record with its number one column narrower: every field one column left.
    const std::string fiveDigit = today.substr(1);
    ASSERT_EQ(today.size(), 268u);
    ASSERT_EQ(fiveDigit.size(), 267u);
    EXPECT_EQ(DetectRecordFormat(today), (RecordFormat{kSix, 268}));
    EXPECT_EQ(DetectRecordFormat(fiveDigit), (RecordFormat{kFive, 267}));
    for (const AstOrbRecord record : {AstOrbRecord{today, kSix}, AstOrbRecord{fiveDigit, kFive}}) {
        SCOPED_TRACE(record.layout == kSix ? "six-digit" : "five-digit");
        EXPECT_EQ(FieldText(record, Field::Number), "1");
        EXPECT_EQ(FieldText(record, Field::Name), "Ceres");
        EXPECT_EQ(GetH(record), "3.33");
        EXPECT_EQ(FieldText(record, Field::G), "0.15");
        EXPECT_EQ(FieldText(record, Field::BVColour), "0.72");
        EXPECT_EQ(FieldText(record, Field::Diameter), "848.4");
        EXPECT_EQ(GetIRASClass(record), "G?");
        EXPECT_EQ(GetFlagCode(record), 0);
        EXPECT_EQ(FieldText(record, Field::Epoch), "20231222");
        EXPECT_EQ(GetEpochYear(record) + GetEpochMonth(record) + GetEpochDay(record), "20231222");
        EXPECT_EQ(GetMeanAnomaly(record, kPoint), 81.513198);
        EXPECT_EQ(GetArgPerihelion(record, kPoint), 73.391274);
        EXPECT_EQ(GetAscNode(record, kPoint), 80.253704);
        EXPECT_EQ(GetInclination(record, kPoint), 10.587314);
        EXPECT_EQ(GetEccentricity(record, kPoint), 0.07897659);
        EXPECT_EQ(GetSemiMajorAxis(record, kPoint), 2.76719926);
    }
    // Read in the five-digit columns, today's record has no number and a blank flag code.
    EXPECT_EQ(FieldText({today, kFive}, Field::Number), "");
    try {
        GetFlagCode({today, kFive});
        ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'' n'est pas une valeur enti\xC3\xA8re correcte");
    }
}

} // namespace
} // namespace quorvane
