// AstOrb.dat as a file: record counts, reads, the shared record, the display.
#include "astorb/database.h"
#include "astorb/display.h"
#include "astorb/error.h"
#include "astorb/paths.h"
#include "astorb/record.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::MakeRecord;
using test::RecordSpec;
using test::TempFolder;

TEST(AstOrbDatabase, RecordCountIsSizeDivRecordLength) {
    struct Row {
        const char* name;
        std::size_t size;
        std::int64_t count;
    };
    const std::vector<Row> rows = {
        {"empty", 0, 0},
        {"one byte short", 266, 0},
        {"one record", 267, 1},
        {"partial record after three", 267 * 3 + 5, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        std::string bytes;
        while (bytes.size() < row.size) {
            bytes += MakeRecord({.number = "1", .name = "Ceres"});
        }
        bytes.resize(row.size);
        AstOrbDatabase database;
        database.ReplaceFile(folder.Write("AstOrb.dat", bytes));
        EXPECT_EQ(database.RecordCount(), row.count);
        EXPECT_EQ(database.ReadRecord(row.count), false);
        EXPECT_EQ(database.ReadRecord(row.count - 1), row.count > 0);
    }
}

TEST(AstOrbDatabase, ReadRecordFillsTheSharedRecordOrLeavesIt) {
    TempFolder folder;
    folder.WriteAstOrb({{.number = "1", .name = "Ceres"}, {.number = "2", .name = "Pallas"}});
    AstOrbDatabase database;
    EXPECT_FALSE(database.ReadRecord(0)) << "no file open";
    database.ReplaceFile(AstOrbFilePath(folder.str()));
    EXPECT_EQ(database.CurrentRecord(), "");
    ASSERT_TRUE(database.ReadRecord(1));
    EXPECT_EQ(database.CurrentRecord(), MakeRecord({.number = "2", .name = "Pallas"}));
    EXPECT_FALSE(database.ReadRecord(2));
    EXPECT_FALSE(database.ReadRecord(-1));
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Pallas");
}

TEST(AstOrbDatabase, ZeroByteEndsTheRecordText) {
    TempFolder folder;
    std::string record = MakeRecord({.number = "7", .name = "Iris", .h = "5.51"});
    record[30] = '\0';
    folder.Write("AstOrb.dat", record);
    AstOrbDatabase database;
    database.ReplaceFile(AstOrbFilePath(folder.str()));
    ASSERT_TRUE(database.ReadRecord(0));
    EXPECT_EQ(database.CurrentRecord().size(), 30u);
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Iris");
    EXPECT_EQ(GetH(database.Current()), "");
}

TEST(AstOrbDatabase, FailedOpenClosesThePreviousFile) {
    TempFolder good;
    good.WriteAstOrb({{.number = "1", .name = "Ceres"}});
    TempFolder other;
    AstOrbDatabase database;
    database.ReplaceFile(AstOrbFilePath(good.str()));
    ASSERT_TRUE(database.ReadRecord(0));
    const std::string missing = AstOrbFilePath(other.str());
    try {
        database.ReplaceFile(missing);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Impossible d'ouvrir le fichier \"" + missing + "\". No such file or directory");
    }
    EXPECT_FALSE(database.IsOpen());
    EXPECT_FALSE(database.ReadRecord(0));
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Ceres");
}

TEST(AstOrbDatabase, ReplacingTheFileForgetsTheSharedRecordsIndex) {
    TempFolder first;
    TempFolder second;
    const std::string firstPath = first.WriteAstOrb({{.number = "1", .name = "Ceres"}});
    const std::string secondPath = second.WriteAstOrb({{.number = "4", .name = "Vesta"}});
    AstOrbDatabase database;
    database.ReplaceFile(firstPath);
    ASSERT_TRUE(database.ReadRecord(0));
    EXPECT_EQ(database.CurrentIndex(), 0);
    database.ReplaceFile(secondPath);
    EXPECT_EQ(database.CurrentIndex(), -1);
    RecordDisplay display;
    std::string diameterBox;
    ASSERT_TRUE(ShowRecord(database, nullptr, 0, display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Name), "Vesta");
    EXPECT_EQ(database.CurrentRecord().substr(6, 5), "Vesta");
}

TEST(Paths, FolderOfAChosenFile) {
    EXPECT_EQ(FolderOfFile("/data/astorb2005.dat"), "/data");
    EXPECT_EQ(FolderOfFile("/x.dat"), "/");
    EXPECT_EQ(FolderOfFile("/a/b/c/AstOrb.dat"), "/a/b/c");
    EXPECT_EQ(AstOrbFilePath(""), "/AstOrb.dat");
    EXPECT_EQ(AstOrbFilePath("/"), "//AstOrb.dat");
    EXPECT_EQ(DiacriticalsFilePath("/d"), "/d/Diacriticals.txt");
}

TEST(ShowRecord, FlagTable) {
    struct Row {
        const char* code;
        const char* aten;
        const char* apollo;
        const char* amor;
        const char* mars;
        const char* outer;
    };
    const std::vector<Row> rows = {
        {"0", "", "", "", "", ""},        {"5", "Yes", "", "Yes", "", ""},
        {"32", "", "", "", "", ""},       {"31", "Yes", "Yes", "Yes", "Yes", "Yes"},
        {"16", "", "", "", "", "Yes"},    {"-1", "Yes", "Yes", "Yes", "Yes", "Yes"},
        {"10", "", "Yes", "", "Yes", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        TempFolder folder;
        folder.WriteAstOrb({{.number = "3", .name = "Juno", .flags = row.code}});
        AstOrbDatabase database;
        database.ReplaceFile(AstOrbFilePath(folder.str()));
        RecordDisplay display;
        std::string diameterBox;
        ASSERT_TRUE(ShowRecord(database, nullptr, 0, display, diameterBox));
        EXPECT_EQ(display.Value(ValueLabel::Aten), row.aten);
        EXPECT_EQ(display.Value(ValueLabel::Apollo), row.apollo);
        EXPECT_EQ(display.Value(ValueLabel::Amor), row.amor);
        EXPECT_EQ(display.Value(ValueLabel::MarsCrosser), row.mars);
        EXPECT_EQ(display.Value(ValueLabel::OuterCrosser), row.outer);
    }
}

TEST(ShowRecord, FieldsAsStoredAndDiameterBox) {
    TempFolder folder;
    folder.WriteAstOrb({{.number = "1",
                         .name = "Ceres",
                         .h = "3.34",
                         .g = "0.12",
                         .bv = "0.72",
                         .diameter = "848.4",
                         .irasClass = "G",
                         .eccentricity = "0.07890000"},
                        {.name = "2004 XY12"}});
    AstOrbDatabase database;
    database.ReplaceFile(AstOrbFilePath(folder.str()));
    RecordDisplay display;
    std::string diameterBox;
    ASSERT_TRUE(ShowRecord(database, nullptr, 0, display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Number), "1");
    EXPECT_EQ(display.Value(ValueLabel::Name), "Ceres");
    EXPECT_EQ(display.Value(ValueLabel::Diam), "848.4");
    EXPECT_EQ(display.Value(ValueLabel::Eccentricity), "0.07890000");
    EXPECT_EQ(display.Value(ValueLabel::Epoch), "20051018");
    EXPECT_EQ(diameterBox, "848.4");
    ASSERT_TRUE(ShowRecord(database, nullptr, 1, display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Number), "");
    EXPECT_EQ(display.Value(ValueLabel::Name), "2004 XY12");
    EXPECT_EQ(diameterBox, "") << "a blank diameter empties the box";
    EXPECT_FALSE(ShowRecord(database, nullptr, 2, display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Name), "2004 XY12");
}

TEST(ShowRecord, MalformedFlagCodeLeavesFlagsAndDiameterBox) {
    TempFolder folder;
    folder.WriteAstOrb({{.number = "1", .name = "Ceres", .diameter = "848.4", .flags = "5"},
                        {.number = "2", .name = "Pallas", .diameter = "498.1", .flags = "abc"}});
    AstOrbDatabase database;
    database.ReplaceFile(AstOrbFilePath(folder.str()));
    RecordDisplay display;
    std::string diameterBox;
    ASSERT_TRUE(ShowRecord(database, nullptr, 0, display, diameterBox));
    EXPECT_THROW(ShowRecord(database, nullptr, 1, display, diameterBox), Error);
    EXPECT_EQ(display.Value(ValueLabel::Name), "Pallas");
    EXPECT_EQ(display.Value(ValueLabel::SemiMajorAxis), "2.5");
    EXPECT_EQ(display.Value(ValueLabel::Diam), "498.1");
    EXPECT_EQ(display.Value(ValueLabel::Aten), "Yes") << "flags still show the previous record";
    EXPECT_EQ(diameterBox, "848.4");
}

} // namespace
} // namespace quorvane
