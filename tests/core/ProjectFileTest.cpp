#include "core/ProjectFile.h"

#include <csignal>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "core/FileIO.h"
#include "tests/TestSupport.h"

namespace orvane {
namespace {

using test::MessageRecorder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Image(const ProjectRecord& rec) { return std::string(reinterpret_cast<const char*>(&rec), sizeof rec); }

ProjectRecord Defaults()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    return rec;
}

TEST(LoadProject, MissingFileBecomesANewDefaultProject)
{
    TempDir dir;
    const std::string name = dir.File("New.WDT");
    MessageRecorder messages;
    ProjectRecord rec {};
    rec.BoundaryCount = 4;
    ASSERT_TRUE(LoadProject(rec, name));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(rec.BoundaryCount, 1);
    EXPECT_EQ(std::filesystem::file_size(name), 72300u);
    EXPECT_EQ(ReadBytes(name), Image(rec));
}

TEST(LoadProject, ShortFileTakesItsBytesAndIsCompleted)
{
    TempDir dir;
    const std::string name = dir.File("Short.WDT");
    // 100 bytes: title, padding and the integers up to offset 99.
    ProjectRecord source = Defaults();
    SetTitleBytes(source, "Cut off");
    source.BoundaryCount = 3;
    source.CoordUnits = 2;
    source.SpectrumType = 0;  // offset 100: beyond the 100 bytes
    WriteBytes(name, Image(source).substr(0, 100));

    ProjectRecord rec {};
    MessageRecorder messages;
    ASSERT_TRUE(LoadProject(rec, name));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(TitleBytes(rec), "Cut off");
    EXPECT_EQ(rec.BoundaryCount, 3);
    EXPECT_EQ(rec.CoordUnits, 2);
    EXPECT_EQ(rec.SpectrumType, 2) << "default beyond the file's bytes";
    EXPECT_EQ(rec.WindVelocity, 60.0f);
    EXPECT_EQ(std::filesystem::file_size(name), 72300u);
    EXPECT_EQ(ReadBytes(name), Image(rec));
}

TEST(LoadProject, LongFileUsesItsFirst72300BytesAndIsLeftAlone)
{
    TempDir dir;
    const std::string name = dir.File("Long.WDT");
    ProjectRecord source = Defaults();
    source.NodeCount[1] = 7;
    source.NodeY[5][1000] = 9.5f;
    const std::string bytes = Image(source) + std::string(80000 - 72300, 'Z');
    WriteBytes(name, bytes);

    ProjectRecord rec {};
    ASSERT_TRUE(LoadProject(rec, name));
    EXPECT_EQ(Image(rec), Image(source));
    EXPECT_EQ(ReadBytes(name), bytes);
}

TEST(LoadProject, OutOfRangeValuesAreKeptAsStored)
{
    TempDir dir;
    const std::string name = dir.File("Odd.WDT");
    ProjectRecord source = Defaults();
    source.BoundaryCount = 9;
    source.NodeCount[1] = 5000;
    ASSERT_TRUE(SaveProject(source, name));
    ProjectRecord rec {};
    ASSERT_TRUE(LoadProject(rec, name));
    EXPECT_EQ(rec.BoundaryCount, 9);
    EXPECT_EQ(rec.NodeCount[1], 5000);
    EXPECT_EQ(UsedBoundaryCount(rec), 5);
    EXPECT_EQ(UsedNodeCount(rec, 1), 1000);
}

TEST(LoadProject, UnreadableFileFailsWithTheMessageAndKeepsDefaults)
{
    TempDir dir;
    // A folder under the project's name cannot be read as a file, even by root.
    const std::string name = dir.File("Locked.WDT");
    std::filesystem::create_directory(name);
    ProjectRecord rec {};
    rec.CoordUnits = 0;
    MessageRecorder messages;
    EXPECT_FALSE(LoadProject(rec, name));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.messages[0].text, "[" + name + "] is not a regular file");
    EXPECT_EQ(Image(rec), Image(Defaults()));
    EXPECT_TRUE(std::filesystem::is_directory(name)) << "the file is not touched";
}

