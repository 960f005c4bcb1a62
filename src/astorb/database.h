// The open AstOrb.dat and the one shared record text, CurrentRecord, that every read fills.
#pragma once

#include "astorb/record.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quorvane {

// One AstOrb.dat opened read-only, addressed with 64-bit offsets, never loaded whole. Its record
// format is told once, at opening, from its first record.
class AstOrbFile {
public:
    // Raises "Impossible d'ouvrir le fichier "%s". %s" with the system's reason.
    explicit AstOrbFile(const std::string& path);
    ~AstOrbFile();
    AstOrbFile(const AstOrbFile&) = delete;
    AstOrbFile& operator=(const AstOrbFile&) = delete;

    // The current file size, div the record length.
    std::int64_t RecordCount() const;

    const RecordFormat& Format() const { return format_; }

    // Reads `count` bytes at `offset`; returns how many were read (fewer at the end of the file
    // or on a read error).
    std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t count) const;

    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
    RecordFormat format_;
};

class AstOrbDatabase {
public:
    bool IsOpen() const { return file_ != nullptr; }

    // Closes the open file, then opens `path`. On failure the old file stays closed (every read
    // then fails like a short read) and the error is raised.
    void ReplaceFile(const std::string& path);

    // The record count of the open file; 0 with no file.
    std::int64_t RecordCount() const;

    // The record format of the open file; the five-digit one of 267 bytes with no file.
    RecordFormat Format() const { return file_ ? file_->Format() : RecordFormat{}; }

    // Reads record `index` into CurrentRecord. False, CurrentRecord unchanged, when fewer than
    // a whole record's bytes could be read there (outside the file, no file open, a read error).
    bool ReadRecord(std::int64_t index);

    // The record most recently read: its bytes, line end included, up to the first zero byte;
    // empty before the first successful read.
    const std::string& CurrentRecord() const { return currentRecord_; }
    // CurrentRecord with the layout of the file it was read from.
    AstOrbRecord Current() const { return {currentRecord_, currentLayout_}; }

    // Puts a record text in place as if ReadRecord(index) had read it from a file of `layout`
    // (used when a scan has decoded a record from its own block read).
    void SetCurrentRecord(std::string_view record, RecordLayout layout, std::int64_t index);
    // The index CurrentRecord was read from in the open file; -1 before the first read and
    // after the file is replaced.
    std::int64_t CurrentIndex() const { return currentIndex_; }

    const AstOrbFile* file() const { return file_.get(); }

    // Changes whenever the open file is replaced or closed, so that a reader holding bytes read
    // ahead knows they belong to another file.
    std::uint64_t Generation() const { return generation_; }

private:
    std::unique_ptr<AstOrbFile> file_;
    std::uint64_t generation_ = 0;
    std::string currentRecord_;
    RecordLayout currentLayout_ = RecordLayout::FiveDigit;
    std::int64_t currentIndex_ = -1;
};

} // namespace quorvane
