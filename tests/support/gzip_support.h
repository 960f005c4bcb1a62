// Gzip files written with zlib for the tests of AstOrb.dat.gz, and the environment a test
// points the index cache at.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane::test {

// One gzip member of `data`. A small `memLevel` makes small deflate blocks, hence many places
// where reading can start.
std::string Gzip(std::string_view data, int level = 6, int memLevel = 8);

// One gzip member of `data` whose deflate data are flushed to a byte boundary after the first
// `flushAfter` bytes: `flushEnd` is where that flush ends in `bytes`, so that cutting the file
// there, or damaging the block that starts there, leaves exactly those bytes readable.
struct FlushedGzip {
    std::string bytes;
    std::size_t flushEnd = 0;
};
FlushedGzip GzipFlushedAt(std::string_view data, std::size_t flushAfter, int level = 6);

// Sets an environment variable for the life of the object and puts back what it was.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

} // namespace quorvane::test
