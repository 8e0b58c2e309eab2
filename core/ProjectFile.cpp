#include "core/ProjectFile.h"

#include <cctype>
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

bool LoadProject(ProjectRecord& rec, const std::string& fileName)
{
    SetProjectDefaults(rec);
    if (!FileExists(fileName))
        return SaveProject(rec, fileName);  // a new project with the defaults

    // Read into a copy first: a read that fails half-way must leave the
    // defaults, not a record half from the file.
    ProjectRecord loaded = rec;
    std::size_t bytesRead = 0;
    if (!ReadFilePrefix(fileName, &loaded, sizeof loaded, bytesRead)) {
        ShowError(FileErrorMessage(fileName));
        return false;
    }
    rec = loaded;
    if (bytesRead < sizeof rec)
        return SaveProject(rec, fileName);  // completes a cut-off file; shows its own message
    return true;
}

}  // namespace orvane
