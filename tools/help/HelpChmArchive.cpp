#include "tools/help/HelpChmArchive.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include <chm_lib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/help/HelpChmCheck.h"

namespace orvane {

namespace {

std::string AsObjectPath(std::string name)
{
    // Names inside the file are C strings; stop at the first NUL.
    name = name.substr(0, name.find('\0'));
    if (name.empty())
        return name;
    std::replace(name.begin(), name.end(), '\\', '/');
    return name.front() == '/' ? name : "/" + name;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix)
{
    if (text.size() < suffix.size())
        return false;
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

int CollectFile(chmFile*, chmUnitInfo* unit, void* context)
{
    auto* files = static_cast<std::vector<std::string>*>(context);
    // The path field is a fixed buffer; never trust it to be terminated.
    const std::string path(unit->path, strnlen(unit->path, CHM_MAX_PATHLEN));
    if (!path.empty() && path.back() != '/' && path.size() > 1 && path[1] != '#' && path[1] != '$')
        files->push_back(path);
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return nullptr;
    // O_NONBLOCK: a FIFO under a help file's name must not hold the program
    // up before fstat shows it is no regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat st { };
    chmFile* handle = nullptr;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const ChmByteReader read = [fd](std::uint64_t offset, std::size_t size, unsigned char* out) {
            while (size > 0) {
                const ssize_t n = ::pread(fd, out, size, static_cast<off_t>(offset));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return false;
                out += n;
                offset += static_cast<std::uint64_t>(n);
                size -= static_cast<std::size_t>(n);
            }
            return true;
        };
        // chmlib opens the file checked here, not whatever the name may
        // point to by now.
        if (ChmStructureProblem(static_cast<std::uint64_t>(st.st_size), read).empty())
            handle = chm_open(("/proc/self/fd/" + std::to_string(fd)).c_str());
    }
    ::close(fd);
    if (!handle)
        return nullptr;
    return std::unique_ptr<ChmArchive>(new ChmArchive(handle, path));
}

ChmArchive::~ChmArchive() { chm_close(handle_); }

std::optional<std::string> ChmArchive::Read(const std::string& objectPath) const
{
    if (objectPath.empty() || objectPath.size() > CHM_MAX_PATHLEN || objectPath.find('\0') != std::string::npos)
        return std::nullopt;
    chmUnitInfo unit {};
    if (chm_resolve_object(handle_, objectPath.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kMaxObjectBytes || (unit.flags & CHM_ENUMERATE_DIRS))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (bytes.empty())
        return bytes;
    const LONGINT64 got = chm_retrieve_object(handle_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                              static_cast<LONGINT64>(bytes.size()));
    if (got != static_cast<LONGINT64>(bytes.size()))
        return std::nullopt;
    return bytes;
}

bool ChmArchive::Contains(const std::string& objectPath) const
{
    if (objectPath.empty() || objectPath.size() > CHM_MAX_PATHLEN || objectPath.find('\0') != std::string::npos)
        return false;
    chmUnitInfo unit {};
    return chm_resolve_object(handle_, objectPath.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::vector<std::string> ChmArchive::Files() const
{
    std::vector<std::string> files;
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectFile, &files);
    return files;
}

ChmSystemInfo ParseChmSystem(const std::string& bytes)
{
    ChmSystemInfo info;
    auto word = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
    };
    std::size_t pos = 4;
    while (pos + 4 <= bytes.size()) {
        const unsigned code = word(pos);
        const std::size_t length = word(pos + 2);
        pos += 4;
        if (length > bytes.size() - pos)
            break;
        std::string value = bytes.substr(pos, length);
        value = value.substr(0, value.find('\0'));
        pos += length;
        switch (code) {
        case 0: info.contentsFile = AsObjectPath(value); break;
        case 1: info.indexFile = AsObjectPath(value); break;
        case 2: info.defaultTopic = AsObjectPath(value); break;
        case 3: info.title = value; break;
        default: break;
        }
    }
    return info;
}

ChmSystemInfo ChmArchive::System() const
{
    ChmSystemInfo info;
    if (const auto system = Read("/#SYSTEM"))
        info = ParseChmSystem(*system);
    if (info.contentsFile.empty() || info.indexFile.empty()) {
        for (const std::string& file : Files()) {
            if (info.contentsFile.empty() && EndsWithNoCase(file, ".hhc"))
                info.contentsFile = file;
            if (info.indexFile.empty() && EndsWithNoCase(file, ".hhk"))
                info.indexFile = file;
        }
    }
    if (info.defaultTopic.empty() && Contains("/Contents.htm"))
        info.defaultTopic = "/Contents.htm";
    return info;
}

}  // namespace orvane
