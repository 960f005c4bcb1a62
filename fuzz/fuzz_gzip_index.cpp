// The loader of the index cache file. The input is taken three ways:
//   - as a cache file for the fixed key below: whatever ParseGzipIndex accepts is consistent
//     with the key's file size and serializes back to exactly the input;
//   - the same with its last four bytes replaced by the check sum of the rest (a CRC-32 of the
//     bytes before it, little-endian), so that the fuzzer reaches what lies past the check sum;
//   - when it starts as a gzip file (1f 8b): its index, built with the limits GzipLimitsOf chooses,
//     serialized and parsed back gives the same index; flipping any one byte of the serialized
//     form, or another key, is refused; forged forms (a few bytes overwritten, the check sum made
//     right) that are accepted are consistent, and a reader through them stays within its
//     bounds.
// A cache file never makes the loader allocate more than a bounded amount: run-fuzz.sh runs this
// target with a limit on any one allocation.
#include "fuzz_gzip_limits.h"
#include "fuzz_support.h"

#include "astorb/gzip_index_cache.h"
#include "astorb/gzip_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;
using quorvane::fuzz::OpenFile;

namespace {

// The key of the hand-made seeds (fuzz/make_seeds.py writes them for it).
GzipFileKey SeedKey() {
    return {"/quorvane-fuzz/AstOrb.dat.gz", 1u << 20, 1700000000, 500000000};
}

std::uint32_t Crc(std::string_view bytes) {
    return static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0),
                                            reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size())));
}

// `bytes` without its last four, followed by their CRC-32.
std::string WithCheckSum(std::string_view bytes) {
    std::string fixed(bytes.substr(0, bytes.size() - 4));
    const std::uint32_t crc = Crc(fixed);
    char stored[4];
    std::memcpy(stored, &crc, 4);
    fixed.append(stored, 4);
    return fixed;
}

bool SameIndex(const GzipIndex& a, const GzipIndex& b) {
    if (a.length != b.length || a.complete != b.complete || a.span != b.span ||
        a.points.size() != b.points.size() || a.windows != b.windows) {
        return false;
    }
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        const GzipAccessPoint& p = a.points[i];
        const GzipAccessPoint& q = b.points[i];
        if (p.out != q.out || p.in != q.in || p.bits != q.bits ||
            p.windowLength != q.windowLength) {
            return false;
        }
    }
    return true;
}

// The index a pass over a file of `fileSize` bytes can give, restated: a window slot per point,
// no point without bytes to read, the first at the start; in order, each further on in both
// files, inside both, with at most 7 bits left of the byte before it (none at the file's start)
// and a window of at most 32 KiB from the bytes before it.
bool Restated(const GzipIndex& index, std::uint64_t fileSize) {
    if (index.windows.size() != index.points.size() * GzipIndex::kWindowSize ||
        (index.points.empty() && index.length != 0) ||
        (!index.points.empty() && index.points[0].out != 0)) {
        return false;
    }
    for (std::size_t i = 0; i < index.points.size(); ++i) {
        const GzipAccessPoint& p = index.points[i];
        const bool ordered =
            i == 0 || (p.out > index.points[i - 1].out && p.in > index.points[i - 1].in);
        if (!ordered || p.out > index.length || p.in > fileSize || p.bits < 0 || p.bits > 7 ||
            (p.in == 0 && p.bits != 0) || p.windowLength > GzipIndex::kWindowSize ||
            p.windowLength > p.out) {
            return false;
        }
    }
    return true;
}

// Whatever is accepted is consistent and is the one serialized form of its index.
std::optional<GzipIndex> ParseChecked(const std::string& bytes, const GzipFileKey& key) {
    std::optional<GzipIndex> index = ParseGzipIndex(bytes, key);
    if (index) {
        Check(index->IsConsistent(key.size), "an index accepted is not consistent");
        Check(Restated(*index, key.size), "an index accepted breaks the restated rule");
        Check(index->points.size() <= GzipIndexLimits{}.maxPoints,
              "an index accepted has more points than an index can have");
        Check(SerializeGzipIndex(key, *index) == bytes,
              "an index accepted does not serialize back to its bytes");
    }
    return index;
}

