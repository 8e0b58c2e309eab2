#pragma once
// Read-only access to a compiled HTML help file (.CHM) through chmlib. The
// file stays open while the object lives; every read is bounded, so a damaged
// or hostile file costs at most kMaxObjectBytes per object.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace orvane {

// What the file's "#SYSTEM" object says about itself; any part may be empty.
struct ChmSystemInfo {
    std::string contentsFile;  // object path of the table of contents (.hhc), "/x.hhc"
    std::string indexFile;     // object path of the keyword index (.hhk)
    std::string defaultTopic;  // object path of the topic shown first
    std::string title;
};

class ChmArchive {
public:
    static constexpr std::size_t kMaxObjectBytes = 32u << 20;

    // nullptr when the file cannot be opened, is no compiled help file, or
    // fails ChmStructureProblem (HelpChmCheck.h): chmlib never sees a file
    // whose sizes, pages or compression settings it would mishandle.
    static std::unique_ptr<ChmArchive> Open(const std::string& path);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    const std::string& Path() const { return path_; }

    // objectPath starts with "/" ("/HsTs.htm"). nullopt when the object is
    // missing, is a folder, cannot be read whole, or exceeds kMaxObjectBytes.
    std::optional<std::string> Read(const std::string& objectPath) const;
    bool Contains(const std::string& objectPath) const;

    // Object paths of the ordinary files (no folders, no internal objects
    // whose names start with "#", "$" or "::").
    std::vector<std::string> Files() const;

    // From "#SYSTEM"; contents and index fall back to the first .hhc and .hhk
    // file found, the default topic to "/Contents.htm" when that exists.
    ChmSystemInfo System() const;

private:
    ChmArchive(chmFile* handle, std::string path) : handle_(handle), path_(std::move(path)) { }
    chmFile* handle_;
    std::string path_;
};

// The "#SYSTEM" records of a help file, parsed from the object's bytes: a
// 4-byte version, then records of a 2-byte code, a 2-byte length and that
// many bytes (little-endian). Codes 0, 1, 2 and 3 are the contents file, the
// index file, the default topic and the title. Names get a leading "/".
ChmSystemInfo ParseChmSystem(const std::string& bytes);

}  // namespace orvane
