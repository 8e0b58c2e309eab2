#include "tools/help/HelpChmCheck.h"

#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/TestSupport.h"
#include "tools/help/HelpChmArchive.h"

namespace orvane {
namespace {

// A help file made by chmcmd: one compressed section, 4 KB directory pages.
const std::string kSmall = ORVANE_FUZZ_CORPUS "/help_file/small.chm";

// Where the small file keeps what chmlib trusts.
constexpr std::size_t kControlData = 0x10cc + 4428;  // content section + ControlData start
constexpr std::size_t kItspPageSize = 0x78 + 0x10;   // directory header + page size field

std::string Problem(const std::string& bytes)
{
    return ChmStructureProblem(bytes.size(), [&bytes](std::uint64_t offset, std::size_t size, unsigned char* out) {
        if (offset > bytes.size() || size > bytes.size() - offset)
            return false;
        std::memcpy(out, bytes.data() + offset, size);
        return true;
    });
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

struct DamageCase {
    const char* name;
    void (*damage)(std::string&);
    const char* problem;
};

const DamageCase kDamage[] = {
    // chmlib multiplies these in 32 bits: 2^16 blocks per interval times
    // 2^16 windows per reset is 0, and it divides by that.
    {"blocks per reset wraps to zero",
     [](std::string& b) {
         Put32(b, kControlData + 12, 0x10000);
         Put32(b, kControlData + 20, 0x10000);
     },
     "LZX blocks per reset is zero"},
    // LZX has no window of 2 bytes: chmlib's decompressor would not start.
    {"window of two bytes",
     [](std::string& b) {
         Put32(b, kControlData + 8, 1);
         Put32(b, kControlData + 16, 2);
     },
     "LZX window size invalid"},
    {"directory page of 16 bytes", [](std::string& b) { Put32(b, kItspPageSize, 16); },
     "directory page size out of range"},
    {"cut after the header", [](std::string& b) { b.resize(0x80); }, "directory outside the file"},
    {"not a help file", [](std::string& b) { b[0] = 'X'; }, "no ITSF header"},
};

TEST(ChmStructure, FileOfTheHelpCompilerPassesDamagedOnesAreRefused)
{
    const std::string small = test::ReadBytes(kSmall);
    ASSERT_GT(small.size(), kControlData + 24);
    EXPECT_EQ(Problem(small), "");
    for (const DamageCase& c : kDamage) {
        std::string bytes = small;
        c.damage(bytes);
        EXPECT_EQ(Problem(bytes), c.problem) << c.name;
    }
}

// The archive refuses what the check refuses, so chmlib never sees it.
TEST(ChmStructure, ArchiveOpensOnlyFilesThatPass)
{
    test::TempDir dir;
    const std::string good = dir.File("good.chm");
    const std::string bad = dir.File("bad.chm");
    std::string bytes = test::ReadBytes(kSmall);
    test::WriteBytes(good, bytes);
    kDamage[0].damage(bytes);
    test::WriteBytes(bad, bytes);
    const auto archive = ChmArchive::Open(good);
    ASSERT_NE(archive, nullptr);
    EXPECT_TRUE(archive->Read("/Contents.htm").has_value());
    EXPECT_EQ(ChmArchive::Open(bad), nullptr);
}

}  // namespace
}  // namespace orvane