// The read-only load never touches the disk, whatever it finds there.
TEST(LoadProjectReadOnly, ReadsWithoutCreatingOrCompleting)
{
    TempDir dir;
    ProjectRecord source = Defaults();
    SetTitleBytes(source, "Cut off");
    source.CoordUnits = 2;
    WriteBytes(dir.File("Short.WDT"), Image(source).substr(0, 100));
    WriteBytes(dir.File("Long.WDT"), Image(source) + "tail");
    std::filesystem::create_directory(dir.File("Folder.WDT"));
    const struct {
        const char* file;
        ProjectFileState state;
        std::size_t bytes;
        ProjectRecord expected;
    } cases[] = {
        {"Short.WDT", ProjectFileState::Short, 100, source},
        {"Long.WDT", ProjectFileState::Complete, 72300, source},
        {"Missing.WDT", ProjectFileState::Missing, 0, Defaults()},
        {"Folder.WDT", ProjectFileState::Unreadable, 0, Defaults()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string name = dir.File(c.file);
        const std::string before = std::filesystem::is_regular_file(name) ? ReadBytes(name) : "";
        MessageRecorder messages;
        ProjectRecord rec {};
        const ProjectFileRead read = LoadProjectReadOnly(rec, name);
        EXPECT_EQ(read.state, c.state);
        EXPECT_EQ(read.bytesRead, c.bytes);
        EXPECT_EQ(Image(rec), Image(c.expected));
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(std::filesystem::is_regular_file(name) ? ReadBytes(name) : "", before);
    }
}

TEST(SaveProject, RoundTripIsByteExact)
{
    TempDir dir;
    const std::string name = dir.File("Trip.WDT");
    ProjectRecord source = Defaults();
    SetTitleBytes(source, "Baie \xE9tang 20\xB0");
    source.Padding[1] = 0x77;
    source.NodeCount[2] = 3;
    source.NodeX[2][3] = 1.25f;
    ASSERT_TRUE(SaveProject(source, name));
    ProjectRecord rec {};
    ASSERT_TRUE(LoadProject(rec, name));
    EXPECT_EQ(Image(rec), Image(source));
}

TEST(SaveProject, EmptyNameWritesNothingAndShowsNothing)
{
    MessageRecorder messages;
    EXPECT_FALSE(SaveProject(Defaults(), ""));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SaveProject, FailuresSayWhy)
{
    TempDir dir;
    const std::string missing = dir.File("no/such/folder/P.WDT");
    MessageRecorder messages;
    EXPECT_FALSE(SaveProject(Defaults(), missing));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "cannot write [" + missing + "]: no such file or directory");
    // A folder in the file's place: the rename fails, even for root.
    const std::string folder = dir.File("Folder.WDT");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(WriteProject(Defaults(), folder).message, "cannot write [" + folder + "]: is a directory");
    EXPECT_TRUE(WriteProject(Defaults(), dir.File("Fine.WDT")));
    EXPECT_EQ(messages.messages.size(), 1u) << "WriteProject shows nothing";
}

// A write that fails half-way (here: the file size limit, which holds even
// for root) must leave the previous project as it was, and no stray files.
TEST(SaveProject, FailedWriteKeepsThePreviousFile)
{
    TempDir dir;
    const std::string name = dir.File("Keep.WDT");
    ProjectRecord old = Defaults();
    SetTitleBytes(old, "old");
    ASSERT_TRUE(SaveProject(old, name));
    const std::string before = ReadBytes(name);

    ProjectRecord changed = Defaults();
    SetTitleBytes(changed, "new");
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    MessageRecorder messages;
    const bool saved_ok = SaveProject(changed, name);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "cannot write [" + name + "]: file too large");
    EXPECT_EQ(ReadBytes(name), before);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1) << "the temporary file is removed";
}

TEST(SaveProject, KeepsThePermissionsOfTheFileItReplaces)
{
    TempDir dir;
    const std::string name = dir.File("Mode.WDT");
    ASSERT_TRUE(SaveProject(Defaults(), name));
    std::filesystem::permissions(name, std::filesystem::perms(0640));
    ASSERT_TRUE(SaveProject(Defaults(), name));
    EXPECT_EQ(std::filesystem::status(name).permissions(), std::filesystem::perms(0640));
}

TEST(SaveProject, ReadOnlyFileIsRefusedAndLeftAsItIs)
{
    TempDir dir;
    const std::string name = dir.File("Locked.WDT");
    WriteBytes(name, "old project");
    std::filesystem::permissions(name, std::filesystem::perms(0444));
    MessageRecorder messages;
    EXPECT_FALSE(SaveProject(Defaults(), name));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "cannot write [" + name + "]: the file is read-only");
    EXPECT_EQ(ReadBytes(name), "old project");
    EXPECT_EQ(std::filesystem::status(name).permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary file left
}

// A link in one folder to a project in another, as links to shared projects are made.
TEST(SaveProject, LinkIsFollowedAndItsTargetReplacedInItsOwnFolder)
{
    TempDir links;
    TempDir projects;
    const std::string target = projects.File("Shared.WDT");
    const std::string link = links.File("Link.WDT");
    WriteBytes(target, "old project");
    std::filesystem::create_symlink(target, link);
    const std::string relative = links.File("Relative.WDT");
    std::filesystem::create_symlink("Link.WDT", relative);  // a link to the link, relative to its folder

    ProjectRecord rec = Defaults();
    SetTitleBytes(rec, "through the links");
    ASSERT_TRUE(SaveProject(rec, relative));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(relative));
    EXPECT_EQ(ReadBytes(target), Image(rec));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(links.Path()), {}), 2);  // the two links only

    // Links that lead in a circle are not written through.
    std::filesystem::create_symlink("LoopB.WDT", links.File("LoopA.WDT"));
    std::filesystem::create_symlink("LoopA.WDT", links.File("LoopB.WDT"));
    EXPECT_FALSE(WriteProject(rec, links.File("LoopA.WDT")));
}

TEST(FileLock, SecondLockOnOneFileIsBusyUntilTheFirstEnds)
{
    TempDir dir;
    const std::string name = dir.File("P.WDT");
    WriteBytes(name, "project");
    const std::string link = dir.File("Link.WDT");
    std::filesystem::create_symlink(name, link);
    {
        const FileLock first = FileLock::TryLock(name);
        ASSERT_EQ(first.GetState(), FileLock::State::Locked);
        EXPECT_EQ(FileLock::TryLock(link).GetState(), FileLock::State::Busy);
    }
    EXPECT_EQ(FileLock::TryLock(link).GetState(), FileLock::State::Locked);
    EXPECT_EQ(FileLock::TryLock(dir.File("Missing.WDT")).GetState(), FileLock::State::Failed);
}

}  // namespace
}  // namespace orvane
