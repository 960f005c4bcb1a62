#include "astorb/gzip_reader.h"

#include "astorb/error.h"
#include "astorb/positioned_read.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string_view>
#include <unistd.h>

namespace quorvane {

namespace {

constexpr std::size_t kWindow = GzipIndex::kWindowSize;
// Compressed bytes read at once.
constexpr std::size_t kInputChunk = std::size_t{1} << 18;
// The unpacked bytes kept behind the reading position.
constexpr std::size_t kRecentSize = std::size_t{2} << 20;
// How often a pass that inflates much from little input still reports its progress.
constexpr std::uint64_t kProgressOutputStep = std::uint64_t{64} << 20;

constexpr int kGzipWindowBits = 15 + 16;
constexpr int kRawWindowBits = -15;

// An inflate stream that is ended however its owner is left.
struct InflateStream {
    z_stream z{};
    bool ready = false;

    explicit InflateStream(int windowBits) {
        const int status = inflateInit2(&z, windowBits);
        if (status != Z_OK) {
            throw Error("Mémoire insuffisante");
        }
        ready = true;
    }
    ~InflateStream() {
        if (ready) {
            inflateEnd(&z);
        }
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
};

bool IsCheckMismatch(const z_stream& z) {
    if (z.msg == nullptr) {
        return false;
    }
    const std::string_view message = z.msg;
    return message == "incorrect data check" || message == "incorrect length check";
}

// Every other point goes, the first one staying.
void Thin(GzipIndex& index) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < index.points.size(); i += 2, ++kept) {
        if (kept != i) {
            index.points[kept] = index.points[i];
            std::memcpy(index.windows.data() + kept * kWindow, index.windows.data() + i * kWindow,
                        kWindow);
        }
    }
    index.points.resize(kept);
    index.windows.resize(kept * kWindow);
    index.span *= 2;
}

} // namespace

bool GzipIndex::IsConsistent(std::uint64_t fileSize) const {
    if (windows.size() != points.size() * kWindowSize) {
        return false;
    }
    if (points.empty()) {
        return length == 0;
    }
    if (points.front().out != 0) {
        return false;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const GzipAccessPoint& point = points[i];
        if (point.bits < 0 || point.bits > 7 || point.in > fileSize ||
            (point.bits != 0 && point.in == 0) || point.out > length ||
            point.windowLength > kWindowSize || point.windowLength > point.out) {
            return false;
        }
        if (i > 0 && (point.out <= points[i - 1].out || point.in <= points[i - 1].in)) {
            return false;
        }
    }
    return true;
}

