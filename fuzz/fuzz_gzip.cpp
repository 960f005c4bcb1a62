// The gzip reader against zlib's own sequential inflate of the same bytes. The input is the gzip
// file; its modification time chooses the index's limits (GzipLimitsOf: points 64 to 4,096
// unpacked bytes apart, 2 to 17 of them at most, so that a small file gets many points and thins
// them), and a hash of the whole input chooses where the reads fall.
//
// The reference inflates the members one after another, as gzip -dc does: after a member's end,
// two bytes 1f 8b start another member and anything else ends the data cleanly (trailing bytes
// are ignored); any error stops it. The index must say what the reference saw: its length is
// what the reference inflated before its first error (all of it when there was none), it is
// complete exactly when the reference ended cleanly, its fault is Damaged exactly when the
// reference failed on a member's check value or length, NotGzip exactly when the file does not
// start as 1f 8b (an empty file is an empty stream). Every read through the index, forward,
// backward, across access points and at the very end, gives the reference's bytes. AstOrbFile
// on the same bytes named x.gz, opened once to build the index and once from the index cache,
// gives the same record count, notice and bytes.
#include "fuzz_gzip_limits.h"
#include "fuzz_support.h"

#include "astorb/database.h"
#include "astorb/error.h"
#include "astorb/gzip_reader.h"
#include "astorb/record.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;
using quorvane::fuzz::OpenFile;

