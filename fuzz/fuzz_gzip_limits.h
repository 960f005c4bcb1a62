// The limits of the index the gzip fuzz targets build, chosen by the two low bytes of the first
// member's modification time (bytes 4 and 5 of the file), which inflating ignores: the fuzzer
// changes them freely without damaging the file, and the seeds set them apart.
#pragma once

#include "astorb/gzip_reader.h"

#include <string_view>

namespace quorvane::fuzz {

// Points 64 to 4,096 unpacked bytes apart, 2 to 17 of them at most: a small file gets many
// points and thins them.
inline GzipIndexLimits GzipLimitsOf(std::string_view bytes) {
    const auto byte = [bytes](std::size_t at) {
        return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u;
    };
    GzipIndexLimits limits;
    limits.span = 64 * (1 + byte(4) % 64u);
    limits.maxPoints = 2 + byte(5) % 16u;
    return limits;
}

} // namespace quorvane::fuzz
