#include "tools/settings/LenientNumber.h"

#include <cstdint>

#include "core/NumberText.h"

namespace orvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Keeps a leading "-" and, after it, only the characters keep accepts.
template <class Keep> std::string KeepOnly(const std::string& text, Keep keep)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        out.push_back('-');
        i = 1;
    }
    for (; i < text.size(); ++i) {
        if (keep(text[i]))
            out.push_back(text[i]);
    }
    return out;
}

}  // namespace

std::string CleanIntegerText(const std::string& text)
{
    std::string s = text;
    RemoveChar(s, ' ');
    if (s.empty())
        return s;
    return KeepOnly(s, [](char c) { return IsDigit(c) || c == 'E' || c == 'e'; });
}

std::string CleanRealText(const std::string& text)
{
    std::string s = text;
    RemoveChar(s, ' ');
    if (s.empty())
        return s;
    if (const auto comma = s.find(','); comma != std::string::npos)
        s[comma] = '.';
    s = KeepOnly(s, [](char c) { return IsDigit(c) || c == 'E' || c == 'e' || c == '.'; });
    if (const auto first = s.find('.'); first != std::string::npos) {
        std::string rest = s.substr(first + 1);
        RemoveChar(rest, '.');
        s = s.substr(0, first + 1) + rest;
    }
    return s;
}

int ReadLenientInteger(int defaultValue, const std::string& text)
{
    std::string s = CleanIntegerText(text);
    if (s.empty())
        s = "0";
    std::int32_t value = 0;
    return ParseInt(s, value) ? value : defaultValue;
}

double ReadLenientReal(const std::string& text, double defaultValue)
{
    std::string s = CleanRealText(text);
    if (s.empty())
        s = "0";
    double value = 0.0;
    if (ParseReal(s, value))
        return value;
    // The cleaned text holds "." at most, never ",", and "," is never the
    // separator in force, so the second try of the other separator that the
    // lenient rule allows can never succeed here; it is left out.
    return defaultValue;
}

int FindFrom(const std::string& sub, const std::string& text, int start)
{
    if (sub.empty())
        return 0;
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    if (from >= text.size())
        return 0;
    const auto at = text.find(sub, from);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace orvane