namespace {

struct Reference {
    std::string out;          // what inflated before the first error, or all of it
    bool clean = false;       // the data ended with a member's end, nothing or non-gzip bytes after
    bool checkFailed = false; // the first error was a member's check value or length
    bool notGzip = false;
};

bool StartsAsGzip(std::string_view bytes) {
    return bytes.empty() || (static_cast<unsigned char>(bytes[0]) == 0x1f &&
                             (bytes.size() < 2 || static_cast<unsigned char>(bytes[1]) == 0x8b));
}

Reference Inflate(std::string_view bytes) {
    Reference reference;
    if (bytes.empty()) {
        reference.clean = true;
        return reference;
    }
    if (!StartsAsGzip(bytes)) {
        reference.notGzip = true;
        return reference;
    }
    z_stream z{};
    Check(inflateInit2(&z, 15 + 16) == Z_OK, "the reference's inflateInit2 failed");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    std::vector<unsigned char> chunk(1 << 16);
    for (;;) {
        z.next_out = chunk.data();
        z.avail_out = static_cast<uInt>(chunk.size());
        const int status = inflate(&z, Z_NO_FLUSH);
        reference.out.append(reinterpret_cast<const char*>(chunk.data()),
                             chunk.size() - z.avail_out);
        if (status == Z_STREAM_END) {
            if (z.avail_in >= 2 && z.next_in[0] == 0x1f && z.next_in[1] == 0x8b) {
                Check(inflateReset(&z) == Z_OK, "the reference's inflateReset failed");
                continue;
            }
            reference.clean = true;
            break;
        }
        if (status == Z_OK) {
            continue;
        }
        // Z_BUF_ERROR: the input ran out inside a member.
        if (status != Z_BUF_ERROR && z.msg != nullptr) {
            const std::string_view message = z.msg;
            reference.checkFailed =
                message == "incorrect data check" || message == "incorrect length check";
        }
        break;
    }
    inflateEnd(&z);
    return reference;
}

// splitmix64, seeded by a hash of the input: the reads fall the same way on every run.
class Draws {
public:
    explicit Draws(std::string_view bytes) {
        for (const char c : bytes) {
            state_ = (state_ ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
    }
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : Next() % n; }

private:
    std::uint64_t state_ = 14695981039346656037ull;
};

// Reads `count` bytes at `offset` through `read` and holds them to the reference.
template <typename ReadAt>
void CheckRead(ReadAt&& read, const std::string& expected, std::uint64_t offset,
               std::size_t count) {
    std::vector<char> buffer(count + 1, '\x5a');
    const std::size_t got = read(offset, buffer.data(), count);
    const std::size_t want =
        offset >= expected.size()
            ? 0
            : static_cast<std::size_t>(std::min<std::uint64_t>(count, expected.size() - offset));
    Check(got == want, "a read gave another number of bytes than the reference has there");
    Check(std::memcmp(buffer.data(),
                      expected.data() + std::min<std::uint64_t>(offset, expected.size()), got) == 0,
          "a read gave other bytes than the reference");
    Check(buffer[count] == '\x5a', "a read wrote past the bytes asked for");
}

// Reads that cover the whole length and more: forward in steps, backward from the end, at and
// around every access point, at the very end and past it, and at random places.
template <typename ReadAt>
void CheckReads(ReadAt&& read, const std::string& expected, const GzipIndex* index, Draws& draws) {
    const std::uint64_t length = expected.size();
    // Forward, in steps of varying size, across every access point.
    for (std::uint64_t at = 0; at < length;) {
        const std::size_t count = 1 + static_cast<std::size_t>(draws.Below(1 + 6000));
        CheckRead(read, expected, at, count);
        at += count;
    }
    // Backward from the end.
    for (std::uint64_t end = length, k = 0; end > 0 && k < 8; ++k) {
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(end, 1 + draws.Below(3000)));
        CheckRead(read, expected, end - count, count);
        end -= count;
    }
    if (index != nullptr) {
        for (const GzipAccessPoint& point : index->points) {
            CheckRead(read, expected, point.out, 1 + static_cast<std::size_t>(draws.Below(300)));
            if (point.out > 0) {
                CheckRead(read, expected, point.out - 1, 2);
            }
        }
    }
    CheckRead(read, expected, length == 0 ? 0 : length - 1, 1);
    CheckRead(read, expected, length, 10);
    CheckRead(read, expected, length + 1 + draws.Below(100000), 10);
    CheckRead(read, expected, 0, static_cast<std::size_t>(length) + 50);
    for (int k = 0; k < 12; ++k) {
        const std::uint64_t at = draws.Below(length + 20);
        CheckRead(read, expected, at, static_cast<std::size_t>(draws.Below(2 + 2 * 32768)));
    }
}

std::string CacheHome() {
    return fuzz::ScratchFolder() + "/cache";
}

void CheckIndex(const std::string& path, std::string_view bytes, const Reference& reference,
                Draws& draws) {
    const GzipIndexLimits limits = fuzz::GzipLimitsOf(bytes);
    OpenFile file(path);
    std::uint64_t lastDone = 0;
    bool progressed = true;
    const GzipProgress progress = [&](std::uint64_t done, std::uint64_t total) {
        progressed = progressed && done >= lastDone && done <= total && total == bytes.size();
        lastDone = done;
        return true;
    };
    const std::optional<GzipScan> scan = BuildGzipIndex(file.fd(), bytes.size(), progress, limits);
    Check(scan.has_value(), "the pass stopped though its progress never asked it to");
    Check(progressed, "the progress went back or beyond the file");
    const GzipIndex& index = scan->index;
    Check((scan->fault == GzipFault::NotGzip) == reference.notGzip,
          "NotGzip is not exactly the file that does not start as 1f 8b");
    Check((scan->fault == GzipFault::Damaged) == reference.checkFailed,
          "Damaged is not exactly the reference's check value or length mismatch");
    Check(index.IsConsistent(bytes.size()), "the index built is not consistent");
    Check(index.points.size() <= limits.maxPoints, "more access points than the limit");
    Check(index.windows.size() == index.points.size() * GzipIndex::kWindowSize,
          "a window slot per point");
    if (reference.notGzip) {
        Check(index.length == 0 && index.points.empty(), "a file that is not gzip gave bytes");
        return;
    }
    Check(index.length == reference.out.size(),
          "the index length is not what the reference inflated before its first error");
    Check(index.complete == reference.clean, "complete is not exactly the reference's clean end");
    Check(index.length == 0 || (!index.points.empty() && index.points.front().out == 0),
          "bytes to read but no access point at the start");
    // Each thinning doubles the span, and every two points kept are at least that far apart.
    std::uint64_t span = limits.span;
    while (span < index.span) {
        span *= 2;
    }
    Check(span == index.span, "the span is not the one asked for, doubled at each thinning");
    for (std::size_t i = 0; i < index.points.size(); ++i) {
        const GzipAccessPoint& point = index.points[i];
        Check(i == 0 || point.out - index.points[i - 1].out >= index.span,
              "two access points closer than the span");
        // A point's window is the output just before it.
        Check(point.windowLength == std::min<std::uint64_t>(point.out, GzipIndex::kWindowSize),
              "a point keeps less than the 32 KiB before it");
        Check(std::memcmp(index.WindowOf(i), reference.out.data() + point.out - point.windowLength,
                          point.windowLength) == 0,
              "a point's window is not the output before it");
    }

    // One reader for every read, so that reads continue, step back and start again.
    GzipReader reader(file.fd(), index);
    CheckReads([&](std::uint64_t offset, char* buffer,
                   std::size_t count) { return reader.ReadAt(offset, buffer, count); },
               reference.out, &index, draws);
    // A new reader enters an access point (the reads above cross them all but enter only the
    // first): the last point and three drawn, each reader taking 2 MiB.
    const auto freshRead = [&](std::uint64_t at, std::size_t count) {
        GzipReader fresh(file.fd(), index);
        CheckRead([&](std::uint64_t offset, char* buffer,
                      std::size_t length) { return fresh.ReadAt(offset, buffer, length); },
                  reference.out, at, count);
    };
    for (int k = 0; k < 4 && !index.points.empty(); ++k) {
        const std::size_t point = k == 0
                                      ? index.points.size() - 1
                                      : static_cast<std::size_t>(draws.Below(index.points.size()));
        freshRead(index.points[point].out,
                  1 + static_cast<std::size_t>(draws.Below(2 * limits.span)));
    }
    freshRead(draws.Below(reference.out.size() + 4), static_cast<std::size_t>(draws.Below(9000)));
}

// AstOrbFile opens the same bytes as x.gz: once building the index (the cache folder emptied
// first, so that no index of an earlier input of the same size and time is taken), once from the
// index the first opening kept.
void CheckAstOrbFile(std::string_view bytes, const Reference& reference, Draws& draws) {
    const std::string folder = fuzz::ScratchFolder();
    const std::string path = folder + "/x.gz";
    std::error_code ignored;
    std::filesystem::remove_all(CacheHome(), ignored);
    fuzz::WriteFile(path, bytes);
    const RecordFormat format = DetectRecordFormat(
        std::string_view(reference.out)
            .substr(0, std::min<std::size_t>(reference.out.size(), kLongestRecordLength)));
    ino_t cacheInode = 0;
    for (int opening = 0; opening < 2; ++opening) {
        std::optional<AstOrbFile> file;
        std::string error;
        try {
            file.emplace(path);
        } catch (const Error& raised) {
            error = raised.what();
        }
        if (reference.notGzip) {
            Check(error == "x.gz is not a gzip file.", "a file that is not gzip opened");
            return;
        }
        if (reference.checkFailed) {
            Check(error == "x.gz is damaged (its check sum does not match): download it again.",
                  "a file whose check value does not match opened");
            return;
        }
        Check(error.empty(), "a gzip file that inflates failed to open");
        // The index is kept in one file of the cache; an opening that built it again would
        // put a new file (a new inode, written aside and renamed) in its place.
        std::size_t kept = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(CacheHome() + "/Quorvane", ignored)) {
            if (entry.path().extension() == ".gzindex") {
                ++kept;
                struct stat info {};
                Check(::stat(entry.path().c_str(), &info) == 0, "the cache file cannot be read");
                Check(opening == 0 || info.st_ino == cacheInode,
                      "the second opening built the index again instead of taking it from the "
                      "cache");
                cacheInode = info.st_ino;
            }
        }
        Check(kept == 1, "the opening did not keep exactly one index in the cache");
        Check(file->Format().length == format.length && file->Format().layout == format.layout,
              "the format is not that of the first unpacked bytes");
        const auto count = static_cast<std::int64_t>(reference.out.size() /
                                                     static_cast<std::size_t>(format.length));
        Check(file->RecordCount() == count, "the record count is not length / record length");
        const std::string notice = reference.clean
                                       ? std::string()
                                       : "x.gz is incomplete: only the first " +
                                             std::to_string(count) + " records can be read.";
        Check(file->Notice() == notice, "the notice does not say what the data are");
        CheckReads(
            [&](std::uint64_t offset, char* buffer, std::size_t length) {
                return file->ReadAt(static_cast<std::int64_t>(offset), buffer, length);
            },
            reference.out, nullptr, draws);
        char byte = 0;
        Check(file->ReadAt(-1, &byte, 1) == 0, "a read before the start gave a byte");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The index cache of AstOrbFile goes to the scratch folder.
    ::setenv("XDG_CACHE_HOME", CacheHome().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    const Reference reference = Inflate(bytes);
    const std::string path = fuzz::ScratchFolder() + "/input.gz";
    fuzz::WriteFile(path, bytes);
    Draws draws(bytes);
    CheckIndex(path, bytes, reference, draws);
    CheckAstOrbFile(bytes, reference, draws);
    return 0;
}
