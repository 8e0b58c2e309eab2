#include "core/FileFingerprint.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

FileFingerprint FingerprintOf(const std::string& path)
{
    FileFingerprint print;
    struct stat st { };
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return print;
    print.exists = true;
    print.sizeBytes = static_cast<std::uint64_t>(st.st_size);
    print.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (print.sizeBytes > kMaxHashedBytes)
        return print;
    // O_NONBLOCK: the name may have become a FIFO since the stat.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return print;
    std::uint64_t hash = 14695981039346656037ull;
    std::vector<unsigned char> buffer(64 * 1024);
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i)
            hash = (hash ^ buffer[static_cast<std::size_t>(i)]) * 1099511628211ull;
        total += static_cast<std::uint64_t>(n);
        if (total > kMaxHashedBytes)
            break;
    }
    ::close(fd);
    print.hash = hash;
    return print;
}

}  // namespace orvane
