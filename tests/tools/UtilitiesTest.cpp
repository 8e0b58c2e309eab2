#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Format.h"
#include "tests/TestSupport.h"
#include "tools/AttentionText.h"
#include "tools/FixedText.h"
#include "tools/ProgramFile.h"
#include "tools/help/Manual.h"
#include "tools/settings/NumberConventions.h"

namespace orvane {
namespace {

TEST(Utilities, FindManualPreferenceOrder)
{
    const struct {
        std::vector<std::string> present;
        const char* kind;
        const char* found;
    } cases[] = {
        {{"OrvaneManual.doc", "OrvaneBook.doc"}, ".doc", "OrvaneManual.doc"},
        {{"OrvaneBook.pdf", "OrvaneManualENG.pdf"}, ".pdf", "OrvaneManualENG.pdf"},
        {{"OrvaneBook.pdf"}, ".pdf", "OrvaneBook.pdf"},
        {{"OrvaneManual.pdf"}, ".doc", "ProgramManual.doc"},  // the other kind does not count
        {{}, ".pdf", "ProgramManual.pdf"},                    // nothing installed: a path all the same
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string folder = dir.Path().string() + "/";
        std::filesystem::create_directory(folder + "Doc");
        for (const auto& name : c.present)
            test::WriteBytes(folder + "Doc/" + name, "x");
        EXPECT_EQ(FindManualIn(folder, c.kind), folder + "Doc/" + c.found);
    }
    EXPECT_EQ(FindManual(".pdf"), ProgramFolder() + "Doc/ProgramManual.pdf");
}

TEST(Utilities, ChangeFileExt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/Orvane/Orvane", "/opt/Orvane/Orvane.INI"},
        {"/opt/Orvane/Orvane.exe", "/opt/Orvane/Orvane.INI"},
        {"/opt/v1.2/Orvane", "/opt/v1.2/Orvane.INI"},  // a dot in a folder is no extension
        {"/opt/.hidden", "/opt/.hidden.INI"},
        {"a.b.c", "a.b.INI"},
        {"", ".INI"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(ChangeFileExt(path, ".INI"), expected) << path;
    EXPECT_EQ(FolderOf("/opt/Orvane/Orvane"), "/opt/Orvane/");
    EXPECT_EQ(FolderOf("Orvane"), "");
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
}

TEST(Utilities, FixedTextsFitTheirPlaces)
{
    for (const auto id :
         {FixedTextId::ProgramTitle, FixedTextId::ProgramName, FixedTextId::ReportFooter, FixedTextId::ProductTag}) {
        const std::string text = FixedText(id);
        EXPECT_FALSE(text.empty());
        EXPECT_LE(text.size(), FixedTextMaxLength(id)) << text;
    }
    EXPECT_EQ(FixedText(FixedTextId::ProgramName).find("Orvane"), 0u);
}

TEST(Utilities, Messages)
{
    EXPECT_EQ(AttentionText("x"), "Attention!! x");
    const std::string message = PrinterProblemMessage();
    EXPECT_EQ(message.find("Attention!! Report printing or preview cannot be done,\n"), 0u);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 6);
    EXPECT_EQ(message.substr(message.rfind('\n') + 1), "*Reinstall the printer driver.");
}

TEST(Utilities, NumberAndDateConventions)
{
    EXPECT_EQ(ShortDateText(2026, 12, 9), "09/12/2026");
    EXPECT_EQ(ShortDateText(987, 1, 31), "31/01/0987");
    EXPECT_EQ(GroupedInteger(1234567), "1 234 567");
    EXPECT_EQ(GroupedInteger(-1000), "-1 000");
    EXPECT_EQ(GroupedInteger(999), "999");
    EXPECT_EQ(GroupedInteger(0), "0");
    // Under the German C locale of the second run the separators stay ".".
    EXPECT_EQ(Format("%8.3f", 1234.5), "1234.500");
}

}  // namespace
}  // namespace orvane
