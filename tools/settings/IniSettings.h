#pragma once
// The settings helpers every window uses. Each call opens the file, performs
// one read or one write, and releases it; nothing is cached. A missing key
// gives the caller's default, a file that exists but cannot be read gives 0,
// false or "" (whatever the default). A write that fails is reported once
// per file and run, then skipped without a word. A file over 1 MB is not
// read: every read gives the caller's default, writes are skipped, and one
// warning names the file (IniFile.h).
//
// A window that reads or writes several keys at once uses one SettingsFile,
// so the file is read and split once for all of them and written once.
//
// file arguments go through ResolveIniPath, so "" (or any name of 4
// characters or fewer) means the program settings file IniPath().

#include <string>

#include "tools/settings/IniFile.h"

namespace orvane {

// One use of a settings file with the rules of the helpers below: the file
// is read once at construction; writes collect in memory until Save.
class SettingsFile {
public:
    // file goes through ResolveIniPath.
    explicit SettingsFile(const std::string& file);

    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Writes what changed, atomically. A failure is shown once per file and
    // run (the next ones are skipped without a word), so a folder that cannot
    // be written does not interrupt the user at every change.
    Outcome Save();

private:
    IniDocument doc_;
};

// The program file's name with its extension changed to ".INI" (the
// executable "Orvane" has none, so ".INI" is appended), in the program's
// settings folder (ProgramUserFolders: the program folder, or the user's when
// the program is installed): the unit-conversion tool's and the tool
// windows' settings.
std::string IniPath();

// The same file under the name the general utilities use for it.
std::string SettingsFileName();

// The program file with its extension changed to ".DefaultINI": read only.
std::string DefaultIniPath();

// The main settings file: the settings folder + "Orvane.INI". For the
// executable "Orvane" this is the same file as IniPath().
std::string MainIniPath();

// name when it is longer than 4 characters (bytes), otherwise IniPath().
std::string ResolveIniPath(const std::string& name);

// Decimal, or hexadecimal after "0x"/"0X" (up to 8 digits, taken as a 32-bit
// pattern: 0xFFFFFFFF is -1). A value that is no integer gives defaultValue.
int ReadIniInteger(const std::string& file, const std::string& section, const std::string& key, int defaultValue);
void WriteIniInteger(const std::string& file, const std::string& section, const std::string& key, int value);

// Read as an integer: any value other than 0 is true. Written as "1" or "0".
bool ReadIniBool(const std::string& file, const std::string& section, const std::string& key, bool defaultValue);
void WriteIniBool(const std::string& file, const std::string& section, const std::string& key, bool value);

// Values are 8-bit (Windows-1252) text. A key written with an empty value
// reads back as "", not as the default.
std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue);
void WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);

// write set: WriteIniInteger of value. Otherwise value becomes ReadIniInteger
// with value as the default. Lets one routine both load and store a window's state.
void SyncIniInteger(const std::string& file, const std::string& section, const std::string& key, bool write,
                    int& value);

// SyncIniInteger on DefaultIniPath().
void SyncDefaultIniInteger(const std::string& section, const std::string& key, int& value, bool write);

// The integer rule of ReadIniInteger on a value text; false when it is no integer.
bool ParseIniInteger(const std::string& text, int& value);

}  // namespace orvane
