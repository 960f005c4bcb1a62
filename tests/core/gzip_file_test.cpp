// AstOrb.dat.gz read directly: the same records as the file it unpacks to, at any index, in
// any order; the downloads that went wrong; the index kept in the cache.
#include "astorb/database.h"
#include "astorb/error.h"
#include "astorb/gzip_index_cache.h"
#include "astorb/gzip_reader.h"
#include "astorb/paths.h"
#include "astorb/scanner.h"
#include "support/fixtures.h"
#include "support/gzip_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace quorvane {
namespace {

using test::FlushedGzip;
using test::Gzip;
using test::GzipFlushedAt;
using test::MakeRecord;
using test::RecordSpec;
using test::ScopedEnv;
using test::TempFolder;

// `count` records of made-up but varied asteroids, so that they compress as real ones do
// rather than to nothing.
std::string Catalogue(int count, RecordLayout layout = RecordLayout::SixDigit,
                      test::LineEnd lineEnd = test::LineEnd::LF, unsigned seed = 7) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto fixed = [](double value, int decimals) {
        std::ostringstream text;
        text.setf(std::ios::fixed);
        text.precision(decimals);
        text << value;
        return text.str();
    };
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        RecordSpec fields;
        fields.number = std::to_string(i + 1);
        fields.name = "Body" + std::to_string(random() % 100000);
        fields.h = fixed(8 + 10 * unit(random), 2);
        fields.meanAnomaly = fixed(360 * unit(random), 6);
        fields.argPerihelion = fixed(360 * unit(random), 6);
        fields.ascNode = fixed(360 * unit(random), 6);
        fields.inclination = fixed(30 * unit(random), 6);
        fields.eccentricity = fixed(0.3 * unit(random), 8);
        fields.semiMajorAxis = fixed(1.8 + 2 * unit(random), 8);
        bytes += MakeRecord(fields, layout, lineEnd);
    }
    return bytes;
}

class IndexCache : public ::testing::Test {
protected:
    TempFolder cache;
    ScopedEnv cacheHome{"XDG_CACHE_HOME", cache.str()};
};

