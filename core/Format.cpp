#include "core/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace orvane {

namespace {

struct Directive {
    bool left = false, plus = false, space = false, zero = false, alt = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

double AsDouble(const FormatArg& a)
{
    if (const auto* d = std::get_if<double>(&a.Value()))
        return *d;
    if (const auto* i = std::get_if<long long>(&a.Value()))
        return static_cast<double>(*i);
    return 0.0;
}

long long AsInteger(const FormatArg& a)
{
    if (const auto* i = std::get_if<long long>(&a.Value()))
        return *i;
    if (const auto* d = std::get_if<double>(&a.Value())) {
        if (std::isfinite(*d) && std::fabs(*d) < 9.2e18)
            return static_cast<long long>(*d);
    }
    return 0;
}

void Pad(std::string& out, std::string body, const Directive& s, bool numeric)
{
    const auto width = static_cast<std::size_t>(s.width);
    if (body.size() >= width) {
        out += body;
        return;
    }
    const std::size_t fill = width - body.size();
    if (s.left) {
        out += body;
        out.append(fill, ' ');
    } else if (s.zero && numeric) {
        // Zeros go between the sign (or 0x) and the digits.
        std::size_t prefix = 0;
        if (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' '))
            prefix = 1;
        if (body.size() >= prefix + 2 && body[prefix] == '0' && (body[prefix + 1] == 'x' || body[prefix + 1] == 'X'))
            prefix += 2;
        out.append(body, 0, prefix);
        out.append(fill, '0');
        out.append(body, prefix, std::string::npos);
    } else {
        out.append(fill, ' ');
        out += body;
    }
}

std::string SignPrefix(bool negative, const Directive& s)
{
    if (negative)
        return "-";
    if (s.plus)
        return "+";
    if (s.space)
        return " ";
    return "";
}

std::string FormatInteger(long long v, const Directive& s)
{
    const bool negative = v < 0;
    const unsigned long long magnitude =
        negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    char buf[32];
    const int base = (s.conversion == 'x' || s.conversion == 'X') ? 16 : 10;
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, base);
    std::string digits(buf, end);
    if (s.conversion == 'X')
        for (char& c : digits)
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 'a' + 'A');
    if (s.precision >= 0) {
        if (s.precision == 0 && magnitude == 0)
            digits.clear();
        while (static_cast<int>(digits.size()) < s.precision)
            digits.insert(digits.begin(), '0');
    }
    std::string prefix = base == 10 ? SignPrefix(negative, s) : "";
    if (base == 16 && s.alt && magnitude != 0)
        prefix = s.conversion == 'X' ? "0X" : "0x";
    return prefix + digits;
}

std::string FormatReal(double v, const Directive& s)
{
    const bool upper = s.conversion == 'F' || s.conversion == 'E' || s.conversion == 'G';
    const bool negative = std::signbit(v) && !std::isnan(v);
    const double magnitude = std::fabs(v);
    std::string body;
    if (std::isnan(v) || std::isinf(v)) {
        body = std::isnan(v) ? "nan" : "inf";
    } else {
        const int precision = s.precision < 0 ? 6 : s.precision;
        char buf[400];
        std::to_chars_result r {};
        switch (s.conversion) {
        case 'f':
        case 'F': r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, precision); break;
        case 'e':
        case 'E': r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, precision); break;
        default:  // g, G
            r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::general,
                              precision == 0 ? 1 : precision);
            break;
        }
        if (r.ec != std::errc())
            r.ptr = buf;  // cannot happen with this buffer; prints nothing rather than garbage
        body.assign(buf, r.ptr);
        if (s.alt && precision == 0 && body.find('.') == std::string::npos &&
            (s.conversion == 'f' || s.conversion == 'F'))
            body += '.';
    }
    if (upper)
        for (char& c : body)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    return SignPrefix(negative, s) + body;
}

}  // namespace

std::string FormatArgs(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16);
    auto next = args.begin();
    const auto take = [&]() -> const FormatArg* { return next != args.end() ? &*next++ : nullptr; };

    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Directive s;
        std::size_t j = i + 1;
        for (; j < format.size(); ++j) {
            const char f = format[j];
            if (f == '-')
                s.left = true;
            else if (f == '+')
                s.plus = true;
            else if (f == ' ')
                s.space = true;
            else if (f == '0')
                s.zero = true;
            else if (f == '#')
                s.alt = true;
            else
                break;
        }
        if (j < format.size() && format[j] == '*') {
            const FormatArg* a = take();
            s.width = a ? static_cast<int>(AsInteger(*a)) : 0;
            if (s.width < 0) {
                s.left = true;
                s.width = -s.width;
            }
            ++j;
        } else {
            while (j < format.size() && format[j] >= '0' && format[j] <= '9')
                s.width = s.width * 10 + (format[j++] - '0');
        }
        if (j < format.size() && format[j] == '.') {
            ++j;
            s.precision = 0;
            if (j < format.size() && format[j] == '*') {
                const FormatArg* a = take();
                s.precision = a ? static_cast<int>(AsInteger(*a)) : -1;
                ++j;
            } else {
                while (j < format.size() && format[j] >= '0' && format[j] <= '9')
                    s.precision = s.precision * 10 + (format[j++] - '0');
            }
        }
        // Length modifiers carry no meaning here: arguments know their type.
        while (j < format.size() && (format[j] == 'l' || format[j] == 'h' || format[j] == 'L' || format[j] == 'z'))
            ++j;
        if (j >= format.size()) {
            out.append(format.substr(i));
            break;
        }
        s.width = std::min(s.width, 4096);
        s.precision = std::min(s.precision, 300);
        s.conversion = format[j];
        i = j;
        const FormatArg* a = take();
        switch (s.conversion) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X': Pad(out, FormatInteger(a ? AsInteger(*a) : 0, s), s, s.precision < 0); break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': Pad(out, FormatReal(a ? AsDouble(*a) : 0.0, s), s, true); break;
        case 'c': Pad(out, std::string(1, static_cast<char>(a ? AsInteger(*a) : ' ')), s, false); break;
        case 's': {
            std::string text;
            if (a) {
                if (const auto* sv = std::get_if<std::string_view>(&a->Value()))
                    text = std::string(*sv);
            }
            if (s.precision >= 0 && static_cast<std::size_t>(s.precision) < text.size())
                text.resize(static_cast<std::size_t>(s.precision));
            Pad(out, text, s, false);
            break;
        }
        default:
            out += '%';
            out += s.conversion;
            break;
        }
    }
    return out;
}

}  // namespace orvane
