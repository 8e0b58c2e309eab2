#pragma once
// printf-style formatting that never consults the C or any toolkit locale:
// the decimal separator is always ".", whatever the user's regional settings.
// Supports the conversions the program uses: d i u x X c s f F e E g G %, with
// the flags - + blank 0 #, width and precision (also as *).
//
//   Format("%5d %12.3f %12.3f", 1, 1000.0, 250.5)
//     == "    1     1000.000      250.500"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace orvane {

class FormatArg {
public:
    template <class T>
    requires std::is_integral_v<T> FormatArg(T v) : value_(static_cast<long long>(v)) { }
    FormatArg(float v) : value_(static_cast<double>(v)) { }
    FormatArg(double v) : value_(v) { }
    FormatArg(long double v) : value_(static_cast<double>(v)) { }
    FormatArg(const char* v) : value_(std::string_view(v ? v : "")) { }
    FormatArg(std::string_view v) : value_(v) { }
    FormatArg(const std::string& v) : value_(std::string_view(v)) { }

    const std::variant<long long, double, std::string_view>& Value() const { return value_; }

private:
    std::variant<long long, double, std::string_view> value_;
};

std::string FormatArgs(std::string_view format, std::initializer_list<FormatArg> args);

template <class... A> std::string Format(std::string_view format, const A&... args)
{
    return FormatArgs(format, {FormatArg(args)...});
}

}  // namespace orvane
