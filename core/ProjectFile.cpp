#include "core/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

#include "core/FileIO.h"
#include "core/Messages.h"

namespace orvane {

std::string FileErrorMessage(const std::string& fileName) { return "cannot read or write file [" + fileName + "]"; }

Outcome WriteProject(const ProjectRecord& rec, const std::string& fileName)
{
    return WriteFileAtomically(fileName, &rec, sizeof rec);
}

bool SaveProject(const ProjectRecord& rec, const std::string& fileName)
{
    return !fileName.empty() && ShowFailure(WriteProject(rec, fileName));
}

std::size_t ReadProjectBytes(ProjectRecord& rec, const void* data, std::size_t size)
{
    SetProjectDefaults(rec);
    const std::size_t taken = std::min(size, sizeof rec);
    if (taken > 0)
        std::memcpy(&rec, data, taken);
    return taken;
}

ProjectFileRead LoadProjectReadOnly(ProjectRecord& rec, const std::string& fileName)
{
    SetProjectDefaults(rec);
    ProjectFileRead result;
    if (!FileExists(fileName))
        return result;
    // Read into a buffer first: a read that fails half-way must leave the
    // defaults, not a record half from the file.
    auto bytes = std::make_unique<std::array<unsigned char, sizeof(ProjectRecord)>>();
    if (!ReadFilePrefix(fileName, bytes->data(), bytes->size(), result.bytesRead)) {
        result.state = ProjectFileState::Unreadable;
        if (errno == EINVAL)  // a FIFO or a device, never opened for reading
            result.problem = InputProblemText(fileName, InputState::NotRegular, 0, "project file");
        result.bytesRead = 0;
        return result;
    }
    ReadProjectBytes(rec, bytes->data(), result.bytesRead);
    result.state = result.bytesRead < sizeof rec ? ProjectFileState::Short : ProjectFileState::Complete;
    return result;
}

bool LoadProject(ProjectRecord& rec, const std::string& fileName)
{
    const ProjectFileRead read = LoadProjectReadOnly(rec, fileName);
    switch (read.state) {
    case ProjectFileState::Complete: return true;
    case ProjectFileState::Unreadable:
        ShowError(read.problem.empty() ? FileErrorMessage(fileName) : read.problem);
        return false;
    case ProjectFileState::Missing:  // a new project with the defaults
    case ProjectFileState::Short:    // completes a cut-off file; shows its own message
        break;
    }
    return SaveProject(rec, fileName);
}

}  // namespace orvane
