#include "astorb/database.h"

#include "astorb/error.h"
#include "astorb/gzip_index_cache.h"
#include "astorb/gzip_reader.h"
#include "astorb/paths.h"
#include "astorb/positioned_read.h"
#include "astorb/record.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

// The index of the gzip file open as `fd`: the one kept in the cache when it matches, else
// built in one pass over the file and kept there.
GzipIndex GzipIndexOf(int fd, const std::string& path, const struct stat& info,
                      const OpenProgress& progress) {
    const GzipFileKey key = GzipFileKeyOf(path, info);
    const std::string cacheFolder = IndexCacheFolder();
    const std::string cacheFile =
        cacheFolder.empty() ? std::string() : IndexCacheFile(cacheFolder, key);
    if (!cacheFile.empty()) {
        if (std::optional<GzipIndex> cached = LoadGzipIndex(cacheFile, key)) {
            return std::move(*cached);
        }
    }
    std::optional<GzipScan> scan = BuildGzipIndex(fd, key.size, progress);
    if (!scan) {
        throw OpenCancelled{};
    }
    const std::string name = FileNameOf(path);
    if (scan->fault == GzipFault::NotGzip) {
        throw Error(name + " is not a gzip file.");
    }
    if (scan->fault == GzipFault::Damaged) {
        throw Error(name + " is damaged (its check sum does not match): download it again.");
    }
    if (!cacheFile.empty()) {
        SaveGzipIndex(cacheFile, key, scan->index);
    }
    return std::move(scan->index);
}

} // namespace

AstOrbFile::AstOrbFile(const std::string& path, const OpenProgress& progress) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        RaiseCannotOpen(path, std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd_);
        fd_ = -1;
        RaiseCannotOpen(path, std::strerror(error));
    }
    if (IsGzipName(path)) {
        try {
            gzip_ = std::make_unique<GzipReader>(fd_, GzipIndexOf(fd_, path, info, progress));
        } catch (...) {
            ::close(fd_);
            fd_ = -1;
            throw;
        }
    }
    std::array<char, kLongestRecordLength> start{};
    const std::size_t got = ReadAt(0, start.data(), start.size());
    format_ = DetectRecordFormat(std::string_view(start.data(), got));
    if (gzip_ && !gzip_->Index().complete) {
        notice_ = FileNameOf(path) + " is incomplete: only the first " +
                  std::to_string(RecordCount()) + " records can be read.";
    }
}

AstOrbFile::~AstOrbFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::int64_t AstOrbFile::RecordCount() const {
    if (gzip_) {
        return static_cast<std::int64_t>(gzip_->Index().length /
                                         static_cast<std::uint64_t>(format_.length));
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(info.st_size) / format_.length;
}

std::size_t AstOrbFile::ReadAt(std::int64_t offset, char* buffer, std::size_t count) const {
    if (gzip_) {
        return offset < 0 ? 0 : gzip_->ReadAt(static_cast<std::uint64_t>(offset), buffer, count);
    }
    return offset < 0 ? 0 : ReadFileAt(fd_, static_cast<std::uint64_t>(offset), buffer, count);
}

bool AstOrbDatabase::ReplaceFile(const std::string& path, const OpenProgress& progress) {
    std::unique_ptr<AstOrbFile> opened;
    try {
        opened = std::make_unique<AstOrbFile>(path, progress);
    } catch (const OpenCancelled&) {
        return false;
    } catch (...) {
        ++generation_;
        currentIndex_ = -1;
        file_.reset();
        throw;
    }
    ++generation_;
    currentIndex_ = -1;
    file_ = std::move(opened);
    return true;
}

std::int64_t AstOrbDatabase::RecordCount() const {
    return file_ ? file_->RecordCount() : 0;
}

bool AstOrbDatabase::ReadRecord(std::int64_t index) {
    if (!file_) {
        return false;
    }
    const RecordFormat format = file_->Format();
    if (index < 0 || index > INT64_MAX / format.length) {
        return false;
    }
    std::array<char, kLongestRecordLength> buffer{};
    const auto length = static_cast<std::size_t>(format.length);
    if (file_->ReadAt(index * format.length, buffer.data(), length) < length) {
        return false;
    }
    SetCurrentRecord(std::string_view(buffer.data(), length), format.layout, index);
    return true;
}

void AstOrbDatabase::SetCurrentRecord(std::string_view record, RecordLayout layout,
                                      std::int64_t index) {
    const auto zero = record.find('\0');
    currentRecord_.assign(record.substr(0, zero));
    currentLayout_ = layout;
    currentIndex_ = index;
}

} // namespace quorvane
