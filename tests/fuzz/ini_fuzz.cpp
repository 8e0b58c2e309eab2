// Any bytes as a settings file: reading never fails, the keys split once
// (IniDocument) read as the line-by-line reader reads them, and writing a key
// changes that key only and keeps every other line.
//
// Input: section "\0" key "\0" value "\0" file text; missing parts are empty.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/settings/IniFile.h"

namespace {

std::string_view NextPart(std::string_view& rest)
{
    const auto zero = rest.find('\0');
    const std::string_view part = rest.substr(0, zero);
    rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
    return part;
}

// Lines without their ends ("\n" or "\r\n"; "\r" alone at the very end).
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view section = NextPart(rest);
    const std::string_view key = NextPart(rest);
    const std::string_view value = NextPart(rest);
    const std::string_view text = rest;

    const std::optional<std::string> before = orvane::FindIniValue(text, section, key);
    orvane::IniDocument doc = orvane::IniDocument::FromText(std::string(text));
    if (doc.Find(section, key) != before)
        std::abort();
    const std::optional<std::string> edited = orvane::SetIniValue(text, section, key, value);
    if (doc.Set(section, key, value) != edited.has_value())
        std::abort();
    if (!edited)
        return 0;
    if (doc.Text() != *edited || doc.Find(section, key) != std::optional<std::string>(value))
        std::abort();

    // The value written reads back exactly.
    const std::optional<std::string> after = orvane::FindIniValue(*edited, section, key);
    if (!after || *after != value)
        std::abort();

    // A rewritten key changes its own line only; a new key adds its line
    // (and perhaps its section header) and keeps all others, in order.
    const auto oldLines = Lines(text);
    const auto newLines = Lines(*edited);
    if (before) {
        if (newLines.size() != oldLines.size())
            std::abort();
        std::size_t changed = 0;
        for (std::size_t i = 0; i < oldLines.size(); ++i)
            changed += newLines[i] != oldLines[i] ? 1 : 0;
        if (changed > 1)
            std::abort();
    } else {
        const std::size_t added = newLines.size() - oldLines.size();
        if (newLines.size() < oldLines.size() + 1 || added > 2)
            std::abort();
        std::size_t matched = 0;
        for (const std::string_view line : newLines) {
            if (matched < oldLines.size() && line == oldLines[matched])
                ++matched;
        }
        if (matched != oldLines.size())
            std::abort();
    }

    // Writing the same value again changes nothing.
    const std::optional<std::string> again = orvane::SetIniValue(*edited, section, key, value);
    if (!again || *again != *edited)
        std::abort();
    return 0;
}
