#include "core/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/Format.h"

namespace orvane {

JsonValue JsonValue::Bool(bool b)
{
    JsonValue v;
    v.kind_ = Kind::Bool;
    v.bool_ = b;
    return v;
}

JsonValue JsonValue::Number(double n)
{
    JsonValue v;
    v.kind_ = Kind::Number;
    v.number_ = n;
    return v;
}

JsonValue JsonValue::String(std::string text)
{
    JsonValue v;
    v.kind_ = Kind::String;
    v.text_ = std::move(text);
    return v;
}

JsonValue JsonValue::Array()
{
    JsonValue v;
    v.kind_ = Kind::Array;
    return v;
}

JsonValue JsonValue::Object()
{
    JsonValue v;
    v.kind_ = Kind::Object;
    return v;
}

const JsonValue* JsonValue::Find(std::string_view key) const
{
    for (const Member& m : members_) {
        if (m.first == key)
            return &m.second;
    }
    return nullptr;
}

JsonValue* JsonValue::Find(std::string_view key)
{
    return const_cast<JsonValue*>(static_cast<const JsonValue*>(this)->Find(key));
}

JsonValue& JsonValue::Set(std::string_view key, JsonValue value)
{
    if (kind_ != Kind::Object)
        *this = Object();
    if (JsonValue* present = Find(key)) {
        *present = std::move(value);
        return *present;
    }
    members_.emplace_back(std::string(key), std::move(value));
    return members_.back().second;
}

bool JsonValue::Remove(std::string_view key)
{
    for (auto it = members_.begin(); it != members_.end(); ++it) {
        if (it->first == key) {
            members_.erase(it);
            return true;
        }
    }
    return false;
}

bool JsonValue::operator==(const JsonValue& other) const
{
    if (kind_ != other.kind_)
        return false;
    switch (kind_) {
    case Kind::Null: return true;
    case Kind::Bool: return bool_ == other.bool_;
    case Kind::Number: return number_ == other.number_;
    case Kind::String: return text_ == other.text_;
    case Kind::Array: return elements_ == other.elements_;
    case Kind::Object: return members_ == other.members_;
    }
    return false;
}

namespace {

class Reader {
public:
    Reader(std::string_view text, const JsonLimits& limits) : text_(text), limits_(limits) { }

    JsonParseResult Run()
    {
        JsonParseResult result;
        if (text_.size() > limits_.maxBytes) {
            result.error = Format("the text is larger than %d bytes", static_cast<long long>(limits_.maxBytes));
            return result;
        }
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            pos_ = 3;
        SkipBlanks();
        bool ok = ReadValue(result.value, 0);
        if (ok) {
            SkipBlanks();
            ok = AtEnd() || Fail("text after the value");
        }
        if (!ok) {
            result.value = JsonValue();
            result.error = Where() + ": " + why_;
        }
        return result;
    }

private:
    // Records the first fault and its place; always false.
    bool Fail(const std::string& why)
    {
        if (why_.empty()) {
            why_ = why;
            failPos_ = pos_;
        }
        return false;
    }

    std::string Where() const
    {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < failPos_ && i < text_.size(); ++i) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if (c == '\n') {
                ++line;
                column = 1;
            } else if ((c & 0xC0) != 0x80) {  // columns count characters, not bytes
                ++column;
            }
        }
        return Format("line %d, column %d", line, column);
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipBlanks()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++pos_;
    }

