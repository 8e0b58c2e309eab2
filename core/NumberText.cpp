#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [+-]? digits* [. digits*] ([eE] [+-]? digits+)? with at least one
// mantissa digit: the shape a user may type, as the decimal readers accept it.
bool IsDecimalNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

std::string WithoutBlanks(std::string_view text)
{
    std::string s(text);
    RemoveChar(s, ' ');
    if (s.empty())
        s.push_back('0');  // empty text reads as 0
    return s;
}

}  // namespace

void RemoveChar(std::string& text, char c) { text.erase(std::remove(text.begin(), text.end(), c), text.end()); }

bool ParseReal(std::string_view text, double& value)
{
    if (!IsDecimalNumber(text))
        return false;
    std::string_view body = text;
    if (!body.empty() && body.front() == '+')
        body.remove_prefix(1);  // from_chars does not take a plus sign
    double parsed = 0.0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (ec != std::errc() || end != body.data() + body.size())
        return false;  // out of range for a double
    value = parsed;
    return true;
}

bool ParseFloat(std::string_view text, float& value)
{
    double parsed = 0.0;
    if (!ParseReal(text, parsed))
        return false;
    if (std::fabs(parsed) > static_cast<double>(std::numeric_limits<float>::max()))
        return false;
    value = static_cast<float>(parsed);
    return true;
}

bool ParseInt(std::string_view text, std::int32_t& value)
{
    std::size_t first = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        first = 1;
    if (first == text.size() || !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), IsDigit))
        return false;
    // from_chars takes a minus sign but no plus sign.
    const std::string_view body = text[0] == '+' ? text.substr(1) : text;
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), parsed, 10);
    if (ec != std::errc() || end != body.data() + body.size())
        return false;
    value = parsed;
    return true;
}

float TextToFloat(std::string_view text, float fallback)
{
    std::string s = WithoutBlanks(text);
    float value = 0.0f;
    if (ParseFloat(s, value))
        return value;
    // A second try with the other separator, when only one kind is present.
    // "." is the separator in force, so only the "," to "." swap can succeed.
    const auto dot = s.find('.');
    const auto comma = s.find(',');
    if (dot != std::string::npos && comma == std::string::npos)
        s[dot] = ',';
    else if (comma != std::string::npos && dot == std::string::npos)
        s[comma] = '.';
    else
        return fallback;
    return ParseFloat(s, value) ? value : fallback;
}

std::int32_t TextToInt(std::int32_t fallback, std::string_view text)
{
    const std::string s = WithoutBlanks(text);
    std::int32_t value = 0;
    return ParseInt(s, value) ? value : fallback;
}

}  // namespace orvane