// The first opening's progress, counted: it is called only while the file is read whole.
struct CountedProgress {
    int calls = 0;
    OpenProgress Callback() {
        return [this](std::uint64_t, std::uint64_t) {
            ++calls;
            return true;
        };
    }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every record of `database` read one by one in `order`, against `plain`.
void ExpectRecords(AstOrbDatabase& database, const std::string& plain, std::size_t length,
                   const std::vector<std::int64_t>& order) {
    for (const std::int64_t index : order) {
        ASSERT_TRUE(database.ReadRecord(index)) << index;
        ASSERT_EQ(database.CurrentRecord(),
                  plain.substr(static_cast<std::size_t>(index) * length, length))
            << index;
    }
}

// Reads through a reader with access points a few KiB apart, many of them, in every order.
TEST(GzipReader, GivesTheUnpackedBytesAtAnyOffset) {
    const std::string plain = Catalogue(1500);
    struct Row {
        const char* what;
        std::string gzip;
        GzipIndexLimits limits;
        std::size_t leastPoints;
    };
    const std::string half = plain.substr(0, 200000);
    const std::vector<Row> rows = {
        {"one member", Gzip(plain, 6, 1), {.span = 4096, .maxPoints = 480}, 50},
        // Stored blocks hold 64 KiB each.
        {"stored blocks", Gzip(plain, 0, 1), {.span = 4096, .maxPoints = 480}, 6},
        {"three members, one of them empty",
         Gzip(half, 6, 1) + Gzip("") + Gzip(plain.substr(half.size()), 9, 1),
         {.span = 4096, .maxPoints = 480},
         50},
        {"points thinned out", Gzip(plain, 6, 1), {.span = 512, .maxPoints = 6}, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        const std::string path = folder.Write("astorb.dat.gz", row.gzip);
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        std::optional<GzipScan> scan = BuildGzipIndex(fd, row.gzip.size(), {}, row.limits);
        ASSERT_TRUE(scan);
        EXPECT_EQ(scan->fault, GzipFault::None);
        EXPECT_TRUE(scan->index.complete);
        EXPECT_EQ(scan->index.length, plain.size());
        EXPECT_LE(scan->index.points.size(), row.limits.maxPoints);
        EXPECT_GE(scan->index.points.size(), row.leastPoints);
        EXPECT_TRUE(scan->index.IsConsistent(row.gzip.size()));
        GzipReader reader(fd, std::move(scan->index));
        std::vector<std::pair<std::uint64_t, std::size_t>> reads;
        for (const GzipAccessPoint& point : reader.Index().points) {
            // Across each point, from just before it to just after it.
            reads.emplace_back(point.out < 7 ? 0 : point.out - 7, 20);
        }
        reads.emplace_back(plain.size() - 268, 268); // the last record
        reads.emplace_back(plain.size() - 10, 100);  // past the end: cut
        reads.emplace_back(0, plain.size());         // all of it at once
        for (std::uint64_t at = plain.size(); at >= 268 * 50; at -= 268 * 50) {
            reads.emplace_back(at - 268 * 50, 268 * 50); // backwards, block by block
        }
        std::mt19937 random(3);
        for (int i = 0; i < 200; ++i) {
            reads.emplace_back(random() % plain.size(), 1 + random() % 3000);
        }
        for (const auto& [offset, count] : reads) {
            std::string got(count, '\0');
            got.resize(reader.ReadAt(offset, got.data(), count));
            ASSERT_EQ(got, plain.substr(offset, count)) << offset << " " << count;
        }
        std::string none(10, '\0');
        EXPECT_EQ(reader.ReadAt(plain.size(), none.data(), none.size()), 0u);
        ::close(fd);
    }
}

// What zlib's own sequential inflate gives of a gzip file before it stops, with room for it all.
std::string InflatedBeforeItStops(const std::string& gzip) {
    z_stream z{};
    inflateInit2(&z, 15 + 16);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
    z.avail_in = static_cast<uInt>(gzip.size());
    std::string out(std::size_t{4} << 20, '\0');
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    inflate(&z, Z_FINISH);
    out.resize(out.size() - z.avail_out);
    inflateEnd(&z);
    return out;
}

// Highly packed data cut short: inflate still holds output when the input runs out, and all of
// it counts.
TEST(GzipReader, CutShortKeepsAllThatInflates) {
    const std::string gzip = Gzip(std::string(1000000, 'a'));
    for (const std::size_t cut : {std::size_t{58}, std::size_t{200}, gzip.size() - 9}) {
        SCOPED_TRACE(cut);
        const std::string bytes = gzip.substr(0, cut);
        const std::string expected = InflatedBeforeItStops(bytes);
        ASSERT_GT(expected.size(), 32768u);
        TempFolder folder;
        const std::string path = folder.Write("astorb.dat.gz", bytes);
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        std::optional<GzipScan> scan = BuildGzipIndex(fd, bytes.size());
        ASSERT_TRUE(scan);
        EXPECT_FALSE(scan->index.complete);
        EXPECT_EQ(scan->index.length, expected.size());
        GzipReader reader(fd, std::move(scan->index));
        std::string got(expected.size(), '\0');
        EXPECT_EQ(reader.ReadAt(0, got.data(), got.size()), expected.size());
        EXPECT_EQ(got, expected);
        ::close(fd);
    }
}

// Through the database as the window and the command line use it: both layouts, both line
// ends, record by record in any order and through the scans' block reader.
TEST_F(IndexCache, DatabaseReadsTheSameRecordsAsThePlainFile) {
    struct Row {
        RecordLayout layout;
        test::LineEnd lineEnd;
        std::size_t length;
    };
    const std::vector<Row> rows = {
        {RecordLayout::FiveDigit, test::LineEnd::LF, 267},
        {RecordLayout::FiveDigit, test::LineEnd::CRLF, 268},
        {RecordLayout::SixDigit, test::LineEnd::LF, 268},
        {RecordLayout::SixDigit, test::LineEnd::CRLF, 269},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length);
        // Over 3 MiB unpacked: several access points at the reader's own spacing, and a
        // partial record at the end that is not read.
        const std::string plain = Catalogue(12000, row.layout, row.lineEnd) + "partial";
        TempFolder folder;
        const std::string path = folder.Write("astorb.dat.gz", Gzip(plain));
        AstOrbDatabase database;
        ASSERT_TRUE(database.ReplaceFile(path));
        EXPECT_EQ(database.Format().length, static_cast<int>(row.length));
        EXPECT_EQ(database.Format().layout, row.layout);
        EXPECT_EQ(database.RecordCount(), 12000);
        EXPECT_EQ(database.Notice(), "");
        ExpectRecords(database, plain, row.length, {11999, 0, 5000, 4999, 11998, 1, 7777, 3915});
        EXPECT_FALSE(database.ReadRecord(12000));
        std::vector<std::int64_t> backward;
        for (std::int64_t i = 11999; i >= 11000; --i) {
            backward.push_back(i);
        }
        ExpectRecords(database, plain, row.length, backward);
        RecordBlockReader reader(database);
        for (std::int64_t i = 0; i < 12000; ++i) {
            const std::optional<AstOrbRecord> record = reader.Record(i);
            ASSERT_TRUE(record) << i;
            ASSERT_EQ(record->text, std::string_view(plain).substr(i * row.length, row.length));
        }
        EXPECT_FALSE(reader.Record(12000));
    }
}

TEST_F(IndexCache, DamagedDownloads) {
    const std::string plain = Catalogue(300);
    const FlushedGzip flushed = GzipFlushedAt(plain, 120 * 268);
    std::string cut = flushed.bytes.substr(0, flushed.flushEnd);
    std::string badBlock = flushed.bytes;
    badBlock[flushed.flushEnd] = 0x07; // the last block, of the reserved type
    std::string badCheckSum = flushed.bytes;
    badCheckSum[badCheckSum.size() - 8] ^= 0x01;
    std::string badLength = flushed.bytes;
    badLength[badLength.size() - 3] ^= 0x40;
    struct Row {
        const char* what;
        std::string bytes;
        std::int64_t records; // -1: the opening fails
        std::string message;  // the notice, or the error
    };
    const std::vector<Row> rows = {
        {"cut short", cut, 120,
         "astorb.dat.gz is incomplete: only the first 120 records can be read."},
        {"cut in a record", flushed.bytes.substr(0, flushed.flushEnd + 40), 120,
         "astorb.dat.gz is incomplete: only the first 120 records can be read."},
        {"corrupt after 120 records", badBlock, 120,
         "astorb.dat.gz is incomplete: only the first 120 records can be read."},
        {"cut in the trailer", flushed.bytes.substr(0, flushed.bytes.size() - 3), 300,
         "astorb.dat.gz is incomplete: only the first 300 records can be read."},
        {"only the header", flushed.bytes.substr(0, 10), 0,
         "astorb.dat.gz is incomplete: only the first 0 records can be read."},
        {"check sum", badCheckSum, -1,
         "astorb.dat.gz is damaged (its check sum does not match): download it again."},
        {"length", badLength, -1,
         "astorb.dat.gz is damaged (its check sum does not match): download it again."},
        {"second member damaged", Gzip(plain) + badCheckSum, -1,
         "astorb.dat.gz is damaged (its check sum does not match): download it again."},
        {"not gzip", "PK\x03\x04" + plain, -1, "astorb.dat.gz is not a gzip file."},
        {"plain text", plain, -1, "astorb.dat.gz is not a gzip file."},
        {"empty", "", 0, ""},
        {"an empty file packed", Gzip(""), 0, ""},
        {"a partial record packed", Gzip(plain.substr(0, 200)), 0, ""},
        {"data after the last member", Gzip(plain) + "trailing bytes", 300, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        const std::string path = folder.Write("astorb.dat.gz", row.bytes);
        // A file already open: closed by a failed opening, as for a file that cannot be opened.
        AstOrbDatabase database;
        ASSERT_TRUE(database.ReplaceFile(folder.Write("AstOrb.dat", plain)));
        if (row.records < 0) {
            try {
                database.ReplaceFile(path);
                ADD_FAILURE() << "opened";
            } catch (const Error& error) {
                EXPECT_EQ(error.what(), row.message);
            }
            EXPECT_FALSE(database.IsOpen());
            EXPECT_FALSE(database.ReadRecord(0));
            continue;
        }
        for (int opening = 0; opening < 2; ++opening) { // built, then from the cache
            SCOPED_TRACE(opening);
            ASSERT_TRUE(database.ReplaceFile(path));
            EXPECT_EQ(database.RecordCount(), row.records);
            EXPECT_EQ(database.Notice(), row.message);
            if (row.records > 0) {
                ExpectRecords(database, plain, 268, {row.records - 1, 0});
            }
            EXPECT_FALSE(database.ReadRecord(row.records));
        }
    }
}

TEST_F(IndexCache, MessagesNameTheFileAsFound) {
    TempFolder folder;
    folder.Write("ASTORB.DAT.GZ", "not gzip");
    AstOrbDatabase database;
    try {
        database.ReplaceFile(FindAstOrbFile(folder.str()));
        ADD_FAILURE() << "opened";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "ASTORB.DAT.GZ is not a gzip file.");
    }
}

TEST_F(IndexCache, AbandonedOpeningLeavesTheOpenFile) {
    const std::string plain = Catalogue(50);
    TempFolder folder;
    AstOrbDatabase database;
    ASSERT_TRUE(database.ReplaceFile(folder.Write("AstOrb.dat", plain)));
    ASSERT_TRUE(database.ReadRecord(3));
    const std::string gzip = folder.Write("other.dat.gz", Gzip(Catalogue(80)));
    EXPECT_FALSE(database.ReplaceFile(gzip, [](std::uint64_t, std::uint64_t) { return false; }));
    EXPECT_EQ(database.RecordCount(), 50);
    EXPECT_EQ(database.CurrentIndex(), 3);
    ExpectRecords(database, plain, 268, {49, 0});
    // Nothing was kept of the abandoned pass.
    EXPECT_FALSE(std::filesystem::exists(cache.path() / "Quorvane") &&
                 !std::filesystem::is_empty(cache.path() / "Quorvane"));
}

TEST_F(IndexCache, KeptIndexIsUsedOnlyWhileItMatches) {
    const std::string plain = Catalogue(4000);
    TempFolder data;
    const std::string path = data.Write("astorb.dat.gz", Gzip(plain));
    const auto open = [&](const std::string& file) {
        CountedProgress progress;
        AstOrbDatabase database;
        EXPECT_TRUE(database.ReplaceFile(file, progress.Callback()));
        EXPECT_EQ(database.RecordCount(), 4000);
        ExpectRecords(database, plain, 268, {3999, 0, 2000});
        return progress.calls > 0; // read whole: the index was built
    };
    const std::filesystem::path folder = cache.path() / "Quorvane";

    EXPECT_TRUE(open(path)) << "first opening";
    const std::vector<std::filesystem::path> kept = {
        std::filesystem::directory_iterator(folder)->path()};
    EXPECT_FALSE(open(path)) << "reused";

    // Another file's index in this one's place.
    const std::string otherPath = data.Write(
        "other.dat.gz", Gzip(Catalogue(4000, RecordLayout::SixDigit, test::LineEnd::LF, 9)));
    {
        AstOrbDatabase other;
        ASSERT_TRUE(other.ReplaceFile(otherPath));
    }
    std::filesystem::path otherIndex;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path() != kept[0]) {
            otherIndex = entry.path();
        }
    }
    ASSERT_FALSE(otherIndex.empty());
    const std::string ownBytes = ReadAll(kept[0].string());
    std::filesystem::copy_file(otherIndex, kept[0],
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(open(path)) << "foreign index refused";
    EXPECT_EQ(ReadAll(kept[0].string()), ownBytes) << "and replaced by its own";

    // Damaged: any byte changed, or cut short.
    for (const std::size_t at : {std::size_t{3}, ownBytes.size() / 2, ownBytes.size() - 1}) {
        std::string damaged = ownBytes;
        damaged[at] ^= 0x10;
        std::ofstream(kept[0], std::ios::binary) << damaged;
        EXPECT_TRUE(open(path)) << "damaged at " << at;
    }
    std::ofstream(kept[0], std::ios::binary) << ownBytes.substr(0, ownBytes.size() - 100);
    EXPECT_TRUE(open(path)) << "cut short";
    EXPECT_FALSE(open(path));

    // Stale: the file changed since (same size, another time).
    const auto when = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, when - std::chrono::hours(1));
    EXPECT_TRUE(open(path)) << "stale";
    EXPECT_FALSE(open(path));
}

