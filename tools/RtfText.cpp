#include "tools/RtfText.h"

#include <cstdint>

#include "core/Format.h"
#include "core/Text1252.h"

namespace orvane {

namespace {

// The next code point of utf8 at i (advanced past it); a byte that starts
// no valid sequence is taken alone, as a Windows-1252 byte.
char32_t NextCodePoint(const std::string& utf8, std::size_t& i, bool& raw)
{
    const auto byte = [&utf8](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    const unsigned char lead = byte(i);
    raw = false;
    int length = lead < 0x80             ? 1
                 : (lead & 0xE0) == 0xC0 ? 2
                 : (lead & 0xF0) == 0xE0 ? 3
                 : (lead & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
        raw = true;
        return byte(i++);
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            raw = true;
            return byte(i++);
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

void AppendUnicode(std::string& out, char32_t cp)
{
    if (cp > 0xFFFF) {
        const char32_t v = cp - 0x10000;
        AppendUnicode(out, 0xD800 + (v >> 10));
        AppendUnicode(out, 0xDC00 + (v & 0x3FF));
        return;
    }
    out += Format("\\u%d?", static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(cp))));
}

}  // namespace

std::string RtfText(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        bool raw = false;
        const char32_t cp = NextCodePoint(utf8, i, raw);
        if (raw) {
            if (cp >= 0x80)
                out += Format("\\'%02x", static_cast<int>(cp));
            continue;
        }
        if (cp == U'\\' || cp == U'{' || cp == U'}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == U'\t') {
            out += "\\tab ";
        } else if (cp == U'\n' || cp == 0x2028) {
            out += "\\line ";
        } else if (cp == 0xA0) {
            out += "\\~";
        } else if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
            continue;  // control characters carry nothing to show
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            const std::string byte = Utf8ToCp1252(utf8.substr(start, i - start));
            if (byte.size() == 1 && byte[0] != '?')
                out += Format("\\'%02x", static_cast<int>(static_cast<unsigned char>(byte[0])));
            else
                AppendUnicode(out, cp);
        }
    }
    return out;
}

}  // namespace orvane
