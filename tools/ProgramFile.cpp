#include "tools/ProgramFile.h"

#include <vector>

#include <unistd.h>

namespace orvane {

std::string ProgramFileName()
{
    // readlink does not say whether the name was cut, so grow until it fits.
    std::vector<char> buffer(512);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        if (buffer.size() >= 65536)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramFolder()
{
    return FolderOf(ProgramFileName());
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    const auto nameStart = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        return path + ext;
    return path.substr(0, dot) + ext;
}

}  // namespace orvane