std::optional<GzipScan> BuildGzipIndex(int fd, std::uint64_t fileSize, const GzipProgress& progress,
                                       const GzipIndexLimits& limits) {
    GzipScan scan;
    GzipIndex& index = scan.index;
    index.span = std::max<std::uint64_t>(1, limits.span);
    const std::size_t maxPoints = std::max<std::size_t>(2, limits.maxPoints);
    if (fileSize == 0) {
        return scan;
    }
    unsigned char magic[2] = {};
    const std::size_t magicBytes = ReadFileAt(fd, 0, magic, std::min<std::uint64_t>(2, fileSize));
    if (magicBytes == 0 || magic[0] != 0x1f || (magicBytes == 2 && magic[1] != 0x8b)) {
        scan.fault = magicBytes == 0 ? GzipFault::None : GzipFault::NotGzip;
        index.complete = magicBytes == 0 ? false : index.complete;
        return scan;
    }

    InflateStream stream(kGzipWindowBits);
    z_stream& z = stream.z;
    std::vector<unsigned char> input(kInputChunk);
    std::vector<unsigned char> window(kWindow);
    std::uint64_t read = 0;     // compressed bytes loaded
    std::uint64_t produced = 0; // unpacked bytes so far
    std::uint64_t lastPoint = 0;
    std::uint64_t nextProgress = kProgressOutputStep;
    z.next_out = window.data();
    z.avail_out = kWindow;
    bool ended = false; // the last member ended where the gzip data end

    const auto report = [&] { return !progress || progress(read, fileSize); };
    if (!report()) {
        return std::nullopt;
    }
    bool held = false; // inflate filled the window last time and may hold more output
    for (;;) {
        if (z.avail_in == 0) {
            const std::size_t want =
                static_cast<std::size_t>(std::min<std::uint64_t>(kInputChunk, fileSize - read));
            const std::size_t got = want == 0 ? 0 : ReadFileAt(fd, read, input.data(), want);
            if (got == 0 && !held) {
                break;
            }
            read += got;
            z.next_in = input.data();
            z.avail_in = static_cast<uInt>(got);
            if (got > 0 && !report()) {
                return std::nullopt;
            }
        }
        if (z.avail_out == 0) {
            z.next_out = window.data();
            z.avail_out = kWindow;
        }
        const uInt roomBefore = z.avail_out;
        const int status = inflate(&z, Z_BLOCK);
        produced += roomBefore - z.avail_out;
        held = z.avail_out == 0;
        if (produced >= nextProgress) {
            nextProgress = produced + kProgressOutputStep;
            if (!report()) {
                return std::nullopt;
            }
        }
        if (status == Z_MEM_ERROR) {
            throw Error("Mémoire insuffisante");
        }
        // No progress: out of input (the data end early) or, with input left, stuck.
        const bool stuck = status == Z_BUF_ERROR;
        if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_STREAM_ERROR || stuck) {
            if (IsCheckMismatch(z)) {
                scan.fault = GzipFault::Damaged;
            }
            break;
        }
        if (status == Z_STREAM_END) {
            // Another member may follow; anything else after the data is not gzip and is left.
            const std::uint64_t consumed = read - z.avail_in;
            unsigned char next[2] = {};
            std::size_t nextBytes = 0;
            if (z.avail_in >= 2) {
                next[0] = z.next_in[0];
                next[1] = z.next_in[1];
                nextBytes = 2;
            } else if (consumed < fileSize) {
                nextBytes = ReadFileAt(fd, consumed, next, 2);
            }
            if (nextBytes < 2 || next[0] != 0x1f || next[1] != 0x8b) {
                ended = true;
                break;
            }
            inflateReset(&z);
            continue;
        }
        const bool atBoundary = (z.data_type & 128) != 0 && (z.data_type & 64) == 0;
        if (atBoundary && (index.points.empty() || produced - lastPoint >= index.span)) {
            if (index.points.size() == maxPoints) {
                Thin(index);
                if (produced - index.points.back().out < index.span) {
                    continue;
                }
            }
            GzipAccessPoint point;
            point.out = produced;
            point.in = read - z.avail_in;
            point.bits = z.data_type & 7;
            point.windowLength =
                static_cast<std::uint32_t>(std::min<std::uint64_t>(produced, kWindow));
            index.windows.resize(index.windows.size() + kWindow);
            unsigned char* slot = index.windows.data() + index.windows.size() - point.windowLength;
            // The window buffer fills in a circle: the newest byte is just before next_out.
            const std::size_t head = kWindow - z.avail_out;
            if (produced >= kWindow) {
                std::memcpy(slot, window.data() + head, kWindow - head);
                std::memcpy(slot + (kWindow - head), window.data(), head);
            } else {
                std::memcpy(slot, window.data(), point.windowLength);
            }
            index.points.push_back(point);
            lastPoint = produced;
        }
    }
    index.length = produced;
    index.complete = ended;
    return scan;
}

struct GzipReader::Stream {
    InflateStream inflate{kRawWindowBits};
};

GzipReader::GzipReader(int fd, GzipIndex index)
    : fd_(fd), index_(std::move(index)), stream_(std::make_unique<Stream>()) {}

GzipReader::~GzipReader() = default;

bool GzipReader::EnsureInput() {
    z_stream& z = stream_->inflate.z;
    if (z.avail_in > 0) {
        return true;
    }
    if (in_.empty()) {
        in_.resize(kInputChunk);
    }
    const std::size_t got = ReadFileAt(fd_, inPos_, in_.data(), in_.size());
    if (got == 0) {
        return false;
    }
    inPos_ += got;
    z.next_in = in_.data();
    z.avail_in = static_cast<uInt>(got);
    return true;
}

