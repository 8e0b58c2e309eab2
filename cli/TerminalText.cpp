#include "cli/TerminalText.h"

#include <cstdio>

namespace orvane::cli {

namespace {

void AppendEscaped(std::string& out, unsigned char byte)
{
    char code[5];
    std::snprintf(code, sizeof code, "\\x%02x", byte);
    out += code;
}

// The length of the well-formed UTF-8 sequence at text[i] (2 to 4), or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned int lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    }
    if (length == 0 || i + length > text.size())
        return 0;
    unsigned int cp = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    // Overlong forms, surrogates and values past Unicode are no characters.
    if (cp < lowest || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return length;
}

}  // namespace

std::string TerminalText(std::string_view text, bool keepLineBreaks)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            const bool kept = byte >= 0x20 && byte != 0x7F;
            if (kept || (keepLineBreaks && (byte == '\n' || byte == '\t')))
                out += static_cast<char>(byte);
            else
                AppendEscaped(out, byte);
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        // C1 controls are U+0080 to U+009F: 0xC2 0x80 to 0xC2 0x9F.
        const bool c1 = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (length == 0 || c1) {
            for (std::size_t k = 0; k < (c1 ? 2 : 1); ++k)
                AppendEscaped(out, static_cast<unsigned char>(text[i + k]));
            i += c1 ? 2 : 1;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace orvane::cli
