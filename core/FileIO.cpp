#include "core/FileIO.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Format.h"
#include "core/TempFiles.h"

namespace orvane {

namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and reports the result (a late write error shows up here).
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a regular file for reading; a FIFO, device, socket or folder is
// refused before any open that could wait for a writer (and again after the
// open, which could meet a file swapped in meanwhile: O_NONBLOCK keeps that
// open from waiting). -1 with errno EINVAL for what is no regular file.
int OpenRegularFile(const std::string& path, struct stat& st)
{
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string LowerFirst(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A rename is on disk once its folder is.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// mkstemp creates files with mode 0600; a new file should get the mode any
// other new file of the user gets. umask can only be read by setting it.
mode_t CurrentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

}  // namespace

std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop <= 40; ++hop) {
        struct stat st { };
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size() - 1);
        if (n <= 0)
            return current;
        const std::string next(target.data(), static_cast<std::size_t>(n));
        const auto slash = current.rfind('/');
        current = next.front() == '/' || slash == std::string::npos ? next : current.substr(0, slash + 1) + next;
    }
    errno = ELOOP;
    return {};
}

bool IsReadOnlyFile(const std::string& path)
{
    const std::string target = FollowLinks(path);
    struct stat st { };
    if (target.empty() || ::stat(target.c_str(), &st) != 0)
        return false;
    // The administrator may write any file; a file nobody may write is
    // read-only all the same.
    return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

namespace {

bool WriteFileSteps(const std::string& linkOrPath, const void* data, std::size_t size)
{
    if (linkOrPath.empty()) {
        errno = ENOENT;
        return false;
    }
    const std::string path = FollowLinks(linkOrPath);
    if (path.empty())
        return false;  // ELOOP
    if (IsReadOnlyFile(path)) {
        errno = EACCES;
        return false;
    }
    RemoveStaleTemps(path);
    std::string pattern = TempPattern(path);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkstemp(name.data()));
    if (fd.Get() < 0)
        return false;
    const std::string tempName(name.data());
    // Marks the file as in use for RemoveStaleTemps until it is closed.
    ::flock(fd.Get(), LOCK_EX | LOCK_NB);

    struct stat old { };
    const mode_t mode =
        ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : static_cast<mode_t>(0666 & ~CurrentUmask());
    int error = 0;
    // Each step records its reason; the first failure is the one reported.
    const auto step = [&error](bool done) {
        if (!done && error == 0)
            error = errno != 0 ? errno : EIO;
        return done;
    };
    errno = 0;
    bool ok = step(::fchmod(fd.Get(), mode) == 0);
    ok = ok && step(WriteAll(fd.Get(), static_cast<const char*>(data), size));
    ok = ok && step(::fsync(fd.Get()) == 0);
    ok = step(fd.Close()) && ok;
    ok = ok && step(::rename(tempName.c_str(), path.c_str()) == 0);
    if (!ok) {
        ::unlink(tempName.c_str());
        errno = error;
    }
    return ok;
}

}  // namespace

Outcome WriteFileAtomically(const std::string& linkOrPath, const void* data, std::size_t size)
{
    if (WriteFileSteps(linkOrPath, data, size))
        return Outcome::Success();
    const int error = errno;
    Outcome failed = Outcome::Failure(WriteFailureText(linkOrPath));
    errno = error;  // for callers that look at the reason's code
    return failed;
}

std::string WriteFailureText(const std::string& name)
{
    const int error = errno;
    if (IsReadOnlyFile(name))
        return "cannot write [" + name + "]: the file is read-only";
    return "cannot write [" + name + "]: " + LowerFirst(std::generic_category().message(error != 0 ? error : EIO));
}

