// The temporaries a killed write leaves behind: recognised by their name,
// removed when stale and unlocked. (Readers meeting a FIFO, a device or a
// huge file are tested black-box: tests/cli/hostile_readers.cmake.)

#include <filesystem>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>
#include <utime.h>

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
    const utimbuf times {then, then};
    ASSERT_EQ(::utime(path.c_str(), &times), 0) << path;
}

TEST(TempFiles, TheProgramKnowsItsOwnTemporaries)
{
    EXPECT_EQ(TempPattern("/a/b/p.WDT"), "/a/b/.p.WDT.orvane-tmp-XXXXXX");
    EXPECT_EQ(TempPattern("p.WDT"), ".p.WDT.orvane-tmp-XXXXXX");
    EXPECT_TRUE(IsTempOf(".p.WDT.orvane-tmp-a1B2c3", "p.WDT"));
    // Not ours: another file's, a name one character off, earlier versions'
    // names (a user's own file may look the same).
    for (const char* entry :
         {".q.WDT.orvane-tmp-a1B2c3", ".p.WDT.orvane-tmp-a1B2c", ".p.WDT.orvane-tmp-a1B2-3", "p.WDT.tmp-backup"})
        EXPECT_FALSE(IsTempOf(entry, "p.WDT")) << entry;
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

    ProjectRecord rec {};
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

}  // namespace
}  // namespace orvane
