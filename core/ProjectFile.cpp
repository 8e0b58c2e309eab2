#include "core/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <memory>
#include <cerrno>
#include <system_error>

#include "core/FileIO.h"
#include "core/Messages.h"

namespace orvane {

std::string FileErrorMessage(const std::string& fileName)
{
    return "cannot read or write file [" + fileName + "]";
}

std::string WriteProject(const ProjectRecord& rec, const std::string& fileName)
{
    if (WriteFileAtomically(fileName, &rec, sizeof rec))
        return {};
    if (IsReadOnlyFile(fileName))
        return "cannot write [" + fileName + "]: the file is read-only";
    // The system's wording, in the sentence: "permission denied".
    std::string reason = std::generic_category().message(errno);
    if (!reason.empty())
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "cannot write [" + fileName + "]: " + reason;
}

bool SaveProject(const ProjectRecord& rec, const std::string& fileName)
{
    if (fileName.empty())
        return false;
    const std::string why = WriteProject(rec, fileName);
    if (!why.empty())
        ShowError(why);
    return why.empty();
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
        result.bytesRead = 0;
        return result;
    }
    ReadProjectBytes(rec, bytes->data(), result.bytesRead);
    result.state = result.bytesRead < sizeof rec ? ProjectFileState::Short : ProjectFileState::Complete;
    return result;
}

bool LoadProject(ProjectRecord& rec, const std::string& fileName)
{
    switch (LoadProjectReadOnly(rec, fileName).state) {
    case ProjectFileState::Complete:
        return true;
    case ProjectFileState::Unreadable:
        ShowError(FileErrorMessage(fileName));
        return false;
    case ProjectFileState::Missing:  // a new project with the defaults
    case ProjectFileState::Short:    // completes a cut-off file; shows its own message
        break;
    }
    return SaveProject(rec, fileName);
}

}  // namespace orvane
