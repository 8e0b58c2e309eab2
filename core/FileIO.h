#pragma once
// Whole-file reads and crash-safe writes.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace orvane {

// Writes size bytes to a new file beside path and renames it over path, so a
// failed or interrupted write never destroys the file that was there. The new
// file is named and locked as core/TempFiles.h says, and stale temporaries of
// path left by killed runs are removed first. A
// symbolic link is followed: the file it leads to is replaced, from a
// temporary file in that file's folder, and the link stays a link. A file
// without any write permission bit (or that this user may not write) is
// refused and left as it is, even where the folder would allow replacing it.
// The old file's permission bits are kept. A failure when any step failed,
// with WriteFailureText as its message; the temporary file is removed then,
// and errno holds the failed step's reason (EACCES for a read-only file or a
// folder without write permission, ENOSPC for a full disk, ELOOP for links
// that lead in a circle).
Outcome WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// "cannot write [name]: " and why the last write failed: "the file is
// read-only" for a read-only file, else the system's wording of errno in
// lower case ("no space left on device").
std::string WriteFailureText(const std::string& name);

// One file of a set, written in a temporary folder beside its target.
struct FileMove {
    std::string from;  // the finished new file
    std::string to;    // the file it replaces (or creates); a link is followed
};

// Puts a set of files in place, one rename each, in order. A read-only
// target refuses the whole set before anything moves. The old file of each
// target is kept in backupFolder (a hard link, or a copy where the file
// system has none) until every move succeeded; when a move fails, the
// targets already replaced get their old files back and the ones that were
// new are removed, so the old set is whole again. Each new file takes the
// permission bits of the file it replaces. A failure carries
// WriteFailureText of the target that failed. beforeMove(k), when given, runs
// before move k (from 0) and may make it fail by returning false: the
// failures a test injects. The renames are not one atomic step: a program
// killed between two of them leaves some targets new, the others old, and
// the old files in backupFolder.
Outcome ReplaceFiles(const std::vector<FileMove>& moves, const std::string& backupFolder,
                     const std::function<bool(std::size_t)>& beforeMove = {});

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
    FileLock(int fd, State state) : fd_(fd), state_(state) { }
    int fd_;
    State state_;
};

// Reads up to maxBytes from the start of the file into buffer; bytesRead says
// how many. false when the file cannot be opened or read (a folder, no
// access) or is no regular file (a FIFO, a device: EINVAL), which is never
// opened for reading, so a reader never waits for a writer.
bool ReadFilePrefix(const std::string& path, void* buffer, std::size_t maxBytes, std::size_t& bytesRead);

// Reads the whole file, a regular file only; false when it cannot be opened
// or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// The largest cases or coordinates file the program reads: 200 MB
// (200,000,000 bytes), far beyond any real one.
inline constexpr std::size_t kMaxInputFileBytes = 200'000'000;

// What became of reading an input file (links followed).
enum class InputState {
    Read,
    Missing,     // no such file
    NotRegular,  // a folder, FIFO, device or socket: refused unread
    TooLarge,    // more than the limit: refused, nothing handed on
    Unreadable,  // no access, or a read failed (errno)
};

// Hands the file's bytes to `piece` in order, in pieces of any size, when it
// is a regular file of at most maxBytes. The size is checked before the first
// byte is read, and again while reading (a file that grows meanwhile).
InputState ReadInputPieces(const std::string& path, std::size_t maxBytes,
                           const std::function<void(std::string_view)>& piece);

// ReadInputPieces into one string; contents is empty unless Read.
InputState ReadInputFile(const std::string& path, std::size_t maxBytes, std::string& contents);

// ReadInputFile with its problem as the outcome's message (InputProblemText;
// what names the kind of file).
Outcome ReadInputText(const std::string& path, std::size_t maxBytes, const std::string& what, std::string& contents);

// For the user: "[name] is not a regular file", "[name] is larger than
// 200 MB, the most ... that is read", "no such file [name]", "cannot read
// [name]: reason". what names the kind of file ("cases file").
std::string InputProblemText(const std::string& name, InputState state, std::size_t maxBytes, const std::string& what);

bool FileExists(const std::string& path);

}  // namespace orvane
