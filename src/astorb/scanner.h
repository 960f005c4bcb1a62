// Sequential reading for the whole-file scans: AstOrb.dat read ahead in large blocks, handed out
// record by record exactly as ReadRecord would have read each one, with CurrentRecord brought up
// to date wherever the rest of the program could see it.
#pragma once

#include "astorb/database.h"
#include "astorb/record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quorvane {

// About 270 KiB of records, the largest block a scan reads at once: large enough that the reads
// cost no more than one sequential pass, small enough to stay in the processor's cache while
// the records are decoded.
inline constexpr std::size_t kScanBlockRecords = 1024;

// Reads the records of the database's open file through blocks that start small and double up
// to `maxBlockRecords`, so a search that stops early reads little. Record(i) gives what
// ReadRecord(i) would leave in CurrentRecord, or nothing where ReadRecord(i) would fail; a
// block that comes back short ends at the last whole record, and the record after it is read
// again on its own before it is declared missing. Bytes read ahead are dropped when the
// database opens another file.
//
// A reader keeps to the layout of the file open when it was made: should another file of the
// other layout replace it while a scan runs, the records from there on are missing, as past the
// end of a file. So a scan's loop can take the layout as a constant (RecordOf, WithLayout).
//
// CurrentRecord is not written for every record. Sync() writes the last record handed out, if
// it has not been written yet; the destructor does the same, so every way out of a scan (a
// return, an error) leaves CurrentRecord on the last record read, as record-by-record reading
// would. Call Sync() before anything the window or a message could observe.
class RecordBlockReader {
public:
    explicit RecordBlockReader(AstOrbDatabase& database,
                               std::size_t maxBlockRecords = kScanBlockRecords);
    ~RecordBlockReader();
    RecordBlockReader(const RecordBlockReader&) = delete;
    RecordBlockReader& operator=(const RecordBlockReader&) = delete;

    // Record `index`; the view stays valid until the next call. `forward` tells which way the
    // scan goes, so that blocks reach ahead of it.
    std::optional<AstOrbRecord> Record(std::int64_t index, bool forward = true) {
        if (!Reach(index, forward)) {
            return std::nullopt;
        }
        return AstOrbRecord{RecordAt(static_cast<std::uint64_t>(index - first_)), layout_};
    }

    // Record(index) for a reader whose Layout() is `L`, with the layout a constant.
    template <RecordLayout L>
    [[gnu::always_inline]] std::optional<AstOrbRecord> RecordOf(std::int64_t index,
                                                                bool forward = true) {
        if (!Reach(index, forward)) {
            return std::nullopt;
        }
        return AstOrbRecord{RecordAt(static_cast<std::uint64_t>(index - first_)), L};
    }

    // Writes the last record handed out into CurrentRecord unless that is already done.
    void Sync();
    AstOrbDatabase& Database() { return database_; }
    // The layout of the records handed out: that of the file open when the reader was made.
    RecordLayout Layout() const { return layout_; }

private:
    // Brings record `index` into the buffer; false where it cannot be read.
    [[gnu::always_inline]] bool Reach(std::int64_t index, bool forward) {
        const auto offset = static_cast<std::uint64_t>(index - first_);
        if ((offset >= static_cast<std::uint64_t>(count_) ||
             generation_ != database_.Generation()) &&
            !Fill(index, forward)) {
            return false;
        }
        pending_ = index;
        return true;
    }

    bool Fill(std::int64_t index, bool forward);

    // The record `offset` records into the buffer, cut at its first zero byte.
    std::string_view RecordAt(std::uint64_t offset) const {
        const std::string_view record(buffer_.data() + offset * recordLength_, recordLength_);
        return hasZeroByte_ ? record.substr(0, record.find('\0')) : record;
    }

    AstOrbDatabase& database_;
    std::size_t maxBlockRecords_;
    std::size_t blockRecords_; // the size of the next block
    std::vector<char> buffer_;
    RecordLayout layout_;      // of every record handed out
    std::size_t recordLength_; // of the file the buffer was read from
    std::int64_t first_ = 0;   // index of the first record in the buffer
    std::int64_t count_ = 0;   // whole records in the buffer
    bool hasZeroByte_ = false; // some record in the buffer is cut short by a zero byte
    std::uint64_t generation_ = 0;
    std::int64_t pending_ = -1; // the record handed out last, while it is not in CurrentRecord
};

// Calls `scan` with `layout` as a std::integral_constant, so that a scan's loop written once is
// made for each layout with every field's columns constants in it.
template <typename Scan> decltype(auto) WithLayout(RecordLayout layout, Scan&& scan) {
    if (layout == RecordLayout::SixDigit) {
        return scan(std::integral_constant<RecordLayout, RecordLayout::SixDigit>{});
    }
    return scan(std::integral_constant<RecordLayout, RecordLayout::FiveDigit>{});
}

// IsNumbered, inline.
inline bool IsNumberedRecord(AstOrbRecord record) {
    return !TrimmedField(record, Field::Number).empty();
}

} // namespace quorvane
