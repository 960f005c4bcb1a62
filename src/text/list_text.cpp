#include "text/list_text.h"

#include "text/error.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#if defined(__unix__)
#include <stdlib.h>
#include <unistd.h>
#endif

namespace quorvane {

namespace {

constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

// An unnamed file in the temporary folder (TMPDIR where it is set), gone once closed; the C
// library's own temporary file where that cannot be made; nothing where neither can.
std::FILE* OpenScratchFile() {
#if defined(__unix__)
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (!error) {
        std::string name = (folder / "quorvane-list-XXXXXX").string();
        const int fd = ::mkstemp(name.data());
        if (fd >= 0) {
            ::unlink(name.c_str());
            if (std::FILE* file = ::fdopen(fd, "w+b")) {
                return file;
            }
            ::close(fd);
        }
    }
#endif
    return std::tmpfile();
}

} // namespace

ListText::ListText(std::size_t memoryBytes) : memoryBytes_(memoryBytes) {}

ListText::~ListText() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

ListText::ListText(ListText&& other) noexcept
    : memoryBytes_(other.memoryBytes_), pieces_(std::move(other.pieces_)),
      file_(std::exchange(other.file_, nullptr)), inFile_(std::exchange(other.inFile_, 0)),
      inMemory_(std::exchange(other.inMemory_, 0)), size_(std::exchange(other.size_, 0)),
      fileFailed_(other.fileFailed_) {
    other.pieces_.clear();
}

ListText& ListText::operator=(ListText&& other) noexcept {
    if (this != &other) {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        memoryBytes_ = other.memoryBytes_;
        pieces_ = std::move(other.pieces_);
        other.pieces_.clear();
        file_ = std::exchange(other.file_, nullptr);
        inFile_ = std::exchange(other.inFile_, 0);
        inMemory_ = std::exchange(other.inMemory_, 0);
        size_ = std::exchange(other.size_, 0);
        fileFailed_ = other.fileFailed_;
    }
    return *this;
}

void ListText::Append(std::string_view piece) {
    if (pieces_.empty() || pieces_.back().size() + piece.size() > pieces_.back().capacity()) {
        if (inMemory_ > memoryBytes_) {
            MoveToFile();
        }
        pieces_.emplace_back();
        pieces_.back().reserve(std::max(kPieceBytes, piece.size()));
    }
    pieces_.back().append(piece);
    inMemory_ += piece.size();
    size_ += piece.size();
}

void ListText::MoveToFile() {
    if (fileFailed_) {
        return;
    }
    if (file_ == nullptr) {
        file_ = OpenScratchFile();
        if (file_ == nullptr) {
            fileFailed_ = true;
            return;
        }
        // Whole pieces go straight to the file: a write that fails leaves nothing behind in a
        // buffer to be written later.
        std::setvbuf(file_, nullptr, _IONBF, 0);
    }
    for (const std::string& piece : pieces_) {
        if (std::fwrite(piece.data(), 1, piece.size(), file_) != piece.size()) {
            // The file keeps the text it held before (what this batch wrote past it is never
            // read); this batch and all that follows stay in memory: nothing is lost.
            fileFailed_ = true;
            return;
        }
    }
    inFile_ += inMemory_;
    inMemory_ = 0;
    pieces_.clear();
}

void ListText::ForEachPiece(const std::function<void(std::string_view)>& write) const {
    if (file_ != nullptr && inFile_ > 0) {
        if (std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0) {
            throw Error("Erreur E/S " + std::to_string(errno));
        }
        std::string buffer(kPieceBytes, '\0');
        std::size_t left = inFile_;
        while (left > 0) {
            const std::size_t want = std::min(left, buffer.size());
            if (std::fread(buffer.data(), 1, want, file_) != want) {
                throw Error("Erreur E/S " + std::to_string(errno));
            }
            write(std::string_view(buffer.data(), want));
            left -= want;
        }
        // The next write goes to the end again.
        std::fseek(file_, 0, SEEK_END);
    }
    for (const std::string& piece : pieces_) {
        write(piece);
    }
}

std::string ListText::Join() const {
    std::string text;
    text.reserve(size_);
    ForEachPiece([&text](std::string_view piece) { text.append(piece); });
    return text;
}

} // namespace quorvane
