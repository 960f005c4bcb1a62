#include "astorb/scanner.h"

#include "astorb/database.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quorvane {

namespace {

// The first block is small: a search that finds its record nearby reads little.
constexpr std::size_t kFirstBlockRecords = 16;

} // namespace

RecordBlockReader::RecordBlockReader(AstOrbDatabase& database, std::size_t maxBlockRecords)
    : database_(database), maxBlockRecords_(std::max<std::size_t>(1, maxBlockRecords)),
      blockRecords_(std::min(kFirstBlockRecords, maxBlockRecords_)),
      layout_(database.Format().layout),
      recordLength_(static_cast<std::size_t>(database.Format().length)) {}

RecordBlockReader::~RecordBlockReader() {
    Sync();
}

void RecordBlockReader::Sync() {
    if (pending_ >= 0) {
        // Bytes read ahead from a file since replaced no longer say where they came from.
        const bool sameFile = generation_ == database_.Generation();
        database_.SetCurrentRecord(RecordAt(static_cast<std::uint64_t>(pending_ - first_)), layout_,
                                   sameFile ? pending_ : -1);
        pending_ = -1;
    }
}

bool RecordBlockReader::Fill(std::int64_t index, bool forward) {
    // The record handed out last lives in the buffer about to be overwritten.
    Sync();
    count_ = 0;
    generation_ = database_.Generation();
    const AstOrbFile* file = database_.file();
    if (file == nullptr) {
        return false;
    }
    const RecordFormat format = file->Format();
    if (format.layout != layout_) {
        return false;
    }
    recordLength_ = static_cast<std::size_t>(format.length);
    const std::int64_t length = format.length;
    if (index < 0 || index > INT64_MAX / length) {
        return false;
    }
    const auto records = static_cast<std::int64_t>(blockRecords_);
    std::int64_t first = index;
    std::int64_t last = index; // inclusive
    if (forward) {
        last =
            index > INT64_MAX / length - (records - 1) ? INT64_MAX / length : index + (records - 1);
    } else {
        first = std::max<std::int64_t>(0, index - (records - 1));
    }
    const auto recordBytes = static_cast<std::size_t>(length);
    std::size_t wanted = static_cast<std::size_t>(last - first + 1) * recordBytes;
    if (buffer_.size() < wanted) {
        buffer_.resize(wanted);
    }
    std::size_t got = file->ReadAt(first * length, buffer_.data(), wanted);
    if (got / recordBytes <= static_cast<std::size_t>(index - first)) {
        // The block ended before the record: read it on its own, as ReadRecord does.
        first = index;
        got = file->ReadAt(index * length, buffer_.data(), recordBytes);
    }
    first_ = first;
    count_ = static_cast<std::int64_t>(got / recordBytes);
    hasZeroByte_ =
        std::memchr(buffer_.data(), 0, static_cast<std::size_t>(count_) * recordBytes) != nullptr;
    blockRecords_ = std::min(maxBlockRecords_, blockRecords_ * 2);
    return index >= first_ && index < first_ + count_;
}

} // namespace quorvane
