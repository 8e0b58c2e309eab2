// Where the program writes: beside itself when it may, the user's folders
// when it is installed; and what a first start of an installed program puts
// there.

#include "tools/ProgramFile.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/TestSupport.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFile, UserFolders)
{
    struct Case {
        const char* name;
        bool writable;
        UserEnvironment env;
        const char* settings;
        const char* projects;
        bool installed = false;
    };
    const std::string dirs = "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n";
    const Case cases[] = {
        {"writable program folder", true, {"/home/ana", "", ""}, "/opt/orvane/", "/opt/orvane/Projects/"},
        {"read-only program folder",
         false,
         {"/home/ana", "", ""},
         "/home/ana/.config/orvane/",
         "/home/ana/Documents/Orvane Projects/"},
        {"installed",
         false,
         {"/home/ana", "", ""},
         "/home/ana/.config/orvane/",
         "/home/ana/Documents/Orvane Projects/",
         true},
        {"installed, run by root",
         true,
         {"/root", "", ""},
         "/root/.config/orvane/",
         "/root/Documents/Orvane Projects/",
         true},
        {"installed, no home", true, {"", "", ""}, "/opt/orvane/", "/opt/orvane/Projects/", true},
        {"own config home", false, {"/home/ana/", "/cfg/", ""}, "/cfg/orvane/", "/home/ana/Documents/Orvane Projects/"},
        {"relative config home is invalid",
         false,
         {"/home/ana", "cfg", ""},
         "/home/ana/.config/orvane/",
         "/home/ana/Documents/Orvane Projects/"},
        {"documents under home",
         false,
         {"/home/ana", "", dirs + "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"},
         "/home/ana/.config/orvane/",
         "/home/ana/Dokumente/Orvane Projects/"},
        {"documents elsewhere, last line wins",
         false,
         {"/home/ana", "", "XDG_DOCUMENTS_DIR=\"/data/a\"\n  XDG_DOCUMENTS_DIR=\"/data/docs/\"\n"},
         "/home/ana/.config/orvane/",
         "/data/docs/Orvane Projects/"},
        {"commented and relative entries ignored",
         false,
         {"/home/ana", "", "#XDG_DOCUMENTS_DIR=\"/x\"\nXDG_DOCUMENTS_DIR=\"docs\"\nXDG_DOCUMENTS_DIR=/y\n"},
         "/home/ana/.config/orvane/",
         "/home/ana/Documents/Orvane Projects/"},
        {"documents disabled (set to home)",
         false,
         {"/home/ana", "", "XDG_DOCUMENTS_DIR=\"$HOME\"\n"},
         "/home/ana/.config/orvane/",
         "/home/ana/Orvane Projects/"},
        {"no home: nowhere else to go", false, {"", "/cfg", ""}, "/opt/orvane/", "/opt/orvane/Projects/"},
    };
    for (const Case& c : cases) {
        const UserFolders folders = ChooseUserFolders("/opt/orvane/", c.installed, c.writable, c.env);
        EXPECT_EQ(folders.settings, c.settings) << c.name;
        EXPECT_EQ(folders.projects, c.projects) << c.name;
        EXPECT_EQ(folders.besideProgram, folders.settings == "/opt/orvane/") << c.name;
    }
}

TEST(ProgramFile, TheInstallationMarksItsFolder)
{
    test::TempDir dir;
    const std::string folder = dir.Path().string() + "/";
    EXPECT_FALSE(IsInstalledProgramFolder(folder));
    fs::create_directory(folder + kInstalledMarker);  // a folder of that name is no mark
    EXPECT_FALSE(IsInstalledProgramFolder(folder));
    fs::remove(folder + kInstalledMarker);
    test::WriteBytes(folder + kInstalledMarker, "");
    EXPECT_TRUE(IsInstalledProgramFolder(folder));
    EXPECT_TRUE(IsInstalledProgramFolder(dir.Path().string()));
}

std::string Text(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramFile, FirstStartOfAnInstalledProgram)
{
    test::TempDir dir;
    const fs::path program = dir.Path() / "opt";
    fs::create_directories(program / "Projects");
    test::WriteBytes((program / "Orvane.INI").string(), "[HELP]\r\nACTIVE=1\r\n");
    test::WriteBytes((program / "Projects/Bay.WDT").string(), "bay");
    test::WriteBytes((program / "Projects/lake.wdt").string(), "lake");
    test::WriteBytes((program / "Projects/notes.txt").string(), "not a project");
    const UserFolders user {(dir.Path() / "config/orvane/").string(), (dir.Path() / "docs/Orvane Projects/").string(),
                            false};

    PrepareUserFolders(user, program.string() + "/");
    EXPECT_EQ(Text(user.settings + "Orvane.INI"), "[HELP]\r\nACTIVE=1\r\n");
    EXPECT_EQ(Text(user.projects + "Bay.WDT"), "bay");
    EXPECT_EQ(Text(user.projects + "lake.wdt"), "lake");
    EXPECT_FALSE(fs::exists(user.projects + "notes.txt"));

    // Later starts replace nothing and bring no deleted sample back.
    test::WriteBytes(user.settings + "Orvane.INI", "[HELP]\r\nACTIVE=0\r\n");
    fs::remove(user.projects + "Bay.WDT");
    PrepareUserFolders(user, program.string() + "/");
    EXPECT_EQ(Text(user.settings + "Orvane.INI"), "[HELP]\r\nACTIVE=0\r\n");
    EXPECT_FALSE(fs::exists(user.projects + "Bay.WDT"));

    // A program that writes beside itself makes nothing.
    const UserFolders beside {(dir.Path() / "b/").string(), (dir.Path() / "b/Projects/").string(), true};
    PrepareUserFolders(beside, program.string() + "/");
    EXPECT_FALSE(fs::exists(dir.Path() / "b"));
}

}  // namespace
}  // namespace orvane
