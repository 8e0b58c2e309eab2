#pragma once
// A small JSON value, reader and writer for the project's own settings files.
//
// Objects keep their keys in the order read or set, so a file written back
// shows its keys where the user put them, unknown ones included. Numbers are
// doubles. The reader takes UTF-8 text (an initial byte-order mark is
// skipped) and refuses, with the line and column of the fault, anything that
// is not JSON: invalid UTF-8, control characters in strings, lone
// surrogates, duplicate keys, trailing text. Its limits keep a hostile file
// from costing more than a glance: see JsonLimits.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };
    using Member = std::pair<std::string, JsonValue>;

    JsonValue() = default;
    static JsonValue Bool(bool b);
    static JsonValue Number(double v);
    static JsonValue String(std::string text);
    static JsonValue Array();
    static JsonValue Object();

    Kind GetKind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool IsObject() const { return kind_ == Kind::Object; }

    bool AsBool() const { return bool_; }
    double AsNumber() const { return number_; }
    const std::string& AsString() const { return text_; }

    // Array elements and object members, in order.
    const std::vector<JsonValue>& Elements() const { return elements_; }
    std::vector<JsonValue>& Elements() { return elements_; }
    const std::vector<Member>& Members() const { return members_; }

    // The member named key; nullptr when this is no object or has none.
    const JsonValue* Find(std::string_view key) const;
    JsonValue* Find(std::string_view key);
    // Sets the member, in its place when present, else at the end; turns a
    // non-object into an empty object first.
    JsonValue& Set(std::string_view key, JsonValue value);
    // Removes the member; false when there was none.
    bool Remove(std::string_view key);

    bool operator==(const JsonValue& other) const;

private:
    Kind kind_ = Kind::Null;
    bool bool_ = false;
    double number_ = 0.0;
    std::string text_;
    std::vector<JsonValue> elements_;
    std::vector<Member> members_;
};

struct JsonLimits {
    std::size_t maxBytes = 1u << 20;  // a settings file is a few hundred bytes
    int maxDepth = 32;                // nested arrays and objects
};

struct JsonParseResult {
    JsonValue value;
    std::string error;  // "" when the text was read; else "line L, column C: why"
    bool Ok() const { return error.empty(); }
};

JsonParseResult ParseJson(std::string_view text, const JsonLimits& limits = {});

// Two-space indentation, one member or element per line, "\n" line ends and
// a final newline; UTF-8 as it is, control characters escaped. Numbers
// read back to the same double (up to 17 significant digits, shortest first);
// a number that is not finite is written as null, since JSON has no other.
std::string WriteJson(const JsonValue& value);

}  // namespace orvane
