#include "astorb/database.h"

#include "astorb/error.h"
#include "astorb/record.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

AstOrbFile::AstOrbFile(const std::string& path) : path_(path) {
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
    std::array<char, kLongestRecordLength> start{};
    const std::size_t got = ReadAt(0, start.data(), start.size());
    format_ = DetectRecordFormat(std::string_view(start.data(), got));
}

AstOrbFile::~AstOrbFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::int64_t AstOrbFile::RecordCount() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(info.st_size) / format_.length;
}

std::size_t AstOrbFile::ReadAt(std::int64_t offset, char* buffer, std::size_t count) const {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, buffer + done, count - done,
                                    static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void AstOrbDatabase::ReplaceFile(const std::string& path) {
    ++generation_;
    currentIndex_ = -1;
    file_.reset();
    file_ = std::make_unique<AstOrbFile>(path);
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
