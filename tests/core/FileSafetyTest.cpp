// Files that are not what a reader expects (a FIFO, a device, a folder, a
// huge file) and the temporaries a killed write leaves behind.

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#include <utime.h>

#include "core/CoordinatesFile.h"
#include "core/FileIO.h"
#include "core/ProjectFile.h"
#include "core/TempFiles.h"
#include "tests/TestSupport.h"

namespace orvane {
namespace {

using test::TempDir;

// Sets a file's times back, as if it was left long ago.
void Age(const std::string& path, int seconds)
{
    const time_t then = ::time(nullptr) - seconds;
    const utimbuf times{then, then};
    ASSERT_EQ(::utime(path.c_str(), &times), 0) << path;
}

TEST(TempFiles, TheProgramKnowsItsOwnTemporaries)
{
    EXPECT_EQ(TempPattern("/a/b/p.WDT"), "/a/b/.p.WDT.orvane-tmp-XXXXXX");
    EXPECT_EQ(TempPattern("p.WDT"), ".p.WDT.orvane-tmp-XXXXXX");
    const struct {
        const char* entry;
        bool ours;
    } cases[] = {
        {".p.WDT.orvane-tmp-a1B2c3", true},
        {"p.WDT.tmp-Xy12Zw", false},  // earlier versions' names: a user's file may look the same
        {".p.WDT.orvane-tmp-a1B2c", false},
        {".p.WDT.orvane-tmp-a1B2c3d", false},
        {".p.WDT.orvane-tmp-a1B2-3", false},
        {".q.WDT.orvane-tmp-a1B2c3", false},
        {"p.WDT", false},
        {"p.WDT.tmp-backup", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsTempOf(c.entry, "p.WDT"), c.ours) << c.entry;
}

TEST(TempFiles, StaleOnesAreRemovedBeforeTheFileIsWrittenAgain)
{
    TempDir dir;
    const std::string project = dir.File("p.WDT");
    const auto make = [&](const std::string& name, bool folder, int age) {
        const std::string path = dir.File(name);
        if (folder) {
            std::filesystem::create_directory(path);
            test::WriteBytes(path + "/p.shp", "part");
        } else {
            test::WriteBytes(path, "part");
        }
        Age(path, age);
        return path;
    };
    const std::string staleFile = make(".p.WDT.orvane-tmp-aaaaaa", false, 120);
    const std::string staleFolder = make(".p.WDT.orvane-tmp-bbbbbb", true, 120);
    const std::string fresh = make(".p.WDT.orvane-tmp-cccccc", false, 5);
    const std::string locked = make(".p.WDT.orvane-tmp-dddddd", false, 120);
    const std::string notOurs = make("p.WDT.tmp-backup", false, 120);
    const std::string otherFile = make(".q.WDT.orvane-tmp-eeeeee", false, 120);
    std::filesystem::create_symlink(notOurs, dir.File(".p.WDT.orvane-tmp-ffffff"));
    const int holder = ::open(locked.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    ProjectRecord rec{};
    SetProjectDefaults(rec);
    ASSERT_TRUE(SaveProject(rec, project));
    ::close(holder);

    EXPECT_FALSE(std::filesystem::exists(staleFile));
    EXPECT_FALSE(std::filesystem::exists(staleFolder));
    for (const std::string& kept : {fresh, locked, notOurs, otherFile})
        EXPECT_TRUE(std::filesystem::exists(kept)) << kept;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File(".p.WDT.orvane-tmp-ffffff"))) << "links are never followed";
    EXPECT_EQ(test::ReadBytes(notOurs), "part");
}

TEST(InputFiles, OnlyRegularFilesOfBoundedSizeAreRead)
{
    TempDir dir;
    const std::string fifo = dir.File("cases.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    test::WriteBytes(dir.File("small.csv"), "0123456789");
    std::filesystem::create_directory(dir.File("folder"));
    const struct {
        std::string path;
        InputState state;
        std::string message;
    } cases[] = {
        {fifo, InputState::NotRegular, "[" + fifo + "] is not a regular file"},
        {"/dev/zero", InputState::NotRegular, "[/dev/zero] is not a regular file"},
        {dir.File("folder"), InputState::NotRegular, "[" + dir.File("folder") + "] is not a regular file"},
        {dir.File("none.csv"), InputState::Missing, "no such cases file [" + dir.File("none.csv") + "]"},
        {dir.File("small.csv"), InputState::TooLarge,
         "[" + dir.File("small.csv") + "] is larger than 0 MB, the largest cases file that is read"},
    };
    for (const auto& c : cases) {
        std::string contents = "old";
        EXPECT_EQ(ReadInputFile(c.path, 9, contents), c.state) << c.path;
        EXPECT_EQ(InputProblemText(c.path, c.state, 9, "cases file"), c.message);
        EXPECT_EQ(contents, "");
    }
    std::string contents;
    EXPECT_EQ(ReadInputFile(dir.File("small.csv"), 10, contents), InputState::Read);
    EXPECT_EQ(contents, "0123456789");

    // The readers that name the problem themselves never wait on the FIFO either.
    ProjectRecord rec{};
    EXPECT_EQ(LoadProjectReadOnly(rec, fifo).problem, "[" + fifo + "] is not a regular file");
    EXPECT_EQ(ImportCoordinatesFile(rec, fifo).message, "[" + fifo + "] is not a regular file");
    EXPECT_EQ(FileLock::TryLock(fifo).GetState(), FileLock::State::Failed);
}

}  // namespace
}  // namespace orvane
