#include "support/gzip_support.h"

#include <zlib.h>

#include <cstdlib>
#include <stdexcept>

namespace quorvane::test {

namespace {

class Deflater {
public:
    explicit Deflater(int level, int memLevel = 8) {
        if (deflateInit2(&z_, level, Z_DEFLATED, 15 + 16, memLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
            throw std::runtime_error("deflateInit2");
        }
    }
    ~Deflater() { deflateEnd(&z_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void Add(std::string_view data, int flush) {
        z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z_.avail_in = static_cast<uInt>(data.size());
        int status = Z_OK;
        do {
            char chunk[65536];
            z_.next_out = reinterpret_cast<Bytef*>(chunk);
            z_.avail_out = sizeof chunk;
            status = deflate(&z_, flush);
            out_.append(chunk, sizeof chunk - z_.avail_out);
        } while (z_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    }
    const std::string& Out() const { return out_; }

private:
    z_stream z_{};
    std::string out_;
};

} // namespace

std::string Gzip(std::string_view data, int level, int memLevel) {
    Deflater deflater(level, memLevel);
    deflater.Add(data, Z_FINISH);
    return deflater.Out();
}

FlushedGzip GzipFlushedAt(std::string_view data, std::size_t flushAfter, int level) {
    Deflater deflater(level);
    deflater.Add(data.substr(0, flushAfter), Z_FULL_FLUSH);
    const std::size_t flushEnd = deflater.Out().size();
    deflater.Add(data.substr(flushAfter), Z_FINISH);
    return {deflater.Out(), flushEnd};
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        saved_ = old;
    }
    ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (saved_) {
        ::setenv(name_.c_str(), saved_->c_str(), 1);
    } else {
        ::unsetenv(name_.c_str());
    }
}

} // namespace quorvane::test