TEST(IndexCacheFile, RefusesAnotherVersionOrKey) {
    const std::string plain = Catalogue(100);
    TempFolder folder;
    const std::string gzip = Gzip(plain);
    const std::string path = folder.Write("astorb.dat.gz", gzip);
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    std::optional<GzipScan> scan = BuildGzipIndex(fd, gzip.size());
    ::close(fd);
    ASSERT_TRUE(scan);
    const GzipFileKey key{path, gzip.size(), 1700000000, 5};
    const std::string bytes = SerializeGzipIndex(key, scan->index);
    const std::optional<GzipIndex> back = ParseGzipIndex(bytes, key);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->length, plain.size());
    EXPECT_EQ(back->points.size(), scan->index.points.size());
    EXPECT_EQ(back->windows, scan->index.windows);

    for (const GzipFileKey& other :
         {GzipFileKey{path + "x", key.size, 1700000000, 5},
          GzipFileKey{path, key.size + 1, 1700000000, 5},
          GzipFileKey{path, key.size, 1700000001, 5}, GzipFileKey{path, key.size, 1700000000, 6}}) {
        EXPECT_FALSE(ParseGzipIndex(bytes, other));
    }
    // Another version, its check sum made right: still refused.
    std::string version = bytes;
    version[8] = 2;
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(version.data()),
                            static_cast<uInt>(version.size() - 4));
    const auto sum = static_cast<std::uint32_t>(crc);
    std::memcpy(version.data() + version.size() - 4, &sum, 4);
    EXPECT_FALSE(ParseGzipIndex(version, key));
}

TEST(IndexCacheFolderTest, FollowsTheUsersCacheFolder) {
    {
        ScopedEnv cacheHome("XDG_CACHE_HOME", "/var/tmp/c");
        EXPECT_EQ(IndexCacheFolder(), "/var/tmp/c/Quorvane");
    }
    ScopedEnv noCacheHome("XDG_CACHE_HOME", "");
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(IndexCacheFolder(), "/home/someone/.cache/Quorvane");
}

TEST(IndexCacheFolderTest, UnwritableCacheWorksWithout) {
    const std::string plain = Catalogue(200);
    TempFolder data;
    const std::string path = data.Write("astorb.dat.gz", Gzip(plain));
    TempFolder scratch;
    // A file where the cache folder should be: nothing can be written under it.
    ScopedEnv cacheHome("XDG_CACHE_HOME", scratch.Write("not-a-folder", "x"));
    for (int opening = 0; opening < 2; ++opening) {
        CountedProgress progress;
        AstOrbDatabase database;
        ASSERT_TRUE(database.ReplaceFile(path, progress.Callback()));
        EXPECT_GT(progress.calls, 0) << "built every time";
        ExpectRecords(database, plain, 268, {199, 0});
    }
    // Nothing is ever written beside the data.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace quorvane
