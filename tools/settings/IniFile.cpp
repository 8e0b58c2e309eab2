#include "tools/settings/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include <sys/stat.h>

#include "core/FileIO.h"
#include "core/Messages.h"
#include "core/Text1252.h"

namespace orvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// One line of the text: where it starts, its content without the line end,
// and the line end as found ("\n", "\r\n"; at the very end also "\r" or "").
struct Line {
    std::size_t start = 0;
    std::string_view content;
    std::string_view end;
};

// Calls visit(line) for each line in order, without copying the text; a
// visit that returns false stops the walk.
template <typename Visit> void ForEachLine(std::string_view text, Visit visit)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto newline = text.find('\n', pos);
        Line line;
        line.start = pos;
        if (newline == std::string_view::npos) {
            // A last line may end in "\r" alone (a CR LF cut short).
            std::size_t contentEnd = text.size();
            if (contentEnd > pos && text[contentEnd - 1] == '\r')
                --contentEnd;
            line.content = text.substr(pos, contentEnd - pos);
            line.end = text.substr(contentEnd);
            pos = text.size();
        } else {
            std::size_t contentEnd = newline;
            if (contentEnd > pos && text[contentEnd - 1] == '\r')
                --contentEnd;
            line.content = text.substr(pos, contentEnd - pos);
            line.end = text.substr(contentEnd, newline + 1 - contentEnd);
            pos = newline + 1;
        }
        // Elsewhere a "\r" without "\n" stays inside the content.
        if (!visit(line))
            return;
    }
}

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    ForEachLine(text, [&lines](const Line& line) {
        lines.push_back(line);
        return true;
    });
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;    // section or key name, trimmed
    std::size_t valueAt = 0;  // for keys: offset of the value within the content (after "=" and blanks)
};

ParsedLine Parse(std::string_view content)
{
    ParsedLine parsed;
    const std::string_view body = Trim(content);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return parsed;
    if (body.front() == '[') {
        std::string_view name = body.substr(1);
        const auto close = name.find(']');
        if (close != std::string_view::npos)
            name = name.substr(0, close);
        parsed.kind = LineKind::Section;
        parsed.name = Trim(name);
        return parsed;
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = Trim(content.substr(0, equals));
    std::size_t at = equals + 1;
    while (at < content.size() && IsBlank(content[at]))
        ++at;
    parsed.valueAt = at;
    return parsed;
}

std::string ValueOf(std::string_view content, const ParsedLine& parsed)
{
    std::string_view value = Trim(content.substr(parsed.valueAt));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// The value as it must be written so that ValueOf gives it back.
std::string StoredValue(std::string_view value)
{
    const bool altered =
        !value.empty() &&
        (IsBlank(value.front()) || IsBlank(value.back()) ||
         (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()));
    return altered ? "\"" + std::string(value) + "\"" : std::string(value);
}

// Ends the text's last line before a line is added after it; a lone "\r"
// at the end is completed to "\r\n" so that the line keeps its content.
void EndLastLine(std::string& text, std::string_view eol)
{
    if (text.empty() || text.back() == '\n')
        return;
    if (text.back() == '\r')
        text += '\n';
    else
        text += eol;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool StorableNames(std::string_view section, std::string_view key)
{
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key))
        return false;
    if (section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos)
        return false;
    return key.front() != '[' && key.front() != ';' && key.front() != '#';
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section, std::string_view key)
{
    section = Trim(section);
    key = Trim(key);
    if (key.empty())
        return std::nullopt;
    bool inSection = false;
    std::optional<std::string> found;
    ForEachLine(text, [&](const Line& line) {
        const ParsedLine parsed = Parse(line.content);
        if (parsed.kind == LineKind::Section)
            inSection = SameName(parsed.name, section);
        else if (inSection && parsed.kind == LineKind::Key && SameName(parsed.name, key))
            found = ValueOf(line.content, parsed);
        return !found;
    });
    return found;
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                                       std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (!StorableNames(section, key) || HasLineBreak(value))
        return std::nullopt;
    const std::string stored = StoredValue(value);
    const std::vector<Line> lines = SplitLines(text);

    // New lines follow the file's own line ends.
    std::string_view eol = "\n";
    for (const Line& line : lines) {
        if (!line.end.empty() && line.end.back() == '\n') {
            eol = line.end;
            break;
        }
    }

    bool inSection = false;
    std::optional<std::size_t> lastOfSection;  // the header or last key line of the first matching section
    bool firstSectionDone = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = Parse(lines[i].content);
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                firstSectionDone = true;
            inSection = SameName(parsed.name, section);
            if (inSection && !firstSectionDone && !lastOfSection)
                lastOfSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            const Line& line = lines[i];
            std::string result(text.substr(0, line.start));
            result += line.content.substr(0, parsed.valueAt);
            result += stored;
            result += line.end;
            result += text.substr(line.start + line.content.size() + line.end.size());
            return result;
        }
        if (!firstSectionDone && parsed.kind == LineKind::Key)
            lastOfSection = i;
    }

    const std::string keyLine = std::string(key) + "=" + stored;
    if (lastOfSection) {
        const Line& after = lines[*lastOfSection];
        const std::size_t insertAt = after.start + after.content.size() + after.end.size();
        std::string result(text.substr(0, insertAt));
        EndLastLine(result, eol);
        result += keyLine;
        result += eol;
        result += text.substr(insertAt);
        return result;
    }
    std::string result(text);
    EndLastLine(result, eol);
    result += "[" + std::string(section) + "]";
    result += eol;
    result += keyLine;
    result += eol;
    return result;
}

