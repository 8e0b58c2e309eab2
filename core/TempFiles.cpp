#include "core/TempFiles.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMarker = ".orvane-tmp-";
constexpr std::size_t kRandomChars = 6;  // the XXXXXX of mkstemp

bool IsRandomPart(std::string_view text)
{
    if (text.size() != kRandomChars)
        return false;
    for (char c : text) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

// entry == prefix + marker + six random characters.
bool Matches(std::string_view entry, std::string_view prefix, std::string_view marker)
{
    if (entry.size() != prefix.size() + marker.size() + kRandomChars || entry.substr(0, prefix.size()) != prefix)
        return false;
    entry.remove_prefix(prefix.size());
    return entry.substr(0, marker.size()) == marker && IsRandomPart(entry.substr(marker.size()));
}

std::pair<std::string, std::string> FolderAndName(const std::string& target)
{
    const auto slash = target.rfind('/');
    if (slash == std::string::npos)
        return {".", target};
    return {slash == 0 ? "/" : target.substr(0, slash), target.substr(slash + 1)};
}

}  // namespace

std::string TempPattern(const std::string& target)
{
    const auto [folder, name] = FolderAndName(target);
    const std::string base = "." + name + std::string(kMarker) + "XXXXXX";
    return target.rfind('/') == std::string::npos ? base : (folder == "/" ? "/" : folder + "/") + base;
}

bool IsTempOf(const std::string& entry, const std::string& targetName)
{
    if (targetName.empty())
        return false;
    return Matches(entry, "." + targetName, kMarker);
}

int RemoveStaleTemps(const std::string& target)
{
    const auto [folder, name] = FolderAndName(target);
    std::error_code ec;
    std::vector<std::string> candidates;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (IsTempOf(entry, name))
            candidates.push_back(it->path().string());
    }
    int removed = 0;
    const std::time_t now = std::time(nullptr);
    for (const std::string& path : candidates) {
        struct stat st { };
        if (::lstat(path.c_str(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)))
            continue;  // links and anything else are not ours
        if (now - st.st_mtime < kStaleTempSeconds)
            continue;  // perhaps still being written by a program that takes no lock
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // The lock is held while removing, so no writer can take the entry over meanwhile.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (S_ISDIR(st.st_mode))
                removed += fs::remove_all(path, ec) > 0 && !ec ? 1 : 0;
            else
                removed += ::unlink(path.c_str()) == 0 ? 1 : 0;
        }
        ::close(fd);
    }
    return removed;
}

TempFolder::TempFolder(const std::string& target)
{
    std::string pattern = TempPattern(target);
    if (::mkdtemp(pattern.data()) == nullptr)
        return;
    path_ = pattern;
    lockFd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lockFd_ >= 0)
        ::flock(lockFd_, LOCK_EX | LOCK_NB);
}

TempFolder::~TempFolder()
{
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

}  // namespace orvane
