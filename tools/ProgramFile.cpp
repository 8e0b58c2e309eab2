#include "tools/ProgramFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace orvane {

namespace fs = std::filesystem;

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

std::string ProgramFolder() { return FolderOf(ProgramFileName()); }

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    const auto nameStart = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        return path + ext;
    return path.substr(0, dot) + ext;
}

namespace {

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string WithoutSlash(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ReadSmallTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text;
    // user-dirs.dirs is a few hundred bytes; a larger one is not that file.
    constexpr std::size_t kLimit = 64 * 1024;
    char c = 0;
    while (text.size() < kLimit && in.get(c))
        text += c;
    return text;
}

// The configuration folder: $XDG_CONFIG_HOME when it is an absolute path
// (a relative one is invalid and ignored), otherwise ~/.config.
std::string ConfigHome(const UserEnvironment& env)
{
    if (!env.configHome.empty() && env.configHome[0] == '/')
        return WithoutSlash(env.configHome);
    return WithoutSlash(env.home) + "/.config";
}

}  // namespace

std::string DocumentsFolder(const std::string& userDirsText, const std::string& home)
{
    const std::string homeFolder = WithoutSlash(home);
    std::istringstream lines(userDirsText);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.compare(start, key.size(), key) != 0)
            continue;
        const auto open = start + key.size();
        const auto close = line.rfind('"');
        if (open >= line.size() || line[open] != '"' || close <= open)
            continue;
        std::string value = line.substr(open + 1, close - open - 1);
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            value = homeFolder + value.substr(5);
        else if (value.empty() || value[0] != '/')
            continue;                 // only "$HOME/..." and absolute paths are valid
        found = WithoutSlash(value);  // the last valid line counts, as in the tools that read it
    }
    return found.empty() ? homeFolder + "/Documents" : found;
}

bool IsInstalledProgramFolder(const std::string& programFolder)
{
    std::error_code error;
    return !programFolder.empty() && fs::is_regular_file(WithSlash(programFolder) + kInstalledMarker, error);
}

UserFolders ChooseUserFolders(const std::string& programFolder, bool installed, bool programFolderWritable,
                              const UserEnvironment& env)
{
    if ((programFolderWritable && !installed) || env.home.empty() || env.home[0] != '/') {
        const std::string folder = WithSlash(programFolder);
        return {folder, folder + "Projects/", true};
    }
    return {ConfigHome(env) + "/orvane/", DocumentsFolder(env.userDirs, env.home) + "/Orvane Projects/", false};
}

const UserFolders& ProgramUserFolders()
{
    static const UserFolders folders = [] {
        const std::string program = ProgramFolder();
        UserEnvironment env;
        env.home = EnvironmentValue("HOME");
        if (env.home.empty()) {
            if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
                env.home = account->pw_dir;
        }
        env.configHome = EnvironmentValue("XDG_CONFIG_HOME");
        if (!env.home.empty())
            env.userDirs = ReadSmallTextFile(ConfigHome(env) + "/user-dirs.dirs");
        const bool writable = !program.empty() && ::access(program.c_str(), W_OK) == 0;
        return ChooseUserFolders(program, IsInstalledProgramFolder(program), writable, env);
    }();
    return folders;
}

void PrepareUserFolders(const UserFolders& folders, const std::string& programFolder)
{
    if (folders.besideProgram)
        return;
    std::error_code error;
    fs::create_directories(folders.settings, error);
    const fs::path defaults = fs::path(programFolder) / "Orvane.INI";
    const fs::path settings = fs::path(folders.settings) / "Orvane.INI";
    if (!fs::exists(settings, error) && fs::is_regular_file(defaults, error))
        fs::copy_file(defaults, settings, fs::copy_options::skip_existing, error);

    // Samples only into a new projects folder: one the user emptied stays empty.
    if (fs::exists(folders.projects, error) || !fs::create_directories(folders.projects, error))
        return;
    for (fs::directory_iterator it(fs::path(programFolder) / "Projects", error), end; !error && it != end;
         it.increment(error)) {
        const fs::path& sample = it->path();
        std::string ext = sample.extension().string();
        for (char& c : ext)
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        std::error_code copyError;
        if (ext == ".WDT" && it->is_regular_file(copyError))
            fs::copy_file(sample, fs::path(folders.projects) / sample.filename(), fs::copy_options::skip_existing,
                          copyError);
    }
}

}  // namespace orvane