namespace {

std::string LowerName(std::string_view name)
{
    std::string lower(Trim(name));
    for (char& c : lower)
        c = AsciiLower(c);
    return lower;
}

// Files already refused for their size this run: each is named once.
bool FirstTimeTooLarge(const std::string& path)
{
    static std::set<std::string> told;
    return told.insert(path).second;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16 bytes (after the mark) as UTF-8; nullopt for an odd number of bytes
// or a surrogate without its pair, which no editor writes.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            return std::nullopt;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

// The code point of the well-formed UTF-8 sequence at text[i], advancing i;
// a byte that starts none is taken as a Windows-1252 character, as the
// program's 8-bit values are.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length > 1 && i + length <= text.size()) {
        char32_t cp = lead & (0x7Fu >> length);
        bool ok = true;
        for (std::size_t k = 1; k < length && ok; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        const char32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (ok && cp >= lowest && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF)) {
            i += length;
            return cp;
        }
    }
    ++i;
    if (length == 1)
        return lead;
    const std::string utf8 = Cp1252ToUtf8(std::string_view(text.data() + i - 1, 1));
    std::size_t k = 0;
    return utf8.empty() ? U'?' : NextCodePoint(utf8, k);
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = NextCodePoint(text, i);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

}  // namespace

IniDocument IniDocument::Load(const std::string& path)
{
    IniDocument doc;
    doc.path_ = path;
    struct stat st { };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return doc;  // Missing
    const auto tooLarge = [&doc, &path] {
        doc.state_ = State::TooLarge;
        if (FirstTimeTooLarge(path))
            ShowMessage(MessageKind::Warning,
                        "settings file [" + path + "] is larger than 1 MB and is not read: the defaults are used");
        return doc;
    };
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > kMaxIniFileBytes)
        return tooLarge();
    // One byte more than stat saw tells a file that grew since; it is read
    // again, up to one byte past the limit, so it is never read whole.
    std::string text(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    bool read = S_ISREG(st.st_mode) && ReadFilePrefix(path, text.data(), text.size(), got);
    if (read && got == text.size()) {
        text.assign(kMaxIniFileBytes + 1, '\0');
        read = ReadFilePrefix(path, text.data(), text.size(), got);
    }
    if (!read) {
        doc.state_ = State::Unreadable;
        return doc;
    }
    if (got > kMaxIniFileBytes)
        return tooLarge();
    text.resize(got);
    const std::string_view bytes(text);
    if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        const bool bigEndian = bytes.starts_with(kUtf16BeMark);
        std::optional<std::string> decoded = Utf16ToUtf8(bytes.substr(2), bigEndian);
        if (!decoded) {
            doc.state_ = State::Unreadable;
            return doc;
        }
        doc.encoding_ = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        text = std::move(*decoded);
    } else if (bytes.starts_with(kUtf8Mark)) {
        doc.encoding_ = Encoding::Utf8Bom;
        text.erase(0, kUtf8Mark.size());
    }
    doc.text_ = std::move(text);
    doc.state_ = State::Read;
    doc.Index();
    return doc;
}

