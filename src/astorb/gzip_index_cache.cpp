#include "astorb/gzip_index_cache.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace quorvane {

namespace {

constexpr std::string_view kMagic = "QVGZIDX\n";
constexpr std::uint32_t kVersion = 1;
// The most a cache file may take: well above what an index of at most GzipIndexLimits's points
// comes to, and a bound on what a damaged file can make us allocate.
constexpr std::size_t kMostCacheBytes = std::size_t{48} << 20;

class Writer {
public:
    template <typename T> void Put(T value) requires std::is_arithmetic_v<T> {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        text_.append(bytes, sizeof(T));
    }
    void Put(std::string_view bytes) { text_.append(bytes); }
    std::string& Text() { return text_; }

private:
    std::string text_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    template <typename T> bool Get(T& value) {
        if (bytes_.size() - at_ < sizeof(T)) {
            return false;
        }
        std::memcpy(&value, bytes_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return true;
    }
    bool Get(std::size_t count, std::string_view& bytes) {
        if (bytes_.size() - at_ < count) {
            return false;
        }
        bytes = bytes_.substr(at_, count);
        at_ += count;
        return true;
    }
    std::size_t Left() const { return bytes_.size() - at_; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

std::uint32_t CheckSum(std::string_view bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto step = static_cast<uInt>(std::min<std::size_t>(bytes.size() - at, 1u << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + at), step);
        at += step;
    }
    return static_cast<std::uint32_t>(crc);
}

bool MakeFolders(const std::string& folder) {
    for (std::size_t cut = 1; cut <= folder.size(); ++cut) {
        if (cut == folder.size() || folder[cut] == '/') {
            const std::string part = folder.substr(0, cut);
            struct stat info {};
            if (::stat(part.c_str(), &info) == 0) {
                if (!S_ISDIR(info.st_mode)) {
                    return false;
                }
            } else if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

GzipFileKey GzipFileKeyOf(const std::string& path, const struct stat& info) {
    GzipFileKey key;
    char* absolute = ::realpath(path.c_str(), nullptr);
    key.path = absolute != nullptr ? absolute : path;
    std::free(absolute);
    key.size = static_cast<std::uint64_t>(info.st_size);
    key.mtimeSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    key.mtimeNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return key;
}

std::string IndexCacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') {
        return std::string(cache) + "/Quorvane";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.cache/Quorvane";
    }
    return {};
}

std::string IndexCacheFile(const std::string& cacheFolder, const GzipFileKey& key) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : key.path) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char name[40];
    std::snprintf(name, sizeof name, "%016llx.gzindex", static_cast<unsigned long long>(hash));
    return cacheFolder + "/" + name;
}

std::string SerializeGzipIndex(const GzipFileKey& key, const GzipIndex& index) {
    Writer out;
    out.Put(kMagic);
    out.Put(kVersion);
    out.Put(static_cast<std::uint32_t>(key.path.size()));
    out.Put(std::string_view(key.path));
    out.Put(key.size);
    out.Put(key.mtimeSeconds);
    out.Put(key.mtimeNanoseconds);
    out.Put(index.length);
    out.Put(static_cast<std::uint8_t>(index.complete ? 1 : 0));
    out.Put(index.span);
    out.Put(static_cast<std::uint32_t>(index.points.size()));
    for (std::size_t i = 0; i < index.points.size(); ++i) {
        const GzipAccessPoint& point = index.points[i];
        out.Put(point.out);
        out.Put(point.in);
        out.Put(static_cast<std::uint8_t>(point.bits));
        out.Put(point.windowLength);
        out.Put(
            std::string_view(reinterpret_cast<const char*>(index.WindowOf(i)), point.windowLength));
    }
    out.Put(CheckSum(out.Text()));
    return std::move(out.Text());
}

std::optional<GzipIndex> ParseGzipIndex(std::string_view bytes, const GzipFileKey& key) {
    if (bytes.size() < sizeof(std::uint32_t)) {
        return std::nullopt;
    }
    const std::string_view body = bytes.substr(0, bytes.size() - sizeof(std::uint32_t));
    std::uint32_t stored = 0;
    std::memcpy(&stored, bytes.data() + body.size(), sizeof stored);
    if (stored != CheckSum(body)) {
        return std::nullopt;
    }
    Reader in(body);
    std::string_view magic;
    std::uint32_t version = 0;
    std::uint32_t pathLength = 0;
    std::string_view path;
    GzipFileKey found;
    if (!in.Get(kMagic.size(), magic) || magic != kMagic || !in.Get(version) ||
        version != kVersion || !in.Get(pathLength) || !in.Get(pathLength, path) ||
        !in.Get(found.size) || !in.Get(found.mtimeSeconds) || !in.Get(found.mtimeNanoseconds)) {
        return std::nullopt;
    }
    found.path = path;
    if (!(found == key)) {
        return std::nullopt;
    }
    GzipIndex index;
    std::uint8_t complete = 0;
    std::uint32_t count = 0;
    if (!in.Get(index.length) || !in.Get(complete) || complete > 1 || !in.Get(index.span) ||
        index.span == 0 || !in.Get(count) || count > GzipIndexLimits{}.maxPoints) {
        return std::nullopt;
    }
    index.complete = complete == 1;
    index.points.resize(count);
    index.windows.resize(std::size_t{count} * GzipIndex::kWindowSize);
    for (std::size_t i = 0; i < count; ++i) {
        GzipAccessPoint& point = index.points[i];
        std::uint8_t bits = 0;
        std::string_view window;
        if (!in.Get(point.out) || !in.Get(point.in) || !in.Get(bits) ||
            !in.Get(point.windowLength) || point.windowLength > GzipIndex::kWindowSize ||
            !in.Get(point.windowLength, window)) {
            return std::nullopt;
        }
        point.bits = bits;
        std::memcpy(const_cast<unsigned char*>(index.WindowOf(i)), window.data(), window.size());
    }
    if (in.Left() != 0 || !index.IsConsistent(key.size)) {
        return std::nullopt;
    }
    return index;
}

std::optional<GzipIndex> LoadGzipIndex(const std::string& cacheFile, const GzipFileKey& key) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(cacheFile.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > kMostCacheBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return std::nullopt;
    }
    return ParseGzipIndex(bytes, key);
}

bool SaveGzipIndex(const std::string& cacheFile, const GzipFileKey& key, const GzipIndex& index) {
    const auto cut = cacheFile.find_last_of('/');
    if (cut == std::string::npos || !MakeFolders(cacheFile.substr(0, cut))) {
        return false;
    }
    const std::string bytes = SerializeGzipIndex(key, index);
    // Written aside and renamed, so that a reader never sees half a file.
    const std::string aside = cacheFile + ".new" + std::to_string(::getpid());
    std::FILE* file = std::fopen(aside.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(aside.c_str(), cacheFile.c_str()) != 0) {
        std::remove(aside.c_str());
        return false;
    }
    return true;
}

} // namespace quorvane
