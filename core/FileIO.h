#pragma once
// Whole-file reads and crash-safe writes.

#include <cstddef>
#include <string>

namespace orvane {

// Writes size bytes to a new file beside path and renames it over path, so a
// failed or interrupted write never destroys the file that was there. A
// symbolic link is followed: the file it leads to is replaced, from a
// temporary file in that file's folder, and the link stays a link. A file
// without any write permission bit (or that this user may not write) is
// refused and left as it is, even where the folder would allow replacing it.
// The old file's permission bits are kept. false when any step failed; the
// temporary file is removed then, and errno holds the failed step's reason
// (EACCES for a read-only file or a folder without write permission, ENOSPC
// for a full disk, ELOOP for links that lead in a circle).
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// The file a path names once every symbolic link of its last part is
// followed (a link's relative target is taken from the link's folder);
// path itself when it is no link. Empty for links that loop or nest
// deeper than 40.
std::string FollowLinks(const std::string& path);

// The file exists and may not be written: no write permission bit at all,
// or none for this user. Links are followed.
bool IsReadOnlyFile(const std::string& path);

// An advisory lock (flock) on an existing file, held until the object is
// destroyed, for programs that read a file, change it and write it back:
// a second one that finds the lock taken gives up instead of overwriting
// the first one's work. Links are followed. A file replaced by a rename
// while the lock was being taken is locked again under its new identity.
class FileLock {
public:
    enum class State {
        Locked,
        Busy,    // another open file holds the lock
        Failed,  // the file cannot be opened (missing, no access)
    };
    static FileLock TryLock(const std::string& path);
    ~FileLock();
    FileLock(FileLock&& other) noexcept : fd_(other.fd_), state_(other.state_) { other.fd_ = -1; }
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State GetState() const { return state_; }

private:
    FileLock(int fd, State state) : fd_(fd), state_(state) {}
    int fd_;
    State state_;
};

// Reads up to maxBytes from the start of the file into buffer; bytesRead says
// how many. false when the file cannot be opened or read (a folder, no access).
bool ReadFilePrefix(const std::string& path, void* buffer, std::size_t maxBytes, std::size_t& bytesRead);

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

bool FileExists(const std::string& path);

}  // namespace orvane