// Reads through an index that may be forged: never more than asked for, never past its length.
void ReadWithin(int fd, const GzipIndex& index, std::string_view bytes) {
    GzipReader reader(fd, index);
    std::vector<char> buffer(4097, '\x5a');
    for (std::size_t k = 0; k < 4; ++k) {
        const std::uint64_t at =
            k == 0 ? 0
                   : (index.length == 0 ? k
                                        : (static_cast<unsigned char>(bytes[k % bytes.size()]) *
                                           index.length / 255));
        const std::size_t got = reader.ReadAt(at, buffer.data(), 4096);
        Check(got <= 4096 && (at >= index.length ? got == 0 : got <= index.length - at),
              "a read through an accepted index went beyond its bounds");
        Check(buffer[4096] == '\x5a', "a read wrote past the bytes asked for");
    }
}

void CheckRoundTrip(std::string_view bytes) {
    const std::string path = fuzz::ScratchFolder() + "/input.gz";
    fuzz::WriteFile(path, bytes);
    const GzipIndexLimits limits = fuzz::GzipLimitsOf(bytes);
    const auto choice = static_cast<unsigned char>(bytes.back());
    OpenFile file(path);
    const std::optional<GzipScan> scan = BuildGzipIndex(file.fd(), bytes.size(), {}, limits);
    Check(scan.has_value(), "the pass stopped without being asked to");
    const GzipIndex& index = scan->index;
    Check(Restated(index, bytes.size()), "a built index breaks the restated rule");
    const GzipFileKey key = {"/quorvane-fuzz/x.gz", bytes.size(), 1700000001,
                             static_cast<std::int64_t>(choice) * 1000};
    const std::string serialized = SerializeGzipIndex(key, index);
    const std::optional<GzipIndex> parsed = ParseChecked(serialized, key);
    Check(parsed.has_value(), "a built index is refused when parsed back");
    Check(SameIndex(*parsed, index), "a built index parses back to another index");

    // Another key: another file, or the same one changed.
    GzipFileKey other = key;
    other.path += "x";
    Check(!ParseGzipIndex(serialized, other), "an index is taken for a file of another path");
    other = key;
    ++other.size;
    Check(!ParseGzipIndex(serialized, other), "an index is taken for a file of another size");
    other = key;
    ++other.mtimeNanoseconds;
    Check(!ParseGzipIndex(serialized, other), "an index is taken for a file changed since");

    // One byte flipped anywhere: a byte before, at and after each point's fields, and a spread
    // of others, each with a mask from the input.
    const std::size_t step = std::max<std::size_t>(1, serialized.size() / 64);
    for (std::size_t at = 0; at < serialized.size();
         at += (at < 64 || serialized.size() - at < 64) ? 1 : step) {
        std::string flipped = serialized;
        const auto mask = static_cast<unsigned char>(bytes[at % bytes.size()] | 1);
        flipped[at] = static_cast<char>(flipped[at] ^ mask);
        Check(!ParseGzipIndex(flipped, key), "an index with a flipped byte is accepted");
    }
    Check(!ParseGzipIndex(std::string_view(serialized).substr(0, serialized.size() - 1), key),
          "an index cut short is accepted");

    // Forged: eight bytes of the input written over the serialized form at a place the input
    // chooses, the check sum made right again.
    for (std::size_t k = 0; k + 2 < bytes.size() && k < 48; k += 3) {
        std::string forged = serialized;
        const std::size_t at = (static_cast<unsigned char>(bytes[k]) * 256u +
                                static_cast<unsigned char>(bytes[k + 1])) %
                               (forged.size() - 4);
        const std::size_t width = std::min<std::size_t>(
            1 + static_cast<unsigned char>(bytes[k + 2]) % 8, forged.size() - 4 - at);
        for (std::size_t i = 0; i < width; ++i) {
            forged[at + i] = bytes[(k + 3 + i) % bytes.size()];
        }
        if (const std::optional<GzipIndex> accepted = ParseChecked(WithCheckSum(forged), key)) {
            ReadWithin(file.fd(), *accepted, bytes);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::AsText(data, size));
    ParseChecked(bytes, SeedKey());
    if (bytes.size() >= 4) {
        ParseChecked(WithCheckSum(bytes), SeedKey());
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
        static_cast<unsigned char>(bytes[1]) == 0x8b) {
        CheckRoundTrip(bytes);
    }
    return 0;
}
