// The index of a gzip AstOrb.dat kept between runs in the user's cache folder, so that only the
// first opening of a file reads it whole. The cache changes speed, never a result: an index is
// used only when its check sum, version and key (the file's path, size and modification time)
// all match, and anything else is built again.
#pragma once

#include "astorb/gzip_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace quorvane {

struct GzipFileKey {
    std::string path; // absolute
    std::uint64_t size = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanoseconds = 0;

    bool operator==(const GzipFileKey&) const = default;
};

// The key of the file at `path` whose status is `info`: its real path, size and modification
// time.
GzipFileKey GzipFileKeyOf(const std::string& path, const struct stat& info);

// $XDG_CACHE_HOME/Quorvane, else $HOME/.cache/Quorvane; empty when neither is set.
std::string IndexCacheFolder();

// The file in `cacheFolder` that keeps the index of the file of `key`.
std::string IndexCacheFile(const std::string& cacheFolder, const GzipFileKey& key);

// The bytes of a cache file and back.
std::string SerializeGzipIndex(const GzipFileKey& key, const GzipIndex& index);
std::optional<GzipIndex> ParseGzipIndex(std::string_view bytes, const GzipFileKey& key);

// The index kept in `cacheFile` for `key`; nothing when there is none or it does not match.
std::optional<GzipIndex> LoadGzipIndex(const std::string& cacheFile, const GzipFileKey& key);
// Writes the index in place of the file's old content, creating the folders; false when it
// cannot (the index then lives only as long as the open file).
bool SaveGzipIndex(const std::string& cacheFile, const GzipFileKey& key, const GzipIndex& index);

} // namespace quorvane