Outcome ReplaceFiles(const std::vector<FileMove>& moves, const std::string& backupFolder,
                     const std::function<bool(std::size_t)>& beforeMove)
{
    struct Target {
        std::string path;    // links followed
        std::string backup;  // the old file, kept; empty when there was none
        struct stat old { };
    };
    std::vector<Target> targets(moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i) {
        targets[i].path = FollowLinks(moves[i].to);
        if (targets[i].path.empty())
            return Outcome::Failure(WriteFailureText(moves[i].to));  // ELOOP
        if (IsReadOnlyFile(targets[i].path)) {
            errno = EACCES;
            return Outcome::Failure(WriteFailureText(moves[i].to));
        }
    }
    // Keep every old file before the first one is replaced.
    for (std::size_t i = 0; i < moves.size(); ++i) {
        Target& t = targets[i];
        if (::stat(t.path.c_str(), &t.old) != 0)
            continue;
        t.backup = backupFolder + "/" + Format("old-%d", static_cast<long long>(i));
        if (::link(t.path.c_str(), t.backup.c_str()) != 0) {
            std::error_code ec;
            if (!std::filesystem::copy_file(t.path, t.backup, ec)) {
                errno = ec.value();
                return Outcome::Failure(WriteFailureText(moves[i].to));
            }
        }
        ::chmod(moves[i].from.c_str(), t.old.st_mode & 07777);
    }
    for (std::size_t k = 0; k < moves.size(); ++k) {
        errno = 0;
        bool moved = !beforeMove || beforeMove(k);
        if (!moved && errno == 0)
            errno = EIO;
        moved = moved && ::rename(moves[k].from.c_str(), targets[k].path.c_str()) == 0;
        if (moved)
            continue;
        const int error = errno;
        // Back to the old set, newest first.
        for (std::size_t j = k; j-- > 0;) {
            if (!targets[j].backup.empty())
                ::rename(targets[j].backup.c_str(), targets[j].path.c_str());
            else
                ::unlink(targets[j].path.c_str());
        }
        errno = error;
        return Outcome::Failure(WriteFailureText(moves[k].to));
    }
    std::set<std::string> folders;
    for (const Target& t : targets)
        folders.insert(FolderOf(t.path));
    for (const std::string& folder : folders)
        SyncFolder(folder);
    return Outcome::Success();
}

bool ReadFilePrefix(const std::string& path, void* buffer, std::size_t maxBytes, std::size_t& bytesRead)
{
    bytesRead = 0;
    struct stat st { };
    Descriptor fd(OpenRegularFile(path, st));
    if (fd.Get() < 0)
        return false;
    auto* out = static_cast<char*>(buffer);
    while (bytesRead < maxBytes) {
        const ssize_t n = ::read(fd.Get(), out + bytesRead, maxBytes - bytesRead);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        bytesRead += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    return ReadInputFile(path, static_cast<std::size_t>(-1), contents) == InputState::Read;
}

InputState ReadInputPieces(const std::string& path, std::size_t maxBytes,
                           const std::function<void(std::string_view)>& piece)
{
    struct stat st { };
    Descriptor fd(OpenRegularFile(path, st));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return InputState::Missing;
        return errno == EINVAL ? InputState::NotRegular : InputState::Unreadable;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return InputState::TooLarge;
    std::vector<char> chunk(65536);
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::read(fd.Get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return InputState::Unreadable;
        }
        if (n == 0)
            return InputState::Read;
        total += static_cast<std::size_t>(n);
        if (total > maxBytes)
            return InputState::TooLarge;
        piece(std::string_view(chunk.data(), static_cast<std::size_t>(n)));
    }
}

InputState ReadInputFile(const std::string& path, std::size_t maxBytes, std::string& contents)
{
    contents.clear();
    const InputState state =
        ReadInputPieces(path, maxBytes, [&contents](std::string_view bytes) { contents.append(bytes); });
    if (state != InputState::Read)
        contents.clear();
    return state;
}

std::string InputProblemText(const std::string& name, InputState state, std::size_t maxBytes, const std::string& what)
{
    switch (state) {
    case InputState::Read: return {};
    case InputState::Missing: return "no such " + what + " [" + name + "]";
    case InputState::NotRegular: return "[" + name + "] is not a regular file";
    case InputState::TooLarge:
        return Format("[%s] is larger than %d MB, the largest %s that is read", name,
                      static_cast<long long>(maxBytes / 1'000'000), what);
    case InputState::Unreadable: break;
    }
    return "cannot read [" + name + "]: " + LowerFirst(std::generic_category().message(errno != 0 ? errno : EIO));
}

FileLock FileLock::TryLock(const std::string& path)
{
    const std::string target = FollowLinks(path);
    // A save renames a new file over the old one: a lock taken on the old
    // file just before would guard nothing, so it is taken again.
    for (int attempt = 0; attempt < 8 && !target.empty(); ++attempt) {
        struct stat st { };
        const int fd = OpenRegularFile(target, st);
        if (fd < 0)
            break;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return FileLock(-1, busy ? State::Busy : State::Failed);
        }
        struct stat locked { };
        struct stat named { };
        if (::fstat(fd, &locked) == 0 && ::stat(target.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
            locked.st_ino == named.st_ino)
            return FileLock(fd, State::Locked);
        ::close(fd);
    }
    return FileLock(-1, State::Failed);
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock
}

Outcome ReadInputText(const std::string& path, std::size_t maxBytes, const std::string& what, std::string& contents)
{
    const InputState state = ReadInputFile(path, maxBytes, contents);
    return state == InputState::Read ? Outcome::Success()
                                     : Outcome::Failure(InputProblemText(path, state, maxBytes, what));
}

bool FileExists(const std::string& path)
{
    struct stat st { };
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace orvane
