#pragma once
// The table of contents (.hhc) and the keyword index (.hhk) of a compiled help
// file are "sitemap" HTML: nested <UL> lists whose <LI> items each hold an
// <OBJECT type="text/sitemap"> with <param name="Name" value="..."> and
// <param name="Local" value="...">. Parsed leniently: the files come from
// outside, so anything that is not such an object is skipped.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct SitemapEntry {
    std::string name;   // the title shown, entities decoded (UTF-8 when the file is)
    std::string local;  // the topic as written ("HsTs.htm", "sub/x.htm#a"); may be empty for a heading
    int depth = 0;      // 0 for the outermost list, 1 for a list inside it, ...
};

// Lists deeper than this are read as this deep, so a hostile file cannot
// build a tree deeper than the viewer can show.
inline constexpr int kMaxSitemapDepth = 32;

std::vector<SitemapEntry> ParseSitemap(std::string_view html);

}  // namespace orvane
