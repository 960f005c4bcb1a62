// What the fuzz targets share: a scratch folder for the files a target writes, and a check that
// stops the run loudly when a property does not hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane::fuzz {

// A folder of this process under the temporary folder, made on first use and removed at exit.
const std::string& ScratchFolder();

// Replaces `path` with exactly `bytes`.
void WriteFile(const std::string& path, std::string_view bytes);
// The whole content of `path`; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Aborts with `what` when `condition` is false, so that libFuzzer keeps the input.
void Check(bool condition, const char* what);

// A scratch file open for reading, closed with the object; a file that cannot be opened fails
// the run.
class OpenFile {
public:
    explicit OpenFile(const std::string& path);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace quorvane::fuzz
