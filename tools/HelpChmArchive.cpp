#include "tools/HelpChmArchive.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include <chm_lib.h>

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

// chmlib divides by the block length of the compressed section's reset
// table without checking it, so a damaged file would stop the program with
// a division by zero at the first read. The table lies in the uncompressed
// part of the file: check it before anything is decompressed. Layout:
// version, block count, unknown, table offset (4 bytes each), uncompressed
// length, compressed length, block length (8 bytes each), little-endian.
bool CompressionTablesUsable(chmFile* handle)
{
    static const char* kResetTable =
        "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
    chmUnitInfo unit{};
    if (chm_resolve_object(handle, kResetTable, &unit) != CHM_RESOLVE_SUCCESS)
        return true;  // nothing compressed: nothing to divide
    unsigned char table[40] = {};
    if (unit.length < sizeof table || chm_retrieve_object(handle, &unit, table, 0, sizeof table) != sizeof table)
        return false;
    std::uint64_t blockLength = 0;
    for (int i = 7; i >= 0; --i)
        blockLength = blockLength << 8 | table[32 + i];
    if (blockLength == 0)
        return false;
    // The control data: size, "LZXC", version, reset interval, window size,
    // windows per reset (4 bytes each); version 2 counts in units of 0x8000.
    // chmlib takes the blocks per reset as interval / (window / 2) x windows
    // and divides by it as well.
    static const char* kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
    if (chm_resolve_object(handle, kControlData, &unit) != CHM_RESOLVE_SUCCESS)
        return false;
    unsigned char control[24] = {};
    if (unit.length < sizeof control ||
        chm_retrieve_object(handle, &unit, control, 0, sizeof control) != sizeof control)
        return false;
    auto word = [&](int at) {
        return static_cast<std::uint64_t>(control[at]) | static_cast<std::uint64_t>(control[at + 1]) << 8 |
               static_cast<std::uint64_t>(control[at + 2]) << 16 | static_cast<std::uint64_t>(control[at + 3]) << 24;
    };
    const std::uint64_t unitSize = word(8) == 2 ? 0x8000 : 1;
    const std::uint64_t interval = word(12) * unitSize;
    const std::uint64_t window = word(16) * unitSize;
    if (window / 2 == 0)
        return false;
    return interval / (window / 2) * word(20) != 0;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return nullptr;
    chmFile* handle = chm_open(path.c_str());
    if (!handle)
        return nullptr;
    if (!CompressionTablesUsable(handle)) {
        chm_close(handle);
        return nullptr;
    }
    return std::unique_ptr<ChmArchive>(new ChmArchive(handle, path));
}

ChmArchive::~ChmArchive() { chm_close(handle_); }

std::optional<std::string> ChmArchive::Read(const std::string& objectPath) const
{
    if (objectPath.empty() || objectPath.size() > CHM_MAX_PATHLEN || objectPath.find('\0') != std::string::npos)
        return std::nullopt;
    chmUnitInfo unit{};
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
    chmUnitInfo unit{};
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
