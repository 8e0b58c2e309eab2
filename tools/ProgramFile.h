#pragma once
// The running program file and its folder: the settings files, the manual
// and the help files are found beside it. And where the program writes: the
// program folder itself when the user may write there, the user's own
// folders when the program is installed.

#include <string>

namespace orvane {

// Full path of the running executable; "" when the system cannot tell.
std::string ProgramFileName();

// Folder of the program file, ending with "/"; "" when unknown.
std::string ProgramFolder();

// The folder part of path, ending with "/"; "" when path has no folder.
std::string FolderOf(const std::string& path);

// path with the extension of its file name replaced by ext (".INI"); a file
// name without extension gets ext appended. A leading dot of a file name
// (".hidden") is not taken for an extension.
std::string ChangeFileExt(const std::string& path, const std::string& ext);

// Where the program writes its settings and the projects it makes (the
// scratch project, the default "Last file"). Both end with "/".
struct UserFolders {
    std::string settings;
    std::string projects;
    bool besideProgram = true;  // both are the program folder's own
};

// What the user's session says about its folders.
struct UserEnvironment {
    std::string home;        // $HOME, or the account's home folder
    std::string configHome;  // $XDG_CONFIG_HOME as set ("" when unset)
    std::string userDirs;    // the text of <config home>/user-dirs.dirs ("" when missing)
};

// The file an installation (cmake --install, the Debian package) puts into
// the program folder and a build never does: it marks an installed copy.
inline constexpr const char* kInstalledMarker = "INSTALLED";

// Whether programFolder (ending with "/") holds kInstalledMarker.
bool IsInstalledProgramFolder(const std::string& programFolder);

// An installed program's folder belongs to the package, whoever runs it (root
// may write there, and a package removal would leave behind what the program
// wrote): its settings go to <config home>/orvane/ and its projects to
// <documents>/Orvane Projects/, following the freedesktop base and user
// folder conventions. So do those of any program folder the user may not
// write to. A program folder that is not installed and that the user may
// write to (a build tree, a folder copied to a stick) keeps its own layout:
// settings in it, projects in its "Projects/". Without a home folder there is
// nowhere else to go: the program folder it is.
UserFolders ChooseUserFolders(const std::string& programFolder, bool installed, bool programFolderWritable,
                              const UserEnvironment& env);

// The documents folder named by XDG_DOCUMENTS_DIR in the text of a
// user-dirs.dirs file ("$HOME/..." or an absolute path, in double quotes),
// without a trailing "/"; home + "/Documents" when the text names none.
std::string DocumentsFolder(const std::string& userDirsText, const std::string& home);

// The running program's folders, decided at the first call from the
// installation marker, the program folder's write access and the session's
// environment.
const UserFolders& ProgramUserFolders();

// A first start of an installed program: makes the settings folder and puts
// the program's default settings file (programFolder + "Orvane.INI") there
// when the user has none; makes the projects folder and, when it is new,
// copies the program's sample projects (programFolder + "Projects/") into it.
// Never replaces a file; problems are skipped silently, like every settings
// write. Nothing to do for folders beside the program.
void PrepareUserFolders(const UserFolders& folders, const std::string& programFolder);

}  // namespace orvane
