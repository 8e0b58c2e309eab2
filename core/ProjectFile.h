#pragma once
// The project file (.WDT): exactly one ProjectRecord, byte for byte.

#include <cstddef>
#include <string>

#include "core/ProjectRecord.h"

namespace orvane {

// Defaults first, then up to 72,300 bytes of the file over the record. A
// missing file is created with the defaults; a short file is completed with
// the defaults and rewritten at full length. On failure the message
// "cannot read or write file [name]" goes to the message sink (once).
bool LoadProject(ProjectRecord& rec, const std::string& fileName);

// What a read-only load found on disk.
enum class ProjectFileState {
    Complete,    // 72,300 bytes or more: the first 72,300 were read
    Short,       // fewer: the rest of the record keeps the defaults
    Missing,     // no such file: the record holds the defaults
    Unreadable,  // not a file, no access, or a read failed: the defaults
};

struct ProjectFileRead {
    ProjectFileState state = ProjectFileState::Missing;
    std::size_t bytesRead = 0;  // bytes taken from the file, 0..72,300
    // Unreadable because it is no regular file (a FIFO, a device, a folder):
    // "[name] is not a regular file"; empty otherwise.
    std::string problem;
};

// Defaults first, then the first min(size, 72,300) bytes over the record:
// what every load does with a file's bytes. Returns how many were taken.
std::size_t ReadProjectBytes(ProjectRecord& rec, const void* data, std::size_t size);

// Reads as LoadProject does (defaults first, then up to 72,300 bytes of the
// file over the record) but never writes: a missing file is not created and a
// short one is not completed. Shows no message; the caller says what it needs.
ProjectFileRead LoadProjectReadOnly(ProjectRecord& rec, const std::string& fileName);

// Writes the 72,300 bytes to a temporary file beside fileName and renames it
// over the old file, so a failed save leaves the previous project intact
// (WriteFileAtomically: a link is followed, a read-only file is refused).
// Returns "" when the project was written, otherwise why not, ready to show:
// "cannot write [name]: the file is read-only", or the system's reason from
// errno ("cannot write [name]: permission denied").
// Shows nothing itself.
std::string WriteProject(const ProjectRecord& rec, const std::string& fileName);

// WriteProject, showing its message on failure. An empty name writes
// nothing, shows nothing and returns false.
bool SaveProject(const ProjectRecord& rec, const std::string& fileName);

std::string FileErrorMessage(const std::string& fileName);

}  // namespace orvane
