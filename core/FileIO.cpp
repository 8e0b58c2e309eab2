#include "core/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
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
        struct stat st {};
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
    struct stat st {};
    if (target.empty() || ::stat(target.c_str(), &st) != 0)
        return false;
    // The administrator may write any file; a file nobody may write is
    // read-only all the same.
    return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

bool WriteFileAtomically(const std::string& linkOrPath, const void* data, std::size_t size)
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
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkstemp(name.data()));
    if (fd.Get() < 0)
        return false;
    const std::string tempName(name.data());

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : static_cast<mode_t>(0666 & ~CurrentUmask());
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

bool ReadFilePrefix(const std::string& path, void* buffer, std::size_t maxBytes, std::size_t& bytesRead)
{
    bytesRead = 0;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
    contents.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return false;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        contents.append(chunk, static_cast<std::size_t>(n));
    }
}

FileLock FileLock::TryLock(const std::string& path)
{
    const std::string target = FollowLinks(path);
    // A save renames a new file over the old one: a lock taken on the old
    // file just before would guard nothing, so it is taken again.
    for (int attempt = 0; attempt < 8 && !target.empty(); ++attempt) {
        const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            break;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return FileLock(-1, busy ? State::Busy : State::Failed);
        }
        struct stat locked {};
        struct stat named {};
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

bool FileExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace orvane
