#pragma once
// What a file looked like when a program last read or wrote it, to tell
// later whether someone else has changed it since: its size, its time of
// last change and a hash of its bytes. Size and time alone miss a rewrite of
// the same length within one tick of a coarse clock; the hash alone would
// need the whole file read for every check of a file much larger than ours.

#include <cstdint>
#include <string>

namespace orvane {

struct FileFingerprint {
    bool exists = false;  // a regular file was there (links followed)
    std::uint64_t sizeBytes = 0;
    std::int64_t modifiedNs = 0;  // time of last modification, ns since the epoch
    std::uint64_t hash = 0;       // FNV-1a of the bytes; 0 for a file over kMaxHashedBytes

    bool operator==(const FileFingerprint&) const = default;
};

// Files larger than this are told apart by size and time only.
inline constexpr std::uint64_t kMaxHashedBytes = 16u << 20;

// The fingerprint of path now; exists is false when it is missing or no
// regular file (a FIFO is never opened).
FileFingerprint FingerprintOf(const std::string& path);

}  // namespace orvane