    bool Literal(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word)
            return Fail("not a JSON value");
        pos_ += word.size();
        return true;
    }

    bool ReadValue(JsonValue& out, int depth)
    {
        if (AtEnd())
            return Fail("the text ends where a value should be");
        switch (Peek()) {
        case '{': return ReadObject(out, depth + 1);
        case '[': return ReadArray(out, depth + 1);
        case '"': {
            std::string s;
            if (!ReadString(s))
                return false;
            out = JsonValue::String(std::move(s));
            return true;
        }
        case 't': out = JsonValue::Bool(true); return Literal("true");
        case 'f': out = JsonValue::Bool(false); return Literal("false");
        case 'n': out = JsonValue(); return Literal("null");
        default: return ReadNumber(out);
        }
    }

    bool ReadObject(JsonValue& out, int depth)
    {
        if (depth > limits_.maxDepth)
            return Fail(Format("nested deeper than %d levels", limits_.maxDepth));
        out = JsonValue::Object();
        ++pos_;  // {
        SkipBlanks();
        if (Peek() == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipBlanks();
            if (Peek() != '"')
                return Fail("a key in double quotes was expected");
            std::string key;
            const std::size_t keyPos = pos_;
            if (!ReadString(key))
                return false;
            if (out.Find(key)) {
                pos_ = keyPos;
                return Fail("the key \"" + key + "\" is given twice");
            }
            SkipBlanks();
            if (Peek() != ':')
                return Fail("':' was expected after the key");
            ++pos_;
            SkipBlanks();
            JsonValue member;
            if (!ReadValue(member, depth))
                return false;
            out.Set(key, std::move(member));
            SkipBlanks();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            return Fail("',' or '}' was expected");
        }
    }

    bool ReadArray(JsonValue& out, int depth)
    {
        if (depth > limits_.maxDepth)
            return Fail(Format("nested deeper than %d levels", limits_.maxDepth));
        out = JsonValue::Array();
        ++pos_;  // [
        SkipBlanks();
        if (Peek() == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipBlanks();
            JsonValue element;
            if (!ReadValue(element, depth))
                return false;
            out.Elements().push_back(std::move(element));
            SkipBlanks();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == ']') {
                ++pos_;
                return true;
            }
            return Fail("',' or ']' was expected");
        }
    }

    bool ReadNumber(JsonValue& out)
    {
        // The JSON grammar, checked before the conversion: from_chars alone
        // would take "01", "1." or "inf".
        const std::size_t start = pos_;
        auto digits = [&] {
            const std::size_t from = pos_;
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9')
                ++pos_;
            return pos_ > from;
        };
        if (Peek() == '-')
            ++pos_;
        if (Peek() == '0') {
            ++pos_;
        } else if (!digits()) {
            pos_ = start;
            return Fail("not a JSON value");
        }
        if (Peek() == '.') {
            ++pos_;
            if (!digits())
                return Fail("digits were expected after the decimal point");
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-')
                ++pos_;
            if (!digits())
                return Fail("digits were expected in the exponent");
        }
        double v = 0.0;
        const auto result = std::from_chars(text_.data() + start, text_.data() + pos_, v);
        if (result.ec != std::errc() || !std::isfinite(v)) {
            pos_ = start;
            return Fail("the number is out of range");
        }
        out = JsonValue::Number(v);
        return true;
    }

    bool ReadHex4(std::uint32_t& code)
    {
        code = 0;
        for (int i = 0; i < 4; ++i, ++pos_) {
            const char c = Peek();
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return Fail("four hexadecimal digits were expected after \\u");
        }
        return true;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // One UTF-8 character copied from the text: shortest form only, no
    // surrogates, nothing above U+10FFFF.
    bool CopyUtf8(std::string& out)
    {
        const auto lead = static_cast<unsigned char>(Peek());
        int extra = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            code = lead & 0x07u;
        } else {
            return Fail("the text is not UTF-8");
        }
        if (pos_ + static_cast<std::size_t>(extra) >= text_.size())
            return Fail("the text is not UTF-8");
        for (int i = 1; i <= extra; ++i) {
            const auto c = static_cast<unsigned char>(text_[pos_ + static_cast<std::size_t>(i)]);
            if ((c & 0xC0) != 0x80)
                return Fail("the text is not UTF-8");
            code = (code << 6) | (c & 0x3Fu);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return Fail("the text is not UTF-8");
        out.append(text_.substr(pos_, static_cast<std::size_t>(extra) + 1));
        pos_ += static_cast<std::size_t>(extra) + 1;
        return true;
    }

    bool ReadString(std::string& out)
    {
        ++pos_;  // "
        for (;;) {
            if (AtEnd())
                return Fail("the text ends inside a string");
            const auto c = static_cast<unsigned char>(Peek());
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20)
                return Fail("a control character inside a string");
            if (c >= 0x80) {
                if (!CopyUtf8(out))
                    return false;
                continue;
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                ++pos_;
                continue;
            }
            ++pos_;
            const char e = Peek();
            ++pos_;
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::uint32_t code = 0;
                if (!ReadHex4(code))
                    return false;
                if (code >= 0xDC00 && code <= 0xDFFF)
                    return Fail("a lone low surrogate");
                if (code >= 0xD800 && code <= 0xDBFF) {
                    std::uint32_t low = 0;
                    if (text_.substr(pos_, 2) != "\\u")
                        return Fail("a high surrogate without its low half");
                    pos_ += 2;
                    if (!ReadHex4(low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return Fail("a high surrogate without its low half");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
                break;
            }
            default: --pos_; return Fail("an unknown escape in a string");
            }
        }
    }

    std::string_view text_;
    JsonLimits limits_;
    std::size_t pos_ = 0;
    std::size_t failPos_ = 0;
    std::string why_;
};

void WriteString(std::string& out, const std::string& text)
{
    out += '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20)
                out += Format("\\u%04x", static_cast<int>(c));
            else
                out += ch;
        }
    }
    out += '"';
}

void WriteNumber(std::string& out, double v)
{
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buffer[32];
    // Shortest text that reads back to the same double; never locale-dependent.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, result.ptr);
}

void WriteValue(std::string& out, const JsonValue& v, int indent)
{
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    switch (v.GetKind()) {
    case JsonValue::Kind::Null: out += "null"; break;
    case JsonValue::Kind::Bool: out += v.AsBool() ? "true" : "false"; break;
    case JsonValue::Kind::Number: WriteNumber(out, v.AsNumber()); break;
    case JsonValue::Kind::String: WriteString(out, v.AsString()); break;
    case JsonValue::Kind::Array:
        if (v.Elements().empty()) {
            out += "[]";
            break;
        }
        out += "[\n";
        for (std::size_t i = 0; i < v.Elements().size(); ++i) {
            out += pad;
            WriteValue(out, v.Elements()[i], indent + 2);
            out += i + 1 < v.Elements().size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "]";
        break;
    case JsonValue::Kind::Object:
        if (v.Members().empty()) {
            out += "{}";
            break;
        }
        out += "{\n";
        for (std::size_t i = 0; i < v.Members().size(); ++i) {
            out += pad;
            WriteString(out, v.Members()[i].first);
            out += ": ";
            WriteValue(out, v.Members()[i].second, indent + 2);
            out += i + 1 < v.Members().size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "}";
        break;
    }
}

}  // namespace

JsonParseResult ParseJson(std::string_view text, const JsonLimits& limits) { return Reader(text, limits).Run(); }

std::string WriteJson(const JsonValue& value)
{
    std::string out;
    WriteValue(out, value, 0);
    return out + "\n";
}

}  // namespace orvane
