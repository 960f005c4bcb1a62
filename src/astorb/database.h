// The open AstOrb.dat and the one shared record text, CurrentRecord, that every read fills.
#pragma once

#include "astorb/record.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quorvane {

class GzipReader;

// The progress of an opening that reads the whole file first (a compressed AstOrb.dat.gz whose
// index is not in the cache): the compressed bytes read so far and in all. Returning false
// abandons the opening.
using OpenProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Thrown by AstOrbFile when its OpenProgress abandoned the opening; not an error to report.
struct OpenCancelled {};

// One AstOrb.dat opened read-only, addressed with 64-bit offsets, never loaded whole: a plain
// file, or (when its name ends in ".gz") a gzip file read through an index of access points
// without being unpacked to disk. Its record format is told once, at opening, from its first
// record.
class AstOrbFile {
public:
    // Raises "Impossible d'ouvrir le fichier "%s". %s" with the system's reason, and for a gzip
    // file whose check sum does not match or that is not gzip at all, the message that says so.
    // Throws OpenCancelled when `progress` returned false.
    explicit AstOrbFile(const std::string& path, const OpenProgress& progress = {});
    ~AstOrbFile();
    AstOrbFile(const AstOrbFile&) = delete;
    AstOrbFile& operator=(const AstOrbFile&) = delete;

    // The current file size (for a gzip file, the unpacked length that can be read), div the
    // record length.
    std::int64_t RecordCount() const;

    // What the user must be told once after the opening, or empty: for a gzip file that ends
    // early or is corrupt, "astorb.dat.gz is incomplete: only the first N records can be read."
    const std::string& Notice() const { return notice_; }

    const RecordFormat& Format() const { return format_; }

    // Reads `count` bytes at `offset`; returns how many were read (fewer at the end of the file
    // or on a read error).
    std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t count) const;

    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
    RecordFormat format_;
    std::unique_ptr<GzipReader> gzip_;
    std::string notice_;
};

class AstOrbDatabase {
public:
    bool IsOpen() const { return file_ != nullptr; }

    // Opens `path` in place of the open file. On failure the old file is closed all the same
    // (every read then fails like a short read) and the error is raised. False, with nothing
    // changed, when `progress` abandoned the opening.
    bool ReplaceFile(const std::string& path, const OpenProgress& progress = {});

    // The open file's notice (AstOrbFile::Notice); empty with no file.
    std::string Notice() const { return file_ ? file_->Notice() : std::string(); }

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
