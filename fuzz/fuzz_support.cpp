#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace quorvane::fuzz {

namespace {

std::string MakeScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvane-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

} // namespace

const std::string& ScratchFolder() {
    // Never destroyed: the exit handler that removes the folder runs after static destructors.
    static const std::string* const folder = [] {
        const auto* made = new std::string(MakeScratchFolder());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return made;
    }();
    return *folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    // A new file rather than the old one truncated: ext4 writes a file truncated and written
    // again out to disk when it is closed, which would make each run wait for the disk.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check(static_cast<bool>(file), "the scratch file could not be written");
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

OpenFile::OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    Check(fd_ >= 0, "the scratch file could not be opened");
}

OpenFile::~OpenFile() {
    ::close(fd_);
}

} // namespace quorvane::fuzz
