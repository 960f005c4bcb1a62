// The block reader against ReadRecord: the same record text or the same failure at every index,
// in both directions, with blocks of every size, a zero byte, a short last record, a file
// replaced while reading, and CurrentRecord written back on Sync and on every way out.
#include "astorb/database.h"
#include "astorb/scanner.h"
#include "core/fast_generator.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorvane {
namespace {

std::optional<std::string> Plain(AstOrbDatabase& database, std::int64_t index) {
    if (!database.ReadRecord(index)) {
        return std::nullopt;
    }
    return database.CurrentRecord();
}

std::string FileBytes() {
    std::string bytes = test::RecordBytes(test::GenerateSpecs(3, 40, 30).records);
    bytes[5 * 267 + 50] = '\0';
    bytes[6 * 267] = '\0';
    return bytes + std::string(200, '1'); // a short record at the end
}

TEST(RecordBlockReader, GivesWhatReadRecordGives) {
    const test::TempFolder folder;
    const std::string path = folder.Write("AstOrb.dat", FileBytes());
    AstOrbDatabase plain;
    plain.ReplaceFile(path);
    for (const std::size_t block : {1u, 2u, 3u, 7u, 16u, 1024u}) {
        for (const bool forward : {true, false}) {
            SCOPED_TRACE(std::to_string(block) + (forward ? " forward" : " backward"));
            AstOrbDatabase database;
            database.ReplaceFile(path);
            RecordBlockReader reader(database, block);
            for (std::int64_t k = -2; k <= 43; ++k) {
                const std::int64_t index = forward ? k : 41 - k;
                const std::optional<AstOrbRecord> record = reader.Record(index, forward);
                const std::optional<std::string> expected = Plain(plain, index);
                ASSERT_EQ(record.has_value(), expected.has_value()) << index;
                if (record) {
                    EXPECT_EQ(std::string(record->text), *expected) << index;
                }
            }
        }
    }
    // Far outside the file and beyond what 64-bit offsets can address.
    AstOrbDatabase database;
    database.ReplaceFile(path);
    RecordBlockReader reader(database);
    EXPECT_FALSE(reader.Record(INT64_MAX / 2));
    EXPECT_FALSE(reader.Record(INT64_MAX));
}

TEST(RecordBlockReader, CurrentRecordFollowsOnSyncAndOnTheWayOut) {
    const test::TempFolder folder;
    const std::string path = folder.Write("AstOrb.dat", FileBytes());
    AstOrbDatabase database;
    database.ReplaceFile(path);
    AstOrbDatabase plain;
    plain.ReplaceFile(path);
    {
        RecordBlockReader reader(database, 4);
        reader.Record(0);
        reader.Record(1);
        EXPECT_EQ(database.CurrentRecord(), "") << "nothing written before Sync";
        reader.Sync();
        EXPECT_EQ(database.CurrentRecord(), *Plain(plain, 1));
        reader.Record(2);
        reader.Record(9); // a new block: the record handed out before it is written first
        EXPECT_EQ(database.CurrentRecord(), *Plain(plain, 2));
        reader.Record(5);
        EXPECT_FALSE(reader.Record(41)); // a failed read leaves CurrentRecord alone
    }
    EXPECT_EQ(database.CurrentRecord(), *Plain(plain, 5)) << "written when the reader goes";
}

TEST(RecordBlockReader, DropsBytesReadAheadWhenAnotherFileIsOpened) {
    const test::TempFolder first;
    const test::TempFolder second;
    const std::string firstPath =
        first.Write("AstOrb.dat", test::RecordBytes(test::GenerateSpecs(1, 20, 20).records));
    const std::string secondPath =
        second.Write("AstOrb.dat", test::RecordBytes(test::GenerateSpecs(2, 20, 20).records));
    AstOrbDatabase database;
    database.ReplaceFile(firstPath);
    RecordBlockReader reader(database);
    const std::string before(reader.Record(3)->text);
    database.ReplaceFile(secondPath);
    AstOrbDatabase plain;
    plain.ReplaceFile(secondPath);
    EXPECT_EQ(std::string(reader.Record(4)->text), *Plain(plain, 4));
    EXPECT_NE(before, *Plain(plain, 3));
    AstOrbDatabase closed;
    RecordBlockReader none(closed);
    EXPECT_FALSE(none.Record(0)) << "no file open: every read fails";
}

} // namespace
} // namespace quorvane
