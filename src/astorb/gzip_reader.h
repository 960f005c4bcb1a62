// A gzip file read at any offset of its unpacked bytes without unpacking it to disk: one pass
// over the file finds access points at deflate block boundaries (the inflate state there plus
// the 32 KiB of output before it), and a read starts inflating from the nearest one before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quorvane {

// One place where inflating can start: `out` unpacked bytes and `in` compressed bytes from the
// start of the file, with `bits` bits of the byte before `in` still to be used.
struct GzipAccessPoint {
    std::uint64_t out = 0;
    std::uint64_t in = 0;
    int bits = 0;
    std::uint32_t windowLength = 0; // the output before `out` kept for it, at most 32 KiB
};

// What the one pass over a gzip file found.
struct GzipIndex {
    static constexpr std::size_t kWindowSize = 32768;

    std::uint64_t length = 0; // the unpacked bytes that can be read
    bool complete = true;     // false: the data end early or are corrupt after `length`
    std::uint64_t span = 0;   // the least distance in unpacked bytes between two points
    std::vector<GzipAccessPoint> points;
    // kWindowSize bytes per point, the point's window at the end of its slot.
    std::vector<unsigned char> windows;

    const unsigned char* WindowOf(std::size_t point) const {
        return windows.data() + (point + 1) * kWindowSize - points[point].windowLength;
    }
    // Whether the points are such as a pass over a file of `fileSize` bytes could have found:
    // in order, inside the file and the length, the first at the start.
    bool IsConsistent(std::uint64_t fileSize) const;
};

// Why a file cannot be read at all.
enum class GzipFault {
    None,
    NotGzip, // it does not start as a gzip file
    Damaged, // a member's check sum or length does not match its data
};

struct GzipScan {
    GzipIndex index;
    GzipFault fault = GzipFault::None;
};

// Called now and then with the compressed bytes read so far and in all; false stops the pass.
using GzipProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The limits of an index: points about `span` unpacked bytes apart, and never more than
// `maxPoints` of them (past that, every other one goes and the span doubles), so that the
// memory of the index is bounded whatever the file unpacks to.
struct GzipIndexLimits {
    std::uint64_t span = std::uint64_t{1} << 20;
    std::size_t maxPoints = 480;
};

// Reads the gzip file open as `fd` (`fileSize` bytes) once from its start, concatenated members
// as one stream. Returns nothing when `progress` stopped the pass. An empty file is an empty
// stream; the data ending early or corrupt make an incomplete index of what came before.
// Raises the core's Error when memory for inflating cannot be had.
std::optional<GzipScan> BuildGzipIndex(int fd, std::uint64_t fileSize,
                                       const GzipProgress& progress = {},
                                       const GzipIndexLimits& limits = {});

// Reads unpacked bytes of one gzip file through its index. Reads that go forward continue the
// inflating where the last one stopped; the last 2 MiB inflated are kept, so stepping back a
// little reads nothing again.
class GzipReader {
public:
    // `fd` stays owned by the caller and must outlive the reader.
    GzipReader(int fd, GzipIndex index);
    ~GzipReader();
    GzipReader(const GzipReader&) = delete;
    GzipReader& operator=(const GzipReader&) = delete;

    const GzipIndex& Index() const { return index_; }

    // Reads `count` unpacked bytes at `offset`; returns how many were read (fewer at the end
    // of the readable length or where the file no longer inflates).
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t count);

private:
    bool Restore(std::size_t point);
    bool Produce(std::size_t wanted);
    bool EnsureInput();
    bool SkipInput(std::size_t count);

    struct Stream;
    int fd_;
    GzipIndex index_;
    std::unique_ptr<Stream> stream_;
    bool positioned_ = false;
    bool raw_ = true;               // inflating a deflate stream entered at an access point
    std::uint64_t pos_ = 0;         // the unpacked offset inflating has reached
    std::uint64_t inPos_ = 0;       // the file offset of the next compressed byte to load
    std::vector<unsigned char> in_; // compressed bytes loaded
    std::vector<char> recent_;      // the unpacked bytes just before pos_
    std::size_t recentUsed_ = 0;
};

} // namespace quorvane
