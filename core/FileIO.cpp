#include "core/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
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

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    if (path.empty()) {
        errno = ENOENT;
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

bool FileExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace orvane