bool GzipReader::SkipInput(std::size_t count) {
    z_stream& z = stream_->inflate.z;
    while (count > 0) {
        if (!EnsureInput()) {
            return false;
        }
        const std::size_t step = std::min<std::size_t>(count, z.avail_in);
        z.next_in += step;
        z.avail_in -= static_cast<uInt>(step);
        count -= step;
    }
    return true;
}

bool GzipReader::Restore(std::size_t point) {
    positioned_ = false;
    const GzipAccessPoint& at = index_.points[point];
    z_stream& z = stream_->inflate.z;
    if (inflateReset2(&z, kRawWindowBits) != Z_OK) {
        return false;
    }
    z.avail_in = 0;
    inPos_ = at.in - (at.bits != 0 ? 1 : 0);
    if (at.bits != 0) {
        if (!EnsureInput()) {
            return false;
        }
        const int byte = *z.next_in;
        ++z.next_in;
        --z.avail_in;
        if (inflatePrime(&z, at.bits, byte >> (8 - at.bits)) != Z_OK) {
            return false;
        }
    }
    if (at.windowLength > 0 &&
        inflateSetDictionary(&z, index_.WindowOf(point), at.windowLength) != Z_OK) {
        return false;
    }
    raw_ = true;
    pos_ = at.out;
    recentUsed_ = 0;
    positioned_ = true;
    return true;
}

bool GzipReader::Produce(std::size_t wanted) {
    if (recent_.empty()) {
        recent_.resize(kRecentSize);
    }
    if (recentUsed_ == recent_.size()) {
        const std::size_t keep = recent_.size() / 2;
        std::memmove(recent_.data(), recent_.data() + (recentUsed_ - keep), keep);
        recentUsed_ = keep;
    }
    const std::size_t room =
        std::min<std::uint64_t>({wanted, recent_.size() - recentUsed_, index_.length - pos_});
    z_stream& z = stream_->inflate.z;
    z.next_out = reinterpret_cast<unsigned char*>(recent_.data() + recentUsed_);
    z.avail_out = static_cast<uInt>(room);
    while (z.avail_out > 0) {
        // At the end of the file inflate may still hold output of the input it has read.
        const bool input = EnsureInput();
        const uInt roomBefore = z.avail_out;
        const int status = inflate(&z, Z_NO_FLUSH);
        if (!input && z.avail_out == roomBefore) {
            break;
        }
        if (status == Z_STREAM_END) {
            // The member ends; the next one follows its 8-byte trailer. A stream entered at
            // an access point has no header of its own and leaves the trailer to us.
            if (raw_) {
                if (!SkipInput(8) || inflateReset2(&z, kGzipWindowBits) != Z_OK) {
                    break;
                }
                raw_ = false;
            } else if (inflateReset(&z) != Z_OK) {
                break;
            }
            continue;
        }
        if (status != Z_OK) {
            break;
        }
    }
    const std::size_t made = room - z.avail_out;
    recentUsed_ += made;
    pos_ += made;
    if (made == 0) {
        positioned_ = false;
    }
    return made > 0;
}

std::size_t GzipReader::ReadAt(std::uint64_t offset, char* buffer, std::size_t count) {
    if (offset >= index_.length) {
        return 0;
    }
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, index_.length - offset));
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        const std::uint64_t recentStart = pos_ - recentUsed_;
        if (positioned_ && at >= recentStart && at < pos_) {
            const std::size_t step =
                static_cast<std::size_t>(std::min<std::uint64_t>(count - done, pos_ - at));
            std::memcpy(buffer + done, recent_.data() + (at - recentStart), step);
            done += step;
            continue;
        }
        // The last point at or before the offset; going on from where inflating stands is
        // never longer than starting again from it.
        const auto after = std::upper_bound(
            index_.points.begin(), index_.points.end(), at,
            [](std::uint64_t value, const GzipAccessPoint& point) { return value < point.out; });
        if (after == index_.points.begin()) {
            break;
        }
        const auto point = static_cast<std::size_t>(after - index_.points.begin() - 1);
        if ((!positioned_ || at < pos_ || index_.points[point].out > pos_) && !Restore(point)) {
            break;
        }
        const std::uint64_t needed = at + (count - done) - pos_;
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(needed, kRecentSize));
        if (!Produce(std::max<std::size_t>(wanted, 65536))) {
            break;
        }
    }
    return done;
}

} // namespace quorvane
