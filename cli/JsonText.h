#pragma once
// JSON values as text for the commands that print JSON.

#include <cmath>
#include <string>

#include "core/Format.h"

namespace orvane::cli::json {

// Nine significant digits read back to the same float32; JSON has no NaN or
// infinity, so those are null.
inline std::string Number(double v) { return std::isfinite(v) ? Format("%.9g", v) : std::string("null"); }

inline std::string String(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\')
            out += std::string("\\") + ch;
        else if (c < 0x20)
            out += Format("\\u%04x", static_cast<int>(c));
        else
            out += ch;
    }
    return out + "\"";
}

}  // namespace orvane::cli::json
