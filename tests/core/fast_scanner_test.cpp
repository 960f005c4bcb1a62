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

// Forty records of `format`, two of them cut by a zero byte, then a short one.
std::string FileBytes(RecordFormat format = {}) {
    const test::LineEnd lineEnd =
        format.length == (format.layout == RecordLayout::SixDigit ? 269 : 268) ? test::LineEnd::CRLF
                                                                               : test::LineEnd::LF;
    std::string bytes =
        test::RecordBytes(test::GenerateSpecs(3, 40, 30).records, format.layout, lineEnd);
    const auto length = static_cast<std::size_t>(format.length);
    bytes[5 * length + 50] = '\0';
    bytes[6 * length] = '\0';
    return bytes + std::string(200, '1'); // a short record at the end
}

constexpr RecordFormat kFormats[] = {{RecordLayout::FiveDigit, 267},
                                     {RecordLayout::FiveDigit, 268},
                                     {RecordLayout::SixDigit, 268},
                                     {RecordLayout::SixDigit, 269}};

TEST(RecordBlockReader, GivesWhatReadRecordGives) {
    for (const RecordFormat format : kFormats) {
        SCOPED_TRACE(format.length);
        const test::TempFolder folder;
        const std::string path = folder.Write("AstOrb.dat", FileBytes(format));
        AstOrbDatabase plain;
        plain.ReplaceFile(path);
        ASSERT_EQ(plain.Format(), format);
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
                        EXPECT_EQ(record->layout, format.layout);
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

    // A file of the other layout in its place: the reader's records end there, as at the end
    // of a file, and CurrentRecord keeps the record handed out last.
    const test::TempFolder third;
    const std::string sixDigitPath =
        third.Write("AstOrb.dat", test::RecordBytes(test::GenerateSpecs(2, 20, 20).records,
                                                    RecordLayout::SixDigit));
    AstOrbDatabase switched;
    switched.ReplaceFile(firstPath);
    RecordBlockReader pinned(switched);
    ASSERT_EQ(pinned.Layout(), RecordLayout::FiveDigit);
    const std::string last(pinned.Record(3)->text);
    switched.ReplaceFile(sixDigitPath);
    EXPECT_FALSE(pinned.Record(4));
    EXPECT_FALSE(pinned.RecordOf<RecordLayout::FiveDigit>(0));
    EXPECT_EQ(switched.CurrentRecord(), last);
    RecordBlockReader fresh(switched);
    EXPECT_EQ(fresh.Layout(), RecordLayout::SixDigit);
    ASSERT_TRUE(fresh.RecordOf<RecordLayout::SixDigit>(4));
}

} // namespace
} // namespace quorvane
