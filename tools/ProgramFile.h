#pragma once
// The running program file and its folder: the settings files, the manual
// and the help files are found beside it.

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

}  // namespace orvane
