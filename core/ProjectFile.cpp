#include "core/ProjectFile.h"

#include "core/FileIO.h"
#include "core/Messages.h"

namespace orvane {

std::string FileErrorMessage(const std::string& fileName)
{
    return "cannot read or write file [" + fileName + "]";
}

bool SaveProject(const ProjectRecord& rec, const std::string& fileName)
{
    if (fileName.empty())
        return false;
    if (!WriteFileAtomically(fileName, &rec, sizeof rec)) {
        ShowError(FileErrorMessage(fileName));
        return false;
    }
    return true;
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
