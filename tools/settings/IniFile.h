#pragma once
// A small reader and editor of INI settings text: "[Section]" lines start a
// section, "key=value" lines hold values, lines starting with ";" or "#" are
// comments. Values are 8-bit (Windows-1252) bytes passed through unchanged.
//
// Section and key names match case-insensitively (ASCII letters); blanks and
// tabs around names and values are ignored, and one pair of matching quotes
// around a value is removed, as Windows settings readers do. Editing changes
// exactly one line (or appends at most two) and keeps every other byte of the
// text: comments, order, spacing, line ends, other sections.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/Outcome.h"

namespace orvane {

// The value of key in the first section named section that holds it, or
// nullopt when the section or the key is missing. Lines before the first
// section header belong to no section.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section, std::string_view key);

// text with key set to value: the first existing key line of a matching
// section is rewritten in place (its "key =" part kept as written); a missing
// key is added after the last key line (or the header) of the first matching
// section, so comments that close a section stay with what follows them; a
// missing section is appended at the end. A value that the reader would alter
// (surrounding blanks or quotes) is written in quotes so that it reads back
// unchanged. nullopt when the names or the value cannot be stored: an empty
// name, a line break anywhere, "]" in the section, "=" in the key, a key
// beginning with "[", ";" or "#".
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                                       std::string_view value);

// Settings files above this size are not read at all: the program's own
// files hold a few hundred bytes, and a damaged or foreign file of hundreds
// of megabytes must not slow the start-up or fill the memory. The program
// never writes a file past it either, so it can always read what it wrote.
inline constexpr std::size_t kMaxIniFileBytes = 1u << 20;

enum class IniReadStatus {
    Found,
    Missing,     // no such file, section or key
    Unreadable,  // the file exists but cannot be read (a folder, no access, an I/O error)
};

// One use of a settings file: the file is read and split into its keys
// once, then any number of keys are looked up and set, and Save writes it
// back once. The file is open only inside Load and Save.
//
// A file that starts with a byte-order mark is text in that encoding: UTF-16
// (either byte order) is read as UTF-8 and written back as UTF-16 in its own
// byte order, a UTF-8 mark is kept. Without a mark the bytes are taken as
// they are. Text is handled as UTF-8 (or the 8-bit bytes of a file without a
// mark) in between.
class IniDocument {
public:
    enum class Encoding {
        Bytes,    // no byte-order mark: the bytes as they are
        Utf8Bom,  // EF BB BF, then UTF-8
        Utf16Le,  // FF FE, then UTF-16 little-endian
        Utf16Be,  // FE FF, then UTF-16 big-endian
    };

    enum class State {
        Missing,     // no such file: reads give the defaults, Save creates it
        Read,        // read whole
        Unreadable,  // a folder, no access, an I/O error, broken UTF-16: reads fail, Save writes nothing
        TooLarge,  // over kMaxIniFileBytes: not read, reads give the defaults, Save writes nothing; said once per file
                   // and run
    };

    // A file over kMaxIniFileBytes is refused with the warning "settings file
    // [path] is larger than 1 MB and is not read: the defaults are used",
    // through the message sink, the first time this run meets that file.
    static IniDocument Load(const std::string& path);

    // A document of text that is no file (tests, the fuzzer); Save fails.
    static IniDocument FromText(std::string text);

    State GetState() const { return state_; }
    const std::string& Path() const { return path_; }
    Encoding GetEncoding() const { return encoding_; }
    // Without the byte-order mark, UTF-8 for a UTF-16 file.
    const std::string& Text() const { return text_; }
    bool Readable() const { return state_ == State::Missing || state_ == State::Read; }

    // FindIniValue on the file's text, from the keys split at Load.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // SetIniValue on the text kept in memory; false when the file could not
    // be read (writing would lose its other lines) or the names or the value
    // cannot be stored.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file atomically, in its own encoding, when a Set changed
    // its text (or creates it); a success when nothing needed writing. A
    // failure when the write failed or the file was not readable in the first
    // place. A text that would make the file larger than kMaxIniFileBytes is
    // not written: the file keeps what it holds, and the failure says
    // "settings file [path] would grow past 1 MB and is not changed".
    Outcome Save();

private:
    void Index();

    std::string path_;
    State state_ = State::Missing;
    Encoding encoding_ = Encoding::Bytes;
    std::string text_;
    bool changed_ = false;
    // (section, key), trimmed and in lower case, to the value of the first
    // line that holds them.
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

struct IniReadResult {
    IniReadStatus status = IniReadStatus::Missing;
    std::string value;  // meaningful when status is Found
};

// One read of one key: IniDocument::Load, then Find. A file over
// kMaxIniFileBytes reads as Missing, so callers take their defaults.
IniReadResult ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

// One write of one key: the file and the section are created when missing.
// The file is replaced atomically, so a failure leaves it as it was. false
// when nothing was written: the file exists but cannot be read (or is over
// kMaxIniFileBytes), the names or value cannot be stored, or the folder is
// not writable.
Outcome WriteIniValue(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

}  // namespace orvane
