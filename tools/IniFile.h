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

#include <optional>
#include <string>
#include <string_view>

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

enum class IniReadStatus {
    Found,
    Missing,     // no such file, section or key
    Unreadable,  // the file exists but cannot be read (a folder, no access, an I/O error)
};

struct IniReadResult {
    IniReadStatus status = IniReadStatus::Missing;
    std::string value;  // meaningful when status is Found
};

// One read of one key; the file is open only during the call.
IniReadResult ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

// One write of one key: the file and the section are created when missing.
// The file is replaced atomically, so a failure leaves it as it was. false
// when nothing was written: the file exists but cannot be read (writing
// would lose its other lines), the names or value cannot be stored, or the
// folder is not writable.
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

}  // namespace orvane
