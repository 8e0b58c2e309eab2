#include "tools/help/HelpLinks.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace orvane {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[i]) != Lower(prefix[i]))
            return false;
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int hi = HexValue(text[i + 1]);
            const int lo = HexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// "scheme:" of two or more characters (a single letter would be a drive).
bool HasScheme(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    if (!std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(std::isalnum(c) || c == '+' || c == '-' || c == '.'))
            return false;
    }
    return true;
}

std::string FolderOfPath(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string TopicAddress(const std::string& helpFile, const std::string& keyword)
{
    return helpFile + "::/" + keyword + ".htm";
}

HelpAddress ParseHelpAddress(std::string_view text)
{
    for (std::string_view prefix : {"mk:@MSITStore:", "ms-its:", "its:"}) {
        if (StartsWithNoCase(text, prefix)) {
            text.remove_prefix(prefix.size());
            break;
        }
    }
    HelpAddress address;
    const auto hash = text.find('#');
    if (hash != std::string_view::npos) {
        address.fragment = std::string(text.substr(hash + 1));
        text = text.substr(0, hash);
    }
    const auto sep = text.find("::");
    if (sep == std::string_view::npos) {
        if (!text.empty())
            address.object = NormalizeObjectPath(text);
        return address;
    }
    address.file = std::string(text.substr(0, sep));
    const std::string_view object = text.substr(sep + 2);
    if (!object.empty())
        address.object = NormalizeObjectPath(object);
    return address;
}

std::string FormatHelpAddress(const HelpAddress& address)
{
    std::string text = address.file + "::" + (address.object.empty() ? std::string("/") : address.object);
    if (!address.fragment.empty())
        text += "#" + address.fragment;
    return text;
}

std::string NormalizeObjectPath(std::string_view path)
{
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() {
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (const char c : path) {
        if (c == '/' || c == '\\')
            flush();
        else
            part.push_back(c);
    }
    flush();
    std::string out;
    for (const auto& p : parts)
        out += "/" + p;
    if (out.empty())
        out = "/";
    // A trailing separator names a folder; keep it so folders stay folders.
    if (!path.empty() && (path.back() == '/' || path.back() == '\\') && out != "/")
        out += "/";
    return out;
}

ResolvedLink ResolveHelpLink(const HelpAddress& page, std::string_view href)
{
    ResolvedLink link;
    // Blanks around an attribute value carry no meaning in HTML.
    while (!href.empty() && std::isspace(static_cast<unsigned char>(href.front())))
        href.remove_prefix(1);
    while (!href.empty() && std::isspace(static_cast<unsigned char>(href.back())))
        href.remove_suffix(1);
    if (href.empty())
        return link;

    bool helpScheme = false;
    for (std::string_view prefix : {"mk:@MSITStore:", "ms-its:", "its:"}) {
        if (StartsWithNoCase(href, prefix)) {
            href.remove_prefix(prefix.size());
            helpScheme = true;
            break;
        }
    }
    if (!helpScheme && HasScheme(href)) {
        link.kind = LinkKind::External;
        link.external = std::string(href);
        return link;
    }

    const std::string decoded = PercentDecode(href);
    if (decoded.find('\0') != std::string::npos)
        return link;
    HelpAddress target = ParseHelpAddress(decoded);
    if (target.file.empty()) {
        target.file = page.file;
        const std::string pathPart = decoded.substr(0, decoded.find('#'));
        if (pathPart.empty())
            target.object = page.object;  // "#x" alone: the same page
        else if (pathPart[0] != '/' && pathPart[0] != '\\')
            target.object = NormalizeObjectPath(FolderOfPath(page.object) + pathPart);
    } else if (target.file.front() != '/') {
        // Another compiled file named by a relative path: from the folder of
        // this page's file, wherever the program was started.
        target.file = FolderOfPath(page.file) + target.file;
    }
    link.kind = LinkKind::Topic;
    link.address = std::move(target);
    return link;
}

bool MayLeaveHelp(std::string_view address)
{
    for (const char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f')
            return false;
    if (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"))
        return address.size() > address.find("//") + 2;
    if (!StartsWithNoCase(address, "mailto:"))
        return false;
    // Mail programs take "attach=/path" (and "attachment=") to send a local
    // file; the names may come escaped ("%61ttach") or in any case.
    std::string query = PercentDecode(address.substr(address.find(':') + 1));
    for (char& c : query)
        c = Lower(c);
    const auto question = query.find('?');
    if (question == std::string::npos)
        return true;
    std::string_view rest = std::string_view(query).substr(question + 1);
    while (!rest.empty()) {
        const auto amp = rest.find('&');
        std::string_view field = rest.substr(0, amp);
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        if (field.starts_with("attach"))
            return false;
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
    }
    return true;
}

std::string DecodeHtmlEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.push_back(text[i]);
            continue;
        }
        const auto semi = text.find(';', i);
        if (semi == std::string_view::npos || semi - i > 10) {
            out.push_back('&');
            continue;
        }
        const std::string_view name = text.substr(i + 1, semi - i - 1);
        std::string replacement;
        if (name == "amp")
            replacement = "&";
        else if (name == "lt")
            replacement = "<";
        else if (name == "gt")
            replacement = ">";
        else if (name == "quot")
            replacement = "\"";
        else if (name == "apos")
            replacement = "'";
        else if (name.size() >= 2 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            std::uint32_t cp = 0;
            bool ok = name.size() > (hex ? 2u : 1u);
            for (std::size_t k = hex ? 2 : 1; ok && k < name.size(); ++k) {
                const int d =
                    hex ? HexValue(name[k]) : (std::isdigit(static_cast<unsigned char>(name[k])) ? name[k] - '0' : -1);
                if (d < 0 || cp > 0x10FFFF)
                    ok = false;
                else
                    cp = cp * (hex ? 16u : 10u) + static_cast<std::uint32_t>(d);
            }
            // Surrogates and values past Unicode are no characters.
            if (ok && cp > 0 && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF))
                AppendUtf8(replacement, cp);
        }
        if (replacement.empty()) {
            out.push_back('&');
            continue;
        }
        out += replacement;
        i = semi;
    }
    return out;
}

}  // namespace orvane
