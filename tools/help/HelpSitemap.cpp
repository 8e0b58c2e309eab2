#include "tools/help/HelpSitemap.h"

#include <algorithm>
#include <cctype>

#include "tools/help/HelpLinks.h"

namespace orvane {

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string LowerCopy(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Tag {
    std::string name;                                             // lower case, "/ul" for an end tag
    std::vector<std::pair<std::string, std::string>> attributes;  // names lower case
};

// Reads the tag that starts at html[pos] == '<'; pos moves past its '>'.
Tag ReadTag(std::string_view html, std::size_t& pos)
{
    Tag tag;
    std::size_t i = pos + 1;
    const std::size_t n = html.size();
    const std::size_t nameStart = i;
    while (i < n && !IsSpace(html[i]) && html[i] != '>')
        ++i;
    tag.name = LowerCopy(html.substr(nameStart, i - nameStart));
    if (!tag.name.empty() && tag.name.back() == '/')
        tag.name.pop_back();
    while (i < n && html[i] != '>') {
        while (i < n && (IsSpace(html[i]) || html[i] == '/'))
            ++i;
        if (i >= n || html[i] == '>')
            break;
        const std::size_t attrStart = i;
        while (i < n && !IsSpace(html[i]) && html[i] != '=' && html[i] != '>')
            ++i;
        std::string attrName = LowerCopy(html.substr(attrStart, i - attrStart));
        while (i < n && IsSpace(html[i]))
            ++i;
        std::string value;
        if (i < n && html[i] == '=') {
            ++i;
            while (i < n && IsSpace(html[i]))
                ++i;
            if (i < n && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const std::size_t valueStart = i;
                while (i < n && html[i] != quote)
                    ++i;
                value = std::string(html.substr(valueStart, i - valueStart));
                if (i < n)
                    ++i;
            } else {
                const std::size_t valueStart = i;
                while (i < n && !IsSpace(html[i]) && html[i] != '>')
                    ++i;
                value = std::string(html.substr(valueStart, i - valueStart));
            }
        }
        if (!attrName.empty())
            tag.attributes.emplace_back(std::move(attrName), std::move(value));
    }
    pos = i < n ? i + 1 : n;
    return tag;
}

std::string Attribute(const Tag& tag, std::string_view name)
{
    for (const auto& [key, value] : tag.attributes)
        if (key == name)
            return value;
    return {};
}

}  // namespace

std::vector<SitemapEntry> ParseSitemap(std::string_view html)
{
    std::vector<SitemapEntry> entries;
    int openLists = 0;
    bool inObject = false;
    SitemapEntry current;
    bool haveName = false;
    bool haveLocal = false;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string_view::npos) {
        if (html.compare(pos, 4, "<!--") == 0) {
            const auto end = html.find("-->", pos + 4);
            pos = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const Tag tag = ReadTag(html, pos);
        if (tag.name == "ul") {
            ++openLists;
        } else if (tag.name == "/ul") {
            openLists = std::max(0, openLists - 1);
        } else if (tag.name == "object") {
            inObject = LowerCopy(Attribute(tag, "type")) == "text/sitemap";
            current = SitemapEntry();
            current.depth = std::clamp(openLists - 1, 0, kMaxSitemapDepth);
            haveName = haveLocal = false;
        } else if (tag.name == "param" && inObject) {
            const std::string name = LowerCopy(Attribute(tag, "name"));
            // An index keyword may list several Name/Local pairs; the first
            // of each names the keyword and its first topic.
            if (name == "name" && !haveName) {
                current.name = DecodeHtmlEntities(Attribute(tag, "value"));
                haveName = true;
            } else if (name == "local" && !haveLocal) {
                current.local = DecodeHtmlEntities(Attribute(tag, "value"));
                haveLocal = true;
            }
        } else if (tag.name == "/object" && inObject) {
            if (haveName || haveLocal)
                entries.push_back(std::move(current));
            inObject = false;
        }
    }
    return entries;
}

}  // namespace orvane