IniDocument IniDocument::FromText(std::string text)
{
    IniDocument doc;
    doc.text_ = std::move(text);
    doc.state_ = State::Read;
    doc.Index();
    return doc;
}

void IniDocument::Index()
{
    values_.clear();
    std::string section;
    bool inSection = false;
    ForEachLine(text_, [&](const Line& line) {
        const ParsedLine parsed = Parse(line.content);
        if (parsed.kind == LineKind::Section) {
            section = LowerName(parsed.name);
            inSection = true;
        } else if (inSection && parsed.kind == LineKind::Key && !parsed.name.empty()) {
            // The first line wins, as FindIniValue reads it.
            values_.try_emplace({section, LowerName(parsed.name)}, ValueOf(line.content, parsed));
        }
        return true;
    });
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const
{
    const auto it = values_.find({LowerName(section), LowerName(key)});
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    if (!Readable())
        return false;
    std::optional<std::string> edited = SetIniValue(text_, section, key, value);
    if (!edited)
        return false;
    if (*edited != text_) {
        text_ = std::move(*edited);
        changed_ = true;
        // The line just written is the one a lookup finds (SetIniValue
        // rewrites the first line that holds the key, or adds the only one).
        values_[{LowerName(section), LowerName(key)}] = std::string(value);
    }
    return true;
}

Outcome IniDocument::Save()
{
    if (!Readable())
        return Outcome::Failure("cannot write settings file [" + path_ +
                                "]: it could not be read, and writing would lose "
                                "its other lines");
    if (!changed_)
        return Outcome::Success();  // already holds those values: leave the file untouched
    std::string bytes;
    switch (encoding_) {
    case Encoding::Bytes: bytes = text_; break;
    case Encoding::Utf8Bom: bytes = std::string(kUtf8Mark) + text_; break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        bytes = std::string(encoding_ == Encoding::Utf16Be ? kUtf16BeMark : kUtf16LeMark) +
                Utf8ToUtf16(text_, encoding_ == Encoding::Utf16Be);
        break;
    }
    if (bytes.size() > kMaxIniFileBytes)
        return Outcome::Failure("settings file [" + path_ + "] would grow past 1 MB and is not changed");
    if (Outcome written = WriteFileAtomically(path_, bytes.data(), bytes.size()); !written)
        return written;
    changed_ = false;
    state_ = State::Read;
    return Outcome::Success();
}

IniReadResult ReadIniValue(const std::string& path, std::string_view section, std::string_view key)
{
    IniReadResult result;
    const IniDocument doc = IniDocument::Load(path);
    if (doc.GetState() == IniDocument::State::Unreadable) {
        result.status = IniReadStatus::Unreadable;
        return result;
    }
    if (auto value = doc.Find(section, key)) {
        result.status = IniReadStatus::Found;
        result.value = std::move(*value);
    }
    return result;
}

Outcome WriteIniValue(const std::string& path, std::string_view section, std::string_view key, std::string_view value)
{
    IniDocument doc = IniDocument::Load(path);
    if (!doc.Set(section, key, value))
        return Outcome::Failure("cannot write [" + std::string(key) + "] to settings file [" + path + "]");
    return doc.Save();
}

}  // namespace orvane
