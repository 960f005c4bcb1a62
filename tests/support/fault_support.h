// Shared by the fault tables: a well-formed record to damage, and a fingerprint of a file to
// prove that nothing wrote to it.
#pragma once

#include "astorb/record.h"
#include "support/fixtures.h"

#include <cstdint>
#include <string>

namespace quorvane::test {

// Ceres as the bundled sample holds it.
RecordSpec Ceres();

// `text` right-aligned in the columns of `field` in `layout`, blanks before it.
std::string WithField(std::string record, Field field, const std::string& text,
                      RecordLayout layout = RecordLayout::FiveDigit);

// What a file looks like from outside: its size, modification time and an FNV-1a hash of its
// bytes (for a file of more than 64 MiB, of its last 64 KiB: the big sparse file is mostly a
// hole); all zero for a missing file.
struct Fingerprint {
    std::int64_t size = -1;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint FingerprintOf(const std::string& path);

} // namespace quorvane::test
