// A positioned read of a file descriptor that goes on until it has all it asked for: the one
// way both the plain and the gzip AstOrb.dat read their bytes.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace quorvane {

// Reads `count` bytes at `offset`; returns how many were read (fewer at the end of the file or
// on a read error).
inline std::size_t ReadFileAt(int fd, std::uint64_t offset, void* buffer, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got =
            ::pread(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
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

} // namespace quorvane
