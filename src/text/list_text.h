// The text of a list that a scan builds for the clipboard: kept in pieces, so that it grows
// without copying what it holds, and beyond a few mebibytes in an unnamed temporary file, so
// that a list of every record of the catalogue keeps the memory of a command small.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class ListText {
public:
    // `memoryBytes`: how much text stays in memory before the pieces move to the file.
    explicit ListText(std::size_t memoryBytes = std::size_t{16} << 20);
    ~ListText();
    ListText(ListText&& other) noexcept;
    ListText& operator=(ListText&& other) noexcept;
    ListText(const ListText&) = delete;
    ListText& operator=(const ListText&) = delete;

    void Append(std::string_view piece);
    ListText& operator+=(std::string_view piece) {
        Append(piece);
        return *this;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Hands the text to `write` in order, in pieces of up to about a mebibyte, cut anywhere.
    // A file that cannot be read back raises "Erreur E/S %d" where the reading fails.
    void ForEachPiece(const std::function<void(std::string_view)>& write) const;
    // The whole text at once.
    std::string Join() const;

private:
    void MoveToFile();

    std::size_t memoryBytes_;
    std::vector<std::string> pieces_; // in memory, after the part in the file
    std::FILE* file_ = nullptr;       // the first part of the text, once there is one
    std::size_t inFile_ = 0;
    std::size_t inMemory_ = 0;
    std::size_t size_ = 0;
    bool fileFailed_ = false; // no file could be used: everything stays in memory
};

} // namespace quorvane
