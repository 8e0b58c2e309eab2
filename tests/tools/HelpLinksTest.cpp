// Topic addresses, link resolution inside help pages, the sitemap lists of a
// help file's contents and index, and its "#SYSTEM" records.

#include "tools/help/HelpLinks.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/help/HelpChmArchive.h"
#include "tools/help/HelpSitemap.h"
#include "tools/help/HelpSystem.h"

namespace orvane {
namespace {

TEST(HelpLinks, TopicAddressOfAKeyword)
{
    EXPECT_EQ(TopicAddress("/P/X.CHM", "WindData"), "/P/X.CHM::/WindData.htm");
    const HelpAddress a = ParseHelpAddress(TopicAddress("/P/X.CHM", "HsTs"));
    EXPECT_EQ(a.file, "/P/X.CHM");
    EXPECT_EQ(a.object, "/HsTs.htm");
    EXPECT_EQ(a.fragment, "");
}

struct LinkCase {
    const char* name;
    const char* href;
    LinkKind kind;
    const char* file;    // Topic: expected file
    const char* object;  // Topic: expected object
    const char* fragment;
};

// Links written in the page /P/HLP/X.CHM::/topics/WindData.htm.
const LinkCase kLinks[] = {
    {"sibling", "HsTs.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/HsTs.htm", ""},
    {"sibling with anchor", "HsTs.htm#depth", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/HsTs.htm", "depth"},
    {"anchor alone", "#units", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/WindData.htm", "units"},
    {"up a folder", "../images/rose.png", LinkKind::Topic, "/P/HLP/X.CHM", "/images/rose.png", ""},
    {"above the root stays at the root", "../../../a.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/a.htm", ""},
    {"absolute object", "/Contents.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/Contents.htm", ""},
    {"percent escape", "Wind%20Data.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/Wind Data.htm", ""},
    {"dot segments", "./a/../b.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/b.htm", ""},
    {"backslashes", "sub\\c.htm", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/sub/c.htm", ""},
    {"other file beside", "ms-its:Other.chm::/Q1.htm", LinkKind::Topic, "/P/HLP/Other.chm", "/Q1.htm", ""},
    {"other file by relative path", "mk:@MSITStore:../OrvaneFAQ.chm::/FAQ.htm#q3", LinkKind::Topic,
     "/P/HLP/../OrvaneFAQ.chm", "/FAQ.htm", "q3"},
    {"other file absolute", "its:/Q/Y.CHM::/Z.htm", LinkKind::Topic, "/Q/Y.CHM", "/Z.htm", ""},
    {"blanks around", "  HsTs.htm ", LinkKind::Topic, "/P/HLP/X.CHM", "/topics/HsTs.htm", ""},
    {"web address", "https://example.org/x", LinkKind::External, "", "", ""},
    {"mail", "mailto:a@b.c", LinkKind::External, "", "", ""},
    {"local file", "file:///etc/passwd", LinkKind::External, "", "", ""},
    {"local file, help file syntax", "FILE:/etc/X.CHM::/a.htm", LinkKind::External, "", "", ""},
    {"empty", "", LinkKind::Invalid, "", "", ""},
    {"escaped NUL", "a%00b.htm", LinkKind::Invalid, "", "", ""},
};

TEST(HelpLinks, ResolveAgainstThePage)
{
    const HelpAddress page {"/P/HLP/X.CHM", "/topics/WindData.htm", ""};
    for (const LinkCase& c : kLinks) {
        SCOPED_TRACE(c.name);
        const ResolvedLink link = ResolveHelpLink(page, c.href);
        ASSERT_EQ(link.kind, c.kind);
        if (c.kind == LinkKind::External) {
            EXPECT_EQ(link.external, c.href);
        }
        if (c.kind != LinkKind::Topic)
            continue;
        EXPECT_EQ(link.address.file, c.file);
        EXPECT_EQ(link.address.object, c.object);
        EXPECT_EQ(link.address.fragment, c.fragment);
    }
}

TEST(HelpLinks, OnlyWebAndMailAddressesLeaveTheHelp)
{
    const std::pair<const char*, bool> cases[] = {
        {"https://example.org/x?a=1", true},
        {"HTTP://example.org", true},
        {"mailto:a@b.c?subject=Waves&body=Hello", true},
        {"mailto:a@b.c", true},
        {"http://", false},
        {"https://exa mple.org", false},
        {"https://example.org/\x1b]0;x", false},
        {"mailto:a@b.c?attach=/etc/passwd", false},
        {"mailto:a@b.c?subject=x&ATTACHMENT=/etc/passwd", false},
        {"mailto:a@b.c?subject=x&%61ttach=/etc/passwd", false},
        {"javascript:alert(1)", false},
        {"data:text/html,x", false},
        {"file:///etc/passwd", false},
        {"smb://host/share", false},
        {"sh:rm", false},
        {"httpx://example.org", false},
        {"", false},
    };
    for (const auto& [address, allowed] : cases)
        EXPECT_EQ(MayLeaveHelp(address), allowed) << address;
}

TEST(HelpLinks, ProgramHelpFiles)
{
    const std::pair<const char*, bool> cases[] = {
        {"/opt/orvane/HLP/KAVRO421ENG.CHM", true},
        {"/opt/orvane/OrvaneFAQ.chm", true},
        {"/opt/orvane/HLP/../OrvaneFAQ.chm", true},
        {"/opt/HLPS/ENG/Other.Chm", true},
        {"/opt/orvane/HLP/sub/X.CHM", false},
        {"/opt/orvane/HLP/../../etc/X.CHM", false},
        {"/opt/orvane/Orvane.INI", false},
        {"/tmp/KAVRO421ENG.CHM", false},
        {"/dev/zero", false},
    };
    for (const auto& [file, allowed] : cases)
        EXPECT_EQ(IsProgramHelpFile(file, "/opt/orvane/"), allowed) << file;
}

TEST(HelpLinks, AddressRoundTrip)
{
    for (const char* text : {"/a/X.CHM::/HsTs.htm", "/a/X.CHM::/d/e.htm#f", "X.CHM::/"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FormatHelpAddress(ParseHelpAddress(text)), text);
    }
    EXPECT_EQ(ParseHelpAddress("X.CHM::").object, "");  // the file's default topic
}

TEST(HelpLinks, Entities)
{
    EXPECT_EQ(DecodeHtmlEntities("H&amp;T &lt;5&gt; &#176;&#x3C0; &unknown; &"),
              "H&T <5> \xC2\xB0\xCF\x80 &unknown; &");
    EXPECT_EQ(DecodeHtmlEntities("&#xD800;&#99999999;"), "&#xD800;&#99999999;");  // no characters
}

TEST(HelpSitemap, NestedListsAndLenientMarkup)
{
    const std::string hhc = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN"><HTML><BODY>
<OBJECT type="text/site properties"><param name="ImageType" value="Folder"></OBJECT>
<UL>
 <LI><OBJECT type="text/sitemap"><param name="Name" value="Contents"><param name="Local" value="Contents.htm"></OBJECT>
 <UL>
  <LI><object TYPE='text/sitemap'><PARAM NAME=Name VALUE="Wind &amp; sector"><param name="Local" value="WindData.htm#units"></object>
  <!-- <LI><OBJECT type="text/sitemap"><param name="Name" value="commented out"></OBJECT> -->
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Heading only"></OBJECT>
 </UL>
 <LI><OBJECT type="text/sitemap"><param name="Name" value="Keyword"><param name="Local" value="A.htm"><param name="Name" value="second"><param name="Local" value="B.htm"></OBJECT>
</UL></BODY></HTML>)";
    const std::vector<SitemapEntry> entries = ParseSitemap(hhc);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "Contents");
    EXPECT_EQ(entries[0].depth, 0);
    EXPECT_EQ(entries[1].name, "Wind & sector");
    EXPECT_EQ(entries[1].local, "WindData.htm#units");
    EXPECT_EQ(entries[1].depth, 1);
    EXPECT_EQ(entries[2].local, "");
    EXPECT_EQ(entries[3].depth, 0);
    EXPECT_EQ(entries[3].local, "A.htm");  // the first topic of an index keyword
}

TEST(HelpSitemap, DamagedInputStaysBounded)
{
    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "<UL>";
    deep += R"(<OBJECT type="text/sitemap"><param name="Name" value="x)";  // cut off inside a value
    EXPECT_TRUE(ParseSitemap(deep).empty());
    deep += R"("></OBJECT>)";
    ASSERT_EQ(ParseSitemap(deep).size(), 1u);
    EXPECT_EQ(ParseSitemap(deep)[0].depth, kMaxSitemapDepth);
    EXPECT_TRUE(ParseSitemap("</UL></UL><param name=Name value=x></OBJECT><").empty());
}

TEST(HelpChmSystem, Records)
{
    auto record = [](int code, const std::string& text) {
        std::string r {static_cast<char>(code), 0, static_cast<char>(text.size() + 1), 0};
        return r + text + '\0';
    };
    const std::string bytes = std::string(4, '\3') + record(0, "KAVRO421ENG.hhc") + record(1, "KAVRO421ENG.hhk") +
                              record(9, "ignored") + record(2, "Contents.htm") + record(3, "Orvane Help");
    const ChmSystemInfo info = ParseChmSystem(bytes);
    EXPECT_EQ(info.contentsFile, "/KAVRO421ENG.hhc");
    EXPECT_EQ(info.indexFile, "/KAVRO421ENG.hhk");
    EXPECT_EQ(info.defaultTopic, "/Contents.htm");
    EXPECT_EQ(info.title, "Orvane Help");
    // A record longer than what is left ends the reading.
    const ChmSystemInfo cut =
        ParseChmSystem(std::string(4, '\0') + record(0, "a.hhc") + std::string("\3\0\xff\xff", 4));
    EXPECT_EQ(cut.contentsFile, "/a.hhc");
    EXPECT_EQ(cut.title, "");
}

TEST(HelpChmArchive, MissingOrForeignFilesDoNotOpen)
{
    EXPECT_EQ(ChmArchive::Open(""), nullptr);
    EXPECT_EQ(ChmArchive::Open("/nonexistent/X.CHM"), nullptr);
    EXPECT_EQ(ChmArchive::Open(std::string("/proc/self/status")), nullptr);
}

}  // namespace
}  // namespace orvane
